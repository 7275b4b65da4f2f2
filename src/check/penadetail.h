#pragma once

#include "store/records.h"

#include <QList>
#include <QLocale>
#include <QStringList>
#include <array>

// What ShowPenaDetail fills on the right of the "Gestor de peñas" tab.
struct PenaDetailView {
    bool empty = false;   // no peñas: played and effectiveness read "-"
    bool corrupt = false; // a damaged record: only the message is shown
    bool simple = true;   // Courier 10 bold; a multiple bet uses Courier New 9
    QStringList numberLines;
    QStringList starLines;
    int listHeightTwips = 0;
    std::array<int, kCategories> hits{};
    QString playedDraws;
    QString effectiveness;
    int chartWithoutPrize = 0;
    int chartTotal = 0;
};

inline const QString kCorruptPenaFileText =
    QStringLiteral("Error crítico: fichero apuestas.dat corrupto.");

// "%2d" numbers joined by "-", e.g. " 1- 2-10-11-50"; stars plain, e.g. "2-11".
// "-Aciertos de 5+2: ": the caption of category k = 1..13's counter.
QString hitCaption(int k);
QString numbersText(const qint16* numbers, int count);
QString starsText(const qint16* stars, int count);

PenaDetailView emptyPenaDetail();
PenaDetailView computePenaDetail(const PenaRecord& pena, const QList<DrawRecord>& draws,
                                 const QLocale& locale);
