#include "check/viewoptions.h"

#include "store/appstate.h"

QString setShowHistory(AppState& state, bool on) {
    state.showHistory = on;
    state.newDrawsLabel.clear();
    return state.newDrawsLabel;
}

void setOnlyWithPrize(AppState& state, bool on) {
    state.onlyWithPrize = on;
}

QString setDrawsToShow(AppState& state, int draws) {
    state.drawsToShow = draws;
    return QString::number(draws);
}
