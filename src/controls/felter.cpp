#include "felter.h"

#include <algorithm>

namespace kvidrel {

TFelter::TFelter(QWidget *AOwner) : TPropVar(AOwner) {}

void TFelter::RammeChange()
{
    FelterBeregnet = false;
    // A frame with its own outline needs no outline per state.
    // Through the setter, so a switch left on by the last drawn field goes too.
    if (FFeltRamme.Omrids())
        SetBrugOmrids(false);
    Invalidate();
}

void TFelter::SetRulBar(TRulBar *Value)
{
    FRulBar = Value;
    if (FRulBar) {
        FAntalIalt = std::max(FAntalIalt, FAntalFelter);
        // The bar lives on the window and may outlast this control.
        const QPointer<TFelter> Selv(this);
        FRulBar->SetOnChange([Selv] {
            if (Selv)
                Selv->RBChange();
        });
        FRulBar->SetOnInterval([Selv](std::int32_t Nr) {
            if (Selv)
                Selv->RbPosChange(Nr);
        });
        // The bar draws on this control's canvas between paints too.
        FRulBar->SetOnTegnet([Selv] {
            if (Selv)
                Selv->update();
        });
        // This control draws the bar; its own widget stays out of sight.
        FRulBar->hide();
        FelterBeregnet = false;
    }
    Invalidate();
}

void TFelter::RBChange()
{
    FelterBeregnet = false;
    Invalidate();
}

void TFelter::RbPosChange(std::int32_t Nr)
{
    SetStartNr(Nr);
}

void TFelter::SikrFelt(std::int32_t FeltNr)
{
    if (FeltNr >= 0 && FFelt.size() < std::size_t(FeltNr) + 1)
        FFelt.resize(std::size_t(FeltNr) + 1);
}

void TFelter::InitFelt(std::int32_t FeltAntal)
{
    FFelt.resize(std::size_t(std::max(FeltAntal, 0)));
}

void TFelter::BeregnFelter()
{
    const TXFeltRamme &F = FFeltRamme;

    BegraensAntalFelter();
    FFelt.resize(std::size_t(FAntalFelter));
    FSlutNr = FStartNr + FAntalFelter - 1;

    std::int32_t B = CompoRekt.Right - CompoRekt.Left;
    std::int32_t H = CompoRekt.Bottom - CompoRekt.Top;
    std::int32_t X = CompoRekt.Left;
    std::int32_t Y = CompoRekt.Top;

    if (FRulBar) {
        FAntalIalt = std::max(FAntalIalt, FAntalFelter);
        FRulBar->BeregnDim(Canvas(), CompoRekt, FAntalIalt - FAntalFelter);
        const std::int32_t Bar = FRulBar->Bredde() + FRulBar->Afstand() + 1;
        if (FRulBar->Orientering() == orLodret)
            B -= Bar;
        else
            H -= Bar;
    }

    if (FAntalFelter > 0) {
        Fordel(B, FAntalVandret, F.AfstandLodret(), 0, FFeltBredde, X);
        Fordel(H, FAntalLodret, F.AfstandVandret(), 0, FFeltHojde, Y);
    }

    TFeltGang Gang(Gitter(), X, Y, F.AfstandLodret(), F.AfstandVandret());
    const std::int32_t FB = F.Bredde();
    for (std::int32_t I = 0; I < FAntalFelter; ++I) {
        TFelt &T = FFelt[std::size_t(I)];
        T.Nummer = I;
        T.X1 = Gang.X();
        T.X2 = T.X1 + FFeltBredde;
        T.Y1 = Gang.Y();
        T.Y2 = T.Y1 + FFeltHojde;
        T.YR = Rect(T.X1, T.Y1, T.X2, T.Y2);
        T.IR = T.YR.shrunk(FB);
        Gang.Naeste(I, T.X2, T.Y2);
    }

    if (!FFelt.empty())
        InRekt = FFelt.front().IR;
    FelterBeregnet = !F.TilpasAlign();
    CompoMade = true;
}

void TFelter::MakeRamme(std::int32_t Nr)
{
    if (!GyldigtFelt(Nr))
        return;
    TCanvas &Can = Canvas();
    TXFeltRamme &F = FFeltRamme;
    const TFelt &T = FFelt[std::size_t(Nr)];
    const TFeltSit s = T.FSit;
    const bool Over = ErUnderMus(s);

    if (FRulFunktion) {
        TegnRulFelt(Can, F, T.YR, s, FEnFunktionel, FBrugOverFarve);
        return;
    }

    SaetSitFarver(F, ErValgt(s), FToolFunktion && !FAlleOppe ? s == sOver : Over, Over);
    switch (s) {
    case sNormal:
    case sInaktiv:
        F.MakeRamme(Can, T.YR);
        break;
    case sAktiv:
        F.MakeRammeArt(Can, T.YR, FReaktion);
        break;
    case sOver:
        F.MakeRammeArt(Can, T.YR, FOverReaktion);
        break;
    case sOverAktiv:
        F.MakeRammeArt(Can, T.YR, FToolFunktion || MouseNede ? FReaktion : FOverReaktion);
        break;
    default:
        break;
    }
}

void TFelter::Paint()
{
    TPropVar::Paint();
    if (FAntalFelter == 0)
        return;
    BeregnFelter();
    for (std::int32_t I = 0; I < FAntalFelter; ++I)
        MakeRamme(I);
    if (FRulBar) {
        FRulBar->SetPosition(FStartNr);
        FRulBar->Paint();
    }
}

void TFelter::SetStartNr(std::int32_t Value)
{
    std::int32_t V = Value;
    if (FAntalFelter + V > FAntalIalt)
        V = FAntalIalt - FAntalFelter;
    if (V < 0)
        V = 0;
    if (V == FStartNr)
        return;
    // The selection belongs to an item that scrolls away.
    if (GyldigtFelt(NewNr))
        FFelt[std::size_t(NewNr)].FSit = sNormal;
    NewNr = -1;
    OldNr = -1;
    FStartNr = V;
    // The highlight is no longer drawn, but the field keeps it for the keys.
    if (GyldigtFelt(OverNr))
        FFelt[std::size_t(OverNr)].FSit = sNormal;
    if (CompoMade && FOnStartNr)
        FOnStartNr();
    else
        Invalidate();
}

void TFelter::InitNormal(std::int32_t FeltNr)
{
    if (FeltNr < 0)
        return;
    SikrFelt(FeltNr);
    if (!CompoMade)
        return;
    NewNr = -1;
    OldNr = -1;
    TFelt &T = FFelt[std::size_t(FeltNr)];
    T.FSit = sNormal;
    if (FCheckFelt)
        T.Checked = false;
}

void TFelter::InitAktiv(std::int32_t FeltNr)
{
    if (FeltNr < 0)
        return;
    SikrFelt(FeltNr);
    TFelt &T = FFelt[std::size_t(FeltNr)];
    T.FSit = sAktiv;
    NewNr = FeltNr;
    OldNr = FeltNr;
    if (FCheckFelt)
        T.Checked = true;
}

void TFelter::EnabledAll(bool Aktiv)
{
    if (!CompoMade)
        InitFelt(FAntalFelter);
    if (Enabled() == Aktiv)
        return;
    SetEnabled(Aktiv);
    for (std::size_t I = 0; I < FFelt.size(); ++I) {
        TFelt &T = FFelt[I];
        if (!Aktiv) {
            // A selected field that is also highlighted is still the selection.
            if (ErValgt(T.FSit) && !FCheckFelt)
                T.Checked = true;
            T.FSit = sInaktiv;
            NewNr = -1;
            OldNr = -1;
        } else if (T.Checked) {
            T.FSit = sAktiv;
            NewNr = std::int32_t(I);
            OldNr = std::int32_t(I);
            if (!FCheckFelt)
                T.Checked = false;
        } else {
            T.FSit = sNormal;
        }
    }
    if (CompoMade)
        Invalidate();
}

} // namespace kvidrel
