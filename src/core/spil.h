#pragma once

// The rules of a game that need no window: who plays, whose turn it is, which
// question is on, what it is worth and what an answer scores.

#include "participants.h"
#include "questionbank.h"

#include <QRandomGenerator>
#include <QString>
#include <QVector>
#include <cstdint>
#include <optional>

namespace kvidrel {

// The score tables have ten player rows.
constexpr std::int32_t maxSpillere = 10;
// The point bar runs from 0 to 100.
constexpr std::int32_t laveste = 1;
constexpr std::int32_t hoejeste = 100;

// A point value the bar can reach: 1 to 100.
std::int32_t begraensPoint(std::int32_t Point);

// A value drawn uniformly from minPoint to maxPoint, both included, and then
// bounded to what the bar can reach.
std::int32_t traekPoint(std::int32_t minPoint, std::int32_t maxPoint, QRandomGenerator &tilfaeldig);

// The participants marked active in the register, in register order, at most
// ten of them; overMax tells whether more were marked.
TDel aktiveDeltagere(const TDel &Del, bool *overMax = nullptr);

// The local file of a question's music when it is a regular audio or video
// file; empty otherwise, so that a script, a desktop entry or a folder named
// by a question file is never handed to the shell.
QString musikFil(const QString &musikFilnavn);

// One player's row in the standings.
struct StillingsRaekke
{
    std::int32_t plads = 0; // 1-based; equal points share a place
    QString navn;
    std::int32_t point = 0;
    bool vinder = false; // first place with points to show for it
};

// The standings: best first, equal points in register order and on the same
// place, the next place counting everybody above it (1, 1, 3). Nobody wins on
// 0 points: a game where nobody scored has no winner to cheer.
QVector<StillingsRaekke> stilling(const TDel &spillere);

// The result of a registered answer.
struct Svar
{
    bool rigtigt = false;
    std::int32_t point = 0;             // awarded: the bar's value or 0
    std::int32_t spillerNr = 0;         // 1-based
    QString svaretTekst;                // the clicked answer
    std::optional<QString> rigtigTekst; // none when the file names no answer 1 to 4
};

class Spil
{
public:
    enum class Tilstand
    {
        IngenSpil, // spmNummer 0
        Taeller,   // the bar is rising
        Aaben,     // an answer may be registered
        Besvaret
    };

    // The questions of the chosen group: only the active ones are kept, in
    // list order. A running game ends.
    void tagSpm(const TSpm &alle);
    std::int32_t antalSpm() const { return std::int32_t(FSpm.size()); }
    // The question on now; nullptr while no game runs.
    const SpmRec *aktueltSpm() const;

    // Whether the game would go on with the same players in the same order:
    // the same register entries, whatever their names are now.
    bool sammeSpillere(const TDel &nye) const;
    // Sets up a new game with these players (at most ten are kept); points are
    // kept when fortsaet is true, and the game is the next round, otherwise they
    // start at 0 in round 1.
    void startSpil(const TDel &nye, bool fortsaet);
    std::int32_t antalSpillere() const { return std::int32_t(FSpiller.size()); }
    // The player whose turn it is; nullptr before the first turn.
    const Deltagere *aktivSpiller() const;

    // Next question: true when one is on, false when the game is over
    // (spmNummer back to 0). The turn passes on separately, with skiftTur.
    bool naesteSpm();
    // The next player's turn; after the last player comes the first again.
    void skiftTur();
    // The bar reached the question's value.
    void aabnForSvar() { FSvarTilladt = FSpmNummer > 0; }
    // Registers the answer in field FeltNr (0 to 3) with the bar's value; none
    // unless the question is open and the field holds an answer. A question is
    // answered at most once.
    std::optional<Svar> svar(std::int32_t FeltNr, std::int32_t spmPoint);
    // Ends a running game; the players keep their points.
    void slut();

    Tilstand tilstand() const;
    // The players of this game, with their points.
    const TDel &spillere() const { return FSpiller; }
    // 1-based: whose turn it is; 0 before the first turn.
    std::int32_t tur() const { return FTur; }
    // 1-based: the question on now; 0 while no game runs.
    std::int32_t spmNummer() const { return FSpmNummer; }
    bool svarTilladt() const { return FSvarTilladt; }
    bool derErSvaret() const { return FDerErSvaret; }
    // The round of the last game started; 0 before the first.
    std::int32_t runde() const { return FRunde; }

private:
    TSpm FSpm; // the active questions of the chosen group
    TDel FSpiller;
    std::int32_t FTur = 0;
    std::int32_t FSpmNummer = 0;
    bool FSvarTilladt = false;
    bool FDerErSvaret = false;
    std::int32_t FRunde = 0;
};

} // namespace kvidrel
