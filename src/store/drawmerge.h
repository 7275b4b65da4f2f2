#pragma once

#include "store/datafiles.h"

#include <QList>

// Keeps these draws in numeros.dat, in date order, never a date twice: a
// draw whose date is already there is left out. Appended when every new draw
// is later than the newest kept, else merged in by one rewrite through the
// work copy. Returns the draws added; throws StoreError, the file then as it
// was.
int storeDraws(DataFiles& files, QList<DrawRecord> incoming);
