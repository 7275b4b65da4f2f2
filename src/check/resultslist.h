#pragma once

#include "check/rowstore.h"
#include "store/records.h"

#include <QList>
#include <vector>

// One results list as a pass leaves it: the rows, and the peñas and draws
// the rows point into, so that the list can be shown after the files change.
enum class ListKind { Simple, Multiple };

struct ResultsList {
    explicit ResultsList(ListKind k = ListKind::Simple) : kind(k) {}
    ListKind kind;
    QList<PenaRecord> penas; // every peña, in record order, as the pass left it
    QList<DrawRecord> draws; // the draw window, newest first
    RowStore rows;
};

struct PassOptions {
    bool showHistory = false;
    bool onlyWithPrize = false;
};

struct PassResult {
    bool prizeFound = false;   // some bet of this list won (shown or counted)
    bool multipleSeen = false; // the simple pass met a multiple-bet peña
};

// What both passes set up before walking the window.
struct PassStart {
    int penaCount = 0;
    int drawCount = 0;
    std::vector<int> filters; // day filter code per peña
};

// The passes over the peñas and the window held in `list`: they fill
// list.rows and say whether some bet of the list won.
PassResult simplePass(ResultsList& list, const PassOptions& options);
PassResult multiplePass(ResultsList& list, const PassOptions& options);

// Bet rows of a simple peña, within the record's 24 slots.
int simpleBetCount(int betMode);
