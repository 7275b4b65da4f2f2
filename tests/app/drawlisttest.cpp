#include "app/drawlist.h"
#include "store/dates.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

TEST(DrawListTexts, NumbersArePaddedAndJoined) {
    const QDate day(2020, 4, 21);
    EXPECT_EQ(drawListNumbersText(makeDraw(day, {3, 17, 22, 40, 45}, {2, 5})),
              QStringLiteral(" 3-17-22-40-45"));
    EXPECT_EQ(drawListNumbersText(makeDraw(day, {1, 2, 3, 4, 5}, {2, 5})),
              QStringLiteral(" 1- 2- 3- 4-5"));
    EXPECT_EQ(drawListNumbersText(makeDraw(day, {10, 20, 30, 49, 9}, {2, 5})),
              QStringLiteral("10-20-30-49-9"));
}

TEST(DrawListTexts, SecondStarIsRightAlignedInTwo) {
    const QDate day(2020, 4, 21);
    EXPECT_EQ(drawListStarsText(makeDraw(day, {1, 2, 3, 4, 5}, {2, 5})), QStringLiteral("2  5"));
    EXPECT_EQ(drawListStarsText(makeDraw(day, {1, 2, 3, 4, 5}, {3, 11})), QStringLiteral("3 11"));
    EXPECT_EQ(drawListStarsText(makeDraw(day, {1, 2, 3, 4, 5}, {10, 12})), QStringLiteral("10 12"));
    EXPECT_EQ(drawListStarsText(makeDraw(day, {1, 2, 3, 4, 5}, {11, 2})), QStringLiteral("11  2"));
}

TEST(DrawListTexts, DateColumnAndTotal) {
    EXPECT_EQ(drawListDateText(makeDraw(QDate(2020, 4, 21), {1, 2, 3, 4, 5}, {1, 2})),
              QStringLiteral("21/04/2020  Martes"));
    EXPECT_EQ(drawListDateText(makeDraw(QDate(2023, 2, 24), {1, 2, 3, 4, 5}, {1, 2})),
              QStringLiteral("24/02/2023  Viernes"));
    EXPECT_EQ(drawListDateText(makeDraw(QDate(2004, 2, 13), {1, 2, 3, 4, 5}, {1, 2})),
              QStringLiteral("13/02/2004  Viernes"));
    EXPECT_EQ(drawListTotalText(0), QStringLiteral("TOTAL: 0 sorteos."));
    EXPECT_EQ(drawListTotalText(3), QStringLiteral("TOTAL: 3 sorteos."));
}

TEST(DrawListLoad, NewestFirstOverTheCountedRecords) {
    TempFolder dir;
    const QList<DrawRecord> draws = {makeDraw(QDate(2023, 2, 24), {1, 2, 3, 4, 5}, {1, 2}),
                                     makeDraw(QDate(2023, 2, 28), {6, 7, 8, 9, 10}, {3, 4}),
                                     makeDraw(QDate(2023, 3, 3), {11, 12, 13, 14, 15}, {5, 6})};
    dir.writeDraws(draws);
    DataFiles files;
    files.openAll(dir.path());
    const auto rows = loadDrawList(files, 4);
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), 3);
    EXPECT_EQ((*rows)[0].encode(), draws[2].encode());
    EXPECT_EQ((*rows)[2].encode(), draws[0].encode());

    const auto none = loadDrawList(files, 1);
    ASSERT_TRUE(none.has_value());
    EXPECT_TRUE(none->isEmpty());
}

TEST(DrawListLoad, DamagedOrMissingRecordsMeanADamagedFile) {
    TempFolder dir;
    QList<DrawRecord> draws = {makeDraw(QDate(2023, 2, 24), {1, 2, 3, 4, 5}, {1, 2}),
                               makeDraw(QDate(2023, 2, 28), {6, 7, 8, 9, 10}, {3, 13})};
    dir.writeDraws(draws);
    DataFiles files;
    files.openAll(dir.path());
    EXPECT_FALSE(loadDrawList(files, 3).has_value());

    draws[1].stars[1] = 4;
    dir.writeDraws(draws);
    files.openAll(dir.path());
    EXPECT_TRUE(loadDrawList(files, 3).has_value());
    // A record the count promised is not there.
    EXPECT_FALSE(loadDrawList(files, 4).has_value());
}
