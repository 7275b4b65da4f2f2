#pragma once

#include <QLocale>
#include <QString>

// A percentage rounded to one decimal, halves to even, written with the
// locale's decimal separator and no trailing ",0" (37,5 / 100 / 0).
QString roundedPercent(float value, const QLocale& locale);
