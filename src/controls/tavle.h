#pragma once

// What the two boards share: their named colours, fonts and text components,
// and the score table, the question field and the answer list, set up once for
// both windows.

#include "compotekst.h"
#include "drawtypes.h"

namespace kvidrel {

class TListe;
class TSkema;
class TGrundFelt;
class TRammeFelt;
class TPropVar;

namespace tavle {

constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clGreen = 0x008000;
constexpr TColor clYellow = 0x00FFFF;
// The score tables' point cells: the white digits stand 7.5:1 against it,
// where the table's money green would give them 1.4:1.
constexpr TColor pointFeltFarve = 0x006400;
// The winners' fields in the standings: black stands 15:1 against it.
constexpr TColor clGuld = 0x00D7FF;

TFont Tahoma(std::int32_t Hojde, TColor Farve);

// The text colour for a field of the fixed colour Felt: black on a light
// field, white on a dark one. The boards' texts take it rather than the
// window text of the style's palette, which a dark style makes pale.
TColor TekstPaa(TColor Felt);

// Which window a question field stands on.
enum TSpmSted
{
    ssHjem,
    ssTavle
};

// The lists' text component: margins 8, word wrap, Tahoma 16. A text too long
// for its field shrinks until it fits, down to a size still read at the
// window's distance.
void saetSpmTekst(TCompoTekst &T, TSpmSted Sted);
// The score tables' text component: left-aligned, margins 4, Tahoma 16 with
// the selected text blue, the highlighted navy, the inactive black.
void saetPointTekst(TCompoTekst &T);
// The name and bar value: margins 8, word wrap, Tahoma 32 red, no depth text.
void saetNavnTekst(TCompoTekst &T);

// The score table: 2 columns of 11 rows, the names in the header column, the
// points white on their own dark cells; nothing answers the mouse.
void saetDeltagerSkema(TSkema &S, TCompoTekst &PointTekst);

// A list of one field showing a text (a name, a question).
void saetEtFelt(TListe &L, TCompoTekst &Tekst);

// The main window's lists stand in a raised sky blue frame.
void saetHimmelRamme(TRammeFelt &F);
// The main window's question: a cream-ringed money green field in the sky blue
// frame.
void saetHjemSpmRamme(TPropVar &F);

// The current question in one field that nothing answers: on the main window
// money green in a sky blue frame, on the board white with a raised, outlined
// money green frame in a larger font.
void saetSpmDisplay(TListe &L, TCompoTekst &SpmTekst, TSpmSted Sted);

// The four answers the host clicks: sunk when pressed, raised under the
// mouse, a hand over the highlighted answer; a selected answer can be clicked
// again to deselect it.
void saetSvarDisplay(TListe &L, TCompoTekst &SpmTekst);

// The board's fields in a row or a grid, white on white with sky blue cell
// frames; nothing answers.
void saetFelter(TListe &L, TCompoTekst &Tekst, int Vandret, int Lodret, const TFont &Font);

// A list the players only look at: no mouse, no keys, no focus.
void kunVisning(TGrundFelt &F);

} // namespace tavle
} // namespace kvidrel
