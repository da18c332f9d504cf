#include "ringfoelge.h"

namespace kvidrel {

TRingFoelge::TRingFoelge(const TRingValg &Valg)
    : FValg(Valg), FFR(Valg.Dybde), FKonL(std::int64_t(Valg.Dybde) + Valg.RifleBredde),
      FRet1(Valg.Art == rtInd ? rrInd : rrUd), FRet2(Valg.Art == rtInd ? rrUd : rrInd)
{}

TRammeRetning TRingFoelge::Naeste()
{
    ++FRD;
    // Without a depth every ring of a bevelled kind takes the outer bevel.
    if (FValg.Dybde == 0 && FValg.Art != rtIngen)
        return FRet1;

    switch (FValg.Art) {
    case rtIngen:
        return rrIngen;
    case rtUd:
    case rtInd:
        if (FRD <= FValg.Dybde)
            return FRet1;
        if (FRD > std::int64_t(FValg.Antal) - FValg.Dybde)
            return FRet2;
        return rrIngen;
    case rtRiflet: {
        const TRammeRetning Ret = FRD <= FFR ? FRet1 : rrIngen;
        if (FRD == FKonL) {
            // A raised group is followed by the flat gap, a sunk one is not.
            FRet1 = FRet1 == rrUd ? rrInd : rrUd;
            FFR = FValg.Dybde + FRD;
            FKonL += FRet1 == rrInd ? FValg.Dybde : std::int64_t(FValg.Dybde) + FValg.RifleBredde;
        }
        return Ret;
    }
    }
    return rrIngen;
}

TRammeRetning RingRetning(const TRingValg &Valg, std::int32_t RD)
{
    TRingFoelge Foelge(Valg);
    TRammeRetning Ret = rrIngen;
    for (std::int32_t i = 0; i < RD; ++i)
        Ret = Foelge.Naeste();
    return Ret;
}

} // namespace kvidrel
