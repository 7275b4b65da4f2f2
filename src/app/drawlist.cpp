#include "app/drawlist.h"

#include "store/drawstore.h"

#include "store/bettext.h"
#include "store/dates.h"

QString drawListNumbersText(const DrawRecord& draw) {
    return betValuesText(draw.numbers.data(), 5, Padding::AllButLast);
}

QString drawListStarsText(const DrawRecord& draw) {
    return QString::number(draw.stars[0]) + QLatin1Char(' ') +
           QString::number(draw.stars[1]).rightJustified(2, QLatin1Char(' '));
}

QString drawListDateText(const DrawRecord& draw) {
    return shortDate(draw.drawDate) + QStringLiteral("  ") + diasemana(draw.drawDate);
}

QString drawListTotalText(int draws) {
    return QStringLiteral("TOTAL: %1 sorteos.").arg(draws);
}

std::optional<QList<DrawRecord>> loadDrawList(DataFiles& files, int nextDrawRecord) {
    const int wanted = std::max(0, nextDrawRecord - 1);
    QList<DrawRecord> rows;
    if (wanted == 0) return rows;
    const QList<DrawRecord> records = files.readAllDraws();
    if (records.size() < wanted) return std::nullopt;
    rows.reserve(wanted);
    for (int r = wanted; r >= 1; --r) {
        const DrawRecord& d = records[r - 1];
        if (!d.isSound()) return std::nullopt;
        rows.append(d);
    }
    return rows;
}

DrawFileGuard::Check DrawFileGuard::check(DataFiles& files, int nextDrawRecord) {
    if (loadDrawList(files, nextDrawRecord)) return Check::Sound;
    if (discarding_) return Check::Damaged;
    discard();
    return Check::Discarded;
}

void DrawFileGuard::discard() {
    if (discarding_) return;
    discarding_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{discarding_};
    store_.discardDamagedDraws();
}
