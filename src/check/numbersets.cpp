#include "check/numbersets.h"

namespace {

bool addBit(std::uint64_t& set, int value, int high) {
    if (value < 1 || value > high) return false;
    const std::uint64_t bit = std::uint64_t(1) << value;
    if (set & bit) return false;
    set |= bit;
    return true;
}

} // namespace

NumberSet betSet(std::span<const qint16> numbers, std::span<const qint16> stars) {
    NumberSet s;
    std::uint64_t starBits = 0;
    for (const qint16 n : numbers)
        s.regular = addBit(s.numbers, n, 50) && s.regular;
    for (const qint16 st : stars)
        s.regular = addBit(starBits, st, 12) && s.regular;
    s.stars = std::uint16_t(starBits);
    return s;
}

NumberSet drawSet(const DrawRecord& draw) {
    NumberSet s;
    std::uint64_t starBits = 0;
    for (const qint16 n : draw.numbers)
        addBit(s.numbers, n, 50);
    for (const qint16 st : draw.stars)
        addBit(starBits, st, 12);
    s.stars = std::uint16_t(starBits);
    return s;
}
