#pragma once

#include "check/hits.h"
#include "check/resultslist.h"

#include <algorithm>

// The walk both passes share: draw by draw (newest first), peña by peña. A
// peña of the pass's kind that plays the draw gets its three head rows and
// then `block(pena, p, d, draw, result)` adds its bet rows and prizes. Every
// peña the pass looks at has LastCounted moved to the newest draw of the
// window (its latest date) at its oldest draw. The simple pass leaves multiple-bet peñas to the
// multiple pass and only notes that one was met.
// Clears the rows, marks no peña changed and codes every day filter once.
inline PassStart startPass(ResultsList& list, PassResult& result) {
    PassStart start;
    start.penaCount = int(list.penas.size());
    start.drawCount = int(list.draws.size());
    result.changed.assign(std::size_t(start.penaCount), false);
    list.rows.clear();
    if (start.drawCount == 0) return start;
    start.filters.reserve(std::size_t(start.penaCount));
    for (const PenaRecord& pena : list.penas)
        start.filters.push_back(dayFilterCode(pena));
    // The latest date of the window, which is its first draw in a file kept
    // in date order: LastCounted never falls behind a draw already counted.
    start.newest = list.draws[0].drawDate;
    for (const DrawRecord& draw : list.draws)
        start.newest = std::max(start.newest, draw.drawDate);
    return start;
}

template <class Block>
PassResult walkWindow(ResultsList& list, const PassOptions& options, ListKind kind, Block&& block) {
    PassResult result;
    const PassStart start = startPass(list, result);
    const bool multiple = kind == ListKind::Multiple;
    RowStore& rows = list.rows;
    for (int d = 0; d < start.drawCount; ++d) {
        const DrawRecord& draw = list.draws[d];
        const int weekday = drawWeekday(draw);
        for (int p = 0; p < start.penaCount; ++p) {
            PenaRecord& pena = list.penas[p];
            const bool isMultiple = isMultipleMode(pena.betMode);
            if (!multiple && isMultiple) {
                result.multipleSeen = true;
                continue;
            }
            const bool plays = (!multiple || isMultiple) &&
                               (pena.createdOn <= draw.drawDate || options.showHistory) &&
                               dayCodePlays(start.filters[std::size_t(p)], weekday);
            if (plays) {
                rows.push(makeRow(RowKind::Separator, p, d));
                rows.push(makeRow(RowKind::PenaHeader, p, d));
                rows.push(makeRow(RowKind::DrawDate, p, d));
                block(pena, p, d, draw, result);
            }
            if (d == start.drawCount - 1 && pena.lastCounted != start.newest) {
                pena.lastCounted = start.newest;
                result.changed[std::size_t(p)] = true;
            }
        }
    }
    return result;
}

// Adds c prizes of category k to a peña's hits when the draw counts for it.
inline void addPrizes(PenaRecord& pena, int p, int k, int c, bool counts, PassResult& result) {
    if (!counts) return;
    const qint16 before = pena.hits[k - 1];
    pena.hits[k - 1] = addHits(before, c);
    if (pena.hits[k - 1] != before) result.changed[std::size_t(p)] = true;
}
