#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kvidrel {

// What the notice and the yes/no dialog share: a wrapping label sized to its
// text, a button row with a 16 by 16 picture at each end, kept above the other
// windows and centred on the main window. exec() returns 1 for OK/"Ja".
class MessageDialog : public QDialog
{
    Q_OBJECT
public:
    void insertTekst(const QString &tekst); // "\r" is a line break
    void resetValues();
    QLabel *label() const { return m_label; }

protected:
    MessageDialog(const QString &caption, int fontPixels, QWidget *parent);
    // Builds the label and the button row; the buttons are added by the subclass.
    void setPictures(const QPixmap &picture);
    QWidget *buttonRow() const { return m_row; }

    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void FormShow();

    QLabel *m_label = nullptr;
    QWidget *m_row = nullptr;
};

} // namespace kvidrel
