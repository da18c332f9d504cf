#include "canvas.h"
#include "rulbar.h"

#include <QImage>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace kvidrel;

namespace {

QRgb rgb(TColor c)
{
    return toQColor(c).rgb();
}

TRulBarMaal Lodret(std::int32_t AntalPos, std::int32_t MaxInterval = 0)
{
    return BeregnRulBar({0, 0, 200, 100}, {orLodret, 16, 0, 16, MaxInterval, AntalPos});
}

// A bar drawn on an owner's picture of 200 by 100, reporting every step.
class RulBarEjer : public ::testing::Test
{
protected:
    RulBarEjer() : billede(200, 100, QImage::Format_RGB32)
    {
        billede.fill(Qt::white);
        canvas = std::make_unique<TCanvas>(&billede);
        bar.SetOnInterval([this](std::int32_t Nr) { meldt.push_back(Nr); });
    }

    void lay(std::int32_t RulAntal)
    {
        bar.BeregnDim(*canvas, {0, 0, 200, 100}, RulAntal);
        bar.Paint();
    }

    QRgb px(int x, int y) const { return billede.pixel(x, y); }

    QImage billede;
    std::unique_ptr<TCanvas> canvas;
    TRulBar bar;
    std::vector<std::int32_t> meldt;
};

} // namespace

TEST(RulBarMaal, VerticalBarAlongTheRightEdge)
{
    const TRulBarMaal M = Lodret(10);
    EXPECT_EQ(M.CRekt, Rect(184, 0, 199, 99));
    EXPECT_EQ(M.OpR, Rect(184, 0, 199, 15));
    EXPECT_EQ(M.NedR, Rect(184, 84, 199, 99));
    EXPECT_EQ(M.Rekt, Rect(184, 16, 200, 84));
    EXPECT_EQ(M.Min, 16);
    EXPECT_DOUBLE_EQ(M.Interval, 5.2);
    EXPECT_EQ(M.Hojde, 16);
    EXPECT_EQ(M.Max, 68);
    EXPECT_EQ(M.KnabStart(5), 42);
    EXPECT_EQ(M.KnabVed(42), Rect(184, 42, 199, 58));

    // A step limit leaves the knob longer.
    const TRulBarMaal Kort = Lodret(10, 3);
    EXPECT_DOUBLE_EQ(Kort.Interval, 3);
    EXPECT_EQ(Kort.Hojde, 38);
    // Without steps the knob fills the band.
    const TRulBarMaal Ingen = Lodret(0);
    EXPECT_EQ(Ingen.Hojde, 67);
    EXPECT_EQ(Ingen.Max, Ingen.Min);
    EXPECT_EQ(Ingen.Interval, 0);
}

TEST(RulBarMaal, FrameRingsAndTheHorizontalBar)
{
    const TRulBarMaal M = BeregnRulBar({0, 0, 200, 100}, {orLodret, 16, 1, 16, 0, 10});
    EXPECT_EQ(M.OpR, Rect(185, 1, 198, 14));
    EXPECT_EQ(M.NedR, Rect(185, 85, 198, 98));
    EXPECT_EQ(M.Rekt, Rect(185, 15, 199, 85));

    const TRulBarMaal H = BeregnRulBar({0, 0, 100, 50}, {orVandret, 16, 0, 16, 0, 4});
    EXPECT_EQ(H.CRekt, Rect(0, 33, 99, 49)); // one pixel thicker than a vertical bar
    EXPECT_EQ(H.OpR, Rect(0, 33, 16, 49));
    EXPECT_EQ(H.NedR, Rect(83, 33, 99, 49));
    EXPECT_EQ(H.Rekt, Rect(17, 33, 83, 50));
    EXPECT_EQ(H.Min, 17);
    EXPECT_EQ(H.Max, 83 - H.Hojde);
    EXPECT_EQ(H.KnabVed(20), Rect(20, 33, 20 + H.Hojde, 49));
}

TEST(RulTrin, StepsFollowTheFrequencyWhenItDivides)
{
    TRulTrin T = BeregnTrin(7, 2, 0);
    EXPECT_EQ(T.Frekvens, 1);
    EXPECT_EQ(T.AntalPos, 7);
    T = BeregnTrin(8, 2, 6);
    EXPECT_EQ(T.Frekvens, 2);
    EXPECT_EQ(T.AntalPos, 4);
    EXPECT_EQ(T.FPos, 3);
    T = BeregnTrin(0, 2, 6);
    EXPECT_EQ(T.AntalPos, 0);
    EXPECT_EQ(T.Position, 0);
    EXPECT_EQ(T.FPos, 0);
}

TEST_F(RulBarEjer, PaintsFrameButtonsBandAndKnob)
{
    bar.SetPosition(5);
    lay(10);
    EXPECT_EQ(bar.Pos(), 42);
    EXPECT_EQ(bar.RulR(), Rect(184, 42, 199, 58));
    EXPECT_EQ(px(190, 30), rgb(0xE0E0E0));       // band
    EXPECT_EQ(px(190, 42), rgb(clBtnHighlight)); // raised knob, top ring
    EXPECT_EQ(px(199, 50), rgb(clBtnShadow));    // and its right ring
    EXPECT_EQ(px(190, 50), rgb(clBtnFace));      // knob fill
    EXPECT_EQ(px(183, 50), qRgb(255, 255, 255)); // left of the bar
    EXPECT_EQ(px(191, 8), rgb(0x808080));        // up arrow
    EXPECT_EQ(px(191, 3), rgb(clBtnFace));       // above its apex
    EXPECT_EQ(px(191, 91), rgb(0x808080));       // down arrow
}

TEST_F(RulBarEjer, PressedButtonShowsTheReactionAndShiftsTheArrow)
{
    lay(10);
    EXPECT_EQ(px(191, 10), rgb(0x808080)); // base of the released up arrow
    EXPECT_EQ(px(191, 11), rgb(clBtnFace));
    bar.MakePosition(3);
    bar.MusDown(190, 5);
    EXPECT_TRUE(bar.MusOpNede());
    EXPECT_EQ(px(184, 8), rgb(clBtnShadow)); // sunk look
    EXPECT_EQ(px(192, 11), rgb(0x808080));   // the arrow one pixel lower and right
    bar.MusUp(190, 5);
    EXPECT_FALSE(bar.MusOpNede());
    EXPECT_EQ(px(184, 8), rgb(clBtnHighlight));
    EXPECT_EQ(px(191, 11), rgb(clBtnFace));
}

TEST_F(RulBarEjer, ButtonsStepAndStopAtTheEnds)
{
    lay(10);
    bar.MusDown(190, 5); // up at the first position
    bar.MusUp(190, 5);
    EXPECT_TRUE(meldt.empty());
    EXPECT_FALSE(bar.MusOpNede());

    bar.MusDown(190, 90);
    bar.MusUp(190, 90);
    EXPECT_EQ(meldt, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(bar.Pos(), 21);

    bar.MakePosition(10); // moved by the owner: no report
    EXPECT_EQ(bar.Pos(), 68);
    meldt.clear();
    bar.MusDown(190, 90);
    EXPECT_TRUE(meldt.empty());
    EXPECT_FALSE(bar.MusNedNede());
    bar.MusDown(190, 5);
    EXPECT_EQ(meldt, (std::vector<std::int32_t>{9}));
}

TEST_F(RulBarEjer, FrequencyReportsPositionsInItsUnits)
{
    bar.SetFrekvens(2);
    lay(8);
    EXPECT_EQ(bar.AntalPos(), 4);
    bar.MusDown(190, 90);
    bar.MusUp(190, 90);
    bar.MusDown(190, 90);
    bar.MusUp(190, 90);
    EXPECT_EQ(meldt, (std::vector<std::int32_t>{2, 4}));

    lay(7);
    EXPECT_EQ(bar.Frekvens(), 1);
    EXPECT_EQ(bar.AntalPos(), 7);
}

TEST_F(RulBarEjer, StepsUnderAPixelAreReportedWithTheNextThatMoves)
{
    lay(200); // 52 pixels for 200 steps
    for (int i = 0; i < 4; ++i) {
        bar.MusDown(190, 90);
        bar.MusUp(190, 90);
    }
    EXPECT_EQ(meldt, (std::vector<std::int32_t>{4}));
    EXPECT_EQ(bar.Position(), 4);
}

TEST_F(RulBarEjer, DragFollowsTheKnobsMiddleInWholeIntervals)
{
    lay(10);
    bar.MusDown(190, 8 + 16); // on the knob
    EXPECT_TRUE(bar.MusNede());
    bar.MusMove(190, 8 + 16 + 4); // less than one interval: the knob moves, no report
    EXPECT_EQ(bar.Pos(), 20);
    EXPECT_TRUE(meldt.empty());
    bar.MusMove(190, 8 + 27); // 11 pixels: two whole intervals
    EXPECT_EQ(meldt, (std::vector<std::int32_t>{2}));
    EXPECT_EQ(bar.Pos(), 26);
    bar.MusMove(190, 8 + 17); // back 9 pixels: one interval
    EXPECT_EQ(meldt, (std::vector<std::int32_t>{2, 1}));
    bar.MusMove(190, 500);
    bar.MusMove(190, -50);
    EXPECT_EQ(meldt, (std::vector<std::int32_t>{2, 1, 10, 0}));
    bar.MusUp(190, -50);
    bar.MusMove(190, 60);
    EXPECT_EQ(meldt.size(), 4u); // no drag after the release
}

TEST_F(RulBarEjer, DragNeverPassesTheLastStep)
{
    lay(200);
    ASSERT_EQ(bar.Maal().Max, 68);
    bar.MakePosition(199);
    ASSERT_EQ(bar.Pos(), 67);
    bar.MusDown(190, 70);
    bar.MusMove(190, 68 + 8); // one pixel is almost four steps from 199
    EXPECT_EQ(meldt, (std::vector<std::int32_t>{200}));
    EXPECT_EQ(bar.PosNr(), 200);
}

TEST_F(RulBarEjer, ReleaseEndsADragEvenWhenTheStepsVanished)
{
    lay(10);
    bar.MusDown(190, 24);
    ASSERT_TRUE(bar.MusNede());
    lay(0);
    bar.MusMove(190, 60); // a band without steps: nothing to move to
    bar.MusUp(190, 60);
    EXPECT_FALSE(bar.MusNede());
    lay(10);
    bar.MusMove(190, 60);
    EXPECT_TRUE(meldt.empty());
}

TEST_F(RulBarEjer, HeldButtonRepeatsAfterStartTidThenEveryMoveTid)
{
    bar.SetMedTimer(true);
    lay(3);
    QTimer *tid = bar.RbTid();
    ASSERT_NE(tid, nullptr);
    EXPECT_FALSE(tid->isActive());

    bar.MusDown(190, 90);
    EXPECT_EQ(meldt, (std::vector<std::int32_t>{1})); // one step at the press
    EXPECT_TRUE(tid->isActive());
    EXPECT_EQ(tid->interval(), 500);
    bar.OnRbTid();
    EXPECT_EQ(tid->interval(), 100);
    bar.OnRbTid();
    EXPECT_EQ(meldt, (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_TRUE(tid->isActive());
    bar.OnRbTid(); // at the end the timer stops itself
    EXPECT_FALSE(tid->isActive());
    EXPECT_EQ(meldt.size(), 3u);

    bar.MusUp(190, 90);
    EXPECT_EQ(tid->interval(), 500);
    bar.OnRbTid(); // a stray tick with no button held
    EXPECT_EQ(meldt.size(), 3u);

    bar.SetMedTimer(false);
    EXPECT_EQ(bar.RbTid(), nullptr);
}

TEST(RulBarSetters, ReportingAndStoring)
{
    TRulBar bar;
    int kald = 0;
    bar.SetOnChange([&] { ++kald; });
    bar.SetBredde(16); // reported although unchanged
    bar.SetMarkFarve(0x808080);
    EXPECT_EQ(kald, 2);
    kald = 0;
    bar.SetPosition(3);
    bar.SetReaktion(rtUd);
    bar.SetMoveTid(50);
    bar.SetStartTid(300);
    EXPECT_EQ(kald, 0);

    bar.SetMedTimer(true);
    EXPECT_EQ(bar.RbTid()->interval(), 300);
    bar.SetStartTid(400);
    EXPECT_EQ(bar.RbTid()->interval(), 400);

    bar.SetFrekvens(0);
    EXPECT_EQ(bar.Frekvens(), 1);

    // A frame handed in is copied into the owned one, which reports the change.
    TXKnabRamme ny;
    ny.SetArt(rtRiflet);
    ny.SetBredde(3);
    TXKnabRamme *ejet = &bar.KnabRamme();
    bar.SetKnabRamme(ny);
    EXPECT_EQ(&bar.KnabRamme(), ejet);
    EXPECT_EQ(bar.KnabRamme().Art(), rtRiflet);
    EXPECT_EQ(kald, 1);
    bar.Ramme().SetBredde(2);
    EXPECT_EQ(kald, 2);
}

TEST(RulBarPresets, StandardSetThenThePresetsOwnValues)
{
    TRulBar bar;
    int kald = 0;
    bar.SetOnChange([&] { ++kald; });
    bar.SetRulBarType(rbType4);
    EXPECT_EQ(kald, 1); // once, however many values changed
    EXPECT_EQ(bar.Bredde(), 18);
    EXPECT_EQ(bar.MinKnabHojde(), 12);
    EXPECT_FALSE(bar.MedMark());
    EXPECT_EQ(bar.KnabRamme().Art(), rtRiflet);
    EXPECT_EQ(bar.KnabRamme().Bredde(), 4);
    EXPECT_EQ(bar.KnabberRamme().Bredde(), 6);
    EXPECT_EQ(bar.KnabberRamme().Farve(), 0x808080);

    bar.SetRulBarType(rbType4);
    EXPECT_EQ(kald, 1);

    bar.SetRulBarType(rbType6);
    EXPECT_EQ(bar.Bredde(), 14);
    EXPECT_TRUE(bar.MedMark()); // back from the standard set
    EXPECT_EQ(bar.Ramme().Art(), rtIngen);
    EXPECT_EQ(bar.Ramme().Farve(), clBtnShadow);
    EXPECT_EQ(bar.KnabRamme().Art(), rtIngen);
    EXPECT_EQ(bar.KnabRamme().Bredde(), 1);

    bar.SetRulBarType(rbType7);
    EXPECT_EQ(bar.Bredde(), 24);
    EXPECT_EQ(bar.Ramme().Art(), rtUd);
    EXPECT_EQ(bar.Ramme().Bredde(), 4);
    EXPECT_EQ(bar.Ramme().Farve(), clBtnFace);
    EXPECT_EQ(bar.KnabberRamme().Art(), rtRiflet);

    // Back to self-defined: nothing changes and nothing is reported.
    kald = 0;
    bar.SetRulBarType(rbSelvDef);
    EXPECT_EQ(kald, 0);
    EXPECT_EQ(bar.Bredde(), 24);
}

// The bar on its own widget, driven by real mouse events.
class RulBarWidget : public ::testing::Test
{
protected:
    RulBarWidget()
    {
        bar.resize(16, 100);
        bar.SetOnInterval([this](std::int32_t Nr) { meldt.push_back(Nr); });
        bar.SetRulAntal(10);
        bar.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&bar));
    }

    TRulBar bar;
    std::vector<std::int32_t> meldt;
};

TEST_F(RulBarWidget, ClicksAndDragsWithTheMouse)
{
    EXPECT_EQ(bar.Maal().OpR, Rect(0, 0, 15, 15));
    EXPECT_EQ(bar.Billede().pixel(7, 50), rgb(0xE0E0E0)); // band below the knob

    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(7, 5));
    EXPECT_TRUE(meldt.empty());
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(7, 90));
    EXPECT_EQ(meldt, (std::vector<std::int32_t>{1}));
    EXPECT_EQ(bar.Pos(), 21);

    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(7, 29));
    QTest::mouseMove(&bar, QPoint(7, 40));
    EXPECT_EQ(meldt, (std::vector<std::int32_t>{1, 3}));
    QTest::mouseMove(&bar, QPoint(7, 99));
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(7, 99));
    EXPECT_EQ(meldt, (std::vector<std::int32_t>{1, 3, 10}));
    EXPECT_FALSE(bar.MusNede());
    EXPECT_EQ(bar.Billede().pixel(7, 68), rgb(clBtnHighlight)); // knob at the end
}

TEST_F(RulBarWidget, HeldButtonRunsToTheEndOnTheTimer)
{
    bar.SetMedTimer(true);
    bar.SetStartTid(20);
    bar.SetMoveTid(5);
    QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(7, 90));
    for (int i = 0; i < 300 && bar.RbTid()->isActive(); ++i)
        QTest::qWait(10);
    EXPECT_FALSE(bar.RbTid()->isActive());
    EXPECT_EQ(meldt.back(), 10);
    EXPECT_EQ(meldt.size(), 10u);
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(7, 90));
    EXPECT_FALSE(bar.MusNedNede());
}
