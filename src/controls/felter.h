#pragma once

// A grid of framed fields laid out in the content rectangle, each painted by its
// state, showing a window of StartNr to SlutNr over AntalIalt items with an
// optional scroll bar beside it.

#include "propvar.h"
#include "rulbar.h"

#include <QPointer>

#include <vector>

namespace kvidrel {

// One field of the grid.
struct TFelt : TFeltGrund
{
    // The selection across disabling and enabling; the check box state with a
    // CheckFelt hook.
    bool Checked = false;
    TNoParam Action; // executed when the field is clicked
    bool ActionEnabled = false;
};

using TFeltArray = std::vector<TFelt>;

class TFelter : public TPropVar
{
public:
    explicit TFelter(QWidget *AOwner = nullptr);
    TFeltArray &Felt() { return FFelt; }
    const TFeltArray &Felt() const { return FFelt; }
    void SetFelt(TFeltArray Value) { FFelt = std::move(Value); }

    // Item shown in field 0.
    std::int32_t StartNr() const { return FStartNr; }
    void SetStartNr(std::int32_t Value);
    std::int32_t AntalIalt() const { return FAntalIalt; }
    void SetAntalIalt(std::int32_t Value) { Refresh(FAntalIalt, Value); }
    // Item shown in the last field.
    std::int32_t SlutNr() const { return FSlutNr; }
    // Called when StartNr changed after the first layout.
    const TNoParam &OnStartNr() const { return FOnStartNr; }
    void SetOnStartNr(TNoParam Value) { FOnStartNr = std::move(Value); }
    // A scroll bar on the same window; not owned.
    TRulBar *RulBar() const { return FRulBar.data(); }
    void SetRulBar(TRulBar *Value);
    // With this hook the fields behave as independent check boxes.
    const TNummer &CheckFelt() const { return FCheckFelt; }
    void SetCheckFelt(TNummer Value) { FCheckFelt = std::move(Value); }

    // Lays the fields out in the content rectangle.
    void BeregnFelter();
    // Draws the frame of visible field Nr by its state.
    void MakeRamme(std::int32_t Nr) override;

    void InitFelt(std::int32_t FeltAntal);
    // Set a field's state without painting.
    void InitNormal(std::int32_t FeltNr);
    void InitAktiv(std::int32_t FeltNr);
    // Enables or disables the control and all its fields; a disabled list
    // remembers its selection.
    void EnabledAll(bool Aktiv);

protected:
    void Paint() override;

    // Whether Nr is a field of the array.
    bool GyldigtFelt(std::int32_t Nr) const { return Nr >= 0 && std::size_t(Nr) < FFelt.size(); }
    const TFeltGrund *FeltGrund(std::int32_t Nr) const override
    {
        return GyldigtFelt(Nr) ? &FFelt[std::size_t(Nr)] : nullptr;
    }
    TFeltGrund *SikretFelt(std::int32_t Nr) override
    {
        SikrFelt(Nr);
        return &FFelt[std::size_t(Nr)];
    }
    // Grows the field array to at least FeltNr + 1 entries.
    void SikrFelt(std::int32_t FeltNr);

    // A new field frame also lays the fields out again.
    void RammeChange() override;
    void RBChange();
    void RbPosChange(std::int32_t Nr);

    TFeltArray FFelt;
    std::int32_t FStartNr = 0;
    std::int32_t FAntalIalt = 0;
    std::int32_t FSlutNr = 0;
    TNoParam FOnStartNr;
    QPointer<TRulBar> FRulBar;
    TNummer FCheckFelt;
};

} // namespace kvidrel
