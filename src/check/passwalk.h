#pragma once

#include "check/hits.h"
#include "check/resultslist.h"

#include <algorithm>

// The walk both passes share: draw by draw (newest first), peña by peña. A
// peña of the pass's kind that plays the draw gets its three head rows and
// then `block(pena, p, d, draw, result)` adds its bet rows. The simple pass
// leaves multiple-bet peñas to the multiple pass and only notes that one was
// met. Counting the prizes into the peñas' hits is not the lists' business
// (check/counting.h).
// Clears the rows and codes every day filter once.
inline PassStart startPass(ResultsList& list) {
    PassStart start;
    start.penaCount = int(list.penas.size());
    start.drawCount = int(list.draws.size());
    list.rows.clear();
    if (start.drawCount == 0) return start;
    start.filters.reserve(std::size_t(start.penaCount));
    for (const PenaRecord& pena : list.penas)
        start.filters.push_back(dayFilterCode(pena));
    return start;
}

template <class Block>
PassResult walkWindow(ResultsList& list, const PassOptions& options, ListKind kind, Block&& block) {
    PassResult result;
    const PassStart start = startPass(list);
    const bool multiple = kind == ListKind::Multiple;
    RowStore& rows = list.rows;
    for (int d = 0; d < start.drawCount; ++d) {
        const DrawRecord& draw = list.draws[d];
        const int weekday = drawWeekday(draw);
        for (int p = 0; p < start.penaCount; ++p) {
            const PenaRecord& pena = list.penas[p];
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
        }
    }
    return result;
}
