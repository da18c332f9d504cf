#include "appfont.h"
#include "appwindows.h"
#include "deliveredcontent.h"
#include "display.h"
#include "hintline.h"
#include "kommandolinje.h"
#include "main.h"
#include "options.h"
#include "startmaaling.h"
#include "stylemanager.h"
#include "translation.h"
#include "version.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace {

// The icon drawn at build time, found where the rest of the delivered content is.
QIcon programIkon()
{
    const QString mappe = kvidrel::deliveredcontent::leveretMappe(QStringLiteral("ikoner"));
    if (mappe.isEmpty())
        return QIcon::fromTheme(QStringLiteral("kvidrel"));
    // Read as PNG without guessing: a guess loads every image plugin there is
    // to ask each one, a megabyte for nothing. Title bars and window switchers
    // ask for these sizes; launchers take the installed 256-pixel icon.
    QIcon ikon;
    for (int side : {48, 128}) {
        QImageReader laeser(mappe + QStringLiteral("/kvidrel-%1.png").arg(side), "png");
        laeser.setAutoDetectImageFormat(false);
        ikon.addPixmap(QPixmap::fromImage(laeser.read()));
    }
    return ikon;
}

} // namespace

int main(int argc, char **argv)
{
    using namespace kvidrel;

    // An import or export runs without a display: no window system is touched.
    if (kommandolinje::erKommando(argc, argv)) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("kvidrel"));
        QCoreApplication::setApplicationVersion(programVersion());
        installDanishTranslation();
        return kommandolinje::koer(QCoreApplication::arguments());
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kvidrel"));
    QApplication::setApplicationVersion(programVersion());
    // The menu entry's id: a Wayland desktop finds the entry and its icon by it.
    QApplication::setDesktopFileName(QStringLiteral("dk.kvidrel.Kvidrel"));
    QApplication::setWindowIcon(programIkon());
    registerTahoma();
    installDanishTranslation();
    hintline::install();
    stylemanager::TrySetStyle(Options::standardDesign);

    createWindows();
    mainform->show();
    // The host's window ends up in front of the board it has just shown.
    mainform->tilVaerten();
    meldNaarKlar({mainform, displayform});
    const int result = QApplication::exec();
    destroyWindows();
    return result;
}
