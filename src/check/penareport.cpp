#include "check/penareport.h"

#include "check/breakdown.h"
#include "check/categories.h"
#include "store/bettext.h"
#include "store/dates.h"

#include <QDir>

namespace {

QString drawCombination(const DrawRecord& d) {
    return betValuesText(d.numbers.data(), 5, Padding::None) + QStringLiteral(" + ") +
           betValuesText(d.stars.data(), 2, Padding::None);
}

QString prizesText(const CategoryCounts& bets) {
    QStringList parts;
    for (int k = 1; k <= kCategories; ++k)
        if (const int c = bets[std::size_t(k - 1)])
            parts.append(categoryHeading(k) + QStringLiteral(": ") + QString::number(c));
    return parts.isEmpty() ? QStringLiteral("-") : parts.join(QStringLiteral(", "));
}

QString csvLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& f : fields)
        quoted.append(csvField(f));
    return quoted.join(QLatin1Char(';')) + QStringLiteral("\r\n");
}

} // namespace

QString categoryHeading(int k) {
    return QStringLiteral("%1+%2").arg(category(k).numbers).arg(category(k).stars);
}

PenaReport penaReport(const PenaRecord& pena, const PenaMoney& money) {
    PenaReport r;
    r.name = pena.nameText();
    r.betsCount = QString::number(simpleBetsPlayed(pena));
    if (isValidBetMode(pena.betMode)) {
        const int n = modeNumbers(pena.betMode), s = modeStars(pena.betMode);
        for (int b = 0; b < modeRows(pena.betMode); ++b)
            r.bets.append(betValuesText(pena.numbers[std::size_t(b)].data(), n, Padding::None) +
                          QStringLiteral(" + ") +
                          betValuesText(pena.stars[std::size_t(b)].data(), s, Padding::None));
    }
    r.days = pena.dayFilterText();
    r.createdOn = shortDate(pena.createdOn);
    for (const DrawMoney& m : money.draws) {
        PenaReport::Line l;
        l.date = shortDate(m.draw.drawDate);
        l.combination = drawCombination(m.draw);
        l.bets = m.bets;
        l.prizes = prizesText(m.bets);
        l.played = m.played;
        l.won = m.won;
        l.balance = m.balance;
        l.prizesKnown = m.prizesKnown;
        r.lines.append(l);
    }
    r.money = money;
    return r;
}

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QByteArray penaCsv(const PenaReport& r) {
    QString out;
    out += csvLine({kReportTitle, r.name});
    out += csvLine({QStringLiteral("Apuestas"), r.betsCount});
    for (int b = 0; b < r.bets.size(); ++b)
        out += csvLine({QStringLiteral("Apuesta %1").arg(b + 1), r.bets[b]});
    out += csvLine({QStringLiteral("Días"), r.days});
    out += csvLine({QStringLiteral("Fecha de creación"), r.createdOn});
    out += QStringLiteral("\r\n");
    QStringList heading{kDateHeading, kCombinationHeading};
    for (int k = 1; k <= kCategories; ++k)
        heading.append(categoryHeading(k));
    heading << QStringLiteral("Jugado") << QStringLiteral("Ganado") << QStringLiteral("Balance")
            << kKnownHeading;
    out += csvLine(heading);
    for (const PenaReport::Line& l : r.lines) {
        QStringList fields{l.date, l.combination};
        for (const int c : l.bets)
            fields.append(QString::number(c));
        fields << plainEurosText(l.played) << plainEurosText(l.won) << plainEurosText(l.balance)
               << (l.prizesKnown ? QStringLiteral("Sí") : QStringLiteral("No"));
        out += csvLine(fields);
    }
    out += QStringLiteral("\r\n");
    out += csvLine({kWonCaption, plainEurosText(r.money.won)});
    out += csvLine({kPlayedCaption, plainEurosText(r.money.played)});
    out += csvLine({kBalanceCaption, plainEurosText(r.money.balance())});
    out += csvLine(
        {QStringLiteral("Sorteos sin premios conocidos:"), QString::number(r.money.unknownDraws)});
    return QByteArray("\xEF\xBB\xBF") + out.toUtf8();
}

QString exportFailureText(const QString& path, const QString& why) {
    return QStringLiteral("No se ha podido guardar el archivo %1:\r\n%2")
        .arg(QDir::toNativeSeparators(path), why);
}
