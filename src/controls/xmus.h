#pragma once

// The schema's mouse, as the list's: a press selects a responding field, moving
// out and back shows the old and the new selection in turn, a release inside
// fires OnMus with the field number.

#include "xmusover.h"

namespace kvidrel {

class TXMus : public TXMusOver
{
public:
    explicit TXMus(QWidget *AOwner = nullptr);

protected:
    void MouseDown(TMouseButton Button, TShiftState Shift, std::int32_t X, std::int32_t Y) override;
    void MouseMove(TShiftState Shift, std::int32_t X, std::int32_t Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, std::int32_t X, std::int32_t Y) override;

private:
    void ToolKlik(TMouseButton Button);
};

} // namespace kvidrel
