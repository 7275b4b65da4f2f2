#include "app/summary.h"

#include "check/breakdown.h"
#include "check/effectiveness.h"
#include "store/dates.h"

PenaListRow penaListRow(const PenaRecord& pena) {
    const int bets = pena.betMode < 100 ? pena.betMode : cuantos(pena.betMode);
    return {pena.nameText(), QString::number(bets), shortDate(pena.createdOn),
            pena.dayFilterText()};
}

SummaryView computeSummary(const QList<PenaRecord>& penas, int playedDraws, const QLocale& locale) {
    SummaryView v;
    v.nextPenaRecord = static_cast<int>(penas.size()) + 1;
    v.penaCount = QString::number(penas.size());
    if (penas.isEmpty()) {
        v.effectiveness = QStringLiteral("¡Nunca has acertado nada!");
        v.totalText = QStringLiteral("0");
        v.chartWithoutPrize = 1;
        v.chartTotal = 0;
        return v;
    }
    v.printEnabled = true;
    v.deleteEnabled = true;
    for (const PenaRecord& p : penas) {
        v.rows.append(penaListRow(p));
        v.total += p.totalHits();
    }
    float e = 0;
    if (v.total < playedDraws) {
        v.chartWithoutPrize = playedDraws - v.total;
        e = static_cast<float>(v.total) * 100.0f / static_cast<float>(playedDraws);
    } else if (v.total != 0) {
        v.chartWithoutPrize = 0;
        e = 100.0f;
    } else {
        v.chartWithoutPrize = 1;
    }
    v.chartTotal = v.total;
    v.totalText = QString::number(v.total);
    v.effectiveness = roundedPercent(e, locale) + QStringLiteral("% de efectividad en premios");
    v.playedDraws = QStringLiteral("en %1 sorteos").arg(playedDraws);
    return v;
}
