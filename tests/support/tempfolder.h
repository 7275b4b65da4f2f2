#pragma once

#include "store/records.h"
#include "support/printers.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QTemporaryDir>

// A temporary program folder with helpers to lay down data files.
class TempFolder {
public:
    TempFolder();
    // With the trailing separator, as AppFolder.
    QString path() const;
    QString file(const QString& name) const;
    QByteArray read(const QString& name) const;
    void write(const QString& name, const QByteArray& bytes) const;
    void writePenas(const QList<PenaRecord>& penas) const;
    void writeDraws(const QList<DrawRecord>& draws) const;

private:
    QTemporaryDir dir_;
};

// Builders for test records.
DrawRecord makeDraw(QDate date, std::array<int, 5> numbers, std::array<int, 2> stars);
PenaRecord makeSimplePena(const QString& name, const QString& dayFilter, QDate created,
                          const QList<std::pair<std::array<int, 5>, std::array<int, 2>>>& bets);
PenaRecord makeMultiplePena(const QString& name, const QString& dayFilter, QDate created,
                            const QList<int>& numbers, const QList<int>& stars);
