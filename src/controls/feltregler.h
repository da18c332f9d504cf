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
    // A highlighted field that becomes active keeps its highlight
    // (sOverAktiv); otherwise it becomes plain sAktiv.
    bool AktivBeholderOver = true;
    // An active field takes the highlight (sOverAktiv); otherwise it stays active
    // and is only repainted.
    bool AktivTagerOver = true;
};

// The new state of a field in state s; nullopt when nothing changes and
// nothing is to be repainted. A state above sInaktiv is repainted unchanged.
std::optional<TFeltSit> SitEfterAktiv(TFeltSit s, bool Aktiv, const TSitRegel &Regel);
std::optional<TFeltSit> SitEfterOver(TFeltSit s, bool Over, const TSitRegel &Regel);
// Enabling gives sAktiv when GenAktiv (a check box field that was checked).
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

// The field size along one axis of Plads pixels holding Antal fields Afstand
// apart. A fixed header size Fast is taken off first and the other fields share
// the rest; left-over pixels are split before and after the grid, the odd one
// after, and Start moves past the part before.
void Fordel(std::int32_t Plads, std::int32_t Antal, std::int32_t Afstand, std::int32_t Fast,
            std::int32_t &Stoerrelse, std::int32_t &Start);

// Walks the grid while it is laid out: where the next field starts, along the
// rows or, with NumLodret, down the columns.
class TFeltGang
{
public:
    TFeltGang(const TGitter &Gitter, std::int32_t X, std::int32_t Y, std::int32_t AfstandLodret,
              std::int32_t AfstandVandret);

    std::int32_t X() const { return FX; }
    std::int32_t Y() const { return FY; }
    // Field Nr ended at (X2, Y2); the next one starts beside or below it, or
    // begins a new row or column.
    void Naeste(std::int32_t Nr, std::int32_t X2, std::int32_t Y2);

private:
    TGitter FGitter;
    std::int32_t FStartX;
    std::int32_t FStartY;
    std::int32_t FAfstandLodret;
    std::int32_t FAfstandVandret;
    std::int32_t FX;
    std::int32_t FY;
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
