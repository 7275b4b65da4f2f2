#include "check/hits.h"

#include "check/categories.h"
#include "store/dates.h"

HitCount countHits(std::span<const qint16> numbers, std::span<const qint16> stars,
                   const DrawRecord& draw) {
    HitCount h;
    for (std::size_t p = 0; p < numbers.size(); ++p) {
        const qint16 n = numbers[p];
        if (n == draw.numbers[0] || n == draw.numbers[1] || n == draw.numbers[2] ||
            n == draw.numbers[3] || n == draw.numbers[4]) {
            ++h.numbersHit;
            h.numberPositions |= std::uint16_t(1u << p);
        }
    }
    for (std::size_t p = 0; p < stars.size(); ++p) {
        const qint16 s = stars[p];
        if (s == draw.stars[0] || s == draw.stars[1]) {
            ++h.starsHit;
            h.starPositions |= std::uint8_t(1u << p);
        }
    }
    // A damaged draw repeating a number could push the counts past the
    // draw's own size; what can be hit is at most 5 numbers and 2 stars.
    if (h.numbersHit > 5) h.numbersHit = 5;
    if (h.starsHit > 2) h.starsHit = 2;
    return h;
}

int classifyHits(int numbersHit, int starsHit) {
    for (int k = 1; k <= 13; ++k)
        if (category(k).numbers == numbersHit && category(k).stars == starsHit) return k;
    return 0;
}

int dayFilterCode(const PenaRecord& pena) {
    return dayFilterCode(pena.dayFilterText());
}

int drawWeekday(const DrawRecord& draw) {
    return drawWeekday(draw.drawDate);
}

bool penaPlaysDraw(const PenaRecord& pena, const DrawRecord& draw, bool showHistory) {
    if (!(pena.createdOn <= draw.drawDate || showHistory)) return false;
    return dayCodePlays(dayFilterCode(pena), drawWeekday(draw));
}

QString prizeLineLabel(int k) {
    return QStringLiteral(" apuestas de %1+%2").arg(category(k).numbers).arg(category(k).stars);
}
