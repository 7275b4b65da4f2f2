#include "app/balancechart.h"

#include "store/dates.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace {

qint64 msecsOf(double drawDate) {
    return QDateTime(dateFromOle(drawDate), QTime(12, 0)).toMSecsSinceEpoch();
}

} // namespace

BalanceChart::BalanceChart(QWidget* parent) : QWidget(parent) {
    setToolTip(QStringLiteral("Balance de la peña tras cada sorteo."));
    series_ = new QLineSeries;
    series_->setName(QStringLiteral("Balance"));
    series_->setPointsVisible(true);
    QPen line(QColor(0, 0, 160));
    line.setWidth(2);
    series_->setPen(line);
    zero_ = new QLineSeries;
    zero_->setPen(QPen(QColor(128, 128, 128), 1, Qt::DashLine));
    auto* chart = new QChart;
    chart->addSeries(zero_);
    chart->addSeries(series_);
    dates_ = new QDateTimeAxis;
    dates_->setFormat(QStringLiteral("dd/MM"));
    dates_->setTickCount(4);
    values_ = new QValueAxis;
    values_->setLabelFormat(QStringLiteral("%.0f"));
    values_->setTitleText(QStringLiteral("euros"));
    chart->addAxis(dates_, Qt::AlignBottom);
    chart->addAxis(values_, Qt::AlignLeft);
    for (QLineSeries* s : {series_, zero_}) {
        s->attachAxis(dates_);
        s->attachAxis(values_);
    }
    QFont small = chart->font();
    small.setPointSize(7);
    dates_->setLabelsFont(small);
    values_->setLabelsFont(small);
    chart->legend()->hide();
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->setBackgroundRoundness(0);
    view_ = new QChartView(chart);
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setToolTip(toolTip());
    view_->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setDraws({});
}

void BalanceChart::setDraws(const QList<DrawMoney>& draws) {
    QList<QPointF> points;
    points.reserve(draws.size());
    double low = 0, high = 0;
    for (const DrawMoney& m : draws) {
        const double euros = double(m.balance) / 100.0;
        points.append(QPointF(double(msecsOf(m.draw.drawDate)), euros));
        low = std::min(low, euros);
        high = std::max(high, euros);
    }
    series_->replace(points);
    const qint64 first = draws.isEmpty() ? msecsOf(oleFromDate(QDate::currentDate()))
                                         : msecsOf(draws.first().draw.drawDate);
    qint64 last = draws.isEmpty() ? first : msecsOf(draws.last().draw.drawDate);
    if (last == first) last = first + qint64(86400000) * 7;
    dates_->setRange(QDateTime::fromMSecsSinceEpoch(first), QDateTime::fromMSecsSinceEpoch(last));
    zero_->replace({QPointF(double(first), 0), QPointF(double(last), 0)});
    // Round limits a little beyond the line, zero always in view.
    const double span = std::max(1.0, high - low);
    const double step = std::pow(10.0, std::floor(std::log10(span)));
    values_->setRange(std::floor(low / step) * step,
                      std::ceil(high / step) * step + (high == 0 ? step : 0));
    values_->applyNiceNumbers();
}
