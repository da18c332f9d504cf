#pragma once

// The list's field states in motion: selecting, highlighting and disabling a
// field repaints it at once; the highlight follows the pointer and the focus;
// the pointer turns into CursorOver over the highlighted field; a new StartNr
// redraws every field.

#include "feltinput.h"
#include "tekstfelter.h"

namespace kvidrel {

class TMusOver : public TTekstFelter
{
public:
    explicit TMusOver(QWidget *AOwner = nullptr);

    // Called after the fields were redrawn for a new StartNr.
    const TNoParam &PalStartNr() const { return FPalStartNr; }
    void SetPalStartNr(TNoParam Value) { FPalStartNr = std::move(Value); }
    const TNotifyEvent &NytStartNr() const { return FNytStartNr; }
    void SetNytStartNr(TNotifyEvent Value) { FNytStartNr = std::move(Value); }

    // State changes of visible field Nr; a change repaints the field at once.
    void FeltAktiv(std::int32_t Nr, bool Aktiv) override;
    void FeltOver(std::int32_t Nr, bool Over) override;
    void FeltInaktiv(std::int32_t Nr, bool Inaktiv);

    void NormalFelt(std::int32_t FeltNr) { FeltAktiv(FeltNr, false); }
    void OverFelt(std::int32_t FeltNr, bool Over);
    void InAktivFelt(std::int32_t FeltNr, bool InAktiv);
    void FjernAktiv();
    // The caller appended one item (and wants it selected with Aktiv), or
    // removed one; the texts are the caller's.
    void NytFelt(bool Aktiv);
    void FjernFelt();
    // A click on the field runs Action; a field without an enabled action is
    // disabled.
    void SetAction(std::int32_t FeltNr, TNoParam Action, bool Aktiv);
    void EnabledFelt(std::int32_t FeltNr, bool Aktiv);

    // The field a navigation key leads to from the highlight; -1 when every
    // field is blocked.
    std::int32_t GetNr(std::uint16_t KeyArt) const;
    // Closed to the highlight and the arrow keys.
    bool Blokeret(std::int32_t Nr) const override;

protected:
    // The highlight follows the pointer (no button held).
    void OverMouse(TShiftState Shift, std::int32_t X, std::int32_t Y);
    void DoEnter() override;
    void DoExit() override;
    // Redraws every field for the new StartNr.
    void StartNrChange();
    // Repaints visible field Nr at once and reports it to the check-box hook.
    void GenTegn(std::int32_t Nr);

    TNoParam FPalStartNr;
    TNotifyEvent FNytStartNr;

private:
    TSitRegel Regel() const;
    void SaetSit(std::int32_t Nr, std::optional<TFeltSit> Ny);
};

} // namespace kvidrel
