#pragma once

#include "check/hits.h"

#include <array>
#include <bit>
#include <cstdint>
#include <span>

// A bet or a draw as bit sets, so that comparing them is two popcounts and a
// table look-up: number n is bit n of a 64-bit word, star s bit s of a 16-bit
// one. A bet whose values repeat or fall outside 1..50 and 1..12 (only a
// damaged record holds one) is not a set: it is compared value by value, as
// countHits does, so every count stays what it always was.
struct NumberSet {
    std::uint64_t numbers = 0;
    std::uint16_t stars = 0;
    bool regular = true;
};

NumberSet betSet(std::span<const qint16> numbers, std::span<const qint16> stars);
// A draw's values in range; a repeated value counts once, as it does for a bet.
NumberSet drawSet(const DrawRecord& draw);

// The category k = 1..13 of a simple bet with a numbers and b stars hit, 0
// for no prize: [a][b], a = 0..5, b = 0..2.
inline constexpr std::array<std::array<std::uint8_t, 3>, 6> kCategoryOf{{
    {0, 0, 0},
    {0, 0, 11},
    {13, 12, 8},
    {10, 9, 7},
    {6, 5, 4},
    {3, 2, 1},
}};

struct HitPair {
    int numbers = 0;
    int stars = 0;
};

// Numbers and stars hit of a regular bet against a draw.
inline HitPair setHits(const NumberSet& bet, const NumberSet& draw) {
    return {std::popcount(bet.numbers & draw.numbers),
            std::popcount(unsigned(bet.stars & draw.stars))};
}
