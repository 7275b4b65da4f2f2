#include "app/status.h"

#include "store/datafiles.h"
#include "store/dates.h"
#include "store/dayfilter.h"

#include <cmath>

int countPlayedDraws(const QList<DrawRecord>& draws, const QList<PenaRecord>& penas) {
    if (penas.isEmpty()) return 0;
    QList<int> filters;
    filters.reserve(penas.size());
    for (const PenaRecord& p : penas)
        filters.append(dayFilterCode(p.dayFilterText()));
    const double createdFirst = penas.first().createdOn;
    qsizetype start = 0;
    while (start < draws.size() && draws[start].drawDate < createdFirst)
        ++start;
    int played = 0;
    for (qsizetype i = start; i < draws.size(); ++i) {
        const int weekday = drawWeekday(draws[i].drawDate);
        for (const int f : filters) {
            if (dayCodePlays(f, weekday)) {
                ++played;
                break;
            }
        }
    }
    return played;
}

QDate nextDrawDate(QDate today, double latestDrawDate) {
    QDate day = today;
    if (oleFromDate(today) == latestDrawDate) day = day.addDays(1);
    while (day.dayOfWeek() != Qt::Tuesday && day.dayOfWeek() != Qt::Friday)
        day = day.addDays(1);
    return day;
}

QString weeksMissingText(double latestDrawDate, QDate today) {
    const double days = oleFromDate(today) - latestDrawDate;
    // A stored date that is no day at all (a damaged record) counts as none.
    if (!std::isfinite(days) || !dateFromOle(latestDrawDate).isValid())
        return QStringLiteral("No se ha actualizado nunca");
    if (days <= 7) return {};
    if (days < 16) return QStringLiteral("Falta 1 semana por actualizar");
    if (latestDrawDate == 0) return QStringLiteral("No se ha actualizado nunca");
    return QStringLiteral("Faltan %1 semanas por actualizar").arg(static_cast<qint64>(days) / 7);
}

StatusView computeStatus(const QList<DrawRecord>& draws, const QList<PenaRecord>& penas,
                         QDate today) {
    StatusView v;
    v.nextDrawRecord = static_cast<int>(draws.size()) + 1;
    if (!draws.isEmpty()) v.latestDraw = draws.last();
    v.playedDraws = countPlayedDraws(draws, penas);
    const double latest = v.latestDraw.drawDate;
    const QDate latestDay = dateFromOle(latest);
    if (latest != 0 && latestDay.isValid()) {
        v.lastUpdate = longDate(latestDay);
        v.optionBoxesEnabled = true;
    } else {
        v.lastUpdate = QStringLiteral("Fichero de datos vacío.");
    }
    v.drawsToShowEnabled = !draws.isEmpty();
    v.drawsToShowMaximum = static_cast<int>(draws.size());
    v.nextDraw = longDate(nextDrawDate(today, latest));
    v.warning = weeksMissingText(latest, today);
    v.warningBlinks = !v.warning.isEmpty();
    return v;
}

StatusView computeStatus(DataFiles& files, QDate today) {
    StatusView v = computeStatus(files.readAllDraws(), files.readAllPenas(), today);
    // A file that could not be opened is not an empty one.
    if (!files.draws().isOpen()) {
        v.lastUpdate = QStringLiteral("No se ha podido abrir el archivo %1.").arg(kDrawFile);
        v.warning.clear();
        v.warningBlinks = false;
    }
    return v;
}
