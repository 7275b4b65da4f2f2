#pragma once

struct AppState;
struct Platform;

// "Exportar...": peña `record`'s report, as a PDF or a CSV file as the user
// chooses in the save dialog, written through a work file and renamed over
// the chosen one. Tells the user when it could not be written.
void exportPena(AppState& state, Platform& platform, int record);
