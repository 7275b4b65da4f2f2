#pragma once

// The checking engine: hits, prize categories, the multiple-bet breakdown and
// the two results passes over the open files.

#include "check/breakdown.h"
#include "check/categories.h"
#include "check/hits.h"
#include "check/prizeblink.h"
#include "check/resultslist.h"

#include <QString>
#include <atomic>
#include <memory>
#include <stop_token>

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

// The two results lists over the newest w draws (NextDrawRecord - 1 down to
// NextDrawRecord - w) and the peñas 1 .. NextPenaRecord - 1, in three steps:
// what must run where the files are (counting and storing the totals, taking
// the window), the lay-out (which may run on other threads: it only reads
// the lists), and the prize blink.
struct PendingLists {
    std::shared_ptr<ResultsList> simple; // empty when only the multiple list is wanted
    std::shared_ptr<ResultsList> multiple;
    PassOptions options;
    bool wantPrize = false; // NewDrawsLabel shows a download's draws
    bool multipleOnly = false;
    StoredHits stored;
    PassResult simpleResult, multipleResult;

    qint64 cost() const; // bet checks the lay-out makes
    int draws() const;   // draws the lay-out goes through
};

// First every draw not counted yet is counted into the peñas' hits, whether
// or not it lies in the window (check/counting.h), and the changed peñas are
// written back; then the window and the peñas are taken for the lists. Leaves
// the last peña in currentPena.
PendingLists prepareLists(AppState& state, int w, bool multipleOnly);
// False when `stop` ended it first.
bool layOutLists(PendingLists& lists, std::stop_token stop = {},
                 std::atomic<int>* drawsDone = nullptr);
void startPrizeBlink(const PendingLists& lists, PrizeBlink& blink);

// BuildSimpleResults(w): the three steps at once; the multiple list is empty
// when no multiple-bet peña exists.
ResultsLists buildSimpleResults(AppState& state, PrizeBlink& blink, int w);
// BuildMultipleResults(w): the same count, then the multiple list alone.
std::shared_ptr<ResultsList> buildMultipleResults(AppState& state, PrizeBlink& blink, int w,
                                                  StoredHits* stored = nullptr);
