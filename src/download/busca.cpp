#include "download/busca.h"

#include "store/cp1252.h"

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

bool CacheReader::matchesAt(qsizetype p, const QByteArray& upper) const {
    const char* at = bytes_.constData() + (p - 1);
    for (qsizetype i = 0; i < upper.size(); ++i)
        if (kUpper[static_cast<unsigned char>(at[i])] != static_cast<unsigned char>(upper[i]))
            return false;
    return true;
}

QString CacheReader::busca(const QString& key, const QString& terminator) {
    keyNotFound_ = false;
    const QByteArray k = upperBytes(key);
    const QByteArray t = upperBytes(terminator);
    const qsizetype n = k.size();
    const qsizetype m = t.size();
    const qsizetype lof = bytes_.size();

    // Key search: one window per byte of progress.
    for (;;) {
        const qsizetype p = pos_;
        pos_ = p + 1;
        if (p + n > lof || p < 1) {
            keyNotFound_ = true;
            return QString();
        }
        if (matchesAt(p, k)) {
            pos_ = p + n;
            break;
        }
    }

    // Value scan up to the terminator.
    QByteArray value;
    for (;;) {
        const qsizetype x = pos_;
        if (x < 1 || x + m - 1 > lof) throw ParseError("read past the end of the cache");
        pos_ = x + 1;
        if (matchesAt(x, t) || x + 1 == lof) break;
        value.append(bytes_[x - 1]);
    }
    return fromCp1252(value);
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
