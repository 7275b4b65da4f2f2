#include "store/dates.h"

#include <QLocale>
#include <cmath>

namespace {
constexpr qint64 kOleEpochJulianDay = 2415019; // 1899-12-30
}

double oleFromDate(QDate date) {
    // An invalid date has no day number to subtract from: no date at all.
    if (!date.isValid()) return 0;
    return static_cast<double>(date.toJulianDay() - kOleEpochJulianDay);
}

QDate dateFromOle(double ole) {
    if (!std::isfinite(ole) || std::fabs(ole) > 3.0e6) return {};
    return QDate::fromJulianDay(kOleEpochJulianDay + static_cast<qint64>(std::floor(ole)));
}

QString diasemana(QDate date) {
    static const char16_t* const names[] = {u"Lunes",   u"Martes", u"Miércoles", u"Jueves",
                                            u"Viernes", u"Sábado", u"Domingo"};
    if (!date.isValid()) return {};
    return QString::fromUtf16(names[date.dayOfWeek() - 1]);
}

QString diasemana(double ole) {
    return diasemana(dateFromOle(ole));
}

QString longDate(QDate date) {
    if (!date.isValid()) return {};
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    return QStringLiteral("%1, %2 de %3 del %4")
        .arg(diasemana(date))
        .arg(date.day())
        .arg(spanish.standaloneMonthName(date.month(), QLocale::LongFormat).toLower())
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString shortDate(QDate date) {
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString shortDate(double ole) {
    return shortDate(dateFromOle(ole));
}
