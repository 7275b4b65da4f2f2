// "Bajar todos los sorteos" from an empty folder against a service on
// 127.0.0.1 that holds every draw since 13/02/2004 with its prizes, with the
// program's own pause between two requests: the requests made, the bytes
// received, the time of the whole run and the part of it spent working.
#include "download/historyrun.h"
#include "platform/backgroundfetch.h"
#include "platform/clock.h"
#include "platform/qthttpclient.h"
#include "store/appstate.h"
#include "support/answers.h"
#include "support/resultsserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <ctime>

namespace {

class SilentPrompter : public Prompter {
public:
    void message(const QString&, const QString&, MessageIcon) override {}
    bool ask(const QString&, const QString&, MessageIcon) override { return false; }
};

class FixedDay : public Clock {
public:
    QDate today() const override { return QDate(2026, 12, 10); }
    QTime timeOfDay() const override { return QTime(22, 0); }
};

double cpuSeconds() {
    return double(std::clock()) / CLOCKS_PER_SEC;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QList<AnswerDraw> all = historyBetween(QDate(2004, 2, 13), QDate(2026, 12, 9));
    ResultsServer server;
    qint64 bytes = 0;
    server.answerWith([&](const QString& target) -> std::pair<int, QByteArray> {
        const QUrlQuery q(target.section(QLatin1Char('?'), 1));
        const auto day = [&](const char* key) {
            return QDate::fromString(q.queryItemValue(QString::fromLatin1(key)),
                                     QStringLiteral("yyyyMMdd"));
        };
        QList<AnswerDraw> window;
        for (const AnswerDraw& d : all)
            if (d.date >= day("fechaInicioInclusiva") && d.date <= day("fechaFinInclusiva"))
                window.append(d);
        const QByteArray body = historyAnswer(window).toUtf8();
        bytes += body.size();
        return {200, body};
    });
    QTemporaryDir dir;
    AppState state;
    state.files.openAll(dir.path() + QLatin1Char('/'));
    SilentPrompter prompter;
    FixedDay clock;
    QtHttpClient http;
    HttpBackgroundFetch fetch{http};
    bool done = false;
    HistoryRun run(state, prompter, clock, fetch, HistoryHooks{{}, [&](int) { done = true; }});
    run.setSite(server.origin());
    QElapsedTimer wall;
    wall.start();
    const double cpu = cpuSeconds();
    run.start();
    while (!done)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    printf("requests %lld, draws %lld, bytes %lld, whole run %.1f s, cpu %.2f s\n",
           static_cast<long long>(server.requests().size()),
           static_cast<long long>(state.files.readAllDraws().size()), static_cast<long long>(bytes),
           wall.elapsed() / 1000.0, cpuSeconds() - cpu);
    return 0;
}
