#pragma once

#include "check/breakdown.h"
#include "store/records.h"

#include <QList>
#include <array>

// What a peña has won and played, in euro cents, worked out from the draws,
// their prizes and the peña; nothing of it is stored. The draws that count
// are those the hit counters hold: on the peña's days, from CreatedOn up to
// LastCounted.

using Cents = qint64;

// The prize of one winning simple bet of the program's category k at
// [k - 1] in one draw: premios.dat's official categories mapped to their hit
// patterns by the draw's era. -1 where it is not known; 0 for a pattern the
// era paid nothing for (2+0 before 10/05/2011).
using PrizeTable = std::array<Cents, kCategories>;
PrizeTable prizeTable(const PrizeRecord* prizes, double drawDate);

// Whether a draw counts for the peña's amounts.
bool countsForMoney(const PenaRecord& pena, const DrawRecord& draw);
// Simple bets the peña plays in one draw (a multiple bet stands for cuantos).
int simpleBetsPlayed(const PenaRecord& pena);
// The peña's winning simple bets per category in one draw.
CategoryCounts winningBets(const PenaRecord& pena, const DrawRecord& draw);
// What those bets come to with the known prizes; `known` is cleared when one
// of them has no known prize.
Cents prizeMoney(const CategoryCounts& bets, const PrizeTable& table, bool* known = nullptr);

struct DrawMoney {
    DrawRecord draw;
    CategoryCounts bets{}; // winning simple bets per category
    PrizeTable prizes{};
    Cents won = 0; // with the known prizes
    Cents played = 0;
    Cents balance = 0;       // the peña's balance after this draw
    bool prizesKnown = true; // false: the draw's prizes, or one the peña won, not known
};

struct PenaMoney {
    Cents won = 0;
    Cents played = 0;
    // Counted draws whose prizes are not known (each draw once).
    int unknownDraws = 0;
    QList<DrawMoney> draws; // the counted draws, oldest first
    Cents balance() const { return won - played; }
};

// `prizes` as premios.dat keeps them (date order). Draws in any order.
PenaMoney penaMoney(const PenaRecord& pena, const QList<DrawRecord>& draws,
                    const QList<PrizeRecord>& prizes);
// All peñas together, without the draws' lines; a draw whose prizes are not
// known is told once however many peñas counted it.
PenaMoney allPenasMoney(const QList<PenaRecord>& penas, const QList<DrawRecord>& draws,
                        const QList<PrizeRecord>& prizes);
