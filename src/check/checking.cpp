#include "check/checking.h"

#include "store/appstate.h"
#include "store/storeerror.h"

#include <algorithm>

namespace {

// Every peña and the window's draws, read once.
std::shared_ptr<ResultsList> readInputs(AppState& state, ListKind kind, int w) {
    auto list = std::make_shared<ResultsList>(kind);
    const int draws = state.nextDrawRecord - 1;
    const int window = std::clamp(w, 0, draws);
    list->draws.reserve(window);
    for (int d = state.nextDrawRecord - 1; d >= state.nextDrawRecord - window; --d) {
        const auto draw = state.files.readDraw(d);
        if (!draw) break; // the file is shorter than counted: the window ends here
        list->draws.append(*draw);
    }
    if (list->draws.isEmpty()) return list;
    list->penas = state.files.readAllPenas();
    const qsizetype penas = std::max(0, state.nextPenaRecord - 1);
    if (list->penas.size() > penas) list->penas.resize(penas);
    return list;
}

// The records are written once each, with what the record-by-record pass
// would have left, so a pass broken off half way never counts a draw twice.
void writeBack(AppState& state, const ResultsList& list, const PassResult& result) {
    for (qsizetype p = 0; p < list.penas.size(); ++p) {
        if (!result.changed[std::size_t(p)]) continue;
        try {
            state.files.writePena(int(p) + 1, list.penas[p]);
        } catch (const StoreError&) {
            // Left as it was: the next pass counts the same draws again.
        }
    }
    if (!list.penas.isEmpty()) state.currentPena = list.penas.back();
}

PassOptions optionsOf(const AppState& state) {
    return {state.showHistory, state.onlyWithPrize};
}

} // namespace

ResultsLists buildSimpleResults(AppState& state, PrizeBlink& blink, int w) {
    ResultsLists out;
    out.simple = readInputs(state, ListKind::Simple, w);
    const PassResult result = simplePass(*out.simple, optionsOf(state));
    writeBack(state, *out.simple, result);
    if (result.prizeFound) blink.simplePrize();
    // Without a multiple-bet peña (or without draws) the multiple list is
    // emptied rather than left showing peñas or draws that are gone.
    out.multiple = result.multipleSeen ? buildMultipleResults(state, blink, w)
                                       : std::make_shared<ResultsList>(ListKind::Multiple);
    return out;
}

std::shared_ptr<ResultsList> buildMultipleResults(AppState& state, PrizeBlink& blink, int w) {
    auto list = readInputs(state, ListKind::Multiple, w);
    const PassResult result = multiplePass(*list, optionsOf(state));
    writeBack(state, *list, result);
    if (result.prizeFound) blink.multiplePrize();
    return list;
}
