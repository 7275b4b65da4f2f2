#include "download/drawprizes.h"

#include "check/gamerules.h"
#include "store/dates.h"

#include <QRegularExpression>

namespace {

constexpr int kMaxEuroDigits = 13; // ten thousand million euros: far above any prize

bool allDigits(QStringView s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

// Whole euros written with or without dots between thousands.
std::optional<qint64> euros(QStringView whole, bool grouped) {
    QString digits;
    if (grouped) {
        const QList<QStringView> groups = whole.split(QLatin1Char('.'));
        for (qsizetype g = 0; g < groups.size(); ++g) {
            const qsizetype size = groups[g].size();
            if (!allDigits(groups[g]) || size > 3 || (g > 0 && size != 3)) return std::nullopt;
            digits += groups[g];
        }
    } else {
        if (!allDigits(whole)) return std::nullopt;
        digits = whole.toString();
    }
    if (digits.size() > kMaxEuroDigits) return std::nullopt;
    return digits.toLongLong();
}

// The value after `key` (a quoted key) at `from`, quoted or bare, up to its
// end; empty when the key is not followed by a colon.
QByteArray valueAfter(const QByteArray& text, qsizetype keyEnd) {
    qsizetype p = keyEnd;
    while (p < text.size() &&
           (text[p] == ' ' || text[p] == '\t' || text[p] == '\n' || text[p] == '\r'))
        ++p;
    if (p >= text.size() || text[p] != ':') return {};
    ++p;
    while (p < text.size() && text[p] == ' ')
        ++p;
    if (p < text.size() && text[p] == '"') {
        const qsizetype end = text.indexOf('"', p + 1);
        return end < 0 ? QByteArray() : text.mid(p + 1, end - p - 1);
    }
    qsizetype end = p;
    while (end < text.size() && text[end] != ',' && text[end] != '}' && text[end] != ']')
        ++end;
    return text.mid(p, end - p).trimmed();
}

std::optional<QDate> drawDay(const QByteArray& value) {
    static const QRegularExpression day(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})"));
    const QRegularExpressionMatch m = day.match(QString::fromLatin1(value));
    if (!m.hasMatch()) return std::nullopt;
    const QDate date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid()) return std::nullopt;
    return date;
}

} // namespace

std::optional<qint64> prizeCents(QStringView text) {
    QString t = text.toString();
    t.remove(QChar(0x20AC)).remove(QChar(0x00A0)).remove(QLatin1Char(' '));
    if (t.isEmpty()) return std::nullopt;
    QStringView whole(t);
    QStringView cents;
    bool hasCents = true;
    bool grouped = false;
    if (const qsizetype comma = t.indexOf(QLatin1Char(',')); comma >= 0) {
        whole = QStringView(t).left(comma);
        cents = QStringView(t).mid(comma + 1);
        grouped = true;
    } else if (t.count(QLatin1Char('.')) == 1) {
        // "1.234" could be read either way: only cents may follow a lone dot.
        const qsizetype dot = t.indexOf(QLatin1Char('.'));
        whole = QStringView(t).left(dot);
        cents = QStringView(t).mid(dot + 1);
    } else {
        hasCents = false;
        grouped = t.contains(QLatin1Char('.'));
    }
    if (hasCents && (cents.isEmpty() || cents.size() > 2 || !allDigits(cents))) return std::nullopt;
    const std::optional<qint64> e = euros(whole, grouped);
    if (!e) return std::nullopt;
    qint64 c = cents.isEmpty() ? 0 : cents.toString().toLongLong();
    if (cents.size() == 1) c *= 10;
    return *e * 100 + c;
}

QList<PrizeRecord> answerPrizes(const QByteArray& answer) {
    const QByteArray text = answer.toLower();
    const QByteArray dateKey = "\"fecha_sorteo\"";
    const QByteArray categoryKey = "\"categoria\"";
    const QByteArray prizeKey = "\"premio\"";
    QList<PrizeRecord> out;
    qsizetype at = text.indexOf(dateKey);
    while (at >= 0) {
        const qsizetype next = text.indexOf(dateKey, at + dateKey.size());
        const qsizetype end = next < 0 ? text.size() : next;
        const std::optional<QDate> day = drawDay(valueAfter(text, at + dateKey.size()));
        if (day) {
            PrizeRecord record;
            record.drawDate = oleFromDate(*day);
            const int categories = gameEra(*day).categories;
            for (qsizetype c = text.indexOf(categoryKey, at); c >= 0 && c < end;
                 c = text.indexOf(categoryKey, c + categoryKey.size())) {
                bool ok = false;
                const int number = valueAfter(text, c + categoryKey.size()).toInt(&ok);
                if (!ok || number < 1 || number > categories) continue;
                // The entry's own prize: inside the braces around its number.
                const qsizetype open = text.lastIndexOf('{', c);
                const qsizetype close = text.indexOf('}', c);
                if (open < at || close < 0 || close > end) continue;
                const QByteArray entry = text.mid(open, close - open);
                const qsizetype p = entry.indexOf(prizeKey);
                if (p < 0) continue;
                if (const std::optional<qint64> cents =
                        prizeCents(QString::fromUtf8(valueAfter(entry, p + prizeKey.size()))))
                    record.cents[std::size_t(number - 1)] = *cents;
            }
            out.append(record);
        }
        at = next;
    }
    return out;
}
