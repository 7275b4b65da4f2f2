#pragma once

#include "store/records.h"

#include <QList>
#include <QString>
#include <optional>
#include <vector>

// A chart data table: column 1 holds the row labels, every further column is
// one data series. Each cell is empty or a value; an empty count stands for 0.
class FrequencyTable {
public:
    FrequencyTable(int rows, int columns);

    int rows() const { return rows_; }
    int columns() const { return columns_; }

    // Rows and columns from 1, as the chart reads them.
    QString label(int row) const;
    std::optional<int> cell(int row, int column) const; // column >= 2
    int value(int row, int column) const;               // empty = 0

    // Writes "first", "first + 1", ... into column 1.
    void writeLabels(int first);
    void add(int row, int column);
    void clear(); // every cell, labels included

private:
    int rows_;
    int columns_;
    std::vector<QString> labels_;
    std::vector<std::optional<int>> counts_; // row-major, columns 2..columns_
};

// How often each number and star was drawn. The star table's second column is
// never filled, so the star counts are the chart's second series.
struct FrequencyTables {
    FrequencyTable lowNumbers{25, 2};  // numbers 1..25
    FrequencyTable highNumbers{25, 2}; // numbers 26..50
    FrequencyTable stars{12, 3};       // stars 1..12, counts in column 3

    void clear();
    // Adds one draw. A number outside 1..50 or a star outside 1..12 has no
    // cell: nothing is counted and false is returned (a damaged draw file).
    bool count(const DrawRecord& draw);
};

enum class ChartData { LowNumbers, HighNumbers, Stars };

// The option pair "Números" / "Estrellas", the half selector and the table the
// chart is given.
class FrequencyView {
public:
    FrequencyTables tables;

    int selectedOption() const { return selected_; } // 0 "Números", 1 "Estrellas"
    bool halfSelectorEnabled() const { return halfEnabled_; }
    int halfSelectorPosition() const { return halfPosition_; }
    ChartData shown() const { return shown_; }
    const FrequencyTable& shownTable() const;

    // The user clicks an option: it becomes the selected one and its table is shown.
    void select(int index);
    // The option's action alone, as the recount runs it: the selection shown
    // and the half selector's position stay as they are.
    void optionClick(int index);
    // The half selector moved: 1 shows numbers 1..25, any other position 26..50.
    void halfSelectorChanged(int position);
    // Clears and refills the tables from the draws, then shows numbers 1..25.
    // False at the first draw that cannot be counted (the tables then hold
    // the draws before it).
    bool countFrequencies(const QList<DrawRecord>& draws);

private:
    int selected_ = 0;
    bool halfEnabled_ = true;
    int halfPosition_ = 1;
    ChartData shown_ = ChartData::LowNumbers;
};
