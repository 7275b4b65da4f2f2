#include "app/penamanagertab.h"

#include "app/balancechart.h"
#include "app/hitchart.h"
#include "app/moneybox.h"
#include "app/summary.h"
#include "check/moneytext.h"
#include "check/penadetail.h"
#include "widgets/artwork.h"
#include "widgets/clickablelabel.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

namespace {

// The lists' heights are given for rows of 225 twips; here a row is as high
// as the font makes it.
int listPixels(int twips, const QFont& font) {
    const int row = QFontMetrics(font).lineSpacing() + 2;
    return twips * row / 225;
}

// The peña list from the keyboard: Enter or Space on a row is a click on it
// (moving the highlight already chooses the row it reaches).
class PenaList : public QTreeWidget {
public:
    PenaList(std::function<void(QTreeWidgetItem*)> chosen, QWidget* parent)
        : QTreeWidget(parent), chosen_(std::move(chosen)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QTreeWidget::keyPressEvent(event);
        const int key = event->key();
        const bool press = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
        if (currentItem() && press) chosen_(currentItem());
    }

private:
    std::function<void(QTreeWidgetItem*)> chosen_;
};

} // namespace

PenaManagerTab::PenaManagerTab(QWidget* parent) : QWidget(parent) {
    const auto chosen = [this](QTreeWidgetItem* item) {
        emit rowClicked(list_->indexOfTopLevelItem(item) + 1);
    };
    list_ = new PenaList(chosen, this);
    list_->setColumnCount(4);
    list_->setHeaderLabels({QStringLiteral("Nombre"), QStringLiteral("Apuestas"),
                            QStringLiteral("Fecha creación"), QStringLiteral("Días a jugar")});
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // The peña acted on is always the one highlighted, however the highlight moved.
    connect(list_, &QTreeWidget::currentItemChanged, this, [chosen](QTreeWidgetItem* item) {
        if (item) chosen(item);
    });

    numbers_ = new QListWidget(this);
    stars_ = new QListWidget(this);
    for (QListWidget* l : {numbers_, stars_}) {
        l->setSelectionMode(QAbstractItemView::NoSelection);
        l->setFocusPolicy(Qt::NoFocus);
    }
    numbers_->setMinimumWidth(190);
    stars_->setMinimumWidth(90);
    // One scroll bar, beside the stars, moves both lists: a bet's numbers
    // always stand beside its own stars.
    numbers_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(numbers_->verticalScrollBar(), &QScrollBar::valueChanged, stars_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(stars_->verticalScrollBar(), &QScrollBar::valueChanged, numbers_->verticalScrollBar(),
            &QScrollBar::setValue);

    auto* detailArea = new QWidget;
    auto* counters = new QGroupBox(QStringLiteral("Desde la creación de la peña "), detailArea);
    auto* counterGrid = new QGridLayout(counters);
    counterGrid->setVerticalSpacing(1);
    for (int k = 0; k < 13; ++k) {
        counterGrid->addWidget(new QLabel(hitCaption(k + 1), counters), k, 0);
        hitValues_[k] = new QLabel(QStringLiteral("0"), counters);
        hitValues_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        counterGrid->addWidget(hitValues_[k], k, 1);
    }

    played_ = new QLabel(QStringLiteral("0"), this);
    effectiveness_ = new QLabel(QStringLiteral("0 %"), this);
    QFont bold = played_->font();
    bold.setBold(true);
    played_->setFont(bold);
    effectiveness_->setFont(bold);
    auto* figures = new QGridLayout;
    figures->addWidget(new QLabel(QStringLiteral("Sorteos"), this), 0, 0);
    figures->addWidget(new QLabel(QStringLiteral("participados:"), this), 1, 0);
    figures->addWidget(played_, 1, 1);
    figures->addWidget(new QLabel(QStringLiteral("Aciertos"), this), 2, 0);
    figures->addWidget(effectiveness_, 2, 1);
    chart_ = new HitChart(QStringLiteral("Aciertos desde la creación de la peña."), this);
    chart_->setMinimumSize(150, 140);
    money_ = new MoneyBox(this);
    balance_ = new BalanceChart(this);
    balance_->setMinimumSize(220, 140);

    const auto button = [this](const QString& text, Picture picture, QPushButton*& b,
                               ClickableLabel*& pic) {
        b = new QPushButton(text, this);
        pic = new ClickableLabel(this);
        pic->setPixmap(drawPicture(picture));
        pic->setCursor(Qt::PointingHandCursor);
        auto* row = new QHBoxLayout;
        row->addWidget(pic);
        row->addWidget(b, 1);
        return row;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addLayout(
        button(QStringLiteral("&Crear peña nueva"), Picture::NewPena, create_, createPicture_));
    buttons->addLayout(
        button(QStringLiteral("&Eliminar peña"), Picture::DeletePena, delete_, deletePicture_));
    buttons->addLayout(button(QStringLiteral("&Imprimir"), Picture::Print, print_, printPicture_));
    export_ = new QPushButton(QStringLiteral("E&xportar..."), this);
    buttons->addWidget(export_);

    connect(create_, &QPushButton::clicked, this, &PenaManagerTab::createRequested);
    connect(createPicture_, &ClickableLabel::clicked, this, &PenaManagerTab::createRequested);
    connect(delete_, &QPushButton::clicked, this, &PenaManagerTab::deleteRequested);
    connect(deletePicture_, &ClickableLabel::clicked, this, &PenaManagerTab::deleteRequested);
    connect(print_, &QPushButton::clicked, this, &PenaManagerTab::printRequested);
    connect(printPicture_, &ClickableLabel::clicked, this, &PenaManagerTab::printRequested);
    connect(export_, &QPushButton::clicked, this, &PenaManagerTab::exportRequested);

    auto* bets = new QHBoxLayout;
    bets->addWidget(numbers_);
    bets->addWidget(stars_);
    auto* betsColumn = new QVBoxLayout;
    betsColumn->addLayout(bets);
    betsColumn->addStretch();
    auto* side = new QVBoxLayout;
    side->addLayout(figures);
    side->addWidget(money_);
    side->addWidget(chart_, 1);
    auto* detail = new QHBoxLayout(detailArea);
    detail->setContentsMargins(0, 0, 0, 0);
    detail->addLayout(betsColumn);
    detail->addWidget(counters);
    detail->addLayout(side, 1);
    detail->addWidget(balance_, 2);

    // The list and the peña shown share the height through a splitter; the
    // detail scrolls inside its part, so a peña of many bets neither grows
    // the window nor shrinks the list.
    auto* detailScroll = new QScrollArea(this);
    detailScroll->setWidget(detailArea);
    detailScroll->setWidgetResizable(true);
    detailScroll->setFrameShape(QFrame::NoFrame);
    detailScroll->setFocusPolicy(Qt::NoFocus);
    split_ = new QSplitter(Qt::Vertical, this);
    split_->addWidget(list_);
    split_->addWidget(detailScroll);
    split_->setStretchFactor(0, 1);
    split_->setStretchFactor(1, 2);
    split_->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split_, 1);
    layout->addLayout(buttons);
}

void PenaManagerTab::applyScan(const SummaryView& summary, int selected) {
    // Rebuilding the rows is not the user moving the highlight.
    const QSignalBlocker quiet(list_);
    // Nine hundred rows are not built again when nothing in them changed.
    const bool same = list_->topLevelItemCount() > 0 && summary.rows == shownRows_;
    shownRows_ = summary.rows;
    if (!same) {
        list_->clear();
        if (summary.rows.isEmpty()) {
            list_->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("VACÍO")}));
        } else {
            QList<QTreeWidgetItem*> items;
            items.reserve(summary.rows.size());
            for (const PenaListRow& r : summary.rows)
                items.append(new QTreeWidgetItem({r.name, r.bets, r.createdOn, r.dayFilter}));
            list_->addTopLevelItems(items);
        }
    }
    list_->setCurrentItem(selected > 0 ? list_->topLevelItem(selected - 1) : nullptr);
    if (selected <= 0) list_->clearSelection();
    print_->setEnabled(summary.printEnabled);
    export_->setEnabled(summary.printEnabled);
    delete_->setEnabled(summary.deleteEnabled);
}

void PenaManagerTab::clearCounters() {
    for (QLabel* v : hitValues_)
        v->setText(QStringLiteral("0"));
    numbers_->clear();
    stars_->clear();
}

void PenaManagerTab::applyDetail(const PenaDetailView& detail) {
    if (detail.empty) {
        played_->setText(detail.playedDraws);
        effectiveness_->setText(detail.effectiveness);
        chart_->setRow(QStringLiteral(" "), 0, 0);
        return;
    }
    numbers_->clear();
    stars_->clear();
    if (detail.corrupt) {
        clearCounters();
        played_->setText(detail.playedDraws);
        effectiveness_->setText(detail.effectiveness);
        chart_->setRow(QStringLiteral(" "), 0, 0);
        return;
    }
    QFont font = detail.simple ? QFont(QStringLiteral("Courier"), 10, QFont::Bold)
                               : QFont(QStringLiteral("Courier New"), 9, QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    const int height = listPixels(detail.listHeightTwips, font) + 2 * numbers_->frameWidth();
    for (QListWidget* l : {numbers_, stars_}) {
        l->setFont(font);
        l->setFixedHeight(std::max(height, 20));
    }
    numbers_->addItems(detail.numberLines);
    stars_->addItems(detail.starLines);
    for (int k = 0; k < 13; ++k)
        hitValues_[k]->setText(QString::number(detail.hits[k]));
    played_->setText(detail.playedDraws);
    effectiveness_->setText(detail.effectiveness);
    chart_->setRow(QStringLiteral(" "), detail.chartWithoutPrize, detail.chartTotal);
}

void PenaManagerTab::applyMoney(const PenaMoney* money) {
    money_->apply(money ? moneyLines(*money) : noMoneyLines());
    balance_->setDraws(money ? money->draws : QList<DrawMoney>{});
}
