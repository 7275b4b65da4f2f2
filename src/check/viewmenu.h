#pragma once

#include <QList>
#include <QString>
#include <optional>

// The view entries of the "General" menu: each selects the General tab,
// shows its list and then sets "Ver sólo si hay premio" and "Histórico".
struct ViewMenuEntry {
    QString text;
    int view; // 0 simple list, 1 multiple list
    std::optional<bool> onlyWithPrize;
    std::optional<bool> showHistory;
};

// "Sencillas" (view 0) or "Múltiples" (view 1).
QString viewMenuTitle(int view);
QList<ViewMenuEntry> viewMenuEntries(int view);
