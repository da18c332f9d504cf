// The yardstick for Kvidrel's start: a bare Qt Widgets program that shows two
// empty windows of the sizes of the main window and the display window, and
// reports as Kvidrel does when it is idle.

#include "startmaaling.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget hoved;
    hoved.setFixedSize(772, 409);
    QWidget tavle;
    tavle.setFixedSize(973, 654);
    hoved.move(100, 100);
    tavle.move(900, 100);
    hoved.show();
    tavle.show();
    kvidrel::meldNaarKlar({&hoved, &tavle});
    return QApplication::exec();
}
