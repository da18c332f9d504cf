#pragma once

// The rules that the list and the schema share: how a field's state answers a
// request to select, highlight or disable it, and which field a navigation key
// leads to. Pure functions of the state and the grid, so both controls use one
// piece of code and the rules can be tested without a widget.

#include "drawtypes.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace kvidrel {

// Where the two controls differ in the state transitions.
struct TSitRegel
{
    // A highlighted field that becomes active keeps its highlight (state 3);
    // otherwise it becomes plain active (state 1).
    bool AktivBeholderOver = true;
    // An active field takes the highlight (state 3); otherwise it stays active
    // and is only repainted.
    bool AktivTagerOver = true;
};

// The new state of a field in state s; nullopt when nothing changes and
// nothing is to be repainted. A state above 4 is repainted unchanged.
std::optional<TFeltSit> SitEfterAktiv(TFeltSit s, bool Aktiv, const TSitRegel &Regel);
std::optional<TFeltSit> SitEfterOver(TFeltSit s, bool Over, const TSitRegel &Regel);
// Enabling gives state 1 when GenAktiv (a check box field that was checked).
std::optional<TFeltSit> SitEfterInaktiv(TFeltSit s, bool Inaktiv, bool GenAktiv);

// Key codes of the keys the fields react to.
enum TTast : std::uint16_t
{
    tkIngen = 0,
    tkEnter = 13,
    tkMellemrum = 32,
    tkEnd = 35,
    tkHome = 36,
    tkVenstre = 37,
    tkOp = 38,
    tkHojre = 39,
    tkNed = 40
};

struct TGitter
{
    std::int32_t AntalFelter = 0;
    std::int32_t AntalLodret = 0;
    std::int32_t AntalVandret = 0;
    bool NumLodret = false; // numbered down the columns
};

// Whether field Nr is closed to the highlight and the arrow keys.
using TBlokeret = std::function<bool(std::int32_t Nr)>;

// The lowest field that is not blocked; the last field is taken untested.
std::int32_t FoersteFri(std::int32_t AntalFelter, const TBlokeret &Blokeret);

// The field that key KeyArt leads to from field Fra: -1 when every field is
// blocked, Fra when the key cannot move (or is no navigation key).
std::int32_t NavigationsMaal(const TGitter &Gitter, std::int32_t Fra, std::uint16_t KeyArt,
                             const TBlokeret &Blokeret);

} // namespace kvidrel
