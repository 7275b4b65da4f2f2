#pragma once

class Prompter;
struct AppState;

// DeletePena: asks, removes record SelectedPena through a work copy and
// reports a refused rewrite. True when the file changed (the caller then
// refreshes its views).
bool runDeletePena(AppState& state, Prompter& prompter);
