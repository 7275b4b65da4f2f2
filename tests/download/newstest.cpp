#include "download/news.h"
#include "app/mainwindow.h"
#include "download/newswindow.h"
#include "download/transfer.h"
#include "download/transferpanel.h"
#include "store/appstate.h"
#include "support/fakes.h"
#include "support/resultsserver.h"
#include "support/tempfolder.h"
#include "support/uiinput.h"
#include "widgets/clickablelabel.h"

#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString kNewsPath = QStringLiteral("/einforme.dat");

// A news page of exactly `length` bytes.
QByteArray page(int length) {
    QByteArray p = "<html><body><h1>Novedades</h1><p>";
    const QByteArray end = "</p></body></html>";
    while (p.size() + end.size() < length)
        p += 'x';
    return (p + end).left(length);
}

struct NewsSession {
    TempFolder dir;
    FakePlatform fake;
    AppState state;
    ResultsServer server;
    std::unique_ptr<MainWindow> window;

    void start(QDate newest, QDate today, bool penas, const QByteArray& before,
               const QString& site = QString()) {
        if (newest.isValid()) dir.writeDraws({makeDraw(newest, {1, 2, 3, 4, 5}, {1, 2})});
        if (penas)
            dir.writePenas({makeSimplePena(QStringLiteral("Los del bar"), QStringLiteral("Todos"),
                                           QDate(2023, 1, 1), {{{1, 2, 3, 4, 5}, {1, 2}}})});
        if (!before.isNull()) dir.write(kNewsFile, before);
        qputenv("VANTIKO_MAKER_SITE", (site.isEmpty() ? server.origin() : site).toUtf8());
        fake.clock.set(today);
        window = std::make_unique<MainWindow>(state, fake.platform);
        window->startUp(dir.path());
        // The news comes in the background once start-up is over.
        EXPECT_TRUE(waitFor([this] { return !window->newsFetching(); }));
        qunsetenv("VANTIKO_MAKER_SITE");
    }
    bool newsShown() const { return window->newsWindow() && window->newsWindow()->isVisible(); }
    bool newsAsked() const { return server.requests().contains(kNewsPath); }
};

} // namespace

TEST(News, WhenTheWindowOpensAtStartUp) {
    const QDate friday(2023, 2, 24);
    const struct {
        const char* name;
        QDate newest;
        QDate today;
        bool penas;
        QByteArray before; // null: no informe.dat
        int served;        // bytes of einforme.dat on the site; -1: 404, -2: refused
        bool asked;
        bool shown;
        QByteArray after; // null: as served
    } cases[] = {
        {"no stored draws", QDate(), friday.addDays(10), true, QByteArray(), 400, false, false,
         QByteArray()},
        {"two days after the draw", friday, QDate(2023, 2, 26), true, QByteArray(), 400, false,
         false, QByteArray()},
        {"three days after the draw", friday, QDate(2023, 2, 27), true, QByteArray(), 400, true,
         true, QByteArray()},
        {"no peñas", friday, QDate(2023, 2, 27), false, QByteArray(), 400, false, false,
         QByteArray()},
        {"300 characters", friday, QDate(2023, 2, 27), true, page(20), 300, true, false,
         QByteArray()},
        {"301 characters", friday, QDate(2023, 2, 27), true, page(20), 301, true, true,
         QByteArray()},
        {"same length as before", friday, QDate(2023, 2, 27), true, page(400), 400, true, false,
         QByteArray()},
        {"error page is not news", friday, QDate(2023, 2, 27), true, page(20), -1, true, false,
         page(20)},
        {"site refuses", friday, QDate(2023, 2, 27), true, page(20), -2, false, false, page(20)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        NewsSession s;
        QByteArray served = c.served >= 0 ? page(c.served) : QByteArray();
        if (c.served == -1) s.server.serve(kNewsPath, page(500), "text/html", 404);
        if (c.served >= 0) {
            // The new page differs from the old one even when their lengths agree.
            if (!c.before.isNull() && served.size() == c.before.size()) served.replace("x", "y");
            s.server.serve(kNewsPath, served, "text/html");
        }
        const QString site =
            c.served == -2 ? QStringLiteral("http://127.0.0.1:%1").arg(refusedPort()) : QString();
        s.start(c.newest, c.today, c.penas, c.before, site);
        EXPECT_EQ(s.newsAsked(), c.asked);
        EXPECT_EQ(s.newsShown(), c.shown);
        const bool checked = c.newest.isValid() && c.today >= c.newest.addDays(3);
        // The check creates the file; a fetch that brings nothing leaves it.
        EXPECT_EQ(QFile::exists(s.dir.file(kNewsFile)), checked || !c.before.isNull());
        if (c.asked) {
            EXPECT_EQ(s.dir.read(kNewsFile), c.after.isNull() ? served : c.after);
        }
        if (c.shown) {
            NewsWindow* w = s.window->newsWindow();
            EXPECT_EQ(w->windowTitle(), QStringLiteral("Noticias del jefe..."));
            EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
            EXPECT_TRUE(w->browser()->isVisible());
            EXPECT_TRUE(w->browser()->toPlainText().startsWith(QStringLiteral("Novedades")));
            // The download does nothing while the news is open.
            s.window->transferPanel()->startDownload();
            EXPECT_FALSE(s.window->transferPanel()->timer()->isActive());
            EXPECT_TRUE(s.window->transferPanel()->transfer().controls().status.isEmpty());
        }
    }
}

TEST(News, VerMensajeShowsThePageOnlyPastTenBytes) {
    for (const int length : {0, 10, 11}) {
        SCOPED_TRACE(length);
        NewsSession s;
        s.start(QDate(), QDate(2023, 3, 1), false, page(length));
        EXPECT_FALSE(s.newsShown());
        QTest::mouseClick(s.window->transferPanel()->newsButton(), Qt::LeftButton);
        ASSERT_TRUE(s.newsShown());
        NewsWindow* w = s.window->newsWindow();
        EXPECT_EQ(w->browser()->isVisible(), length > 10);
        EXPECT_EQ(w->pos(), QGuiApplication::primaryScreen()->availableGeometry().topLeft());
        w->close();
    }
}

TEST(News, ContactLabelBouncesAndStartsAMail) {
    RecordingShell shell;
    TempFolder dir;
    // A picture on a server that would notice being asked.
    ResultsServer tracker;
    dir.write(kNewsFile, "<p><a href=\"/tienda\">Tienda</a> <a href=\"file:///etc/passwd\">x</a>"
                         "<img src=\"" +
                             tracker.origin().toUtf8() + "/p.gif\"></p>");
    NewsWindow w(shell, QStringLiteral("jefe@vantiko.example.org"));
    w.open(dir.file(kNewsFile));
    EXPECT_EQ(w.timer()->interval(), 100);
    QCoreApplication::processEvents();
    EXPECT_TRUE(tracker.requests().isEmpty());
    if (!qEnvironmentVariableIsEmpty("VANTIKO_GRAB")) {
        w.grab().save(qEnvironmentVariable("VANTIKO_GRAB") + QStringLiteral("/news.png"));
    }
    EXPECT_TRUE(w.timer()->isActive());

    // Right by 100 twips a tick, back once past 3700, forward again below 360.
    QList<int> turns;
    int lowest = w.bounce().left, highest = w.bounce().left;
    for (int i = 0; i < 140; ++i) {
        const int step = w.bounce().step;
        w.tick();
        lowest = std::min(lowest, w.bounce().left);
        highest = std::max(highest, w.bounce().left);
        if (w.bounce().step != step) turns.append(w.bounce().left);
        EXPECT_EQ(w.contactLabel()->x(), w.bounce().left / 15);
    }
    EXPECT_EQ(turns, (QList<int>{3760, 260, 3760, 260}));
    EXPECT_EQ(lowest, 260);
    EXPECT_EQ(highest, 3760);

    // Links are shown as their text: nothing on the page can be followed.
    EXPECT_EQ(w.browser()->toPlainText(), QStringLiteral("Tienda x"));
    EXPECT_FALSE(w.browser()->toHtml().contains(QStringLiteral("href")));
    EXPECT_TRUE(shell.opened.isEmpty());

    QTest::mouseClick(w.contactLabel(), Qt::LeftButton);
    EXPECT_EQ(shell.opened.last(), QStringLiteral("mailto:jefe@vantiko.example.org"));
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(w.timer()->isActive());
}
