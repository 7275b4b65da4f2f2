#include "app/hitchart.h"

#include "app/axisscale.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QVBoxLayout>
#include <QValueAxis>

HitChart::HitChart(const QString& toolTip, QWidget* parent) : QWidget(parent) {
    setToolTip(toolTip);
    withoutPrizeSet_ = new QBarSet(QStringLiteral("Sin premio"));
    withoutPrizeSet_->setColor(QColor(128, 128, 128));
    totalSet_ = new QBarSet(QStringLiteral("Premios"));
    totalSet_->setColor(QColor(0, 192, 0));
    withoutPrizeSet_->append(0);
    totalSet_->append(0);
    auto* series = new QBarSeries;
    series->append(withoutPrizeSet_);
    series->append(totalSet_);
    auto* chart = new QChart;
    chart->addSeries(series);
    categories_ = new QBarCategoryAxis;
    categories_->append(QStringLiteral(" "));
    values_ = new QValueAxis;
    values_->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(categories_, Qt::AlignBottom);
    chart->addAxis(values_, Qt::AlignLeft);
    series->attachAxis(categories_);
    series->attachAxis(values_);
    QFont small = chart->font();
    small.setPointSize(7);
    categories_->setLabelsFont(small);
    values_->setLabelsFont(small);
    chart->legend()->setFont(small);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(0);
    view_ = new QChartView(chart);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setToolTip(toolTip);
    view_->setFocusPolicy(Qt::NoFocus); // a picture, not a control
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setRow(QStringLiteral(" "), 0, 0);
}

void HitChart::setRow(const QString& label, int withoutPrize, int total) {
    label_ = label;
    withoutPrize_ = withoutPrize;
    total_ = total;
    withoutPrizeSet_->replace(0, withoutPrize);
    totalSet_->replace(0, total);
    categories_->replace(categories_->at(0), label.isEmpty() ? QStringLiteral(" ") : label);
    const AxisScale scale = axisScale(std::max(withoutPrize, total));
    values_->setRange(0, scale.maximum);
    values_->setTickCount(scale.ticks);
}
