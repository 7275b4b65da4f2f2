#include "download/parse.h"

#include "store/dates.h"

namespace {

const QString kQuote = QStringLiteral("\"");
const QString kColonQuote = QStringLiteral(":\"");

int digitsValue(const QString& text, bool* ok) {
    const QString t = text.trimmed();
    // Past four digits the value would overflow: no date part is that long.
    *ok = !t.isEmpty() && t.size() <= 4;
    if (!*ok) return 0;
    int v = 0;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            *ok = false;
            return 0;
        }
        v = v * 10 + (c.unicode() - '0');
    }
    return v;
}

// 0 is a value not there yet; anything else out of range is a damaged answer.
bool present(int v, int high) {
    if (v > high) throw ValueOutOfRange("value out of range");
    return v >= 1;
}

// The combination key and the first number after it.
int combinationStart(CacheReader& cache) {
    cache.busca(QStringLiteral("combinacion\""), kColonQuote);
    return numberValue(cache.busca(QStringLiteral("\"\""), QStringLiteral("-")));
}

} // namespace

QDate dateFromParts(const QString& day, const QString& month, const QString& year) {
    bool okDay = false, okMonth = false, okYear = false;
    const int d = digitsValue(day, &okDay);
    const int m = digitsValue(month, &okMonth);
    const int y = digitsValue(year, &okYear);
    const QDate date(y, m, d);
    if (!okDay || !okMonth || !okYear || y < 100 || !date.isValid()) throw ParseError("not a date");
    return date;
}

QList<double> newDrawDates(CacheReader& cache, qsizetype answerLength, double newestStored) {
    QList<double> dates;
    if (answerLength <= kSearchedLength) return dates;
    bool anyDate = false;
    for (;;) {
        cache.busca(QStringLiteral("fecha_sorteo"), kColonQuote);
        if (cache.keyNotFound() && anyDate) {
            // Every draw of the answer has been read: a normal end.
            cache.clearKeyNotFound();
            break;
        }
        cache.forward();
        const QString year = cache.busca(kQuote, QStringLiteral("-"));
        cache.back();
        const QString month = cache.busca(QStringLiteral("-"), QStringLiteral("-"));
        cache.back();
        const QString day = cache.busca(QStringLiteral("-"), QStringLiteral(" "));
        const double date = oleFromDate(dateFromParts(day, month, year));
        anyDate = true;
        if (date > newestStored) {
            if (dates.size() == kMaxNewDraws) throw ParseError("more than 50 new draws");
            // Appended oldest first, they must keep the draw file in date
            // order: a date repeated or out of order is a damaged answer.
            if (!dates.isEmpty() && date >= dates.last()) throw ParseError("dates out of order");
            dates.append(date);
        }
    }
    return dates;
}

void readCombinations(CacheReader& cache, const QList<double>& dates, QList<DrawRecord>& out,
                      const std::function<void(int, const DrawRecord&)>& found) {
    cache.seek(1);
    for (int i = 1; i <= dates.size(); ++i) {
        bool bad = false;
        int first = combinationStart(cache);
        if (first == 0) first = combinationStart(cache);
        if (!present(first, 50)) bad = true;
        cache.back();
        int values[6];
        for (int k = 0; k < 6; ++k) {
            values[k] = numberValue(cache.busca(QStringLiteral("- "), QStringLiteral(" ")));
            if (!present(values[k], k < 4 ? 50 : 12)) bad = true;
        }
        if (bad) return;
        DrawRecord draw;
        draw.numbers[0] = static_cast<qint16>(first);
        for (int k = 0; k < 4; ++k)
            draw.numbers[k + 1] = static_cast<qint16>(values[k]);
        draw.stars[0] = static_cast<qint16>(values[4]);
        draw.stars[1] = static_cast<qint16>(values[5]);
        draw.drawDate = dates[i - 1];
        out.append(draw);
        if (found) found(i, draw);
    }
}
