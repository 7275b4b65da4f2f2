#pragma once

#include "check/money.h"

#include <QList>
#include <QWidget>

class QChartView;
class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

// A peña's balance over time: one point per counted draw, in euros.
class BalanceChart : public QWidget {
    Q_OBJECT
public:
    explicit BalanceChart(QWidget* parent = nullptr);
    // The draws' lines of penaMoney, oldest first.
    void setDraws(const QList<DrawMoney>& draws);
    const QLineSeries* series() const { return series_; }
    const QValueAxis* valueAxis() const { return values_; }

private:
    QChartView* view_;
    QLineSeries* series_;
    QLineSeries* zero_;
    QDateTimeAxis* dates_;
    QValueAxis* values_;
};
