#pragma once

// The colouring of a frame's rings, counted from the outside: raised, sunk or
// flat per ring. Kept apart from the drawing so it can be reasoned about alone.

#include "drawtypes.h"

namespace kvidrel {

// What the ring colouring depends on.
struct TRingValg
{
    TRammeType Art = rtIngen;
    std::int32_t Antal = 0; // rings in the band
    std::int32_t Dybde = 0;
    std::int32_t RifleBredde = 0;
};

// Walks the rings of a band from the outside inward; a ridged band carries
// state from ring to ring, so the drawing and the single-ring query share this.
class TRingFoelge
{
public:
    explicit TRingFoelge(const TRingValg &Valg);
    // The colouring of the next ring (the first call gives ring 1).
    TRammeRetning Naeste();

private:
    TRingValg FValg;
    std::int64_t FRD = 0;
    std::int64_t FFR;   // last ring of the current bevel group of a ridged band
    std::int64_t FKonL; // ring after which a ridged band switches its bevel
    TRammeRetning FRet1;
    TRammeRetning FRet2;
};

// The colouring of ring RD (1 = outermost) of a band; rrIngen for RD below 1.
TRammeRetning RingRetning(const TRingValg &Valg, std::int32_t RD);

} // namespace kvidrel
