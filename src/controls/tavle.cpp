#include "tavle.h"

#include "canvas.h"
#include "liste.h"
#include "skema.h"

#include <cmath>

namespace kvidrel::tavle {

TFont Tahoma(std::int32_t Hojde, TColor Farve)
{
    TFont F;
    F.Name = QStringLiteral("Tahoma");
    F.Height = Hojde;
    F.Color = Farve;
    return F;
}

TColor TekstPaa(TColor Felt)
{
    const QColor c = toQColor(Felt);
    const auto lineaer = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    const double luminans =
        0.2126 * lineaer(c.red()) + 0.7152 * lineaer(c.green()) + 0.0722 * lineaer(c.blue());
    // Where black and white stand out from the field equally.
    return luminans > 0.179 ? clBlack : clWhite;
}

void saetSpmTekst(TCompoTekst &T, TSpmSted Sted)
{
    // The board is read across a room: 12 pixels is 20 on a 1920x1080 screen in
    // full screen, and lets a question of 300 characters stand whole. The host
    // reads the main window up close, where 10 pixels do, and so everything
    // that fits on the board fits there too.
    T.SetMindsteHojde(Sted == ssTavle ? 12 : 10);
    T.SetMargenVenstre(8);
    T.SetMargenHojre(8);
    T.SetOpdelTekst(true);
    // Every field the lists show it on is white or money green.
    const TFont F = Tahoma(16, TekstPaa(clWhite));
    T.SetFontAktiv(F);
    T.SetFontOver(F);
    T.SetFontInAktiv(F);
    T.SetFontDybde(F);
}

void saetPointTekst(TCompoTekst &T)
{
    T.SetAlignVandret(tvVenstre);
    T.SetMargenVenstre(4);
    T.SetMargenHojre(4);
    T.SetFontAktiv(Tahoma(16, clBlue));
    T.SetFontOver(Tahoma(16, clNavy));
    T.SetFontInAktiv(Tahoma(16, clBlack));
    T.SetFontDybde(Tahoma(16, clBlack));
}

void saetNavnTekst(TCompoTekst &T)
{
    T.SetMargenVenstre(8);
    T.SetMargenHojre(8);
    T.SetOpdelTekst(true);
    const TFont Roed = Tahoma(32, clRed);
    T.SetFontAktiv(Roed);
    T.SetFontOver(Roed);
    T.SetFontInAktiv(Roed);
    T.SetFontDybde(Roed);
    // Every state draws plain text, so the depth settings draw nothing.
    T.SetTypeTekst(true);
    T.SetNormal(ttNormal);
    T.SetAktiv(ttNormal);
    T.SetOver(ttNormal);
    T.SetOverAktiv(ttNormal);
    T.SetInaktiv(ttNormal);
    T.SetDybdeLodret(1);
    T.SetDybdeVandret(1);
}

void saetDeltagerSkema(TSkema &S, TCompoTekst &PointTekst)
{
    S.SetColor(clMoneyGreen);
    TXCompoRamme &G = S.GrundRamme();
    G.SetBredde(1);
    G.SetArt(rtUd);
    G.SetAfstandLodret(8);
    G.SetAfstandVandret(8);
    S.SetAntalVandret(2);
    S.SetAntalLodret(11);
    S.SetAntalFelter(22);
    S.FeltRamme().SetFeltFarve(pointFeltFarve);
    TXListeRamme &H = S.SkemaRamme();
    H.SetFeltBredde(160);
    H.SetRetning(reBegge);
    H.SetKlikType(ktIngen);
    H.SetFeltFarve(clMoneyGreen);
    H.SetFarve(clMoneyGreen);
    S.SetFont(Tahoma(16, clWhite));
    S.SetSkemaFont(Tahoma(16, clBlue));
    S.SetDisplay(true);
    S.SetTekstListe({QString(), QStringLiteral("Point")});
    S.SetCompoTekst(&PointTekst);
    S.SetGlatTekst(true);
    kunVisning(S);
}

void saetEtFelt(TListe &L, TCompoTekst &Tekst)
{
    L.SetAntalVandret(1);
    L.SetAntalLodret(1);
    L.SetAntalFelter(1);
    L.SetRulFunktion(false);
    L.SetMusOver(false);
    L.SetCompoTekst(&Tekst);
    L.SetGlatTekst(true);
}

void saetHimmelRamme(TRammeFelt &F)
{
    F.SetColor(clSkyBlue);
    TXCompoRamme &G = F.GrundRamme();
    G.SetBredde(1);
    G.SetDybde(1);
    G.SetArt(rtUd);
    G.SetAfstandLodret(4);
    G.SetAfstandVandret(4);
}

void saetHjemSpmRamme(TPropVar &F)
{
    saetHimmelRamme(F);
    TXFeltRamme &R = F.FeltRamme();
    R.SetBredde(1);
    R.SetArt(rtIngen);
    R.SetFarve(clCream);
    R.SetFeltFarve(clMoneyGreen);
}

void saetSpmDisplay(TListe &L, TCompoTekst &SpmTekst, TSpmSted Sted)
{
    saetEtFelt(L, SpmTekst);
    kunVisning(L);
    if (Sted == ssHjem) {
        saetHjemSpmRamme(L);
        L.SetFont(Tahoma(16, TekstPaa(clMoneyGreen)));
        return;
    }
    L.SetColor(clWhite);
    TXCompoRamme &G = L.GrundRamme();
    G.SetBredde(2);
    G.SetDybde(1);
    G.SetArt(rtUd);
    G.SetFarve(clMoneyGreen);
    G.SetOmrids(true);
    L.FeltRamme().SetFeltFarve(clMoneyGreen);
    L.SetFont(Tahoma(21, TekstPaa(clMoneyGreen)));
}

void saetSvarDisplay(TListe &L, TCompoTekst &SpmTekst)
{
    saetHimmelRamme(L);
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
    L.SetRulFunktion(false);
    L.SetEnFunktionel(false);
    L.SetMusOver(true);
    L.SetReaktion(rtInd);
    L.SetOverReaktion(rtUd);
    L.SetCursorOver(crHandPoint);
    L.SetAlleOppe(true);
    L.SetFont(Tahoma(16, TekstPaa(clWhite)));
    L.SetCompoTekst(&SpmTekst);
    L.SetGlatTekst(true);
}

void saetFelter(TListe &L, TCompoTekst &Tekst, int Vandret, int Lodret, const TFont &Font)
{
    L.SetColor(clWhite);
    TXCompoRamme &G = L.GrundRamme();
    G.SetBredde(1);
    G.SetDybde(1);
    G.SetArt(rtUd);
    L.SetAntalVandret(Vandret);
    L.SetAntalLodret(Lodret);
    L.SetAntalFelter(Vandret * Lodret);
    L.SetNumLodret(false);
    L.SetRulFunktion(false);
    L.SetMusOver(false);
    TXFeltRamme &F = L.FeltRamme();
    F.SetBredde(2);
    F.SetFarve(clSkyBlue);
    F.SetFeltFarve(clWhite);
    L.SetFont(Font);
    L.SetCompoTekst(&Tekst);
    L.SetGlatTekst(true);
    kunVisning(L);
}

void kunVisning(TGrundFelt &F)
{
    F.setAttribute(Qt::WA_TransparentForMouseEvents);
    F.setFocusPolicy(Qt::NoFocus);
}

} // namespace kvidrel::tavle
