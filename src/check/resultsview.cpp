#include "check/resultsview.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>
#include <algorithm>

// The rows of the model from `first` on, as many as the table shows.
class PageModel : public QAbstractTableModel {
public:
    PageModel(QAbstractItemModel* source, QObject* parent)
        : QAbstractTableModel(parent), source_(source) {}

    int first() const { return first_; }
    int rowCount(const QModelIndex& parent = {}) const override {
        if (parent.isValid()) return 0;
        return std::clamp(source_->rowCount() - first_, 0, rows_);
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : source_->columnCount();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        return source_->data(source_->index(first_ + index.row(), index.column()), role);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Vertical)
            return role == Qt::DisplayRole ? first_ + section + 1 : QVariant();
        return source_->headerData(section, orientation, role);
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        return source_->flags(source_->index(first_ + index.row(), index.column()));
    }

    // Moves the page: the rows the table already has change their content,
    // and only the end of the page grows or shrinks.
    void show(int first, int rows) {
        const int before = rowCount();
        first_ = first;
        rows_ = rows;
        const int after = rowCount();
        if (after > before) {
            beginInsertRows({}, before, after - 1);
            endInsertRows();
        } else if (after < before) {
            beginRemoveRows({}, after, before - 1);
            endRemoveRows();
        }
        if (after > 0 && columnCount() > 0)
            emit dataChanged(index(0, 0), index(after - 1, columnCount() - 1));
    }
    void sourceReset(int first, int rows) {
        beginResetModel();
        first_ = first;
        rows_ = rows;
        endResetModel();
    }

private:
    QAbstractItemModel* source_;
    int first_ = 0;
    int rows_ = 0;
};

ResultsView::ResultsView(QAbstractItemModel* model, QWidget* parent)
    : QWidget(parent), model_(model), page_(new PageModel(model, this)) {
    table_ = new QTableView(this);
    table_->setModel(page_);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab leaves the list instead of walking its cells.
    table_->setTabKeyNavigation(false);
    table_->installEventFilter(this);
    table_->viewport()->installEventFilter(this);
    bar_ = new QScrollBar(Qt::Vertical, this);
    bar_->setRange(0, 0);
    bar_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(table_, 1);
    layout->addWidget(bar_);
    connect(bar_, &QScrollBar::valueChanged, this, [this](int first) {
        page_->show(first, rowsInView() + 1);
        table_->clearSelection();
    });
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        bar_->setValue(0);
        page_->sourceReset(0, rowsInView() + 1);
        applyWidths();
        relayout();
    });
    connect(model_, &QAbstractItemModel::rowsInserted, this, &ResultsView::relayout);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &ResultsView::relayout);
}

int ResultsView::firstRow() const {
    return page_->first();
}

QAbstractItemModel* ResultsView::page() const {
    return page_;
}

int ResultsView::rowsInView() const {
    const int row = std::max(1, table_->verticalHeader()->defaultSectionSize());
    return std::max(1, table_->viewport()->height() / row);
}

void ResultsView::relayout() {
    const int whole = rowsInView();
    const int total = model_->rowCount();
    bar_->setRange(0, std::max(0, total - whole));
    bar_->setPageStep(whole);
    bar_->setSingleStep(1);
    bar_->setVisible(total > whole);
    page_->show(std::min(bar_->value(), bar_->maximum()), whole + 1);
}

void ResultsView::scrollToRow(int row) {
    bar_->setValue(std::clamp(row, 0, bar_->maximum()));
}

void ResultsView::scrollToBottom() {
    bar_->setValue(bar_->maximum());
}

void ResultsView::setColumnWidths(const QList<int>& widths) {
    widths_ = widths;
    applyWidths();
}

void ResultsView::applyWidths() {
    for (int c = 0; c < widths_.size() && c < page_->columnCount(); ++c)
        table_->horizontalHeader()->resizeSection(c, widths_[c]);
}

void ResultsView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

bool ResultsView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == table_->viewport()) relayout();
    if (event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->angleDelta().y() == 0) return false; // sideways: the table's own
        const int steps = wheel->angleDelta().y() / 40; // three rows a notch
        if (steps != 0) bar_->setValue(bar_->value() - steps);
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched == table_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int page = bar_->pageStep();
        switch (key->key()) {
        case Qt::Key_Up:
            bar_->setValue(bar_->value() - 1);
            return true;
        case Qt::Key_Down:
            bar_->setValue(bar_->value() + 1);
            return true;
        case Qt::Key_PageUp:
            bar_->setValue(bar_->value() - page);
            return true;
        case Qt::Key_PageDown:
            bar_->setValue(bar_->value() + page);
            return true;
        case Qt::Key_Home:
            bar_->setValue(0);
            return true;
        case Qt::Key_End:
            bar_->setValue(bar_->maximum());
            return true;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}
