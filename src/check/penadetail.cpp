#include "check/penadetail.h"

#include "check/categories.h"
#include "check/effectiveness.h"
#include "store/bettext.h"
#include "store/dayfilter.h"

QString hitCaption(int k) {
    return QStringLiteral("-Aciertos de %1+%2: ").arg(category(k).numbers).arg(category(k).stars);
}

QString numbersText(const qint16* numbers, int count) {
    return betValuesText(numbers, count, Padding::All);
}

QString starsText(const qint16* stars, int count) {
    return betValuesText(stars, count, Padding::None);
}

PenaDetailView emptyPenaDetail() {
    PenaDetailView v;
    v.empty = true;
    v.playedDraws = QStringLiteral("-");
    v.effectiveness = QStringLiteral("-");
    return v;
}

PenaDetailView computePenaDetail(const PenaRecord& pena, const QList<DrawRecord>& draws,
                                 const QLocale& locale) {
    PenaDetailView v;
    if (!isSoundPena(pena)) {
        // Nothing of another peña stays in view.
        v = emptyPenaDetail();
        v.empty = false;
        v.corrupt = true;
        return v;
    }
    const int rows = modeRows(pena.betMode);
    const int n = modeNumbers(pena.betMode);
    const int s = modeStars(pena.betMode);
    v.simple = !isMultipleMode(pena.betMode);
    v.listHeightTwips = rows * 225 - (rows > 8 ? 200 : 0) - (rows > 21 ? 200 : 0);
    for (int r = 0; r < rows; ++r) {
        v.numberLines.append(numbersText(pena.numbers[r].data(), n));
        v.starLines.append(starsText(pena.stars[r].data(), s));
    }
    int total = 0;
    for (int k = 0; k < kCategories; ++k) {
        v.hits[k] = pena.hits[k];
        total += pena.hits[k];
    }
    v.chartTotal = total;
    if (draws.isEmpty()) {
        v.playedDraws = QStringLiteral("0");
        v.effectiveness = total != 0 ? QStringLiteral("100 %") : QStringLiteral("-");
        v.chartWithoutPrize = 0;
        return v;
    }
    const int filter = dayFilterCode(pena.dayFilterText());
    int played = 0;
    for (const DrawRecord& d : draws)
        if (d.drawDate >= pena.createdOn && dayCodePlays(filter, drawWeekday(d.drawDate))) ++played;
    const float e =
        played > 0 ? static_cast<float>(total) * 100.0f / static_cast<float>(played) : 0.0f;
    v.playedDraws = QString::number(played);
    v.effectiveness = roundedPercent(e, locale) + QStringLiteral(" %");
    v.chartWithoutPrize = std::max(0, played - total);
    return v;
}
