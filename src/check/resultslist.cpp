#include "check/resultslist.h"

#include "check/breakdown.h"
#include "check/hits.h"

#include <algorithm>
#include <thread>

namespace {

// A simple bet with these hits wins: two numbers or more, or one and both
// stars. Tested on the bit sets without counting them.
inline int setWins(std::uint64_t numbers, unsigned stars) {
    // Without branches: which bets win is anybody's guess.
    return int((numbers & (numbers - 1)) != 0) |
           (int(numbers != 0) & int((stars & (stars - 1)) != 0));
}

// Past this many bet checks a lay-out is shared among the cores.
constexpr qint64 kSharedCost = 4'000'000;

} // namespace

int simpleBetCount(int betMode) {
    return std::clamp(betMode, 0, kMaxBets);
}

std::size_t ResultsList::Rows::size() const {
    return list_.drawStart_.empty() ? 0 : std::size_t(list_.drawStart_.back());
}

ResultRow ResultsList::Rows::operator[](std::size_t i) const {
    return list_.rowAt(i);
}

void ResultsList::prepare() {
    listed_.clear();
    betNumbers_.clear();
    betStars_.clear();
    const bool multiple = kind == ListKind::Multiple;
    for (int p = 0; p < int(penas.size()); ++p) {
        const PenaRecord& pena = penas[p];
        if (isMultipleMode(pena.betMode) != multiple) continue;
        Listed l;
        l.pena = p;
        l.dayCode = dayFilterCode(pena);
        l.createdOn = pena.createdOn;
        l.firstBet = int(betNumbers_.size());
        const auto add = [&](std::span<const qint16> numbers, std::span<const qint16> stars) {
            const NumberSet set = betSet(numbers, stars);
            l.regular = l.regular && set.regular;
            betNumbers_.push_back(set.numbers);
            betStars_.push_back(set.stars);
        };
        if (multiple) {
            const int n = std::clamp(modeNumbers(pena.betMode), 0, kBetNumberSlots);
            const int s = std::clamp(modeStars(pena.betMode), 0, kBetStarSlots);
            add(std::span(pena.numbers[0]).first(std::size_t(n)),
                std::span(pena.stars[0]).first(std::size_t(s)));
            l.bets = 1;
            for (int a = 0; a <= 5; ++a)
                for (int b = 0; b <= 2; ++b) {
                    if (!multipleWins(a, b)) continue;
                    const CategoryCounts c = breakDownMultiple(pena.betMode, a, b);
                    l.lines[std::size_t(a)][std::size_t(b)] = std::uint8_t(
                        std::count_if(c.begin(), c.end(), [](int v) { return v > 0; }));
                }
        } else {
            l.bets = simpleBetCount(pena.betMode);
            for (int b = 0; b < l.bets; ++b)
                add(std::span(pena.numbers[std::size_t(b)]).first(5),
                    std::span(pena.stars[std::size_t(b)]).first(2));
        }
        listed_.push_back(l);
    }
    drawBits_.clear();
    weekdays_.clear();
    for (const DrawRecord& d : draws) {
        drawBits_.push_back(drawSet(d));
        weekdays_.push_back(drawWeekday(d));
    }
    for (DrawBlocks& r : recent_)
        r = DrawBlocks{};
}

bool ResultsList::plays(const Listed& l, int d) const {
    return (l.createdOn <= draws[d].drawDate || options_.showHistory) &&
           dayCodePlays(l.dayCode, weekdays_[std::size_t(d)]);
}

HitPair ResultsList::betHits(const Listed& l, int bet, int d) const {
    if (l.regular) {
        const std::size_t at = std::size_t(l.firstBet + bet);
        return setHits({betNumbers_[at], betStars_[at], true}, drawBits_[std::size_t(d)]);
    }
    // A damaged record is compared value by value, as it always was.
    const PenaRecord& pena = penas[l.pena];
    HitCount h;
    if (kind == ListKind::Multiple) {
        const int n = std::clamp(modeNumbers(pena.betMode), 0, kBetNumberSlots);
        const int s = std::clamp(modeStars(pena.betMode), 0, kBetStarSlots);
        h = countHits(std::span(pena.numbers[0]).first(std::size_t(n)),
                      std::span(pena.stars[0]).first(std::size_t(s)), draws[d]);
    } else {
        h = countHits(std::span(pena.numbers[std::size_t(bet)]).first(5),
                      std::span(pena.stars[std::size_t(bet)]).first(2), draws[d]);
    }
    return {h.numbersHit, h.starsHit};
}

int ResultsList::winningBets(const Listed& l, int d) const {
    int wins = 0;
    if (l.regular) {
        const NumberSet& draw = drawBits_[std::size_t(d)];
        const std::uint64_t* numbers = betNumbers_.data() + l.firstBet;
        const std::uint16_t* stars = betStars_.data() + l.firstBet;
        for (int b = 0; b < l.bets; ++b)
            wins += setWins(numbers[b] & draw.numbers, unsigned(stars[b] & draw.stars));
        return wins;
    }
    for (int b = 0; b < l.bets; ++b) {
        const HitPair h = betHits(l, b, d);
        wins += kCategoryOf[std::size_t(h.numbers)][std::size_t(h.stars)] != 0;
    }
    return wins;
}

int ResultsList::blockRows(const Listed& l, int d) const {
    if (!plays(l, d)) return 0;
    if (kind == ListKind::Simple) {
        if (!options_.onlyWithPrize) return 3 + l.bets;
        const int wins = winningBets(l, d);
        return wins ? 3 + wins : 0;
    }
    const HitPair h = betHits(l, 0, d);
    const bool wins = multipleWins(h.numbers, h.stars);
    if (!wins && options_.onlyWithPrize) return 0;
    const int lines = wins ? l.lines[std::size_t(h.numbers)][std::size_t(h.stars)] : 0;
    return 4 + std::max(0, lines - 1);
}

qint64 ResultsList::layOutCost(const PassOptions& options, bool wantPrize) const {
    qint64 bets = 0;
    for (const PenaRecord& p : penas)
        if (isMultipleMode(p.betMode) == (kind == ListKind::Multiple))
            bets += kind == ListKind::Simple && (options.onlyWithPrize || wantPrize)
                        ? simpleBetCount(p.betMode)
                        : 1;
    return bets * qint64(draws.size());
}

PassResult ResultsList::layOut(const PassOptions& options, bool wantPrize, std::stop_token stop,
                               std::atomic<int>* drawsDone) {
    options_ = options;
    prepare();
    PassResult result;
    const int window = int(draws.size());
    if (kind == ListKind::Simple && window > 0)
        result.multipleSeen = std::any_of(penas.begin(), penas.end(), [](const PenaRecord& p) {
            return isMultipleMode(p.betMode);
        });
    std::vector<std::int64_t> rows(std::size_t(window), 0);
    std::atomic<bool> prize = false;
    std::atomic<bool> stopped = false;
    const bool simple = kind == ListKind::Simple;
    const auto work = [&](int from, int to) {
        bool found = false;
        for (int d = from; d < to; ++d) {
            if (stop.stop_requested()) {
                stopped = true;
                return;
            }
            std::int64_t total = 0;
            for (const Listed& l : listed_) {
                const int n = blockRows(l, d);
                total += n;
                if (found || !(wantPrize || options_.onlyWithPrize) || n == 0) continue;
                // A block kept by the prize filter holds a prize; without the
                // filter the bets are looked at only until one wins.
                if (options_.onlyWithPrize) {
                    found = true;
                } else if (simple) {
                    found = winningBets(l, d) > 0;
                } else {
                    const HitPair h = betHits(l, 0, d);
                    found = multipleWins(h.numbers, h.stars);
                }
            }
            rows[std::size_t(d)] = total;
            if (drawsDone) drawsDone->fetch_add(1, std::memory_order_relaxed);
        }
        if (found) prize = true;
    };
    const qint64 cost = layOutCost(options, wantPrize);
    const int cores = int(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
    if (cost < kSharedCost || cores == 1 || window < 2 * cores) {
        work(0, window);
    } else {
        std::vector<std::jthread> helpers;
        const int share = (window + cores - 1) / cores;
        for (int c = 1; c < cores; ++c)
            helpers.emplace_back(work, std::min(window, c * share),
                                 std::min(window, (c + 1) * share));
        work(0, std::min(window, share));
    }
    drawStart_.assign(std::size_t(window) + 1, 0);
    for (int d = 0; d < window; ++d)
        drawStart_[std::size_t(d) + 1] = drawStart_[std::size_t(d)] + rows[std::size_t(d)];
    result.prizeFound = prize;
    result.complete = !stopped;
    if (stopped) drawStart_.assign(1, 0);
    return result;
}

const std::vector<ResultsList::Block>& ResultsList::blocksOf(int d) const {
    DrawBlocks* slot = &recent_[0];
    for (DrawBlocks& r : recent_) {
        if (r.draw == d) {
            r.used = ++uses_;
            return r.blocks;
        }
        if (r.used < slot->used) slot = &r;
    }
    slot->draw = d;
    slot->used = ++uses_;
    slot->blocks.clear();
    int start = 0;
    for (int l = 0; l < int(listed_.size()); ++l) {
        const int n = blockRows(listed_[std::size_t(l)], d);
        if (n == 0) continue;
        slot->blocks.push_back({l, start});
        start += n;
    }
    return slot->blocks;
}

ResultRow ResultsList::rowAt(std::size_t i) const {
    const auto at = std::upper_bound(drawStart_.begin(), drawStart_.end(), std::int64_t(i));
    const int d = int(at - drawStart_.begin()) - 1;
    const int offset = int(std::int64_t(i) - drawStart_[std::size_t(d)]);
    const std::vector<Block>& blocks = blocksOf(d);
    const auto block = std::upper_bound(blocks.begin(), blocks.end(), offset,
                                        [](int o, const Block& b) { return o < b.start; }) -
                       1;
    const Listed& l = listed_[std::size_t(block->listed)];
    const int within = offset - block->start;
    if (within < 3) return makeRow(RowKind(within), l.pena, d);

    const PenaRecord& pena = penas[l.pena];
    const DrawRecord& draw = draws[d];
    if (kind == ListKind::Simple) {
        int bet = within - 3;
        if (options_.onlyWithPrize) {
            // The (within - 3)-th winning bet.
            for (int b = 0, seen = -1; b < l.bets; ++b) {
                const HitPair h = betHits(l, b, d);
                if (kCategoryOf[std::size_t(h.numbers)][std::size_t(h.stars)] != 0 &&
                    ++seen == within - 3) {
                    bet = b;
                    break;
                }
            }
        }
        const HitCount h = countHits(std::span(pena.numbers[std::size_t(bet)]).first(5),
                                     std::span(pena.stars[std::size_t(bet)]).first(2), draw);
        ResultRow row = makeRow(RowKind::Bet, l.pena, d);
        row.aux = std::uint64_t(bet);
        row.hits = h.numberPositions | unsigned(h.starPositions) << kStarHitShift;
        row.category = std::uint64_t(classifyHits(h));
        return row;
    }
    const int n = std::clamp(modeNumbers(pena.betMode), 0, kBetNumberSlots);
    const int s = std::clamp(modeStars(pena.betMode), 0, kBetStarSlots);
    const HitCount h = countHits(std::span(pena.numbers[0]).first(std::size_t(n)),
                                 std::span(pena.stars[0]).first(std::size_t(s)), draw);
    ResultRow row = makeRow(within == 3 ? RowKind::Bet : RowKind::PrizeLine, l.pena, d);
    if (within == 3) row.hits = h.numberPositions | unsigned(h.starPositions) << kStarHitShift;
    if (!multipleWins(h.numbersHit, h.starsHit)) return row;
    const CategoryCounts counts = breakDownMultiple(pena.betMode, h.numbersHit, h.starsHit);
    // Prize line within - 3, in category order; the first sits in the bet row.
    for (int k = 1, line = -1; k <= kCategories; ++k) {
        const int c = counts[std::size_t(k - 1)];
        if (c <= 0 || ++line != within - 3) continue;
        row.category = std::uint64_t(k);
        row.aux = std::uint64_t(std::min<unsigned>(unsigned(c), kMaxRowCount));
        break;
    }
    return row;
}
