#include "app/summary.h"
#include "check/effectiveness.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);

PenaRecord penaWithHits(int hits, qint16 mode = 2) {
    PenaRecord p =
        makeSimplePena(QStringLiteral("LA PEÑA"), QStringLiteral("Todos"), QDate(2023, 1, 2),
                       {{{1, 2, 3, 4, 5}, {1, 2}}, {{6, 7, 8, 9, 10}, {3, 4}}});
    p.betMode = mode;
    p.hits[12] = static_cast<qint16>(hits);
    return p;
}

} // namespace

TEST(Summary, NoPeñas) {
    const SummaryView v = computeSummary({}, 7, kSpanish);
    EXPECT_TRUE(v.rows.isEmpty());
    EXPECT_EQ(v.nextPenaRecord, 1);
    EXPECT_EQ(v.penaCount, QStringLiteral("0"));
    EXPECT_FALSE(v.printEnabled);
    EXPECT_FALSE(v.deleteEnabled);
    EXPECT_EQ(v.effectiveness, QStringLiteral("¡Nunca has acertado nada!"));
    EXPECT_EQ(v.totalText, QStringLiteral("0"));
    EXPECT_TRUE(v.playedDraws.isEmpty());
    EXPECT_EQ(v.chartWithoutPrize, 1);
    EXPECT_EQ(v.chartTotal, 0);
}

TEST(Summary, EffectivenessAndChartFromTotalAndPlayedDraws) {
    struct Case {
        int total;
        int played;
        const char* text;
        int withoutPrize;
    };
    const Case cases[] = {
        {0, 12, "0% de efectividad en premios", 12},
        {3, 8, "37,5% de efectividad en premios", 5},
        {9, 8, "100% de efectividad en premios", 0},
        {0, 0, "0% de efectividad en premios", 1},
        {1, 3, "33,3% de efectividad en premios", 2},
        {1, 16, "6,2% de efectividad en premios", 15}, // 6.25: half to even
        {3, 80, "3,8% de efectividad en premios", 77}, // 3.75: half to even
    };
    for (const Case& c : cases) {
        const SummaryView v = computeSummary({penaWithHits(c.total)}, c.played, kSpanish);
        EXPECT_EQ(v.effectiveness, QString::fromUtf8(c.text)) << c.total << "/" << c.played;
        EXPECT_EQ(v.chartWithoutPrize, c.withoutPrize);
        EXPECT_EQ(v.chartTotal, c.total);
        EXPECT_EQ(v.totalText, QString::number(c.total));
        EXPECT_EQ(v.playedDraws, QStringLiteral("en %1 sorteos").arg(c.played));
    }
}

TEST(Summary, TotalAddsEveryPeñaAndEveryCategory) {
    PenaRecord a = penaWithHits(2);
    a.hits[0] = 1;
    a.hits[9] = 4;
    const PenaRecord b = penaWithHits(5);
    const SummaryView v = computeSummary({a, b}, 100, kSpanish);
    EXPECT_EQ(v.total, 12);
    EXPECT_EQ(v.penaCount, QStringLiteral("2"));
    EXPECT_EQ(v.nextPenaRecord, 3);
    EXPECT_TRUE(v.printEnabled);
    EXPECT_TRUE(v.deleteEnabled);
}

TEST(Summary, PeñaListRows) {
    PenaRecord simple = penaWithHits(0, 8);
    simple.setDayFilter(QStringLiteral("Viernes"));
    const PenaListRow s = penaListRow(simple);
    EXPECT_EQ(s.name, QStringLiteral("LA PEÑA"));
    EXPECT_EQ(s.bets, QStringLiteral("8"));
    EXPECT_EQ(s.createdOn, QStringLiteral("02/01/2023"));
    EXPECT_EQ(s.dayFilter, QStringLiteral("Viernes"));
    const PenaRecord multiple = makeMultiplePena(QStringLiteral("M"), QStringLiteral("Todos"),
                                                 QDate(2023, 1, 2), {1, 2, 3, 4, 5, 6}, {1, 2});
    EXPECT_EQ(multiple.betMode, 162);
    EXPECT_EQ(penaListRow(multiple).bets, QStringLiteral("6"));
}

TEST(Effectiveness, RoundsToOneDecimalWithTheLocaleSeparator) {
    EXPECT_EQ(roundedPercent(37.5f, kSpanish), QStringLiteral("37,5"));
    EXPECT_EQ(roundedPercent(300.0f, kSpanish), QStringLiteral("300"));
    EXPECT_EQ(roundedPercent(12345.25f, kSpanish), QStringLiteral("12345,2"));
    EXPECT_EQ(roundedPercent(37.5f, QLocale(QLocale::English)), QStringLiteral("37.5"));
    EXPECT_EQ(roundedPercent(0.05f, kSpanish), QStringLiteral("0,1")); // 0.05f is above 0.05
}
