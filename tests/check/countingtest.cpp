// The peñas' totals across what users do to their files: a download whose
// totals could not be stored before the program ended, an older draw file
// imported and the newer one again, the newest draws deleted and fetched
// again. Whatever the road, every draw since a peña's creation counts once:
// the totals end as one count over the final file.
#include "checkfixture.h"
#include "store/dates.h"
#include "store/drawstore.h"
#include "support/fakes.h"
#include "support/faultyops.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {

QList<DrawRecord> fortyDraws() {
    std::mt19937 rng(7);
    const auto pick = [&](int hi) { return std::uniform_int_distribution<int>(1, hi)(rng); };
    QList<DrawRecord> out;
    for (const DrawRecord& d : drawSeries(QDate(2023, 1, 3), 40)) {
        std::array<int, 5> n{};
        for (int k = 0; k < 5; ++k)
            do
                n[std::size_t(k)] = pick(12);
            while (std::count(n.begin(), n.begin() + k, n[std::size_t(k)]));
        const int s = pick(5);
        out.append(makeDraw(dateFromOle(d.drawDate), n, {s, s + 1}));
    }
    return out;
}

QList<PenaRecord> somePenas() {
    return {makeSimplePena(QStringLiteral("Todos"), QStringLiteral("Todos"), QDate(2023, 1, 1),
                           {{{1, 2, 3, 4, 5}, {1, 2}}, {{3, 5, 7, 9, 11}, {2, 3}}}),
            makeSimplePena(QStringLiteral("Martes"), QStringLiteral("Martes"), QDate(2023, 2, 1),
                           {{{2, 4, 6, 8, 10}, {4, 5}}}),
            makeMultiplePena(QStringLiteral("Viernes"), QStringLiteral("Viernes"),
                             QDate(2023, 1, 20), {1, 2, 3, 4, 5, 6, 7}, {1, 2, 3})};
}

struct Folder {
    explicit Folder(std::shared_ptr<FaultyOps> ops = std::make_shared<FaultyOps>())
        : faults(ops), state(std::move(ops)) {}
    void open(const QList<DrawRecord>& draws) {
        dir.writePenas(somePenas());
        dir.writeDraws(draws);
        reopen();
    }
    void reopen() {
        state.files.openAll(dir.path());
        recount();
    }
    void recount() {
        state.nextPenaRecord = state.files.penas().count() + 1;
        state.nextDrawRecord = state.files.draws().count() + 1;
    }
    // Start-up, a download or an import: the lists over `w` draws.
    ResultsLists pass(int w = 1) { return buildSimpleResults(state, blink, w); }
    QList<PenaRecord> penas() { return state.files.readAllPenas(); }

    TempFolder dir, other;
    std::shared_ptr<FaultyOps> faults;
    AppState state;
    PrizeBlink blink{state};
    FakePlatform fake;
    DrawStore store{state, fake.platform, {{}, [this] { recount(), pass(8); }, {}}};
};

struct Road {
    const char* name;
    std::function<void(Folder&, const QList<DrawRecord>&)> run;
};

const Road kRoads[] = {
    {"a download's totals lost to a full disk, then a restart",
     [](Folder& f, const QList<DrawRecord>& all) {
         f.open(all.mid(0, 30));
         f.pass();
         f.state.files.appendDraws(f.state.nextDrawRecord, all.mid(30));
         f.recount();
         // The first write of the pass is the work copy of apuestas.dat: it
         // is cut short and the totals are not stored.
         const QByteArray before = f.dir.read(QStringLiteral("apuestas.dat"));
         f.faults->failAt = f.faults->steps + 1;
         EXPECT_FALSE(f.pass(10).stored.failure.isEmpty());
         EXPECT_EQ(f.dir.read(QStringLiteral("apuestas.dat")), before);
         f.faults->failAt = 0;
         // The next start covers the newest draw only.
         f.state.files.closeAll();
         f.reopen();
         f.pass(1);
     }},
    {"an older draw file imported, then the newer one again",
     [](Folder& f, const QList<DrawRecord>& all) {
         f.open(all);
         f.pass();
         for (const int draws : {20, 40}) {
             f.other.writeDraws(all.mid(0, draws));
             f.fake.chooser.answers = {f.other.file(QStringLiteral("numeros.dat"))};
             f.store.importDraws();
         }
     }},
    {"the newest draws deleted and fetched again",
     [](Folder& f, const QList<DrawRecord>& all) {
         f.open(all);
         f.pass(3);
         f.state.files.rewriteDraws(all.mid(0, 35));
         f.recount();
         f.pass(1);
         f.state.files.appendDraws(f.state.nextDrawRecord, all.mid(35));
         f.recount();
         f.pass(5);
     }},
};

} // namespace

TEST(Counting, EveryDrawCountsOnceWhateverTheRoad) {
    const QList<DrawRecord> all = fortyDraws();
    Folder clean;
    clean.open(all);
    clean.pass();
    const QList<PenaRecord> expected = clean.penas();
    int hits = 0;
    for (const PenaRecord& p : expected)
        hits += p.totalHits();
    ASSERT_GT(hits, 20); // the draws give every peña prizes to lose or double

    for (const Road& road : kRoads) {
        SCOPED_TRACE(road.name);
        Folder f;
        road.run(f, all);
        const QList<PenaRecord> now = f.penas();
        ASSERT_EQ(now.size(), expected.size());
        for (qsizetype p = 0; p < now.size(); ++p) {
            EXPECT_EQ(now[p].hits, expected[p].hits) << now[p].nameText().toStdString();
            EXPECT_EQ(now[p].lastCounted, all.last().drawDate);
        }
    }
}
