#pragma once

#include <QDialog>

class QStatusBar;

namespace kvidrel {

// What the question and the participants window share: a window with only the
// close box, centred on the screen when shown, a hint line at the bottom that
// shows the long part of the application's hint while the window is active,
// and no closing by Escape (only the close box or the window's own button
// ends it). exec() returns 1 for OK.
class ModalWindow : public QDialog
{
    Q_OBJECT
public:
    QStatusBar *infoBar = nullptr;

    void HintInfo();

protected:
    ModalWindow(const QString &caption, QWidget *parent);
    // The hint line; the subclass places it at the bottom of its layout.
    QStatusBar *makeInfoBar();

    void FormActivate();
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace kvidrel
