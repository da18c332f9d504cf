#include "xkey.h"

namespace kvidrel {

TXKey::TXKey(QWidget *AOwner) : TXMus(AOwner) {}

bool TXKey::Enter()
{
    if (OverNr < 0 || !ErUnderMus(Sit(OverNr)))
        return false;
    if (FToolFunktion)
        ToolEnter();
    else
        NewNr = OverNr;
    if (FOnMus)
        FOnMus(this, mbLeft, NewNr);
    return true;
}

void TXKey::Naviger(std::uint16_t Key)
{
    const std::int32_t N = GetNr(OverNr, Key);
    if (N < 0 || N == OverNr)
        return;
    FlytOver(N);
    if (FOnMusOver)
        FOnMusOver(this, OverNr);
}

bool TXKey::KeyDown(std::uint16_t Key, TShiftState)
{
    return TastNed(Key);
}

} // namespace kvidrel
