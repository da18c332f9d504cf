#include "rulbarmaal.h"

namespace kvidrel {

TRulTrin BeregnTrin(std::int32_t RulAntal, std::int32_t Frekvens, std::int32_t Position)
{
    TRulTrin Trin;
    Trin.Frekvens = Frekvens < 1 ? 1 : Frekvens;
    if (RulAntal < 1)
        return Trin;
    if (RulAntal % Trin.Frekvens != 0)
        Trin.Frekvens = 1;
    Trin.AntalPos = RulAntal / Trin.Frekvens;
    Trin.Position = Position;
    Trin.FPos = Position / Trin.Frekvens;
    return Trin;
}

std::int32_t TRulBarMaal::KnabStart(std::int32_t FPos) const
{
    return std::int32_t(FPos * Interval) + Min;
}

TRect TRulBarMaal::KnabVed(std::int32_t Pos) const
{
    if (Orientering == orLodret)
        return {OpR.Left, Pos, OpR.Right, Pos + Hojde};
    return {Pos, OpR.Top, Pos + Hojde, OpR.Bottom};
}

TRulBarMaal BeregnRulBar(const TRect &R, const TRulBarMaalValg &Valg)
{
    TRulBarMaal M;
    M.Orientering = Valg.Orientering;
    const bool Lodret = Valg.Orientering == orLodret;
    // A horizontal bar is one pixel thicker than a vertical one of the same width.
    M.CRekt = Lodret ? TRect{R.Right - Valg.Bredde, R.Top, R.Right - 1, R.Bottom - 1}
                     : TRect{R.Left, R.Bottom - 1 - Valg.Bredde, R.Right - 1, R.Bottom - 1};
    const std::int32_t xl = M.CRekt.Left + Valg.RammeBredde;
    const std::int32_t xr = M.CRekt.Right - Valg.RammeBredde;
    const std::int32_t ot = M.CRekt.Top + Valg.RammeBredde;
    const std::int32_t ob = M.CRekt.Bottom - Valg.RammeBredde;

    // Square buttons at both ends; the band between them is filled, so its far
    // edge lies one beyond the inclusive button edges.
    std::int32_t Laengde;
    if (Lodret) {
        const std::int32_t IB = xr - xl;
        M.OpR = {xl, ot, xr, ot + IB};
        M.NedR = {xl, ob - IB, xr, ob};
        M.Rekt = {xl, ot + IB + 1, xr + 1, ob - IB};
        M.Min = M.Rekt.Top;
        Laengde = M.Rekt.Bottom - M.Rekt.Top;
    } else {
        const std::int32_t IB = ob - ot;
        M.OpR = {xl, ot, xl + IB, ob};
        M.NedR = {xr - IB, ot, xr, ob};
        M.Rekt = {xl + IB + 1, ot, xr - IB, ob + 1};
        M.Min = M.Rekt.Left;
        Laengde = M.Rekt.Right - M.Rekt.Left;
    }
    const std::int32_t Ende = Lodret ? M.Rekt.Bottom : M.Rekt.Right;

    if (Valg.AntalPos < 1) {
        M.Hojde = Laengde - 1;
        M.Max = M.Min;
        return M;
    }
    // The knob shrinks by what the steps take, down to its minimum length.
    const std::int32_t FeltHojde = Laengde - Valg.MinKnabHojde;
    if (Valg.MaxInterval > 0 && std::int64_t(Valg.MaxInterval) * Valg.AntalPos < FeltHojde)
        M.Interval = Valg.MaxInterval;
    else
        M.Interval = double(FeltHojde) / Valg.AntalPos;
    const auto IntervalHojde = std::int32_t(Valg.AntalPos * M.Interval);
    M.Hojde = FeltHojde - IntervalHojde + Valg.MinKnabHojde;
    M.Max = Ende - M.Hojde;
    return M;
}

} // namespace kvidrel
