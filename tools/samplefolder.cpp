// Lays down a sample data folder: a year of draws up to a given day and a few
// peñas, for screenshots and trying the program out.
#include "check/counting.h"
#include "store/datafiles.h"
#include "store/dates.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <random>

namespace {

DrawRecord randomDraw(std::mt19937& rng, QDate day) {
    DrawRecord d;
    std::vector<int> numbers(50), stars(12);
    for (int i = 0; i < 50; ++i)
        numbers[i] = i + 1;
    for (int i = 0; i < 12; ++i)
        stars[i] = i + 1;
    std::shuffle(numbers.begin(), numbers.end(), rng);
    std::shuffle(stars.begin(), stars.end(), rng);
    for (int k = 0; k < 5; ++k)
        d.numbers[k] = static_cast<qint16>(numbers[k]);
    for (int k = 0; k < 2; ++k)
        d.stars[k] = static_cast<qint16>(stars[k]);
    d.drawDate = oleFromDate(day);
    return d;
}

// Euro cents of one winning bet of each official category, as a draw of
// these years pays them.
const qint64 kTypicalPrizes[13] = {5439512140, 31648809, 4521258, 176631, 15626, 6178, 7164,
                                   1664,       1401,     1252,    886,    678,   420};

PenaRecord pena(const QString& name, const QString& days, QDate created, int mode,
                const std::vector<std::vector<int>>& numbers,
                const std::vector<std::vector<int>>& stars) {
    PenaRecord p;
    p.setName(name);
    p.setDayFilter(days);
    p.betMode = static_cast<qint16>(mode);
    p.createdOn = oleFromDate(created);
    for (size_t b = 0; b < numbers.size(); ++b) {
        for (size_t k = 0; k < numbers[b].size(); ++k)
            p.numbers[b][k] = static_cast<qint16>(numbers[b][k]);
        for (size_t k = 0; k < stars[b].size(); ++k)
            p.stars[b][k] = static_cast<qint16>(stars[b][k]);
    }
    return p;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "uso: vantiko-sample CARPETA [AAAA-MM-DD]\n");
        return 2;
    }
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + '/';
    QDir().mkpath(folder);
    const QDate last = argc > 2 ? QDate::fromString(QString::fromLatin1(argv[2]), Qt::ISODate)
                                : QDate::currentDate();
    for (const QString& f : {kPenaFile, kDrawFile, kPrizeFile})
        QFile::remove(folder + f);
    DataFiles files;
    files.openAll(folder);

    std::mt19937 rng(20260101);
    QList<DrawRecord> draws;
    for (QDate day = last.addDays(-364); day <= last; day = day.addDays(1))
        if (day.dayOfWeek() == Qt::Tuesday || day.dayOfWeek() == Qt::Friday)
            draws.append(randomDraw(rng, day));
    for (int i = 0; i < draws.size(); ++i)
        files.writeDraw(i + 1, draws[i]);
    // Prizes of the season's size for every draw but two, so the guide shows
    // both kinds.
    QList<PrizeRecord> prizes;
    for (int i = 0; i < draws.size(); ++i) {
        if (i == 20 || i == 61) continue;
        PrizeRecord p;
        p.drawDate = draws[i].drawDate;
        for (std::size_t c = 0; c < p.cents.size(); ++c)
            p.cents[c] = kTypicalPrizes[c] * std::uniform_int_distribution(70, 130)(rng) / 100;
        prizes.append(p);
    }
    files.rewritePrizes(prizes);

    const QDate created = last.addDays(-120);
    QList<PenaRecord> penas = {
        pena(QStringLiteral("LOS DEL BAR"), QStringLiteral("Todos"), created, 3,
             {{3, 17, 22, 40, 45}, {1, 2, 10, 11, 50}, {7, 14, 21, 28, 35}},
             {{2, 11}, {1, 2}, {5, 9}}),
        pena(QStringLiteral("PEÑA LA OFICINA"), QStringLiteral("Martes"), created, 2,
             {{4, 8, 15, 16, 23}, {5, 12, 19, 33, 42}}, {{4, 8}, {3, 12}}),
        pena(QStringLiteral("FAMILIA GARCÍA"), QStringLiteral("Viernes"), created, 174,
             {{2, 9, 14, 23, 31, 40, 50}}, {{3, 4, 6, 10}}),
    };
    // The totals the program would have counted, so every picture agrees.
    std::vector<bool> changed;
    countNewDraws(penas, draws, changed);
    for (int i = 0; i < penas.size(); ++i)
        files.writePena(i + 1, penas[i]);
    files.closeAll();
    std::printf("%lld sorteos y %lld peñas en %s\n", static_cast<long long>(draws.size()),
                static_cast<long long>(penas.size()), qPrintable(folder));
    return 0;
}
