// ParseResults over a long answer: the cache line, the date pass over every
// draw of the answer and the combination pass over the new ones.
#include "download/busca.h"
#include "download/cache.h"
#include "download/parse.h"
#include "store/dates.h"
#include "support/answers.h"

#include <benchmark/benchmark.h>

namespace {

// About 1 MB: the draws of five years, 8 of them newer than the stored one.
struct LongAnswer {
    QString text;
    QByteArray cache;
    double newestStored = 0;
    LongAnswer() {
        const QList<AnswerDraw> draws = drawsBetween(QDate(2015, 9, 1), QDate(2020, 8, 31));
        text = answerJson(draws);
        cache = cacheLine(text);
        newestStored = oleFromDate(draws[8].date);
    }
};

const LongAnswer& answer() {
    static const LongAnswer a;
    return a;
}

void BM_ParseResults_1MB(benchmark::State& state) {
    const LongAnswer& a = answer();
    int found = 0;
    for (auto _ : state) {
        CacheReader cache(a.cache);
        const QList<double> dates = newDrawDates(cache, a.text.size(), a.newestStored);
        QList<DrawRecord> draws;
        readCombinations(cache, dates, draws);
        found = int(draws.size());
        benchmark::DoNotOptimize(draws);
    }
    state.counters["answer_MB"] = double(a.text.size()) / 1e6;
    state.counters["new_draws"] = found;
}
BENCHMARK(BM_ParseResults_1MB)->Unit(benchmark::kMillisecond);

void BM_CacheLineAndParse_1MB(benchmark::State& state) {
    const LongAnswer& a = answer();
    for (auto _ : state) {
        CacheReader cache(cacheLine(a.text));
        const QList<double> dates = newDrawDates(cache, a.text.size(), a.newestStored);
        QList<DrawRecord> draws;
        readCombinations(cache, dates, draws);
        benchmark::DoNotOptimize(draws);
    }
}
BENCHMARK(BM_CacheLineAndParse_1MB)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
