#include "check/money.h"

#include "check/betprice.h"
#include "check/gamerules.h"
#include "check/hits.h"
#include "check/numbersets.h"
#include "check/resultslist.h"
#include "store/dates.h"
#include "store/prizestore.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <span>
#include <vector>

namespace {

// A peña's bets as bit sets, made once for all its draws.
struct Bets {
    explicit Bets(const PenaRecord& pena) : mode(pena.betMode) {
        multiple = isMultipleMode(mode);
        if (multiple) {
            const auto n = std::size_t(std::clamp(modeNumbers(mode), 0, kBetNumberSlots));
            const auto s = std::size_t(std::clamp(modeStars(mode), 0, kBetStarSlots));
            numbers[0] = std::span(pena.numbers[0]).first(n);
            stars[0] = std::span(pena.stars[0]).first(s);
            count = 1;
        } else {
            count = simpleBetCount(mode);
            for (int b = 0; b < count; ++b) {
                numbers[std::size_t(b)] = std::span(pena.numbers[std::size_t(b)]).first(5);
                stars[std::size_t(b)] = std::span(pena.stars[std::size_t(b)]).first(2);
            }
        }
        for (int b = 0; b < count; ++b)
            sets[std::size_t(b)] = betSet(numbers[std::size_t(b)], stars[std::size_t(b)]);
    }

    HitPair hits(int b, const DrawRecord& draw, const NumberSet& drawBits) const {
        const NumberSet& bet = sets[std::size_t(b)];
        if (bet.regular) return setHits(bet, drawBits);
        const HitCount h = countHits(numbers[std::size_t(b)], stars[std::size_t(b)], draw);
        return {h.numbersHit, h.starsHit};
    }

    CategoryCounts winning(const DrawRecord& draw, const NumberSet& drawBits) const {
        CategoryCounts out{};
        if (multiple) {
            const HitPair h = hits(0, draw, drawBits);
            if (multipleWins(h.numbers, h.stars)) out = breakDownMultiple(mode, h.numbers, h.stars);
            return out;
        }
        for (int b = 0; b < count; ++b) {
            const HitPair h = hits(b, draw, drawBits);
            if (const int k = kCategoryOf[std::size_t(h.numbers)][std::size_t(h.stars)])
                ++out[std::size_t(k - 1)];
        }
        return out;
    }

    int mode;
    bool multiple = false;
    int count = 0;
    std::array<std::span<const qint16>, kMaxBets> numbers{}, stars{};
    std::array<NumberSet, kMaxBets> sets{};
};

// What every peña needs of one draw, worked out once.
struct DrawFacts {
    const DrawRecord* draw;
    NumberSet bits;
    int weekday;
    PrizeTable prizes;
    bool recordKnown; // premios.dat holds some prize of it
    Cents price;
};

std::vector<DrawFacts> factsOf(const QList<DrawRecord>& draws, const QList<PrizeRecord>& prizes) {
    std::vector<qsizetype> order(std::size_t(draws.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return draws[a].drawDate < draws[b].drawDate;
    });
    std::vector<DrawFacts> out;
    out.reserve(order.size());
    for (const qsizetype i : order) {
        const DrawRecord& d = draws[i];
        const PrizeRecord* record = prizesOf(prizes, d.drawDate);
        out.push_back({&d, drawSet(d), drawWeekday(d.drawDate), prizeTable(record, d.drawDate),
                       record && record->known(), betPriceCents(d.drawDate)});
    }
    return out;
}

bool counts(const PenaRecord& pena, int dayCode, const DrawFacts& f) {
    const double date = f.draw->drawDate;
    return date >= pena.createdOn && date <= pena.lastCounted && dayCodePlays(dayCode, f.weekday);
}

// Adds the peña's counted draws to `total`; `unknown` collects the dates of
// the draws whose prizes are not known.
void addPena(const PenaRecord& pena, const std::vector<DrawFacts>& facts, PenaMoney& total,
             std::set<double>& unknown, bool lines) {
    if (!isValidBetMode(pena.betMode)) return;
    const Bets bets(pena);
    const int dayCode = dayFilterCode(pena);
    const Cents betsPlayed = simpleBetsPlayed(pena);
    Cents balance = 0;
    for (const DrawFacts& f : facts) {
        if (!counts(pena, dayCode, f)) continue;
        DrawMoney m;
        m.bets = bets.winning(*f.draw, f.bits);
        m.prizes = f.prizes;
        m.prizesKnown = f.recordKnown;
        m.won = prizeMoney(m.bets, f.prizes, &m.prizesKnown);
        m.played = betsPlayed * f.price;
        balance += m.won - m.played;
        m.balance = balance;
        total.won += m.won;
        total.played += m.played;
        if (!m.prizesKnown) unknown.insert(f.draw->drawDate);
        if (lines) {
            m.draw = *f.draw;
            total.draws.append(m);
        }
    }
}

} // namespace

PrizeTable prizeTable(const PrizeRecord* prizes, double drawDate) {
    PrizeTable table{};
    const GameEra& era = gameEra(dateFromOle(drawDate));
    for (int k = 1; k <= kCategories; ++k) {
        const int c = officialCategory(era, k);
        Cents& at = table[std::size_t(k - 1)];
        if (c == 0)
            at = 0;
        else
            at = prizes ? prizes->cents[std::size_t(c - 1)] : PrizeRecord::kUnknown;
        if (at < 0) at = PrizeRecord::kUnknown;
    }
    return table;
}

bool countsForMoney(const PenaRecord& pena, const DrawRecord& draw) {
    return draw.drawDate >= pena.createdOn && draw.drawDate <= pena.lastCounted &&
           dayCodePlays(dayFilterCode(pena), drawWeekday(draw.drawDate));
}

int simpleBetsPlayed(const PenaRecord& pena) {
    return isMultipleMode(pena.betMode) ? cuantos(pena.betMode) : simpleBetCount(pena.betMode);
}

CategoryCounts winningBets(const PenaRecord& pena, const DrawRecord& draw) {
    if (!isValidBetMode(pena.betMode)) return {};
    return Bets(pena).winning(draw, drawSet(draw));
}

Cents prizeMoney(const CategoryCounts& bets, const PrizeTable& table, bool* known) {
    Cents sum = 0;
    for (std::size_t k = 0; k < bets.size(); ++k) {
        if (bets[k] == 0) continue;
        if (table[k] < 0) {
            if (known) *known = false;
            continue;
        }
        sum += Cents(bets[k]) * table[k];
    }
    return sum;
}

PenaMoney penaMoney(const PenaRecord& pena, const QList<DrawRecord>& draws,
                    const QList<PrizeRecord>& prizes) {
    PenaMoney out;
    std::set<double> unknown;
    addPena(pena, factsOf(draws, prizes), out, unknown, true);
    out.unknownDraws = int(unknown.size());
    return out;
}

PenaMoney allPenasMoney(const QList<PenaRecord>& penas, const QList<DrawRecord>& draws,
                        const QList<PrizeRecord>& prizes) {
    PenaMoney out;
    std::set<double> unknown;
    const std::vector<DrawFacts> facts = factsOf(draws, prizes);
    for (const PenaRecord& p : penas)
        addPena(p, facts, out, unknown, false);
    out.unknownDraws = int(unknown.size());
    return out;
}
