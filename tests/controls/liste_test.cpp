#include "rulbar.h"
#include "vinduesfelter.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace vinduesfelter;

namespace {

TEST(Liste, DefaultsLookLikeAListBox)
{
    Liste L;
    EXPECT_EQ(L.Width(), 64);
    EXPECT_EQ(L.Height(), 78);
    EXPECT_EQ(L.AntalVandret(), 1);
    EXPECT_EQ(L.AntalLodret(), 4);
    EXPECT_EQ(L.AntalFelter(), 4);
    EXPECT_TRUE(L.ToolFunktion());
    EXPECT_TRUE(L.RulFunktion());
    EXPECT_TRUE(L.EnFunktionel());
    EXPECT_TRUE(L.NumLodret());
    EXPECT_TRUE(L.MusOver());
    EXPECT_FALSE(L.AlleOppe());
    EXPECT_FALSE(L.TabStop());
    EXPECT_EQ(L.GrundRamme().Bredde(), 1);
    EXPECT_EQ(L.GrundRamme().Art(), rtUd);
    EXPECT_EQ(L.GrundRamme().AfstandLodret(), 4);
    EXPECT_EQ(L.GrundRamme().AfstandVandret(), 4);
    const TXFeltRamme &F = L.FeltRamme();
    EXPECT_EQ(F.Art(), rtIngen);
    EXPECT_EQ(F.Bredde(), 1);
    EXPECT_EQ(F.Farve(), clWhite);
    EXPECT_EQ(F.AfstandLodret(), 2);
    EXPECT_EQ(F.AfstandVandret(), 0);
    EXPECT_EQ(F.FeltFarve(), clWhite);
    EXPECT_EQ(F.AktivFarve(), clBlue);
    EXPECT_EQ(F.OverFarve(), clGray);
    EXPECT_TRUE(F.FarveFelt());
    EXPECT_EQ(L.GetAktivNr(), -1);
    EXPECT_EQ(L.GetOverNr(), -1);
    EXPECT_EQ(L.CursorOver(), crDefault);
}

// The main window's answer list, shown, with the four answers written in.
class SvarListe : public ::testing::Test
{
protected:
    SvarListe()
    {
        saetSpmTekst(SpmTekst, ssHjem);
        L.resize(439, 206);
        saetSvarDisplay(L, SpmTekst);
        for (int I = 0; I < 4; ++I)
            L.TekstFelt(I, QStringLiteral("Svar %1").arg(I + 1));
        O.Lyt(L);
        Vis(L);
    }

    void Klik(int Nr, Qt::MouseButton Knap = Qt::LeftButton)
    {
        QTest::mouseClick(&L, Knap, {}, L.Midt(Nr));
    }
    // The outermost ring's corner shows how a field is drawn: flat sky blue
    // normally, sunk (shadow first) when selected, raised (the button face as
    // light) under the mouse.
    QRgb Hjoerne(int Nr)
    {
        const TRect &YR = L.Felt()[std::size_t(Nr)].YR;
        return L.Billede().pixel(YR.Left, YR.Top);
    }

    TCompoTekst SpmTekst;
    Liste L;
    Optager O;
    // A point on the base frame, outside every field.
    const QPoint Udenfor{2, 2};
};

TEST_F(SvarListe, ClickSelectsAndASecondClickDeselects)
{
    EXPECT_EQ(Hjoerne(2), rgb(clSkyBlue));
    Klik(2);
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 2}}));
    EXPECT_EQ(L.Tilstand(2), sAktiv);
    EXPECT_EQ(L.GetAktivNr(), 2);
    EXPECT_EQ(Hjoerne(2), rgb(clBtnShadow));

    Klik(2, Qt::RightButton);
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 2}, {mbRight, 2}}));
    EXPECT_EQ(L.Tilstand(2), sNormal);
    EXPECT_EQ(Hjoerne(2), rgb(clSkyBlue));

    // What is drawn is what the screen shows.
    EXPECT_EQ(L.grab().toImage().convertToFormat(QImage::Format_RGB32), L.Billede());
}

TEST_F(SvarListe, ClickOnAnotherFieldMovesTheSelection)
{
    Klik(0);
    Klik(3);
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 0}, {mbLeft, 3}}));
    EXPECT_EQ(L.Tilstand(0), sNormal);
    EXPECT_EQ(L.Tilstand(3), sAktiv);
    EXPECT_EQ(L.GetAktivNr(), 3);
}

TEST_F(SvarListe, PressDraggedOutAndReleasedOutsideRestoresTheSelection)
{
    Klik(0);
    O.Klikket.clear();

    QTest::mousePress(&L, Qt::LeftButton, {}, L.Midt(1));
    EXPECT_EQ(L.Tilstand(0), sNormal);
    EXPECT_EQ(L.Tilstand(1), sAktiv);
    QTest::mouseMove(&L, Udenfor);
    EXPECT_EQ(L.Tilstand(0), sAktiv);
    EXPECT_EQ(L.Tilstand(1), sNormal);
    EXPECT_EQ(Hjoerne(0), rgb(clBtnShadow));
    QTest::mouseMove(&L, L.Midt(1) + QPoint(3, 3));
    EXPECT_EQ(L.Tilstand(0), sNormal);
    EXPECT_EQ(L.Tilstand(1), sAktiv);
    QTest::mouseMove(&L, Udenfor + QPoint(1, 0));
    QTest::mouseRelease(&L, Qt::LeftButton, {}, Udenfor + QPoint(1, 0));

    EXPECT_TRUE(O.Klikket.empty());
    EXPECT_EQ(L.Tilstand(0), sAktiv);
    EXPECT_EQ(L.Tilstand(1), sNormal);
    EXPECT_EQ(L.GetAktivNr(), 0);

    // The next click starts from the restored selection.
    Klik(3);
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 3}}));
    EXPECT_EQ(L.Tilstand(0), sNormal);
    EXPECT_EQ(L.Tilstand(3), sAktiv);
}

TEST_F(SvarListe, InactiveFieldIgnoresTheMouse)
{
    L.InAktivFelt(1, true);
    EXPECT_EQ(L.Tilstand(1), sInaktiv);
    Klik(1);
    QTest::mouseMove(&L, L.Midt(1));
    EXPECT_TRUE(O.Klikket.empty());
    EXPECT_TRUE(O.Over.empty());
    EXPECT_EQ(L.Tilstand(1), sInaktiv);
    EXPECT_EQ(L.GetOverNr(), -1);

    L.InAktivFelt(1, false);
    Klik(1);
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 1}}));
}

TEST_F(SvarListe, HighlightFollowsThePointerWithAHand)
{
    QTest::mouseMove(&L, L.Midt(0));
    EXPECT_EQ(L.Tilstand(0), sOver);
    EXPECT_EQ(Hjoerne(0), rgb(clBtnFace));
    EXPECT_EQ(L.cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseMove(&L, L.Midt(3));
    EXPECT_EQ(L.Tilstand(0), sNormal);
    EXPECT_EQ(L.Tilstand(3), sOver);
    EXPECT_EQ(O.Over, (std::vector<std::int32_t>{0, 3}));

    QTest::mouseMove(&L, Udenfor);
    EXPECT_EQ(L.Tilstand(3), sNormal);
    EXPECT_EQ(L.GetOverNr(), -1);
    EXPECT_NE(L.cursor().shape(), Qt::PointingHandCursor);

    // A selected field takes the highlight too (AlleOppe).
    Klik(1);
    QTest::mouseMove(&L, L.Midt(1) + QPoint(1, 1));
    EXPECT_EQ(L.Tilstand(1), sOverAktiv);
}

TEST_F(SvarListe, ArrowKeysSkipBlockedFields)
{
    L.InAktivFelt(2, true);
    L.OverFelt(3, true);
    QTest::keyClick(&L, Qt::Key_Left);
    EXPECT_EQ(L.GetOverNr(), 1);
    EXPECT_EQ(L.Tilstand(3), sNormal);
    EXPECT_EQ(L.Tilstand(1), sOver);
    // Past the blocked field the scan reaches the last one and starts from the top.
    QTest::keyClick(&L, Qt::Key_Right);
    EXPECT_EQ(L.GetOverNr(), 0);
    QTest::keyClick(&L, Qt::Key_End);
    EXPECT_EQ(L.GetOverNr(), 3);
    QTest::keyClick(&L, Qt::Key_Home);
    EXPECT_EQ(L.GetOverNr(), 0);
    QTest::keyClick(&L, Qt::Key_Down);
    EXPECT_EQ(L.GetOverNr(), 0);
    EXPECT_EQ(O.Over, (std::vector<std::int32_t>{1, 0, 3, 0}));

    for (int I = 0; I < 4; ++I)
        L.InAktivFelt(I, true);
    QTest::keyClick(&L, Qt::Key_Right);
    QTest::keyClick(&L, Qt::Key_Home);
    EXPECT_EQ(L.GetOverNr(), 0);
    EXPECT_EQ(O.Over.size(), 4u);
}

TEST_F(SvarListe, WithoutAlleOppeTheSelectionIsBlocked)
{
    L.SetAlleOppe(false);
    Klik(1);
    Klik(1);
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 1}}));
    EXPECT_EQ(L.Tilstand(1), sAktiv);

    // Neither the pointer nor the keys put the highlight on it.
    QTest::mouseMove(&L, L.Midt(1));
    EXPECT_EQ(L.Tilstand(1), sAktiv);
    EXPECT_EQ(L.GetOverNr(), -1);
    L.OverFelt(0, true);
    QTest::keyClick(&L, Qt::Key_Right);
    EXPECT_EQ(L.GetOverNr(), 2);
}

TEST_F(SvarListe, EnterClicksTheHighlightedField)
{
    QTest::keyClick(&L, Qt::Key_Return);
    EXPECT_TRUE(O.Klikket.empty());

    QTest::mouseMove(&L, L.Midt(3));
    QTest::keyClick(&L, Qt::Key_Return);
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 3}}));
    EXPECT_EQ(L.Tilstand(3), sOverAktiv);
    EXPECT_EQ(L.GetAktivNr(), 3);

    // Enter on the selected field takes the selection away again.
    QTest::keyClick(&L, Qt::Key_Enter);
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 3}, {mbLeft, 3}}));
    EXPECT_EQ(L.Tilstand(3), sOver);

    // Space takes the highlight off; Enter then does nothing.
    QTest::keyClick(&L, Qt::Key_Space);
    EXPECT_EQ(L.Tilstand(3), sNormal);
    QTest::keyClick(&L, Qt::Key_Return);
    EXPECT_EQ(O.Klikket.size(), 2u);
}

TEST_F(SvarListe, ButtonModeFieldIsActiveOnlyWhilePressed)
{
    L.SetToolFunktion(false);
    QTest::mousePress(&L, Qt::LeftButton, {}, L.Midt(1));
    EXPECT_EQ(L.Tilstand(1), sAktiv);
    QTest::mouseRelease(&L, Qt::LeftButton, {}, L.Midt(1));
    EXPECT_EQ(L.Tilstand(1), sNormal);
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 1}}));

    QTest::mousePress(&L, Qt::LeftButton, {}, L.Midt(2));
    QTest::mouseMove(&L, Udenfor);
    EXPECT_EQ(L.Tilstand(2), sNormal);
    QTest::mouseRelease(&L, Qt::LeftButton, {}, Udenfor);
    EXPECT_EQ(O.Klikket.size(), 1u);
}

TEST_F(SvarListe, FieldActionRunsBeforeTheClickEvent)
{
    std::vector<QString> Hvad;
    L.SetAction(
        0, [&Hvad] { Hvad.push_back(QStringLiteral("action")); }, true);
    L.SetOnMus(
        [&Hvad](QObject *, TMouseButton, std::int32_t) { Hvad.push_back(QStringLiteral("mus")); });
    Klik(0);
    EXPECT_EQ(Hvad, (std::vector<QString>{QStringLiteral("action"), QStringLiteral("mus")}));

    // A disabled action disables its field.
    L.EnabledFelt(0, false);
    EXPECT_EQ(L.Tilstand(0), sInaktiv);
    Klik(0);
    EXPECT_EQ(Hvad.size(), 2u);
    L.EnabledFelt(0, true);
    EXPECT_EQ(L.Tilstand(0), sNormal);
}

TEST_F(SvarListe, TabStopHighlightsTheFirstFreeFieldOnEntering)
{
    L.SetTabStop(true);
    L.SetNoFoNoOver(true);
    L.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&L));
    L.InAktivFelt(0, true);
    L.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(L.GetOverNr(), 1);
    EXPECT_EQ(L.Tilstand(1), sOver);
    EXPECT_EQ(O.Over, (std::vector<std::int32_t>{1}));
    L.clearFocus();
    EXPECT_EQ(L.Tilstand(1), sNormal);
    EXPECT_EQ(L.GetOverNr(), -1);
}

TEST_F(SvarListe, PointerBringsTheFocusWithoutJumpingToTheFirstField)
{
    L.SetTabStop(true);
    L.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&L));
    QTest::mouseMove(&L, L.Midt(2));
    EXPECT_TRUE(L.hasFocus());
    EXPECT_EQ(L.Tilstand(0), sNormal);
    EXPECT_EQ(L.Tilstand(2), sOver);
    EXPECT_EQ(O.Over, (std::vector<std::int32_t>{2}));
}

// The display window's info line, holding ten items of which four show.
class InfoRaekke : public ::testing::Test
{
protected:
    InfoRaekke()
    {
        saetSpmTekst(SpmTekst, ssTavle);
        L.resize(973, 42);
        saetFelter(L, SpmTekst, 4, 1, Tahoma(19, clGreen));
        QStringList Tekster;
        for (int I = 0; I < 10; ++I)
            Tekster << QStringLiteral("Punkt %1").arg(I);
        L.SetTekstListe(Tekster);
        L.SetAntalIalt(10);
        L.SetNytStartNr([this] { ++NyeStart; });
        Vis(L);
    }

    QImage Felt(int Nr) { return L.Billede().copy(toQRect(L.Felt()[std::size_t(Nr)].IR)); }
    static QRect toQRect(const TRect &R) { return QRect(R.Left, R.Top, R.Width(), R.Height()); }

    TCompoTekst SpmTekst;
    Liste L;
    int NyeStart = 0;
};

TEST_F(InfoRaekke, RightAtTheLastFieldScrollsByOneItem)
{
    L.OverFelt(3, true);
    const QImage Foer = Felt(0);

    QTest::keyClick(&L, Qt::Key_Right);
    EXPECT_EQ(L.StartNr(), 1);
    EXPECT_EQ(L.GetOverNr(), 3);
    // The field keeps the highlight number but is drawn without it.
    EXPECT_EQ(L.Tilstand(3), sNormal);
    EXPECT_EQ(NyeStart, 1);
    EXPECT_NE(Felt(0), Foer);

    QTest::keyClick(&L, Qt::Key_Right);
    EXPECT_EQ(L.StartNr(), 2);
    QTest::keyClick(&L, Qt::Key_Down);
    EXPECT_EQ(L.StartNr(), 2);
    QTest::keyClick(&L, Qt::Key_Left);
    EXPECT_EQ(L.StartNr(), 2);
    EXPECT_EQ(L.GetOverNr(), 2);
    EXPECT_EQ(L.Tilstand(2), sOver);

    // The window stops at the last four items.
    for (int I = 0; I < 10; ++I)
        QTest::keyClick(&L, Qt::Key_Right);
    EXPECT_EQ(L.StartNr(), 6);
    EXPECT_EQ(L.GetOverNr(), 3);
    for (int I = 0; I < 10; ++I)
        QTest::keyClick(&L, Qt::Key_Left);
    EXPECT_EQ(L.GetOverNr(), 0);
    EXPECT_EQ(L.StartNr(), 0);
}

TEST(ListeRul, ScrolledListReportsTheItemUnderThePointer)
{
    // Ten items in four fields, with the scroll bar drawn inside the list.
    Liste L;
    L.resize(200, 110);
    TRulBar Bar;
    L.SetRulBar(&Bar);
    L.SetAntalIalt(10);
    Optager O;
    O.Lyt(L);
    Vis(L);

    for (int I = 0; I < 3; ++I)
        QTest::mouseClick(&L, Qt::LeftButton, {}, Midt(Bar.Maal().NedR));
    ASSERT_EQ(L.StartNr(), 3);
    ASSERT_TRUE(O.Klikket.empty());

    // Fields 1 and 3 now hold items 4 and 6.
    QTest::mouseMove(&L, L.Midt(1));
    QTest::mouseMove(&L, L.Midt(3));
    EXPECT_EQ(L.GetOverNr(), 3);
    EXPECT_EQ(L.Tilstand(3), sOver);
    EXPECT_EQ(O.Over, (std::vector<std::int32_t>{4, 6}));
    QTest::mouseClick(&L, Qt::LeftButton, {}, L.Midt(0));
    EXPECT_EQ(O.Klikket, (std::vector<Tryk>{{mbLeft, 3}}));
}

TEST(ListeEmner, NewItemComesIntoViewSelected)
{
    Liste L;
    L.SetAntalIalt(4);
    L.NytFelt(true);
    EXPECT_EQ(L.AntalIalt(), 5);
    EXPECT_EQ(L.AntalFelter(), 4);
    EXPECT_EQ(L.StartNr(), 1);
    EXPECT_EQ(L.GetAktivNr(), 3);
    EXPECT_EQ(L.Tilstand(3), sAktiv);

    L.FjernFelt();
    EXPECT_EQ(L.AntalIalt(), 4);
    EXPECT_EQ(L.AntalFelter(), 4);
    EXPECT_EQ(L.StartNr(), 0);
    EXPECT_EQ(L.GetAktivNr(), -1);
    EXPECT_EQ(L.Tilstand(3), sNormal);

    Liste Kort;
    Kort.SetAntalFelter(2);
    Kort.SetAntalIalt(2);
    Kort.NytFelt(false);
    EXPECT_EQ(Kort.AntalFelter(), 3);
    EXPECT_EQ(Kort.StartNr(), 0);
    Kort.FjernFelt();
    EXPECT_EQ(Kort.AntalFelter(), 2);
}

TEST(ListeEmner, SelectionBeforeTheFirstPaintIsShownByIt)
{
    Liste L;
    L.AktivFelt(2, true);
    EXPECT_EQ(L.GetAktivNr(), 2);
    L.Repaint();
    EXPECT_EQ(L.Tilstand(2), sAktiv);
    // A plain rectangle in the active colour.
    EXPECT_EQ(L.Billede().pixel(Midt(L.Felt()[2].IR).x(), Midt(L.Felt()[2].IR).y()), rgb(clBlue));
    L.AktivFelt(0, true);
    EXPECT_EQ(L.Tilstand(2), sNormal);
    EXPECT_EQ(L.Tilstand(0), sAktiv);
}

} // namespace
