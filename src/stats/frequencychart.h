#pragma once

#include "stats/frequencies.h"

#include <QWidget>

class QBarCategoryAxis;
class QButtonGroup;
class QChart;
class QChartView;
class QRadioButton;
class QScrollBar;
class QValueAxis;

// The frequency chart with its "Números" / "Estrellas" options and the half
// selector; it draws whatever table its FrequencyView gives it.
class FrequencyChart : public QWidget {
    Q_OBJECT
public:
    explicit FrequencyChart(QWidget* parent = nullptr);

    FrequencyView& view() { return view_; }
    const FrequencyView& view() const { return view_; }

    // Recounts over the draws and shows numbers 1..25, leaving the options as
    // they are. False when a draw cannot be counted.
    bool countFrequencies(const QList<DrawRecord>& draws);
    // Empty tables, numbers 1..25 shown.
    void clearCounts();
    // Moves the half selector as the user would (its change handler runs).
    void setHalfSelector(int position);

    QChart* chart() const { return chart_; }
    QRadioButton* numbersOption() const { return numbers_; }
    QRadioButton* starsOption() const { return stars_; }
    QScrollBar* halfSelector() const { return half_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showTable();
    void fitLabels();

    FrequencyView view_;
    QChart* chart_;
    QChartView* chartView_;
    QBarCategoryAxis* axisX_;
    QValueAxis* axisY_;
    QButtonGroup* options_;
    QRadioButton* numbers_;
    QRadioButton* stars_;
    QScrollBar* half_;
};
