#include "feltproeve.h"
#include "imagelist.h"

#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using namespace feltproeve;

namespace {

constexpr QRgb Groen = 0xFF00C000;

class Billeder : public ::testing::Test
{
protected:
    Billeder() : Liste(8, 8)
    {
        QImage Billede(8, 8, QImage::Format_ARGB32);
        Billede.fill(Groen);
        Liste.Add(Billede);
        SaetOp(L);
        L.SetOnAni([this](std::int32_t Nr, std::int32_t TimerNr) { Ani.push_back({Nr, TimerNr}); });
    }

    void SaetOp(feltproeve::Liste &F)
    {
        F.resize(102, 42);
        F.Gitter(2, 1, 2);
        F.FeltRamme().SetBredde(1);
        F.FeltBitmap().SetBitmapListe(&Liste);
        F.FeltBitmap().SetFeltDim(true);
    }

    int Groenne(int Nr) { return Antal(L.Billede(), L.Felt()[Nr].IR, Groen); }

    TImageList Liste;
    feltproeve::Liste L;
    std::vector<std::pair<int, int>> Ani;
};

TEST_F(Billeder, EveryFieldGetsItsPictureAfterItsFrame)
{
    L.Repaint();
    EXPECT_EQ(Groenne(0), 0); // btIngen draws nothing
    L.FeltBitmap().SetBitType(btSimpel);
    EXPECT_TRUE(L.Ugyldig());
    L.Repaint();
    EXPECT_EQ(L.FeltBitmap().Antal(), 2);
    const TRect &IR = L.Felt()[1].IR;
    EXPECT_EQ(Groenne(1), IR.Width() * IR.Height());
    EXPECT_NE(Pixel(L, L.Felt()[1].YR.Left, L.Felt()[1].YR.Top), Groen);
}

// A field on screen is painted there directly; drawing between paints gives
// it a picture of its own, which starts as what the screen showed.
TEST_F(Billeder, DrawingBetweenPaintsLandsOnWhatTheScreenShowed)
{
    feltproeve::Liste Tvilling;
    SaetOp(Tvilling);
    for (feltproeve::Liste *F : {&L, &Tvilling}) {
        F->FeltBitmap().SetBitType(btSimpel);
        F->SetTimerType(ttKonstant);
        F->SetTimerSekvenser(2);
    }
    const auto Skaerm = [](QWidget &W) {
        return W.grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    Tvilling.Repaint();
    EXPECT_EQ(Skaerm(L), Tvilling.Billede());
    EXPECT_FALSE(L.HarBillede());

    L.AktivTimer();
    Tvilling.AktivTimer();
    EXPECT_TRUE(L.HarBillede());
    EXPECT_EQ(Skaerm(L), Tvilling.Billede());
    EXPECT_EQ(Skaerm(Tvilling), Tvilling.Billede());
}

TEST_F(Billeder, WithoutATimerAnimationDoesNothing)
{
    L.StartTimer();
    L.SlutTimer();
    EXPECT_EQ(L.Timer(), nullptr);
    L.SetTimerType(ttKonstant);
    EXPECT_TRUE(L.FeltBitmap().Animation());
    EXPECT_EQ(L.FeltBitmap().CompoColor(), L.FeltRamme().FeltFarve());
    L.SetTimerType(ttIngen);
    EXPECT_FALSE(L.FeltBitmap().Animation());
}

TEST_F(Billeder, TicksDrawThePicturesAndCountTheFrames)
{
    L.Repaint();
    L.FeltBitmap().SetBitType(btSimpel);
    L.SetTimerSekvenser(2);

    // Without a type a tick does nothing.
    L.AktivTimer();
    EXPECT_TRUE(Ani.empty());

    L.SetTimerType(ttKonstant);
    L.AktivTimer();
    EXPECT_GT(Groenne(0), 0);
    EXPECT_GT(Groenne(1), 0);
    L.AktivTimer();
    L.AktivTimer();
    EXPECT_EQ(Ani, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {1, 1}}));

    // Following the highlight, with nothing highlighted.
    Ani.clear();
    L.SetTimerType(ttOver);
    L.OverNr = -1;
    L.AktivTimer();
    L.OverNr = 1;
    L.AktivTimer();
    EXPECT_EQ(Ani, (std::vector<std::pair<int, int>>{{-1, 2}, {1, 1}}));
}

TEST_F(Billeder, TheControlRunsAndFinallyDestroysItsTimer)
{
    auto *Ur = new QTimer;
    Ur->start(1000);
    L.SetTimer(Ur);
    EXPECT_EQ(L.Timer(), Ur);
    EXPECT_FALSE(Ur->isActive());

    L.StartTimer();
    EXPECT_TRUE(Ur->isActive());
    EXPECT_TRUE(L.FeltBitmap().Animation());
    L.FeltBitmap().SetTimerNr(3);
    L.SlutTimer();
    EXPECT_FALSE(Ur->isActive());
    EXPECT_EQ(L.FeltBitmap().TimerNr(), 0);
    EXPECT_FALSE(L.FeltBitmap().Animation());

    // The tick reaches the control.
    L.SetTimerType(ttKonstant);
    L.Repaint();
    QMetaObject::invokeMethod(Ur, "timeout", Qt::DirectConnection);
    EXPECT_EQ(Ani.size(), 1u);

    QPointer<QTimer> Vagt(Ur);
    {
        feltproeve::Liste Kort;
        Kort.SetTimer(Ur);
    }
    EXPECT_TRUE(Vagt.isNull());
    EXPECT_EQ(L.Timer(), nullptr);
}

TEST_F(Billeder, ReplacedTimerNoLongerTicksForTheControl)
{
    QTimer Foerste;
    QTimer Anden;
    L.SetTimerType(ttKonstant);
    L.SetTimer(&Foerste);
    L.SetTimer(&Anden);
    L.Repaint();
    QMetaObject::invokeMethod(&Foerste, "timeout", Qt::DirectConnection);
    EXPECT_TRUE(Ani.empty());
    L.SetTimer(nullptr);
}

} // namespace
