#include "print/playslip.h"

#include <gtest/gtest.h>

namespace {

struct Place {
    const char* what;
    MmPoint got;
    MmPoint want;
};

} // namespace

TEST(Playslip, EveryPositionFromTheOneGeometry) {
    // Official paper with the corrections X 10 and Y 20.
    const PlayslipLayout official(PrintMode::Official, 1, 10.0f, 20.0f);
    const CellTable o = official.cells();
    const PlayslipLayout plain1(PrintMode::Plain, 1, 10.0f, 20.0f);
    const PlayslipLayout plain2(PrintMode::Plain, 2, 10.0f, 20.0f);
    const PlayslipLayout plain5(PrintMode::Plain, 5, 0.0f, 0.0f);
    const MmRect frame2 = plain2.frame();
    const Place places[] = {
        {"number 1, block 1", o.number(1, 1), {10, 20}},
        {"number 10, block 2", o.number(2, 10), {10 + 3.75 + 26.2, 20}},
        {"number 50, block 1", o.number(1, 50), {10 + 18.75, 20 + 20}},
        {"number 46, block 1", o.number(1, 46), {10 + 18.75, 20}},
        {"star 1, block 1", o.star(1, 1), {10, 70}},
        {"star 12, block 5", o.star(5, 12), {10 + 15 + 104.8, 20 + 65}},
        {"Martes box", official.dayBox(DayBox::SingleDay), {70, 90}},
        {"current-week box", official.dayBox(DayBox::CurrentWeek), {107.5, 90}},
        {"two-weeks box", official.dayBox(DayBox::TwoWeeks), {140.5, 90}},
        {"header site", official.headerSite(), {42, 4}},
        {"header, 4-letter name", official.headerPena(QStringLiteral("LOLA")), {112, 4}},
        {"header, 9-letter name", official.headerPena(QStringLiteral("123456789")), {112, 4}},
        {"header, 10-letter name", official.headerPena(QStringLiteral("1234567890")), {104, 4}},
        {"header, 12-letter name", official.headerPena(QStringLiteral("LOS DEL BAR!")), {104, 4}},
        {"header, 15-letter name", official.headerPena(QString(15, QLatin1Char('A'))), {104, 4}},
        {"header, 16-letter name", official.headerPena(QString(16, QLatin1Char('A'))), {91, 4}},
        {"header, 20-letter name", official.headerPena(QString(20, QLatin1Char('A'))), {91, 4}},
        {"plain 1 first number", plain1.cells().number(1, 1), {33, 45}},
        {"plain 2 frame corner", {frame2.x, frame2.y}, {20, 124}},
        {"plain 2 frame size", {frame2.width, frame2.height}, {160.5, 104}},
        {"plain 2 first number", plain2.cells().number(1, 1), {33, 149}},
        {"plain 5 first number (upper half)", plain5.cells().number(1, 1), {33, 45}},
        {"plain 2 PEÑA line", plain2.penaLine(), {28, 136}},
        {"plain 2 Participación", plain2.participationLine(), {135, 136}},
        {"plain 1 days, both", plain1.daysLine(true), {133, 36}},
        {"plain 1 days, one", plain1.daysLine(false), {142, 36}},
        {"plain 2 single-day box", plain2.dayBox(DayBox::SingleDay), {93.2, 219}},
        {"plain 2 current-week box", plain2.dayBox(DayBox::CurrentWeek), {130, 219}},
        {"plain 1 two-weeks box", plain1.dayBox(DayBox::TwoWeeks), {164, 115}},
        {"8/4 size mark, numbers",
         o.number(kSizeMarkBlock, sizeMarks(8, 4).numberCell),
         {10 + 131, 20 + 20}},
        {"8/4 size mark, stars",
         o.star(kSizeMarkBlock, sizeMarks(8, 4).starCell),
         {10 + 131, 20 + 55}},
        {"5/3 size mark, stars",
         o.star(kSizeMarkBlock, sizeMarks(5, 3).starCell),
         {10 + 131, 20 + 50}},
    };
    for (const Place& p : places) {
        EXPECT_NEAR(p.got.x, p.want.x, 1e-9) << p.what;
        EXPECT_NEAR(p.got.y, p.want.y, 1e-9) << p.what;
    }

    const MmRect marks[PlayslipLayout::kFilledMarks] = {
        {23.8, 221.3, 2.5, 3.0}, {173.5, 221.3, 2.5, 3.0}, {22.5, 148, 1, 4}, {22.5, 160, 1, 4},
        {22.5, 184, 1, 4},       {22.5, 196, 1, 4},        {22.5, 202, 1, 4}};
    for (int k = 0; k < PlayslipLayout::kFilledMarks; ++k) {
        const MmRect r = plain2.filledMark(k);
        EXPECT_NEAR(r.x, marks[k].x, 1e-9) << k;
        EXPECT_NEAR(r.y, marks[k].y, 1e-9) << k;
        EXPECT_NEAR(r.width, marks[k].width, 1e-9) << k;
        EXPECT_NEAR(r.height, marks[k].height, 1e-9) << k;
    }
}

TEST(Playslip, SizeMarksHeaderRuleAndPlayslipCount) {
    const struct {
        int n, s, numberCell, starCell;
    } sizes[] = {{5, 3, 0, 1}, {5, 2, 0, 0}, {6, 2, 3, 0}, {8, 4, 5, 2}, {10, 5, 7, 3}};
    for (const auto& c : sizes) {
        EXPECT_EQ(sizeMarks(c.n, c.s).numberCell, c.numberCell) << c.n << "/" << c.s;
        EXPECT_EQ(sizeMarks(c.n, c.s).starCell, c.starCell) << c.n << "/" << c.s;
    }

    EXPECT_FALSE(officialHeaderShown(5.0f, 20.0f));
    EXPECT_TRUE(officialHeaderShown(5.1f, 20.0f));
    EXPECT_FALSE(officialHeaderShown(10.0f, 11.0f));
    EXPECT_TRUE(officialHeaderShown(10.0f, 11.5f));

    const int needed[][2] = {{1, 1}, {5, 1}, {6, 2}, {7, 2}, {10, 2}, {11, 3}, {24, 5}, {174, 1}};
    for (const auto& c : needed)
        EXPECT_EQ(playslipsNeeded(c[0]), c[1]) << c[0];
    EXPECT_EQ(penaLineText(QStringLiteral("LOS AMIGOS"), 1, 3),
              QStringLiteral("PEÑA LOS AMIGOS (1/3)"));
}
