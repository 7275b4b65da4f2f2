#include "check/hits.h"
#include "check/categories.h"
#include "store/dates.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

HitCount simpleHits(std::array<qint16, 5> numbers, std::array<qint16, 2> stars,
                    const DrawRecord& draw) {
    return countHits(numbers, stars, draw);
}

const QDate kTuesday(2023, 3, 7);
const QDate kFriday(2023, 3, 10);

} // namespace

TEST(CountHits, ComparesNumbersWithNumbersAndStarsWithStars) {
    const DrawRecord draw = makeDraw(kTuesday, {1, 2, 3, 40, 41}, {3, 4});
    const HitCount h = simpleHits({1, 2, 3, 4, 5}, {1, 2}, draw);
    EXPECT_EQ(h.numbersHit, 3);
    EXPECT_EQ(h.starsHit, 0);
    EXPECT_EQ(h.numberPositions, 0b00111);
    EXPECT_EQ(h.starPositions, 0);
    EXPECT_EQ(classifyHits(h), 10);

    // The bet's stars 3 and 4 are among the draw's numbers only: no star hit.
    const DrawRecord crossed = makeDraw(kTuesday, {3, 4, 10, 11, 12}, {7, 8});
    EXPECT_EQ(simpleHits({10, 20, 30, 40, 50}, {3, 4}, crossed).starsHit, 0);
}

TEST(CountHits, PositionInTheDrawPlaysNoPart) {
    const DrawRecord draw = makeDraw(kTuesday, {50, 9, 27, 1, 33}, {12, 5});
    const HitCount h = simpleHits({1, 9, 27, 33, 50}, {5, 12}, draw);
    EXPECT_EQ(h.numbersHit, 5);
    EXPECT_EQ(h.starsHit, 2);
    EXPECT_EQ(h.numberPositions, 0b11111);
    EXPECT_EQ(h.starPositions, 0b11);
}

TEST(CountHits, MultipleBetMarksPositionsAndReachesAtMostFiveAndTwo) {
    const DrawRecord draw = makeDraw(kTuesday, {4, 8, 15, 16, 23}, {2, 9});
    const std::array<qint16, 10> numbers{1, 4, 8, 10, 15, 16, 20, 23, 30, 42};
    const std::array<qint16, 5> stars{1, 2, 3, 9, 11};
    const HitCount h = countHits(numbers, stars, draw);
    EXPECT_EQ(h.numbersHit, 5);
    EXPECT_EQ(h.starsHit, 2);
    EXPECT_EQ(h.numberPositions, (1 << 1) | (1 << 2) | (1 << 4) | (1 << 5) | (1 << 7));
    EXPECT_EQ(h.starPositions, (1 << 1) | (1 << 3));
}

TEST(ClassifyHits, EveryResultHasItsCategoryOrNone) {
    // [numbers][stars] -> k, 0 = no prize.
    const int expected[6][3] = {
        {0, 0, 0},   // no number: never a prize, even with both stars
        {0, 0, 11},  // 1+0 and 1+1 win nothing; 1+2 is k = 11
        {13, 12, 8}, // 2+0, 2+1, 2+2
        {10, 9, 7},  // 3+0, 3+1, 3+2
        {6, 5, 4},   // 4+0, 4+1, 4+2
        {3, 2, 1},   // 5+0, 5+1, 5+2
    };
    for (int a = 0; a <= 5; ++a)
        for (int b = 0; b <= 2; ++b)
            EXPECT_EQ(classifyHits(a, b), expected[a][b]) << a << "+" << b;
}

TEST(ClassifyHits, CategoryTableInTheStoredOrder) {
    const char* labels[13] = {"5+2", "5+1", "5+0", "4+2", "4+1", "4+0", "3+2",
                              "2+2", "3+1", "3+0", "1+2", "2+1", "2+0"};
    for (int k = 1; k <= 13; ++k) {
        EXPECT_EQ(prizeLineLabel(k),
                  QStringLiteral(" apuestas de ") + QLatin1String(labels[k - 1]));
        EXPECT_EQ(classifyHits(category(k).numbers, category(k).stars), k);
    }
    EXPECT_EQ(categoryColour(1), rgb(255, 0, 0));
    EXPECT_EQ(categoryColour(3), rgb(255, 0, 0));
    EXPECT_EQ(categoryColour(4), rgb(0, 0, 255));
    EXPECT_EQ(categoryColour(6), rgb(0, 0, 255));
    EXPECT_EQ(categoryColour(7), rgb(255, 128, 255));
    EXPECT_EQ(categoryColour(9), rgb(255, 128, 255));
    EXPECT_EQ(categoryColour(10), rgb(0, 192, 0));
    EXPECT_EQ(categoryColour(13), rgb(0, 192, 0));
}

TEST(PenaPlaysDraw, CreationDayDayFilterAndHistory) {
    const PenaRecord tuesdays =
        makeSimplePena(QStringLiteral("Martes"), QStringLiteral("Martes"), kTuesday, {});
    const PenaRecord both =
        makeSimplePena(QStringLiteral("T"), QStringLiteral("Todos"), kTuesday, {});
    const DrawRecord creationDay = makeDraw(kTuesday, {1, 2, 3, 4, 5}, {1, 2});
    const DrawRecord friday = makeDraw(kFriday, {1, 2, 3, 4, 5}, {1, 2});
    const DrawRecord dayBefore = makeDraw(kTuesday.addDays(-1), {1, 2, 3, 4, 5}, {1, 2});
    const DrawRecord weekBefore = makeDraw(kTuesday.addDays(-7), {1, 2, 3, 4, 5}, {1, 2});

    EXPECT_TRUE(penaPlaysDraw(tuesdays, creationDay, false));
    EXPECT_FALSE(penaPlaysDraw(tuesdays, friday, false));
    EXPECT_FALSE(penaPlaysDraw(tuesdays, friday, true));
    EXPECT_TRUE(penaPlaysDraw(both, friday, false));
    EXPECT_TRUE(penaPlaysDraw(both, creationDay, false));
    EXPECT_FALSE(penaPlaysDraw(tuesdays, weekBefore, false));
    EXPECT_TRUE(penaPlaysDraw(tuesdays, weekBefore, true));
    // A Monday draw plays for nobody but "Todos" (with the history view).
    EXPECT_FALSE(penaPlaysDraw(tuesdays, dayBefore, true));
    EXPECT_TRUE(penaPlaysDraw(both, dayBefore, true));

    PenaRecord unknown = tuesdays;
    unknown.setDayFilter(QStringLiteral("martes"));
    EXPECT_FALSE(penaPlaysDraw(unknown, creationDay, false));
    PenaRecord padded = tuesdays;
    padded.dayFilter = QByteArray("  Viernes      ");
    EXPECT_TRUE(penaPlaysDraw(padded, friday, false));
}

TEST(CountsTowardHits, NewerThanLastCountedAndNotBeforeCreation) {
    PenaRecord pena = makeSimplePena(QStringLiteral("A"), QStringLiteral("Todos"), kTuesday, {});
    const DrawRecord creationDay = makeDraw(kTuesday, {1, 2, 3, 4, 5}, {1, 2});
    const DrawRecord before = makeDraw(kTuesday.addDays(-4), {1, 2, 3, 4, 5}, {1, 2});
    EXPECT_TRUE(countsTowardHits(pena, creationDay));
    EXPECT_FALSE(countsTowardHits(pena, before));
    pena.lastCounted = oleFromDate(kTuesday);
    EXPECT_FALSE(countsTowardHits(pena, creationDay));
    EXPECT_TRUE(countsTowardHits(pena, makeDraw(kFriday, {1, 2, 3, 4, 5}, {1, 2})));
}

TEST(AddHits, StopsAtTheLimitInsteadOfWrapping) {
    EXPECT_EQ(addHits(5, 3), 8);
    EXPECT_EQ(addHits(32766, 1), 32767);
    EXPECT_EQ(addHits(32767, 1), 32767);
    EXPECT_EQ(addHits(32000, 1200), 32767);
    EXPECT_EQ(addHits(0, 0), 0);
}
