#include "support/tempfolder.h"

#include "store/dates.h"

#include <QFile>
#include <gtest/gtest.h>

TempFolder::TempFolder() {
    EXPECT_TRUE(dir_.isValid());
}

QString TempFolder::path() const {
    return dir_.path() + QLatin1Char('/');
}

QString TempFolder::file(const QString& name) const {
    return path() + name;
}

QByteArray TempFolder::read(const QString& name) const {
    QFile f(file(name));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

void TempFolder::write(const QString& name, const QByteArray& bytes) const {
    QFile f(file(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void TempFolder::writePenas(const QList<PenaRecord>& penas) const {
    QByteArray bytes;
    for (const PenaRecord& p : penas)
        bytes.append(p.encode());
    write(QStringLiteral("apuestas.dat"), bytes);
}

void TempFolder::writeDraws(const QList<DrawRecord>& draws) const {
    QByteArray bytes;
    for (const DrawRecord& d : draws)
        bytes.append(d.encode());
    write(QStringLiteral("numeros.dat"), bytes);
}

DrawRecord makeDraw(QDate date, std::array<int, 5> numbers, std::array<int, 2> stars) {
    DrawRecord d;
    for (int k = 0; k < 5; ++k)
        d.numbers[k] = static_cast<qint16>(numbers[k]);
    for (int k = 0; k < 2; ++k)
        d.stars[k] = static_cast<qint16>(stars[k]);
    d.drawDate = oleFromDate(date);
    return d;
}

PenaRecord makeSimplePena(const QString& name, const QString& dayFilter, QDate created,
                          const QList<std::pair<std::array<int, 5>, std::array<int, 2>>>& bets) {
    PenaRecord p;
    p.setName(name);
    p.setDayFilter(dayFilter);
    p.betMode = static_cast<qint16>(bets.size());
    p.createdOn = oleFromDate(created);
    for (int b = 0; b < bets.size(); ++b) {
        for (int k = 0; k < 5; ++k)
            p.numbers[b][k] = static_cast<qint16>(bets[b].first[k]);
        for (int k = 0; k < 2; ++k)
            p.stars[b][k] = static_cast<qint16>(bets[b].second[k]);
    }
    return p;
}

PenaRecord makeMultiplePena(const QString& name, const QString& dayFilter, QDate created,
                            const QList<int>& numbers, const QList<int>& stars) {
    PenaRecord p;
    p.setName(name);
    p.setDayFilter(dayFilter);
    p.betMode = static_cast<qint16>(multipleMode(numbers.size(), stars.size()));
    p.createdOn = oleFromDate(created);
    for (int k = 0; k < numbers.size(); ++k)
        p.numbers[0][k] = static_cast<qint16>(numbers[k]);
    for (int k = 0; k < stars.size(); ++k)
        p.stars[0][k] = static_cast<qint16>(stars[k]);
    return p;
}
