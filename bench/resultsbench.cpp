// The results passes at scale: every stored draw against every bet of up to
// 999 simple peñas, and the cost of the item-by-item list it replaces.
#include "check/checking.h"
#include "check/resultsmodel.h"
#include "check/resultspanel.h"
#include "check/resultstext.h"
#include "platform/qtplatform.h"
#include "store/appstate.h"
#include "store/dates.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <random>
#include <sys/resource.h>

namespace {

constexpr int kDraws = 2000;
constexpr int kBets = 24;

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0; // kilobytes on Linux
}

QList<int> distinct(std::mt19937& rng, int count, int hi) {
    QList<int> out;
    std::uniform_int_distribution<int> pick(1, hi);
    while (out.size() < count) {
        const int v = pick(rng);
        if (!out.contains(v)) out.append(v);
    }
    std::sort(out.begin(), out.end());
    return out;
}

// A program folder of `penas` simple peñas of 24 bets each, playing every
// draw, created at random over the years of 2,000 Tuesday and Friday draws.
struct Folder {
    QTemporaryDir dir;
    AppState state;
    PrizeBlink blink{state};
    QByteArray freshPenas;

    explicit Folder(int penas) {
        std::mt19937 rng(2004);
        state.files.openAll(dir.path() + QLatin1Char('/'));
        QDate day(2004, 2, 13); // a Friday
        QList<double> dates;
        for (int d = 1; d <= kDraws; ++d) {
            const QList<int> n = distinct(rng, 5, 50);
            const QList<int> s = distinct(rng, 2, 12);
            DrawRecord draw;
            for (int k = 0; k < 5; ++k)
                draw.numbers[k] = qint16(n[k]);
            for (int k = 0; k < 2; ++k)
                draw.stars[k] = qint16(s[k]);
            draw.drawDate = oleFromDate(day);
            dates.append(draw.drawDate);
            state.files.writeDraw(d, draw);
            day = day.addDays(day.dayOfWeek() == 2 ? 3 : 4);
        }
        std::uniform_int_distribution<int> created(0, kDraws - 1);
        for (int p = 1; p <= penas; ++p) {
            PenaRecord pena;
            pena.setName(QStringLiteral("Peña %1").arg(p));
            pena.setDayFilter(QStringLiteral("Todos"));
            pena.betMode = kBets;
            pena.createdOn = dates[created(rng)];
            for (int b = 0; b < kBets; ++b) {
                const QList<int> n = distinct(rng, 5, 50);
                const QList<int> s = distinct(rng, 2, 12);
                for (int k = 0; k < 5; ++k)
                    pena.numbers[b][k] = qint16(n[k]);
                for (int k = 0; k < 2; ++k)
                    pena.stars[b][k] = qint16(s[k]);
            }
            state.files.writePena(p, pena);
            freshPenas.append(pena.encode());
        }
        state.nextDrawRecord = kDraws + 1;
        state.nextPenaRecord = penas + 1;
        state.view.showHistory = true;
        state.view.drawsToShow = kDraws;
    }

    // Back to peñas that have never been counted.
    void reset() {
        for (int p = 0; p < int(freshPenas.size() / kPenaRecordSize); ++p)
            state.files.writePena(p + 1, PenaRecord::decode(freshPenas.mid(
                                             qsizetype(p) * kPenaRecordSize, kPenaRecordSize)));
    }
};

void report(benchmark::State& s, const ResultsList& list) {
    s.counters["rows"] = double(list.rows.size());
    s.counters["bytes_per_row"] = double(list.rows.bytes()) / double(list.rows.size());
    s.counters["ns_per_row"] =
        benchmark::Counter(double(list.rows.size()) * double(s.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    s.counters["peak_MB"] = peakMegabytes();
}

// The pass itself: read, compare, classify, fill the row store, write back.
// The first pass over fresh peñas counts and writes; `counted` repeats it.
void simplePass(benchmark::State& s, int penas, bool fresh) {
    Folder f(penas);
    ResultsLists lists;
    for (auto _ : s) {
        if (fresh) {
            s.PauseTiming();
            lists = {};
            f.reset();
            s.ResumeTiming();
        }
        lists = {}; // the list starts empty, as each pass does
        lists = buildSimpleResults(f.state, f.blink, kDraws);
        benchmark::DoNotOptimize(lists.simple->rows.size());
    }
    report(s, *lists.simple);
}

void BM_BuildSimpleResults_100(benchmark::State& s) {
    simplePass(s, 100, false);
}
void BM_BuildSimpleResults_100_FirstPass(benchmark::State& s) {
    simplePass(s, 100, true);
}
void BM_BuildSimpleResults_999(benchmark::State& s) {
    simplePass(s, 999, false);
}

// What the General tab does: the pass plus handing the rows to the table view.
void BM_ResultsPanel_100(benchmark::State& s) {
    Folder f(100);
    QtPlatform platform;
    ResultsPanel panel(f.state, platform.platform);
    panel.resize(900, 500);
    panel.show();
    QApplication::processEvents();
    for (auto _ : s) {
        panel.buildSimpleResults(kDraws);
        QApplication::processEvents();
    }
    report(s, *panel.model(0)->list());
}

// For comparison: the same rows filled item by item into a QTreeWidget, with
// a string and a colour per cell, as a list without a model would need.
void BM_QTreeWidgetFill_20000(benchmark::State& s) {
    Folder f(100);
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 40);
    const ResultsList& list = *lists.simple;
    const int rows = 20000;
    for (auto _ : s) {
        QTreeWidget tree;
        tree.setColumnCount(kSimpleColumns);
        tree.setUniformRowHeights(true);
        for (int r = 0; r < rows; ++r) {
            auto* item = new QTreeWidgetItem(&tree);
            for (int c = 0; c < kSimpleColumns; ++c) {
                const QString text = cellText(list, std::size_t(r), c);
                if (!text.isEmpty()) item->setText(c, text);
                if (const auto colour = cellColour(list, std::size_t(r), c))
                    item->setForeground(c, QColor::fromRgb(QRgb(*colour)));
            }
        }
        benchmark::DoNotOptimize(tree.topLevelItemCount());
    }
    s.counters["rows"] = rows;
    s.counters["ns_per_row"] =
        benchmark::Counter(double(rows) * double(s.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    s.counters["peak_MB"] = peakMegabytes();
}

} // namespace

BENCHMARK(BM_BuildSimpleResults_100)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_BuildSimpleResults_100_FirstPass)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ResultsPanel_100)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_QTreeWidgetFill_20000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BuildSimpleResults_999)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
