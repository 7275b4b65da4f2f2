#include "store/cp1252.h"

#include <array>

namespace {

// Characters of bytes 0x80..0x9F; the rest of the range is Latin-1.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int byteOf(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u) return 0x80 + i;
    return -1;
}

} // namespace

QString fromCp1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out.append(b >= 0x80 && b < 0xA0 ? QChar(kHigh[b - 0x80]) : QChar(b));
    }
    return out;
}

QByteArray toCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const int b = byteOf(c);
        out.append(static_cast<char>(b < 0 ? '?' : b));
    }
    return out;
}

bool isCp1252(QChar c) {
    return byteOf(c) >= 0;
}

bool isCp1252(const QString& text) {
    for (QChar c : text)
        if (!isCp1252(c)) return false;
    return true;
}
