#include "check/penadetail.h"
#include "store/dates.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);

// Draws on every Tuesday and Friday from the given day on.
QList<DrawRecord> drawsFrom(QDate first, int count) {
    QList<DrawRecord> draws;
    QDate day = first;
    while (draws.size() < count) {
        if (day.dayOfWeek() == Qt::Tuesday || day.dayOfWeek() == Qt::Friday)
            draws.append(makeDraw(day, {1, 2, 3, 4, 5}, {1, 2}));
        day = day.addDays(1);
    }
    return draws;
}

} // namespace

TEST(PenaDetail, SimplePeñaOfThreeBets) {
    const PenaRecord p = makeSimplePena(
        QStringLiteral("TRES"), QStringLiteral("Todos"), QDate(2023, 1, 1),
        {{{3, 17, 22, 40, 45}, {2, 11}}, {{1, 2, 10, 11, 50}, {1, 2}}, {{5, 6, 7, 8, 9}, {9, 12}}});
    const PenaDetailView v = computePenaDetail(p, {}, kSpanish);
    EXPECT_TRUE(v.simple);
    EXPECT_EQ(v.numberLines,
              QStringList({QStringLiteral(" 3-17-22-40-45"), QStringLiteral(" 1- 2-10-11-50"),
                           QStringLiteral(" 5- 6- 7- 8- 9")}));
    EXPECT_EQ(v.starLines,
              QStringList({QStringLiteral("2-11"), QStringLiteral("1-2"), QStringLiteral("9-12")}));
    EXPECT_EQ(v.listHeightTwips, 3 * 225);
    EXPECT_EQ(v.effectiveness, QStringLiteral("-")); // no draws, no hits
    EXPECT_EQ(v.playedDraws, QStringLiteral("0"));
}

TEST(PenaDetail, MultiplePeñaAndListHeights) {
    const PenaRecord m =
        makeMultiplePena(QStringLiteral("M"), QStringLiteral("Todos"), QDate(2023, 1, 1),
                         {1, 5, 9, 20, 33, 41, 44, 50}, {3, 7, 12});
    const PenaDetailView v = computePenaDetail(m, {}, kSpanish);
    EXPECT_FALSE(v.simple);
    EXPECT_EQ(v.numberLines, QStringList({QStringLiteral(" 1- 5- 9-20-33-41-44-50")}));
    EXPECT_EQ(v.starLines, QStringList({QStringLiteral("3-7-12")}));

    QList<std::pair<std::array<int, 5>, std::array<int, 2>>> bets;
    for (int b = 0; b < 24; ++b)
        bets.append({{1, 2, 3, 4, 5}, {1, 2}});
    EXPECT_EQ(computePenaDetail(makeSimplePena(QStringLiteral("X"), QStringLiteral("Todos"),
                                               QDate(2023, 1, 1), bets),
                                {}, kSpanish)
                  .listHeightTwips,
              24 * 225 - 400);
    bets.resize(9);
    EXPECT_EQ(computePenaDetail(makeSimplePena(QStringLiteral("X"), QStringLiteral("Todos"),
                                               QDate(2023, 1, 1), bets),
                                {}, kSpanish)
                  .listHeightTwips,
              9 * 225 - 200);
}

TEST(PenaDetail, PlayedDrawsAndEffectiveness) {
    const QList<DrawRecord> draws = drawsFrom(QDate(2023, 1, 3), 8);
    PenaRecord p = makeSimplePena(QStringLiteral("P"), QStringLiteral("Todos"), QDate(2023, 1, 3),
                                  {{{1, 2, 3, 4, 5}, {1, 2}}});
    p.hits[12] = 3;
    p.hits[9] = 1;
    PenaDetailView v = computePenaDetail(p, draws, kSpanish);
    EXPECT_EQ(v.playedDraws, QStringLiteral("8"));
    EXPECT_EQ(v.effectiveness, QStringLiteral("50 %"));
    EXPECT_EQ(v.chartWithoutPrize, 4);
    EXPECT_EQ(v.chartTotal, 4);
    EXPECT_EQ(v.hits[12], 3);

    // 30 winning bets in 10 played draws.
    const QList<DrawRecord> ten = drawsFrom(QDate(2023, 1, 3), 10);
    p.hits = {};
    p.hits[0] = 30;
    v = computePenaDetail(p, ten, kSpanish);
    EXPECT_EQ(v.effectiveness, QStringLiteral("300 %"));
    EXPECT_EQ(v.chartWithoutPrize, 0);

    // Only its own days, only from its creation day on (the creation day plays).
    p.hits = {};
    p.hits[12] = 1;
    p.setDayFilter(QStringLiteral("Martes"));
    p.createdOn = ten[2].drawDate; // the second Tuesday
    v = computePenaDetail(p, ten, kSpanish);
    EXPECT_EQ(v.playedDraws, QStringLiteral("4"));
    EXPECT_EQ(v.effectiveness, QStringLiteral("25 %"));

    // 1 in 8: 12,5 %.
    p.setDayFilter(QStringLiteral("Todos"));
    p.createdOn = draws.first().drawDate;
    EXPECT_EQ(computePenaDetail(p, draws, kSpanish).effectiveness, QStringLiteral("12,5 %"));
}

TEST(PenaDetail, CreatedTodayBeforeTodaysDrawAndNoDraws) {
    const QList<DrawRecord> draws = drawsFrom(QDate(2023, 1, 3), 4);
    PenaRecord p =
        makeSimplePena(QStringLiteral("P"), QStringLiteral("Todos"),
                       dateFromOle(draws.last().drawDate).addDays(1), {{{1, 2, 3, 4, 5}, {1, 2}}});
    PenaDetailView v = computePenaDetail(p, draws, kSpanish);
    EXPECT_EQ(v.playedDraws, QStringLiteral("0"));
    EXPECT_EQ(v.effectiveness, QStringLiteral("0 %"));
    p.hits[3] = 2;
    v = computePenaDetail(p, {}, kSpanish);
    EXPECT_EQ(v.effectiveness, QStringLiteral("100 %"));
    EXPECT_EQ(v.chartWithoutPrize, 0);
    EXPECT_EQ(v.chartTotal, 2);
}

TEST(PenaDetail, DamagedRecordsAreReportedNotRead) {
    PenaRecord p = makeSimplePena(QStringLiteral("P"), QStringLiteral("Todos"), QDate(2023, 1, 3),
                                  {{{1, 2, 3, 4, 5}, {1, 2}}});
    for (int mode : {25, 300, 211, 152, 0, -1}) {
        p.betMode = static_cast<qint16>(mode);
        const PenaDetailView v = computePenaDetail(p, {}, kSpanish);
        EXPECT_TRUE(v.corrupt) << mode;
        EXPECT_TRUE(v.numberLines.isEmpty());
    }
    p.betMode = 1;
    p.numbers[0][2] = 77;
    EXPECT_TRUE(computePenaDetail(p, {}, kSpanish).corrupt);
    EXPECT_TRUE(emptyPenaDetail().empty);
    EXPECT_EQ(emptyPenaDetail().effectiveness, QStringLiteral("-"));
}
