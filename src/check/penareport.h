#pragma once

#include "check/money.h"
#include "check/moneytext.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The report of one peña to share with its members: who it is, a line per
// counted draw and the totals. The PDF and the CSV file are laid out from it.
struct PenaReport {
    struct Line {
        QString date;        // "27/09/2016"
        QString combination; // the draw's: "3-17-22-40-45 + 2-11"
        CategoryCounts bets{};
        QString prizes; // "3+0: 3, 2+0: 3", or "-"
        Cents played = 0;
        Cents won = 0;
        Cents balance = 0;
        bool prizesKnown = true;
    };
    QString name;
    QString betsCount; // simple bets played per draw
    QStringList bets;  // "3-17-22-40-45 + 2-11", one per bet row
    QString days;
    QString createdOn;
    QList<Line> lines; // oldest first
    PenaMoney money;   // the totals and the chart's points
};

PenaReport penaReport(const PenaRecord& pena, const PenaMoney& money);

// Captions shared by the PDF and the CSV file.
inline const QString kReportTitle = QStringLiteral("Informe de la peña");
QString categoryHeading(int k); // "5+2"
// The columns of the draws' lines, without the 13 categories (CSV only).
inline const QString kDateHeading = QStringLiteral("Fecha");
inline const QString kCombinationHeading = QStringLiteral("Combinación");
inline const QString kPrizesHeading = QStringLiteral("Premios");
inline const QString kKnownHeading = QStringLiteral("Premios conocidos");

// Semicolons, UTF-8 with a byte-order mark, comma decimals without grouping:
// what a spreadsheet in Spanish opens as it is.
QByteArray penaCsv(const PenaReport& report);
// One field as the CSV file holds it: quoted when it holds ';', '"' or a line end.
QString csvField(const QString& text);

// What the user is told when the file could not be written.
QString exportFailureText(const QString& path, const QString& why);
inline const QString kExportTitle = QStringLiteral("Exportar peña");
inline const QString kExportFilter =
    QStringLiteral("Informe PDF (*.pdf);;Hoja de cálculo CSV (*.csv)");
