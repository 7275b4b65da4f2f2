#pragma once

#include "app/status.h"
#include "app/summary.h"

#include <QDate>
#include <QLocale>
#include <QString>

struct AppState;

// The main window's refreshes as far as they change the shared state: each
// establishes the counters from the files and returns what the window shows.

// RefreshStatus: NextDrawRecord, LatestDraw and PlayedDraws.
StatusView refreshStatusState(AppState& state, QDate today);
// The peña scan of RefreshSummary: NextPenaRecord and CurrentPena.
SummaryView refreshSummaryState(AppState& state, const QLocale& locale);

// What the main window does on becoming active again.
struct Activation {
    bool welcome = false;          // the first time, over an empty peña file
    bool resultsBackToOne = false; // a peña was added: lists back to one draw, then RefreshStatus
};
// Counts the activation (the caller's counter) and clears PenaAdded.
Activation activate(AppState& state, int activationCount);

inline const QString kWelcomeText = QStringLiteral(
    "Bienvenido a Vantiko. Vaya a la pestaña 'Gestor de Peñas' y cree una. La peña creada "
    "empezará a almacenar resultados a partir de hoy. Si quieres ver los resultados de la peña en "
    "sorteos anteriores, marque la casilla 'Histórico' de la pestaña 'General'.");
inline const QString kWelcomeTitle = QStringLiteral("Fichero de peñas vacío");
