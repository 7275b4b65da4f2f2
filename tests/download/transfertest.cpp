#include "download/transfer.h"
#include "app/drawstab.h"
#include "app/mainwindow.h"
#include "app/statuspanel.h"
#include "app/summaryframe.h"
#include "check/resultsmodel.h"
#include "check/resultspanel.h"
#include "download/cache.h"
#include "download/downloadbutton.h"
#include "download/historyrun.h"
#include "download/request.h"
#include "download/transferpanel.h"
#include "download/transfertexts.h"
#include "platform/httpclient.h"
#include "platform/qthttpclient.h"
#include "store/appstate.h"
#include "store/dates.h"
#include "support/answers.h"
#include "support/fakes.h"
#include "support/resultsserver.h"
#include "support/tempfolder.h"
#include "support/uiinput.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Wednesday 1 March 2023: the window runs from Monday 21 November 2022 and
// holds 29 draws, the newest on Tuesday 28 February.
const QDate kToday(2023, 3, 1);
const QList<AnswerDraw> kWindow = drawsBetween(windowStart(kToday), kToday);
const QString kOldCache = QStringLiteral("\"[]\"\r\n");

DrawRecord drawOf(const AnswerDraw& d) {
    return makeDraw(d.date, d.numbers, d.stars);
}
// Records compared as their disk images.
QByteArray recordOf(const AnswerDraw& d) {
    return drawOf(d).encode();
}
QList<QByteArray> images(const QList<DrawRecord>& draws) {
    QList<QByteArray> out;
    for (const DrawRecord& d : draws)
        out.append(d.encode());
    return out;
}

// The stored draws: those of the window up to `newest`, oldest first.
QList<DrawRecord> storedUpTo(QDate newest) {
    QList<DrawRecord> out;
    for (const AnswerDraw& d : kWindow)
        if (d.date <= newest) out.prepend(drawOf(d));
    return out;
}

QList<QByteArray> drawFile(const TempFolder& dir) {
    QList<QByteArray> out;
    const QByteArray bytes = dir.read(QStringLiteral("numeros.dat"));
    for (int at = 0; at + kDrawRecordSize <= bytes.size(); at += kDrawRecordSize)
        out.append(bytes.mid(at, kDrawRecordSize));
    return out;
}

// One program folder, window and results service.
struct Session {
    TempFolder dir;
    FakePlatform fake;
    AppState state;
    ResultsServer server;
    std::unique_ptr<MainWindow> window;

    void start(const QList<DrawRecord>& draws, const QList<PenaRecord>& penas = {},
               QDate today = kToday, const QString& site = QString()) {
        dir.writeDraws(draws);
        dir.writePenas(penas);
        dir.write(QStringLiteral("www.txt"), kOldCache.toLatin1());
        qputenv("VANTIKO_OPERATOR_SITE", (site.isEmpty() ? server.origin() : site).toUtf8());
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        fake.clock.set(today);
        window = std::make_unique<MainWindow>(state, fake.platform);
        // A server that never answers is given up on sooner than the user would.
        NetworkLimits limits;
        limits.results.deadlineMs = 1500;
        window->httpClient().setLimits(limits);
        window->startUp(dir.path());
        fake.prompter.clear();
    }
    TransferPanel& panel() { return *window->transferPanel(); }
    Transfer& transfer() { return panel().transfer(); }
    // The ticks the one-second timer would run, while it runs.
    int runTicks(int most = 40) {
        int n = 0;
        while (n < most && panel().timer()->isActive()) {
            panel().tick();
            ++n;
        }
        return n;
    }
    QAction* menuEntry() {
        for (QAction* a : window->generalMenu()->actions())
            if (shownText(a->text()) == QStringLiteral("Bajar Sorteos nuevos")) return a;
        return nullptr;
    }
    QByteArray cache() const { return dir.read(QStringLiteral("www.txt")); }
    void expectAtRest() {
        EXPECT_FALSE(panel().timer()->isActive());
        EXPECT_EQ(panel().progressBar()->value(), 0);
        EXPECT_EQ(panel().statusLabel()->text(), QString());
    }
};

struct Download : ::testing::Test, Session {};

// The window's answer with the combination of 24 February too large for 16 bits.
QString overflowing() {
    QStringList parts;
    for (const AnswerDraw& d : kWindow)
        parts.append(drawJson(d, d.date == QDate(2023, 2, 24)
                                     ? QStringLiteral("99999 - 15 - 16 - 21 - 40 - 06 - 09")
                                     : QString()));
    return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
}

// A client that answers at once but reports its error state: the answer is
// never taken and the slow-server time-out ends the transfer.
class ErrorStateClient : public HttpClient {
public:
    QString get(const QString&) override { return QString(500, QLatin1Char('x')); }
    int fetchLater(const QString&, FetchKind, FetchDone done) override {
        done(FetchResult{});
        return 1;
    }
    void cancelFetch(int) override {}
    void cancel() override { ++cancels; }
    int lastState() const override { return kError; }
    int cancels = 0;
};

} // namespace

TEST_F(Download, FromTheMenuEntryToTheRefreshedViews) {
    // A peña that wins 5 + 0 in the draw of 28 February.
    const AnswerDraw& winning = kWindow[0];
    PenaRecord pena =
        makeSimplePena(QStringLiteral("La Peña"), QStringLiteral("Todos"), QDate(2023, 1, 1),
                       {{winning.numbers, {winning.stars[0] == 12 ? 1 : 12, 11}}});
    const QList<DrawRecord> stored = storedUpTo(QDate(2023, 2, 21));
    pena.lastCounted = stored.last().drawDate; // the stored draws are counted already
    start(stored, {pena});
    const QString answer = answerJson(kWindow);
    server.answer(answer);
    EXPECT_EQ(panel().receivedLabel()->text(), QStringLiteral("0 Bytes"));
    window->show();
    window->selectTab(2);

    ASSERT_NE(menuEntry(), nullptr);
    menuEntry()->trigger();
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(server.requests()[0],
              QStringLiteral("/servicios/buscadorSorteos?game_id=EMIL&celebrados=true&"
                             "fechaInicioInclusiva=20221121&fechaFinInclusiva=20230301"));
    EXPECT_EQ(window->tabs()->currentIndex(), 0);
    EXPECT_EQ(panel().statusLabel()->text(), QStringLiteral("BUSCANDO SORTEOS"));
    EXPECT_EQ(panel().receivedLabel()->text(), QString::number(answer.size()));
    EXPECT_EQ(panel().progressBar()->value(), 1);
    EXPECT_TRUE(panel().timer()->isActive());
    EXPECT_EQ(panel().timer()->interval(), 1000);
    // The last-draw report tab is turned back while the timer runs.
    window->selectTab(1);
    EXPECT_EQ(window->tabs()->currentIndex(), 0);

    EXPECT_EQ(runTicks(), 1);
    EXPECT_EQ(panel().statusLabel()->text(), QStringLiteral("TRANSFERENCIA FINALIZADA"));
    EXPECT_EQ(panel().progressBar()->value(), 5);
    EXPECT_EQ(panel().button()->image(), 2);
    EXPECT_TRUE(fake.prompter.shown.isEmpty()) << fake.prompter.texts().join('\n').toStdString();

    // The cache holds the answer, the file the two new draws oldest first.
    EXPECT_EQ(cache(), cacheLine(answer));
    const QList<QByteArray> file = drawFile(dir);
    ASSERT_EQ(file.size(), stored.size() + 2);
    EXPECT_EQ(file.mid(0, stored.size()), images(stored));
    EXPECT_EQ(file[stored.size()], recordOf(kWindow[1])); // 24 February
    EXPECT_EQ(file.last(), recordOf(kWindow[0]));         // 28 February
    EXPECT_EQ(state.nextDrawRecord, stored.size() + 3);
    EXPECT_EQ(state.view.newDrawsLabel, QStringLiteral("2 sorteos"));
    EXPECT_EQ(panel().newDrawsLabel()->text(), QStringLiteral("2 sorteos"));
    EXPECT_EQ(transfer().newDrawCount(), 2);

    // Lists, bar, status, summary, draw list and the prize blink.
    ResultsPanel* results = window->resultsPanel();
    EXPECT_EQ(state.view.drawsToShow, 2);
    EXPECT_EQ(results->drawsBox()->text(), QStringLiteral("2"));
    ASSERT_NE(results->model(0)->list(), nullptr);
    EXPECT_EQ(results->model(0)->list()->draws.size(), 2);
    EXPECT_EQ(window->statusPanel()->label(3)->text(), longDate(QDate(2023, 2, 28)));
    EXPECT_EQ(window->drawsTab()->model()->rowCount(), stored.size() + 2);
    EXPECT_EQ(window->summaryFrame()->totalValue()->text(), QStringLiteral("1"));
    EXPECT_EQ(state.files.readPena(1)->hits[2], 1); // 5 + 0
    EXPECT_EQ(state.view.prizeBlinkTarget, 1);
    EXPECT_TRUE(results->blinkTimer()->isActive());

    // The same answer again, from the button: nothing new, nothing added twice.
    QTest::mouseClick(panel().button(), Qt::LeftButton, {}, QPoint(50, 40));
    EXPECT_FALSE(results->blinkTimer()->isActive());
    EXPECT_EQ(state.view.prizeBlinkTarget, 0);
    EXPECT_EQ(panel().newDrawsLabel()->text(), QString());
    EXPECT_EQ(runTicks(), 1);
    EXPECT_EQ(fake.prompter.texts(), QStringList{QStringLiteral("Todavía no hay sorteos nuevos.")});
    EXPECT_EQ(fake.prompter.shown[0].title, QStringLiteral("Pruebe más tarde"));
    EXPECT_EQ(drawFile(dir).size(), stored.size() + 2);
    EXPECT_EQ(transfer().newDrawCount(), 1);
    EXPECT_EQ(state.files.readPena(1)->hits[2], 1); // counted once
    EXPECT_EQ(panel().statusLabel()->text(), QStringLiteral("TRANSFERENCIA FINALIZADA"));
}

TEST_F(Download, EmptyDrawFileReceivesEveryDrawOfTheWindow) {
    start({});
    server.answer(answerJson(kWindow));
    panel().startDownload();
    runTicks();
    const QList<QByteArray> file = drawFile(dir);
    ASSERT_EQ(file.size(), 29);
    for (int i = 0; i < 29; ++i)
        EXPECT_EQ(file[i], recordOf(kWindow[28 - i])) << i;
    EXPECT_EQ(state.view.newDrawsLabel, QStringLiteral("29 sorteos"));
    // The lists cover the 29 new draws while the bar shows 8.
    EXPECT_EQ(state.view.drawsToShow, 8);
    EXPECT_EQ(window->resultsPanel()->model(0)->list()->draws.size(), 29);
    // Each draw's prizes kept beside it, by category.
    const QList<PrizeRecord> prizes = state.files.readAllPrizes();
    ASSERT_EQ(prizes.size(), 29);
    EXPECT_EQ(prizes.first().drawDate, drawOf(kWindow.last()).drawDate);
    EXPECT_EQ(prizes.last().cents[0], 13000000000);
    EXPECT_EQ(prizes.last().cents[12], 5917160); // 130 000 000 / 13³ euros
    // Only the offer of every earlier draw, answered "No": nothing more is asked for.
    EXPECT_EQ(fake.prompter.texts(), QStringList{kHistoryQuestion});
    EXPECT_EQ(server.requests().filter(QStringLiteral("buscadorSorteos")).size(), 1);
}

TEST_F(Download, AStoreOlderThanTheWindowIsToldWhatIsMissing) {
    const QList<DrawRecord> old = {makeDraw(QDate(2022, 6, 3), {1, 2, 3, 4, 5}, {1, 2})};
    start(old);
    server.answer(answerJson(kWindow));
    panel().startDownload();
    runTicks();
    EXPECT_EQ(drawFile(dir).size(), 30);
    ASSERT_EQ(fake.prompter.shown.size(), 1);
    EXPECT_TRUE(fake.prompter.shown[0].text.startsWith(
        QStringLiteral("Faltan los sorteos del 07/06/2022 al 18/11/2022")))
        << fake.prompter.shown[0].text.toStdString();
    EXPECT_TRUE(fake.prompter.shown[0].text.contains(QStringLiteral("Añadir todos los sorteos")));
    EXPECT_EQ(panel().statusLabel()->text(), QStringLiteral("TRANSFERENCIA FINALIZADA"));
}

TEST_F(Download, EachFailureHasItsMessageAndLeavesTheFiles) {
    const QList<DrawRecord> stored = storedUpTo(QDate(2023, 2, 21));
    enum Kind { Answer, Refused, Silent };
    const struct {
        const char* name;
        Kind kind;
        QString body;
        int status;
        QString message;
        bool cached; // www.txt holds the answer afterwards
        int progress;
    } cases[] = {
        {"80 characters", Answer, QString(80, QLatin1Char('x')), 200,
         QStringLiteral("No conectado: Compruebe la conexión a internet. Si es correcta, pruebe "
                        "más tarde ya que no es posible conectar con el servidor de ONLAE."),
         false, 0},
        {"5,000 characters", Answer, QString(5000, QLatin1Char('x')), 200,
         QStringLiteral("Todavía no hay sorteos nuevos."), true, 5},
        {"error page", Answer, errorPage(12000), 200,
         QStringLiteral("¡¡Datos corruptos o inválidos!! Si se repite en otros momentos este "
                        "mismo error, posiblemente se ha de actualizar el programa. Pruebe más "
                        "tarde."),
         true, 5},
        {"refused", Refused, QString(), 0,
         QStringLiteral("No conectado: Compruebe la conexión a internet..."), false, 0},
        {"never answers", Silent, QString(), 0,
         QStringLiteral("No conectado: Compruebe la conexión a internet..."), false, 0},
        // A parse error after a draw was read: nothing is appended.
        {"number past 16 bits", Answer, overflowing(), 200,
         QStringLiteral("Aun no hay datos de sorteos del 2023."), true, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session f;
        const QString site = c.kind == Refused
                                 ? QStringLiteral("http://127.0.0.1:%1").arg(refusedPort())
                                 : QString();
        f.start(stored, {}, kToday, site);
        if (c.kind == Silent)
            f.server.silent();
        else
            f.server.answer(c.body, c.status);
        f.panel().startDownload();
        const int ticks = f.runTicks();
        EXPECT_EQ(f.fake.prompter.texts(), QStringList{c.message});
        EXPECT_EQ(drawFile(f.dir), images(stored));
        EXPECT_EQ(f.cache(), c.cached ? cacheLine(c.body) : kOldCache.toLatin1());
        EXPECT_EQ(f.panel().progressBar()->value(), c.progress);
        EXPECT_FALSE(f.panel().timer()->isActive());
        // Only a transfer that refreshed the views shows image 2.
        const bool refreshed = c.progress == 5 && !c.message.startsWith(QStringLiteral("¡¡Datos"));
        EXPECT_EQ(f.panel().button()->image(), refreshed ? 2 : 1);
        if (c.progress == 0) {
            f.expectAtRest();
            EXPECT_EQ(ticks, c.kind == Answer ? 5 : 0);
        } else {
            EXPECT_EQ(f.panel().statusLabel()->text(), QStringLiteral("TRANSFERENCIA FINALIZADA"));
            EXPECT_EQ(ticks, 1);
        }
        if (c.kind == Answer && c.body.startsWith(QStringLiteral("<!DOCTYPE"))) {
            EXPECT_EQ(f.fake.prompter.shown[0].icon, MessageIcon::Critical);
        }
        EXPECT_EQ(f.state.view.newDrawsLabel, QString());
    }
}

TEST(Transfer, SlowServerAfterThirtyTicks) {
    TempFolder dir;
    dir.write(QStringLiteral("www.txt"), kOldCache.toLatin1());
    FakePlatform fake;
    AppState state;
    state.files.openAll(dir.path());
    ErrorStateClient client;
    Transfer t(state, fake.prompter, fake.clock, client, {});
    t.startDownload();
    EXPECT_EQ(t.controls().status, QStringLiteral("BUSCANDO SORTEOS"));
    for (int i = 1; i < 30; ++i)
        t.tick();
    EXPECT_TRUE(t.timerEnabled());
    EXPECT_TRUE(fake.prompter.shown.isEmpty());
    t.tick();
    EXPECT_EQ(fake.prompter.texts(),
              QStringList{QStringLiteral(
                  "Problemas con el servidor. Tarda en responder. Pruebe más tarde...")});
    EXPECT_EQ(fake.prompter.shown[0].title, QStringLiteral("Error de conexión"));
    EXPECT_FALSE(t.timerEnabled());
    EXPECT_EQ(t.controls().progress, 0);
    EXPECT_EQ(t.controls().status, QString());
    EXPECT_GE(client.cancels, 2); // before the fetch and at the time-out
    EXPECT_EQ(dir.read(QStringLiteral("www.txt")), kOldCache.toLatin1());
}

TEST_F(Download, ComputerDateBeforeTheNewestDraw) {
    start({makeDraw(kToday.addDays(1), {1, 2, 3, 4, 5}, {1, 2})});
    server.answer(answerJson(kWindow));
    menuEntry()->trigger();
    EXPECT_EQ(fake.prompter.texts(),
              QStringList{QStringLiteral(
                  "La fecha de tu ordenador parece incorrecta. Existen sorteos en la base de "
                  "datos con fechas porsteriores a la actual. Comprueba la fecha de tu "
                  "ordenador.")});
    EXPECT_TRUE(server.requests().isEmpty());
    EXPECT_FALSE(panel().timer()->isActive());
}

TEST_F(Download, AnAnswerThatCannotBeCachedChangesNothing) {
    const QList<DrawRecord> stored = storedUpTo(QDate(2023, 2, 21));
    start(stored);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("www.tmp")));
    server.answer(answerJson(kWindow));
    panel().startDownload();
    runTicks();
    ASSERT_EQ(fake.prompter.shown.size(), 1);
    EXPECT_EQ(fake.prompter.shown[0].title, QStringLiteral("Error de escritura"));
    EXPECT_EQ(cache(), kOldCache.toLatin1());
    EXPECT_EQ(drawFile(dir), images(stored));
    expectAtRest();
}

TEST_F(Download, ButtonImages) {
    start({});
    window->show();
    DownloadButton* b = panel().button();
    EXPECT_EQ(b->image(), 1);
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(50, 40));
    EXPECT_EQ(b->image(), 2);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(50, 40));
    EXPECT_EQ(b->image(), 1);
    QTest::mouseMove(b, QPoint(5, 5)); // near the edge
    QTRY_COMPARE(b->image(), 2);
    QTest::mouseMove(b, QPoint(60, 40)); // the middle
    QTRY_COMPARE(b->image(), 1);
}

TEST_F(Download, MoreThan100CharactersIsAnAnswer) {
    start({});
    for (const int length : {100, 101}) {
        SCOPED_TRACE(length);
        server.answer(QString(length, QLatin1Char('x')));
        panel().startDownload();
        EXPECT_EQ(panel().receivedLabel()->text(), QString::number(length));
        EXPECT_EQ(panel().statusLabel()->text(), length > 100
                                                     ? QStringLiteral("BUSCANDO SORTEOS")
                                                     : QStringLiteral("CONECTANDO AL SERVIDOR"));
        EXPECT_TRUE(panel().timer()->isActive());
        runTicks();
    }
    // 100 characters time out after five ticks with M1; 101 are cached and parsed.
    EXPECT_EQ(fake.prompter.texts().size(), 2);
    EXPECT_TRUE(fake.prompter.texts()[0].startsWith(QStringLiteral("No conectado: Compruebe")));
    EXPECT_EQ(fake.prompter.texts()[1], QStringLiteral("Todavía no hay sorteos nuevos."));
    EXPECT_EQ(cache(), cacheLine(QString(101, QLatin1Char('x'))));
}

TEST_F(Download, DrawsThatCannotBeWrittenAreSaidSo) {
    const QList<DrawRecord> stored = storedUpTo(QDate(2023, 2, 21));
    start(stored);
    server.answer(answerJson(kWindow));
    // The draw file's handle is gone: every write is refused.
    state.files.draws().close();
    panel().startDownload();
    runTicks();
    ASSERT_EQ(fake.prompter.shown.size(), 1) << fake.prompter.texts().join('\n').toStdString();
    EXPECT_EQ(fake.prompter.shown[0].title, QStringLiteral("Error de escritura"));
    EXPECT_TRUE(fake.prompter.shown[0].text.startsWith(
        QStringLiteral("No se puede modificar el archivo numeros.dat")));
    EXPECT_EQ(state.view.newDrawsLabel, QString());
    EXPECT_EQ(drawFile(dir), images(stored));
}

TEST(DownloadNotices, WhatTheAnswerLeftMissingAndAValueOutOfRangeAreSaid) {
    QStringList newestBad;
    for (const AnswerDraw& d : kWindow)
        newestBad.append(drawJson(d, d.date == kWindow[0].date
                                         ? QStringLiteral("3 - 15 - 16 - 21 - 51 - 06 - 09")
                                         : QString()));
    const QString outOfRange =
        QLatin1Char('[') + newestBad.join(QLatin1Char(',')) + QLatin1Char(']');
    const struct {
        const char* name;
        QDate stored;
        QString answer;
        QStringList messages;
        int added;
    } cases[] = {
        {"one draw before the window",
         QDate(2022, 11, 15),
         answerJson(kWindow),
         {QStringLiteral("Falta el sorteo del 18/11/2022: el servidor sólo da los sorteos de los "
                         "últimos 100 días. Puede añadirlo importando un archivo de sorteos "
                         "completo con \"Añadir todos los sorteos\" en la pestaña "
                         "\"Estadísticas\".")},
         29},
        {"the answer fills the gap", QDate(2022, 11, 18), answerJson(kWindow), {}, 29},
        {"the answer lacks its oldest draws",
         QDate(2022, 11, 18),
         answerJson(kWindow.mid(0, 27)),
         {QStringLiteral("Faltan los sorteos del 22/11/2022 al 25/11/2022: el servidor sólo da "
                         "los sorteos de los últimos 100 días. Puede añadirlos importando un "
                         "archivo de sorteos completo con \"Añadir todos los sorteos\" en la "
                         "pestaña \"Estadísticas\".")},
         27},
        {"a star out of range in the newest draw",
         QDate(2023, 2, 21),
         outOfRange,
         {kCorruptText},
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Session s;
        const QList<DrawRecord> stored = {makeDraw(c.stored, {1, 2, 3, 4, 5}, {1, 2})};
        s.start(stored);
        s.server.answer(c.answer);
        s.panel().startDownload();
        s.runTicks();
        EXPECT_EQ(s.fake.prompter.texts(), c.messages);
        const QList<QByteArray> file = drawFile(s.dir);
        ASSERT_EQ(file.size(), 1 + c.added);
        EXPECT_EQ(file[0], stored[0].encode());
        if (c.added > 0) {
            EXPECT_EQ(file.last(), recordOf(kWindow[0]));
        }
    }
}
