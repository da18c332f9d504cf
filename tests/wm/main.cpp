#include "dialoghelper.h"
#include "hintline.h"
#include "translation.h"

#include <QApplication>
#include <gtest/gtest.h>

// Flows on a desktop: an X server with a window manager, started by run.sh.
int main(int argc, char **argv)
{
    if (qEnvironmentVariable("QT_QPA_PLATFORM") != QStringLiteral("xcb") ||
        qEnvironmentVariableIsEmpty("DISPLAY")) {
        fprintf(stderr, "run me through tests/wm/run.sh, on X with a window manager\n");
        return 1;
    }
    QApplication app(argc, argv);
    kvidrel::installDanishTranslation();
    // The hint line follows the pointer as in the program.
    kvidrel::hintline::install();
    dialoghelper::installStrayDialogGuard();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
