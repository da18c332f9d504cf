// Flows on a desktop with a window manager, where closing, activation and the
// keyboard's focus behave as hosts meet them. Keys and clicks go through the
// X server; windows are closed through the window manager.

#include "information.h"
#include "kontrol.h"
#include "skrivebord.h"
#include "spilfixture.h"
#include "url.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QStatusBar>
#include <QToolButton>

using namespace kvidrel;

namespace {

bool aktivt(QWidget *vindue)
{
    return QTest::qWaitFor([vindue] { return QApplication::activeWindow() == vindue; }, 5000);
}

class Skrivebord : public SpilFixture
{
protected:
    // The centre of answer field felt on the main window.
    QPoint svarFelt(int felt) const
    {
        const TRect r = hjem("svarDisplay")->Felt()[std::size_t(felt)].IR;
        return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }

    bool aaben() const
    {
        return QTest::qWaitFor([this] { return main->spil.svarTilladt(); }, 5000);
    }
};

} // namespace

// The program as the host starts it: its board cannot be closed away, and
// closing the main window ends it.
TEST(Program, EndsWhenTheMainWindowCloses)
{
    TestRoot root;
    QProcess program;
    program.start(QStringLiteral(KVIDREL_PROGRAM), {});
    QString hjem;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QStringList titler = skrivebord::titler();
            hjem = titler.filter(QStringLiteral("Kvidrel: ")).value(0);
            return !hjem.isEmpty() && titler.contains(QStringLiteral("Kvidrel"));
        },
        15000));

    skrivebord::luk(QStringLiteral("Kvidrel"));
    QTest::qWait(500);
    EXPECT_EQ(program.state(), QProcess::Running);
    EXPECT_TRUE(skrivebord::titler().contains(QStringLiteral("Kvidrel")));

    skrivebord::luk(hjem);
    EXPECT_TRUE(program.state() == QProcess::NotRunning || program.waitForFinished(5000))
        << "the program goes on without its main window";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    if (program.state() != QProcess::NotRunning) {
        program.kill();
        program.waitForFinished();
    }
}

// The host's keys reach the game whatever was clicked last: a range field, an
// answer clicked with the mouse, a modal window closed by its close box; and
// the board survives the window manager's close and minimise.
TEST_F(Skrivebord, TheHostsKeysWorkWhateverWasClickedLast)
{
    deltagere({{"Anne", "", true}, {"Bo", "", true}});
    gruppe("Taster", {spm("Første", 3, 10), spm("Anden", 1, 20), spm("Tredje", 2, 30)});
    spil();
    deltagerVindue({indfoerDeltagere()});
    EXPECT_TRUE(aktivt(main)) << "the main window is active again after a modal window";
    spmVindue({vaelgGruppe("Taster", true)});
    EXPECT_TRUE(aktivt(main));

    // The bar is driven by hand; the host clicks into the range field while
    // the first question counts, and answers it with the mouse.
    Tdisplayform::setTimerInterval(60000);
    skrivebord::klik(knap("kvidrellenButton"));
    ASSERT_EQ(hjem("spmDisplay")->TekstListe().value(0), "Første");
    skrivebord::klik(kontrol<QLineEdit>(main, "LowEdit"));
    while (!main->spil.svarTilladt())
        displayform->TimerTimer();
    Tdisplayform::setTimerInterval(1);
    skrivebord::klik(hjem("svarDisplay"), svarFelt(2));
    EXPECT_EQ(info(3), "RIGTIGT: 10 point");
    skrivebord::tast("1");
    EXPECT_EQ(kontrol<QLineEdit>(main, "LowEdit")->text(), "10")
        << "the keys are back with the answers";
    skrivebord::tast("n");
    ASSERT_EQ(hjem("spmDisplay")->TekstListe().value(0), "Anden");

    // Answered and gone on by key.
    ASSERT_TRUE(aaben());
    skrivebord::tast("a");
    EXPECT_EQ(info(3), "RIGTIGT: 20 point");
    skrivebord::tast("Next");
    ASSERT_EQ(hjem("spmDisplay")->TekstListe().value(0), "Tredje");

    // The board closed through the window manager stays; minimised, the main
    // window's full-screen button brings it back as it stood.
    const QRect tavle = displayform->frameGeometry();
    skrivebord::luk(QStringLiteral("Kvidrel"));
    EXPECT_TRUE(displayform->isVisible());
    skrivebord::koer(QStringLiteral("xdotool"),
                     {QStringLiteral("windowminimize"), QString::number(displayform->winId())});
    ASSERT_TRUE(QTest::qWaitFor([] { return displayform->isMinimized(); }, 5000));
    skrivebord::klik(knap("fuldskaermButton"));
    EXPECT_TRUE(QTest::qWaitFor([] { return !displayform->isMinimized(); }, 5000));
    EXPECT_FALSE(displayform->isFullScreen());
    EXPECT_EQ(displayform->frameGeometry(), tavle);

    // The participants window opened and closed by its close box mid-game.
    ASSERT_TRUE(aaben());
    skrivebord::tast("b");
    EXPECT_EQ(info(3), "RIGTIGT: 30 point");
    deltagerVindue({[](QWidget *dialog) {
        // Closed in code when the window manager failed, so that the test
        // fails instead of waiting for good.
        if (!skrivebord::luk(QStringLiteral("Deltagere")))
            dialog->close();
    }});
    EXPECT_TRUE(aktivt(main));
    skrivebord::tast("n");
    EXPECT_EQ(hjem("spmDisplay")->TekstListe().value(0),
              "Spillet er slut. Vælg eventuelt en ny gruppe spørgsmål.");
    EXPECT_EQ(raekke(1), "1. Anne 40");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

// Ten trips to full screen and back by key leave the board on the pixel it
// stood on, its title bar and the player's name in sight.
TEST_F(Skrivebord, FullScreenAndBackLeavesTheBoardOnItsPixel)
{
    spil();
    skrivebord::klik(displayform, QPoint(500, 300));
    ASSERT_TRUE(aktivt(displayform));
    const QRect plads = displayform->frameGeometry();
    const QRect skaerm = displayform->screen()->geometry();
    for (int tur = 0; tur < 10; ++tur) {
        skrivebord::tast("F11");
        ASSERT_TRUE(QTest::qWaitFor([&] { return displayform->geometry() == skaerm; }, 5000))
            << tur;
        skrivebord::tast("Escape");
        ASSERT_TRUE(QTest::qWaitFor([&] { return displayform->frameGeometry() == plads; }, 5000))
            << tur << ": " << ::testing::PrintToString(displayform->frameGeometry());
    }
    QTest::qWait(300);
    EXPECT_EQ(displayform->frameGeometry(), plads);
    EXPECT_EQ(displayform->size(), QSize(973, 654));
}

// The information window over several starts: the place and size the host
// gave it come back at every start. Meanwhile the information button brings
// it back when minimised, its hint line shows only its own hints, and its URL
// box stays above the program's windows. A position file with absurd numbers
// gives a window inside the screen, saved no larger than the screen.
TEST_F(Skrivebord, TheInformationWindowKeepsItsPlace)
{
    const QString titel = QStringLiteral("kvidrel");
    const auto aaben = [this] {
        spil();
        skrivebord::klik(knap("infoButton"));
        return aktivt(infoform);
    };
    ASSERT_TRUE(aaben());
    // Beside the main window, where the pointer can reach both.
    skrivebord::flyt(titel, QRect(1000, 300, 800, 600));
    ASSERT_TRUE(QTest::qWaitFor([] { return infoform->size() == QSize(800, 600); }, 5000));
    const QRect ramme = infoform->frameGeometry();

    skrivebord::over(kontrol<QToolButton>(infoform, "urlListeKnap"), QPoint(5, 5));
    EXPECT_EQ(kontrol<QStatusBar>(infoform, "infoBar")->currentMessage(),
              QStringLiteral("Åbn URL-listen"));
    skrivebord::over(hjem("svarDisplay"), hjem("svarDisplay")->rect().center());
    EXPECT_FALSE(kontrol<QStatusBar>(infoform, "infoBar")
                     ->currentMessage()
                     .startsWith(QStringLiteral("Klik på")));

    skrivebord::klik(kontrol<QToolButton>(infoform, "urlListeKnap"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(urlform));
    skrivebord::klik(kontrol<QLineEdit>(main, "LowEdit"));
    ASSERT_TRUE(aktivt(main));
    const QList<WId> stabel = skrivebord::stabel();
    EXPECT_GT(stabel.indexOf(urlform->winId()), stabel.indexOf(main->winId()))
        << "the URL box went behind the main window";

    skrivebord::minimer(infoform);
    ASSERT_TRUE(QTest::qWaitFor([] { return infoform->isMinimized(); }, 5000));
    skrivebord::klik(knap("infoButton"));
    EXPECT_TRUE(aktivt(infoform));
    EXPECT_FALSE(infoform->isMinimized());
    skrivebord::luk(titel);

    for (int start = 1; start <= 3; ++start) {
        destroyWindows();
        ASSERT_TRUE(aaben()) << start;
        // Waited for, then a little longer: a late move would show below.
        (void)QTest::qWaitFor([&] { return infoform->frameGeometry() == ramme; }, 3000);
        QTest::qWait(300);
        EXPECT_EQ(infoform->frameGeometry(), ramme) << start;
        skrivebord::luk(titel);
    }

    const QString fil = root.file(QStringLiteral("Egenskaber/information.txt"));
    writeLines(fil, {"-5000", "99999", "99999", "99999"});
    destroyWindows();
    ASSERT_TRUE(aaben());
    const QRect flade = infoform->screen()->availableGeometry();
    QTest::qWait(300);
    EXPECT_TRUE(flade.contains(infoform->frameGeometry()));
    skrivebord::luk(titel);
    const QStringList gemt = readLineList(fil);
    ASSERT_EQ(gemt.size(), 4);
    EXPECT_LE(gemt[2].toInt(), flade.width());
    EXPECT_LE(gemt[3].toInt(), flade.height());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}
