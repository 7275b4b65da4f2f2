#pragma once

#include "check/money.h"

#include <QString>

// How amounts are written: "1.234,56 €", dots between thousands, a comma
// before the cents and a minus sign in front when negative.
QString eurosText(Cents cents);
// "1234,56": the same without grouping or sign of the euro, for a spreadsheet.
QString plainEurosText(Cents cents);
// "(3 sorteos sin premios conocidos)"; empty for none.
QString unknownDrawsText(int draws);

// The three lines of the peña manager and of the all-peñas summary.
struct MoneyLines {
    QString won;
    QString played;
    QString balance;
    bool balanceNegative = false; // red; green otherwise
    QString unknownNote;
};
MoneyLines moneyLines(const PenaMoney& money);
// The dashes shown while there is no peña.
MoneyLines noMoneyLines();

inline const QString kWonCaption = QStringLiteral("Ganado:");
inline const QString kPlayedCaption = QStringLiteral("Jugado:");
inline const QString kBalanceCaption = QStringLiteral("Balance:");
