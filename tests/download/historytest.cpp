// "Bajar todos los sorteos" against a loopback service that holds every draw
// since the first one, each with its own prizes.
#include "app/drawstab.h"
#include "app/mainwindow.h"
#include "check/gamerules.h"
#include "download/downloadbutton.h"
#include "download/historyrun.h"
#include "download/transferpanel.h"
#include "platform/backgroundfetch.h"
#include "platform/qthttpclient.h"
#include "store/appstate.h"
#include "store/dates.h"
#include "store/prizestore.h"
#include "support/answers.h"
#include "support/fakes.h"
#include "support/resultsserver.h"
#include "support/tempfolder.h"
#include "support/uiinput.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTreeView>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

const QDate kToday(2026, 12, 10);

DrawRecord recordOf(const AnswerDraw& d) {
    return makeDraw(d.date, d.numbers, d.stars);
}

PrizeRecord prizeRecordOf(const AnswerDraw& d) {
    PrizeRecord r;
    r.drawDate = oleFromDate(d.date);
    const QList<qint64> cents = historyPrizeCents(d);
    for (qsizetype k = 0; k < cents.size(); ++k)
        r.cents[std::size_t(k)] = cents[k];
    return r;
}

QDate eightDigitDate(const QString& text) {
    return QDate::fromString(text, QStringLiteral("yyyyMMdd"));
}

// The service: each request answered with the draws of its window; a window
// named in `refused` gets a broken combination, one in `failing` a 503.
struct Service {
    ResultsServer server;
    QList<AnswerDraw> all = historyBetween(QDate(2004, 2, 13), kToday.addDays(-1));
    QList<QDate> refused, failing;

    Service() {
        server.answerWith([this](const QString& target) -> std::pair<int, QByteArray> {
            const QUrlQuery q(target.section(QLatin1Char('?'), 1));
            const QDate first =
                eightDigitDate(q.queryItemValue(QStringLiteral("fechaInicioInclusiva")));
            const QDate last =
                eightDigitDate(q.queryItemValue(QStringLiteral("fechaFinInclusiva")));
            if (failing.contains(first)) return {503, errorPage(400).toUtf8()};
            QList<AnswerDraw> window;
            for (const AnswerDraw& d : all)
                if (d.date >= first && d.date <= last) window.append(d);
            QString body = historyAnswer(window);
            if (refused.contains(first) && !window.isEmpty())
                body.replace(QRegularExpression(QStringLiteral("\"combinacion\":\"\\d+")),
                             QStringLiteral("\"combinacion\":\"51"));
            return {200, body.toUtf8()};
        });
    }
    QList<DrawRecord> draws() const {
        QList<DrawRecord> out;
        for (auto d = all.rbegin(); d != all.rend(); ++d)
            out.append(recordOf(*d));
        return out;
    }
    QList<PrizeRecord> prizes() const {
        QList<PrizeRecord> out;
        for (auto d = all.rbegin(); d != all.rend(); ++d)
            out.append(prizeRecordOf(*d));
        return out;
    }
};

struct Folder {
    TempFolder dir;
    FakePlatform fake;
    AppState state;
    QtHttpClient http;
    HttpBackgroundFetch fetch{http};
    std::unique_ptr<HistoryRun> run;
    int finished = 0;
    std::function<void()> onChange;

    explicit Folder(const QList<DrawRecord>& draws = {}) {
        fake.clock.set(kToday);
        dir.writeDraws(draws);
        state.files.openAll(dir.path());
        run = std::make_unique<HistoryRun>(state, fake.prompter, fake.clock, fetch,
                                           HistoryHooks{[this] {
                                                            if (onChange) onChange();
                                                        },
                                                        [this](int) { ++finished; }});
        run->setPause(1);
    }
    // Starts a run against `service` and waits for its end.
    void runAgainst(Service& service) {
        run->setSite(service.server.origin());
        const int before = finished;
        run->start();
        const QDeadlineTimer deadline(60000);
        while (run->running() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_FALSE(run->running());
        ranLast = finished > before;
    }
    bool ranLast = false; // the last run asked for something
    QByteArray drawFile() const { return dir.read(QStringLiteral("numeros.dat")); }
    QByteArray prizeFile() const { return dir.read(QStringLiteral("premios.dat")); }
};

QByteArray encoded(const QList<DrawRecord>& draws) {
    QByteArray out;
    for (const DrawRecord& d : draws)
        out += d.encode();
    return out;
}

QByteArray encoded(const QList<PrizeRecord>& prizes) {
    QByteArray out;
    for (const PrizeRecord& p : prizes)
        out += p.encode();
    return out;
}

} // namespace

// From an empty folder every draw and its prizes arrive, byte for byte, in
// date order; run again, it asks nothing and changes nothing.
TEST(History, AWholeRunFromNothingThenNothingMore) {
    Service service;
    Folder f;
    f.runAgainst(service);
    EXPECT_EQ(f.drawFile(), encoded(service.draws()));
    EXPECT_EQ(f.prizeFile(), encoded(service.prizes()));
    const int windows = int(kFirstDraw.daysTo(kToday)) / kHistoryWindowDays + 1;
    EXPECT_EQ(service.server.requests().size(), windows);
    EXPECT_EQ(f.fake.prompter.texts(), QStringList{historyDoneText(int(service.all.size()))});
    EXPECT_EQ(f.state.nextDrawRecord, service.all.size() + 1);
    // 12 categories before 10/05/2011, the 13th unknown.
    EXPECT_EQ(f.state.files.readAllPrizes().first().cents[12], PrizeRecord::kUnknown);

    EXPECT_TRUE(f.ranLast);
    f.runAgainst(service);
    EXPECT_FALSE(f.ranLast);
    EXPECT_EQ(service.server.requests().size(), windows);
    EXPECT_EQ(f.fake.prompter.texts().last(), kHistoryUpToDateText);
    EXPECT_EQ(f.drawFile(), encoded(service.draws()));
}

// Whatever stops a run (a cancel, a refused answer, a failed fetch), what it
// stored is whole and the next run asks only for what is still missing.
TEST(History, StoppedRunsGoOnFromWhereTheyStopped) {
    struct Case {
        const char* name;
        std::function<void(Service&, Folder&)> stop; // set before the first run
        QString message;                             // the first run's last message
    };
    const HistoryWindow third{kFirstDraw.addDays(200), kFirstDraw.addDays(299)};
    const Case cases[] = {
        {"cancelled after two windows",
         [](Service&, Folder& f) {
             f.onChange = [&f] {
                 if (f.run->progress().done == 2) f.run->cancel();
             };
         },
         QString()},
        {"the third window's answer refused",
         [&](Service& s, Folder&) { s.refused.append(third.first); }, historyRefusedText(third)},
        {"the third window's fetch failed",
         [&](Service& s, Folder&) { s.failing.append(third.first); }, historyFailedText(third)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Service service;
        Folder f;
        c.stop(service, f);
        f.runAgainst(service);
        EXPECT_EQ(f.fake.prompter.texts().value(0), c.message);
        // Two windows kept, in order, nothing of the third.
        const qsizetype kept = f.state.files.readAllDraws().size();
        EXPECT_EQ(f.drawFile(), encoded(service.draws().mid(0, kept)));
        EXPECT_EQ(f.prizeFile(), encoded(service.prizes().mid(0, kept)));
        EXPECT_LT(dateFromOle(f.state.files.readAllDraws().last().drawDate), third.first);

        f.onChange = nullptr;
        service.refused.clear();
        service.failing.clear();
        const qsizetype asked = service.server.requests().size();
        f.runAgainst(service);
        EXPECT_EQ(f.drawFile(), encoded(service.draws()));
        EXPECT_EQ(f.prizeFile(), encoded(service.prizes()));
        EXPECT_TRUE(service.server.requests()[asked].contains(
            QStringLiteral("fechaInicioInclusiva=") +
            third.first.toString(QStringLiteral("yyyyMMdd"))));
    }
}

// A file that already holds the newest draws and some old ones gets only the
// windows it lacks, merged into their places.
TEST(History, AHoleInTheMiddleIsFilledInPlace) {
    Service service;
    QList<DrawRecord> held = service.draws();
    const QDate holeFrom(2012, 3, 1), holeTo(2012, 9, 30);
    held.removeIf([&](const DrawRecord& d) {
        const QDate day = dateFromOle(d.drawDate);
        return day >= holeFrom && day <= holeTo;
    });
    Folder f(held);
    storePrizes(f.state.files, service.prizes());
    f.runAgainst(service);
    EXPECT_EQ(f.drawFile(), encoded(service.draws()));
    EXPECT_EQ(f.prizeFile(), encoded(service.prizes()));
    // Only windows that touch the hole were asked for.
    for (const QString& target : service.server.requests()) {
        const QUrlQuery q(target.section(QLatin1Char('?'), 1));
        const QDate first =
            eightDigitDate(q.queryItemValue(QStringLiteral("fechaInicioInclusiva")));
        const QDate last = eightDigitDate(q.queryItemValue(QStringLiteral("fechaFinInclusiva")));
        EXPECT_TRUE(last >= holeFrom && first <= holeTo) << target.toStdString();
    }
    EXPECT_GE(service.server.requests().size(), 2);
}

// The first download into an empty file offers the rest; the run goes on
// beside the window with its progress in the transfer controls, and the same
// menu entry (or "Cancelar") stops it, leaving a whole file.
TEST(History, OfferedAfterAFirstDownloadAndCancelledFromTheMenu) {
    Service service;
    TempFolder dir;
    FakePlatform fake;
    AppState state;
    dir.writeDraws({});
    qputenv("VANTIKO_OPERATOR_SITE", service.server.origin().toUtf8());
    fake.clock.set(kToday);
    MainWindow window(state, fake.platform);
    window.startUp(dir.path());
    fake.prompter.clear();
    fake.prompter.answers = {true};
    // Long enough that the checks below fall inside a pause.
    window.historyRun().setPause(1000);
    TransferPanel* panel = window.transferPanel();
    panel->startDownload();
    for (int i = 0; i < 40 && panel->timer()->isActive(); ++i)
        panel->tick();
    EXPECT_EQ(fake.prompter.texts().value(0), kHistoryQuestion);
    ASSERT_TRUE(window.historyRun().running());
    EXPECT_FALSE(panel->cancelButton()->isHidden());
    EXPECT_FALSE(panel->button()->isEnabled());
    QAction* entry = nullptr;
    for (QAction* a : window.generalMenu()->actions())
        if (a->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Cancelar"))) entry = a;
    ASSERT_NE(entry, nullptr);

    // Two windows' answers come in while the window keeps handling events.
    const QDeadlineTimer deadline(20000);
    while (window.historyRun().progress().done < 2 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(panel->progressBar()->value(), window.historyRun().progress().done);
    EXPECT_EQ(panel->progressBar()->maximum(), window.historyRun().progress().total);
    // The window asked for last; the last 100 days came with the first download.
    const int done = window.historyRun().progress().done;
    const QDate asked = kFirstDraw.addDays(kHistoryWindowDays * (done - 1));
    EXPECT_EQ(panel->statusLabel()->text(),
              historyAskingText({asked, asked.addDays(kHistoryWindowDays - 1)}));
    EXPECT_EQ(panel->progressBar()->text(), QStringLiteral("%1 de 83 tramos").arg(done));
    entry->trigger();
    EXPECT_FALSE(window.historyRun().running());
    EXPECT_TRUE(panel->cancelButton()->isHidden());
    EXPECT_TRUE(panel->button()->isEnabled());
    EXPECT_EQ(shownText(entry->text()), kHistoryMenuText);
    EXPECT_EQ(panel->progressBar()->maximum(), 5);

    // Whole and in date order: the oldest windows, then the last 100 days.
    const QList<DrawRecord> kept = state.files.readAllDraws();
    EXPECT_EQ(state.nextDrawRecord, kept.size() + 1);
    for (qsizetype i = 1; i < kept.size(); ++i)
        ASSERT_LT(kept[i - 1].drawDate, kept[i].drawDate) << i;
    EXPECT_EQ(dateFromOle(kept.first().drawDate), QDate(2004, 2, 13));
    EXPECT_EQ(kept.last().encode(), recordOf(service.all.first()).encode());
    // The views show what was kept.
    EXPECT_EQ(window.drawsTab()->drawList()->model()->rowCount(), kept.size());
}
