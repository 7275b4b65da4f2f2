// A download's tick and the start-up at 999 peñas of 24 bets: everything the
// program does once the answer has come (cache it, parse it, append the new
// draws, count and store the totals, refresh the lists, the status, the
// summary, the peña list and the draw list), and the whole start-up over the
// same folder. The answer comes from a results service on 127.0.0.1; only
// the ticks are timed. Built against the code of any commit by
// bench/before.sh, so the figures of the code before a change are measured
// in the same run.
#include "app/mainwindow.h"
#include "download/transferpanel.h"
#include "platform/qtplatform.h"
#include "store/appstate.h"
#include "store/dates.h"
#include "support/answers.h"
#include "support/resultsserver.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <random>
#include <sys/resource.h>

namespace {

class SilentPrompter : public Prompter {
public:
    void message(const QString& text, const QString&, MessageIcon) override {
        if (qEnvironmentVariableIsSet("VANTIKO_BENCH_MESSAGES"))
            fprintf(stderr, "%s\n", qPrintable(text));
    }
    bool ask(const QString&, const QString&, MessageIcon) override { return false; }
};

class FixedDay : public Clock {
public:
    explicit FixedDay(QDate day) : day_(day) {}
    QDate today() const override { return day_; }
    QTime timeOfDay() const override { return QTime(22, 0); }

private:
    QDate day_;
};

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

// `draws` Tuesday and Friday draws up to Tuesday 24 November 2026 and 999
// peñas of 24 bets counted up to it; the service knows two more.
struct Folder {
    QTemporaryDir dir;
    QByteArray penas, draws;
    QList<AnswerDraw> answer; // newest first
    static inline const QDate kLastStored{2026, 11, 24};

    explicit Folder(int drawCount) {
        std::mt19937 rng(2004);
        QList<QDate> days;
        for (QDate d = kLastStored; days.size() < drawCount;
             d = d.addDays(d.dayOfWeek() == Qt::Tuesday ? -4 : -3))
            days.prepend(d);
        for (const QDate& day : days) {
            DrawRecord draw;
            const QList<int> n = distinct(rng, 5, 50), s = distinct(rng, 2, 12);
            for (int k = 0; k < 5; ++k)
                draw.numbers[k] = qint16(n[k]);
            for (int k = 0; k < 2; ++k)
                draw.stars[k] = qint16(s[k]);
            draw.drawDate = oleFromDate(day);
            draws.append(draw.encode());
        }
        for (int p = 1; p <= 999; ++p) {
            PenaRecord pena;
            pena.setName(QStringLiteral("Peña %1").arg(p));
            pena.setDayFilter(QStringLiteral("Todos"));
            pena.betMode = 24;
            pena.createdOn = oleFromDate(days[int(rng() % days.size())]);
            pena.lastCounted = oleFromDate(kLastStored);
            for (int b = 0; b < 24; ++b) {
                const QList<int> n = distinct(rng, 5, 50), s = distinct(rng, 2, 12);
                for (int k = 0; k < 5; ++k)
                    pena.numbers[b][k] = qint16(n[k]);
                for (int k = 0; k < 2; ++k)
                    pena.stars[b][k] = qint16(s[k]);
            }
            penas.append(pena.encode());
        }
        answer = drawsBetween(kLastStored.addDays(-96), kLastStored.addDays(7));
        restore();
    }
    QString path() const { return dir.path() + QLatin1Char('/'); }
    void write(const char* name, const QByteArray& bytes) const {
        QFile f(path() + QLatin1String(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }
    void restore() const {
        write("apuestas.dat", penas);
        write("numeros.dat", draws);
    }
};

struct Program {
    explicit Program(const Folder& folder)
        : clock(Folder::kLastStored.addDays(8)), platform{prompter, clock, qt.shell, qt.chooser,
                                                          qt.random} {
        qputenv("VANTIKO_OPERATOR_SITE", server.origin().toUtf8());
        qputenv("VANTIKO_MAKER_SITE", server.origin().toUtf8());
        server.answer(answerJson(folder.answer));
        server.serve(QStringLiteral("/einforme.dat"), "no news");
        window = std::make_unique<MainWindow>(state, platform);
    }
    QtPlatform qt;
    SilentPrompter prompter;
    FixedDay clock;
    Platform platform;
    ResultsServer server;
    AppState state;
    std::unique_ptr<MainWindow> window;
};

void BM_DownloadTick(benchmark::State& s) {
    const Folder folder(int(s.range(0)));
    Program program(folder);
    program.window->startUp(folder.path());
    program.window->show();
    QApplication::processEvents();
    TransferPanel* transfer = program.window->transferPanel();
    int ticks = 0;
    for (auto _ : s) {
        s.PauseTiming();
        program.state.files.closeAll();
        folder.restore();
        program.state.files.openAll(folder.path());
        program.window->refreshStatus();
        transfer->startDownload(); // the fetch, not timed
        s.ResumeTiming();
        while (transfer->timer()->isActive()) {
            transfer->tick();
            ++ticks;
        }
    }
    s.counters["ticks"] = double(ticks) / double(s.iterations());
    s.counters["draws_after"] = program.state.nextDrawRecord - 1;
}

void BM_StartUp(benchmark::State& s) {
    const Folder folder(int(s.range(0)));
    for (auto _ : s) {
        s.PauseTiming();
        auto program = std::make_unique<Program>(folder);
        s.ResumeTiming();
        program->window->startUp(folder.path());
        s.PauseTiming();
        program.reset();
        s.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_DownloadTick)->Arg(2000)->Arg(32764)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_StartUp)->Arg(2000)->Arg(32766)->Unit(benchmark::kMillisecond)->Iterations(5);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
