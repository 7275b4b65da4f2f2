#pragma once

#include "app/summary.h"

#include <QWidget>
#include <array>

class QLabel;
class QListWidget;
class QPushButton;
class QSplitter;
class QTreeWidget;
class ClickableLabel;
class HitChart;
class BalanceChart;
class MoneyBox;
struct PenaDetailView;
struct PenaMoney;

// The "Gestor de peñas" tab: the peña list, the bets, hit counters and chart
// of the peña shown, and the buttons with their pictures.
class PenaManagerTab : public QWidget {
    Q_OBJECT
public:
    explicit PenaManagerTab(QWidget* parent = nullptr);

    // The peña scan: list rows ("VACÍO" when empty) and the buttons' state.
    // Row `selected` (from 1) is highlighted; none when it is 0.
    void applyScan(const SummaryView& summary, int selected);
    // No peña: every counter reads "0" and both bet lists are emptied.
    void clearCounters();
    void applyDetail(const PenaDetailView& detail);
    // What the peña shown has won and played, and its balance chart; nullptr
    // while no peña is shown.
    void applyMoney(const PenaMoney* money);

    QTreeWidget* penaList() const { return list_; }
    QListWidget* numbersList() const { return numbers_; }
    QListWidget* starsList() const { return stars_; }
    QLabel* hitValue(int category) const { return hitValues_[category - 1]; }
    QLabel* playedValue() const { return played_; }
    QLabel* effectivenessValue() const { return effectiveness_; }
    HitChart* chart() const { return chart_; }
    MoneyBox* money() const { return money_; }
    BalanceChart* balanceChart() const { return balance_; }
    // The peña list above, the peña shown below.
    QSplitter* splitter() const { return split_; }
    QPushButton* createButton() const { return create_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* exportButton() const { return export_; }
    ClickableLabel* createPicture() const { return createPicture_; }
    ClickableLabel* deletePicture() const { return deletePicture_; }
    ClickableLabel* printPicture() const { return printPicture_; }

signals:
    void rowClicked(int row); // 1-based: the highlight moved there, by mouse or keyboard
    void createRequested();
    void deleteRequested();
    void printRequested();
    void exportRequested();

private:
    QTreeWidget* list_;
    QList<PenaListRow> shownRows_; // what the list holds, kept while it does not change
    QSplitter* split_;
    QListWidget* numbers_;
    QListWidget* stars_;
    std::array<QLabel*, 13> hitValues_{};
    QLabel* played_;
    QLabel* effectiveness_;
    HitChart* chart_;
    MoneyBox* money_;
    BalanceChart* balance_;
    QPushButton* create_;
    QPushButton* delete_;
    QPushButton* print_;
    QPushButton* export_;
    ClickableLabel* createPicture_;
    ClickableLabel* deletePicture_;
    ClickableLabel* printPicture_;
};
