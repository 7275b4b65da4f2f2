// The network's limits at work: the results fetch against a body that never
// ends (its peak memory, with the program's own 8 MB limit), and the time
// from "Entrar" to the main window when the report and news servers never
// answer.
#include "app/mainwindow.h"
#include "platform/qthttpclient.h"
#include "store/appstate.h"
#include "support/fakes.h"
#include "support/resultsserver.h"
#include "support/tempfolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <benchmark/benchmark.h>

namespace {

qint64 statusKb(const char* key) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ')[0].toLongLong();
    return 0;
}

void BM_ResultsFetchEndlessBody(benchmark::State& state) {
    ResultsServer server;
    server.misbehave(QStringLiteral("/servicios/buscadorSorteos"),
                     ResultsServer::Misbehaviour::Endless);
    QtHttpClient http; // the program's own limits
    qint64 grownKb = 0;
    for (auto _ : state) {
        QFile reset(QStringLiteral("/proc/self/clear_refs"));
        if (reset.open(QIODevice::WriteOnly)) reset.write("5");
        reset.close();
        const qint64 before = statusKb("VmRSS:");
        try {
            http.get(server.origin() + QStringLiteral("/servicios/buscadorSorteos"));
        } catch (const HttpError&) {
        }
        grownKb = std::max(grownKb, statusKb("VmHWM:") - before);
    }
    state.counters["peak_growth_MB"] = double(grownKb) / 1024;
    state.counters["peak_MB"] = double(statusKb("VmHWM:")) / 1024;
    state.counters["sent_MB"] = double(server.bytesSent()) / (1 << 20) / double(state.iterations());
}
BENCHMARK(BM_ResultsFetchEndlessBody)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_MainWindowWithSlowServers(benchmark::State& state) {
    ResultsServer server;
    // A news page and a report that trickle forever.
    server.misbehave(QStringLiteral("/einforme.dat"), ResultsServer::Misbehaviour::Trickle,
                     QByteArray(4000, 'x'), 1000);
    server.misbehave(QStringLiteral("/report.pdf"), ResultsServer::Misbehaviour::Trickle,
                     QByteArray(4000, 'x'), 1000);
    qputenv("VANTIKO_OPERATOR_SITE", server.origin().toUtf8());
    qputenv("VANTIKO_MAKER_SITE", server.origin().toUtf8());
    for (auto _ : state) {
        state.PauseTiming();
        TempFolder dir;
        dir.writeDraws({makeDraw(QDate(2023, 2, 21), {1, 2, 3, 4, 5}, {1, 2})});
        dir.writePenas({makeSimplePena(QStringLiteral("Los del bar"), QStringLiteral("Todos"),
                                       QDate(2023, 1, 1), {{{1, 2, 3, 4, 5}, {1, 2}}})});
        FakePlatform fake;
        fake.clock.set(QDate(2023, 3, 1)); // the news is due
        AppState app;
        state.ResumeTiming();
        auto window = std::make_unique<MainWindow>(app, fake.platform);
        window->startUp(dir.path());
        window->show();
        QApplication::processEvents(); // the news fetch starts here, in the background
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_MainWindowWithSlowServers)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
