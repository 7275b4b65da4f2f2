// Every fetch against a server that misbehaves on 127.0.0.1: each ends in its
// failed fetch within its deadline, with the files as they were and memory
// bounded, and start-up never waits for the network.
#include "app/mainwindow.h"
#include "download/cache.h"
#include "download/downloadbutton.h"
#include "download/news.h"
#include "download/newswindow.h"
#include "download/report.h"
#include "download/reporttab.h"
#include "download/reporttexts.h"
#include "download/request.h"
#include "download/transferpanel.h"
#include "download/transfertexts.h"
#include "platform/qthttpclient.h"
#include "store/appstate.h"
#include "support/answers.h"
#include "support/fakes.h"
#include "support/resultsserver.h"
#include "support/samplepdf.h"
#include "support/tempfolder.h"
#include "support/uiinput.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using Bad = ResultsServer::Misbehaviour;

const QDate kToday(2023, 3, 1);
const QList<AnswerDraw> kWindow = drawsBetween(windowStart(kToday), kToday);
const QString kAnswer = answerJson(kWindow);
const QString kNewsPath = QStringLiteral("/einforme.dat");
const QByteArray kOldCache = "\"[]\"\r\n";
const QByteArray kOldNews = "<p>Noticias de la semana pasada</p>";

// Shortened deadlines, so a server that never ends is given up on in a test's time;
// the size limits are the program's own.
NetworkLimits testLimits() {
    NetworkLimits l;
    l.results.deadlineMs = 2000;
    l.report.deadlineMs = 2000;
    l.news.deadlineMs = 2000;
    return l;
}

QString pdfPath() {
    return QRegularExpression(QStringLiteral("\"urlContenido\":\"([^\"]+)\""))
        .match(kAnswer)
        .captured(1);
}

// The peak resident memory from now on, in bytes (Linux: the high-water
// mark is reset to the current size).
void resetPeak() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly)) f.write("5");
}
qint64 statusKb(const char* key) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ')[0].toLongLong();
    return 0;
}

// 3,000 tables, each inside the one before.
QByteArray nestedTables() {
    QByteArray page = "<html><body><h1>Aviso</h1>";
    for (int i = 0; i < 3000; ++i)
        page += "<table><tr><td>";
    page += "Texto al fondo";
    for (int i = 0; i < 3000; ++i)
        page += "</td></tr></table>";
    return page + "</body></html>";
}

struct Session {
    TempFolder dir;
    FakePlatform fake;
    AppState state;
    ResultsServer server;
    std::unique_ptr<MainWindow> window;
    qint64 startUpMs = 0;

    // Newest stored draw 21 February, one peña: the news is due on 1 March.
    void start(const QByteArray& cache = kOldCache) {
        dir.writeDraws({makeDraw(QDate(2023, 2, 21), {1, 2, 3, 4, 5}, {1, 2})});
        dir.writePenas({makeSimplePena(QStringLiteral("Los del bar"), QStringLiteral("Todos"),
                                       QDate(2023, 1, 1), {{{1, 2, 3, 4, 5}, {1, 2}}})});
        dir.write(QStringLiteral("www.txt"), cache);
        dir.write(kReportFile, samplePdf(1));
        dir.write(kNewsFile, kOldNews);
        qputenv("VANTIKO_OPERATOR_SITE", server.origin().toUtf8());
        qputenv("VANTIKO_MAKER_SITE", server.origin().toUtf8());
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        fake.clock.set(kToday);
        QElapsedTimer clock;
        clock.start();
        window = std::make_unique<MainWindow>(state, fake.platform);
        window->httpClient().setLimits(testLimits());
        window->startUp(dir.path());
        window->show();
        startUpMs = clock.elapsed();
    }
    QMap<QString, QByteArray> files() const {
        QMap<QString, QByteArray> out;
        for (const QString& name :
             {QStringLiteral("www.txt"), QStringLiteral("numeros.dat"), kReportFile, kNewsFile})
            out.insert(name, dir.read(name));
        return out;
    }
    TransferPanel& panel() { return *window->transferPanel(); }
    void download() {
        panel().startDownload();
        for (int i = 0; i < 40 && panel().timer()->isActive(); ++i)
            panel().tick();
    }
};

} // namespace

TEST(Network, EachMisbehaviourEndsInItsFailedFetchWithTheFilesAsTheyWere) {
    enum Fetch { Results, Report, News, StartUp };
    const QString away = QStringLiteral("http://localhost:%1/servicios/buscadorSorteos");
    const struct Case {
        const char* name;
        Fetch fetch;
        Bad how;
        QByteArray body;
        int status = 0; // with no misbehaviour: an error status
        bool clickDuring = false;
    } cases[] = {
        {"endless answer", Results, Bad::Endless, {}},
        {"trickling answer", Results, Bad::Trickle, kAnswer.toUtf8(), 0, true},
        {"answer cut short", Results, Bad::CutShort, kAnswer.toUtf8()},
        {"503 page", Results, Bad::Silent, errorPage(12000).toUtf8(), 503},
        {"404 page", Results, Bad::Silent, errorPage(12000).toUtf8(), 404},
        {"redirect elsewhere", Results, Bad::Redirect, {}},
        {"redirect to plain HTTP", Results, Bad::Redirect, {}},
        {"huge answer", Results, Bad::Huge, QByteArray::number(kResultsLimit.maxBytes + 1)},
        {"endless report", Report, Bad::Endless, {}},
        {"report cut short", Report, Bad::CutShort, samplePdf(2)},
        {"huge news", News, Bad::Huge, QByteArray::number(kNewsLimit.maxBytes + 1)},
        {"endless news", News, Bad::Endless, {}},
        {"slow report and news at start-up", StartUp, Bad::Trickle, QByteArray(400, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        const QString path = c.fetch == Results ? QStringLiteral("/servicios/buscadorSorteos")
                             : c.fetch == News  ? kNewsPath
                                                : pdfPath();
        if (c.status != 0)
            s.server.answer(QString::fromUtf8(c.body), c.status);
        else if (c.how == Bad::Redirect)
            // "localhost" is another host name for the same server, which
            // would give the whole answer there.
            s.server.misbehave(path, c.how, {}, 0,
                               QString(c.name).contains(QLatin1String("plain"))
                                   ? s.server.origin() + QStringLiteral("/otra")
                                   : away.arg(s.server.port()));
        else
            s.server.misbehave(path, c.how, c.body);
        if (c.fetch == Report || c.fetch == StartUp) s.server.misbehave(pdfPath(), c.how, c.body);
        if (c.fetch == StartUp) s.server.misbehave(kNewsPath, c.how, c.body);
        if (c.status == 0 && c.fetch != Results) s.server.answer(kAnswer);
        if (c.how == Bad::Redirect) s.server.answer(kAnswer);
        // No news for the fetches after start-up: its window would turn the download away.
        if (c.fetch == Results || c.fetch == Report)
            s.server.serve(kNewsPath, {}, "text/html", 404);

        resetPeak();
        const qint64 rssBefore = statusKb("VmRSS:");
        QElapsedTimer clock;
        clock.start();
        // At start-up the last answer has a report, and "zul.pdf" holds it.
        s.start(c.fetch == StartUp ? cacheLine(kAnswer) : kOldCache);
        // The window is there within a second, whatever the servers do.
        EXPECT_LT(s.startUpMs, 1000);
        // The news comes in the background; nothing waits for it.
        const auto filesAtStart = s.files();

        if (c.fetch == Results) {
            ASSERT_TRUE(waitFor([&] { return !s.window->newsFetching(); }));
            s.fake.prompter.clear();
            const auto old = s.files();
            if (c.clickDuring) {
                // Impatient clicks while the answer trickles in: dropped, not kept.
                QTimer::singleShot(300, [&] {
                    QTest::mouseClick(s.panel().button(), Qt::LeftButton, {}, QPoint(50, 40));
                    QTest::mouseClick(s.panel().button(), Qt::LeftButton, {}, QPoint(50, 40));
                });
            }
            clock.restart();
            s.download();
            EXPECT_LT(clock.elapsed(), testLimits().results.deadlineMs + 3000);
            EXPECT_EQ(s.fake.prompter.texts(), QStringList{kNotConnectedText});
            EXPECT_EQ(s.files(), old);
            EXPECT_FALSE(s.panel().timer()->isActive());
            EXPECT_EQ(s.panel().progressBar()->value(), 0);
            EXPECT_TRUE(s.panel().button()->isEnabled());
            // One fetch, however often the user clicked; none followed elsewhere.
            QTest::qWait(100);
            EXPECT_EQ(s.server.requests().size(), 2) << s.server.requests().join(' ').toStdString();
        } else if (c.fetch == Report) {
            ASSERT_TRUE(waitFor([&] { return !s.window->newsFetching(); }));
            s.fake.prompter.clear();
            const QByteArray zul = s.dir.read(kReportFile);
            clock.restart();
            s.download();
            ASSERT_TRUE(waitFor([&] { return !s.window->reportTab()->report().downloading(); }));
            EXPECT_LT(clock.elapsed(), testLimits().report.deadlineMs + 3000);
            EXPECT_EQ(s.dir.read(kReportFile), zul);
            EXPECT_EQ(s.window->reportTab()->noticeBox()->toPlainText(), kNoConnectionNotice);
            EXPECT_TRUE(s.fake.prompter.shown.isEmpty())
                << s.fake.prompter.texts().join('\n').toStdString();
        } else {
            ASSERT_TRUE(waitFor([&] { return !s.window->newsFetching(); }));
            EXPECT_LT(clock.elapsed(), testLimits().news.deadlineMs + 3000);
            EXPECT_EQ(s.files(), filesAtStart);
            EXPECT_EQ(s.dir.read(kNewsFile), kOldNews);
            EXPECT_FALSE(s.window->newsWindow() && s.window->newsWindow()->isVisible());
            // At start-up the report is the one in "zul.pdf": it is never fetched then.
            EXPECT_FALSE(s.server.requests().contains(pdfPath()));
            if (c.fetch == StartUp) {
                EXPECT_FALSE(s.window->reportTab()->noticeShown());
            }
        }
        // Whatever was sent, the program held no more than a few of its limits.
        const qint64 grownMb = (statusKb("VmHWM:") - rssBefore) / 1024;
        EXPECT_LT(grownMb, 150) << "sent " << s.server.bytesSent();
        qunsetenv("VANTIKO_MAKER_SITE");
    }
}

TEST(Network, ADeeplyNestedNewsPageIsShownFlatAndQuickly) {
    Session s;
    const QByteArray page = nestedTables();
    s.server.serve(kNewsPath, page, "text/html");
    QElapsedTimer clock;
    clock.start();
    s.start();
    ASSERT_TRUE(waitFor([&] { return !s.window->newsFetching(); }));
    EXPECT_EQ(s.dir.read(kNewsFile), page);
    NewsWindow* news = s.window->newsWindow();
    ASSERT_TRUE(news && news->isVisible());
    EXPECT_EQ(news->browser()->toPlainText(), QStringLiteral("Aviso\nTexto al fondo"));
    // "Ver mensaje" shows it again, as quickly.
    news->close();
    click(s.panel().newsButton());
    EXPECT_TRUE(news->isVisible());
    EXPECT_LT(clock.elapsed(), 5000);
    qunsetenv("VANTIKO_MAKER_SITE");
}
