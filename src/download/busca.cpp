#include "download/busca.h"

#include "store/cp1252.h"

#include <algorithm>
#include <array>

namespace {

// Upper case of a Windows-1252 byte: the letters of ASCII and of Latin-1.
const std::array<unsigned char, 256> kUpper = [] {
    std::array<unsigned char, 256> t{};
    for (int b = 0; b < 256; ++b) {
        int u = b;
        if ((b >= 'a' && b <= 'z') || (b >= 0xE0 && b <= 0xFE && b != 0xF7)) u = b - 0x20;
        t[b] = static_cast<unsigned char>(u);
    }
    return t;
}();

QByteArray upperBytes(const QString& text) {
    QByteArray bytes = toCp1252(text);
    for (char& c : bytes)
        c = static_cast<char>(kUpper[static_cast<unsigned char>(c)]);
    return bytes;
}

} // namespace

CacheReader::CacheReader(QByteArray bytes) : bytes_(std::move(bytes)), upper_(bytes_.size(), '\0') {
    std::transform(bytes_.cbegin(), bytes_.cend(), upper_.begin(),
                   [](char c) { return static_cast<char>(kUpper[static_cast<unsigned char>(c)]); });
}

// The reading is byte by byte, as the file would be read: the key is looked
// for at each position from the read position on, then each byte is checked
// for the terminator. Both searches run over the upper-case copy in one step,
// and the read position ends where that reading would leave it.
QString CacheReader::busca(const QString& key, const QString& terminator) {
    keyNotFound_ = false;
    const QByteArray k = upperBytes(key);
    const QByteArray t = upperBytes(terminator);
    const qsizetype n = k.size();
    const qsizetype m = t.size();
    const qsizetype lof = bytes_.size();

    // Key: the first position p from the read position with p + n <= lof.
    const qsizetype from = pos_;
    if (from < 1 || from + n > lof) {
        pos_ = from + 1;
        keyNotFound_ = true;
        return QString();
    }
    const qsizetype at = QByteArrayView(upper_).first(lof - 1).indexOf(k, from - 1);
    if (at < 0) {
        pos_ = lof - n + 2; // one past the last position tried
        keyNotFound_ = true;
        return QString();
    }

    // Value: up to the terminator, or up to the byte before the last; a
    // terminator that would run past the end first is a read past the end.
    const qsizetype x0 = at + 1 + n;
    qsizetype stop = x0 <= lof - 1 ? lof - 1 : -1;
    const qsizetype term = QByteArrayView(upper_).indexOf(t, x0 - 1);
    if (term >= 0 && (stop < 0 || term + 1 < stop)) stop = term + 1;
    const qsizetype overrun = std::max(x0, lof - m + 2);
    if (stop < 0 || overrun <= stop) {
        pos_ = overrun;
        throw ParseError("read past the end of the cache");
    }
    pos_ = stop + 1;
    return fromCp1252(bytes_.mid(x0 - 1, stop - x0));
}

int numberValue(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    int value = 0;
    for (; i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9'); ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > 32767) throw ParseError("number too large for 16 bits");
    }
    return value;
}
