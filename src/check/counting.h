#pragma once

#include "store/records.h"

#include <QList>
#include <vector>

// Keeping the peñas' totals. Every draw newer than a peña's LastCounted, not
// older than its CreatedOn and held on one of its days adds its prizes to the
// peña's Hits exactly once, whichever draws the lists show. LastCounted then
// moves to the newest stored draw and never back, so a draw dated on or
// before it never counts again, whatever was deleted or imported meanwhile.

// Counts into `penas` (record order) the draws of `draws` (every stored draw,
// oldest first, in any order a damaged file may hold them) not counted yet.
// changed[p] is set for each peña whose record changed; returns how many.
int countNewDraws(QList<PenaRecord>& penas, const QList<DrawRecord>& draws,
                  std::vector<bool>& changed);
