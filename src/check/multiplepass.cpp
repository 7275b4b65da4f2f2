#include "check/breakdown.h"
#include "check/passwalk.h"

#include <algorithm>

PassResult multiplePass(ResultsList& list, const PassOptions& options) {
    RowStore& rows = list.rows;
    return walkWindow(
        list, options, ListKind::Multiple,
        [&](const PenaRecord& pena, int p, int d, const DrawRecord& draw, PassResult& result) {
            const int n = std::clamp(modeNumbers(pena.betMode), 0, kBetNumberSlots);
            const int s = std::clamp(modeStars(pena.betMode), 0, kBetStarSlots);
            const HitCount h = countHits(std::span(pena.numbers[0]).first(std::size_t(n)),
                                         std::span(pena.stars[0]).first(std::size_t(s)), draw);
            ResultRow bet = makeRow(RowKind::Bet, p, d);
            bet.hits = h.numberPositions | unsigned(h.starPositions) << kStarHitShift;
            rows.push(bet);
            if (!multipleWins(h.numbersHit, h.starsHit)) {
                if (options.onlyWithPrize) rows.pop(4);
                return;
            }
            result.prizeFound = true;
            const CategoryCounts counts = breakDownMultiple(pena.betMode, h.numbersHit, h.starsHit);
            bool first = true;
            for (int k = 1; k <= 13; ++k) {
                const int c = counts[std::size_t(k - 1)];
                if (c <= 0) continue;
                if (!first) rows.push(makeRow(RowKind::PrizeLine, p, d));
                first = false;
                ResultRow& line = rows.back();
                line.category = std::uint64_t(k);
                line.aux = std::uint64_t(std::min<unsigned>(unsigned(c), kMaxRowCount));
            }
        });
}
