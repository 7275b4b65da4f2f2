#include "check/resultsmodel.h"

#include "check/resultstext.h"

#include <QBrush>
#include <QColor>
#include <climits>

ResultsModel::ResultsModel(ListKind kind, QObject* parent)
    : QAbstractTableModel(parent), kind_(kind) {}

void ResultsModel::setList(std::shared_ptr<const ResultsList> list) {
    beginResetModel();
    list_ = std::move(list);
    endResetModel();
}

int ResultsModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !list_) return 0;
    return int(std::min<std::size_t>(list_->rows.size(), std::size_t(INT_MAX)));
}

int ResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ::columnCount(kind_);
}

QVariant ResultsModel::data(const QModelIndex& index, int role) const {
    if (!list_ || !index.isValid()) return {};
    const auto row = std::size_t(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        const QString text = cellText(*list_, row, index.column());
        if (text.isEmpty()) return {};
        return text;
    }
    case Qt::ForegroundRole:
        if (const auto c = cellColour(*list_, row, index.column()))
            return QBrush(QColor::fromRgb(QRgb(*c)));
        return {};
    default:
        return {};
    }
}

QVariant ResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return columnHeading(kind_, section);
}
