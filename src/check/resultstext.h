#pragma once

#include "check/categories.h"
#include "check/resultslist.h"

#include <QString>
#include <optional>

// What each cell of the two results lists shows: produced from the compact
// rows when a cell is painted.

constexpr int kSimpleColumns = 9;    // empty first cell, 5 numbers, 2 stars, comment
constexpr int kMultipleColumns = 17; // empty first cell, 10 numbers, 5 stars, comment

int columnCount(ListKind kind);
int commentColumn(ListKind kind);
QString columnHeading(ListKind kind, int column);
// Column widths in twips.
int columnWidthTwips(ListKind kind, int column);

// "PEÑA " and the stored 20-character name, trailing spaces kept.
QString penaHeaderText(const PenaRecord& pena);
// "07/03/2023 Martes".
QString drawDateText(const DrawRecord& draw);
// "¡¡ Premio !! Hay 2 + 1 estrella." for a simple bet of category k.
QString simplePrizeText(int k);
// "¡¡ Premio !! Hay 12 apuestas de 3+0" for a multiple bet.
QString multiplePrizeLine(int k, int count);
// What follows a prize text when the draw's prizes are known: " Ganado: 8,50 €"
// after a simple bet's, ": 148,80 €" after a multiple bet's line.
QString prizeAmountText(ListKind kind, Cents cents);

QString cellText(const ResultsList& list, std::size_t row, int column);
// The cell's text colour, or nothing for the list's default.
std::optional<Rgb> cellColour(const ResultsList& list, std::size_t row, int column);
