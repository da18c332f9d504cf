#pragma once

#include <QWidget>

class QLineEdit;

namespace kvidrel {

// The board the players see. For now it holds the mirror of the host's working
// point range; the board itself comes with the game.
class Tdisplayform : public QWidget
{
    Q_OBJECT
public:
    explicit Tdisplayform(QWidget *parent = nullptr);

    QLineEdit *LowEdit = nullptr; // read-only mirrors of the main window's range
    QLineEdit *HighEdit = nullptr;

private:
    void FormCreate();
};

extern Tdisplayform *displayform;

} // namespace kvidrel
