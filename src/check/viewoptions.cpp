#include "check/viewoptions.h"

#include "store/appstate.h"

QString setShowHistory(AppState& state, bool on) {
    state.view.showHistory = on;
    state.view.newDrawsLabel.clear();
    return state.view.newDrawsLabel;
}

void setOnlyWithPrize(AppState& state, bool on) {
    state.view.onlyWithPrize = on;
}

QString setDrawsToShow(AppState& state, int draws) {
    state.view.drawsToShow = draws;
    return QString::number(draws);
}
