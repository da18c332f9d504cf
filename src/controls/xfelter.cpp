#include "xfelter.h"

#include <algorithm>

namespace kvidrel {

TXFelter::TXFelter(QWidget *AOwner) : TPropVar(AOwner)
{
    NewNr = -1;
    OldNr = -1;
    OverNr = -1;
    FAutoDim = true;
    FReaktion = rtInd;
    FOverReaktion = rtUd;
    // The header frame looks and reports like the field frame; a change of
    // either only paints again, the layout stays as it is.
    FSkemaRamme.SetFarveFelt(true);
    FSkemaRamme.SetFeltFarve(clBtnFace);
    FSkemaRamme.SetOnChange([this] { RammeChange(); });
}

TXFelter::~TXFelter()
{
    FSkemaRamme.SetOnChange({});
}

void TXFelter::SikrFelt(std::int32_t FeltNr)
{
    if (FeltNr >= 0 && FFelt.size() < std::size_t(FeltNr) + 1)
        FFelt.resize(std::size_t(FeltNr) + 1);
}

void TXFelter::InitFelt(std::int32_t FeltAntal)
{
    FFelt.resize(std::size_t(std::max(FeltAntal, 0)));
}

bool TXFelter::ErSkemaIndeks(std::int32_t I) const
{
    const TRetning Retning = FSkemaRamme.Retning();
    if (Retning == reIngen || FAntalVandret <= 0)
        return false;
    const bool ForsteKolonne = I % FAntalVandret == 0;
    const bool ForsteRaekke = I < FAntalVandret;
    switch (Retning) {
    case reLodret:
        return ForsteKolonne;
    case reVandret:
        return ForsteRaekke;
    default:
        return ForsteKolonne || ForsteRaekke;
    }
}

void TXFelter::SaetSkemaFelt(TXFelt &T, std::int32_t I) const
{
    const TXListeRamme &S = FSkemaRamme;
    const TRetning Retning = S.Retning();
    if (I == 0) {
        if (S.FeltHojde() != 0)
            T.Y2 = T.Y1 + S.FeltHojde();
        if (S.FeltBredde() != 0)
            T.X2 = T.X1 + S.FeltBredde();
        T.SkemaFelt = Retning != reIngen;
        T.NoRespons = S.NoNulMus();
    } else if (I % FAntalVandret == 0) {
        if (S.FeltBredde() != 0)
            T.X2 = T.X1 + S.FeltBredde();
        T.SkemaFelt = Retning == reLodret || Retning == reBegge;
    } else if (I < FAntalVandret) {
        if (S.FeltHojde() != 0)
            T.Y2 = T.Y1 + S.FeltHojde();
        T.SkemaFelt = Retning == reVandret || Retning == reBegge;
    } else {
        // A field that left the header column or row after a change of the grid.
        T.SkemaFelt = false;
    }
}

void TXFelter::SaetRespons(TXFelt &T, std::int32_t I) const
{
    const TXListeRamme &S = FSkemaRamme;
    if (S.NoNulMus() && I == 0)
        return;
    const bool ForsteKolonne = I % FAntalVandret == 0;
    const bool ForsteRaekke = I < FAntalVandret;
    switch (S.KlikType()) {
    case ktLodret:
        T.NoRespons = !ForsteKolonne;
        break;
    case ktVandret:
        T.NoRespons = !ForsteRaekke;
        break;
    case ktBegge:
        T.NoRespons = !ForsteKolonne && !ForsteRaekke;
        break;
    case ktIndre:
        T.NoRespons = T.SkemaFelt;
        break;
    case ktAlle:
        // Field 0 keeps what NoNulMus gave it.
        if (I != 0)
            T.NoRespons = false;
        break;
    case ktIngen:
        T.NoRespons = true;
        break;
    }
}

void TXFelter::BeregnFelter()
{
    const TXFeltRamme &F = FFeltRamme;
    const TXListeRamme &S = FSkemaRamme;

    BegraensAntalFelter();
    FFelt.resize(std::size_t(FAntalFelter));

    std::int32_t X = CompoRekt.Left;
    std::int32_t Y = CompoRekt.Top;
    if (FAutoDim) {
        Fordel(CompoRekt.Right - CompoRekt.Left, FAntalVandret, F.AfstandLodret(), S.FeltBredde(),
               FFeltBredde, X);
        Fordel(CompoRekt.Bottom - CompoRekt.Top, FAntalLodret, F.AfstandVandret(), S.FeltHojde(),
               FFeltHojde, Y);
    }

    TFeltGang Gang(Gitter(), X, Y, F.AfstandLodret(), F.AfstandVandret());
    const std::int32_t FB = F.Bredde();
    const std::int32_t SB = S.Bredde() + (S.IndreFelt() ? FB : 0);
    for (std::int32_t I = 0; I < FAntalFelter; ++I) {
        TXFelt &T = FFelt[std::size_t(I)];
        T.Nummer = I;
        T.X1 = Gang.X();
        T.X2 = T.X1 + FFeltBredde;
        T.Y1 = Gang.Y();
        T.Y2 = T.Y1 + FFeltHojde;
        SaetSkemaFelt(T, I);
        T.YR = Rect(T.X1, T.Y1, T.X2, T.Y2);
        T.SIR = T.YR.shrunk(SB);
        T.IR = T.YR.shrunk(FB);
        Gang.Naeste(I, T.X2, T.Y2);
        SaetRespons(T, I);
    }

    if (!FFelt.empty())
        InRekt = FFelt.front().IR;
    FelterBeregnet = !F.TilpasAlign();
    CompoMade = true;
}

void TXFelter::MakeRamme(std::int32_t Nr)
{
    if (!GyldigtFelt(Nr))
        return;
    TCanvas &Can = Canvas();
    const TXFelt &T = FFelt[std::size_t(Nr)];
    const TFeltSit s = T.FSit;
    const bool Aktiv = ErValgt(s);
    const bool Over = ErUnderMus(s);

    if (!T.SkemaFelt && FRulFunktion) {
        TegnRulFelt(Can, FFeltRamme, T.YR, s, FEnFunktionel, FBrugOverFarve);
        return;
    }

    TXRamme *R = &FFeltRamme;
    TRect Rekt = T.YR;
    if (T.SkemaFelt) {
        if (Nr == 0 && FSkemaRamme.NoNulFelt())
            return;
        R = &FSkemaRamme;
        if (FSkemaRamme.IndreFelt())
            Rekt = T.IR;
    }
    SaetSitFarver(*R, Aktiv, Over, Over);
    switch (s) {
    case sAktiv:
    case sOverAktiv:
        R->MakeRammeArt(Can, Rekt, FReaktion);
        break;
    case sOver:
        R->MakeRammeArt(Can, Rekt, FOverReaktion);
        break;
    default:
        R->MakeRamme(Can, Rekt);
        break;
    }
}

void TXFelter::Paint()
{
    TPropVar::Paint();
    // The cached layout holds until a geometry change (size, base frame, grid).
    if (!FelterBeregnet)
        BeregnFelter();
    for (std::int32_t I = 0; I < FAntalFelter; ++I)
        MakeRamme(I);
}

void TXFelter::InitNormal(std::int32_t FeltNr)
{
    if (FeltNr < 0)
        return;
    SikrFelt(FeltNr);
    TXFelt &T = FFelt[std::size_t(FeltNr)];
    if (ErValgt(T.FSit)) {
        NewNr = -1;
        OldNr = -1;
    }
    T.FSit = sNormal;
}

void TXFelter::InitAktiv(std::int32_t FeltNr)
{
    if (FeltNr < 0)
        return;
    SikrFelt(FeltNr);
    FFelt[std::size_t(FeltNr)].FSit = sAktiv;
    NewNr = FeltNr;
    OldNr = FeltNr;
}

void TXFelter::EnabledAll(bool Enabled)
{
    const std::size_t Antal = std::min(FFelt.size(), std::size_t(std::max(FAntalFelter, 0)));
    for (std::size_t I = 0; I < Antal; ++I)
        FFelt[I].FSit = Enabled ? sNormal : sInaktiv;
    Invalidate();
}

} // namespace kvidrel
