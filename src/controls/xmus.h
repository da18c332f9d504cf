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
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, std::int32_t X, std::int32_t Y);
    virtual void MouseMove(TShiftState Shift, std::int32_t X, std::int32_t Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, std::int32_t X, std::int32_t Y);

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void ToolKlik(TMouseButton Button);
};

} // namespace kvidrel
