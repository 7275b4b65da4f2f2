#include "stats/frequencies.h"

FrequencyTable::FrequencyTable(int rows, int columns)
    : rows_(rows), columns_(columns), labels_(rows), counts_(std::size_t(rows) * (columns - 1)) {}

QString FrequencyTable::label(int row) const {
    if (row < 1 || row > rows_) return {};
    return labels_[row - 1];
}

std::optional<int> FrequencyTable::cell(int row, int column) const {
    if (row < 1 || row > rows_ || column < 2 || column > columns_) return std::nullopt;
    return counts_[std::size_t(row - 1) * (columns_ - 1) + (column - 2)];
}

int FrequencyTable::value(int row, int column) const {
    return cell(row, column).value_or(0);
}

void FrequencyTable::writeLabels(int first) {
    for (int r = 0; r < rows_; ++r)
        labels_[r] = QString::number(first + r);
}

void FrequencyTable::add(int row, int column) {
    if (row < 1 || row > rows_ || column < 2 || column > columns_) return;
    std::optional<int>& c = counts_[std::size_t(row - 1) * (columns_ - 1) + (column - 2)];
    c = c.value_or(0) + 1;
}

void FrequencyTable::clear() {
    for (QString& l : labels_)
        l.clear();
    for (std::optional<int>& c : counts_)
        c.reset();
}

void FrequencyTables::clear() {
    lowNumbers.clear();
    highNumbers.clear();
    stars.clear();
}

bool FrequencyTables::count(const DrawRecord& draw) {
    if (!draw.isSound()) return false;
    for (qint16 v : draw.numbers) {
        if (v <= 25)
            lowNumbers.add(v, 2);
        else
            highNumbers.add(v - 25, 2);
    }
    for (qint16 s : draw.stars)
        stars.add(s, 3);
    return true;
}

const FrequencyTable& FrequencyView::shownTable() const {
    switch (shown_) {
    case ChartData::LowNumbers:
        return tables.lowNumbers;
    case ChartData::HighNumbers:
        return tables.highNumbers;
    case ChartData::Stars:
        return tables.stars;
    }
    return tables.lowNumbers;
}

void FrequencyView::select(int index) {
    selected_ = index == 1 ? 1 : 0;
    optionClick(selected_);
}

void FrequencyView::optionClick(int index) {
    if (index == 1) {
        halfEnabled_ = false;
        tables.stars.writeLabels(1);
        shown_ = ChartData::Stars;
    } else {
        halfEnabled_ = true;
        tables.lowNumbers.writeLabels(1);
        tables.highNumbers.writeLabels(26);
        // Numbers 1..25 whatever the half selector says.
        shown_ = ChartData::LowNumbers;
    }
}

void FrequencyView::halfSelectorChanged(int position) {
    halfPosition_ = position;
    shown_ = position == 1 ? ChartData::LowNumbers : ChartData::HighNumbers;
}

bool FrequencyView::countFrequencies(const QList<DrawRecord>& draws) {
    tables.clear();
    for (const DrawRecord& d : draws)
        if (!tables.count(d)) return false;
    optionClick(0);
    return true;
}
