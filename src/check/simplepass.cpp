#include "check/hits.h"
#include "check/resultslist.h"

#include <algorithm>

PassStart startPass(ResultsList& list, PassResult& result) {
    PassStart start;
    start.penaCount = int(list.penas.size());
    start.drawCount = int(list.draws.size());
    result.changed.assign(std::size_t(start.penaCount), false);
    list.rows.clear();
    if (start.drawCount == 0) return start;
    start.filters.reserve(std::size_t(start.penaCount));
    for (const PenaRecord& pena : list.penas)
        start.filters.push_back(dayFilterCode(pena));
    start.newest = list.draws[0].drawDate;
    return start;
}

int simpleBetCount(int betMode) {
    return std::clamp(betMode, 0, kMaxBets);
}

PassResult simplePass(ResultsList& list, const PassOptions& options) {
    PassResult result;
    const PassStart start = startPass(list, result);
    const int penaCount = start.penaCount;
    const int drawCount = start.drawCount;
    if (drawCount == 0) return result;
    RowStore& rows = list.rows;
    PenaRecord* penas = list.penas.data();
    const std::vector<int>& filters = start.filters;
    const double newest = start.newest;
    const bool only = options.onlyWithPrize;

    for (int d = 0; d < drawCount; ++d) {
        const DrawRecord& draw = list.draws[d];
        const int weekday = drawWeekday(draw);
        for (int p = 0; p < penaCount; ++p) {
            PenaRecord& pena = penas[p];
            if (isMultipleMode(pena.betMode)) {
                result.multipleSeen = true;
                continue;
            }
            const bool plays = (pena.createdOn <= draw.drawDate || options.showHistory) &&
                               dayCodePlays(filters[std::size_t(p)], weekday);
            if (plays) {
                rows.push(makeRow(RowKind::Separator, p, d));
                rows.push(makeRow(RowKind::PenaHeader, p, d));
                rows.push(makeRow(RowKind::DrawDate, p, d));
                const bool counts = countsTowardHits(pena, draw);
                const int bets = simpleBetCount(pena.betMode);
                bool blockHasPrize = false;
                int previous = 0;
                for (int b = 0; b < bets; ++b) {
                    // With only prizes shown, the previous bet's row goes when it lost.
                    if (only && b > 0 && previous == 0) rows.pop();
                    const HitCount h = countHits(std::span(pena.numbers[b]).first(5),
                                                 std::span(pena.stars[b]).first(2), draw);
                    ResultRow row = makeRow(RowKind::Bet, p, d);
                    row.aux = std::uint64_t(b);
                    row.hits = h.numberPositions | unsigned(h.starPositions) << kStarHitShift;
                    const int k = classifyHits(h);
                    if (k != 0) {
                        blockHasPrize = true;
                        row.category = std::uint64_t(k);
                        result.prizeFound = true;
                        if (counts) {
                            const qint16 before = pena.hits[k - 1];
                            pena.hits[k - 1] = addHits(before, 1);
                            if (pena.hits[k - 1] != before) result.changed[std::size_t(p)] = true;
                        }
                    }
                    rows.push(row);
                    previous = k;
                    if (only && b == bets - 1) {
                        if (k == 0) rows.pop();
                        if (!blockHasPrize) rows.pop(3);
                    }
                }
                // A damaged record without bets leaves no block when only prizes are shown.
                if (only && bets == 0) rows.pop(3);
            }
            // LastCounted moves to the newest draw of the window at its oldest draw.
            if (d == drawCount - 1 && pena.lastCounted != newest) {
                pena.lastCounted = newest;
                result.changed[std::size_t(p)] = true;
            }
        }
    }
    return result;
}
