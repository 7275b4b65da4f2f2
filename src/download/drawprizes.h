#pragma once

#include "store/records.h"

#include <QByteArray>
#include <QList>
#include <QStringView>
#include <optional>

// A prize as the service or the report writes it, in euro cents:
// "1.234.567,89 €" (dots between thousands, a comma before the cents) or a
// plain "1234567.89". Nothing for any other text, a negative amount or one
// too large to be a prize.
std::optional<qint64> prizeCents(QStringView text);

// Each draw's prizes in an answer, in the answer's order: the date of each
// "fecha_sorteo" and, up to the next one, the prize of every entry of the
// breakdown, placed by its own category number ("categoria"), not by where
// it stands. A category the answer does not give, or that the draw's era did
// not have, stays unknown; a draw whose date cannot be read is left out.
QList<PrizeRecord> answerPrizes(const QByteArray& answer);
