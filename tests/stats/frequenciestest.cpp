#include "stats/frequencies.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace {

QList<DrawRecord> exampleDraws() {
    return {makeDraw(QDate(2023, 2, 28), {3, 7, 12, 30, 44}, {2, 11}),
            makeDraw(QDate(2023, 3, 3), {3, 8, 25, 26, 50}, {2, 5})};
}

QStringList labels(const FrequencyTable& t) {
    QStringList out;
    for (int r = 1; r <= t.rows(); ++r)
        out.append(t.label(r));
    return out;
}

QStringList numbered(int first, int count) {
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(QString::number(first + i));
    return out;
}

} // namespace

TEST(FrequencyTables, CountsTheExampleDrawsIntoTheirCells) {
    FrequencyView view;
    ASSERT_TRUE(view.countFrequencies(exampleDraws()));
    const FrequencyTables& t = view.tables;
    EXPECT_EQ(t.lowNumbers.cell(3, 2), 2);
    EXPECT_EQ(t.lowNumbers.cell(25, 2), 1);
    EXPECT_EQ(t.lowNumbers.cell(7, 2), 1);
    for (int n : {26, 30, 44, 50})
        EXPECT_EQ(t.highNumbers.cell(n - 25, 2), 1) << n;
    EXPECT_EQ(t.stars.cell(2, 3), 2);
    EXPECT_EQ(t.stars.cell(5, 3), 1);
    EXPECT_EQ(t.stars.cell(11, 3), 1);
    // Never drawn: an empty cell, charted as 0.
    EXPECT_FALSE(t.lowNumbers.cell(1, 2).has_value());
    EXPECT_EQ(t.lowNumbers.value(1, 2), 0);
    EXPECT_FALSE(t.highNumbers.cell(2, 2).has_value());
    // The star table's second column is never filled.
    for (int s = 1; s <= 12; ++s)
        EXPECT_FALSE(t.stars.cell(s, 2).has_value()) << s;
    int total = 0;
    for (int r = 1; r <= 25; ++r)
        total += t.lowNumbers.value(r, 2) + t.highNumbers.value(r, 2);
    EXPECT_EQ(total, 10);
}

TEST(FrequencyTables, TablesHaveTheirShapes) {
    FrequencyTables t;
    EXPECT_EQ(t.lowNumbers.rows(), 25);
    EXPECT_EQ(t.lowNumbers.columns(), 2);
    EXPECT_EQ(t.highNumbers.rows(), 25);
    EXPECT_EQ(t.highNumbers.columns(), 2);
    EXPECT_EQ(t.stars.rows(), 12);
    EXPECT_EQ(t.stars.columns(), 3);
}

TEST(FrequencyTables, LabelsAreWrittenByTheOptionClicks) {
    FrequencyView view;
    view.countFrequencies(exampleDraws());
    EXPECT_EQ(labels(view.tables.lowNumbers), numbered(1, 25));
    EXPECT_EQ(labels(view.tables.highNumbers), numbered(26, 25));
    // Star labels only after "Estrellas" is clicked.
    EXPECT_EQ(labels(view.tables.stars), QStringList(12, QString()));
    view.select(1);
    EXPECT_EQ(labels(view.tables.stars), numbered(1, 12));
    // A recount clears every cell, labels included, then labels the numbers.
    view.countFrequencies({});
    EXPECT_EQ(labels(view.tables.stars), QStringList(12, QString()));
    EXPECT_EQ(labels(view.tables.lowNumbers), numbered(1, 25));
    for (int r = 1; r <= 25; ++r)
        EXPECT_FALSE(view.tables.lowNumbers.cell(r, 2).has_value());
    for (int s = 1; s <= 12; ++s)
        EXPECT_FALSE(view.tables.stars.cell(s, 3).has_value());
}

TEST(FrequencyTables, DrawOutsideTheTablesIsNotCounted) {
    FrequencyTables t;
    const DrawRecord star13 = makeDraw(QDate(2023, 3, 3), {1, 2, 3, 4, 5}, {2, 13});
    EXPECT_FALSE(t.count(star13));
    EXPECT_FALSE(t.count(makeDraw(QDate(2023, 3, 3), {0, 2, 3, 4, 5}, {2, 3})));
    EXPECT_FALSE(t.count(makeDraw(QDate(2023, 3, 3), {1, 2, 3, 4, 51}, {2, 3})));
    EXPECT_FALSE(t.count(makeDraw(QDate(2023, 3, 3), {1, 2, 3, 4, 5}, {0, 3})));
    for (int r = 1; r <= 25; ++r)
        EXPECT_FALSE(t.lowNumbers.cell(r, 2).has_value());
    EXPECT_TRUE(t.count(makeDraw(QDate(2023, 3, 3), {1, 2, 3, 4, 50}, {1, 12})));
    EXPECT_EQ(t.highNumbers.value(25, 2), 1);
    EXPECT_EQ(t.stars.value(12, 3), 1);

    FrequencyView view;
    EXPECT_FALSE(view.countFrequencies({exampleDraws()[0], star13}));
}

TEST(FrequencyView, RecountAlwaysShowsNumbersOneToTwentyFive) {
    FrequencyView view;
    EXPECT_EQ(view.shown(), ChartData::LowNumbers);
    EXPECT_TRUE(view.halfSelectorEnabled());

    view.halfSelectorChanged(2);
    EXPECT_EQ(view.shown(), ChartData::HighNumbers);
    EXPECT_EQ(&view.shownTable(), &view.tables.highNumbers);
    view.countFrequencies(exampleDraws());
    EXPECT_EQ(view.shown(), ChartData::LowNumbers);
    EXPECT_EQ(view.halfSelectorPosition(), 2); // not moved by the recount
    view.halfSelectorChanged(1);
    EXPECT_EQ(view.shown(), ChartData::LowNumbers);

    view.select(1);
    EXPECT_EQ(view.shown(), ChartData::Stars);
    EXPECT_FALSE(view.halfSelectorEnabled());
    EXPECT_EQ(&view.shownTable(), &view.tables.stars);
    view.countFrequencies(exampleDraws());
    EXPECT_EQ(view.shown(), ChartData::LowNumbers);
    EXPECT_EQ(view.selectedOption(), 1); // "Estrellas" stays selected
    EXPECT_TRUE(view.halfSelectorEnabled());

    // "Números" shows 1..25 whatever the half selector's position.
    view.halfSelectorChanged(2);
    view.select(0);
    EXPECT_EQ(view.shown(), ChartData::LowNumbers);
    EXPECT_EQ(view.selectedOption(), 0);
}
