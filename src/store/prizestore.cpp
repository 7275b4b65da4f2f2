#include "store/prizestore.h"

#include "store/storeerror.h"

#include <QDir>
#include <algorithm>

bool isSoundPrizeFile(const QList<PrizeRecord>& prizes) {
    for (qsizetype i = 0; i < prizes.size(); ++i) {
        if (!prizes[i].isSound()) return false;
        if (i > 0 && !(prizes[i - 1].drawDate < prizes[i].drawDate)) return false;
    }
    return true;
}

const PrizeRecord* prizesOf(const QList<PrizeRecord>& kept, double drawDate) {
    const auto at =
        std::lower_bound(kept.begin(), kept.end(), drawDate,
                         [](const PrizeRecord& r, double date) { return r.drawDate < date; });
    return at != kept.end() && at->drawDate == drawDate ? &*at : nullptr;
}

int storePrizes(DataFiles& files, QList<PrizeRecord> incoming) {
    // One record per draw, the last word on each date first.
    std::stable_sort(
        incoming.begin(), incoming.end(),
        [](const PrizeRecord& a, const PrizeRecord& b) { return a.drawDate < b.drawDate; });
    QList<PrizeRecord> kept = files.readAllPrizes();
    const double last = kept.isEmpty() ? 0.0 : kept.last().drawDate;
    QList<PrizeRecord> merged = kept;
    QList<PrizeRecord> appended;
    int changes = 0;
    for (const PrizeRecord& in : incoming) {
        if (!in.isSound()) continue;
        if (in.drawDate > last) {
            if (!appended.isEmpty() && appended.last().drawDate == in.drawDate) {
                appended.last() = in;
                continue;
            }
            appended.append(in);
            ++changes;
            continue;
        }
        const auto at =
            std::lower_bound(merged.begin(), merged.end(), in.drawDate,
                             [](const PrizeRecord& r, double date) { return r.drawDate < date; });
        if (at == merged.end() || at->drawDate != in.drawDate) {
            merged.insert(at, in);
            ++changes;
            continue;
        }
        PrizeRecord now = *at;
        for (std::size_t k = 0; k < now.cents.size(); ++k)
            if (in.cents[k] >= 0) now.cents[k] = in.cents[k];
        if (!(now == *at)) {
            *at = now;
            ++changes;
        }
    }
    if (changes == 0) return 0;
    if (merged == kept) {
        // Only later draws: appended, all of them or none.
        QList<QByteArray> records;
        for (const PrizeRecord& p : appended)
            records.append(p.encode());
        files.prizes().write(int(kept.size()) + 1, records);
    } else {
        merged.append(appended);
        files.rewritePrizes(merged);
    }
    return changes;
}

KeptDrawFile keepDamagedPrizeFile(DataFiles& files) {
    return keepDamagedFile(files, files.prizes(), kPrizeFile, kDamagedPrizesFileBase,
                           [&] { files.rewritePrizes({}); });
}

QString damagedPrizesText(const KeptDrawFile& kept) {
    QString text =
        QStringLiteral("Archivo de premios no válido: se empieza de nuevo con los premios "
                       "de los sorteos que se bajen a partir de ahora.");
    if (!kept.path.isEmpty())
        text += QStringLiteral("\r\nSe ha guardado una copia del archivo dañado en:\r\n%1")
                    .arg(QDir::toNativeSeparators(kept.path));
    if (!kept.emptied)
        text += QStringLiteral("\r\nNo se ha podido vaciar el archivo premios.dat: se ha dejado "
                               "como estaba.");
    return text;
}
