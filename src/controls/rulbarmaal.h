#pragma once

// The geometry of a scroll bar: its steps, where its buttons, band and knob lie
// and how far the knob moves per step. Plain arithmetic, apart from the drawing.

#include "drawtypes.h"

namespace kvidrel {

// The steps of a bar for a number of positions.
struct TRulTrin
{
    std::int32_t AntalPos = 0; // number of steps
    std::int32_t Frekvens = 1; // positions per step
    std::int32_t Position = 0;
    std::int32_t FPos = 0; // current step
};

// Steps for RulAntal positions: none below 1; Frekvens falls back to 1 when
// RulAntal is not a multiple of it.
TRulTrin BeregnTrin(std::int32_t RulAntal, std::int32_t Frekvens, std::int32_t Position);

struct TRulBarMaalValg
{
    TOrientering Orientering = orLodret;
    std::int32_t Bredde = 16;       // thickness of the bar
    std::int32_t RammeBredde = 0;   // rings of the frame around the bar
    std::int32_t MinKnabHojde = 16; // shortest knob
    std::int32_t MaxInterval = 0;   // largest pixel step, 0 for no limit
    std::int32_t AntalPos = 0;
};

struct TRulBarMaal
{
    TOrientering Orientering = orLodret;
    TRect CRekt;            // the whole bar, inclusive
    TRect OpR;              // first button (up or left), inclusive
    TRect NedR;             // second button (down or right), inclusive
    TRect Rekt;             // band between the buttons, exclusive at the far edges
    std::int32_t Min = 0;   // knob start at the first step
    std::int32_t Max = 0;   // knob start at the last step
    std::int32_t Hojde = 0; // knob length
    double Interval = 0;    // pixels per step

    // Knob start at step FPos (without limits).
    std::int32_t KnabStart(std::int32_t FPos) const;
    // The knob rectangle with its start at Pos.
    TRect KnabVed(std::int32_t Pos) const;
};

// Lays a bar out along the right (vertical) or bottom (horizontal) edge of R.
TRulBarMaal BeregnRulBar(const TRect &R, const TRulBarMaalValg &Valg);

} // namespace kvidrel
