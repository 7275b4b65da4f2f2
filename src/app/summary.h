#pragma once

#include "check/moneytext.h"
#include "store/records.h"

#include <QList>
#include <QLocale>
#include <QString>

// One row of the peña list.
struct PenaListRow {
    QString name;
    QString bets;
    QString createdOn;
    QString dayFilter;
    bool operator==(const PenaListRow&) const = default;
};

// The peña scan and the all-peñas summary: what RefreshSummary shows.
struct SummaryView {
    QList<PenaListRow> rows; // empty: the list shows the single row "VACÍO"
    int nextPenaRecord = 1;
    QString penaCount; // label 2 of the status group
    bool printEnabled = false;
    bool deleteEnabled = false;
    int total = 0;
    QString totalText;
    QString effectiveness;
    QString playedDraws;
    int chartWithoutPrize = 1;
    int chartTotal = 0;
    MoneyLines money; // all peñas together
};

PenaListRow penaListRow(const PenaRecord& pena);
SummaryView computeSummary(const QList<PenaRecord>& penas, int playedDraws, const QLocale& locale);
