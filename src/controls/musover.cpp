#include "musover.h"

#include "rulbar.h"

#include <algorithm>

namespace kvidrel {

TMusOver::TMusOver(QWidget *AOwner) : TTekstFelter(AOwner)
{
    NewNr = -1;
    OldNr = -1;
    OverNr = -1;
    SetOnStartNr([this] { StartNrChange(); });
    // The highlight follows the pointer without a button held.
    setMouseTracking(true);
}

TSitRegel TMusOver::Regel() const
{
    // In tool mode without AlleOppe the selection keeps the highlight away.
    const bool Fri = !(FToolFunktion && !FAlleOppe);
    return {Fri, Fri};
}

bool TMusOver::Blokeret(std::int32_t Nr) const
{
    const TFeltSit s = Sit(Nr);
    return s == sInaktiv || (FToolFunktion && !FAlleOppe && s == sAktiv);
}

void TMusOver::GenTegn(std::int32_t Nr)
{
    // Before the first layout the fields have no place yet; the first paint shows them.
    if (CompoMade)
        TegnFelt(Nr);
    if (FCheckFelt)
        FCheckFelt(Nr);
}

void TMusOver::SaetSit(std::int32_t Nr, std::optional<TFeltSit> Ny)
{
    if (!Ny)
        return;
    FFelt[std::size_t(Nr)].FSit = *Ny;
    GenTegn(Nr);
}

void TMusOver::FeltAktiv(std::int32_t Nr, bool Aktiv)
{
    if (!GyldigtFelt(Nr))
        return;
    if (FCheckFelt)
        FFelt[std::size_t(Nr)].Checked = Aktiv;
    SaetSit(Nr, SitEfterAktiv(Sit(Nr), Aktiv, Regel()));
}

void TMusOver::FeltOver(std::int32_t Nr, bool Over)
{
    if (!GyldigtFelt(Nr))
        return;
    SaetSit(Nr, SitEfterOver(Sit(Nr), Over, Regel()));
}

void TMusOver::FeltInaktiv(std::int32_t Nr, bool Inaktiv)
{
    if (!GyldigtFelt(Nr))
        return;
    const bool GenAktiv = FCheckFelt && FFelt[std::size_t(Nr)].Checked;
    SaetSit(Nr, SitEfterInaktiv(Sit(Nr), Inaktiv, GenAktiv));
}

void TMusOver::OverFelt(std::int32_t FeltNr, bool Over)
{
    OverNr = FeltNr;
    FeltOver(FeltNr, Over);
}

void TMusOver::InAktivFelt(std::int32_t FeltNr, bool InAktiv)
{
    if (CompoMade) {
        FeltInaktiv(FeltNr, InAktiv);
        return;
    }
    if (FeltNr < 0)
        return;
    SikrFelt(FeltNr);
    TFelt &T = FFelt[std::size_t(FeltNr)];
    T.FSit = InAktiv ? sInaktiv : (FCheckFelt && T.Checked ? sAktiv : sNormal);
}

void TMusOver::FjernAktiv()
{
    const bool AlleFelter = FCheckFelt && !FToolFunktion;
    if (!CompoMade) {
        if (AlleFelter) {
            for (std::int32_t I = 0; I < FAntalFelter; ++I)
                InitNormal(I);
        } else {
            InitNormal(NewNr);
        }
        return;
    }
    if (AlleFelter) {
        for (std::int32_t I = 0; I < FAntalFelter; ++I)
            FeltAktiv(I, false);
    } else {
        FeltAktiv(NewNr, false);
    }
    NewNr = -1;
    OldNr = -1;
    if (FEnFunktionel)
        FeltOver(OverNr, false);
}

void TMusOver::NytFelt(bool Aktiv)
{
    const std::int64_t Plads = std::int64_t(FAntalLodret) * FAntalVandret;
    if (Plads > FAntalFelter)
        ++FAntalFelter;
    ++FAntalIalt;
    // The new last item comes into view.
    if (Plads < FAntalIalt)
        FStartNr = FAntalIalt - FAntalFelter;
    if (Aktiv) {
        SikrFelt(FAntalIalt - 1);
        if (GyldigtFelt(OldNr))
            FFelt[std::size_t(OldNr)].FSit = sNormal;
        const std::int32_t Sidste = FAntalFelter - 1;
        if (GyldigtFelt(Sidste)) {
            FFelt[std::size_t(Sidste)].FSit = sAktiv;
            NewNr = Sidste;
            OldNr = Sidste;
        }
    }
    FelterBeregnet = false;
    Invalidate();
}

void TMusOver::FjernFelt()
{
    // An empty list has nothing to remove.
    if (FAntalIalt <= 0 && FAntalFelter <= 0)
        return;
    const std::int64_t Plads = std::int64_t(FAntalLodret) * FAntalVandret;
    if (Plads >= FAntalIalt && FAntalFelter > 0)
        --FAntalFelter;
    FAntalIalt = std::max(FAntalIalt - 1, 0);
    if (FStartNr > 0)
        --FStartNr;
    if (GyldigtFelt(NewNr))
        FFelt[std::size_t(NewNr)].FSit = sNormal;
    NewNr = -1;
    OldNr = -1;
    FelterBeregnet = false;
    Invalidate();
}

void TMusOver::SetAction(std::int32_t FeltNr, TNoParam Action, bool Aktiv)
{
    if (FeltNr < 0)
        return;
    SikrFelt(FeltNr);
    TFelt &T = FFelt[std::size_t(FeltNr)];
    T.Action = std::move(Action);
    T.ActionEnabled = Aktiv;
    if (!Aktiv)
        InitInAktiv(FeltNr);
}

void TMusOver::EnabledFelt(std::int32_t FeltNr, bool Aktiv)
{
    if (!GyldigtFelt(FeltNr) || FFelt[std::size_t(FeltNr)].ActionEnabled == Aktiv)
        return;
    FeltInaktiv(FeltNr, !Aktiv);
    if (OverNr == FeltNr)
        OverNr = -1;
    FFelt[std::size_t(FeltNr)].ActionEnabled = Aktiv;
}

std::int32_t TMusOver::GetNr(std::uint16_t KeyArt) const
{
    return OverMaal(KeyArt);
}

void TMusOver::OverMouse(TShiftState, std::int32_t X, std::int32_t Y)
{
    TagFokusVedMus();

    const std::int32_t I = FeltVed(X, Y);
    if (I < 0) {
        if (FTimerType == ttOver)
            SlutTimer();
        FeltOver(OverNr, false);
        OverNr = -1;
        return;
    }
    if (Sit(I) == sInaktiv || I == OverNr)
        return;
    if (FToolFunktion && !FAlleOppe && Sit(I) == sAktiv) {
        // The selection does not take the highlight.
        if (FOnMusOver)
            FOnMusOver(this, I + FStartNr);
        return;
    }
    InRekt = FFelt[std::size_t(I)].IR;
    OverCurs = true;
    FlytOver(I);
    if (FTimerType == ttOver)
        StartTimer();
    if (FOnMusOver)
        FOnMusOver(this, OverNr + FStartNr);
}

void TMusOver::DoEnter()
{
    if (FAntalFelter == 0 || !CompoMade || !TabStop())
        return;
    if (OverNr < 0 && !MusMove)
        OverNr = GetNr(tkHome);
    if (OverNr < 0)
        return;
    FeltOver(OverNr, true);
    if (FTimerType == ttOver)
        StartTimer();
    if (FOnMusOver)
        FOnMusOver(this, OverNr + FStartNr);
}

void TMusOver::DoExit()
{
    if (FAntalFelter == 0)
        return;
    if (TabStop()) {
        FeltOver(OverNr, false);
        if (FNoFoNoOver)
            OverNr = -1;
        if (FTimerType == ttOver)
            SlutTimer();
    }
    if (FNoFoNoAktiv)
        SlipAktiv();
}

void TMusOver::StartNrChange()
{
    FSlutNr = FStartNr + FAntalFelter - 1;
    for (std::int32_t I = 0; I < FAntalFelter; ++I)
        TegnFelt(I);
    if (FPalStartNr)
        FPalStartNr();
    if (TRulBar *Bar = FRulBar)
        Bar->MakePosition(FStartNr);
    if (FNytStartNr)
        FNytStartNr();
}

} // namespace kvidrel
