#include "propvar.h"

namespace kvidrel {

TPropVar::TPropVar(QWidget *AOwner) : TRammeFelt(AOwner) {}

void TPropVar::SetFeltBredde(std::int32_t Value)
{
    FFeltBredde = Value;
    Invalidate();
}

void TPropVar::SetFeltHojde(std::int32_t Value)
{
    FFeltHojde = Value;
    Invalidate();
}

} // namespace kvidrel
