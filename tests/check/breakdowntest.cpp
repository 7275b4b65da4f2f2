#include "check/breakdown.h"
#include "check/categories.h"
#include "store/records.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <string>

namespace {

int categoryOf(const std::string& label) {
    for (int k = 1; k <= 13; ++k)
        if (std::to_string(category(k).numbers) + "+" + std::to_string(category(k).stars) == label)
            return k;
    return 0;
}

const std::vector<int> kMultipleModes = {153, 154, 155, 162, 163, 164, 165, 172, 173, 174, 175, 182,
                                         183, 184, 185, 192, 193, 194, 195, 202, 203, 204, 205};

} // namespace

TEST(BreakDownMultiple, WorkedValues) {
    struct Case {
        int mode, a, b;
        std::map<std::string, int> counts; // every category not named is 0
    };
    const std::vector<Case> cases = {
        {153, 5, 2, {{"5+2", 1}, {"5+1", 2}}},
        {162, 3, 0, {{"3+0", 3}, {"2+0", 3}}},
        {163, 1, 2, {{"1+2", 5}}},
        {174,
         4,
         2,
         {{"4+2", 3},
          {"4+1", 12},
          {"4+0", 3},
          {"3+2", 12},
          {"2+2", 6},
          {"3+1", 48},
          {"3+0", 12},
          {"2+1", 24},
          {"2+0", 6}}},
        {175, 2, 1, {{"2+1", 40}, {"2+0", 60}}},
        {183,
         5,
         2,
         {{"5+2", 1},
          {"5+1", 2},
          {"4+2", 15},
          {"4+1", 30},
          {"3+2", 30},
          {"2+2", 10},
          {"3+1", 60},
          {"2+1", 20}}},
        {192, 5, 1, {{"5+1", 1}, {"4+1", 20}, {"3+1", 60}, {"2+1", 40}}},
        {205, 2, 0, {{"2+0", 560}}},
        {205,
         5,
         2,
         {{"5+2", 1},
          {"5+1", 6},
          {"5+0", 3},
          {"4+2", 25},
          {"4+1", 150},
          {"4+0", 75},
          {"3+2", 100},
          {"2+2", 100},
          {"3+1", 600},
          {"3+0", 300},
          {"1+2", 25},
          {"2+1", 600},
          {"2+0", 300}}},
    };
    for (const Case& c : cases) {
        CategoryCounts expected{};
        for (const auto& [label, count] : c.counts) {
            const int k = categoryOf(label);
            ASSERT_NE(k, 0) << label;
            expected[k - 1] = count;
        }
        EXPECT_EQ(breakDownMultiple(c.mode, c.a, c.b), expected)
            << c.mode << " with " << c.a << "+" << c.b;
    }
}

TEST(BreakDownMultiple, NeverMoreThanTheBetHoldsAndAllWhenEveryBetWins) {
    int largest = 0;
    for (int mode : kMultipleModes) {
        const int n = modeNumbers(mode);
        const int s = modeStars(mode);
        for (int a = 0; a <= std::min(5, n); ++a)
            for (int b = 0; b <= std::min(2, s); ++b) {
                const CategoryCounts c = breakDownMultiple(mode, a, b);
                const int sum = std::accumulate(c.begin(), c.end(), 0);
                EXPECT_LE(sum, cuantos(mode)) << mode << " " << a << "+" << b;
                for (int v : c)
                    largest = std::max(largest, v);
            }
    }
    EXPECT_EQ(largest, 1200);
    EXPECT_EQ(breakDownMultiple(205, 4, 0)[12], 1200);
    const CategoryCounts all = breakDownMultiple(174, 4, 2);
    EXPECT_EQ(std::accumulate(all.begin(), all.end(), 0), 126);
    EXPECT_EQ(cuantos(174), 126);
}

TEST(BreakDownMultiple, StarlessCategoriesNeedAStarOutsideTheBet) {
    // Nine numbers and two stars: both stars are in every simple bet.
    const CategoryCounts c = breakDownMultiple(192, 5, 1);
    EXPECT_EQ(c[categoryOf("3+0") - 1], 0);
    EXPECT_EQ(c[categoryOf("2+0") - 1], 0);
    EXPECT_EQ(c[categoryOf("5+0") - 1], 0);
}

TEST(BreakDownMultiple, CodesOutsideTheMultipleModesCountNothing) {
    for (int mode : {0, 1, 24, 100, 152, 156, 199, 206, 215})
        EXPECT_EQ(breakDownMultiple(mode, 2, 2), CategoryCounts{}) << mode;
    // Hits the bet cannot hold.
    EXPECT_EQ(breakDownMultiple(162, 6, 0), CategoryCounts{});
    EXPECT_EQ(breakDownMultiple(162, 2, 3), CategoryCounts{});
}

TEST(Cuantos, SimpleBetsOfEveryMultipleMode) {
    const std::map<int, int> expected = {
        {153, 3},    {154, 6},   {155, 10},  {162, 6},    {163, 18},  {164, 36},
        {165, 60},   {172, 21},  {173, 63},  {174, 126},  {175, 210}, {182, 56},
        {183, 168},  {184, 336}, {185, 560}, {192, 126},  {193, 378}, {194, 756},
        {195, 1260}, {202, 252}, {203, 756}, {204, 1512}, {205, 2520}};
    for (const auto& [mode, count] : expected)
        EXPECT_EQ(cuantos(mode), count) << mode;
    for (int simple = 1; simple <= 24; ++simple)
        EXPECT_EQ(cuantos(simple), 0);
    EXPECT_EQ(cuantos(152), 0);
    EXPECT_EQ(cuantos(0), 0);
}
