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
// An HTML error page of at least `length` characters, with no draw in it.
QString errorPage(int length);
