#include "imagelist.h"
#include "vinduesfelter.h"

#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace vinduesfelter;

namespace {

TEST(Skema, Defaults)
{
    Skema S;
    EXPECT_EQ(S.Width(), 200);
    EXPECT_EQ(S.Height(), 100);
    EXPECT_EQ(S.AntalVandret(), 2);
    EXPECT_EQ(S.AntalLodret(), 4);
    EXPECT_EQ(S.AntalFelter(), 8);
    EXPECT_TRUE(S.AutoDim());
    EXPECT_EQ(S.Reaktion(), rtInd);
    EXPECT_EQ(S.OverReaktion(), rtUd);
    EXPECT_TRUE(S.MusOver());
    EXPECT_FALSE(S.ToolFunktion());
    EXPECT_FALSE(S.TabStop());
    EXPECT_FALSE(S.Display());
    EXPECT_EQ(S.GrundRamme().AfstandLodret(), 4);
    EXPECT_EQ(S.GrundRamme().AfstandVandret(), 4);
    EXPECT_EQ(S.FeltRamme().Art(), rtIngen);
    EXPECT_EQ(S.FeltRamme().Bredde(), 1);
    EXPECT_EQ(S.FeltRamme().AfstandLodret(), 4);
    EXPECT_EQ(S.FeltRamme().AfstandVandret(), 2);
    EXPECT_EQ(S.FeltRamme().FeltFarve(), clWhite);
    EXPECT_TRUE(S.FeltRamme().FarveFelt());
    EXPECT_EQ(S.SkemaRamme().Bredde(), 1);
    EXPECT_EQ(S.SkemaRamme().Farve(), clBtnFace);
    EXPECT_EQ(S.SkemaRamme().FeltFarve(), clBtnFace);
    EXPECT_TRUE(S.SkemaRamme().FarveFelt());
    EXPECT_EQ(S.GetAktivNr(), -1);
    EXPECT_EQ(S.GetOverNr(), -1);
}

// The main window's score table.
class PointSkema : public ::testing::Test
{
protected:
    PointSkema()
    {
        saetPointTekst(PointTekst);
        S.resize(307, 294);
        saetDeltagerSkema(S, PointTekst);
    }

    QImage Billede() { return S.Billede(); }

    TCompoTekst PointTekst;
    Skema S;
};

TEST_F(PointSkema, LayoutOfTheScoreTable)
{
    S.Repaint();
    EXPECT_EQ(S.CompoRekt, Rect(9, 9, 297, 284));
    EXPECT_EQ(S.FeltBredde(), 124);
    EXPECT_EQ(S.FeltHojde(), 23);
    ASSERT_EQ(S.Felt().size(), 22u);
    EXPECT_EQ(S.Felt()[0].YR, Rect(9, 10, 169, 33));
    EXPECT_EQ(S.Felt()[1].YR, Rect(173, 10, 297, 33));
    EXPECT_EQ(S.Felt()[2].YR, Rect(9, 35, 169, 58));
    EXPECT_EQ(S.Felt()[21].YR, Rect(173, 260, 297, 283));
    EXPECT_EQ(S.Felt()[2].IR, Rect(10, 36, 168, 57));
    EXPECT_EQ(S.Felt()[2].SIR, Rect(10, 36, 168, 57));
    for (int I = 0; I < 22; ++I) {
        EXPECT_EQ(S.Felt()[I].SkemaFelt, I < 2 || I % 2 == 0) << I;
        EXPECT_TRUE(S.Felt()[I].NoRespons) << I;
    }
    // The window's table keeps its size, so the layout is kept between paints.
    EXPECT_TRUE(S.FelterBeregnet);
}

TEST_F(PointSkema, TextsAreDrawnAtOnceInTheirFontAndPlace)
{
    S.Repaint();
    S.TekstFelt(3, QStringLiteral("12"));
    EXPECT_EQ(S.TekstListe().size(), 4);
    EXPECT_EQ(S.TekstListe().at(3), QStringLiteral("12"));
    const TRect IR3 = S.Felt()[3].IR;
    const auto [Fra, Til] = Spaend(Billede(), IR3, rgb(clWhite));
    ASSERT_GE(Fra, 0);
    // Points stand at the right, inside the margin of 4.
    EXPECT_LE(Til, IR3.Right - 4);
    EXPECT_GE(Til, IR3.Right - 8);
    EXPECT_GT(Fra, IR3.Left + IR3.Width() / 2);

    S.TekstFelt(2, QStringLiteral("Åse"));
    const TRect SIR2 = S.Felt()[2].SIR;
    const auto [NavnFra, NavnTil] = Spaend(Billede(), SIR2, rgb(clBlue));
    ASSERT_GE(NavnFra, 0);
    // Names stand at the left in the header font.
    EXPECT_LE(NavnFra, SIR2.Left + 6);
    EXPECT_LT(NavnTil, SIR2.Left + SIR2.Width() / 2);
    EXPECT_EQ(Antal(Billede(), SIR2, rgb(clWhite)), 0);

    // A new text clears the old one.
    S.TekstFelt(3, QString());
    EXPECT_EQ(Antal(Billede(), IR3, rgb(clWhite)), 0);
    EXPECT_EQ(S.grab().toImage().convertToFormat(QImage::Format_RGB32), Billede());
}

TEST_F(PointSkema, HeaderTextIsKeptAndDrawnByThePaint)
{
    // Before the first paint a text is only stored.
    S.TekstFelt(0, QStringLiteral("3 deltagere"));
    S.Repaint();
    EXPECT_GT(Antal(Billede(), S.Felt()[0].SIR, rgb(clBlue)), 0);
    EXPECT_GT(Antal(Billede(), S.Felt()[1].SIR, rgb(clBlue)), 0); // "Point"
    EXPECT_GT(S.SkemaTekstBredde(), S.TekstBredde() / 2);
    EXPECT_GT(S.SkemaTekstHojde(), 0);
}

TEST_F(PointSkema, NothingAnswersTheMouseOrTheKeys)
{
    S.SetEnabled(true);
    Optager O;
    O.Lyt(S);
    Vis(S);
    QTest::mouseClick(&S, Qt::LeftButton, {}, S.Midt(3));
    QTest::mouseClick(&S, Qt::LeftButton, {}, S.Midt(2));
    QTest::mouseMove(&S, S.Midt(5));
    QTest::keyClick(&S, Qt::Key_Home);
    QTest::keyClick(&S, Qt::Key_Down);
    QTest::keyClick(&S, Qt::Key_Return);
    EXPECT_TRUE(O.Klikket.empty());
    EXPECT_TRUE(O.Over.empty());
    for (int I = 0; I < 22; ++I)
        EXPECT_EQ(S.Tilstand(I), sNormal) << I;
    EXPECT_EQ(S.GetNr(-1, tkHome), -1);
}

TEST(SkemaTekst, NamesStayWholeUpTo255Units)
{
    Skema S;
    S.TekstFelt(0, QString(300, QChar(u'x')));
    EXPECT_EQ(S.TekstListe().at(0).size(), 255);
    S.TekstFelt(1, QStringLiteral("Łukasz Søren €5 ✓"));
    EXPECT_EQ(S.TekstListe().at(1), QStringLiteral("Łukasz Søren €5 ✓"));
    EXPECT_EQ(KortStreng(QString(254, u'x') + QStringLiteral("😀")), QString(254, u'x'));
    EXPECT_EQ(KortStreng(QString()), QString());
}

// A 3 by 3 table with a header row and column, shown, answering in the
// header cells that Klik names.
void VisKlikSkema(Skema &S, Optager &O, TKlikType Klik)
{
    S.resize(300, 120);
    S.SetAntalVandret(3);
    S.SetAntalLodret(3);
    S.SetAntalFelter(9);
    S.SkemaRamme().SetRetning(reBegge);
    S.SkemaRamme().SetKlikType(Klik);
    O.Lyt(S);
    Vis(S);
}

// A 3 by 3 table answering in its first column, in button mode.
class KlikSkema : public ::testing::Test
{
protected:
    KlikSkema() { VisKlikSkema(S, O, ktLodret); }

    Skema S;
    Optager O;
};

TEST_F(KlikSkema, OnlyTheFirstColumnAnswers)
{
    EXPECT_TRUE(S.Felt()[1].NoRespons);
    EXPECT_FALSE(S.Felt()[3].NoRespons);
    QTest::mouseMove(&S, S.Midt(4));
    EXPECT_EQ(S.GetOverNr(), -1);
    QTest::mouseClick(&S, Qt::LeftButton, {}, S.Midt(4));
    EXPECT_TRUE(O.Klikket.empty());
    EXPECT_EQ(S.Tilstand(4), sNormal);

    QTest::mouseMove(&S, S.Midt(3));
    EXPECT_EQ(S.GetOverNr(), 3);
    EXPECT_EQ(S.Tilstand(3), sOver);
    QTest::mousePress(&S, Qt::LeftButton, {}, S.Midt(3));
    EXPECT_EQ(S.Tilstand(3), sOverAktiv);
    QTest::mouseRelease(&S, Qt::LeftButton, {}, S.Midt(3));
    EXPECT_EQ(S.Tilstand(3), sOver);
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 3}}));

    // The arrow keys stay in the first column.
    QTest::keyClick(&S, Qt::Key_Down);
    EXPECT_EQ(S.GetOverNr(), 6);
    QTest::keyClick(&S, Qt::Key_Up);
    EXPECT_EQ(S.GetOverNr(), 3);
    QTest::keyClick(&S, Qt::Key_Right);
    EXPECT_EQ(S.GetOverNr(), 6);
    QTest::keyClick(&S, Qt::Key_Home);
    EXPECT_EQ(S.GetOverNr(), 0);
    EXPECT_EQ(O.Over, (std::vector<std::int32_t>{3, 6, 3, 6, 0}));
}

TEST_F(KlikSkema, EnterTogglesTheSelectionInToolModeWithAlleOppe)
{
    S.SetToolFunktion(true);
    S.SetAlleOppe(true);
    QTest::mouseClick(&S, Qt::LeftButton, {}, S.Midt(6));
    EXPECT_EQ(S.Tilstand(6), sAktiv);
    // The selection takes the highlight.
    QTest::mouseMove(&S, S.Midt(6) + QPoint(1, 1));
    EXPECT_EQ(S.Tilstand(6), sOverAktiv);
    QTest::keyClick(&S, Qt::Key_Return);
    EXPECT_EQ(S.Tilstand(6), sOver);
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 6}, {mbLeft, 6}}));
}

TEST_F(KlikSkema, PressDraggedOutRestoresTheSelectionInToolMode)
{
    S.SetToolFunktion(true);
    QTest::mouseClick(&S, Qt::LeftButton, {}, S.Midt(0));
    EXPECT_EQ(S.Tilstand(0), sAktiv);
    QTest::mousePress(&S, Qt::LeftButton, {}, S.Midt(6));
    EXPECT_EQ(S.Tilstand(0), sNormal);
    QTest::mouseMove(&S, S.Midt(7));
    EXPECT_EQ(S.Tilstand(0), sAktiv);
    EXPECT_EQ(S.Tilstand(6), sNormal);
    QTest::mouseRelease(&S, Qt::LeftButton, {}, S.Midt(7));
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 0}}));
    EXPECT_EQ(S.GetAktivNr(), 0);
}

TEST_F(KlikSkema, TabStopHighlightsTheFirstAnsweringFieldAndKeysItCannotUseGoOn)
{
    S.SetTabStop(true);
    S.SetNoFoNoOver(true);
    S.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&S));
    S.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(S.GetOverNr(), 0);
    EXPECT_EQ(S.Tilstand(0), sOver);

    // Escape belongs to the window (a dialog's cancel); Down is the schema's.
    QKeyEvent Escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QCoreApplication::sendEvent(&S, &Escape);
    EXPECT_FALSE(Escape.isAccepted());
    QKeyEvent Ned(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QCoreApplication::sendEvent(&S, &Ned);
    EXPECT_TRUE(Ned.isAccepted());
    EXPECT_EQ(S.GetOverNr(), 3);

    S.clearFocus();
    EXPECT_EQ(S.Tilstand(3), sNormal);
    EXPECT_EQ(S.GetOverNr(), -1);
}

TEST(SkemaKlik, HeaderRowAndHeaderColumnBothAnswer)
{
    Skema S;
    Optager O;
    VisKlikSkema(S, O, ktBegge);

    // Row, inner, column, inner, row, column: the inner cells stay silent.
    for (int Nr : {1, 4, 3, 8, 2, 6})
        QTest::mouseClick(&S, Qt::LeftButton, {}, S.Midt(Nr));
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 1}, {mbLeft, 3}, {mbLeft, 2}, {mbLeft, 6}}));
    EXPECT_EQ(S.Tilstand(4), sNormal);
}

TEST(SkemaLayout, HeadersFollowTheDirection)
{
    Skema S;
    S.SetAntalVandret(3);
    S.SetAntalLodret(2);
    S.SetAntalFelter(6);
    S.SetTekstListe({QStringLiteral("Hjørne"), QStringLiteral("B"), QStringLiteral("C"),
                     QStringLiteral("Langt navn"), QStringLiteral("x"), QStringLiteral("y")});

    S.SkemaRamme().SetRetning(reVandret);
    S.Repaint();
    for (int I = 0; I < 6; ++I)
        EXPECT_EQ(S.Felt()[I].SkemaFelt, I < 3) << I;
    const std::int32_t Raekke = S.SkemaTekstBredde();

    S.SkemaRamme().SetRetning(reLodret);
    S.SetAntalFelter(5); // a geometry change lays the fields out again
    S.Repaint();
    for (int I = 0; I < 5; ++I)
        EXPECT_EQ(S.Felt()[I].SkemaFelt, I == 0 || I == 3) << I;
    EXPECT_GT(S.SkemaTekstBredde(), Raekke); // "Langt navn" heads a row

    S.SkemaRamme().SetRetning(reIngen);
    S.SetAntalFelter(6);
    S.Repaint();
    for (int I = 0; I < 6; ++I)
        EXPECT_FALSE(S.Felt()[I].SkemaFelt) << I;
    EXPECT_EQ(S.SkemaTekstBredde(), 0);
}

TEST(SkemaLayout, CachedLayoutIsRedoneForANewSize)
{
    Skema S;
    S.Repaint();
    EXPECT_TRUE(S.FelterBeregnet);
    const TRect Foer = S.Felt()[7].YR;
    S.resize(400, 100);
    S.Repaint();
    EXPECT_GT(S.Felt()[7].YR.Right, Foer.Right + 100);
    EXPECT_TRUE(S.FelterBeregnet);
}

TEST(SkemaBilleder, PicturesInHeaderCellsOnly)
{
    TImageList Billeder(8, 8);
    QImage Roed(8, 8, QImage::Format_ARGB32);
    Roed.fill(Qt::red);
    Billeder.Add(Roed);

    Skema S;
    S.SkemaRamme().SetRetning(reBegge);
    S.SkemaRamme().SetSkemaBitType(sbKun);
    S.FeltBitmap().SetBitmapListe(&Billeder);
    S.FeltBitmap().SetBitType(btSimpel);
    S.FeltBitmap().SetRealDim(true);
    S.Repaint();
    const QRgb R = qRgb(255, 0, 0);
    EXPECT_EQ(Antal(S.Billede(), S.Felt()[2].SIR, R), 64);
    EXPECT_EQ(Antal(S.Billede(), S.Felt()[1].SIR, R), 64);
    EXPECT_EQ(Antal(S.Billede(), S.Felt()[3].IR, R), 0);
    // The picture sits at the header text rectangle's corner.
    EXPECT_EQ(S.Billede().pixel(S.Felt()[2].SIR.Left, S.Felt()[2].SIR.Top), R);

    S.SkemaRamme().SetSkemaBitType(sbIngen);
    S.Repaint();
    EXPECT_EQ(Antal(S.Billede(), S.Felt()[2].SIR, R), 0);
    EXPECT_EQ(Antal(S.Billede(), S.Felt()[3].IR, R), 64);
}

} // namespace
