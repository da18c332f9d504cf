#include "canvas.h"
#include "ramme.h"

#include <QImage>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

using namespace kvidrel;

namespace {

constexpr TColor Lys = 0x00FF00;
constexpr TColor Skygge = 0xFF0000;
constexpr TColor Flad = 0x0000FF;
constexpr TColor Fyld = 0x00FFFF;
constexpr TColor Aktiv = 0x800080;
constexpr TColor Over = 0x008080;

QRgb rgb(TColor c)
{
    return toQColor(c).rgb();
}

std::vector<TRammeRetning> Foelge(const TXRamme &Ramme, int Antal)
{
    std::vector<TRammeRetning> Ret;
    for (int RD = 1; RD <= Antal; ++RD)
        Ret.push_back(Ramme.RingRetning(RD));
    return Ret;
}

void Saet(TXRamme &Ramme, TRammeType Art, int Bredde, int Dybde, int RifleBredde = 0)
{
    Ramme.SetArt(Art);
    Ramme.SetBredde(Bredde);
    Ramme.SetDybde(Dybde);
    Ramme.SetRifleBredde(RifleBredde);
}

constexpr TRammeRetning U = rrUd;
constexpr TRammeRetning I = rrInd;
constexpr TRammeRetning F = rrIngen;

// A white picture with a frame in test colours, drawn on demand.
class RammeBillede : public ::testing::Test
{
protected:
    RammeBillede() : image(24, 24, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        ramme.SetFarveLys(Lys);
        ramme.SetFarveSkygge(Skygge);
        ramme.SetFarve(Flad);
        ramme.SetFeltFarve(Fyld);
    }

    void tegn(const std::function<void(TCanvas &)> &f)
    {
        TCanvas can(&image);
        f(can);
    }

    QRgb px(int x, int y) const { return image.pixel(x, y); }

    // Ring k as drawn, read from the middle of its left and right columns.
    std::vector<TRammeRetning> tegnedeRinge(const TRect &R, int Antal) const
    {
        std::vector<TRammeRetning> Ret;
        const int y = (R.Top + R.Bottom) / 2;
        for (int k = 0; k < Antal; ++k) {
            const QRgb v = px(R.Left + k, y);
            const QRgb h = px(R.Right - k, y);
            if (v == rgb(Lys) && h == rgb(Skygge))
                Ret.push_back(rrUd);
            else if (v == rgb(Skygge) && h == rgb(Lys))
                Ret.push_back(rrInd);
            else if (v == rgb(Flad) && h == rgb(Flad))
                Ret.push_back(rrIngen);
            else
                ADD_FAILURE() << "ring " << k + 1 << " has no known colouring";
        }
        return Ret;
    }

    QImage image;
    TXRamme ramme;
};

} // namespace

TEST(RingRetning, WithoutDepthEveryRingTakesTheOuterBevel)
{
    TXRamme r;
    Saet(r, rtUd, 3, 0);
    EXPECT_EQ(Foelge(r, 3), (std::vector{U, U, U}));
    Saet(r, rtInd, 3, 0);
    EXPECT_EQ(Foelge(r, 3), (std::vector{I, I, I}));
    Saet(r, rtRiflet, 3, 0, 2);
    EXPECT_EQ(Foelge(r, 3), (std::vector{U, U, U}));
    // A flat frame stays flat whatever its depth.
    Saet(r, rtIngen, 3, 1);
    EXPECT_EQ(Foelge(r, 3), (std::vector{F, F, F}));
}

TEST(RingRetning, BevelledBandsHaveOuterAndInnerGroups)
{
    TXRamme r;
    Saet(r, rtUd, 4, 1);
    EXPECT_EQ(Foelge(r, 4), (std::vector{U, F, F, I}));
    Saet(r, rtInd, 4, 1);
    EXPECT_EQ(Foelge(r, 4), (std::vector{I, F, F, U}));
    // Where the groups overlap the outer one wins.
    Saet(r, rtUd, 3, 2);
    EXPECT_EQ(Foelge(r, 3), (std::vector{U, U, I}));
}

TEST(RingRetning, RidgedBandRepeatsRaisedFlatSunk)
{
    TXRamme r;
    Saet(r, rtRiflet, 10, 1, 2);
    EXPECT_EQ(Foelge(r, 10), (std::vector{U, F, F, I, U, F, F, I, U, F}));
    Saet(r, rtRiflet, 12, 2, 1);
    EXPECT_EQ(Foelge(r, 12), (std::vector{U, U, F, I, I, U, U, F, I, I, U, U}));
    // No gap: raised and sunk groups alternate.
    Saet(r, rtRiflet, 6, 1, 0);
    EXPECT_EQ(Foelge(r, 6), (std::vector{U, I, U, I, U, I}));
    // The free function answers any single ring alike.
    EXPECT_EQ(RingRetning({rtRiflet, 10, 1, 2}, 8), rrInd);
    EXPECT_EQ(RingRetning({rtRiflet, 10, 1, 2}, 0), rrIngen);
}

TEST(RingRetning, ReactionKindAndExtraOutlineRing)
{
    TXRamme r;
    Saet(r, rtUd, 3, 1);
    EXPECT_EQ(r.RingRetningArt(rtInd, 1), rrInd);
    EXPECT_EQ(r.RingRetningArt(rtInd, 3), rrUd);
    // With the outline switch the band is one ring wider, so the inner group moves in.
    r.SetAnvendOmrids(true);
    EXPECT_EQ(r.RingRetningArt(rtInd, 3), rrIngen);
    EXPECT_EQ(r.RingRetningArt(rtInd, 4), rrUd);
}

TEST(RingFarver, BevelsAndTheFlatColourBySwitches)
{
    TXRamme r;
    EXPECT_EQ(r.RingFarver(rrUd), (TRingFarver{clBtnHighlight, clBtnShadow}));
    EXPECT_EQ(r.RingFarver(rrInd), (TRingFarver{clBtnShadow, clBtnHighlight}));
    r.SetFarve(Flad);
    r.SetAktivFarve(Aktiv);
    r.SetOverFarve(Over);
    EXPECT_EQ(r.RingFarver(rrIngen), (TRingFarver{Flad, Flad}));
    r.SetFarveOver(true);
    EXPECT_EQ(r.RingFarver(rrIngen), (TRingFarver{Over, Over}));
    r.SetFarveAktiv(true); // the active colour wins over the over colour
    EXPECT_EQ(r.RingFarver(rrIngen), (TRingFarver{Aktiv, Aktiv}));
}

TEST_F(RammeBillede, OneRaisedRingWithItsCorners)
{
    Saet(ramme, rtUd, 1, 0);
    tegn([&](TCanvas &c) { ramme.MakeRamme(c, {2, 3, 12, 13}); });
    EXPECT_EQ(px(2, 3), rgb(Lys));     // top left
    EXPECT_EQ(px(2, 13), rgb(Lys));    // bottom left
    EXPECT_EQ(px(12, 3), rgb(Skygge)); // top right
    EXPECT_EQ(px(12, 13), rgb(Skygge));
    EXPECT_EQ(px(7, 3), rgb(Lys));
    EXPECT_EQ(px(2, 8), rgb(Lys));
    EXPECT_EQ(px(12, 8), rgb(Skygge));
    EXPECT_EQ(px(7, 13), rgb(Skygge));
    // Nothing inside or beyond the ring.
    EXPECT_EQ(px(3, 4), qRgb(255, 255, 255));
    EXPECT_EQ(px(13, 14), qRgb(255, 255, 255));
    EXPECT_EQ(px(1, 3), qRgb(255, 255, 255));
}

TEST_F(RammeBillede, DrawnRingSequences)
{
    const TRect R{0, 0, 23, 23};
    Saet(ramme, rtUd, 10, 1, 2);
    tegn([&](TCanvas &c) { ramme.MakeRamme(c, R); });
    EXPECT_EQ(tegnedeRinge(R, 10), (std::vector{U, F, F, F, F, F, F, F, F, I}));

    Saet(ramme, rtInd, 10, 1, 2);
    tegn([&](TCanvas &c) { ramme.MakeRamme(c, R); });
    EXPECT_EQ(tegnedeRinge(R, 10), (std::vector{I, F, F, F, F, F, F, F, F, U}));

    Saet(ramme, rtRiflet, 10, 1, 2);
    tegn([&](TCanvas &c) { ramme.MakeRamme(c, R); });
    EXPECT_EQ(tegnedeRinge(R, 10), (std::vector{U, F, F, I, U, F, F, I, U, F}));
    EXPECT_EQ(px(11, 11), qRgb(255, 255, 255)); // no fill asked for
}

TEST_F(RammeBillede, FillCoversExactlyTheInside)
{
    Saet(ramme, rtUd, 2, 0);
    ramme.SetFarveFelt(true);
    tegn([&](TCanvas &c) { ramme.MakeRamme(c, {0, 0, 9, 9}); });
    int fyldt = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            if (px(x, y) == rgb(Fyld)) {
                ++fyldt;
                EXPECT_TRUE(x >= 2 && x <= 7 && y >= 2 && y <= 7) << x << "," << y;
            }
    EXPECT_EQ(fyldt, 36);
    EXPECT_EQ(px(8, 5), rgb(Skygge)); // the inner ring is left alone
}

TEST_F(RammeBillede, NoRingsFillsWithoutRightColumnBottomRowOrOutline)
{
    ramme.SetBredde(0);
    ramme.SetFarveFelt(true);
    ramme.SetOmrids(true);
    tegn([&](TCanvas &c) { ramme.MakeRamme(c, {0, 0, 9, 9}); });
    EXPECT_EQ(px(0, 0), rgb(Fyld));
    EXPECT_EQ(px(8, 8), rgb(Fyld));
    EXPECT_EQ(px(9, 4), qRgb(255, 255, 255));
    EXPECT_EQ(px(4, 9), qRgb(255, 255, 255));
}

TEST_F(RammeBillede, ReactionWithOutlineSwitchDrawsOneRingMoreAndTheOutline)
{
    Saet(ramme, rtUd, 1, 0);
    ramme.SetAnvendOmrids(true);
    tegn([&](TCanvas &c) { ramme.MakeRammeArt(c, {0, 0, 9, 9}, rtInd); });
    // The outline lies on x, y = 0 and one pixel inside at the right and bottom.
    for (int i = 0; i <= 8; ++i) {
        EXPECT_EQ(px(i, 0), rgb(Flad)) << i;
        EXPECT_EQ(px(0, i), rgb(Flad)) << i;
        EXPECT_EQ(px(i, 8), rgb(Flad)) << i;
        EXPECT_EQ(px(8, i), rgb(Flad)) << i;
    }
    // Outside it the first ring, sunk, keeps its light right and bottom edge...
    EXPECT_EQ(px(9, 4), rgb(Lys));
    EXPECT_EQ(px(4, 9), rgb(Lys));
    // ...and the second, also sunk, shows its shadow at the top and left.
    EXPECT_EQ(px(1, 4), rgb(Skygge));
    EXPECT_EQ(px(4, 1), rgb(Skygge));
    EXPECT_EQ(px(4, 4), qRgb(255, 255, 255));
}

TEST_F(RammeBillede, TemporaryKindAndColourLeaveTheFrameAsItWas)
{
    Saet(ramme, rtUd, 1, 0);
    int kald = 0;
    ramme.SetOnChange([&] { ++kald; });
    tegn([&](TCanvas &c) { ramme.TempRammeCol(c, {0, 0, 9, 9}, rtIngen, Aktiv); });
    EXPECT_EQ(px(0, 4), rgb(Aktiv));
    EXPECT_EQ(px(9, 4), rgb(Aktiv));
    tegn([&](TCanvas &c) { ramme.TempRamme(c, {10, 10, 19, 19}, rtInd); });
    EXPECT_EQ(px(10, 14), rgb(Skygge));
    EXPECT_EQ(ramme.Art(), rtUd);
    EXPECT_EQ(ramme.Farve(), Flad);
    EXPECT_EQ(kald, 0);
}

TEST_F(RammeBillede, StandardLeavesTheOuterRingAndOutlinesInBlack)
{
    tegn([&](TCanvas &c) { ramme.MakeStandard(c, {0, 0, 11, 11}, rrUd); });
    EXPECT_EQ(px(0, 5), qRgb(0, 0, 0));
    EXPECT_EQ(px(10, 5), qRgb(0, 0, 0));
    EXPECT_EQ(px(11, 5), qRgb(255, 255, 255)); // the undrawn outer ring
    EXPECT_EQ(px(1, 5), rgb(Lys));
    EXPECT_EQ(px(2, 5), rgb(Lys));
    EXPECT_EQ(px(9, 5), rgb(Skygge));
    EXPECT_EQ(px(5, 5), rgb(clBtnFace));
}

TEST(RammeSetters, CompareAlwaysOrStoreOnly)
{
    TXListeRamme r;
    TXCompoRamme c;
    int kald = 0;
    r.SetOnChange([&] { ++kald; });
    c.SetOnChange([&] { ++kald; });

    // Each of these reports a new value once and ignores the old one.
    const std::vector<std::function<void(int)>> sammenligner = {
        [&](int v) { r.SetBredde(v); },
        [&](int v) { r.SetAfstandVandret(v); },
        [&](int v) { r.SetAfstandLodret(v); },
        [&](int v) { r.SetDybde(v); },
        [&](int v) { r.SetFarve(v); },
        [&](int v) { r.SetArt(TRammeType(v)); },
        [&](int v) { r.SetRifleBredde(v); },
        [&](int v) { r.SetFarveFelt(v != 0); },
        [&](int v) { r.SetFeltFarve(v); },
        [&](int v) { r.SetRetning(TRetning(v)); },
        [&](int v) { r.SetEkstraHojre(v); },
        [&](int v) { r.SetEkstraNede(v); },
        [&](int v) { r.SetEkstraOppe(v); },
        [&](int v) { r.SetEkstraVenstre(v); },
        [&](int v) { r.SetAktivFarve(v); },
        [&](int v) { r.SetOverFarve(v); },
        [&](int v) { r.SetFarveLys(v); },
        [&](int v) { r.SetFarveSkygge(v); },
        [&](int v) { r.SetOmrids(v != 0); },
        [&](int v) { r.SetFeltBredde(v); },
        [&](int v) { r.SetFeltHojde(v); },
        [&](int v) { r.SetNoNulFelt(v != 0); },
        [&](int v) { r.SetNoNulMus(v != 0); },
        [&](int v) { r.SetSkemaBitType(TSkemaBitType(v)); },
        [&](int v) { c.SetNytClientRekt(v != 0); },
    };
    for (size_t i = 0; i < sammenligner.size(); ++i) {
        kald = 0;
        sammenligner[i](1);
        sammenligner[i](1);
        EXPECT_EQ(kald, 1) << "setter " << i;
    }

    kald = 0;
    r.SetIndreFelt(false);
    r.SetTilpasAlign(false);
    EXPECT_EQ(kald, 2); // reported even unchanged

    kald = 0;
    r.SetKlikType(ktAlle);
    r.SetFarveAktiv(true);
    r.SetFarveOver(true);
    r.SetAnvendOmrids(true);
    EXPECT_EQ(kald, 0);
    EXPECT_EQ(r.KlikType(), ktAlle);
    EXPECT_TRUE(r.FarveAktiv() && r.FarveOver() && r.AnvendOmrids());
}

TEST(RammeAssign, CopiesValuesKeepsTheHandlerAndReportsOnce)
{
    TXListeRamme kilde;
    Saet(kilde, rtRiflet, 5, 1, 2);
    kilde.SetFarve(Flad);
    kilde.SetFarveLys(Lys);
    kilde.SetEkstraOppe(3);
    kilde.SetFeltHojde(17);
    kilde.SetSkemaBitType(sbKun);
    kilde.SetAnvendOmrids(true);
    kilde.SetOnChange([] { FAIL() << "the source's handler must stay with the source"; });

    TXListeRamme maal;
    int kald = 0;
    maal.SetOnChange([&] { ++kald; });
    maal.Assign(kilde);
    EXPECT_EQ(kald, 1);
    EXPECT_EQ(maal.Art(), rtRiflet);
    EXPECT_EQ(maal.Bredde(), 5);
    EXPECT_EQ(maal.RifleBredde(), 2);
    EXPECT_EQ(maal.Farve(), Flad);
    EXPECT_EQ(maal.FarveLys(), Lys);
    EXPECT_EQ(maal.EkstraOppe(), 3);
    EXPECT_EQ(maal.FeltHojde(), 17);
    EXPECT_EQ(maal.SkemaBitType(), sbKun);
    EXPECT_TRUE(maal.AnvendOmrids());

    // Between kinds only the shared values travel.
    TXCompoRamme compo;
    compo.SetNytClientRekt(true);
    compo.Assign(kilde);
    EXPECT_EQ(compo.Bredde(), 5);
    EXPECT_TRUE(compo.NytClientRekt());
}
