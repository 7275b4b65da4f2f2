#pragma once

#include <QByteArray>

struct PenaReport;

// The peña's report as an A4 PDF: who it is, a line per counted draw, the
// totals and the balance chart.
QByteArray penaPdf(const PenaReport& report);
