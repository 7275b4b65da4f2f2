#pragma once

#include "check/categories.h"

#include <QDate>
#include <array>

// The game's rules by era. The lottery changed three times what a draw is
// and how its prizes are numbered:
//
// - 13/02/2004, the first draw: Fridays only, stars 1 to 9, 12 prize
//   categories (the 8th is 3+1 and the 9th 2+2, the rarer first).
// - 10/05/2011: a Tuesday draw too, stars 1 to 11, a 13th category (2+0);
//   2+2 became rarer than 3+1 and took the 8th place.
// - 27/09/2016: stars 1 to 12; 3+2 became rarer than 4+0 and took the 6th
//   place, 4+0 the 7th.
//
// Sources: the operators' announcements of the 2011 change (the UK National
// Lottery's "What has happened to EuroMillions?": Tuesday draws, Lucky Stars
// 1 to 11 and the new Match 2 tier from 10 May 2011), the odds tables of the
// 2004 game (9 stars: 3+1 at 1 in 551, 2+2 at 1 in 538) and of the 2011 game
// (11 stars: 2+2 at 1 in 821, 3+1 at 1 in 654), euro-lottery-stats.com's
// history (12 stars from 27 September 2016) and the Spanish press's lists of
// today's 13 categories (6ª 3 números + 2 estrellas, 7ª 4 números).
struct GameEra {
    QDate from;      // the first draw under these rules
    bool tuesdays;   // draws on Tuesdays as well as Fridays
    int highestStar; // stars 1 to this
    int categories;  // official prize categories, 12 or 13
    // The hit pattern of official category c (1-based) at [c - 1].
    std::array<PrizeCategory, 13> official;
};

// The rules a draw held on `day` was played under (the first era for any
// day before 13/02/2004).
const GameEra& gameEra(QDate day);
// All of them, oldest first.
const std::array<GameEra, 3>& gameEras();

// The program's own category k (the order of Hits) of official category c
// in `era`; 0 for a number the era had no category for.
int programCategory(const GameEra& era, int official);
// The official number of the program's category k in `era`; 0 when the era
// paid no prize for that pattern (2+0 before 10/05/2011).
int officialCategory(const GameEra& era, int k);

// The first draw of the game.
inline const QDate kFirstDraw{2004, 2, 13};
