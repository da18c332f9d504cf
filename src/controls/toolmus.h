#pragma once

// The list's mouse: a press selects the field under the pointer, moving out of
// it and back shows the old and the new selection in turn, and a release
// inside fires OnMus (in tool mode the selection stays, like one button of a
// group; in button mode a field is active only while pressed).

#include "musover.h"

namespace kvidrel {

class TToolMus : public TMusOver
{
public:
    explicit TToolMus(QWidget *AOwner = nullptr);

    // A completed click in tool mode, before the field's action and OnMus.
    const TButtonNr &FarveKlik() const { return FFarveKlik; }
    void SetFarveKlik(TButtonNr Value) { FFarveKlik = std::move(Value); }

    // Selects (or deselects) field FeltNr; before the first layout it is only recorded.
    void AktivFelt(std::int32_t FeltNr, bool Aktiv);

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, std::int32_t X, std::int32_t Y) override;
    void MouseMove(TShiftState Shift, std::int32_t X, std::int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, std::int32_t X, std::int32_t Y) override;

    TButtonNr FFarveKlik;

private:
    void ToolKlik(TMouseButton Button);
};

} // namespace kvidrel
