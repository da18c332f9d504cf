#include "proevespm.h"
#include "spil.h"
#include "testroot.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace kvidrel;

namespace {

bool nyTur(Spil &spil)
{
    if (!spil.naesteSpm())
        return false;
    spil.skiftTur();
    return true;
}

using proeve::spm;

TDel deltagere(std::initializer_list<const char *> navne)
{
    TDel del;
    for (const char *navn : navne)
        del.append(Deltagere{QString::fromUtf8(navn), QString(), true, 0});
    return del;
}

} // namespace

// Three players through five questions picked from seven: turns go round, an
// answer counts once and only while the question is open, and a hand-edited
// right answer outside 1..4 makes no answer right.
TEST(Spil, TurnsScoringAndTheEndOfAGame)
{
    Spil spil;
    spil.tagSpm({spm("1", 1, 40), spm("x", 1, 10, false), spm("2", 2, 0), spm("3", 7, -5),
                 spm("y", 1, 10, false), spm("4", 4, 250), spm("5", 3, 20)});
    ASSERT_EQ(spil.antalSpm(), 5);
    TDel del = deltagere({"Anne", "Bo", "Cai"});
    del[1].Point = 99; // the register's value never enters a new game
    spil.startSpil(del, false);
    EXPECT_EQ(spil.tilstand(), Spil::Tilstand::IngenSpil);
    EXPECT_FALSE(spil.svar(0, 40)) << "no game runs yet";

    std::vector<std::int32_t> ture;
    ASSERT_TRUE(nyTur(spil));
    ture.push_back(spil.tur());
    EXPECT_EQ(spil.aktueltSpm()->Tekst, "1");
    EXPECT_FALSE(spil.svar(0, 40)) << "the bar has not arrived";
    spil.aabnForSvar();
    const auto rigtigt = spil.svar(0, 40);
    ASSERT_TRUE(rigtigt);
    EXPECT_TRUE(rigtigt->rigtigt);
    EXPECT_EQ(rigtigt->point, 40);
    EXPECT_EQ(rigtigt->svaretTekst, "1 A");
    EXPECT_FALSE(spil.svar(0, 40)) << "a second click scores nothing";
    EXPECT_EQ(spil.spillere()[0].Point, 40);
    EXPECT_EQ(spil.tilstand(), Spil::Tilstand::Besvaret);

    ASSERT_TRUE(nyTur(spil));
    ture.push_back(spil.tur());
    spil.aabnForSvar();
    const auto forkert = spil.svar(0, 55);
    EXPECT_FALSE(forkert->rigtigt);
    EXPECT_EQ(forkert->point, 0);
    EXPECT_EQ(forkert->rigtigTekst, "2 B");
    EXPECT_EQ(spil.spillere()[1].Point, 0);

    ASSERT_TRUE(nyTur(spil));
    ture.push_back(spil.tur());
    spil.aabnForSvar();
    EXPECT_FALSE(spil.svar(4, 1)) << "no fifth answer field";
    const auto ingen = spil.svar(3, 1);
    EXPECT_FALSE(ingen->rigtigt);
    EXPECT_FALSE(ingen->rigtigTekst) << "right answer 7 names no answer";

    ASSERT_TRUE(nyTur(spil));
    ture.push_back(spil.tur());
    ASSERT_TRUE(nyTur(spil));
    ture.push_back(spil.tur());
    EXPECT_EQ(ture, (std::vector<std::int32_t>{1, 2, 3, 1, 2}));
    EXPECT_FALSE(nyTur(spil));
    EXPECT_EQ(spil.spmNummer(), 0);
    EXPECT_EQ(spil.aktueltSpm(), nullptr);
    spil.aabnForSvar(); // a bar still arriving after the end
    EXPECT_FALSE(spil.svar(0, 10));
    EXPECT_EQ(spil.spillere()[0].Point, 40) << "the players keep their points";
}

// Going on with the points is offered only to the same players in the same
// order; the score rows hold ten players at most.
TEST(Spil, TheSamePlayersAndAtMostTen)
{
    Spil spil;
    spil.startSpil(deltagere({"Anne", "Bo", "Cai"}), false);
    EXPECT_TRUE(spil.sammeSpillere(deltagere({"Anne", "Bo", "Cai"})));
    EXPECT_FALSE(spil.sammeSpillere(deltagere({"Anne", "Bo", "Dan"})));
    EXPECT_FALSE(spil.sammeSpillere(deltagere({"Bo", "Anne", "Cai"})));
    TDel fire = deltagere({"Anne", "Bo", "Dan", "Cai"});
    fire[2].Aktiv = false; // unticked entries do not play
    EXPECT_TRUE(spil.sammeSpillere(fire));

    bool overMax = false;
    const TDel tolv = deltagere({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"});
    const TDel valgte = aktiveDeltagere(tolv, &overMax);
    EXPECT_TRUE(overMax);
    ASSERT_EQ(valgte.size(), 10);
    EXPECT_EQ(valgte.last().Navn, "10");
    spil.startSpil(tolv, false);
    EXPECT_EQ(spil.antalSpillere(), 10);
    EXPECT_TRUE(spil.sammeSpillere(tolv));
}

TEST(Spil, EveryPointValueLiesWithinTheBar)
{
    EXPECT_EQ(begraensPoint(-5), 1);
    EXPECT_EQ(begraensPoint(0), 1);
    EXPECT_EQ(begraensPoint(40), 40);
    EXPECT_EQ(begraensPoint(250), 100);
    QRandomGenerator tilfaeldig(7);
    bool set[101] = {};
    for (int i = 0; i < 2000; ++i) {
        const std::int32_t p = traekPoint(10, 20, tilfaeldig);
        ASSERT_GE(p, 10);
        ASSERT_LE(p, 20);
        set[p] = true;
    }
    EXPECT_TRUE(set[10] && set[20]) << "both ends are drawn";
    EXPECT_EQ(traekPoint(0, 0, tilfaeldig), 1);
    EXPECT_EQ(traekPoint(100, 100, tilfaeldig), 100);
}

// Only a regular audio or video file is handed on as music.
TEST(Spil, MusicIsOnlyARegularMediaFile)
{
    TestRoot root;
    QDir().mkpath(root.file("Musik/mappe.mp3"));
    QByteArray wav("RIFF\x24\x00\x00\x00WAVEfmt ", 16);
    wav += QByteArray(28, '\0');
    writeAllBytes(root.file("Musik/Sang.wav"), wav);
    writeAllBytes(root.file("Musik/Med tag.mp3"),
                  QByteArray("ID3\x03\x00", 5) + QByteArray(64, '\0'));
    writeAllBytes(root.file("Musik/script.mp3"), "#!/bin/sh\nrm -rf ~\n");
    writeAllBytes(root.file("Musik/start.desktop"), "[Desktop Entry]\nExec=xterm\n");

    EXPECT_EQ(musikFil("C:\\Kvidrel\\musik\\SANG.wav"), root.file("Musik/Sang.wav"));
    EXPECT_EQ(musikFil(root.file("Musik/Med tag.mp3")), root.file("Musik/Med tag.mp3"));
    for (const QString &ikke :
         {root.file("Musik/mappe.mp3"), root.file("Musik/script.mp3"),
          root.file("Musik/start.desktop"), root.file("Musik/mangler.mp3"), QString()})
        EXPECT_EQ(musikFil(ikke), QString()) << ikke.toStdString();
}
