#include "stats/frequencychart.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QButtonGroup>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QValueAxis>

namespace {

QString titleOf(ChartData shown) {
    switch (shown) {
    case ChartData::LowNumbers:
        return QStringLiteral("Veces que ha salido cada número (1 al 25)");
    case ChartData::HighNumbers:
        return QStringLiteral("Veces que ha salido cada número (26 al 50)");
    case ChartData::Stars:
        return QStringLiteral("Veces que ha salido cada estrella");
    }
    return {};
}

} // namespace

FrequencyChart::FrequencyChart(QWidget* parent) : QWidget(parent) {
    chart_ = new QChart;
    chart_->legend()->hide();
    chart_->setAnimationOptions(QChart::NoAnimation);
    axisX_ = new QBarCategoryAxis(chart_);
    axisY_ = new QValueAxis(chart_);
    axisY_->setLabelFormat(QStringLiteral("%d"));
    axisY_->setTickType(QValueAxis::TicksDynamic);
    axisY_->setTickAnchor(0);
    axisY_->setMin(0);
    QFont small = axisX_->labelsFont();
    small.setPointSizeF(7);
    axisX_->setLabelsFont(small);
    // Two-digit labels fit their bars; the axis would elide them anyway.
    axisX_->setTruncateLabels(false);
    axisY_->setLabelsFont(small);
    chart_->addAxis(axisX_, Qt::AlignBottom);
    chart_->addAxis(axisY_, Qt::AlignLeft);
    chartView_ = new QChartView(chart_, this);
    chartView_->setMinimumSize(300, 220);
    chartView_->setFocusPolicy(Qt::NoFocus); // a picture, not a control

    numbers_ = new QRadioButton(QStringLiteral("&Números"), this);
    stars_ = new QRadioButton(QStringLiteral("&Estrellas"), this);
    numbers_->setChecked(true);
    options_ = new QButtonGroup(this);
    options_->addButton(numbers_, 0);
    options_->addButton(stars_, 1);
    half_ = new QScrollBar(Qt::Horizontal, this);
    half_->setRange(1, 2);
    half_->setPageStep(1);
    half_->setValue(1);
    half_->setToolTip(QStringLiteral("Números 1 al 25 / 26 al 50"));
    half_->setFocusPolicy(Qt::StrongFocus);

    auto* controls = new QHBoxLayout;
    controls->addWidget(numbers_);
    controls->addWidget(stars_);
    controls->addSpacing(12);
    controls->addWidget(half_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chartView_, 1);
    layout->addLayout(controls);

    connect(options_, &QButtonGroup::idClicked, this, [this](int id) {
        view_.select(id);
        showTable();
    });
    connect(half_, &QScrollBar::valueChanged, this, [this](int position) {
        view_.halfSelectorChanged(position);
        showTable();
    });
    view_.optionClick(0);
    showTable();
}

bool FrequencyChart::countFrequencies(const QList<DrawRecord>& draws) {
    const bool counted = view_.countFrequencies(draws);
    if (counted) showTable();
    return counted;
}

void FrequencyChart::clearCounts() {
    view_.tables.clear();
    view_.optionClick(0);
    showTable();
}

void FrequencyChart::setHalfSelector(int position) {
    half_->setValue(position);
}

void FrequencyChart::showTable() {
    half_->setEnabled(view_.halfSelectorEnabled());
    const FrequencyTable& table = view_.shownTable();

    // Column 1 labels the axis; every further column is one series.
    QStringList labels;
    for (int r = 1; r <= table.rows(); ++r)
        labels.append(table.label(r));
    auto* series = new QBarSeries;
    series->setBarWidth(0.8);
    int top = 0;
    for (int c = 2; c <= table.columns(); ++c) {
        auto* set = new QBarSet(QString());
        set->setColor(view_.shown() == ChartData::Stars ? QColor(0, 192, 0) : QColor(30, 90, 200));
        for (int r = 1; r <= table.rows(); ++r) {
            const int v = table.value(r, c);
            set->append(v);
            top = std::max(top, v);
        }
        series->append(set);
    }
    chart_->removeAllSeries();
    chart_->addSeries(series);
    axisX_->setCategories(labels);
    fitLabels();
    // Whole counts: a step of 1, 2, 5, 10, 20, 50 ... giving at most ten ticks.
    int step = 1;
    for (int base = 1; top / step > 10; base *= 10) {
        for (int m : {1, 2, 5}) {
            step = m * base;
            if (top / step <= 10) break;
        }
    }
    axisY_->setTickInterval(step);
    axisY_->setRange(0, std::max(step, (top + step - 1) / step * step));
    series->attachAxis(axisX_);
    series->attachAxis(axisY_);
    chart_->setTitle(titleOf(view_.shown()));
}

void FrequencyChart::fitLabels() {
    // Twenty-five labels only all fit upright in a narrow chart.
    const bool crowded = axisX_->count() > 12 && width() < 560;
    axisX_->setLabelsAngle(crowded ? -90 : 0);
}

void FrequencyChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitLabels();
}
