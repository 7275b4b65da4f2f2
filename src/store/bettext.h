#pragma once

#include <QString>
#include <QtGlobal>

// How the values of a bet line up in the program's lists.
enum class Padding {
    All,        // each value right-aligned in two characters: " 3-17-22"
    AllButLast, // the same but the last value as it is (the draw list)
    None        // "1-2-3"
};

// The first `count` values joined by "-".
QString betValuesText(const qint16* values, int count, Padding padding);
