#include "download/history.h"

#include "check/gamerules.h"
#include "download/busca.h"
#include "download/drawprizes.h"
#include "store/dates.h"

#include <QRegularExpression>
#include <QSet>

bool isDrawDay(QDate day) {
    if (day < kFirstDraw) return false;
    const int weekday = day.dayOfWeek();
    return weekday == Qt::Friday || (weekday == Qt::Tuesday && gameEra(day).tuesdays);
}

QList<HistoryWindow> missingWindows(QDate today, const QList<DrawRecord>& draws,
                                    const QList<PrizeRecord>& prizes) {
    QSet<qint64> withDraw, withPrizes;
    for (const DrawRecord& d : draws)
        withDraw.insert(dateFromOle(d.drawDate).toJulianDay());
    for (const PrizeRecord& p : prizes)
        withPrizes.insert(dateFromOle(p.drawDate).toJulianDay());
    QList<HistoryWindow> out;
    for (QDate first = kFirstDraw; first <= today; first = first.addDays(kHistoryWindowDays)) {
        const QDate last = std::min(first.addDays(kHistoryWindowDays - 1), today);
        // Today's draw may not have been held yet: it never makes a window lack.
        for (QDate day = first; day <= last && day < today; day = day.addDays(1)) {
            const qint64 j = day.toJulianDay();
            if (isDrawDay(day) && (!withDraw.contains(j) || !withPrizes.contains(j))) {
                out.append({first, last});
                break;
            }
        }
    }
    return out;
}

namespace {

// The string values of `key` (quoted, letter case ignored), in order.
QList<QByteArray> valuesOf(const QByteArray& lower, const QByteArray& original,
                           const QByteArray& key) {
    QList<QByteArray> out;
    const QByteArray quoted = '"' + key + '"';
    for (qsizetype at = lower.indexOf(quoted); at >= 0;
         at = lower.indexOf(quoted, at + quoted.size())) {
        qsizetype p = at + quoted.size();
        while (p < lower.size() && lower[p] == ' ')
            ++p;
        if (p >= lower.size() || lower[p] != ':') continue;
        ++p;
        while (p < lower.size() && lower[p] == ' ')
            ++p;
        if (p >= lower.size() || lower[p] != '"') throw ParseError("a value that is not a text");
        const qsizetype end = lower.indexOf('"', p + 1);
        if (end < 0) throw ParseError("a text that does not end");
        out.append(original.mid(p + 1, end - p - 1));
    }
    return out;
}

QDate dayOf(const QByteArray& value) {
    static const QRegularExpression day(QStringLiteral("^(\\d{4})-(\\d{1,2})-(\\d{1,2}) "));
    const QRegularExpressionMatch m = day.match(QString::fromLatin1(value));
    const QDate date =
        m.hasMatch() ? QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt())
                     : QDate();
    if (!date.isValid()) throw ParseError("not a date");
    return date;
}

DrawRecord drawOf(QDate day, const QByteArray& combination) {
    const QList<QByteArray> parts = combination.split('-');
    if (parts.size() != 7) throw ParseError("not seven values");
    const int highestStar = gameEra(day).highestStar;
    DrawRecord draw;
    draw.drawDate = oleFromDate(day);
    for (int k = 0; k < 7; ++k) {
        bool ok = false;
        const int v = parts[k].trimmed().toInt(&ok);
        const int high = k < 5 ? 50 : highestStar;
        if (!ok || v < 1 || v > high) throw ParseError("a value out of range");
        if (k < 5)
            draw.numbers[std::size_t(k)] = qint16(v);
        else
            draw.stars[std::size_t(k - 5)] = qint16(v);
    }
    return draw;
}

} // namespace

WindowAnswer readWindowAnswer(const QByteArray& answer, const HistoryWindow& window) {
    const QByteArray lower = answer.toLower();
    const QList<QByteArray> dates = valuesOf(lower, answer, "fecha_sorteo");
    const QList<QByteArray> combinations = valuesOf(lower, answer, "combinacion");
    if (dates.size() != combinations.size()) throw ParseError("dates and combinations differ");
    WindowAnswer out;
    for (qsizetype i = dates.size() - 1; i >= 0; --i) {
        const QDate day = dayOf(dates[i]);
        if (day < window.first || day > window.last) throw ParseError("a draw outside the window");
        const DrawRecord draw = drawOf(day, combinations[i]);
        if (!out.draws.isEmpty() && !(out.draws.last().drawDate < draw.drawDate))
            throw ParseError("dates out of order");
        out.draws.append(draw);
    }
    QList<PrizeRecord> prizes = answerPrizes(answer);
    out.prizes = QList<PrizeRecord>(prizes.rbegin(), prizes.rend());
    return out;
}
