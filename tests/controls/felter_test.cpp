#include "feltproeve.h"
#include "tavle.h"

#include <gtest/gtest.h>

using namespace feltproeve;

namespace {

using namespace tavle;

// Ring colours that stand out from each other.
constexpr TColor Lys = 0x00FF00;
constexpr TColor Skygge = 0x0000FF;
constexpr TColor Flad = 0x00FFFF;

// The question list of the main window: 439 by 80, one field.
void SpmDisplay(Liste &L)
{
    L.resize(439, 80);
    saetHjemSpmRamme(L);
    L.Gitter(1, 1, 1);
}

TEST(FelterLayout, QuestionListOfTheMainWindow)
{
    Liste L;
    SpmDisplay(L);
    L.Repaint();
    EXPECT_EQ(L.CompoRekt, Rect(5, 5, 433, 74));
    ASSERT_EQ(L.Felt().size(), 1u);
    EXPECT_EQ(L.Felt()[0].YR, Rect(5, 5, 433, 74));
    EXPECT_EQ(L.Felt()[0].IR, Rect(6, 6, 432, 73));
    EXPECT_EQ(L.InRekt, L.Felt()[0].IR);
    EXPECT_EQ(L.SlutNr(), 0);
    EXPECT_TRUE(L.CompoMade);
    EXPECT_TRUE(L.FelterBeregnet);

    // The cream ring on the field's edge, the green fill inside it.
    EXPECT_EQ(Pixel(L, 5, 5), rgb(clCream));
    EXPECT_EQ(Pixel(L, 433, 74), rgb(clCream));
    EXPECT_EQ(Pixel(L, 6, 6), rgb(clMoneyGreen));
    EXPECT_EQ(Pixel(L, 432, 73), rgb(clMoneyGreen));
}

TEST(FelterLayout, LeftOverPixelsOfThreeColumnsGoHalfBeforeTheGrid)
{
    struct Tilfaelde
    {
        int Bredde;  // of the content rectangle
        int ForsteX; // where the grid starts
    } Tilfaeldene[] = {{428, 5}, {429, 5}, {430, 6}};
    for (const Tilfaelde &T : Tilfaeldene) {
        SCOPED_TRACE(T.Bredde);
        Liste L;
        SpmDisplay(L);
        L.resize(T.Bredde + 11, 80);
        L.Gitter(3, 1, 3);
        L.FeltRamme().SetAfstandLodret(4);
        L.Repaint();
        ASSERT_EQ(L.CompoRekt.Right - L.CompoRekt.Left, T.Bredde);
        EXPECT_EQ(L.FeltBredde(), 140);
        ASSERT_EQ(L.Felt().size(), 3u);
        EXPECT_EQ(L.Felt()[0].X1, T.ForsteX);
        EXPECT_EQ(L.Felt()[1].X1, L.Felt()[0].X2 + 4);
        EXPECT_EQ(L.Felt()[2].X1, L.Felt()[1].X2 + 4);
        EXPECT_EQ(L.Felt()[2].X2, T.ForsteX + 3 * 140 + 8);
    }
}

TEST(FelterLayout, RowsAndColumnsAreNumberedRowOrColumnFirst)
{
    Liste L;
    L.resize(105, 105); // content 94 by 94 with the default frame
    L.GrundRamme().SetAfstandLodret(4);
    L.GrundRamme().SetAfstandVandret(4);
    L.FeltRamme().SetAfstandLodret(2);
    L.FeltRamme().SetAfstandVandret(2);
    L.Gitter(2, 2, 4);
    L.Repaint();
    ASSERT_EQ(L.Felt().size(), 4u);
    EXPECT_EQ(L.FeltBredde(), 46);
    EXPECT_EQ(L.FeltHojde(), 46);
    EXPECT_EQ(L.Felt()[0].YR, Rect(5, 5, 51, 51));
    EXPECT_EQ(L.Felt()[1].YR, Rect(53, 5, 99, 51));
    EXPECT_EQ(L.Felt()[2].YR, Rect(5, 53, 51, 99));
    EXPECT_EQ(L.Felt()[3].YR, Rect(53, 53, 99, 99));

    L.SetNumLodret(true);
    EXPECT_FALSE(L.FelterBeregnet);
    L.Repaint();
    EXPECT_EQ(L.Felt()[1].YR, Rect(5, 53, 51, 99));
    EXPECT_EQ(L.Felt()[2].YR, Rect(53, 5, 99, 51));
    for (int I = 0; I < 4; ++I)
        EXPECT_EQ(L.Felt()[I].Nummer, I);
}

TEST(FelterLayout, FieldCountIsCutToTheGrid)
{
    Liste L;
    L.Gitter(2, 2, 5);
    L.Repaint();
    EXPECT_EQ(L.AntalFelter(), 4);
    EXPECT_EQ(L.Felt().size(), 4u);
    L.Repaint();
    EXPECT_EQ(L.AntalFelter(), 4);

    // A grid without columns has no room at all, and no division by zero.
    L.SetAntalVandret(0);
    L.Repaint();
    EXPECT_EQ(L.AntalFelter(), 0);
    L.SetAntalFelter(3);
    L.BeregnFelter();
    EXPECT_EQ(L.AntalFelter(), 0);
    EXPECT_TRUE(L.Felt().empty());
}

TEST(FelterLayout, NoFieldsPaintOnlyTheBaseFrame)
{
    Liste L;
    L.SetColor(clWhite);
    L.Gitter(1, 4, 0);
    L.FeltRamme().SetFeltFarve(Flad);
    L.Repaint();
    EXPECT_FALSE(L.CompoMade);
    EXPECT_EQ(Antal(L.Billede(), Rect(1, 1, 63, 63), rgb(clWhite)), 62 * 62);
}

TEST(FelterLayout, StatesSurviveALayoutAndNewFieldsStartNormal)
{
    Liste L;
    L.Gitter(1, 4, 2);
    L.InitAktiv(1);
    L.Repaint();
    L.SetAntalFelter(4);
    L.Repaint();
    ASSERT_EQ(L.Felt().size(), 4u);
    EXPECT_EQ(L.Felt()[1].FSit, sAktiv);
    EXPECT_EQ(L.Felt()[3].FSit, sNormal);
}

TEST(FelterLayout, ScrollBarTakesItsWidthFromTheFields)
{
    Liste L;
    SpmDisplay(L);
    L.Gitter(1, 4, 4);
    TRulBar Bar;
    Bar.SetAfstand(2);
    L.SetRulBar(&Bar);
    EXPECT_EQ(L.AntalIalt(), 4);
    L.SetAntalIalt(10);
    L.SetStartNr(3);
    L.Repaint();
    EXPECT_EQ(Bar.Position(), 3);
    // 428 less the bar (16), its distance (2) and one pixel.
    EXPECT_EQ(L.FeltBredde(), 428 - 19);
    EXPECT_EQ(Bar.AntalPos(), 6);
    EXPECT_FALSE(Bar.isVisible());
    // A step of the bar scrolls the list.
    Bar.OnInterval()(5);
    EXPECT_EQ(L.StartNr(), 5);
    // The bar lies on the right edge of the content rectangle.
    EXPECT_EQ(Bar.Maal().CRekt.Right, L.CompoRekt.Right - 1);

    Bar.SetOrientering(orVandret);
    L.Repaint();
    EXPECT_EQ(L.FeltBredde(), 428);
    EXPECT_EQ(L.FeltHojde(), (69 - 19 - 3 * 0) / 4);
}

class FeltFarver : public ::testing::Test
{
protected:
    FeltFarver()
    {
        L.resize(60, 5 * 20 + 2);
        L.GrundRamme().SetBredde(1);
        L.Gitter(1, 5, 5);
        TXFeltRamme &F = L.FeltRamme();
        F.SetFeltFarve(clWhite);
        F.SetAktivFarve(clBlue);
        F.SetOverFarve(clGray);
        F.SetFarve(Flad);
        F.SetFarveLys(Lys);
        F.SetFarveSkygge(Skygge);
        L.Felt().resize(5);
        SaetTilstande();
    }

    void SaetTilstande()
    {
        for (TFeltSit s = sNormal; s <= sInaktiv; ++s)
            L.Felt()[s].FSit = s;
    }

    QRgb Midt(int Nr)
    {
        const TRect &R = L.Felt()[Nr].YR;
        return Pixel(L, (R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
    }
    QRgb Hjorne(int Nr) { return Pixel(L, L.Felt()[Nr].YR.Left, L.Felt()[Nr].YR.Top); }

    Liste L;
};

TEST_F(FeltFarver, PlainRectanglesTakeTheStateColour)
{
    L.SetRulFunktion(true);
    L.Repaint();
    EXPECT_EQ(Midt(0), rgb(clWhite));
    EXPECT_EQ(Midt(1), rgb(clBlue));
    EXPECT_EQ(Midt(2), rgb(clWhite));
    EXPECT_EQ(Midt(3), rgb(clBlue));
    EXPECT_EQ(Midt(4), rgb(clGray));
    // The outline is the fill colour, right and bottom edge outside the field.
    EXPECT_EQ(Hjorne(1), rgb(clBlue));
    const TRect &R = L.Felt()[1].YR;
    EXPECT_EQ(Pixel(L, R.Right - 1, R.Bottom - 1), rgb(clBlue));
    EXPECT_NE(Pixel(L, R.Right, R.Top + 1), rgb(clBlue));

    // Single-function: the highlight looks like the selection.
    L.SetEnFunktionel(true);
    L.SetBrugOverFarve(true);
    L.Repaint();
    EXPECT_EQ(Midt(2), rgb(clBlue));
    EXPECT_EQ(Hjorne(2), rgb(clGray));
    EXPECT_EQ(Hjorne(3), rgb(clGray));
    EXPECT_EQ(Hjorne(1), rgb(clBlue));
}

TEST_F(FeltFarver, FramesTakeTheStateKind)
{
    TXFeltRamme &F = L.FeltRamme();
    F.SetArt(rtUd);
    F.SetBredde(2);
    L.SetReaktion(rtInd);
    L.SetOverReaktion(rtIngen);
    L.Repaint();
    EXPECT_EQ(Hjorne(0), rgb(Lys));
    EXPECT_EQ(Hjorne(1), rgb(Skygge));
    EXPECT_EQ(Hjorne(2), rgb(Flad));
    EXPECT_EQ(Hjorne(3), rgb(Flad)); // pressed look only in tool mode or while pressed
    EXPECT_EQ(Hjorne(4), rgb(Lys));
    EXPECT_EQ(Midt(1), rgb(clWhite));

    L.SetToolFunktion(true);
    L.Repaint();
    EXPECT_EQ(Hjorne(3), rgb(Skygge));
    L.SetToolFunktion(false);
    L.MouseNede = true;
    L.Repaint();
    EXPECT_EQ(Hjorne(3), rgb(Skygge));
}

TEST_F(FeltFarver, FlatRingsFollowTheStateColours)
{
    TXFeltRamme &F = L.FeltRamme();
    F.SetArt(rtIngen);
    F.SetBredde(1);
    L.SetReaktion(rtIngen);
    L.SetOverReaktion(rtIngen);
    L.SetBrugAktivFarve(true);
    L.SetBrugOverFarve(true);
    L.Repaint();
    EXPECT_EQ(Hjorne(0), rgb(Flad));
    EXPECT_EQ(Hjorne(1), rgb(clBlue));
    EXPECT_EQ(Hjorne(2), rgb(clGray));
    EXPECT_EQ(Hjorne(3), rgb(clBlue)); // the active colour wins
    EXPECT_EQ(Hjorne(4), rgb(Flad));

    // In tool mode without AlleOppe an active field shows no highlight.
    L.SetToolFunktion(true);
    L.SetBrugAktivFarve(false);
    L.Repaint();
    EXPECT_EQ(Hjorne(3), rgb(Flad));
    L.SetAlleOppe(true);
    L.Repaint();
    EXPECT_EQ(Hjorne(3), rgb(clGray));

    // An outline per highlighted field: one ring more and the outline colour.
    L.SetBrugOmrids(true);
    L.Repaint();
    const TRect &R = L.Felt()[2].YR;
    EXPECT_EQ(Pixel(L, R.Left + 1, R.Top + 1), rgb(clGray));
    EXPECT_EQ(Pixel(L, R.Left + 1, L.Felt()[0].YR.Top + 1), rgb(clWhite));
}

TEST(FelterEgenskaber, GeometrySettersRefreshOnlyOnChange)
{
    Liste L;
    L.Gitter(1, 4, 4);
    L.Repaint();
    ASSERT_TRUE(L.FelterBeregnet);
    L.SetAntalFelter(4);
    EXPECT_TRUE(L.FelterBeregnet);
    EXPECT_FALSE(L.Ugyldig());
    L.SetReaktion(rtRiflet);
    L.SetRulFunktion(true);
    EXPECT_FALSE(L.Ugyldig());
    L.SetAntalFelter(3);
    EXPECT_FALSE(L.FelterBeregnet);
    EXPECT_TRUE(L.Ugyldig());

    L.Repaint();
    L.SetFeltBredde(L.FeltBredde());
    EXPECT_TRUE(L.Ugyldig());

    // A frame change lays out again; an outlined frame needs no outline per state.
    // The per-draw outline left on by the last field drawn goes with it, or the
    // next field would get one ring too many.
    L.Repaint();
    L.SetBrugOmrids(true);
    L.FeltRamme().SetAnvendOmrids(true);
    L.FeltRamme().SetOmrids(true);
    EXPECT_FALSE(L.FelterBeregnet);
    EXPECT_FALSE(L.BrugOmrids());
    EXPECT_FALSE(L.FeltRamme().AnvendOmrids());

    // So do a new base frame and a new size.
    L.Repaint();
    L.GrundRamme().SetBredde(2);
    EXPECT_FALSE(L.FelterBeregnet);
    L.Repaint();
    L.resize(80, 80);
    L.Billede();
    EXPECT_FALSE(L.FelterBeregnet);

    // With TilpasAlign the layout is never taken as final.
    L.FeltRamme().SetTilpasAlign(true);
    L.Repaint();
    EXPECT_FALSE(L.FelterBeregnet);
}

class Rulning : public ::testing::Test
{
protected:
    Rulning()
    {
        L.Gitter(1, 4, 4);
        L.SetAntalIalt(10);
        L.SetOnStartNr([this] { ++Kald; });
    }
    Liste L;
    int Kald = 0;
};

TEST_F(Rulning, StartNrIsKeptWithinTheItems)
{
    L.SetStartNr(8);
    EXPECT_EQ(L.StartNr(), 6);
    L.SetStartNr(-3);
    EXPECT_EQ(L.StartNr(), 0);
    L.SetAntalIalt(2);
    L.SetStartNr(1);
    EXPECT_EQ(L.StartNr(), 0);
    // Before the first layout nothing is drawn and nobody is told.
    EXPECT_EQ(Kald, 0);
}

TEST_F(Rulning, ScrollingDropsTheSelectionAndHidesTheHighlight)
{
    L.InitAktiv(1);
    L.InitOver(2);
    L.Repaint();
    L.SetStartNr(3);
    EXPECT_EQ(L.SlutNr(), 3); // until the next layout
    EXPECT_EQ(Kald, 1);
    EXPECT_EQ(L.Felt()[1].FSit, sNormal);
    EXPECT_EQ(L.Felt()[2].FSit, sNormal);
    EXPECT_EQ(L.NewNr, -1);
    EXPECT_EQ(L.OldNr, -1);
    EXPECT_EQ(L.OverNr, 2);
    L.SetStartNr(3);
    EXPECT_EQ(Kald, 1);
    L.Repaint();
    EXPECT_EQ(L.SlutNr(), 6);
}

TEST(FelterTilstande, InitialisersSetStatesWithoutPainting)
{
    Liste L;
    L.Gitter(1, 4, 4);
    L.InitAktiv(5);
    EXPECT_EQ(L.Felt().size(), 6u);
    EXPECT_EQ(L.Felt()[5].FSit, sAktiv);
    EXPECT_EQ(L.NewNr, 5);
    EXPECT_EQ(L.OldNr, 5);
    // Before the first layout InitNormal only makes room.
    L.InitNormal(5);
    EXPECT_EQ(L.Felt()[5].FSit, sAktiv);
    L.InitInAktiv(0);
    EXPECT_EQ(L.Felt()[0].FSit, sInaktiv);
    L.InitNormal(-1);

    L.Repaint();
    EXPECT_FALSE(L.Ugyldig());
    L.InitAktiv(2);
    L.InitNormal(2);
    EXPECT_EQ(L.Felt()[2].FSit, sNormal);
    EXPECT_EQ(L.NewNr, -1);
    EXPECT_FALSE(L.Ugyldig());

    // With a check-box hook the check follows.
    L.SetCheckFelt([](std::int32_t) {});
    L.InitAktiv(3);
    EXPECT_TRUE(L.Felt()[3].Checked);
    L.InitNormal(3);
    EXPECT_FALSE(L.Felt()[3].Checked);
}

TEST(FelterTilstande, DisablingAllRemembersTheSelection)
{
    Liste L;
    L.Gitter(1, 4, 4);
    L.InitAktiv(2);
    L.Repaint();
    L.EnabledAll(false);
    EXPECT_FALSE(L.Enabled());
    for (const TFelt &T : L.Felt())
        EXPECT_EQ(T.FSit, sInaktiv);
    EXPECT_EQ(L.NewNr, -1);
    L.EnabledAll(false);
    L.EnabledAll(true);
    EXPECT_TRUE(L.Enabled());
    EXPECT_EQ(L.Felt()[2].FSit, sAktiv);
    EXPECT_FALSE(L.Felt()[2].Checked);
    EXPECT_EQ(L.Felt()[0].FSit, sNormal);
    EXPECT_EQ(L.NewNr, 2);
    EXPECT_EQ(L.OldNr, 2);

    // A selected field under the highlight is still the selection.
    L.Felt()[1].FSit = sOverAktiv;
    L.Felt()[2].FSit = sNormal;
    L.EnabledAll(false);
    L.EnabledAll(true);
    EXPECT_EQ(L.Felt()[1].FSit, sAktiv);
    EXPECT_EQ(L.NewNr, 1);
}

TEST(FelterTilstande, DisablingBeforeTheFirstLayoutSizesTheFields)
{
    Liste L;
    L.Gitter(1, 3, 3);
    L.EnabledAll(false);
    ASSERT_EQ(L.Felt().size(), 3u);
    EXPECT_EQ(L.Felt()[2].FSit, sInaktiv);
}

} // namespace
