#include "xmusover.h"

#include <algorithm>

namespace kvidrel {

TXMusOver::TXMusOver(QWidget *AOwner) : TXTekst(AOwner)
{
    NewNr = -1;
    OldNr = -1;
    OverNr = -1;
    // The highlight follows the pointer without a button held.
    setMouseTracking(true);
}

TSitRegel TXMusOver::Regel() const
{
    // In tool mode a highlighted field that is selected loses its highlight;
    // a selected field always takes it.
    return {!FToolFunktion, true};
}

bool TXMusOver::Svarer(std::int32_t Nr) const
{
    return GyldigtFelt(Nr) && !FFelt[std::size_t(Nr)].NoRespons && Sit(Nr) != sInaktiv;
}

bool TXMusOver::Blokeret(std::int32_t Nr) const
{
    if (GyldigtFelt(Nr) && FFelt[std::size_t(Nr)].NoRespons)
        return true;
    const TFeltSit s = Sit(Nr);
    return s == sInaktiv || (FToolFunktion && !FAlleOppe && s == sAktiv);
}

void TXMusOver::SaetSit(std::int32_t Nr, std::optional<TFeltSit> Ny)
{
    if (!Ny)
        return;
    FFelt[std::size_t(Nr)].FSit = *Ny;
    // Before the first layout the fields have no place yet; the first paint shows them.
    if (CompoMade)
        TegnFelt(Nr);
}

void TXMusOver::FeltAktiv(std::int32_t Nr, bool Aktiv)
{
    if (GyldigtFelt(Nr))
        SaetSit(Nr, SitEfterAktiv(Sit(Nr), Aktiv, Regel()));
}

void TXMusOver::FeltOver(std::int32_t Nr, bool Over)
{
    if (GyldigtFelt(Nr))
        SaetSit(Nr, SitEfterOver(Sit(Nr), Over, Regel()));
}

void TXMusOver::FeltInaktiv(std::int32_t Nr, bool Inaktiv)
{
    if (GyldigtFelt(Nr))
        SaetSit(Nr, SitEfterInaktiv(Sit(Nr), Inaktiv, false));
}

void TXMusOver::AktivFelt(std::int32_t FeltNr, bool Aktiv)
{
    if (FToolFunktion)
        FeltOver(FeltNr, false);
    FeltAktiv(OldNr, false);
    FeltAktiv(FeltNr, Aktiv);
    NewNr = Aktiv ? FeltNr : -1;
    OldNr = NewNr;
}

void TXMusOver::FjernAktiv()
{
    // The selection becomes normal, also from selected and highlighted.
    FeltInaktiv(NewNr, false);
    NewNr = -1;
    OldNr = -1;
}

void TXMusOver::FjernOver()
{
    FeltOver(OverNr, false);
    OverNr = -1;
}

std::int32_t TXMusOver::GetNr(std::int32_t CNr, std::uint16_t KeyArt) const
{
    return NavigationsMaal(Gitter(), CNr, KeyArt, [this](std::int32_t Nr) { return Blokeret(Nr); });
}

void TXMusOver::OverMouse(TShiftState, std::int32_t X, std::int32_t Y)
{
    TagFokusVedMus();

    const std::int32_t I = FeltVed(X, Y);
    if (I < 0) {
        FeltOver(OverNr, false);
        OverNr = -1;
        return;
    }
    if (!Svarer(I) || I == OverNr)
        return;
    if (FToolFunktion && !FAlleOppe && Sit(I) == sAktiv) {
        // The selection does not take the highlight.
        if (FOnMusOver)
            FOnMusOver(this, I);
        return;
    }
    InRekt = FFelt[std::size_t(I)].IR;
    OverCurs = true;
    FlytOver(I);
    if (FOnMusOver)
        FOnMusOver(this, OverNr);
}

void TXMusOver::DoEnter()
{
    if (!CompoMade || !TabStop())
        return;
    if (OverNr < 0 && !MusMove)
        OverNr = GetNr(OverNr, tkHome);
    if (OverNr < 0)
        return;
    FeltOver(OverNr, true);
    if (FOnMusOver)
        FOnMusOver(this, OverNr);
}

void TXMusOver::DoExit()
{
    if (TabStop()) {
        FeltOver(OverNr, false);
        if (FNoFoNoOver)
            OverNr = -1;
    }
    if (FNoFoNoAktiv)
        SlipAktiv();
}

} // namespace kvidrel
