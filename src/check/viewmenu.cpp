#include "check/viewmenu.h"

QString viewMenuTitle(int view) {
    return view == 0 ? QStringLiteral("Sencillas") : QStringLiteral("Múltiples");
}

QList<ViewMenuEntry> viewMenuEntries(int view) {
    // The multiple list's history entry is spelt as the program has always shown it.
    const QString history =
        view == 0 ? QStringLiteral("Histórico (resultados sorteos anteriores a la fecha de "
                                   "creación de las peñas)")
                  : QStringLiteral("Histórico (resultados sorteos anteriores a la fecha de "
                                   "creacón de las peñas)");
    return {
        {QStringLiteral("Todos los resultados"), view, std::nullopt, std::nullopt},
        {QStringLiteral("Sólo si hay premio"), view, true, false},
        {history, view, false, true},
        {QStringLiteral("Sólo si hay premios + histórico"), view, true, true},
    };
}
