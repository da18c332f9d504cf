#include "propvar.h"

namespace kvidrel {

void TegnRulFelt(TCanvas &Can, const TXRamme &F, const TRect &YR, TFeltSit s, bool EnFunktionel,
                 bool BrugOverFarve)
{
    switch (s) {
    case 0:
        Can.Brush.Color = F.FeltFarve();
        break;
    case 1:
    case 3:
        Can.Brush.Color = F.AktivFarve();
        break;
    case 2:
        Can.Brush.Color = EnFunktionel ? F.AktivFarve() : F.FeltFarve();
        break;
    case 4:
        Can.Brush.Color = F.OverFarve();
        break;
    default:
        break;
    }
    const bool Over = s == 2 || s == 3;
    Can.Pen.Color = BrugOverFarve && Over ? F.OverFarve() : Can.Brush.Color;
    Can.Rectangle(YR.Left, YR.Top, YR.Right, YR.Bottom);
}

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
