#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>

// A read past the end of the cache, a date that is not one, a number too
// large: the parse stops and takes its failure path.
class ParseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Forward text search over the cached answer, as the file would be read:
// 1-based byte positions, the read position is the next byte to read and
// LOF is the length in bytes. Letter case is ignored in keys and terminators.
class CacheReader {
public:
    explicit CacheReader(QByteArray bytes);

    qsizetype pos() const { return pos_; }
    void seek(qsizetype pos) { pos_ = pos; }
    // The callers' one-byte steps.
    void forward(qsizetype n = 1) { pos_ += n; }
    void back(qsizetype n = 1) { pos_ -= n; }
    qsizetype lof() const { return bytes_.size(); }
    bool keyNotFound() const { return keyNotFound_; }
    void clearKeyNotFound() { keyNotFound_ = false; }

    // Finds `key` from the read position and returns what follows it up to
    // `terminator` (in the case it was read); the read position is then on
    // the terminator's second byte. A key that ends on the last byte is never
    // found: empty text and keyNotFound. Throws ParseError on a read past the end.
    QString busca(const QString& key, const QString& terminator);

private:
    QByteArray bytes_;
    QByteArray upper_; // the same bytes in upper case, searched for keys and terminators
    qsizetype pos_ = 1;
    bool keyNotFound_ = false;
};

// The value of a text: its leading decimal digits after leading spaces, 0
// without any. Throws ParseError past 16 bits.
int numberValue(const QString& text);
