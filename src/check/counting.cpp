#include "check/counting.h"

#include "check/breakdown.h"
#include "check/hits.h"
#include "check/numbersets.h"
#include "check/resultslist.h"

#include <algorithm>

namespace {

bool byDate(const DrawRecord& a, const DrawRecord& b) {
    return a.drawDate < b.drawDate;
}

// A peña's bets as sets, made once for all the draws it counts.
struct PenaBets {
    explicit PenaBets(const PenaRecord& pena) : multiple(isMultipleMode(pena.betMode)) {
        if (multiple) {
            const int n = std::clamp(modeNumbers(pena.betMode), 0, kBetNumberSlots);
            const int s = std::clamp(modeStars(pena.betMode), 0, kBetStarSlots);
            numbers = std::span(pena.numbers[0]).first(std::size_t(n));
            stars = std::span(pena.stars[0]).first(std::size_t(s));
            sets[0] = betSet(numbers, stars);
            count = 1;
            return;
        }
        count = simpleBetCount(pena.betMode);
        for (int b = 0; b < count; ++b)
            sets[std::size_t(b)] = betSet(std::span(pena.numbers[std::size_t(b)]).first(5),
                                          std::span(pena.stars[std::size_t(b)]).first(2));
    }

    HitPair hits(const PenaRecord& pena, int b, const DrawRecord& draw,
                 const NumberSet& drawBits) const {
        const NumberSet& bet = sets[std::size_t(b)];
        if (bet.regular) return setHits(bet, drawBits);
        const HitCount h = multiple
                               ? countHits(numbers, stars, draw)
                               : countHits(std::span(pena.numbers[std::size_t(b)]).first(5),
                                           std::span(pena.stars[std::size_t(b)]).first(2), draw);
        return {h.numbersHit, h.starsHit};
    }

    bool multiple;
    int count = 0;
    std::span<const qint16> numbers, stars; // the multiple bet
    std::array<NumberSet, kMaxBets> sets{};
};

bool addPrize(PenaRecord& pena, int k, int c) {
    const qint16 before = pena.hits[std::size_t(k - 1)];
    pena.hits[std::size_t(k - 1)] = addHits(before, c);
    return pena.hits[std::size_t(k - 1)] != before;
}

bool addPrizes(PenaRecord& pena, const PenaBets& bets, const DrawRecord& draw,
               const NumberSet& drawBits) {
    bool changed = false;
    if (bets.multiple) {
        const HitPair h = bets.hits(pena, 0, draw, drawBits);
        if (!multipleWins(h.numbers, h.stars)) return false;
        const CategoryCounts counts = breakDownMultiple(pena.betMode, h.numbers, h.stars);
        for (int k = 1; k <= kCategories; ++k)
            if (counts[std::size_t(k - 1)] > 0)
                changed = addPrize(pena, k, counts[std::size_t(k - 1)]) || changed;
        return changed;
    }
    for (int b = 0; b < bets.count; ++b) {
        const HitPair h = bets.hits(pena, b, draw, drawBits);
        if (const int k = kCategoryOf[std::size_t(h.numbers)][std::size_t(h.stars)])
            changed = addPrize(pena, k, 1) || changed;
    }
    return changed;
}

} // namespace

int countNewDraws(QList<PenaRecord>& penas, const QList<DrawRecord>& draws,
                  std::vector<bool>& changed) {
    changed.assign(std::size_t(penas.size()), false);
    if (draws.isEmpty()) return 0;
    const bool sorted = std::is_sorted(draws.begin(), draws.end(), byDate);
    double newest = draws.first().drawDate;
    for (const DrawRecord& d : draws)
        newest = std::max(newest, d.drawDate);

    // Made only once some peña has a draw to count.
    std::vector<NumberSet> drawBits;
    std::vector<int> weekdays;
    const auto prepare = [&] {
        if (!drawBits.empty()) return;
        drawBits.reserve(std::size_t(draws.size()));
        weekdays.reserve(std::size_t(draws.size()));
        for (const DrawRecord& d : draws) {
            drawBits.push_back(drawSet(d));
            weekdays.push_back(drawWeekday(d));
        }
    };

    int count = 0;
    for (qsizetype p = 0; p < penas.size(); ++p) {
        PenaRecord& pena = penas[p];
        const double last = pena.lastCounted;
        // In a file kept in date order the draws to count are its end.
        qsizetype i = 0;
        if (sorted) {
            DrawRecord key;
            key.drawDate = last;
            i = std::upper_bound(draws.begin(), draws.end(), key, byDate) - draws.begin();
        }
        bool touched = false;
        if (i < draws.size()) {
            prepare();
            const PenaBets bets(pena);
            const int filter = dayFilterCode(pena);
            for (; i < draws.size(); ++i) {
                const DrawRecord& d = draws[i];
                if (countsTowardHits(pena.createdOn, last, d.drawDate) &&
                    dayCodePlays(filter, weekdays[std::size_t(i)]))
                    touched = addPrizes(pena, bets, d, drawBits[std::size_t(i)]) || touched;
            }
        }
        if (newest > pena.lastCounted) {
            pena.lastCounted = newest;
            touched = true;
        }
        if (touched) {
            changed[std::size_t(p)] = true;
            ++count;
        }
    }
    return count;
}
