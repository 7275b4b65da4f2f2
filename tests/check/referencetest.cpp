// The passes read everything once, count with bit sets and write each changed
// peña once; this compares them with a plain record-by-record walk through the
// files, value by value, on random folders, for the rows and for the bytes
// left in "apuestas.dat".
#include "check/breakdown.h"
#include "check/hits.h"
#include "checkfixture.h"
#include "store/dates.h"
#include "support/rowstorelists.h"

#include <cstring>
#include <gtest/gtest.h>
#include <random>

namespace {

struct Row {
    int kind, pena, draw, aux, category;
    friend bool operator==(const Row&, const Row&) = default;
};

std::ostream& operator<<(std::ostream& os, const Row& r) {
    return os << "{" << r.kind << " p" << r.pena << " d" << r.draw << " a" << r.aux << " k"
              << r.category << "}";
}

// Record-by-record, reading and writing CurrentPena through the open file.
struct Walk {
    explicit Walk(AppState& state) : s(state) {}
    AppState& s;
    std::vector<Row> rows;
    bool simplePrize = false, multiplePrize = false;

    PenaRecord read(int p) { return *s.files.readPena(p); }

    // Every stored draw newer than LastCounted, from the creation day on and
    // on the peña's days, once; LastCounted to the newest stored draw.
    void count() {
        const int n = s.nextDrawRecord;
        double newest = 0;
        for (int d = 1; d < n; ++d)
            newest = std::max(newest, s.files.readDraw(d)->drawDate);
        for (int p = 1; p < s.nextPenaRecord; ++p) {
            PenaRecord cur = read(p);
            const PenaRecord before = cur;
            for (int d = 1; d < n; ++d) {
                const DrawRecord draw = *s.files.readDraw(d);
                if (!(draw.drawDate > before.lastCounted && penaPlaysDraw(cur, draw, false)))
                    continue;
                if (cur.betMode > 100) {
                    const int nn = modeNumbers(cur.betMode), ss = modeStars(cur.betMode);
                    const HitCount h = countHits(std::span(cur.numbers[0]).first(nn),
                                                 std::span(cur.stars[0]).first(ss), draw);
                    if (h.numbersHit >= 2 || (h.numbersHit == 1 && h.starsHit == 2)) {
                        const CategoryCounts c =
                            breakDownMultiple(cur.betMode, h.numbersHit, h.starsHit);
                        for (int k = 1; k <= 13; ++k)
                            cur.hits[k - 1] = addHits(cur.hits[k - 1], c[k - 1]);
                    }
                    continue;
                }
                for (int b = 1; b <= std::min<int>(cur.betMode, 24); ++b) {
                    const HitCount h = countHits(std::span(cur.numbers[b - 1]).first(5),
                                                 std::span(cur.stars[b - 1]).first(2), draw);
                    if (const int k = classifyHits(h))
                        cur.hits[k - 1] = addHits(cur.hits[k - 1], 1);
                }
            }
            if (n > 1 && newest > cur.lastCounted) cur.lastCounted = newest;
            if (cur.encode() != before.encode()) s.files.writePena(p, cur);
            s.currentPena = cur;
        }
    }

    void simple(int w) {
        count();
        rows.clear();
        const int n = s.nextDrawRecord;
        if (n == 1) return;
        bool multipleSeen = false;
        for (int d = n - 1; d >= n - w; --d) {
            const DrawRecord draw = *s.files.readDraw(d);
            bool drawHasPrize = false;
            for (int p = 1; p < s.nextPenaRecord; ++p) {
                PenaRecord cur = read(p);
                if (cur.betMode > 100) {
                    multipleSeen = true;
                    continue;
                }
                if (penaPlaysDraw(cur, draw, s.view.showHistory)) {
                    for (int kind = 0; kind < 3; ++kind)
                        rows.push_back({kind, p, n - 1 - d, 0, 0});
                    bool first = true, blockHasPrize = false;
                    int previous = 0;
                    const int bets = std::min<int>(cur.betMode, 24);
                    for (int b = 1; b <= bets; ++b) {
                        if (s.view.onlyWithPrize && !first && previous == 0) rows.pop_back();
                        const HitCount h = countHits(std::span(cur.numbers[b - 1]).first(5),
                                                     std::span(cur.stars[b - 1]).first(2), draw);
                        first = false;
                        const int k = classifyHits(h);
                        rows.push_back({3, p, n - 1 - d, b - 1, k});
                        if (k) blockHasPrize = drawHasPrize = true;
                        previous = k;
                        if (b == bets && s.view.onlyWithPrize) {
                            if (!k) rows.pop_back();
                            if (!blockHasPrize) rows.resize(rows.size() - 3);
                        }
                    }
                    if (drawHasPrize) simplePrize = true;
                }
            }
        }
        if (multipleSeen) multiple(w);
    }

    std::vector<Row> multipleRows;
    void multiple(int w) {
        std::vector<Row>& out = multipleRows;
        out.clear();
        const int n = s.nextDrawRecord;
        if (n == 1) return;
        for (int d = n - 1; d >= n - w; --d) {
            const DrawRecord draw = *s.files.readDraw(d);
            for (int p = 1; p < s.nextPenaRecord; ++p) {
                const PenaRecord cur = read(p);
                if (cur.betMode > 100 && penaPlaysDraw(cur, draw, s.view.showHistory)) {
                    for (int kind = 0; kind < 3; ++kind)
                        out.push_back({kind, p, n - 1 - d, 0, 0});
                    const int nn = modeNumbers(cur.betMode), ss = modeStars(cur.betMode);
                    const HitCount h = countHits(std::span(cur.numbers[0]).first(nn),
                                                 std::span(cur.stars[0]).first(ss), draw);
                    out.push_back({3, p, n - 1 - d, 0, 0});
                    const int a = h.numbersHit, b = h.starsHit;
                    if (a >= 2 || (a == 1 && b == 2)) {
                        multiplePrize = true;
                        const CategoryCounts c = breakDownMultiple(cur.betMode, a, b);
                        bool first = true;
                        for (int k = 1; k <= 13; ++k) {
                            if (c[k - 1] <= 0) continue;
                            if (!first) out.push_back({4, p, n - 1 - d, 0, 0});
                            first = false;
                            out.back().category = k;
                            out.back().aux = c[k - 1];
                        }
                    } else if (s.view.onlyWithPrize) {
                        out.resize(out.size() - 4);
                    }
                }
            }
        }
    }
};

std::vector<Row> rowsOf(const ResultsList& list) {
    std::vector<Row> out;
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        const ResultRow& r = list.rows[i];
        out.push_back({int(r.kind), int(r.pena) + 1, int(r.draw),
                       r.rowKind() == RowKind::Bet && list.kind == ListKind::Simple ? int(r.aux)
                       : r.category                                                 ? int(r.aux)
                                                                                    : 0,
                       int(r.category)});
    }
    return out;
}

// Bets drawn from a small range so that prizes of every kind turn up.
struct Generator {
    std::mt19937 rng;
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    QList<int> distinct(int count, int hi) {
        QList<int> out;
        while (out.size() < count) {
            const int v = pick(1, hi);
            if (!out.contains(v)) out.append(v);
        }
        std::sort(out.begin(), out.end());
        return out;
    }
    PenaRecord pena(QDate first, int days) {
        const QDate created = first.addDays(pick(0, days));
        static const char* filters[] = {"Martes", "Viernes", "Todos"};
        const QString filter = QString::fromLatin1(filters[pick(0, 2)]);
        if (pick(0, 3) == 0) {
            const int n = pick(5, 10), s = pick(n == 5 ? 3 : 2, 5);
            return makeMultiplePena(QStringLiteral("M%1").arg(pick(0, 999)), filter, created,
                                    distinct(n, 12), distinct(s, 6));
        }
        QList<std::pair<std::array<int, 5>, std::array<int, 2>>> bets;
        for (int b = pick(1, 24); b > 0; --b) {
            const QList<int> ns = distinct(5, 12), ss = distinct(2, 6);
            bets.append({{ns[0], ns[1], ns[2], ns[3], ns[4]}, {ss[0], ss[1]}});
        }
        PenaRecord p =
            makeSimplePena(QStringLiteral("S%1").arg(pick(0, 999)), filter, created, bets);
        if (pick(0, 4) == 0) p.lastCounted = oleFromDate(first.addDays(pick(0, days + 20)));
        // A damaged record repeating a number or a star is counted value by value.
        if (pick(0, 5) == 0) p.numbers[0][1] = p.numbers[0][0];
        if (pick(0, 5) == 0) p.stars[0][1] = p.stars[0][0];
        return p;
    }
    DrawRecord draw(QDate date) {
        const QList<int> ns = distinct(5, 12), ss = distinct(2, 6);
        return makeDraw(date, {ns[0], ns[1], ns[2], ns[3], ns[4]}, {ss[0], ss[1]});
    }
};

// Every row as one word, hit positions included.
std::vector<std::uint64_t> wordsOf(const ResultsList& list) {
    std::vector<std::uint64_t> out;
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        const ResultRow r = list.rows[i];
        std::uint64_t w;
        std::memcpy(&w, &r, sizeof w);
        out.push_back(w);
    }
    return out;
}

std::vector<std::uint64_t> wordsOf(const RowStore& rows) {
    std::vector<std::uint64_t> out;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::uint64_t w;
        std::memcpy(&w, &rows[i], sizeof w);
        out.push_back(w);
    }
    return out;
}

// The lists as the row store kept them, over the same peñas and window.
std::vector<std::uint64_t> rowStoreWords(const ResultsList& list, const PassOptions& options) {
    RowStoreList stored;
    stored.kind = list.kind;
    stored.penas = list.penas;
    stored.draws = list.draws;
    if (list.kind == ListKind::Simple)
        rowStoreSimplePass(stored, options);
    else
        rowStoreMultiplePass(stored, options);
    return wordsOf(stored.rows);
}

} // namespace

// Random folders under every view option: the rows worked out on demand are
// the rows the row store held, and the walk through the files gives the same
// rows, the same "apuestas.dat" and the same blink.
TEST(PassesAgainstRecordByRecord, SameRowsSameFileSameBlink) {
    // The random folders must exercise what they compare.
    int counted = 0, multipleRows = 0;
    for (unsigned seed = 1; seed <= 24; ++seed) {
        for (int option = 0; option < 4; ++option) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << " option " << option);
            const PassOptions options{bool(option & 1), bool(option & 2)};
            Generator gen{std::mt19937(seed)};
            const QDate first(2022, 1, 4);
            const int drawCount = gen.pick(1, 30);
            QList<DrawRecord> draws;
            for (const DrawRecord& d : drawSeries(first, drawCount))
                draws.append(gen.draw(dateFromOle(d.drawDate)));
            QList<PenaRecord> penas;
            for (int p = gen.pick(1, 8); p > 0; --p)
                penas.append(gen.pena(first, drawCount * 3));

            CheckFolder engine, walk;
            for (CheckFolder* f : {&engine, &walk}) {
                f->state.view.showHistory = options.showHistory;
                f->state.view.onlyWithPrize = options.onlyWithPrize;
                f->state.view.newDrawsLabel = QStringLiteral("1 sorteo");
                f->open(penas, draws);
            }
            Walk reference{walk.state};
            // A few passes with different windows, as the scroll bar would run them.
            for (int w : {gen.pick(1, drawCount), gen.pick(1, drawCount), drawCount, 1}) {
                SCOPED_TRACE(w);
                const ResultsLists lists = buildSimpleResults(engine.state, engine.blink, w);
                reference.simple(w);
                ASSERT_EQ(rowsOf(*lists.simple), reference.rows);
                ASSERT_EQ(wordsOf(*lists.simple), rowStoreWords(*lists.simple, options));
                if (!reference.multipleRows.empty() || !lists.multiple->rows.empty()) {
                    ASSERT_EQ(rowsOf(*lists.multiple), reference.multipleRows);
                    ASSERT_EQ(wordsOf(*lists.multiple), rowStoreWords(*lists.multiple, options));
                }
                ASSERT_EQ(engine.penaFile(), walk.penaFile());
                multipleRows += int(lists.multiple->rows.size());
                ASSERT_EQ(engine.state.currentPena.encode(), walk.state.currentPena.encode());
                reference.multipleRows.clear();
            }
            EXPECT_EQ(engine.blink.running(), reference.simplePrize || reference.multiplePrize);
            for (int p = 1; p < engine.state.nextPenaRecord; ++p)
                counted += engine.pena(p).totalHits();
        }
    }
    EXPECT_GT(counted, 400);
    EXPECT_GT(multipleRows, 400);
}
