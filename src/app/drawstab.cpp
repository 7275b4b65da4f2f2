#include "app/drawstab.h"

#include "app/drawlist.h"
#include "stats/frequencychart.h"
#include "store/appstate.h"
#include "widgets/artwork.h"
#include "widgets/clickablelabel.h"

#include <QColor>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>
#include <functional>

namespace {

QFont courier(bool bold) {
    QFont f(QStringLiteral("Courier"));
    f.setStyleHint(QFont::TypeWriter);
    f.setBold(bold);
    return f;
}

const QColor kStarGreen(0, 192, 0);

// The draw list from the keyboard: Enter on a row is a click on it.
class DrawListView : public QTreeView {
public:
    DrawListView(std::function<void(int)> clicked, QWidget* parent)
        : QTreeView(parent), clicked_(std::move(clicked)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && currentIndex().isValid()) {
            clicked_(currentIndex().row() + 1);
            return;
        }
        QTreeView::keyPressEvent(event);
    }

private:
    std::function<void(int)> clicked_;
};

} // namespace

DrawListModel::DrawListModel(QObject* parent)
    : QAbstractTableModel(parent), plain_(courier(false)), bold_(courier(true)) {}

void DrawListModel::setDraws(QList<DrawRecord> newestFirst) {
    beginResetModel();
    draws_ = std::move(newestFirst);
    endResetModel();
}

void DrawListModel::removeDraw(int row) {
    if (row < 1 || row > draws_.size()) return;
    beginRemoveRows({}, row - 1, row - 1);
    draws_.removeAt(row - 1);
    endRemoveRows();
}

int DrawListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(draws_.size());
}

int DrawListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant DrawListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= draws_.size()) return {};
    const DrawRecord& d = draws_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case 0:
            return drawListNumbersText(d);
        case 1:
            return drawListStarsText(d);
        case 2:
            return drawListDateText(d);
        }
        return {};
    case Qt::FontRole:
        return index.column() == 2 ? plain_ : bold_;
    case Qt::ForegroundRole:
        if (index.column() == 1) return kStarGreen;
        return {};
    }
    return {};
}

QVariant DrawListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case 0:
        return QStringLiteral("Números ganadores");
    case 1:
        return QStringLiteral("Estrellas");
    case 2:
        return QStringLiteral("Fecha");
    }
    return {};
}

DrawsTab::DrawsTab(AppState& state, Platform& platform, QWidget* parent)
    : QWidget(parent), state_(state),
      store_(state, platform,
             DrawRefreshes{[this] { emit statusRefreshNeeded(); },
                           [this] { emit resultsRefreshNeeded(); },
                           [this](int row) {
                               model_->removeDraw(row);
                               // The counts wait for the next rebuild; the total does not.
                               total_->setText(drawListTotalText(state_.nextDrawRecord - 1));
                           }}) {
    model_ = new DrawListModel(this);
    list_ = new DrawListView([this](int row) { deleteDraw(row); }, this);
    list_->setModel(model_);
    list_->setFont(model_->font());
    list_->setRootIsDecorated(false);
    list_->setItemsExpandable(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setStretchLastSection(true);
    list_->header()->setSectionsMovable(false);
    {
        // Widths from the texts' longest forms, never from the rows.
        const QFontMetrics bold(courier(true));
        const QFontMetrics plain(courier(false));
        const int pad = 24;
        list_->setColumnWidth(0, std::max(bold.horizontalAdvance(QStringLiteral("50-50-50-50-50")),
                                          list_->header()->fontMetrics().horizontalAdvance(
                                              QStringLiteral("Números ganadores"))) +
                                     pad);
        list_->setColumnWidth(1, std::max(bold.horizontalAdvance(QStringLiteral("12 12")),
                                          list_->header()->fontMetrics().horizontalAdvance(
                                              QStringLiteral("Estrellas"))) +
                                     pad);
        // The whole row is its starting width; narrower, the list scrolls sideways.
        listWidth_ = list_->columnWidth(0) + list_->columnWidth(1) +
                     plain.horizontalAdvance(QStringLiteral("00/00/0000  Miércoles")) + pad + 24;
        list_->setMinimumWidth(list_->columnWidth(0) + 24);
    }
    total_ = new QLabel(drawListTotalText(0), this);
    total_->setObjectName(QStringLiteral("drawTotal"));

    import_ = new QPushButton(QStringLiteral("&Añadir todos los sorteos"), this);
    deleteAll_ = new QPushButton(QStringLiteral("&Borrar todos los sorteos"), this);
    importPicture_ = new ClickableLabel(this);
    importPicture_->setPixmap(drawPicture(Picture::AddDraws));
    importPicture_->setCursor(Qt::PointingHandCursor);
    deleteAllPicture_ = new ClickableLabel(this);
    deleteAllPicture_->setPixmap(drawPicture(Picture::DeleteDraws));
    deleteAllPicture_->setCursor(Qt::PointingHandCursor);

    chart_ = new FrequencyChart(this);

    auto* buttons = new QGridLayout;
    buttons->addWidget(importPicture_, 0, 0);
    buttons->addWidget(import_, 0, 1);
    buttons->addWidget(deleteAllPicture_, 1, 0);
    buttons->addWidget(deleteAll_, 1, 1);
    buttons->setColumnStretch(2, 1);

    // The list and the chart share the width through a splitter.
    auto* leftPart = new QWidget;
    auto* left = new QVBoxLayout(leftPart);
    left->setContentsMargins(0, 0, 0, 0);
    left->addWidget(list_, 1);
    left->addWidget(total_);
    auto* rightPart = new QWidget;
    auto* right = new QVBoxLayout(rightPart);
    right->setContentsMargins(0, 0, 0, 0);
    right->addLayout(buttons);
    right->addWidget(chart_, 1);
    split_ = new QSplitter(Qt::Horizontal, this);
    split_->addWidget(leftPart);
    split_->addWidget(rightPart);
    split_->setStretchFactor(1, 1);
    split_->setChildrenCollapsible(false);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(split_);

    connect(import_, &QPushButton::clicked, this, &DrawsTab::importDraws);
    connect(importPicture_, &ClickableLabel::clicked, this, &DrawsTab::importDraws);
    connect(deleteAll_, &QPushButton::clicked, this, &DrawsTab::deleteAllDraws);
    // Only this picture follows its button's state.
    connect(deleteAllPicture_, &ClickableLabel::clicked, this, [this] {
        if (deleteAll_->isEnabled()) deleteAllDraws();
    });
    connect(list_, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { deleteDraw(index.row() + 1); });
}

void DrawsTab::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) return;
    // Shown the first time: the list as wide as its row, the chart the rest
    // (the splitter keeps whatever the user makes of it afterwards).
    placed_ = true;
    layout()->activate();
    split_->setSizes({listWidth_, std::max(1, split_->width() - listWidth_)});
}

void DrawsTab::refreshDrawList() {
    std::optional<QList<DrawRecord>> rows = loadDrawList(state_.files, state_.nextDrawRecord);
    if (rows && chart_->countFrequencies(*rows)) {
        model_->setDraws(std::move(*rows));
        total_->setText(drawListTotalText(state_.nextDrawRecord - 1));
        return;
    }
    model_->setDraws({});
    chart_->clearCounts();
    total_->setText(drawListTotalText(0));
    guard_.discard();
}

DrawFileGuard::Check DrawsTab::checkDrawFile() {
    return guard_.check(state_.files, state_.nextDrawRecord);
}

void DrawsTab::importDraws() {
    store_.importDraws();
}

void DrawsTab::deleteAllDraws() {
    store_.deleteAllDraws();
}

void DrawsTab::deleteDraw(int row) {
    store_.deleteDraw(row);
}

void DrawsTab::setHalfSelector(int position) {
    chart_->setHalfSelector(position);
}
