#pragma once

#include "check/resultslist.h"

#include <QAbstractTableModel>
#include <memory>

// A results list as a table: the rows stay compact, each cell's text and
// colour is produced when the view asks for it.
class ResultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ResultsModel(ListKind kind, QObject* parent = nullptr);

    ListKind kind() const { return kind_; }
    // Shows a freshly built list (null: an empty one).
    void setList(std::shared_ptr<const ResultsList> list);
    // Empties the list and frees its rows.
    void clear() { setList(nullptr); }
    const ResultsList* list() const { return list_.get(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    ListKind kind_;
    std::shared_ptr<const ResultsList> list_;
};
