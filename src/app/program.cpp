#include "appfont.h"
#include "appwindows.h"
#include "display.h"
#include "hintline.h"
#include "main.h"
#include "options.h"
#include "startmaaling.h"
#include "stylemanager.h"
#include "translation.h"
#include "version.h"

#include <QApplication>

int main(int argc, char **argv)
{
    using namespace kvidrel;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kvidrel"));
    QApplication::setApplicationVersion(programVersion());
    registerTahoma();
    installDanishTranslation();
    hintline::install();
    stylemanager::TrySetStyle(Options::standardDesign);

    createWindows();
    mainform->show();
    // The host's window ends up in front of the board it has just shown.
    mainform->raise();
    mainform->activateWindow();
    meldNaarKlar({mainform, displayform});
    const int result = QApplication::exec();
    destroyWindows();
    return result;
}
