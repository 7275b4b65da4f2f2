#include "check/passwalk.h"

#include <algorithm>

int simpleBetCount(int betMode) {
    return std::clamp(betMode, 0, kMaxBets);
}

PassResult simplePass(ResultsList& list, const PassOptions& options) {
    RowStore& rows = list.rows;
    const bool only = options.onlyWithPrize;
    return walkWindow(
        list, options, ListKind::Simple,
        [&](const PenaRecord& pena, int p, int d, const DrawRecord& draw, PassResult& result) {
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
                }
                rows.push(row);
                previous = k;
                if (only && b == bets - 1) {
                    if (k == 0) rows.pop();
                    if (!blockHasPrize) rows.pop(3);
                }
            }
            // A damaged record without bets leaves no block when only prizes are
            // shown.
            if (only && bets == 0) rows.pop(3);
        });
}
