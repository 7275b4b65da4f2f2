// The results lists at scale, each measured beside the code it replaced: a
// bet checked against a draw, and the lists rebuilt after a change of the
// draws bar, "Histórico" or "Ver sólo si hay premio", at 2,000 draws and at
// the file limits, with 999 simple peñas of 24 bets.
#include "check/checking.h"
#include "check/hits.h"
#include "check/numbersets.h"
#include "check/resultsmodel.h"
#include "check/resultspanel.h"
#include "check/resultstext.h"
#include "check/resultsview.h"
#include "platform/qtplatform.h"
#include "store/appstate.h"
#include "store/dates.h"
#include "support/rowstorelists.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>
#include <sys/resource.h>

namespace {

constexpr int kBets = 24;
constexpr int kPenas = 999;

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

// A program folder of `draws` Tuesday and Friday draws from 13 February 2004
// on and 999 simple peñas of 24 bets, playing every draw, created at random
// over those years and counted up to the newest draw.
struct Folder {
    QTemporaryDir dir;
    AppState state;
    PrizeBlink blink{state};

    explicit Folder(int draws) {
        std::mt19937 rng(2004);
        state.files.openAll(dir.path() + QLatin1Char('/'));
        QDate day(2004, 2, 13); // a Friday
        QList<DrawRecord> all;
        QList<double> dates;
        for (int d = 1; d <= draws; ++d) {
            const QList<int> n = distinct(rng, 5, 50);
            const QList<int> s = distinct(rng, 2, 12);
            DrawRecord draw;
            for (int k = 0; k < 5; ++k)
                draw.numbers[k] = qint16(n[k]);
            for (int k = 0; k < 2; ++k)
                draw.stars[k] = qint16(s[k]);
            draw.drawDate = oleFromDate(day);
            dates.append(draw.drawDate);
            all.append(draw);
            day = day.addDays(day.dayOfWeek() == 2 ? 3 : 4);
        }
        state.files.rewriteDraws(all);
        std::uniform_int_distribution<int> created(0, draws - 1);
        QList<PenaRecord> penas;
        for (int p = 1; p <= kPenas; ++p) {
            PenaRecord pena;
            pena.setName(QStringLiteral("Peña %1").arg(p));
            pena.setDayFilter(QStringLiteral("Todos"));
            pena.betMode = kBets;
            pena.createdOn = dates[created(rng)];
            pena.lastCounted = dates.last();
            for (int b = 0; b < kBets; ++b) {
                const QList<int> n = distinct(rng, 5, 50);
                const QList<int> s = distinct(rng, 2, 12);
                for (int k = 0; k < 5; ++k)
                    pena.numbers[b][k] = qint16(n[k]);
                for (int k = 0; k < 2; ++k)
                    pena.stars[b][k] = qint16(s[k]);
            }
            penas.append(pena);
        }
        state.files.rewritePenas(penas);
        state.nextDrawRecord = draws + 1;
        state.nextPenaRecord = kPenas + 1;
    }
};

// ---- One bet against one draw ----------------------------------------------

struct Checks {
    QList<PenaRecord> penas;
    QList<DrawRecord> draws;
    Checks() {
        Folder f(64);
        penas = f.state.files.readAllPenas();
        draws = f.state.files.readAllDraws();
    }
    qint64 count() const { return qint64(penas.size()) * kBets * draws.size(); }
};

// Before: the bet's values compared with the draw's, then the category table.
void BM_BetCheck_Before(benchmark::State& s) {
    const Checks c;
    for (auto _ : s) {
        int prizes = 0;
        for (const DrawRecord& d : c.draws)
            for (const PenaRecord& p : c.penas)
                for (int b = 0; b < kBets; ++b)
                    prizes += classifyHits(countHits(std::span(p.numbers[b]).first(5),
                                                     std::span(p.stars[b]).first(2), d));
        benchmark::DoNotOptimize(prizes);
    }
    s.counters["ns_per_check"] =
        benchmark::Counter(double(c.count()) * double(s.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Now: two popcounts and a table look-up on the bit sets, made once per pass.
void BM_BetCheck(benchmark::State& s) {
    const Checks c;
    std::vector<NumberSet> bets, draws;
    for (const PenaRecord& p : c.penas)
        for (int b = 0; b < kBets; ++b)
            bets.push_back(
                betSet(std::span(p.numbers[b]).first(5), std::span(p.stars[b]).first(2)));
    for (const DrawRecord& d : c.draws)
        draws.push_back(drawSet(d));
    for (auto _ : s) {
        int prizes = 0;
        for (const NumberSet& d : draws)
            for (const NumberSet& b : bets) {
                const HitPair h = setHits(b, d);
                prizes += kCategoryOf[std::size_t(h.numbers)][std::size_t(h.stars)];
            }
        benchmark::DoNotOptimize(prizes);
    }
    s.counters["ns_per_check"] =
        benchmark::Counter(double(c.count()) * double(s.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// ---- The lists after a change of the General tab's controls ----------------

enum Change { BarToTheEnd, History, OnlyPrizes };

void applyChange(AppState& state, Change change, int draws) {
    state.view.drawsToShow = draws;
    state.view.showHistory = change != BarToTheEnd;
    state.view.onlyWithPrize = change == OnlyPrizes;
}

// Before: every row stored, then a table view over all of them.
class StoredRowsModel : public QAbstractTableModel {
public:
    void setList(std::shared_ptr<RowStoreList> list) {
        beginResetModel();
        list_ = std::move(list);
        endResetModel();
    }
    int rowCount(const QModelIndex& = {}) const override {
        return list_ ? int(list_->rows.size()) : 0;
    }
    int columnCount(const QModelIndex& = {}) const override { return kSimpleColumns; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || index.column() != kSimpleColumns - 1) return {};
        const ResultRow& r = list_->rows[std::size_t(index.row())];
        switch (r.rowKind()) {
        case RowKind::PenaHeader:
            return penaHeaderText(list_->penas[qsizetype(r.pena)]);
        case RowKind::DrawDate:
            return drawDateText(list_->draws[qsizetype(r.draw)]);
        case RowKind::Bet:
            return r.category ? simplePrizeText(int(r.category)) : QString();
        default:
            return {};
        }
    }

private:
    std::shared_ptr<RowStoreList> list_;
};

void listsChangeBefore(benchmark::State& s, Change change) {
    const int draws = int(s.range(0));
    Folder f(draws);
    applyChange(f.state, change, draws);
    StoredRowsModel model;
    QTableView view;
    view.setModel(&model);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.resize(900, 500);
    view.show();
    QApplication::processEvents();
    std::size_t rows = 0;
    for (auto _ : s) {
        model.setList(nullptr);
        const ResultsLists lists = buildSimpleResults(f.state, f.blink, 1); // the count
        auto list = std::make_shared<RowStoreList>();
        list->penas = f.state.files.readAllPenas();
        for (int d = draws; d >= 1; --d)
            list->draws.append(*f.state.files.readDraw(d));
        rowStoreSimplePass(*list, {f.state.view.showHistory, f.state.view.onlyWithPrize});
        rows = list->rows.size();
        model.setList(list);
        view.scrollToBottom();
        QApplication::processEvents();
    }
    s.counters["rows"] = double(rows);
    s.counters["peak_MB"] = peakMegabytes();
}

// Now: the counts per draw, the rows worked out when the view shows them.
void listsChange(benchmark::State& s, Change change) {
    const int draws = int(s.range(0));
    Folder f(draws);
    applyChange(f.state, change, draws);
    QtPlatform platform;
    ResultsPanel panel(f.state, platform.platform);
    panel.resize(900, 500);
    panel.show();
    QApplication::processEvents();
    for (auto _ : s) {
        panel.buildSimpleResults(draws);
        panel.finishLayOut();
        panel.listView(0)->scrollToBottom();
        QApplication::processEvents();
    }
    ResultsView* view = panel.listView(0);
    const int last = view->page()->rowCount() - 1;
    s.counters["rows"] = double(panel.model(0)->rowCount());
    s.counters["last_row_shown"] =
        view->firstRow() + last + 1 == panel.model(0)->rowCount() &&
        view->table()->visualRect(view->page()->index(last, 8)).bottom() <=
            view->table()->viewport()->height();
    s.counters["peak_MB"] = peakMegabytes();
}

void BM_ListsBarToTheEnd_Before(benchmark::State& s) {
    listsChangeBefore(s, BarToTheEnd);
}
void BM_ListsHistory_Before(benchmark::State& s) {
    listsChangeBefore(s, History);
}
void BM_ListsOnlyPrizes_Before(benchmark::State& s) {
    listsChangeBefore(s, OnlyPrizes);
}
void BM_ListsBarToTheEnd(benchmark::State& s) {
    listsChange(s, BarToTheEnd);
}
void BM_ListsHistory(benchmark::State& s) {
    listsChange(s, History);
}
void BM_ListsOnlyPrizes(benchmark::State& s) {
    listsChange(s, OnlyPrizes);
}

} // namespace

BENCHMARK(BM_BetCheck_Before)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BetCheck)->Unit(benchmark::kMillisecond);
// The row store cannot hold the limits (866 million rows, 7 GB of rows alone):
// the code before is measured at 2,000 draws only.
BENCHMARK(BM_ListsBarToTheEnd_Before)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListsBarToTheEnd)
    ->Arg(2000)
    ->Arg(kMaxRecords)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_ListsHistory_Before)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListsHistory)
    ->Arg(2000)
    ->Arg(kMaxRecords)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_ListsOnlyPrizes_Before)->Arg(2000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListsOnlyPrizes)
    ->Arg(2000)
    ->Arg(kMaxRecords)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
