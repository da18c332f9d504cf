// Whole games played through the real windows, as the host plays them: the
// participants and the group picked in their windows, the answers clicked on
// the main window, and what the players see on the board checked after each
// step. The bar's clock is made fast.

#include "billedfelt.h"
#include "deltagere.h"
#include "display.h"
#include "fuldskaerm.h"
#include "kontrast.h"
#include "kontrol.h"
#include "liste.h"
#include "makeSpm.h"
#include "pointbar.h"
#include "proevespm.h"
#include "shell.h"
#include "skema.h"
#include "spilfixture.h"
#include "stilling.h"
#include "stylemanager.h"
#include "tekstfelt.h"
#include "textfile.h"

#include <QApplication>
#include <QDir>
#include <QGraphicsProxyWidget>
#include <QGraphicsView>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QUrl>

using namespace kvidrel;

namespace {

const QString kFortsaet = "\rSkal spillet fortsætte med de opnåede point?";
const QString kManglerDeltagere = "Der mangler deltagere.\rIndfør deltagere og prøv igen.";

using SpilTest = SpilFixture;

} // namespace

// Three players through a group of seven questions, two of them unchecked.
TEST_F(SpilTest, AWholeGameOnBothBoards)
{
    deltagere({{"Anne", "", true}, {"Bo", "", true}, {"Łukasz", "", true}});
    QDir().mkpath(root.file("Musik"));
    QByteArray wav("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
    writeAllBytes(root.file("Musik/Sang.wav"), wav + QByteArray(28, '\0'));
    writeAllBytes(root.file("Musik/farlig.mp3"), "#!/bin/sh\nrm -rf ~\n");

    SpmRec q1 = spm("Hvad er Danmarks hovedstad?", 1, 30);
    q1.kFilnavn = "c:\\kvidrel\\grupper\\sport\\kommentarer\\001.txt";
    SpmRec q3 = spm("Hvor mange ben?", 2, 0);
    q3.musikFilnavn = "C:\\Kvidrel\\Musik\\farlig.mp3";
    SpmRec q4 = spm("Ret i hånden", 7, -5);
    q4.Svar2 = " ";
    SpmRec q6 = spm("Billedet", 3, 50);
    q6.bFilnavn = "C:\\Kvidrel\\Grupper\\Sport\\Kommentarer\\006.jpg";
    SpmRec q7 = spm("Musikken", 4, 0);
    q7.musikFilnavn = "C:\\Kvidrel\\musik\\sang.WAV";
    gruppe("Sport",
           {q1, spm("Ikke med", 1, 10, false), q3, q4, spm("Heller ikke", 1, 10, false), q6, q7});
    writeAllBytes(root.file("Grupper/Sport/Kommentarer/001.txt"),
                  "K\xf8"
                  "benhavn ligger p\xe5 Sj\xe6lland.\r\nLinje to");
    writeAllBytes(root.file("Grupper/Sport/Kommentarer/006.jpg"), "\xff\xd8\xff ikke et billede");
    spil();
    EXPECT_EQ(knap("kvidrellenButton")->text(), "3. Start spillet");
    EXPECT_EQ(knap("nextSpmButton")->text(), "Næste");

    const QPoint tavlePlads = displayform->pos();
    deltagerVindue({indfoerDeltagere()});
    EXPECT_EQ(displayform->pos(), tavlePlads) << "the board stays where it stood";
    EXPECT_TRUE(displayform->isVisible());
    EXPECT_EQ(raekke(0), "3 deltagere Point");
    EXPECT_EQ(raekke(3), "Łukasz 0") << "names are shown whole";
    spmVindue({vaelgGruppe("Sport", true)});
    EXPECT_EQ(info(0), "Sport");
    EXPECT_EQ(info(1), "Spørgsmål i alt: 5");

    STEG("the first bar, driven tick by tick: clicks before it arrives do nothing");
    Tdisplayform::setTimerInterval(60000);
    kontrol<QLineEdit>(main, "HighEdit")->setText("20");
    kontrol<QLineEdit>(main, "LowEdit")->setText("20");
    click(knap("kvidrellenButton"));
    ture << main->spil.tur();
    EXPECT_FALSE(knap("kvidrellenButton")->isEnabled());
    EXPECT_EQ(navn(), "Anne");
    EXPECT_EQ(hjem("spmDisplay")->TekstListe().value(0), "Hvad er Danmarks hovedstad?");
    EXPECT_EQ(tavle("svarDisplay")->TekstListe().value(3), "Hvad er Danmarks hovedstad? D");
    EXPECT_EQ(info(2), "Spørgsmål tilbage: 4");
    for (int tik = 1; tik < 30; ++tik)
        displayform->TimerTimer();
    EXPECT_EQ(kontrol<TTekstFelt>(displayform->tavle(), "pointFelt")->Tekst(), "29");
    klik(0);
    EXPECT_EQ(info(3), "");
    EXPECT_EQ(kontrol<TPointBar>(displayform->tavle(), "pointBar")->Tilstand(),
              TPointBar::TTilstand::Normal);
    displayform->TimerTimer();
    EXPECT_TRUE(main->spil.svarTilladt());
    EXPECT_EQ(displayform->spmPoint, 30);
    EXPECT_EQ(kontrol<TPointBar>(displayform->tavle(), "pointBar")->Tilstand(),
              TPointBar::TTilstand::Pause);
    gemSkaermbilleder("spoergsmaal");
    Tdisplayform::setTimerInterval(1);
    klik(0);
    EXPECT_EQ(info(3), "RIGTIGT: 30 point");
    EXPECT_EQ(raekke(1), "Anne 30");
    EXPECT_EQ(kontrol<QTabWidget>(displayform->tavle(), "displayBog")->currentIndex(), 1);
    EXPECT_EQ(tavle("spmDisplay2")->TekstListe().value(0), "Hvad er Danmarks hovedstad?");
    EXPECT_EQ(memo(), QStringList({"København ligger på Sjælland.", "Linje to", "",
                                   "Anne svarede: Hvad er Danmarks hovedstad? A",
                                   "Rigtigt svar: Hvad er Danmarks hovedstad? A"}));
    gemSkaermbilleder("svar");

    STEG("the points stand out from their cell on the board");
    const TRect celle = kontrol<TSkema>(displayform->tavle(), "deltagerSkema")->Felt()[3].IR;
    EXPECT_GE(
        tekstKontrast(kontrol<TSkema>(displayform->tavle(), "deltagerSkema")->grab().toImage(),
                      QRect(QPoint(celle.Left, celle.Top), QPoint(celle.Right, celle.Bottom))),
        4.5);

    STEG("a wrong answer; the answer page is left by Næste");
    naeste();
    EXPECT_EQ(kontrol<QTabWidget>(displayform->tavle(), "displayBog")->currentIndex(), 0);
    EXPECT_EQ(info(3), "");
    EXPECT_EQ(navn(), "Bo");
    svar(0);
    EXPECT_EQ(displayform->spmPoint, 20) << "drawn from the range 20 to 20";
    EXPECT_EQ(info(3), "FORKERT: 0 point");
    EXPECT_EQ(raekke(2), "Bo 0");
    EXPECT_EQ(memo().last(), "Rigtigt svar: Hvor mange ben? B");

    // The value opens at 1, the empty field cannot be chosen, no answer is right.
    STEG("a hand-edited file: right answer 7, points -5 and an empty answer B");
    naeste();
    EXPECT_TRUE(QTest::qWaitFor([this] { return main->spil.svarTilladt(); }, 5000));
    EXPECT_EQ(displayform->ranPoint, 1);
    klik(1);
    QTest::keyClick(main, Qt::Key_B);
    EXPECT_FALSE(main->spil.derErSvaret());
    EXPECT_EQ(info(3), "");
    klik(3);
    EXPECT_EQ(info(3), "FORKERT: 0 point");
    EXPECT_EQ(memo().last(), "Rigtigt svar: ");

    STEG("a comment picture that cannot be read: the points are added once");
    naeste();
    EXPECT_EQ(navn(), "Anne");
    svar(2);
    EXPECT_EQ(raekke(1), "Anne 80");
    EXPECT_TRUE(kontrol<BilledFelt>(displayform->tavle(), "komImage")->isEmpty());
    klik(2);
    EXPECT_EQ(raekke(1), "Anne 80");
    EXPECT_TRUE(knap("nextSpmButton")->isEnabled());

    // The notice comes while the board still shows the last turn, and the last
    // valid range is drawn from.
    STEG("an empty range field");
    kontrol<QLineEdit>(main, "LowEdit")->clear();
    iRaekke({[this](QWidget *dialog) {
        EXPECT_EQ(navn(), "Anne");
        notits("OK")(dialog);
    }});
    naeste();
    EXPECT_EQ(messages.value(0), "\"\" er ikke et gyldigt heltal.");
    EXPECT_EQ(hjem("spmDisplay")->TekstListe().value(0), "Musikken");
    svar(3);
    EXPECT_EQ(raekke(2), "Bo 20");
    EXPECT_EQ(opened, QList<QUrl>{QUrl::fromLocalFile(root.file("Musik/Sang.wav"))})
        << "the script named as music is never opened";
    EXPECT_EQ(ture, QList<std::int32_t>({1, 2, 3, 1, 2}));

    click(knap("nextSpmButton"));
    EXPECT_EQ(hjem("spmDisplay")->TekstListe().value(0),
              "Spillet er slut. Vælg eventuelt en ny gruppe spørgsmål.");
    EXPECT_EQ(hjem("svarDisplay")->TekstListe().value(0), "");
    EXPECT_EQ(tavle("spmDisplay")->TekstListe().value(0), "Spillet er slut.");
    EXPECT_EQ(tavle("spmDisplay2")->TekstListe().value(0), "Spillet er slut.");
    EXPECT_EQ(navn(), "");
    EXPECT_TRUE(kontrol<QPlainTextEdit>(displayform->tavle(), "Memo")->toPlainText().isEmpty());
    EXPECT_EQ(raekke(1), "1. Anne 80");
    idle();
    EXPECT_TRUE(knap("kvidrellenButton")->isEnabled());
    EXPECT_FALSE(knap("nextSpmButton")->isEnabled());
    EXPECT_EQ(main->windowTitle().left(9), "Kvidrel: ");

    STEG("the same players go on with their points, a name corrected in the register");
    deltagerVindue({[](QWidget *) {
        clickRow(kontrol<QListWidget>(deltagerform, "deltagerliste"), 1);
        type(kontrol<QLineEdit>(deltagerform, "navnEditR"), "Bodil");
        click(kontrol<QToolButton>(deltagerform, "godkendKnapR"));
        click(kontrol<QToolButton>(deltagerform, "goBut"));
    }});
    iRaekke({notits("Ja")});
    click(knap("kvidrellenButton"));
    EXPECT_EQ(raekke(1), "Anne 80");
    EXPECT_EQ(raekke(2), "Bodil 20");
    EXPECT_EQ(main->spil.tur(), 1);
    STEG("OK in the participants window ends that game, and Nej starts at 0");
    deltagerVindue({indfoerDeltagere()});
    EXPECT_EQ(main->spil.spmNummer(), 0);
    iRaekke({notits("Nej")});
    click(knap("kvidrellenButton"));
    EXPECT_EQ(raekke(1), "Anne 0");
    EXPECT_EQ(messages.mid(1), QStringList({kFortsaet, kFortsaet}));

    STEG("a game ended by OK in the question window starts clean");
    svar(0);
    EXPECT_EQ(info(3), "RIGTIGT: 30 point");
    spmVindue({vaelgGruppe("Sport", true)});
    iRaekke({notits("Nej")});
    click(knap("kvidrellenButton"));
    EXPECT_EQ(info(3), "");
    EXPECT_EQ(tavle("spmDisplay2")->TekstListe().value(0), "");
    EXPECT_TRUE(kontrol<QPlainTextEdit>(displayform->tavle(), "Memo")->toPlainText().isEmpty());
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

// Ten players through two rounds: the standings at the end of each and before
// the second, on the board and in the same order in both score tables.
TEST_F(SpilTest, TwoRoundsWithTheStandingsBetweenThemAndAtTheEnd)
{
    QList<std::tuple<QString, QString, bool>> ti{{"Anne", "", true}, {"Bo", "", true}};
    for (int i = 3; i <= 10; ++i)
        ti.append({QString("Spiller %1").arg(i), "", true});
    deltagere(ti);
    gruppe("Geografi", {spm("Første", 1, 30), spm("Anden", 1, 20)});
    gruppe("Historie", {spm("Tredje", 2, 10), spm("Fjerde", 2, 10)});
    spil();
    deltagerVindue({indfoerDeltagere()});
    spmVindue({vaelgGruppe("Geografi", true)});
    EXPECT_EQ(side(), 0) << "no standings before the first game";
    click(knap("kvidrellenButton"));
    svar(0);
    naeste();
    svar(0);
    click(knap("nextSpmButton"));

    STEG("round 1 over: best first, the eight without points sharing third place");
    EXPECT_EQ(side(), 2);
    EXPECT_EQ(tavlensStilling().mid(0, 4),
              QStringList({"Spillet er slut.", "1. Anne 30", "2. Bo 20", "3. Spiller 3 0"}));
    EXPECT_EQ(tavlensStilling().value(10), "3. Spiller 10 0");
    EXPECT_EQ(tavle("spmDisplay")->TekstListe().value(0), "Spillet er slut.");
    EXPECT_EQ(raekke(2), "2. Bo 20");
    // Ten rows at the answers' size or larger, the last one whole.
    EXPECT_GE(stillingListe()->SkriftHojde(), TStilling::MindsteHojde);
    EXPECT_LE(stillingListe()->Felt(9).bottom(), stillingListe()->height());

    STEG("a new group for the same players: round 2's standings until Start");
    spmVindue({vaelgGruppe("Historie", true)});
    EXPECT_EQ(tavlensStilling().value(0), "Runde 2");
    EXPECT_EQ(side(), 2);
    gemSkaermbilleder("runde");
    iRaekke({notits("Ja")});
    click(knap("kvidrellenButton"));
    EXPECT_EQ(side(), 0);
    EXPECT_EQ(main->spil.runde(), 2);
    EXPECT_EQ(raekke(1), "Anne 30") << "Start lists the players in their order again";
    svar(0);
    naeste();
    svar(1);
    click(knap("nextSpmButton"));

    STEG("Anne and Bo share first place, and only they stand out");
    EXPECT_EQ(tavlensStilling().mid(0, 4),
              QStringList({"Spillet er slut.", "1. Anne 30", "1. Bo 30", "3. Spiller 3 0"}));
    const QImage billede = stillingListe()->grab().toImage();
    const auto felt = [&](int i) {
        return billede.pixelColor(stillingListe()->Felt(i).topLeft() + QPoint(2, 2));
    };
    EXPECT_EQ(felt(0), felt(1));
    EXPECT_NE(felt(0), felt(2));
    EXPECT_EQ(felt(2), felt(9));
    gemSkaermbilleder("stilling");

    STEG("a game from zero is round 1 again");
    spmVindue({vaelgGruppe("Geografi", true)});
    EXPECT_EQ(tavlensStilling().value(0), "Runde 3");
    iRaekke({notits("Nej")});
    click(knap("kvidrellenButton"));
    EXPECT_EQ(main->spil.runde(), 1);
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

namespace {

QRect rekt(const TRect &r)
{
    return QRect(QPoint(r.Left, r.Top), QPoint(r.Right - 1, r.Bottom - 1));
}

// "name: contrast" when the text in felt of billede stands less than 4.5:1
// from its field.
void maal(QStringList &fund, const QString &navn, const QImage &billede, const QRect &felt)
{
    const double k = tekstKontrast(billede, felt);
    if (k < 4.5)
        fund << QStringLiteral("%1: %2").arg(navn).arg(k, 0, 'f', 1);
}

// Every field of felter that shows a text.
template <class Felter> void ulaeselige(QStringList &fund, Felter *felter, const char *navn)
{
    const QImage billede = felter->grab().toImage();
    for (std::size_t i = 0; i < felter->Felt().size(); ++i) {
        const auto &felt = felter->Felt()[i];
        if (!felter->TekstListe().value(felt.Nummer).isEmpty())
            maal(fund, QStringLiteral("%1 %2").arg(QLatin1String(navn)).arg(i), billede,
                 rekt(felt.IR));
    }
}

QStringList ulaeseligeTekster(Tmainform *hjem)
{
    QStringList fund;
    ulaeselige(fund, kontrol<TListe>(hjem, "spmDisplay"), "hjem spmDisplay");
    ulaeselige(fund, kontrol<TListe>(hjem, "svarDisplay"), "hjem svarDisplay");
    ulaeselige(fund, kontrol<TSkema>(hjem, "deltagerSkema"), "hjem deltagerSkema");
    QWidget *tavle = displayform->tavle();
    ulaeselige(fund, kontrol<TListe>(tavle, "NavneDisplay"), "NavneDisplay");
    ulaeselige(fund, kontrol<TSkema>(tavle, "deltagerSkema"), "deltagerSkema");
    ulaeselige(fund, kontrol<TListe>(tavle, "Liste1"), "Liste1");
    ulaeselige(fund, kontrol<TListe>(tavle, "spmDisplay"), "spmDisplay");
    ulaeselige(fund, kontrol<TListe>(tavle, "svarDisplay"), "svarDisplay");
    ulaeselige(fund, kontrol<TListe>(tavle, "spmDisplay2"), "spmDisplay2");
    ulaeselige(fund, kontrol<TListe>(tavle, "stillingTitel"), "stillingTitel");
    ulaeselige(fund, kontrol<TListe>(tavle, "infoListe"), "infoListe");
    auto *pointFelt = kontrol<TTekstFelt>(tavle, "pointFelt");
    maal(fund, "pointFelt", pointFelt->grab().toImage(), pointFelt->rect().adjusted(2, 2, -2, -2));
    auto *stilling = kontrol<TStilling>(tavle, "stillingListe");
    const QImage raekker = stilling->grab().toImage();
    for (int i = 0; i < stilling->Raekker().size(); ++i)
        maal(fund, QStringLiteral("stillingListe %1").arg(i), raekker, stilling->Felt(i));
    return fund;
}

} // namespace

// Whatever style the host picks, every text on both boards stands out from
// its field as it is drawn: the question, the answers, one of them chosen, the
// answer page, and the standings with a winner and a player behind.
TEST_F(SpilTest, EveryStyleKeepsTheBoardsReadable)
{
    enkeltSpil("Farver", spm("Hvilken farve har himlen en sommerdag?", 2, 30),
               {{"Anne", "", true}, {"Bo", "", true}});
    const QStringList stile = stylemanager::StyleNames();
    ASSERT_EQ(stile.size(), 7);
    for (const QString trin : {"asked", "answered", "over"}) {
        if (trin == "answered")
            svar(1);
        if (trin == "over")
            click(knap("nextSpmButton"));
        for (const QString &stil : stile) {
            ASSERT_TRUE(stylemanager::TrySetStyle(stil));
            QApplication::processEvents();
            EXPECT_EQ(ulaeseligeTekster(main), QStringList())
                << stil.toStdString() << " " << trin.toStdString();
            if (trin == "answered")
                gemSkaermbilleder(QString(stil).replace(u' ', u'-'));
        }
    }
    EXPECT_EQ(side(), 2);
    EXPECT_EQ(stillingListe()->Raekker().size(), 2);
    stylemanager::TrySetStyle(QStringLiteral("Sky"));
}

// What the host may do between and in the middle of games.
TEST_F(SpilTest, TheGameKeepsItsOwnPlayersAndQuestions)
{
    deltagere({{"Anne", "", true}, {"Bo", "", true}, {"Cai", "", true}, {"Dan", "", false}});
    gruppe("A", {spm("A1", 1, 10), spm("A2", 1, 10), spm("A3", 1, 10)});
    gruppe("B", {spm("B1", 1, 10)});
    spil();
    deltagerVindue({indfoerDeltagere()});
    spmVindue({vaelgGruppe("A", true)});
    // Group B picked but not taken into the game.
    spmVindue({vaelgGruppe("B", false)});
    click(knap("kvidrellenButton"));
    ture << main->spil.tur();
    EXPECT_EQ(hjem("spmDisplay")->TekstListe().value(0), "A1");
    svar(0);

    // A fourth participant ticked and a name edited, the window closed by its
    // close box: the game goes on with its own three players.
    deltagerVindue({[](QWidget *) {
        Tdeltagerform *w = deltagerform;
        auto *liste = kontrol<QListWidget>(w, "deltagerliste");
        clickCheck(liste, 3);
        clickRow(liste, 0);
        type(kontrol<QLineEdit>(w, "navnEditR"), "Anja");
        click(kontrol<QToolButton>(w, "godkendKnapR"));
        dialoghelper::closeBox(w);
    }});
    EXPECT_EQ(main->Del.at(0).Navn, "Anja");
    naeste();
    EXPECT_EQ(navn(), "Bo");
    svar(0);
    naeste();
    EXPECT_EQ(navn(), "Cai");
    svar(0);
    EXPECT_EQ(raekke(3), "Cai 10");
    click(knap("nextSpmButton"));
    EXPECT_EQ(ture, QList<std::int32_t>({1, 2, 3}));
    EXPECT_EQ(raekke(1), "1. Anne 10");

    // Everybody unticked and the window closed: Start says so and opens the
    // participants window.
    deltagerVindue({[](QWidget *) {
        click(kontrol<QToolButton>(deltagerform, "Button5"));
        dialoghelper::closeBox(deltagerform);
    }});
    iRaekke({notits("OK"), lukKnap(), notits("OK")});
    click(knap("kvidrellenButton"));
    EXPECT_EQ(messages, QStringList({kManglerDeltagere, kManglerDeltagere}));
    EXPECT_EQ(main->spil.spmNummer(), 0);
    EXPECT_EQ(raekke(0), "0 deltagere Point");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

TEST_F(SpilTest, TwelveTickedTenPlay)
{
    QList<std::tuple<QString, QString, bool>> tolv;
    for (int i = 1; i <= 12; ++i)
        tolv.append({QString("Deltager %1").arg(i), "", true});
    deltagere(tolv);
    spil();
    deltagerVindue({indfoerDeltagere(), notits("OK")});
    EXPECT_EQ(messages.value(0),
              "Der er valgt for mange deltagere.\rDer kan kun indføres 10 deltagere.");
    EXPECT_EQ(raekke(0), "10 deltagere Point");
    EXPECT_EQ(raekke(10), "Deltager 10 0");
    EXPECT_EQ(main->antalDeltagere, 10);
}

// The host plays two questions by keys alone, with the focus in different
// places of the main window.
TEST_F(SpilTest, TwoQuestionsByKeysAlone)
{
    deltagere({{"Anne", "", true}, {"Bo", "", true}});
    gruppe("Taster", {spm("Første", 3, 10), spm("Anden", 1, 20)});
    spil();
    deltagerVindue({indfoerDeltagere()});
    spmVindue({vaelgGruppe("Taster", true)});
    Tdisplayform::setTimerInterval(60000);
    click(knap("kvidrellenButton"));
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    const auto bjaelkenNaar = [] {
        while (!mainform->spil.svarTilladt())
            displayform->TimerTimer();
    };

    QTest::keyClick(knap("nextSpmButton"), Qt::Key_3);
    EXPECT_FALSE(main->spil.derErSvaret()) << "3 before the bar arrives does nothing";
    bjaelkenNaar();
    // Typed into a range field, a letter stays there.
    kontrol<QLineEdit>(main, "HighEdit")->setFocus();
    QTest::keyClick(kontrol<QLineEdit>(main, "HighEdit"), Qt::Key_C);
    EXPECT_FALSE(main->spil.derErSvaret());
    QTest::keyClick(knap("nextSpmButton"), Qt::Key_3);
    EXPECT_EQ(info(3), "RIGTIGT: 10 point");
    EXPECT_EQ(memo().value(1), "Anne svarede: Første C");
    QTest::keyClick(knap("nextSpmButton"), Qt::Key_1);
    EXPECT_EQ(memo().value(1), "Anne svarede: Første C") << "one answer per question";
    EXPECT_EQ(raekke(1), "Anne 10");

    // A presenter remote while the focus is in a range field.
    kontrol<QLineEdit>(main, "LowEdit")->setFocus();
    QTest::keyClick(kontrol<QLineEdit>(main, "LowEdit"), Qt::Key_PageDown);
    EXPECT_EQ(hjem("spmDisplay")->TekstListe().value(0), "Anden");
    EXPECT_EQ(navn(), "Bo");
    EXPECT_EQ(kontrol<QTabWidget>(displayform->tavle(), "displayBog")->currentIndex(), 0);
    QTest::keyClick(hjem("svarDisplay"), Qt::Key_A);
    QTest::keyClick(hjem("svarDisplay"), Qt::Key_N);
    EXPECT_FALSE(main->spil.derErSvaret());
    EXPECT_EQ(hjem("spmDisplay")->TekstListe().value(0), "Anden") << "Næste waits for the answer";
    bjaelkenNaar();
    QTest::keyClick(hjem("svarDisplay"), Qt::Key_A);
    EXPECT_EQ(raekke(2), "Bo 20");
    QTest::keyClick(hjem("svarDisplay"), Qt::Key_N);
    EXPECT_EQ(hjem("spmDisplay")->TekstListe().value(0),
              "Spillet er slut. Vælg eventuelt en ny gruppe spørgsmål.");
    EXPECT_EQ(kontrol<QLineEdit>(main, "HighEdit")->text(), "100");
    EXPECT_EQ(kontrol<QLineEdit>(main, "LowEdit")->text(), "10");
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}

// The board in full screen, entered and left in each of its ways: scaled
// whole and centred between even bands, clicks landing on the fields they
// aim at, and the 1x board unchanged afterwards.
TEST_F(SpilTest, TheBoardInFullScreen)
{
    enkeltSpil("Skala", spm("Hvor stor?", 3, 10));
    ASSERT_TRUE(QTest::qWaitFor([this] { return main->spil.svarTilladt(); }, 5000));

    Fuldskaerm *fuld = displayform->fuldskaerm();
    QScreen *skaerm = displayform->screen();
    const QPoint plads = displayform->pos();
    const QColor baggrund = displayform->palette().window().color();

    // The press of a click on the scaled board, in the answer list's own
    // coordinates (the list itself leaves the mouse to its page).
    QPoint tryk(-1, -1);
    struct Tryk : QObject
    {
        QPoint *tryk;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::MouseButtonPress)
                *tryk = tavle("svarDisplay")
                            ->mapFrom(tavle("svarDisplay")->parentWidget(),
                                      static_cast<QMouseEvent *>(e)->pos());
            return false;
        }
    } trykFilter;
    trykFilter.tryk = &tryk;
    tavle("svarDisplay")->parentWidget()->installEventFilter(&trykFilter);

    const auto ind = [&](int maade) {
        if (maade == 0) {
            displayform->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(displayform));
            QTest::keyClick(displayform, Qt::Key_F11);
        } else if (maade == 1) {
            QTest::mouseDClick(kontrol<QWidget>(displayform->tavle(), "leftPanel"), Qt::LeftButton,
                               {}, QPoint(20, 200));
        } else {
            click(knap("fuldskaermButton"));
        }
    };
    const auto ud = [&](int maade) {
        if (maade == 0) {
            QTest::keyClick(displayform, Qt::Key_Escape);
        } else if (maade == 1) {
            QTest::mouseDClick(fuld->visning()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        } else {
            click(knap("fuldskaermButton"));
        }
    };

    for (int maade : {0, 1, 2}) {
        STEG(maade == 0 ? "F11 and Escape" : maade == 1 ? "double clicks" : "the button");
        const QImage foer = displayform->grab().toImage();
        ind(maade);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return fuld->aktiv() && displayform->size() == skaerm->size(); }, 5000))
            << maade;
        EXPECT_TRUE(displayform->isFullScreen());
        EXPECT_EQ(displayform->screen(), skaerm);
        const QSize S = skaerm->size();
        const double skala = std::min(S.width() / 973.0, S.height() / 654.0);
        EXPECT_DOUBLE_EQ(fuld->skala(), skala);

        // The board centred, the bands on both sides even and of the window's colour.
        const QImage billede = displayform->grab().toImage();
        const QRect vist =
            fuld->visning()->mapFromScene(fuld->proxy()->sceneBoundingRect()).boundingRect();
        EXPECT_NEAR(vist.width(), 973 * skala, 1.5);
        EXPECT_NEAR(vist.height(), 654 * skala, 1.5);
        EXPECT_LE(std::abs(vist.left() - (S.width() - vist.right() - 1)), 1) << maade;
        EXPECT_LE(std::abs(vist.top() - (S.height() - vist.bottom() - 1)), 1) << maade;
        int fremmede = 0;
        for (int y = 0; y < S.height(); y += 3)
            for (int x = 0; x < S.width(); x += 3)
                if (!vist.adjusted(-1, -1, 1, 1).contains(x, y) &&
                    billede.pixelColor(x, y) != baggrund)
                    ++fremmede;
        EXPECT_EQ(fremmede, 0) << maade;
        EXPECT_GE(std::max(vist.left(), vist.top()), 20) << "the bands are there";

        // A click aimed at the scaled third answer lands in it.
        const TRect felt = tavle("svarDisplay")->Felt()[2].IR;
        const QPoint midt((felt.Left + felt.Right) / 2, (felt.Top + felt.Bottom) / 2);
        const QPoint iTavlen = tavle("svarDisplay")->mapTo(displayform->tavle(), midt);
        const QPoint paaSkaermen =
            fuld->visning()->mapFromScene(fuld->proxy()->mapToScene(QPointF(iTavlen)));
        QTest::mouseClick(fuld->visning()->viewport(), Qt::LeftButton, {}, paaSkaermen);
        EXPECT_TRUE(felt.Left <= tryk.x() && tryk.x() < felt.Right && felt.Top <= tryk.y() &&
                    tryk.y() < felt.Bottom)
            << tryk.x() << "," << tryk.y();
        if (maade == 1) {
            // The host answers from the keyboard while looking at the board.
            QTest::keyClick(displayform, Qt::Key_3);
            EXPECT_EQ(info(3), "RIGTIGT: 10 point");
        }

        ud(maade);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return !fuld->aktiv() && displayform->size() == QSize(973, 654); }, 5000))
            << maade;
        EXPECT_FALSE(displayform->isFullScreen());
        // Back where it stood; the test platform drops its simulated 2-pixel
        // frame after full screen.
        EXPECT_LE((displayform->pos() - plads).manhattanLength(), 2) << maade;
        if (maade != 1) {
            EXPECT_EQ(displayform->grab().toImage(), foer) << maade;
        }
    }
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    // The program may end with the board in full screen.
    displayform->skiftFuldskaerm();
    EXPECT_TRUE(fuld->aktiv());
}

namespace {

const QString kSpm300 =
    "I 1849 fik Danmark sin første grundlov, som kong Frederik den Syvende underskrev den 5. "
    "juni. Den ophævede enevælden og indførte en folkevalgt rigsdag med to kamre, Folketinget og "
    "Landstinget. Hvilken politiker, der siden blev kendt som en af grundlovsfædrene, blev "
    "kultusminister i martsministeriet?";
const QString kLangtSvar = "Orla Lehmann, juristen og talsmanden for de nationalliberale ved "
                           "mødet på Casino i marts 1848";
const QString kForLang =
    "Oplysning:\r%1 er for lange til at stå helt på tavlen, selv med den "
    "mindste skrift.\rSpørgsmålet er gemt, men tavlen viser ikke hele teksten.";

// Whether a field shows its text to the last word: with that word's letters
// reversed the text wraps and shrinks alike, and looks different only where
// the word is drawn.
bool sidsteOrdVises(TListe *liste, int felt, QWidget *vindue)
{
    const QString tekst = liste->TekstListe().value(felt);
    const qsizetype ord = tekst.lastIndexOf(u' ') + 1;
    QString vendt = tekst.left(ord);
    for (qsizetype i = tekst.size() - 1; i >= ord; --i)
        vendt += tekst.at(i);
    const auto billede = [vindue] {
        QApplication::processEvents();
        return vindue->grab().toImage();
    };
    // Both drawn the same way, as the game writes a text, once the field has
    // been painted at the window's scale.
    billede();
    liste->TekstFelt(felt, tekst);
    const QImage hel = billede();
    liste->TekstFelt(felt, vendt);
    const QImage vendtBillede = billede();
    liste->TekstFelt(felt, tekst);
    return hel != vendtBillede;
}

} // namespace

// A long question written in the editor and played: its texts shrink until
// they stand whole on both boards, at 1x and in full screen; a text too long
// even then is saved after a notice; short texts keep their pixels.
TEST_F(SpilTest, LongTextsStandWholeOnBothBoards)
{
    deltagere({{"Anne", "", true}});
    gruppe("Lang", {spm("Hvor stor?", 3, 10)});
    spil();
    deltagerVindue({indfoerDeltagere()});
    const QString forLang = root.file("Grupper/Lang/003 For lang.txt");
    spmVindue({[&](QWidget *) {
        Tspmform *w = spmform;
        clickRow(kontrol<QListWidget>(w, "gruppeliste"), 0);
        QTabBar *faner = kontrol<QTabWidget>(w, "spmBog")->tabBar();
        QTest::mouseClick(faner, Qt::LeftButton, {}, faner->tabRect(1).center());
        const auto skriv = [w](const QString &navn, const QString &tekst, const QString &c,
                               const QString &d) {
            kontrol<QLineEdit>(w, "navnEdit")->setText(navn);
            kontrol<QLineEdit>(w, "spmEdit")->setText(tekst);
            kontrol<QLineEdit>(w, "EditA")
                ->setText("Ditlev Gothard Monrad, biskop og senere konseilspræsident");
            kontrol<QLineEdit>(w, "EditB")
                ->setText("Anders Sandøe Ørsted, den konservative retslærde");
            kontrol<QLineEdit>(w, "EditC")->setText(c);
            kontrol<QLineEdit>(w, "EditD")->setText(d);
        };
        skriv("002 Grundloven", kSpm300, kLangtSvar, "Carl Christian Hall, nationalliberal");
        click(kontrol<QPushButton>(w, "spmInsertButton"));
        EXPECT_TRUE(messages.isEmpty()) << "it fits";

        // Too long even in the smallest font, on insert and on edit.
        skriv("003 For lang", kSpm300 + " " + kSpm300, kSpm300, "Hall");
        dialoghelper::answerModal([this](QWidget *notits) {
            gemBillede(notits, "editor-notits");
            this->notits("OK")(notits);
        });
        click(kontrol<QPushButton>(w, "spmInsertButton"));
        clickRow(kontrol<QListWidget>(w, "spmliste"), 2);
        kontrol<QLineEdit>(w, "EditD")->setText(kSpm300);
        answer("OK");
        click(kontrol<QPushButton>(w, "Button9"));
        click(kontrol<QPushButton>(w, "Button2"));
    }});
    EXPECT_EQ(messages, QStringList({kForLang.arg("Spørgsmålet og svar C"),
                                     kForLang.arg("Spørgsmålet, svar C og svar D")}));
    EXPECT_EQ(readLineList(forLang).value(7), kSpm300) << "saved all the same";
    EXPECT_EQ(info(1), "Spørgsmål i alt: 3");

    // A short question keeps the pixels it had before texts could shrink.
    click(knap("kvidrellenButton"));
    ASSERT_EQ(tavle("spmDisplay")->TekstListe().value(0), "Hvor stor?");
    const auto tavler = [this] {
        for (TListe *l :
             {tavle("spmDisplay"), tavle("svarDisplay"), hjem("spmDisplay"), hjem("svarDisplay")})
            l->Repaint();
        return QList<QImage>{displayform->grab().toImage(), main->grab().toImage()};
    };
    const QList<QImage> medGulv = tavler();
    const std::int32_t gulvTavle = tavle("spmDisplay")->CompoTekst()->MindsteHojde();
    const std::int32_t gulvHjem = hjem("spmDisplay")->CompoTekst()->MindsteHojde();
    tavle("spmDisplay")->CompoTekst()->SetMindsteHojde(0);
    hjem("spmDisplay")->CompoTekst()->SetMindsteHojde(0);
    EXPECT_TRUE(tavler() == medGulv);
    tavle("spmDisplay")->CompoTekst()->SetMindsteHojde(gulvTavle);
    hjem("spmDisplay")->CompoTekst()->SetMindsteHojde(gulvHjem);
    svar(0);

    naeste();
    ASSERT_EQ(hjem("spmDisplay")->TekstListe().value(0), kSpm300);
    ASSERT_TRUE(QTest::qWaitFor([this] { return main->spil.svarTilladt(); }, 5000));
    gemSkaermbilleder("lang");
    EXPECT_TRUE(sidsteOrdVises(hjem("spmDisplay"), 0, main));
    EXPECT_TRUE(sidsteOrdVises(hjem("svarDisplay"), 2, main));
    EXPECT_TRUE(sidsteOrdVises(tavle("spmDisplay"), 0, displayform));
    EXPECT_TRUE(sidsteOrdVises(tavle("svarDisplay"), 2, displayform));

    Fuldskaerm *fuld = displayform->fuldskaerm();
    displayform->skiftFuldskaerm();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return fuld->aktiv() && displayform->size() == displayform->screen()->size(); },
        5000));
    EXPECT_TRUE(sidsteOrdVises(tavle("spmDisplay"), 0, displayform));
    EXPECT_TRUE(sidsteOrdVises(tavle("svarDisplay"), 2, displayform));
    klik(0);
    ASSERT_EQ(kontrol<QTabWidget>(displayform->tavle(), "displayBog")->currentIndex(), 1);
    EXPECT_TRUE(sidsteOrdVises(tavle("spmDisplay2"), 0, displayform));
    displayform->skiftFuldskaerm();
    EXPECT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
}
