#pragma once

#include <QDate>
#include <QString>

// The results request: the draws of the last 100 days, both ends included.
constexpr int kWindowDays = 100;

// Year, month and day as eight digits: 2023-01-09 is "20230109".
QString eightDigits(QDate date);
// The first day the request asks for.
QDate windowStart(QDate today);
// `site` is a full origin (scheme, host, optional port), without a trailing slash.
QString requestAddress(const QString& site, QDate today);
// The same request for the draws from `first` to `last`, both included.
QString windowAddress(const QString& site, QDate first, QDate last);
