#pragma once

// The list and the schema set up as the game windows use them, with their
// state opened up for the tests, and the event recorders the tests share.

#include "canvas.h"
#include "liste.h"
#include "skema.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace vinduesfelter {

using namespace kvidrel;

constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGreen = 0x008000;

inline QRgb rgb(TColor c)
{
    return toQColor(c).rgb();
}

inline TFont Tahoma(std::int32_t Hojde, TColor Farve = clWindowText)
{
    TFont F;
    F.Name = QStringLiteral("Tahoma");
    F.Height = Hojde;
    F.Color = Farve;
    return F;
}

// Pixels of colour c inside R (Right and Bottom exclusive).
inline int Antal(const QImage &Billede, const TRect &R, QRgb c)
{
    int N = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            N += Billede.pixel(x, y) == c;
    return N;
}

// The columns holding a pixel of colour c inside R; {-1, -1} for none.
inline std::pair<int, int> Spaend(const QImage &Billede, const TRect &R, QRgb c)
{
    int Fra = -1;
    int Til = -1;
    for (int x = R.Left; x < R.Right; ++x)
        for (int y = R.Top; y < R.Bottom; ++y)
            if (Billede.pixel(x, y) == c) {
                if (Fra < 0)
                    Fra = x;
                Til = x;
                break;
            }
    return {Fra, Til};
}

inline QPoint Midt(const TRect &R)
{
    return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
}

// The lists' text component: margins 8, word wrap, Tahoma 16.
inline void SaetSpmTekst(TCompoTekst &T)
{
    T.SetMargenVenstre(8);
    T.SetMargenHojre(8);
    T.SetOpdelTekst(true);
    T.SetFontAktiv(Tahoma(16));
    T.SetFontOver(Tahoma(16));
    T.SetFontInAktiv(Tahoma(16));
    T.SetFontDybde(Tahoma(16));
}

// The score tables' text component: left-aligned, margins 4, Tahoma 16 with
// the selected text blue, the highlighted navy, the inactive black.
inline void SaetPointTekst(TCompoTekst &T)
{
    T.SetAlignVandret(tvVenstre);
    T.SetMargenVenstre(4);
    T.SetMargenHojre(4);
    T.SetFontAktiv(Tahoma(16, clBlue));
    T.SetFontOver(Tahoma(16, clNavy));
    T.SetFontInAktiv(Tahoma(16, clBlack));
    T.SetFontDybde(Tahoma(16));
}

class Liste : public TListe
{
public:
    using TListe::CompoMade;
    using TListe::CompoRekt;
    using TListe::InRekt;
    using TListe::NewNr;
    using TListe::OldNr;
    using TListe::OverNr;
    using TListe::TListe;

    TFeltSit Tilstand(int Nr) const { return Felt()[std::size_t(Nr)].FSit; }
    QPoint Midt(int Nr) const { return vinduesfelter::Midt(Felt()[std::size_t(Nr)].IR); }
};

class Skema : public TSkema
{
public:
    using TSkema::CompoMade;
    using TSkema::CompoRekt;
    using TSkema::FelterBeregnet;
    using TSkema::NewNr;
    using TSkema::OldNr;
    using TSkema::OverNr;
    using TSkema::TSkema;

    TFeltSit Tilstand(int Nr) const { return Felt()[std::size_t(Nr)].FSit; }
    QPoint Midt(int Nr) const { return vinduesfelter::Midt(Felt()[std::size_t(Nr)].IR); }
};

// The main window's answer list: 439 by 206, 2 by 2 framed fields numbered
// along the rows, sunk when selected, raised under the mouse, a hand over the
// highlighted answer; a selected answer can be clicked again to deselect it.
inline void SaetSvarDisplay(TListe &L, TCompoTekst &SpmTekst)
{
    L.resize(439, 206);
    L.SetColor(clSkyBlue);
    TXCompoRamme &G = L.GrundRamme();
    G.SetBredde(1);
    G.SetDybde(1);
    G.SetArt(rtUd);
    G.SetAfstandLodret(4);
    G.SetAfstandVandret(4);
    L.SetAntalVandret(2);
    L.SetAntalLodret(2);
    L.SetAntalFelter(4);
    L.SetNumLodret(false);
    TXFeltRamme &F = L.FeltRamme();
    F.SetBredde(2);
    F.SetFarve(clSkyBlue);
    F.SetFarveLys(clBtnFace);
    F.SetFeltFarve(clWhite);
    F.SetAktivFarve(clBlue);
    F.SetOverFarve(clWhite);
    // Framed fields in which a selection and the highlight can meet.
    L.SetRulFunktion(false);
    L.SetEnFunktionel(false);
    L.SetMusOver(true);
    L.SetReaktion(rtInd);
    L.SetOverReaktion(rtUd);
    L.SetCursorOver(crHandPoint);
    L.SetAlleOppe(true);
    L.SetFont(Tahoma(16));
    L.SetCompoTekst(&SpmTekst);
}

// The display window's info line: four fields in one row across the window.
inline void SaetInfoListe(TListe &L, TCompoTekst &SpmTekst)
{
    L.resize(973, 42);
    L.SetColor(clWhite);
    TXCompoRamme &G = L.GrundRamme();
    G.SetBredde(1);
    G.SetDybde(1);
    G.SetArt(rtUd);
    L.SetAntalVandret(4);
    L.SetAntalLodret(1);
    L.SetAntalFelter(4);
    L.SetNumLodret(false);
    TXFeltRamme &F = L.FeltRamme();
    F.SetBredde(2);
    F.SetFarve(clSkyBlue);
    F.SetFeltFarve(clWhite);
    L.SetRulFunktion(false);
    L.SetFont(Tahoma(19, clGreen));
    L.SetCompoTekst(&SpmTekst);
    L.SetTekstListe({QStringLiteral("Gruppenavn"), QStringLiteral("Antal spørgsmål"),
                     QStringLiteral("Spørgsmål tilbage"), QString()});
}

// The score table: 307 by 294, a name column 160 wide and a points column,
// eleven rows, laid out at every paint; nothing answers the mouse.
inline void SaetDeltagerSkema(TSkema &S, TCompoTekst &PointTekst)
{
    S.resize(307, 294);
    S.SetColor(clMoneyGreen);
    TXCompoRamme &G = S.GrundRamme();
    G.SetBredde(1);
    G.SetArt(rtUd);
    G.SetAfstandLodret(8);
    G.SetAfstandVandret(8);
    G.SetTilpasAlign(true);
    S.SetAntalVandret(2);
    S.SetAntalLodret(11);
    S.SetAntalFelter(22);
    TXFeltRamme &F = S.FeltRamme();
    F.SetTilpasAlign(true);
    // The points stand white on the table's green.
    F.SetFeltFarve(clMoneyGreen);
    TXListeRamme &H = S.SkemaRamme();
    H.SetFeltBredde(160);
    H.SetFeltHojde(0);
    H.SetRetning(reBegge);
    H.SetKlikType(ktIngen);
    S.SetFont(Tahoma(16, clWhite));
    S.SetSkemaFont(Tahoma(16, clBlue));
    S.SetDisplay(true);
    S.SetTekstListe({QString(), QStringLiteral("Point")});
    S.SetCompoTekst(&PointTekst);
    S.SetEnabled(false);
}

// Records the events of a list or a schema.
struct Tryk
{
    TMouseButton Button;
    std::int32_t FeltNr;
    friend bool operator==(const Tryk &, const Tryk &) = default;
    // A failed comparison shows the button and the field, not padding bytes.
    friend void PrintTo(const Tryk &T, std::ostream *Ud)
    {
        *Ud << "{knap " << int(T.Button) << ", felt " << T.FeltNr << "}";
    }
};

struct Optager
{
    std::vector<Tryk> Klikket;
    std::vector<std::int32_t> Over;

    template <typename Felt> void Lyt(Felt &F)
    {
        F.SetOnMus([this, &F](QObject *Sender, TMouseButton Button, std::int32_t FeltNr) {
            EXPECT_EQ(Sender, &F);
            Klikket.push_back({Button, FeltNr});
        });
        F.SetOnMusOver([this](QObject *, std::int32_t FeltNr) { Over.push_back(FeltNr); });
    }
};

// Shows a control on the offscreen screen, painted once.
inline void Vis(TGrundFelt &F)
{
    F.move(0, 0);
    F.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&F));
    F.Repaint();
}

} // namespace vinduesfelter
