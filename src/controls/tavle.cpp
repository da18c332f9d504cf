#include "tavle.h"

#include "liste.h"
#include "skema.h"

namespace kvidrel::tavle {

TFont Tahoma(std::int32_t Hojde, TColor Farve)
{
    TFont F;
    F.Name = QStringLiteral("Tahoma");
    F.Height = Hojde;
    F.Color = Farve;
    return F;
}

void saetSpmTekst(TCompoTekst &T)
{
    T.SetMargenVenstre(8);
    T.SetMargenHojre(8);
    T.SetOpdelTekst(true);
    T.SetFontAktiv(Tahoma(16));
    T.SetFontOver(Tahoma(16));
    T.SetFontInAktiv(Tahoma(16));
    T.SetFontDybde(Tahoma(16));
}

void saetPointTekst(TCompoTekst &T)
{
    T.SetAlignVandret(tvVenstre);
    T.SetMargenVenstre(4);
    T.SetMargenHojre(4);
    T.SetFontAktiv(Tahoma(16, clBlue));
    T.SetFontOver(Tahoma(16, clNavy));
    T.SetFontInAktiv(Tahoma(16, clBlack));
    T.SetFontDybde(Tahoma(16));
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

void kunVisning(TGrundFelt &F)
{
    F.setAttribute(Qt::WA_TransparentForMouseEvents);
    F.setFocusPolicy(Qt::NoFocus);
}

} // namespace kvidrel::tavle
