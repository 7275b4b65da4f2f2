#include "check/breakdown.h"
#include "check/hits.h"
#include "check/resultslist.h"

#include <algorithm>

PassResult multiplePass(ResultsList& list, const PassOptions& options) {
    PassResult result;
    const PassStart start = startPass(list, result);
    const int penaCount = start.penaCount;
    const int drawCount = start.drawCount;
    if (drawCount == 0) return result;
    RowStore& rows = list.rows;
    PenaRecord* penas = list.penas.data();
    const std::vector<int>& filters = start.filters;
    const double newest = start.newest;

    for (int d = 0; d < drawCount; ++d) {
        const DrawRecord& draw = list.draws[d];
        const int weekday = drawWeekday(draw);
        for (int p = 0; p < penaCount; ++p) {
            PenaRecord& pena = penas[p];
            const bool plays = isMultipleMode(pena.betMode) &&
                               (pena.createdOn <= draw.drawDate || options.showHistory) &&
                               dayCodePlays(filters[std::size_t(p)], weekday);
            if (plays) {
                rows.push(makeRow(RowKind::Separator, p, d));
                rows.push(makeRow(RowKind::PenaHeader, p, d));
                rows.push(makeRow(RowKind::DrawDate, p, d));
                const int n = std::clamp(modeNumbers(pena.betMode), 0, kBetNumberSlots);
                const int s = std::clamp(modeStars(pena.betMode), 0, kBetStarSlots);
                const HitCount h = countHits(std::span(pena.numbers[0]).first(std::size_t(n)),
                                             std::span(pena.stars[0]).first(std::size_t(s)), draw);
                ResultRow bet = makeRow(RowKind::Bet, p, d);
                bet.hits = h.numberPositions | unsigned(h.starPositions) << kStarHitShift;
                rows.push(bet);
                if (multipleWins(h.numbersHit, h.starsHit)) {
                    result.prizeFound = true;
                    const CategoryCounts counts =
                        breakDownMultiple(pena.betMode, h.numbersHit, h.starsHit);
                    const bool toHits = countsTowardHits(pena, draw);
                    bool first = true;
                    for (int k = 1; k <= 13; ++k) {
                        const int c = counts[std::size_t(k - 1)];
                        if (c <= 0) continue;
                        if (!first) rows.push(makeRow(RowKind::PrizeLine, p, d));
                        first = false;
                        ResultRow& line = rows.back();
                        line.category = std::uint64_t(k);
                        line.aux = std::uint64_t(std::min<unsigned>(unsigned(c), kMaxRowCount));
                        if (toHits) {
                            const qint16 before = pena.hits[k - 1];
                            pena.hits[k - 1] = addHits(before, c);
                            if (pena.hits[k - 1] != before) result.changed[std::size_t(p)] = true;
                        }
                    }
                } else if (options.onlyWithPrize) {
                    rows.pop(4);
                }
            }
            // Every peña, whatever its bets and whether or not it played.
            if (d == drawCount - 1 && pena.lastCounted != newest) {
                pena.lastCounted = newest;
                result.changed[std::size_t(p)] = true;
            }
        }
    }
    return result;
}
