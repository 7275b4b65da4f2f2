#pragma once

#include "store/datafiles.h"
#include "store/drawstore.h"

#include <QList>

// premios.dat: the prizes of each draw, one record per draw in date order.

// Every record a real day with no prize below -1, the dates strictly rising.
bool isSoundPrizeFile(const QList<PrizeRecord>& prizes);

// Keeps the prizes of these draws: a draw not there yet is added, one that
// is takes the prizes the new record knows. Appended when every new draw is
// later than the last kept, else merged in by one rewrite through the work
// copy; nothing is written when nothing changes. Returns the draws added or
// changed; throws StoreError, the file then as it was.
int storePrizes(DataFiles& files, QList<PrizeRecord> incoming);

// The prizes kept for the draw of `drawDate`, or nullptr.
const PrizeRecord* prizesOf(const QList<PrizeRecord>& kept, double drawDate);

// A damaged premios.dat is set aside as premios-corrupto.dat (-2, -3 ...)
// and replaced by an empty one, as a damaged numeros.dat is.
KeptDrawFile keepDamagedPrizeFile(DataFiles& files);
QString damagedPrizesText(const KeptDrawFile& kept);

inline const QString kDamagedPrizesFileBase = QStringLiteral("premios-corrupto");
