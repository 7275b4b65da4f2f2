#pragma once

#include "check/money.h"
#include "check/numbersets.h"
#include "check/resultrow.h"
#include "store/records.h"

#include <QList>
#include <array>
#include <atomic>
#include <cstdint>
#include <stop_token>
#include <vector>

// One results list: the window of draws, the peñas, and where each draw's
// rows start. No row is stored: row r is worked out when it is asked for, so
// a list holds memory in proportion to the draws of its window and the peñas,
// whatever its number of rows.
enum class ListKind { Simple, Multiple };

struct PassOptions {
    bool showHistory = false;
    bool onlyWithPrize = false;
};

struct PassResult {
    bool prizeFound = false;   // some bet of this list won (shown or counted); see layOut
    bool multipleSeen = false; // the simple list met a multiple-bet peña
    bool complete = true;      // false: the lay-out was stopped before its end
};

class ResultsList {
public:
    explicit ResultsList(ListKind k = ListKind::Simple) : kind(k) {}
    ResultsList(const ResultsList&) = delete;
    ResultsList& operator=(const ResultsList&) = delete;

    ListKind kind;
    QList<PenaRecord> penas; // every peña, in record order
    QList<DrawRecord> draws; // the draw window, newest first
    // The prizes of each draw of the window, in the same order; a list made
    // without them shows no amounts.
    std::vector<PrizeTable> prizes;

    // The rows as a container: rows.size(), rows[i] (worked out on demand).
    // Read from one thread at a time: a few draws' blocks are kept at hand.
    class Rows {
    public:
        explicit Rows(const ResultsList& list) : list_(list) {}
        std::size_t size() const;
        bool empty() const { return size() == 0; }
        ResultRow operator[](std::size_t i) const;

    private:
        const ResultsList& list_;
    };
    const Rows rows{*this};

    // Works out how many rows each draw of the window has under `options`:
    // a peña of the list's kind that plays a draw has its block of three head
    // rows and its bet rows (with "Ver sólo si hay premio", its winning bets
    // only, and no block without one). Looks for a prize only when
    // `wantPrize` or the options need it (prizeFound is left false
    // otherwise). A long window is shared among the cores; `stop` ends it
    // early (complete is then false) and `drawsDone` counts the draws done.
    PassResult layOut(const PassOptions& options, bool wantPrize, std::stop_token stop = {},
                      std::atomic<int>* drawsDone = nullptr);
    // About how many bet checks layOut(options, wantPrize) makes.
    qint64 layOutCost(const PassOptions& options, bool wantPrize) const;

private:
    // A peña of the list's kind, its bets as bit sets.
    struct Listed {
        int pena = 0; // index in penas
        int dayCode = 0;
        double createdOn = 0;
        int bets = 0;     // simple bets; 1 for a multiple bet
        int firstBet = 0; // in betNumbers_ / betStars_
        bool regular = true;
        std::array<std::array<std::uint8_t, 3>, 6> lines{}; // multiple: prize lines for a+b hits
    };
    struct Block {
        int listed;
        int start; // first row within the draw's rows
    };
    struct DrawBlocks {
        int draw = -1;
        std::uint64_t used = 0;
        std::vector<Block> blocks;
    };

    void prepare();
    bool plays(const Listed& l, int d) const;
    HitPair betHits(const Listed& l, int bet, int d) const;
    int winningBets(const Listed& l, int d) const;
    int blockRows(const Listed& l, int d) const;
    const std::vector<Block>& blocksOf(int d) const;
    ResultRow rowAt(std::size_t i) const;

    PassOptions options_;
    std::vector<Listed> listed_;
    std::vector<std::uint64_t> betNumbers_;
    std::vector<std::uint16_t> betStars_;
    std::vector<NumberSet> drawBits_;
    std::vector<int> weekdays_;
    std::vector<std::int64_t> drawStart_; // one per draw, then the total
    mutable std::array<DrawBlocks, 16> recent_;
    mutable std::uint64_t uses_ = 0;
};

// Bet rows of a simple peña, within the record's 24 slots.
int simpleBetCount(int betMode);
