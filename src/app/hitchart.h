#pragma once

#include <QWidget>

class QChartView;
class QBarSet;
class QBarCategoryAxis;
class QValueAxis;

// A small bar chart of one data row: a label and two values (played draws
// without a prize, winning bets).
class HitChart : public QWidget {
    Q_OBJECT
public:
    explicit HitChart(const QString& toolTip, QWidget* parent = nullptr);
    void setRow(const QString& label, int withoutPrize, int total);
    QString label() const { return label_; }
    int withoutPrize() const { return withoutPrize_; }
    int total() const { return total_; }
    const QValueAxis* valueAxis() const { return values_; }

private:
    QChartView* view_;
    QBarSet* withoutPrizeSet_;
    QBarSet* totalSet_;
    QBarCategoryAxis* categories_;
    QValueAxis* values_;
    QString label_;
    int withoutPrize_ = 0;
    int total_ = 0;
};
