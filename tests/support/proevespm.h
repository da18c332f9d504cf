#pragma once

// A question whose answers are its text with A to D after it.

#include "questionbank.h"

namespace proeve {

inline kvidrel::SpmRec spm(const QString &tekst, std::uint8_t rigtig, std::int32_t point,
                           bool aktiv = true)
{
    kvidrel::SpmRec q;
    q.Tekst = tekst;
    q.Svar1 = tekst + " A";
    q.Svar2 = tekst + " B";
    q.Svar3 = tekst + " C";
    q.Svar4 = tekst + " D";
    q.RigtigSvar = rigtig;
    q.Point = point;
    q.Aktiv = aktiv;
    return q;
}

} // namespace proeve
