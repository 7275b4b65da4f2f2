#pragma once

#include <QWidget>

class QLabel;
struct MoneyLines;

// The three lines "Ganado:", "Jugado:" and "Balance:" with their amounts,
// the balance green or red, and the note of draws without known prizes.
class MoneyBox : public QWidget {
    Q_OBJECT
public:
    explicit MoneyBox(QWidget* parent = nullptr);
    void apply(const MoneyLines& lines);
    QLabel* wonValue() const { return won_; }
    QLabel* playedValue() const { return played_; }
    QLabel* balanceValue() const { return balance_; }
    QLabel* note() const { return note_; }

private:
    QLabel* won_;
    QLabel* played_;
    QLabel* balance_;
    QLabel* note_;
};

// The balance's colour: green when it is zero or more, red below zero.
inline constexpr unsigned kBalanceGreen = 0x00a000;
inline constexpr unsigned kBalanceRed = 0xff0000;
