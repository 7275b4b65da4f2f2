#pragma once

#include "store/dayfilter.h"
#include "store/records.h"

#include <cstdint>
#include <span>

// Comparing one bet with one draw, and the rules of which draws a peña takes
// part in and which of them add to its hits.

struct HitCount {
    int numbersHit = 0;
    int starsHit = 0;
    std::uint16_t numberPositions = 0; // bit p set: bet number p (from 0) was hit
    std::uint8_t starPositions = 0;    // bit p set: bet star p (from 0) was hit

    friend bool operator==(const HitCount&, const HitCount&) = default;
};

// Numbers are compared with the draw's five numbers only and stars with its
// two stars only; the position in the draw plays no part. A multiple bet
// passes all its numbers and stars; the counts still reach at most 5 and 2.
HitCount countHits(std::span<const qint16> numbers, std::span<const qint16> stars,
                   const DrawRecord& draw);

// The prize category k = 1..13 of a simple bet's result, or 0 for no prize.
int classifyHits(int numbersHit, int starsHit);
inline int classifyHits(const HitCount& h) {
    return classifyHits(h.numbersHit, h.starsHit);
}

// Whether a multiple bet with these hits holds at least one winning simple
// bet: two or more numbers, or one number and both stars.
constexpr bool multipleWins(int numbersHit, int starsHit) {
    return numbersHit >= 2 || (numbersHit == 1 && starsHit == 2);
}

// The peña's day filter and a draw's weekday as the codes of store/dayfilter.h.
int dayFilterCode(const PenaRecord& pena);
int drawWeekday(const DrawRecord& draw);

// Created on or before the draw (or the history view is on), and the trimmed
// day filter is the draw's weekday or "Todos".
bool penaPlaysDraw(const PenaRecord& pena, const DrawRecord& draw, bool showHistory);

// A draw adds to the peña's hits when it is newer than LastCounted and not
// older than CreatedOn.
constexpr bool countsTowardHits(double createdOn, double lastCounted, double drawDate) {
    return drawDate > lastCounted && drawDate >= createdOn;
}
inline bool countsTowardHits(const PenaRecord& pena, const DrawRecord& draw) {
    return countsTowardHits(pena.createdOn, pena.lastCounted, draw.drawDate);
}

// Hits counters are 16-bit: an addition stops at 32 767 instead of wrapping.
constexpr qint16 kHitsLimit = 32767;
constexpr qint16 addHits(qint16 counter, int add) {
    const int sum = int(counter) + add;
    return sum > kHitsLimit ? kHitsLimit : sum < -32768 ? qint16(-32768) : qint16(sum);
}
