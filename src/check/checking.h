#pragma once

// The checking engine: hits, prize categories, the multiple-bet breakdown and
// the two results passes over the open files.

#include "check/breakdown.h"
#include "check/categories.h"
#include "check/hits.h"
#include "check/prizeblink.h"
#include "check/resultslist.h"

#include <QString>
#include <memory>

struct AppState;
class StoreError;

// Why a pass could not store some peña's hits.
QString storedHitsFailureText(const StoreError& error);

// What a pass did to apuestas.dat.
struct StoredHits {
    bool changed = false; // some peña's hits or LastCounted were written
    QString failure;      // why some could not be written; empty when all were
    void add(const StoredHits& other);
};

struct ResultsLists {
    std::shared_ptr<ResultsList> simple;
    std::shared_ptr<ResultsList> multiple; // empty when no multiple-bet peña was met
    StoredHits stored;                     // of both passes
};

// BuildSimpleResults over the newest w draws (NextDrawRecord - 1 down to
// NextDrawRecord - w) and the peñas 1 .. NextPenaRecord - 1. First every draw
// not counted yet is counted into the peñas' hits, whether or not it lies in
// the window (check/counting.h), and the changed peñas are written back; then
// the simple list is built, the blink started for a prize, and
// BuildMultipleResults(w) run when a multiple-bet peña exists (else the
// multiple list is emptied). Leaves the last peña in currentPena.
ResultsLists buildSimpleResults(AppState& state, PrizeBlink& blink, int w);
// The same count, then the multiple list alone.
std::shared_ptr<ResultsList> buildMultipleResults(AppState& state, PrizeBlink& blink, int w,
                                                  StoredHits* stored = nullptr);
