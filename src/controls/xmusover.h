#pragma once

// The schema's field states in motion, as in the list: selecting, highlighting
// and disabling a field repaints it at once, the highlight follows the pointer
// and the focus, and the pointer turns into CursorOver over the highlighted
// field. Fields with NoRespons take no part. Events carry the field number.

#include "feltinput.h"
#include "xtekst.h"

namespace kvidrel {

class TXMusOver : public TXTekst
{
public:
    explicit TXMusOver(QWidget *AOwner = nullptr);

    // State changes of field Nr; a change repaints the field at once.
    void FeltAktiv(std::int32_t Nr, bool Aktiv) override;
    void FeltOver(std::int32_t Nr, bool Over) override;
    void FeltInaktiv(std::int32_t Nr, bool Inaktiv);

    void AktivFelt(std::int32_t FeltNr, bool Aktiv);
    void OverFelt(std::int32_t FeltNr, bool Over) { FeltOver(FeltNr, Over); }
    void InAktivFelt(std::int32_t FeltNr, bool InAktiv) { FeltInaktiv(FeltNr, InAktiv); }
    void FjernAktiv();
    void FjernOver();

    // The field a navigation key leads to from field CNr; -1 when every field
    // is blocked.
    std::int32_t GetNr(std::int32_t CNr, std::uint16_t KeyArt) const;
    // Closed to the highlight and the arrow keys.
    bool Blokeret(std::int32_t Nr) const override;
    // Open to the mouse: a field that is neither NoRespons nor inactive.
    bool Svarer(std::int32_t Nr) const;

protected:
    void OverMouse(TShiftState Shift, std::int32_t X, std::int32_t Y);
    void DoEnter() override;
    void DoExit() override;

private:
    TSitRegel Regel() const;
    void SaetSit(std::int32_t Nr, std::optional<TFeltSit> Ny);
};

} // namespace kvidrel
