#pragma once

#include "download/busca.h"
#include "store/records.h"

#include <QDate>
#include <QList>
#include <functional>

// At most 50 new draws in one answer; a 51st is an error.
constexpr int kMaxNewDraws = 50;
// An answer this long or shorter holds no draw worth searching.
constexpr qsizetype kSearchedLength = 10000;

// Date pass: the dates, newest first, of the draws of the answer later than
// `newestStored` (an OLE date, 0 with no draws). `answerLength` is the length
// of the answer in characters. Searches while another "fecha_sorteo" is found,
// so no draw of a long answer is left out. Throws ParseError (a date that is
// not one, a 51st new date, a new date not earlier than the one before it, a
// read past the end).
QList<double> newDrawDates(CacheReader& cache, qsizetype answerLength, double newestStored);

// A number or star outside its range (numbers 1..50, stars 1..12): the
// answer is damaged and none of its draws is taken.
class ValueOutOfRange : public ParseError {
public:
    using ParseError::ParseError;
};

// Combination pass from the top of the answer: one draw per date, newest
// first. A combination whose first number reads 0 gives way to the next one
// once; a value of 0 stops the pass at that draw, one out of range throws
// ValueOutOfRange. `found(i, draw)` runs for each accepted draw (i from 1).
// Throws ParseError.
void readCombinations(CacheReader& cache, const QList<double>& dates, QList<DrawRecord>& out,
                      const std::function<void(int, const DrawRecord&)>& found = {});

// Day, month and year digits as a date; ParseError when they are not one.
QDate dateFromParts(const QString& day, const QString& month, const QString& year);
