#include "feltproeve.h"

#include <gtest/gtest.h>

using namespace feltproeve;

namespace {

class EnTekst : public ::testing::Test
{
protected:
    EnTekst()
    {
        T.SetColor(Hvid);
        T.SetFont(TestFont(Sort));
        TFont Inaktiv = TestFont(Roed);
        CT.SetFontInAktiv(Inaktiv);
    }

    int Tegn(TColor c) { return Antal(T.Billede(), T.CompoRekt, rgb(c)); }

    TCompoTekst CT;
    TekstFelt T;
};

TEST_F(EnTekst, NewFieldIsASunkBoxOf128By24)
{
    EXPECT_EQ(T.Width(), 128);
    EXPECT_EQ(T.Height(), 24);
    EXPECT_EQ(T.GrundRamme().Art(), rtInd);
    EXPECT_EQ(T.GrundRamme().Bredde(), 1);
    EXPECT_TRUE(T.Tekst().isEmpty());
    EXPECT_EQ(T.CompoTekst(), nullptr);
    T.Repaint();
    EXPECT_EQ(T.CompoRekt, Rect(1, 1, 126, 22));
    EXPECT_EQ(Pixel(T, 0, 0), rgb(clBtnShadow));
    EXPECT_EQ(Pixel(T, 127, 23), rgb(clBtnHighlight));
}

TEST_F(EnTekst, TextSetBeforeThePaintShowsAtTheFirstPaint)
{
    T.SetCompoTekst(&CT);
    T.SetTekst(QStringLiteral("42"));
    EXPECT_FALSE(T.CompoBeregnet);
    T.Repaint();
    EXPECT_GT(Tegn(Sort), 0);

    // Once painted, a new text paints again.
    T.SetTekst(QString());
    EXPECT_TRUE(T.Ugyldig());
    T.Repaint();
    EXPECT_EQ(Tegn(Sort), 0);
}

TEST_F(EnTekst, FollowingAlignmentTheTextWaitsForAnotherPaint)
{
    T.SetCompoTekst(&CT);
    T.GrundRamme().SetTilpasAlign(true);
    T.Repaint();
    T.SetTekst(QStringLiteral("42"));
    EXPECT_FALSE(T.Ugyldig());
    EXPECT_EQ(Tegn(Sort), 0);
}

TEST_F(EnTekst, DisabledFieldUsesTheInactiveFont)
{
    T.SetCompoTekst(&CT);
    T.SetTekst(QStringLiteral("42"));
    T.SetEnabled(false);
    T.Repaint();
    EXPECT_GT(Tegn(Roed), 0);
    EXPECT_EQ(Tegn(Sort), 0);
}

TEST_F(EnTekst, WithoutAComponentOnlyTheFrameIsDrawn)
{
    T.SetTekst(QStringLiteral("42"));
    T.Repaint();
    EXPECT_EQ(Tegn(Sort), 0);
    T.SetCompoTekst(&CT);
    EXPECT_TRUE(T.Ugyldig());
    T.Repaint();
    EXPECT_GT(Tegn(Sort), 0);
    CT.SetMargenVenstre(3);
    EXPECT_TRUE(T.Ugyldig());
}

} // namespace
