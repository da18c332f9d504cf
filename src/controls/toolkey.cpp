#include "toolkey.h"

namespace kvidrel {

TToolKey::TToolKey(QWidget *AOwner) : TToolMus(AOwner) {}

bool TToolKey::Enter()
{
    if (OverNr < 0 || !ErUnderMus(Sit(OverNr)))
        return false;
    if (FToolFunktion) {
        ToolEnter();
    } else {
        // A highlighted field that is also selected is in sOverAktiv.
        const bool ErAktiv = Sit(OverNr) == sOverAktiv;
        NewNr = OverNr;
        if (FCheckFelt)
            FeltAktiv(NewNr, !ErAktiv);
    }
    if (GyldigtFelt(NewNr) && FFelt[std::size_t(NewNr)].Action)
        FFelt[std::size_t(NewNr)].Action();
    else if (FOnMus)
        FOnMus(this, mbLeft, NewNr + FStartNr);
    return true;
}

void TToolKey::Naviger(std::uint16_t Key)
{
    const std::int32_t N = GetNr(Key);
    if (N < 0)
        return;
    if (N != OverNr) {
        FlytOver(N);
        if (FOnMusOver)
            FOnMusOver(this, OverNr + FStartNr);
        return;
    }
    // The highlight is at the edge: a longer list scrolls by one item.
    if (FAntalIalt <= FAntalFelter)
        return;
    const std::uint16_t Tilbage = FNumLodret ? tkOp : tkVenstre;
    const std::uint16_t Frem = FNumLodret ? tkNed : tkHojre;
    if (Key == Tilbage)
        SetStartNr(FStartNr - 1);
    else if (Key == Frem)
        SetStartNr(FStartNr + 1);
}

bool TToolKey::KeyDown(std::uint16_t Key, TShiftState)
{
    if (FAntalFelter == 0)
        return false;
    return TastNed(Key);
}

} // namespace kvidrel
