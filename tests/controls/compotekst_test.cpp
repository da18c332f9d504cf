#include "canvas.h"
#include "compotekst.h"
#include "feltproeve.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace kvidrel;

namespace {

// Every character of this font is 10 pixels wide and a line is 19 pixels high.
constexpr int B = 10;
constexpr int H = 19;

using namespace feltproeve;

struct Linje
{
    int X;
    int Y;
    QString Tekst;
    TColor Farve = Sort;
};

class CompoTekstTest : public ::testing::Test
{
protected:
    QImage Tegn(const std::function<void(TCanvas &)> &Handling) const
    {
        QImage Billede(200, 120, QImage::Format_RGB32);
        Billede.fill(White);
        TCanvas Can(&Billede);
        Handling(Can);
        return Billede;
    }

    QImage Skriv(const TRect &Rekt, const QString &Tekst, TFeltSit FeltSit = sNormal)
    {
        return Tegn([&](TCanvas &Can) { Komp.SkrivTekst(Can, Rekt, Font, Tekst, FeltSit); });
    }

    // The expected picture: plain lines of text, each at its top-left corner.
    QImage Forventet(const std::vector<Linje> &Linjer) const
    {
        return Tegn([&](TCanvas &Can) {
            Can.Brush.Style = bsClear;
            for (const Linje &L : Linjer) {
                Can.Font = TestFont(L.Farve);
                Can.TextOut(L.X, L.Y, L.Tekst);
            }
        });
    }

    static QRect Forskel(const QImage &A, const QImage &B)
    {
        QRect R;
        for (int Y = 0; Y < A.height(); ++Y)
            for (int X = 0; X < A.width(); ++X)
                if (A.pixel(X, Y) != B.pixel(X, Y))
                    R = R.united(QRect(X, Y, 1, 1));
        return R;
    }

    static int Antal(const QImage &Billede, TColor Farve)
    {
        const QRgb Rgb = toQColor(Farve).rgb();
        int N = 0;
        for (int Y = 0; Y < Billede.height(); ++Y)
            for (int X = 0; X < Billede.width(); ++X)
                N += Billede.pixel(X, Y) == Rgb;
        return N;
    }

    TCompoTekst Komp;
    TFont Font = TestFont();
};

} // namespace

TEST_F(CompoTekstTest, TestFontHasTenPixelCharacters)
{
    Tegn([](TCanvas &Can) {
        Can.Font = TestFont();
        EXPECT_EQ(Can.TextWidth(QStringLiteral("a")), B);
        EXPECT_EQ(Can.TextWidth(QStringLiteral(" ")), B);
        EXPECT_EQ(Can.TextWidth(QStringLiteral("&")), B);
        EXPECT_EQ(Can.TextWidth(QStringLiteral("aa bb cc")), 8 * B);
        EXPECT_EQ(Can.TextHeight(QStringLiteral("aa")), H);
    });
}

TEST_F(CompoTekstTest, EmptyTextLeavesTheCanvasAlone)
{
    const QImage Billede = Tegn([&](TCanvas &Can) {
        Can.Brush.Style = bsClear;
        Can.Brush.Color = Roed;
        Can.Font = TestFont(Groen, 20);
        Komp.SkrivTekst(Can, Rect(0, 0, 100, 100), Font, QString(), sAktiv);
        EXPECT_EQ(Can.Brush.Style, bsClear);
        EXPECT_EQ(Can.Brush.Color, Roed);
        EXPECT_EQ(Can.Font, TestFont(Groen, 20));
    });
    EXPECT_EQ(Antal(Billede, 0xFFFFFF), 200 * 120);
}

TEST_F(CompoTekstTest, DrawingLeavesSolidBrushInEntryColourAndTheChosenFont)
{
    Komp.SetFontOver(TestFont(Groen));
    Tegn([&](TCanvas &Can) {
        Can.Brush.Style = bsClear;
        Can.Brush.Color = Roed;
        Komp.SkrivTekst(Can, Rect(0, 0, 100, 40), Font, QStringLiteral("abc"), sOver);
        EXPECT_EQ(Can.Brush.Style, bsSolid);
        EXPECT_EQ(Can.Brush.Color, Roed);
        EXPECT_EQ(Can.Font, TestFont(Groen));
    });
}

TEST_F(CompoTekstTest, SingleLineAlignmentsInsideTheMargins)
{
    Komp.SetMargenVenstre(4);
    Komp.SetMargenOppe(2);
    Komp.SetMargenHojre(6);
    Komp.SetMargenNede(8);
    // The rectangle (10, 10, 110, 50) leaves (14, 12, 104, 42) for a 30 by 19 text.
    struct Tilfaelde
    {
        TAlignVandret Vandret;
        TAlignLodret Lodret;
        int X;
        int Y;
    };
    const Tilfaelde Alle[] = {{tvCenter, tlCenter, 14 + 30, 12 + 5},
                              {tvVenstre, tlOppe, 14, 12},
                              {tvHojre, tlNede, 104 - 30, 42 - H}};
    for (const Tilfaelde &T : Alle) {
        Komp.SetAlignVandret(T.Vandret);
        Komp.SetAlignLodret(T.Lodret);
        EXPECT_EQ(Skriv(Rect(10, 10, 110, 50), QStringLiteral("abc")),
                  Forventet({{T.X, T.Y, QStringLiteral("abc")}}))
            << int(T.Vandret) << "/" << int(T.Lodret);
    }
}

TEST_F(CompoTekstTest, RightAlignmentIsForcedOnlyForTheCall)
{
    Komp.SetHojreStillet(true);
    EXPECT_EQ(Skriv(Rect(10, 10, 110, 50), QStringLiteral("abc")),
              Forventet({{110 - 30, 10 + 10, QStringLiteral("abc")}}));
    EXPECT_EQ(Komp.AlignVandret(), tvCenter);

    // Too low for one line: nothing at all, and the alignment is given back too.
    Komp.SetMargenNede(3);
    EXPECT_EQ(Skriv(Rect(10, 10, 110, 10 + H + 2), QStringLiteral("abc")), Forventet({}));
    EXPECT_EQ(Komp.AlignVandret(), tvCenter);
}

TEST_F(CompoTekstTest, PressedStatesShiftTheText)
{
    Komp.SetFontAktiv(TestFont());
    Komp.SetFontOver(TestFont());
    Komp.SetFontInAktiv(TestFont());
    Komp.SetAlignVandret(tvVenstre);
    Komp.SetAlignLodret(tlOppe);
    for (TFeltSit FeltSit : {sNormal, sAktiv, sOver, sOverAktiv, sInaktiv}) {
        const int Skift = ErValgt(FeltSit) ? 2 : 0;
        EXPECT_EQ(Skriv(Rect(10, 10, 110, 50), QStringLiteral("abc"), FeltSit),
                  Forventet({{10 + Skift, 10 + Skift, QStringLiteral("abc")}}))
            << int(FeltSit);
    }
    Komp.SetAktivVandret(5);
    Komp.SetAktivLodret(-3);
    EXPECT_EQ(Skriv(Rect(10, 10, 110, 50), QStringLiteral("abc"), sOverAktiv),
              Forventet({{15, 7, QStringLiteral("abc")}}));
}

TEST_F(CompoTekstTest, TooWideTextIsCutWithoutMarkAndCentredByItsCut)
{
    // 55 pixels hold five characters; the cut is centred by its own 50 pixels.
    EXPECT_EQ(Skriv(Rect(10, 10, 65, 50), QStringLiteral("abcdefgh")),
              Forventet({{10 + 2, 10 + 10, QStringLiteral("abcde")}}));
}

TEST_F(CompoTekstTest, FontOfEachState)
{
    Font = TestFont(Sort);
    Komp.SetFontAktiv(TestFont(Roed));
    Komp.SetFontOver(TestFont(Groen));
    Komp.SetFontInAktiv(TestFont(Blaa));
    const TColor UdenDybde[] = {Sort, Roed, Groen, Roed, Blaa, Sort};
    for (TFeltSit FeltSit = sNormal; FeltSit <= sInaktiv + 1; ++FeltSit)
        EXPECT_GT(
            Antal(Skriv(Rect(0, 0, 100, 40), QStringLiteral("x"), FeltSit), UdenDybde[FeltSit]), 0)
            << int(FeltSit);

    // With the depth effect on but no depth for the state, mouse-over takes the active font.
    Komp.SetTypeTekst(true);
    const QImage Over = Skriv(Rect(0, 0, 100, 40), QStringLiteral("x"), sOver);
    EXPECT_GT(Antal(Over, Roed), 0);
    EXPECT_EQ(Antal(Over, Groen), 0);
}

TEST_F(CompoTekstTest, DepthTextDrawnFirstAndDisplaced)
{
    Komp.SetTypeTekst(true);
    Komp.SetDybdeLodret(1);
    Komp.SetDybdeVandret(1);
    Komp.SetFontDybde(TestFont(Graa));
    Komp.SetFontOver(TestFont(Sort));
    // 'Fil' in (10, 10, 110, 50) sits at (45, 20).
    Komp.SetOver(ttUd);
    EXPECT_EQ(Skriv(Rect(10, 10, 110, 50), QStringLiteral("Fil"), sOver),
              Forventet({{44, 19, QStringLiteral("Fil"), Graa}, {45, 20, QStringLiteral("Fil")}}));

    Komp.SetNormal(ttInd);
    EXPECT_EQ(Skriv(Rect(10, 10, 110, 50), QStringLiteral("Fil"), sNormal),
              Forventet({{46, 21, QStringLiteral("Fil"), Graa}, {45, 20, QStringLiteral("Fil")}}));
}

TEST_F(CompoTekstTest, DepthPassCutsInItsOwnFontAndHandsTheCutOn)
{
    Komp.SetTypeTekst(true);
    Komp.SetOver(ttUd);
    TFont Bred = TestFont(Graa, 20); // 12 pixels a character
    Komp.SetFontDybde(Bred);
    Komp.SetFontOver(TestFont(Sort));
    const QImage Billede = Skriv(Rect(10, 10, 65, 50), QStringLiteral("abcdefgh"), sOver);
    const QImage Ventet = Tegn([&](TCanvas &Can) {
        Can.Brush.Style = bsClear;
        Can.Font = Bred;
        const int Hojde = Can.TextHeight(QStringLiteral("abcd"));
        ASSERT_EQ(Can.TextWidth(QStringLiteral("abcd")), 48);
        Can.TextOut(10 + (55 - 48) / 2, 10 + (40 - Hojde) / 2, QStringLiteral("abcd"));
        // The second pass gets 'abcd' and centres its 40 pixels.
        Can.Font = TestFont(Sort);
        Can.TextOut(10 + (55 - 40) / 2, 10 + (40 - H) / 2, QStringLiteral("abcd"));
    });
    EXPECT_EQ(Billede, Ventet);
}

TEST_F(CompoTekstTest, WrapBreaksBetweenWordsAndDropsTheSpace)
{
    Komp.SetOpdelTekst(true);
    EXPECT_EQ(Skriv(Rect(10, 10, 60, 60), QStringLiteral("aa bb cc")),
              Forventet({{10, 10, QStringLiteral("aa bb")}, {10, 10 + H, QStringLiteral("cc")}}));
    // The space and the next word no longer fit, so the break comes before the space.
    EXPECT_EQ(Skriv(Rect(10, 10, 70, 60), QStringLiteral("aaa bbb")),
              Forventet({{10, 10, QStringLiteral("aaa")}, {10, 10 + H, QStringLiteral("bbb")}}));
    // A word longer than the line is broken where it reaches the width.
    EXPECT_EQ(Skriv(Rect(10, 10, 40, 80), QStringLiteral("abcdefg")),
              Forventet({{10, 10, QStringLiteral("abc")},
                         {10, 10 + H, QStringLiteral("def")},
                         {10, 10 + 2 * H, QStringLiteral("g")}}));
}

TEST_F(CompoTekstTest, WrapIgnoresAlignmentAndSpacesItsLines)
{
    Komp.SetOpdelTekst(true);
    EXPECT_EQ(Skriv(Rect(10, 10, 110, 100), QStringLiteral("kort")),
              Forventet({{10, 10, QStringLiteral("kort")}}));

    Komp.SetLinieAfstand(3);
    Komp.SetAlignVandret(tvHojre);
    Komp.SetAlignLodret(tlNede);
    EXPECT_EQ(
        Skriv(Rect(10, 10, 60, 100), QStringLiteral("aa bb cc")),
        Forventet({{10, 10, QStringLiteral("aa bb")}, {10, 10 + H + 3, QStringLiteral("cc")}}));
}

TEST_F(CompoTekstTest, WrapDrawsOnlyLinesEndingAtOrAboveBottom)
{
    Komp.SetOpdelTekst(true);
    const QImage ToLinjer =
        Forventet({{10, 10, QStringLiteral("aa bb")}, {10, 10 + H, QStringLiteral("cc")}});
    EXPECT_EQ(Skriv(Rect(10, 10, 60, 10 + 2 * H), QStringLiteral("aa bb cc")), ToLinjer);
    EXPECT_EQ(Skriv(Rect(10, 10, 60, 10 + 2 * H - 1), QStringLiteral("aa bb cc")),
              Forventet({{10, 10, QStringLiteral("aa bb")}}));
    // One line high is enough for the first line.
    EXPECT_EQ(Skriv(Rect(10, 10, 60, 10 + H), QStringLiteral("aa bb cc")),
              Forventet({{10, 10, QStringLiteral("aa bb")}}));
}

TEST_F(CompoTekstTest, WrapNeverDrawsACharacterWiderThanTheLine)
{
    Komp.SetOpdelTekst(true);
    EXPECT_EQ(Skriv(Rect(10, 10, 15, 110), QStringLiteral("ab")), Forventet({}));
    // Lines that do not move down must not make the drawing go on for ever.
    for (std::int32_t Afstand : {-H, -H - 5}) {
        Komp.SetLinieAfstand(Afstand);
        EXPECT_EQ(Skriv(Rect(10, 10, 15, 110), QStringLiteral("ab")), Forventet({})) << Afstand;
    }
}

// A wrapped text too long for its font takes the largest smaller font that
// holds it whole, never one below the floor; a text that fits is not touched.
TEST_F(CompoTekstTest, WrapShrinksToTheLargestFontThatHoldsTheWholeText)
{
    Komp.SetOpdelTekst(true);
    const TRect Rekt = Rect(0, 0, 120, 40);
    const QString Lang = QStringLiteral("aa bb cc dd ee ff gg hh ii jj kk");
    // The text and whether it was drawn whole, in a font of height Hojde with
    // the floor Gulv (0: no shrinking).
    const auto Skrevet = [&](std::int32_t Gulv, std::int32_t Hojde, const QString &Tekst) {
        Komp.SetMindsteHojde(Gulv);
        Font = TestFont(clBlack, Hojde);
        bool Hel = false;
        const QImage Billede =
            Tegn([&](TCanvas &Can) { Hel = Komp.SkrivTekst(Can, Rekt, Font, Tekst, sNormal); });
        return std::pair(Billede, Hel);
    };
    const auto Uden = [&](std::int32_t Hojde, const QString &Tekst) {
        return Skrevet(0, Hojde, Tekst);
    };
    const auto Med = [&](std::int32_t Gulv, const QString &Tekst) {
        return Skrevet(Gulv, 16, Tekst);
    };
    std::int32_t Passer = 16;
    while (!Uden(Passer, Lang).second)
        --Passer;
    ASSERT_LT(Passer, 15) << "the text must need more than one step";

    EXPECT_EQ(Med(Passer - 3, Lang), Uden(Passer, Lang));
    EXPECT_EQ(Med(Passer, Lang), Uden(Passer, Lang));
    // Above the size it needs, the floor stops it short, as without shrinking.
    const auto VedGulvet = Uden(Passer + 1, Lang);
    EXPECT_FALSE(VedGulvet.second);
    EXPECT_EQ(Med(Passer + 1, Lang), VedGulvet);
    EXPECT_EQ(Med(Passer - 3, QStringLiteral("aa bb cc")), Uden(16, QStringLiteral("aa bb cc")));
}

TEST_F(CompoTekstTest, HotKeyIsUnderlinedAndItsMarkNotDrawn)
{
    Komp.SetGenkey(true);
    const TRect Rekt = Rect(10, 10, 110, 50);
    // '&Fil' is placed by its 40 pixels at x 40; half an '&' further on, 'Fil' starts at 45.
    const QImage Fil = Skriv(Rekt, QStringLiteral("&Fil"));
    const QImage Plain = Forventet({{45, 20, QStringLiteral("Fil")}});
    EXPECT_TRUE(QRect(45, 20, B, H).contains(Forskel(Fil, Plain))) << "only the F may differ";
    EXPECT_FALSE(Forskel(Fil, Plain).isEmpty()) << "the F is underlined";

    // A doubled mark draws one underlined '&'.
    const QImage Dobbelt = Skriv(Rekt, QStringLiteral("a&&b"));
    const QImage DobbeltPlain = Forventet({{45, 20, QStringLiteral("a&b")}});
    EXPECT_TRUE(QRect(55, 20, B, H).contains(Forskel(Dobbelt, DobbeltPlain)));
    EXPECT_FALSE(Forskel(Dobbelt, DobbeltPlain).isEmpty());

    // A final mark draws nothing more.
    EXPECT_EQ(Skriv(Rekt, QStringLiteral("ab&")), Forventet({{50, 20, QStringLiteral("ab")}}));
}

TEST_F(CompoTekstTest, HotKeyLeavesAnUnderlinedFontUnderlined)
{
    Komp.SetGenkey(true);
    Font.Style = fsBold | fsUnderline;
    Tegn([&](TCanvas &Can) {
        Komp.SkrivTekst(Can, Rect(10, 10, 110, 50), Font, QStringLiteral("&Fil"), sNormal);
        EXPECT_EQ(Can.Font.Style, fsBold | fsUnderline);
    });
}

TEST_F(CompoTekstTest, VerticalTextOneCharacterUnderTheOther)
{
    Komp.SetLodretTekst(true);
    Komp.SetAlignLodret(tlOppe);
    // The column is centred by the width of 'A': x = 10 + (50 - 10) / 2.
    const QImage AB_C = Forventet({{30, 10, QStringLiteral("A")},
                                   {30, 10 + H, QStringLiteral("B")},
                                   {30, 10 + 2 * H + H / 2, QStringLiteral("C")}});
    EXPECT_EQ(Skriv(Rect(10, 10, 60, 110), QStringLiteral("AB C")), AB_C);
    EXPECT_EQ(Skriv(Rect(10, 10, 60, 10 + 3 * H + H / 2), QStringLiteral("AB C")), AB_C);
    // Stops before a character that would end below the bottom.
    EXPECT_EQ(Skriv(Rect(10, 10, 60, 10 + 3 * H + H / 2 - 1), QStringLiteral("AB C")),
              Forventet({{30, 10, QStringLiteral("A")}, {30, 10 + H, QStringLiteral("B")}}));

    // From the bottom every character, the space too, takes a whole line.
    Komp.SetAlignLodret(tlNede);
    Komp.SetAlignVandret(tvVenstre);
    const int Top = 110 - 4 * H;
    EXPECT_EQ(Skriv(Rect(10, 10, 60, 110), QStringLiteral("AB C")),
              Forventet({{10, Top, QStringLiteral("A")},
                         {10, Top + H, QStringLiteral("B")},
                         {10, Top + 2 * H + H / 2, QStringLiteral("C")}}));

    // Narrower than 'A', or lower than one character: nothing.
    EXPECT_EQ(Skriv(Rect(10, 10, 19, 110), QStringLiteral("AB C")), Forventet({}));
    EXPECT_EQ(Skriv(Rect(10, 10, 60, 10 + H - 1), QStringLiteral("AB C")), Forventet({}));
}

TEST_F(CompoTekstTest, EveryPublishedWriteReportsAChange)
{
    int Kald = 0;
    Komp.SetOnChange([&] { ++Kald; });
    const std::vector<std::function<void()>> Skrivninger = {
        [&] { Komp.SetMargenOppe(Komp.MargenOppe()); },
        [&] { Komp.SetMargenNede(Komp.MargenNede()); },
        [&] { Komp.SetMargenVenstre(Komp.MargenVenstre()); },
        [&] { Komp.SetMargenHojre(Komp.MargenHojre()); },
        [&] { Komp.SetLinieAfstand(Komp.LinieAfstand()); },
        [&] { Komp.SetAlignLodret(Komp.AlignLodret()); },
        [&] { Komp.SetAlignVandret(Komp.AlignVandret()); },
        [&] { Komp.SetOpdelTekst(Komp.OpdelTekst()); },
        [&] { Komp.SetAktivLodret(Komp.AktivLodret()); },
        [&] { Komp.SetAktivVandret(Komp.AktivVandret()); },
        [&] { Komp.SetGenkey(Komp.Genkey()); },
        [&] { Komp.SetLodretTekst(Komp.LodretTekst()); },
        [&] { Komp.SetFontAktiv(Komp.FontAktiv()); },
        [&] { Komp.SetFontOver(Komp.FontOver()); },
        [&] { Komp.SetFontInAktiv(Komp.FontInAktiv()); },
        [&] { Komp.SetFontDybde(Komp.FontDybde()); },
        [&] { Komp.SetTypeTekst(Komp.TypeTekst()); },
        [&] { Komp.SetNormal(Komp.Normal()); },
        [&] { Komp.SetAktiv(Komp.Aktiv()); },
        [&] { Komp.SetOver(Komp.Over()); },
        [&] { Komp.SetOverAktiv(Komp.OverAktiv()); },
        [&] { Komp.SetInaktiv(Komp.Inaktiv()); },
        [&] { Komp.SetDybdeLodret(Komp.DybdeLodret()); },
        [&] { Komp.SetDybdeVandret(Komp.DybdeVandret()); },
    };
    for (std::size_t I = 0; I < Skrivninger.size(); ++I) {
        Kald = 0;
        Skrivninger[I]();
        EXPECT_EQ(Kald, 1) << I;
    }
    Kald = 0;
    Komp.SetHojreStillet(true);
    EXPECT_EQ(Kald, 0);
}
