#include "feltproeve.h"

#include <gtest/gtest.h>

#include <memory>

using namespace feltproeve;

namespace {

// Two fields of 100 by 30 in a row, white, with a text component.
class TekstListe : public ::testing::Test
{
protected:
    TekstListe()
    {
        L.resize(2 * 100 + 2, 32);
        L.Gitter(2, 1, 2);
        L.FeltRamme().SetFeltFarve(Hvid);
        L.SetFont(TestFont(Sort));
        L.SetCompoTekst(&CT);
    }

    int Tegn(int Nr) { return Antal(L.Billede(), L.Felt()[Nr].IR, rgb(Sort)); }

    TCompoTekst CT;
    Liste L;
};

TEST_F(TekstListe, TextOfAnItemGrowsTheList)
{
    L.TekstFelt(5, QStringLiteral("x"));
    ASSERT_EQ(L.TekstListe().size(), 6);
    for (int I = 0; I < 5; ++I)
        EXPECT_TRUE(L.TekstListe().at(I).isEmpty());
    EXPECT_EQ(L.TekstListe().at(5), QStringLiteral("x"));
    L.TekstFelt(2, QStringLiteral("y"));
    EXPECT_EQ(L.TekstListe().size(), 6);
    L.TekstFelt(-1, QStringLiteral("z"));
    EXPECT_EQ(L.TekstListe().size(), 6);
}

TEST_F(TekstListe, TextIsVisibleAtOnceAfterTheFirstPaint)
{
    // Before the first paint the text is only stored.
    const QImage Foer = L.Billede().copy();
    L.TekstFelt(0, QStringLiteral("WWW"));
    EXPECT_EQ(L.Billede(), Foer);

    L.Repaint();
    EXPECT_GT(Tegn(0), 0);
    EXPECT_EQ(Tegn(1), 0);

    L.TekstFelt(1, QStringLiteral("MM"));
    EXPECT_GT(Tegn(1), 0);
    EXPECT_FALSE(L.Ugyldig());

    // The plain frame's fill clears the old text.
    L.TekstFelt(0, QString());
    EXPECT_EQ(Tegn(0), 0);
    EXPECT_EQ(Antal(L.Billede(), L.Felt()[0].IR, rgb(Hvid)),
              L.Felt()[0].IR.Width() * L.Felt()[0].IR.Height());
}

TEST_F(TekstListe, ShownControlShowsTheNewTextAtTheNextGrab)
{
    L.show();
    L.grab();
    L.TekstFelt(0, QStringLiteral("WWW"));
    const QImage Vist = L.grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GT(Antal(Vist, L.Felt()[0].IR, rgb(Sort)), 0);
    EXPECT_EQ(Vist, L.Billede());
}

TEST_F(TekstListe, OnlyItemsInTheWindowAreDrawn)
{
    L.SetAntalIalt(6);
    L.TekstFelt(4, QStringLiteral("WW"));
    L.Repaint();
    L.SetStartNr(3);
    L.Repaint();
    EXPECT_EQ(Tegn(0), 0);
    EXPECT_GT(Tegn(1), 0); // item 4 in field 1

    L.TekstFelt(0, QStringLiteral("WW"));
    EXPECT_EQ(Tegn(0), 0);
    L.TekstFelt(3, QStringLiteral("WW"));
    EXPECT_GT(Tegn(0), 0);
    EXPECT_EQ(L.TekstListe().at(0), QStringLiteral("WW"));
}

TEST_F(TekstListe, DirectRedrawUsesThePlainFrameWithTheFieldsState)
{
    TFont Aktiv = TestFont(clBlue);
    CT.SetFontAktiv(Aktiv);
    L.FeltRamme().SetBredde(2);
    L.FeltRamme().SetArt(rtUd);
    L.SetReaktion(rtInd);
    L.InitAktiv(0);
    L.Repaint();
    const TRect YR = L.Felt()[0].YR;
    EXPECT_EQ(Pixel(L, YR.Left, YR.Top), rgb(clBtnShadow));
    L.TekstFelt(0, QStringLiteral("WW"));
    EXPECT_EQ(Pixel(L, YR.Left, YR.Top), rgb(clBtnHighlight));
    EXPECT_GT(Antal(L.Billede(), L.Felt()[0].IR, rgb(clBlue)), 0);
}

TEST_F(TekstListe, WithoutATextComponentOnlyTheFieldIsDrawn)
{
    L.SetCompoTekst(nullptr);
    L.TekstFelt(0, QStringLiteral("WWW"));
    L.Repaint();
    EXPECT_EQ(Tegn(0), 0);
    L.TekstFelt(0, QStringLiteral("MMM"));
    EXPECT_EQ(Tegn(0), 0);
}

TEST_F(TekstListe, TekstAppendsBeforeTheLayoutAndSetsAfterIt)
{
    L.Tekst(7, QStringLiteral("a"));
    L.Tekst(7, QStringLiteral("b"));
    EXPECT_EQ(L.TekstListe(), QStringList({QStringLiteral("a"), QStringLiteral("b")}));
    L.Repaint();
    const QImage Foer = L.Billede().copy();
    L.Tekst(3, QStringLiteral("c"));
    EXPECT_EQ(L.TekstListe().size(), 4);
    EXPECT_EQ(L.TekstListe().at(3), QStringLiteral("c"));
    L.Tekst(0, QStringLiteral("WWW"));
    EXPECT_EQ(L.Billede(), Foer);
    EXPECT_FALSE(L.Ugyldig());
}

TEST_F(TekstListe, TextMeasuresInTheControlsFont)
{
    EXPECT_EQ(L.TekstBredde(), 0);
    EXPECT_EQ(L.TekstHojde(), 0);
    L.SetTekstListe({QStringLiteral("ab"), QStringLiteral("abcd"), QString()});
    QImage Billede(10, 10, QImage::Format_RGB32);
    TCanvas Can(&Billede);
    Can.Font = L.Font();
    EXPECT_EQ(L.TekstBredde(), Can.TextWidth(QStringLiteral("abcd")));
    EXPECT_EQ(L.TekstHojde(), Can.TextHeight(QStringLiteral("Aykj")));
    EXPECT_GT(L.TekstBredde(), 0);
}

TEST_F(TekstListe, ListAndComponentChangesPaintAgain)
{
    L.Repaint();
    L.SetTekstListe({QStringLiteral("x")});
    EXPECT_TRUE(L.Ugyldig());
    L.Repaint();
    CT.SetMargenOppe(1);
    EXPECT_TRUE(L.Ugyldig());

    // The component may outlive the control that last took it.
    auto Kort = std::make_unique<Liste>();
    Kort->SetCompoTekst(&CT);
    Kort.reset();
    CT.SetMargenOppe(2);

    // And the control forgets a component that is gone.
    auto Komponent = std::make_unique<TCompoTekst>();
    L.SetCompoTekst(Komponent.get());
    Komponent.reset();
    EXPECT_EQ(L.CompoTekst(), nullptr);
    L.Repaint();
}

} // namespace
