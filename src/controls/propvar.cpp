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

void TPropVar::StoerrelseAendret()
{
    FelterBeregnet = false;
}

void TPropVar::RammeForandret()
{
    FelterBeregnet = false;
    TRammeFelt::RammeForandret();
}

} // namespace kvidrel
