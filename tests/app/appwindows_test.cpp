#include "appwindows.h"
#include "deltagere.h"
#include "dialoghelper.h"
#include "display.h"
#include "egenskaber.h"
#include "infUnit.h"
#include "information.h"
#include "kontrol.h"
#include "makeSpm.h"
#include "om.h"
#include "shellfixture.h"
#include "spmUnit.h"
#include "url.h"
#include "windowfixture.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QToolButton>

using namespace kvidrel;

using WindowsTest = WindowTest;

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
    EXPECT_EQ(kontrol<QLineEdit>(displayform->tavle(), "LowEdit")->text(), QStringLiteral("20"));
    EXPECT_EQ(kontrol<QLineEdit>(displayform->tavle(), "HighEdit")->text(), QStringLiteral("80"));
    EXPECT_TRUE(kontrol<QLineEdit>(displayform->tavle(), "LowEdit")->isReadOnly());
    // Players read the range from afar: no input, no focus, but not greyed.
    EXPECT_EQ(kontrol<QLineEdit>(displayform->tavle(), "HighEdit")->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(kontrol<QLineEdit>(displayform->tavle(), "HighEdit")->isEnabled());

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

class LaterWindowsTest : public WindowTest
{
protected:
    static QList<bool> made()
    {
        return {spmform.made(),  egenskabsform.made(), omform.made(),  deltagerform.made(),
                infoform.made(), urlform.made(),       infform.made(), spform.made()};
    }
};

// Start as the program starts, with idle moments of the real event loop, then
// each later window opened where the host opens it.
TEST_F(LaterWindowsTest, OnlyTheMainAndTheDisplayWindowAreMadeUntilTheHostOpensAnother)
{
    deltagere({{"Anna", "", false}});
    start();
    main->show();
    main->raise();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(displayform));
    QTest::qWait(100);
    idle();
    EXPECT_EQ(made(), QList<bool>(8, false));
    QWidgetList windows = QApplication::topLevelWidgets();
    windows.removeIf([](const QWidget *w) { return w->windowType() == Qt::Popup; });
    EXPECT_EQ(QSet<QWidget *>(windows.begin(), windows.end()),
              QSet<QWidget *>({main, displayform}));

    // Participants: the register is listed; the yes/no dialog refuses a
    // deletion; closing with nobody ticked brings the notice.
    dialoghelper::answerModal([this](QWidget *dialog) {
        EXPECT_EQ(dialog, deltagerform.ifMade());
        EXPECT_EQ(rows(kontrol<QListWidget>(deltagerform, "deltagerliste")), QStringList({"Anna"}));
        clickRow(kontrol<QListWidget>(deltagerform, "deltagerliste"), 0);
        answer(QStringLiteral("Nej"));
        click(kontrol<QToolButton>(deltagerform, "Button6"));
        answer(QStringLiteral("OK"));
        dialog->close();
    });
    click(kontrol<QPushButton>(main, "deltagerButton"));
    EXPECT_EQ(main->Del.size(), 1);
    EXPECT_TRUE(messages.value(0).startsWith(QStringLiteral("Skal Anna\r")));
    EXPECT_EQ(messages.value(1),
              QStringLiteral("Der mangler deltagere.\rIndfør deltagere og prøv igen."));
    EXPECT_TRUE(spform.made() && infform.made());

    // Questions: the group list was read when the window was made.
    dialoghelper::answerModal([](QWidget *dialog) {
        EXPECT_EQ(dialog, spmform.ifMade());
        EXPECT_EQ(rows(kontrol<QListWidget>(spmform, "gruppeliste")), QStringList({"Eksempler"}));
        dialog->close();
    });
    click(kontrol<QPushButton>(main, "spmKnap"));

    // Help: its first page enters the history of the URL box, which is made
    // for it and shown from the information window's button.
    click(kontrol<QPushButton>(main, "infoButton"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(infoform));
    ASSERT_TRUE(urlform.made());
    EXPECT_EQ(kontrol<QListWidget>(urlform, "urlListe")->count(), 1);
    EXPECT_FALSE(urlform->isVisible());
    click(kontrol<QToolButton>(infoform, "urlListeKnap"));
    EXPECT_TRUE(urlform->isVisible());

    // The two empty windows are never shown; using them makes them.
    EXPECT_FALSE(egenskabsform->isVisible() || omform->isVisible());
    EXPECT_EQ(made(), QList<bool>(8, true));
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();

    destroyWindows();
    EXPECT_EQ(made(), QList<bool>(8, false));
    EXPECT_EQ(spform, nullptr); // nothing is made once the program has ended
}
