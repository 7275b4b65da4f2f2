#include "support/rowstorelists.h"

#include "check/breakdown.h"
#include "check/hits.h"

void RowStore::grow() {
    if (capacity_ >= kChunkRows) {
        chunks_.push_back(std::make_unique_for_overwrite<ResultRow[]>(kChunkRows));
        capacity_ += kChunkRows;
        return;
    }
    const std::size_t rows = capacity_ == 0 ? kFirstRows : capacity_ * 2;
    auto first = std::make_unique_for_overwrite<ResultRow[]>(rows);
    if (chunks_.empty()) {
        chunks_.push_back(std::move(first));
    } else {
        std::copy_n(chunks_[0].get(), size_, first.get());
        chunks_[0] = std::move(first);
    }
    capacity_ = rows;
}

namespace {

// Draw by draw (newest first), peña by peña: a peña of the pass's kind that
// plays the draw gets its three head rows, then `block` adds its bet rows.
template <class Block>
PassResult walkWindow(RowStoreList& list, const PassOptions& options, Block&& block) {
    PassResult result;
    list.rows.clear();
    const bool multiple = list.kind == ListKind::Multiple;
    std::vector<int> filters;
    for (const PenaRecord& pena : list.penas)
        filters.push_back(dayFilterCode(pena));
    for (int d = 0; d < int(list.draws.size()); ++d) {
        const DrawRecord& draw = list.draws[d];
        const int weekday = drawWeekday(draw);
        for (int p = 0; p < int(list.penas.size()); ++p) {
            const PenaRecord& pena = list.penas[p];
            const bool isMultiple = isMultipleMode(pena.betMode);
            if (!multiple && isMultiple) {
                result.multipleSeen = true;
                continue;
            }
            if ((!multiple || isMultiple) &&
                (pena.createdOn <= draw.drawDate || options.showHistory) &&
                dayCodePlays(filters[std::size_t(p)], weekday)) {
                list.rows.push(makeRow(RowKind::Separator, p, d));
                list.rows.push(makeRow(RowKind::PenaHeader, p, d));
                list.rows.push(makeRow(RowKind::DrawDate, p, d));
                block(pena, p, d, draw, result);
            }
        }
    }
    return result;
}

} // namespace

PassResult rowStoreSimplePass(RowStoreList& list, const PassOptions& options) {
    RowStore& rows = list.rows;
    const bool only = options.onlyWithPrize;
    return walkWindow(
        list, options,
        [&](const PenaRecord& pena, int p, int d, const DrawRecord& draw, PassResult& result) {
            const int bets = simpleBetCount(pena.betMode);
            bool blockHasPrize = false;
            int previous = 0;
            for (int b = 0; b < bets; ++b) {
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
            if (only && bets == 0) rows.pop(3);
        });
}

PassResult rowStoreMultiplePass(RowStoreList& list, const PassOptions& options) {
    RowStore& rows = list.rows;
    return walkWindow(
        list, options,
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
