#pragma once

#include <QDate>
#include <QString>

// OLE Automation dates: days since 1899-12-30 as a double. The data files
// only ever hold whole days; 0 means "no date".
double oleFromDate(QDate date); // 0 for a date that is none
QDate dateFromOle(double ole);

// The Spanish weekday name, capitalised with its accent: the only weekday
// test of the program.
QString diasemana(QDate date);
QString diasemana(double ole);

// "Martes, 21 de abril del 2020".
QString longDate(QDate date);
// "21/04/2020": day/month/four-digit year for the lists.
QString shortDate(QDate date);
QString shortDate(double ole);
