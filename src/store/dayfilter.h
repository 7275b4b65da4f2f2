#pragma once

#include <QDate>
#include <QString>

// Which draws a peña plays, as its DayFilter field holds it. The program
// writes only these three texts.
enum class DayFilter { Tuesday, Friday, Both };

// "Martes", "Viernes" or "Todos".
QString dayFilterText(DayFilter filter);

// A trimmed DayFilter text as a code for quick tests: 0 every draw ("Todos"),
// 1..7 the draws held on that weekday (Monday = 1, named as diasemana names
// it), -1 no draw at all (a text that is no weekday).
int dayFilterCode(const QString& trimmed);
// The weekday of a draw date (Monday = 1); 8 for a date that is no day.
int drawWeekday(double drawDate);
constexpr bool dayCodePlays(int filterCode, int weekday) {
    return filterCode == 0 || filterCode == weekday;
}
// Whether a peña with this trimmed day filter plays a draw held on that date.
bool dayFilterPlays(const QString& trimmed, double drawDate);

// Tuesday or Friday: the days the lottery holds its draws.
bool isDrawWeekday(QDate day);
