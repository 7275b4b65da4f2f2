#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

// Answers shaped like the operator's results service: a JSON array of draws,
// newest first, compact separators, about 1,300 characters per draw.
struct AnswerDraw {
    QDate date;
    std::array<int, 5> numbers;
    std::array<int, 2> stars;
};

// Every Tuesday and Friday from `first` to `last`, newest first, with numbers
// that follow from the date.
QList<AnswerDraw> drawsBetween(QDate first, QDate last);
// One draw as the service writes it; `combination` replaces the usual
// "n - n - n - n - n - s - s" and `prizes` the 13 made-up prizes when given.
QString drawJson(const AnswerDraw& draw, const QString& combination = QString(),
                 const QStringList& prizes = {});
QString answerJson(const QList<AnswerDraw>& newestFirst);

// Every draw the game held from `first` to `last`, newest first, as its time
// held them: Fridays only and stars 1 to 9 before 10/05/2011, Tuesdays too
// and stars 1 to 11 from then, stars 1 to 12 from 27/09/2016.
QList<AnswerDraw> historyBetween(QDate first, QDate last);
// A draw's own prizes in euro cents, one per official category of its time
// (12 before 10/05/2011, 13 after).
QList<qint64> historyPrizeCents(const AnswerDraw& draw);
// The prizes as the service writes them: "1234567.89".
QStringList prizeTexts(const QList<qint64>& cents);
// A window's answer with each draw's own prizes.
QString historyAnswer(const QList<AnswerDraw>& newestFirst);
// An HTML error page of at least `length` characters, with no draw in it.
QString errorPage(int length);
