#pragma once

#include <QGroupBox>

class QLabel;
class QLineEdit;
class HitChart;
class MoneyBox;
struct SummaryView;

// The all-peñas summary, outside the tabs.
class SummaryFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit SummaryFrame(QWidget* parent = nullptr);
    void apply(const SummaryView& summary);
    QLabel* totalValue() const { return total_; }
    QLineEdit* effectivenessBox() const { return effectiveness_; }
    QLineEdit* playedDrawsBox() const { return played_; }
    HitChart* chart() const { return chart_; }
    MoneyBox* money() const { return money_; }

private:
    QLabel* total_;
    QLineEdit* effectiveness_;
    QLineEdit* played_;
    HitChart* chart_;
    MoneyBox* money_;
};
