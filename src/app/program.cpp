#include "appfont.h"
#include "hintline.h"
#include "main.h"
#include "stylemanager.h"
#include "translation.h"
#include "appwindows.h"

#include <QApplication>

int main(int argc, char **argv)
{
    using namespace kvidrel;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kvidrel"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    registerTahoma();
    installDanishTranslation();
    hintline::install();
    stylemanager::TrySetStyle(QStringLiteral("Sky"));

    createWindows();
    mainform->show();
    // The host's window ends up in front of the board it has just shown.
    mainform->raise();
    mainform->activateWindow();
    const int result = QApplication::exec();
    destroyWindows();
    return result;
}
