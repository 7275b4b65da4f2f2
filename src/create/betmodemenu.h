#pragma once

#include "create/betmodemenustate.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLabel;
class QRadioButton;
class QTimer;

// The table of multiple bets: simple bets per number and star count.
class MultipleBetsTable : public QWidget {
    Q_OBJECT
public:
    explicit MultipleBetsTable(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// "Menú creación": simple bets, or one multiple bet of n numbers and s stars.
class BetModeMenu : public QWidget {
    Q_OBJECT
public:
    explicit BetModeMenu(QWidget* parent = nullptr);

    // One 500 ms step of the marks' animation.
    void animationTick();

    const BetModeMenuState& state() const { return state_; }
    QCheckBox* sencillaBox() const { return sencilla_; }
    QCheckBox* multipleBox() const { return multiple_; }
    QRadioButton* numberOption(int n) const { return numberOptions_[n - 5]; }
    QRadioButton* starOption(int s) const { return starOptions_[s - 2]; }
    MultipleBetsTable* table() const { return table_; }
    QTimer* animationTimer() const { return timer_; }

signals:
    // The bet-mode code chosen: 0 for simple bets.
    void chosen(int mode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void onSencilla();
    void onMultiple();
    void onNumbers(int n);
    void onStars(int s);
    void sync();

    BetModeMenuState state_;
    QCheckBox* sencilla_;
    QCheckBox* multiple_;
    std::array<QRadioButton*, 6> numberOptions_{};
    std::array<QRadioButton*, 4> starOptions_{};
    MultipleBetsTable* table_;
    QTimer* timer_;
};
