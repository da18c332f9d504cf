#include "dialoghelper.h"
#include "translation.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    // A test may run itself again on the test platform with other screens.
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kvidrel::installDanishTranslation(); // as the program does
    dialoghelper::installStrayDialogGuard();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
