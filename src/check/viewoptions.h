#pragma once

#include <QString>

struct AppState;

// The results view options as the General tab's controls change them; each
// returns what the control beside them shows.

// "Histórico": draws before a peña's creation are listed too. NewDrawsLabel
// is emptied, since the lists no longer show just the new draws; returns it.
QString setShowHistory(AppState& state, bool on);
// "Ver sólo si hay premio".
void setOnlyWithPrize(AppState& state, bool on);
// The bar: DrawsToShow follows it; returns the box's text.
QString setDrawsToShow(AppState& state, int draws);
