#include "check/moneytext.h"

namespace {

QString digits(Cents cents, bool grouped) {
    // The magnitude as unsigned, so that the lowest value has one too.
    const quint64 magnitude = cents < 0 ? quint64(0) - quint64(cents) : quint64(cents);
    QString whole = QString::number(magnitude / 100);
    if (grouped)
        for (qsizetype at = whole.size() - 3; at > 0; at -= 3)
            whole.insert(at, QLatin1Char('.'));
    const QString sign = cents < 0 ? QStringLiteral("-") : QString();
    return sign + whole + QLatin1Char(',') +
           QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

} // namespace

QString eurosText(Cents cents) {
    return digits(cents, true) + QStringLiteral(" €");
}

QString plainEurosText(Cents cents) {
    return digits(cents, false);
}

QString unknownDrawsText(int draws) {
    if (draws <= 0) return {};
    if (draws == 1) return QStringLiteral("(1 sorteo sin premios conocidos)");
    return QStringLiteral("(%1 sorteos sin premios conocidos)").arg(draws);
}

MoneyLines moneyLines(const PenaMoney& money) {
    MoneyLines l;
    l.won = eurosText(money.won);
    l.played = eurosText(money.played);
    l.balance = eurosText(money.balance());
    l.balanceNegative = money.balance() < 0;
    l.unknownNote = unknownDrawsText(money.unknownDraws);
    return l;
}

MoneyLines noMoneyLines() {
    MoneyLines l;
    l.won = l.played = l.balance = QStringLiteral("-");
    return l;
}
