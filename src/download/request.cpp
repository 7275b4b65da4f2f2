#include "download/request.h"

QString eightDigits(QDate date) {
    return QStringLiteral("%1%2%3")
        .arg(date.year())
        .arg(date.month(), 2, 10, QLatin1Char('0'))
        .arg(date.day(), 2, 10, QLatin1Char('0'));
}

QDate windowStart(QDate today) {
    return today.addDays(-kWindowDays);
}

QString requestAddress(const QString& site, QDate today) {
    return windowAddress(site, windowStart(today), today);
}

QString windowAddress(const QString& site, QDate first, QDate last) {
    QString origin = site;
    while (origin.endsWith(QLatin1Char('/')))
        origin.chop(1);
    return origin +
           QStringLiteral("/servicios/buscadorSorteos?game_id=EMIL&celebrados=true&"
                          "fechaInicioInclusiva=") +
           eightDigits(first) + QStringLiteral("&fechaFinInclusiva=") + eightDigits(last);
}
