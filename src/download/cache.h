#pragma once

#include <QByteArray>
#include <QString>

class DataFiles;

inline const QString kAnswerWorkFile = QStringLiteral("www.tmp");

// The cache line of an answer: a double quote, the text with every double
// quote written twice, a closing double quote, CR LF; one Windows-1252 byte
// per character ("?" for a character it cannot hold), so byte positions are
// character positions.
QByteArray cacheLine(const QString& answer);

// Replaces "www.txt" by `line` through a work file and a rename, then reopens
// the cache handle. On failure (StoreError) the previous "www.txt" is whole
// and open again.
void replaceCache(DataFiles& files, const QByteArray& line);
