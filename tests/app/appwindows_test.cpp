#include "appwindows.h"
#include "deltagere.h"
#include "dialoghelper.h"
#include "display.h"
#include "egenskaber.h"
#include "infUnit.h"
#include "information.h"
#include "makeSpm.h"
#include "om.h"
#include "shellfixture.h"
#include "spmUnit.h"
#include "url.h"

#include <QDir>
#include <QLineEdit>

using namespace kvidrel;

class WindowsTest : public ShellTest
{
protected:
    void TearDown() override
    {
        destroyWindows();
        ShellTest::TearDown();
    }
};

TEST_F(WindowsTest, TenWindowsAreCreatedInOrderWithTheirReferences)
{
    QDir().mkpath(root.file(QStringLiteral("Egenskaber")));
    writeAllBytes(optionsFile(), "Sky\r\n20\r\n80\r\n");
    createWindows();

    const QList<QPair<QWidget *, QString>> windows = {
        {mainform, QStringLiteral("Kvidrel: ")},  {displayform, QStringLiteral("Kvidrel")},
        {spmform, QStringLiteral("Spørgsmål")},   {egenskabsform, QStringLiteral("Egenskaber")},
        {omform, QStringLiteral("Om Kvidrel")},   {deltagerform, QStringLiteral("Deltagere")},
        {infoform, QStringLiteral("Strukturer")}, {urlform, QStringLiteral("Urlboks")},
        {infform, QStringLiteral("Information")}, {spform, QStringLiteral("Spørgsmål")},
    };
    for (const auto &[window, caption] : windows) {
        ASSERT_NE(window, nullptr) << caption.toStdString();
        EXPECT_TRUE(window->windowTitle().startsWith(caption)) << caption.toStdString();
        // Only the main window's closing ends the program.
        EXPECT_EQ(window->testAttribute(Qt::WA_QuitOnClose), window == mainform)
            << caption.toStdString();
        EXPECT_FALSE(window->isVisible());
    }
    // The display window was made after the options were loaded.
    EXPECT_EQ(displayform->LowEdit->text(), QStringLiteral("20"));
    EXPECT_EQ(displayform->HighEdit->text(), QStringLiteral("80"));
    EXPECT_TRUE(displayform->LowEdit->isReadOnly());
    // Players read the range from afar: no input, no focus, but not greyed.
    EXPECT_EQ(displayform->HighEdit->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(displayform->HighEdit->isEnabled());

    destroyWindows();
    EXPECT_EQ(mainform, nullptr);
    EXPECT_EQ(spform, nullptr);
    EXPECT_EQ(spmform, nullptr);
}

TEST_F(WindowsTest, DialogsAreCentredOnTheMainWindow)
{
    createWindows();
    mainform->show();
    QRect shownAt;
    dialoghelper::answerModal([&shownAt](QWidget *dialog) {
        shownAt = dialog->frameGeometry();
        dialoghelper::clickButton(dialog, QStringLiteral("Ja"));
    });
    EXPECT_TRUE(spoerg(QStringLiteral("Midt på?")));
    const QPoint centre = mainform->frameGeometry().center();
    EXPECT_LE((shownAt.center() - centre).manhattanLength(), 2);
}
