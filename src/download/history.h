#pragma once

#include "store/records.h"

#include <QByteArray>
#include <QDate>
#include <QList>

// The draws since the first one, asked of the service a window at a time.

// A window of days, both ends included.
struct HistoryWindow {
    QDate first;
    QDate last;
    bool operator==(const HistoryWindow&) const = default;
};

constexpr int kHistoryWindowDays = 100;

// Whether the game held a draw on `day` under the rules of its time.
bool isDrawDay(QDate day);

// The windows of at most 100 days from the first draw to `today`, oldest
// first, that still lack something: a draw day before today whose draw is
// not in numeros.dat or whose prizes are not in premios.dat. A file that is
// up to date lacks none.
QList<HistoryWindow> missingWindows(QDate today, const QList<DrawRecord>& draws,
                                    const QList<PrizeRecord>& prizes);

// One window's answer: every draw in it, oldest first, and their prizes.
struct WindowAnswer {
    QList<DrawRecord> draws;
    QList<PrizeRecord> prizes;
};

// Reads a window's answer. Throws ParseError when it breaks what a download
// relies on: a date that is not one or outside the window, the dates not
// newest first, a date twice, a combination that is not five numbers from 1
// to 50 and two stars within the stars of its time, or dates and
// combinations that do not pair up.
WindowAnswer readWindowAnswer(const QByteArray& answer, const HistoryWindow& window);
