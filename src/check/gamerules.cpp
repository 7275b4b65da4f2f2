#include "check/gamerules.h"

namespace {

const std::array<GameEra, 3> kEras{{
    {QDate(2004, 2, 13),
     false,
     9,
     12,
     {{{5, 2},
       {5, 1},
       {5, 0},
       {4, 2},
       {4, 1},
       {4, 0},
       {3, 2},
       {3, 1},
       {2, 2},
       {3, 0},
       {1, 2},
       {2, 1},
       {-1, -1}}}},
    {QDate(2011, 5, 10),
     true,
     11,
     13,
     {{{5, 2},
       {5, 1},
       {5, 0},
       {4, 2},
       {4, 1},
       {4, 0},
       {3, 2},
       {2, 2},
       {3, 1},
       {3, 0},
       {1, 2},
       {2, 1},
       {2, 0}}}},
    {QDate(2016, 9, 27),
     true,
     12,
     13,
     {{{5, 2},
       {5, 1},
       {5, 0},
       {4, 2},
       {4, 1},
       {3, 2},
       {4, 0},
       {2, 2},
       {3, 1},
       {3, 0},
       {1, 2},
       {2, 1},
       {2, 0}}}},
}};

} // namespace

const std::array<GameEra, 3>& gameEras() {
    return kEras;
}

const GameEra& gameEra(QDate day) {
    for (auto era = kEras.rbegin(); era != kEras.rend(); ++era)
        if (day >= era->from) return *era;
    return kEras.front();
}

int programCategory(const GameEra& era, int official) {
    if (official < 1 || official > era.categories) return 0;
    const PrizeCategory p = era.official[std::size_t(official - 1)];
    for (int k = 1; k <= 13; ++k)
        if (category(k).numbers == p.numbers && category(k).stars == p.stars) return k;
    return 0;
}

int officialCategory(const GameEra& era, int k) {
    for (int c = 1; c <= era.categories; ++c)
        if (programCategory(era, c) == k) return c;
    return 0;
}
