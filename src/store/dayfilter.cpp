#include "store/dayfilter.h"

#include "store/dates.h"

QString dayFilterText(DayFilter filter) {
    switch (filter) {
    case DayFilter::Tuesday:
        return QStringLiteral("Martes");
    case DayFilter::Friday:
        return QStringLiteral("Viernes");
    case DayFilter::Both:
        break;
    }
    return QStringLiteral("Todos");
}

int dayFilterCode(const QString& trimmed) {
    if (trimmed == dayFilterText(DayFilter::Both)) return 0;
    // 2024-01-01 is a Monday.
    for (int d = 1; d <= 7; ++d)
        if (trimmed == diasemana(QDate(2024, 1, d))) return d;
    return -1;
}

int drawWeekday(double drawDate) {
    const QDate date = dateFromOle(drawDate);
    return date.isValid() ? date.dayOfWeek() : 8;
}

bool dayFilterPlays(const QString& trimmed, double drawDate) {
    return dayCodePlays(dayFilterCode(trimmed), drawWeekday(drawDate));
}

bool isDrawWeekday(QDate day) {
    const QString name = diasemana(day);
    return name == dayFilterText(DayFilter::Tuesday) || name == dayFilterText(DayFilter::Friday);
}
