#pragma once

#include <QByteArray>
#include <QString>

// Windows-1252 text, one byte per character, as the data files hold it.
// The mapping is a bijection over all 256 bytes (the five unassigned bytes
// map to the C1 control of the same value), so no stored byte is ever lost.
QString fromCp1252(const QByteArray& bytes);
QByteArray toCp1252(const QString& text);
bool isCp1252(QChar c);
// Whether every character of the text has a Windows-1252 byte.
bool isCp1252(const QString& text);
