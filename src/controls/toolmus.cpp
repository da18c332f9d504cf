#include "toolmus.h"

#include "rulbar.h"

namespace kvidrel {

TToolMus::TToolMus(QWidget *AOwner) : TMusOver(AOwner) {}

void TToolMus::AktivFelt(std::int32_t FeltNr, bool Aktiv)
{
    if (!CompoMade) {
        if (Aktiv)
            InitAktiv(FeltNr);
        return;
    }
    if (FToolFunktion) {
        FeltOver(FeltNr, false);
        if (!FAlleOppe)
            FeltAktiv(OldNr, false);
    }
    FeltAktiv(FeltNr, Aktiv);
    NewNr = Aktiv ? FeltNr : -1;
    OldNr = NewNr;
}

void TToolMus::MouseDown(TMouseButton, TShiftState, std::int32_t X, std::int32_t Y)
{
    if (FAntalFelter == 0)
        return;
    TagFokus();

    const std::int32_t I = FeltVed(X, Y);
    if (I < 0) {
        if (TRulBar *Bar = FRulBar)
            Bar->MusDown(X, Y);
        return;
    }
    if (Sit(I) == sInaktiv)
        return;
    TrykNed(I);
}

void TToolMus::MouseMove(TShiftState Shift, std::int32_t X, std::int32_t Y)
{
    if (!CompoMade || FAntalFelter == 0)
        return;
    if (MouseNede) {
        TrykFlyt(IFelt(NewNr, X, Y), true);
    } else if (FMusOver) {
        OverMouse(Shift, X, Y);
    }
    if (TRulBar *Bar = FRulBar)
        Bar->MusMove(X, Y);
}

void TToolMus::ToolKlik(TMouseButton Button)
{
    ToolKlikVis();
    // A handler run meanwhile may have taken the selection away.
    if (NewNr < 0)
        return;
    const std::int32_t FeltNr = NewNr + FStartNr;
    if (FFarveKlik)
        FFarveKlik(Button, FeltNr);
    if (GyldigtFelt(NewNr) && FFelt[std::size_t(NewNr)].Action)
        FFelt[std::size_t(NewNr)].Action();
    if (FOnMus)
        FOnMus(this, Button, FeltNr);
}

void TToolMus::MouseUp(TMouseButton Button, TShiftState, std::int32_t X, std::int32_t Y)
{
    if (FAntalFelter == 0)
        return;
    if (TRulBar *Bar = FRulBar)
        Bar->MusUp(X, Y);
    if (!MouseNede)
        return;

    if (FToolFunktion) {
        if (IFelt(NewNr, X, Y))
            ToolKlik(Button);
        else
            ToolFortrudt();
    } else {
        FeltAktiv(NewNr, false);
        BehandlVentende();
        if (IFelt(NewNr, X, Y)) {
            const std::int32_t FeltNr = NewNr + FStartNr;
            if (FFelt[std::size_t(NewNr)].Action)
                FFelt[std::size_t(NewNr)].Action();
            if (FOnMus)
                FOnMus(this, Button, FeltNr);
        }
    }
    MouseNede = false;
    MouseOver = false;
}

} // namespace kvidrel
