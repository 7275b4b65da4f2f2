#include "app/refresh.h"

#include "store/appstate.h"

StatusView refreshStatusState(AppState& state, QDate today) {
    const StatusView v = computeStatus(state.files, today);
    state.nextDrawRecord = v.nextDrawRecord;
    state.latestDraw = v.latestDraw;
    state.playedDraws = v.playedDraws;
    return v;
}

SummaryView refreshSummaryState(AppState& state, const QLocale& locale) {
    const QList<PenaRecord> penas = state.files.readAllPenas();
    SummaryView s = computeSummary(penas, state.playedDraws, locale);
    s.money =
        moneyLines(allPenasMoney(penas, state.files.readAllDraws(), state.files.readAllPrizes()));
    state.nextPenaRecord = s.nextPenaRecord;
    if (!penas.isEmpty()) state.currentPena = penas.last();
    return s;
}

Activation activate(AppState& state, int activationCount) {
    Activation a;
    // A peña file that could not be opened was reported at start-up: it is
    // not an empty one.
    a.welcome =
        activationCount == 1 && state.files.penas().isOpen() && !state.files.penas().read(1);
    a.resultsBackToOne = state.view.penaAdded == 1;
    state.view.penaAdded = 0;
    return a;
}
