#include "xmus.h"

namespace kvidrel {

TXMus::TXMus(QWidget *AOwner) : TXMusOver(AOwner) {}

void TXMus::MouseDown(TMouseButton, TShiftState, std::int32_t X, std::int32_t Y)
{
    TagFokus();
    const std::int32_t I = FeltVed(X, Y);
    if (!Svarer(I))
        return;
    TrykNed(I);
}

void TXMus::MouseMove(TShiftState Shift, std::int32_t X, std::int32_t Y)
{
    if (!CompoMade)
        return;
    if (MouseNede) {
        // Coming back leaves the highlight alone.
        TrykFlyt(IFelt(NewNr, X, Y), false);
    } else if (FMusOver) {
        OverMouse(Shift, X, Y);
    }
}

void TXMus::ToolKlik(TMouseButton Button)
{
    ToolKlikVis();
    // A handler run meanwhile may have taken the selection away.
    if (NewNr >= 0 && FOnMus)
        FOnMus(this, Button, NewNr);
}

void TXMus::MouseUp(TMouseButton Button, TShiftState, std::int32_t X, std::int32_t Y)
{
    if (!MouseNede)
        return;
    MouseNede = false;
    MouseOver = false;

    if (FToolFunktion) {
        if (IFelt(NewNr, X, Y))
            ToolKlik(Button);
        else
            ToolFortrudt();
        return;
    }
    FeltAktiv(NewNr, false);
    BehandlVentende();
    if (IFelt(NewNr, X, Y) && FOnMus)
        FOnMus(this, Button, NewNr);
}

} // namespace kvidrel
