#include "store/drawmerge.h"

#include "store/records.h"
#include "store/storeerror.h"

#include <QSet>
#include <algorithm>

int storeDraws(DataFiles& files, QList<DrawRecord> incoming) {
    const auto byDate = [](const DrawRecord& a, const DrawRecord& b) {
        return a.drawDate < b.drawDate;
    };
    std::stable_sort(incoming.begin(), incoming.end(), byDate);
    const QList<DrawRecord> kept = files.readAllDraws();
    QSet<double> dates;
    for (const DrawRecord& d : kept)
        dates.insert(d.drawDate);
    QList<DrawRecord> added;
    for (const DrawRecord& d : incoming)
        if (d.isSound() && !dates.contains(d.drawDate)) {
            dates.insert(d.drawDate);
            added.append(d);
        }
    if (added.isEmpty()) return 0;
    if (kept.size() + added.size() > kMaxRecords)
        throw StoreError(StoreError::Kind::TooManyRecords, QStringLiteral("numeros.dat"));
    const double newest = kept.isEmpty() ? 0.0 : kept.last().drawDate;
    const bool inOrder = std::is_sorted(kept.begin(), kept.end(), byDate);
    if (inOrder && added.first().drawDate > newest) {
        files.appendDraws(int(kept.size()) + 1, added);
    } else {
        // Older draws go in between: the whole file once, in date order (a
        // file imported out of order comes out sorted).
        QList<DrawRecord> merged = kept + added;
        std::stable_sort(merged.begin(), merged.end(), byDate);
        files.rewriteDraws(merged);
    }
    return int(added.size());
}
