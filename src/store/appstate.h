#pragma once

#include "store/datafiles.h"
#include "store/records.h"

// The open data files and the program-wide state, owned by the main window
// and handed by reference to whoever needs it. A test builds one over a
// temporary folder.
struct AppState {
    explicit AppState(std::shared_ptr<FileOps> ops = std::make_shared<FileOps>())
        : files(std::move(ops)) {}

    DataFiles files;
    QString appFolder;      // with its trailing separator
    int nextPenaRecord = 1; // peñas + 1
    int nextDrawRecord = 1; // draws + 1
    PenaRecord currentPena; // the peña most recently read or about to be written
    DrawRecord latestDraw;  // the newest draw; all zero with no draws
    int penaLimit = 999;

    int playedDraws = 0; // draws some peña has played since the first was created

    // What the windows show: the selection, the flags between windows and
    // the options of the results lists.
    struct ViewState {
        int selectedPena = 0; // 0 = none
        int penaAdded = 0;
        int drawsToShow = 1;
        bool showHistory = false;
        bool onlyWithPrize = false;
        QString newDrawsLabel;
        int prizeBlinkTarget = 0;
        int newPenaMode = 0;
        bool drawDeleteMode = false;
    } view;
};
