#include "app/aboutbox.h"
#include "app/contactlink.h"
#include "app/drawstab.h"
#include "app/mainwindow.h"
#include "app/penamanagertab.h"
#include "app/splash.h"
#include "check/resultspanel.h"
#include "create/betmodemenu.h"
#include "create/creationflow.h"
#include "download/newswindow.h"
#include "download/transferpanel.h"
#include "platform/sites.h"
#include "print/printflow.h"
#include "store/appstate.h"
#include "support/answers.h"
#include "support/fakes.h"
#include "support/resultsserver.h"
#include "support/tempfolder.h"
#include "support/uiinput.h"
#include "widgets/clickablelabel.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString kDeleteAllQuestion = QStringLiteral("¿Seguro que quieres borrar todos los sorteos?");

class FixedSystem : public SystemInfo {
public:
    OsIdentity os;
    OsIdentity identity() const override { return os; }
};

// One program folder with a stored draw, the main window and a results service.
struct Session {
    TempFolder dir;
    FakePlatform fake;
    AppState state;
    ResultsServer server;
    std::unique_ptr<MainWindow> window;

    Session() {
        qputenv("VANTIKO_OPERATOR_SITE", server.origin().toUtf8());
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        dir.writeDraws({makeDraw(QDate(2023, 3, 3), {4, 8, 15, 16, 23}, {4, 2})});
        fake.clock.set(QDate(2023, 3, 7));
        window = std::make_unique<MainWindow>(state, fake.platform);
        window->startUp(dir.path());
        window->show();
        window->activateWindow();
        // The welcome on the first activation is behind us.
        EXPECT_TRUE(QTest::qWaitFor([this] { return window->activationCount() >= 1; }, 3000));
        fake.prompter.clear();
    }
    // "Menu|Entry" or "Menu|Submenu|Entry" (captions hold slashes).
    QAction* entry(const QString& path) const {
        const QStringList parts = path.split(QLatin1Char('|'));
        QList<QAction*> actions = window->menuBar()->actions();
        QAction* found = nullptr;
        for (const QString& part : parts) {
            found = nullptr;
            for (QAction* a : actions)
                if (shownText(a->text()) == part) found = a;
            if (!found) return nullptr;
            if (found->menu()) actions = found->menu()->actions();
        }
        return found;
    }
    int asked(const QString& text) const { return int(fake.prompter.texts().count(text)); }
};

// The menu bar as the user reads it, submenu entries indented.
QStringList menuLines(const QMenuBar* bar) {
    QStringList lines;
    std::function<void(const QList<QAction*>&, const QString&)> walk =
        [&](const QList<QAction*>& actions, const QString& indent) {
            for (QAction* a : actions) {
                if (a->isSeparator()) continue;
                lines.append(indent + shownText(a->text()));
                if (a->menu()) walk(a->menu()->actions(), indent + QStringLiteral("  "));
            }
        };
    walk(bar->actions(), QString());
    return lines;
}

} // namespace

TEST(Splash, OpensTheMainWindowAfterThirtyEightTicksOrAtOnceOnEntrar) {
    SplashWindow alone;
    QSignalSpy entered(&alone, &SplashWindow::entered);
    EXPECT_EQ(alone.windowTitle(), QStringLiteral("Presentación"));
    EXPECT_EQ(shownText(alone.enterButton()->text()), QStringLiteral("Entrar"));
    EXPECT_EQ(alone.ticks(), 2);
    EXPECT_EQ(alone.timer()->interval(), 250);
    EXPECT_TRUE(alone.timer()->isActive());
    for (int i = 0; i < 37; ++i)
        alone.tick();
    EXPECT_EQ(alone.ticks(), 39);
    EXPECT_EQ(entered.count(), 0);
    EXPECT_TRUE(alone.timer()->isActive());
    alone.tick(); // 9.5 seconds
    EXPECT_EQ(alone.ticks(), 40);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_FALSE(alone.timer()->isActive());

    SplashWindow pressed;
    QSignalSpy opened(&pressed, &SplashWindow::entered);
    pressed.show();
    QTest::mouseClick(pressed.enterButton(), Qt::LeftButton);
    EXPECT_EQ(opened.count(), 1);
    EXPECT_FALSE(pressed.timer()->isActive());
    EXPECT_EQ(pressed.ticks(), 2);
    // A second press does not open a second main window.
    QTest::mouseClick(pressed.enterButton(), Qt::LeftButton);
    EXPECT_EQ(opened.count(), 1);

    // Closed unanswered, the program ends instead of waiting for nothing.
    SplashWindow closed;
    QSignalSpy dismissed(&closed, &SplashWindow::dismissed);
    QSignalSpy never(&closed, &SplashWindow::entered);
    closed.show();
    closed.close();
    EXPECT_EQ(dismissed.count(), 1);
    EXPECT_FALSE(closed.timer()->isActive());
    EXPECT_EQ(never.count(), 0);
    QSignalSpy afterEntrar(&pressed, &SplashWindow::dismissed);
    pressed.close(); // start-up closing it after Entrar ends nothing
    EXPECT_EQ(afterEntrar.count(), 0);
}

TEST(Menus, EveryEntryInItsPlaceRunsWhatItsButtonRuns) {
    Session s;
    MainWindow& w = *s.window;
    EXPECT_EQ(menuLines(w.menuBar()),
              QStringList({
                  QStringLiteral("General"),
                  QStringLiteral("  Bajar Sorteos nuevos"),
                  QStringLiteral("  Bajar todos los sorteos"),
                  QStringLiteral("  Crear peña nueva"),
                  QStringLiteral("  Borrar sorteos almacenados/Reset aciertos peñas"),
                  QStringLiteral("  Sencillas"),
                  QStringLiteral("    Todos los resultados"),
                  QStringLiteral("    Sólo si hay premio"),
                  QStringLiteral("    Histórico (resultados sorteos anteriores a la fecha de "
                                 "creación de las peñas)"),
                  QStringLiteral("    Sólo si hay premios + histórico"),
                  QStringLiteral("  Múltiples"),
                  QStringLiteral("    Todos los resultados"),
                  QStringLiteral("    Sólo si hay premio"),
                  QStringLiteral("    Histórico (resultados sorteos anteriores a la fecha de "
                                 "creacón de las peñas)"),
                  QStringLiteral("    Sólo si hay premios + histórico"),
                  QStringLiteral("  Salir"),
                  QStringLiteral("Ver"),
                  QStringLiteral("  Pestaña General"),
                  QStringLiteral("  Pestaña Último sorteo"),
                  QStringLiteral("  Pestaña Gestor de peñas"),
                  QStringLiteral("  Pestaña Estadísticas"),
                  QStringLiteral("Ayuda"),
                  QStringLiteral("  Leer mensaje del Jefe"),
                  QStringLiteral("  Web del programa"),
                  QStringLiteral("  Acerca de..."),
              }));

    ResultsPanel* results = w.resultsPanel();
    TransferPanel* transfer = w.transferPanel();
    s.server.answer(answerJson({}));
    const auto viewEntry = [&](int view, bool prize, bool history) {
        return [&, view, prize, history] {
            EXPECT_EQ(w.tabs()->currentIndex(), 0);
            EXPECT_EQ(results->currentView(), view);
            EXPECT_EQ(results->onlyWithPrizeBox()->isChecked(), prize);
            EXPECT_EQ(results->historyBox()->isChecked(), history);
        };
    };
    const auto tabEntry = [&](int tab) {
        return [&, tab] { EXPECT_EQ(w.tabs()->currentIndex(), tab); };
    };
    struct Entry {
        const char* path;
        std::function<void()> check;
    };
    const Entry entries[] = {
        {"General|Bajar Sorteos nuevos",
         [&] {
             EXPECT_EQ(s.server.requests().size(), 1);
             EXPECT_TRUE(transfer->timer()->isActive());
             EXPECT_EQ(w.tabs()->currentIndex(), 0);
             // As on a click, the report tab is refused while the transfer runs.
             w.selectTab(2);
             s.entry(QStringLiteral("Ver|Pestaña Último sorteo"))->trigger();
             EXPECT_EQ(w.tabs()->currentIndex(), 2);
             for (int i = 0; i < 40 && transfer->timer()->isActive(); ++i)
                 transfer->tick();
             EXPECT_FALSE(transfer->timer()->isActive());
         }},
        {"General|Crear peña nueva",
         [&] {
             ASSERT_NE(w.creationFlow()->menu(), nullptr);
             EXPECT_TRUE(w.creationFlow()->menu()->isVisible());
             w.creationFlow()->menu()->close();
         }},
        {"General|Borrar sorteos almacenados/Reset aciertos peñas",
         [&] { EXPECT_EQ(s.asked(kDeleteAllQuestion), 1); }},
        {"General|Sencillas|Sólo si hay premio", viewEntry(0, true, false)},
        {"General|Sencillas|Histórico (resultados sorteos anteriores a la fecha de creación de "
         "las peñas)",
         viewEntry(0, false, true)},
        {"General|Sencillas|Sólo si hay premios + histórico", viewEntry(0, true, true)},
        {"General|Sencillas|Todos los resultados", viewEntry(0, true, true)},
        {"General|Múltiples|Sólo si hay premio", viewEntry(1, true, false)},
        {"General|Múltiples|Histórico (resultados sorteos anteriores a la fecha de creacón de "
         "las peñas)",
         viewEntry(1, false, true)},
        {"General|Múltiples|Sólo si hay premios + histórico", viewEntry(1, true, true)},
        {"General|Múltiples|Todos los resultados", viewEntry(1, true, true)},
        {"Ver|Pestaña General", tabEntry(0)},
        {"Ver|Pestaña Último sorteo", tabEntry(1)},
        {"Ver|Pestaña Gestor de peñas", tabEntry(2)},
        {"Ver|Pestaña Estadísticas", tabEntry(3)},
        {"Ayuda|Leer mensaje del Jefe",
         [&] {
             ASSERT_NE(w.newsWindow(), nullptr);
             EXPECT_TRUE(w.newsWindow()->isVisible());
             w.newsWindow()->close();
         }},
        {"Ayuda|Web del programa",
         [&] { EXPECT_EQ(s.fake.shell.opened, QStringList({makerSite()})); }},
        {"Ayuda|Acerca de...",
         [&] {
             ASSERT_NE(w.aboutBox(), nullptr);
             EXPECT_TRUE(w.aboutBox()->isVisible());
         }},
        {"General|Salir",
         [&] {
             EXPECT_FALSE(w.isVisible());
             EXPECT_FALSE(s.state.files.penas().isOpen());
             EXPECT_FALSE(s.state.files.draws().isOpen());
         }},
    };
    for (const Entry& e : entries) {
        SCOPED_TRACE(e.path);
        QAction* action = s.entry(QString::fromUtf8(e.path));
        ASSERT_NE(action, nullptr);
        // Each entry starts away from the tab it may select.
        w.selectTab(2);
        s.fake.prompter.clear();
        action->trigger();
        e.check();
    }
}

TEST(Pictures, EachRunsItsOperationEvenWithItsButtonDisabledExceptBorrarTodos) {
    Session s;
    MainWindow& w = *s.window;
    PenaManagerTab* pm = w.penaManager();
    DrawsTab* draws = w.drawsTab();

    // No peña in the file: "Eliminar peña" and "Imprimir" are disabled.
    w.selectTab(2);
    ASSERT_FALSE(pm->deleteButton()->isEnabled());
    ASSERT_FALSE(pm->printButton()->isEnabled());
    QTest::mouseClick(pm->deletePicture(), Qt::LeftButton);
    EXPECT_EQ(s.asked(kNoPenaSelectedText), 1);
    QTest::mouseClick(pm->printPicture(), Qt::LeftButton);
    EXPECT_EQ(s.asked(kNoPenaSelectedText), 2);
    EXPECT_EQ(w.printFlow()->window(), nullptr);
    pm->createButton()->setEnabled(false);
    QTest::mouseClick(pm->createPicture(), Qt::LeftButton);
    ASSERT_NE(w.creationFlow()->menu(), nullptr);
    w.creationFlow()->menu()->close();

    w.selectTab(3);
    draws->importButton()->setEnabled(false);
    QTest::mouseClick(draws->importPicture(), Qt::LeftButton);
    EXPECT_EQ(s.fake.chooser.titles.size(), 1);

    // "Borrar todos los sorteos" follows its button: nothing while it is disabled.
    s.fake.prompter.clear();
    draws->deleteAllButton()->setEnabled(false);
    QTest::mouseClick(draws->deleteAllPicture(), Qt::LeftButton);
    EXPECT_EQ(s.asked(kDeleteAllQuestion), 0);
    EXPECT_TRUE(s.fake.prompter.shown.isEmpty());
    draws->deleteAllButton()->setEnabled(true);
    QTest::mouseClick(draws->deleteAllPicture(), Qt::LeftButton);
    EXPECT_EQ(s.asked(kDeleteAllQuestion), 1);
    EXPECT_EQ(s.state.nextDrawRecord, 2); // answered No: the draw stays
}

TEST(AboutBox, NamesTheSystemAndTheDataFolderOpensTheLinksAndClosesOnReturn) {
    Session s;
    MainWindow& w = *s.window;
    FixedSystem system;
    system.os.windows = true;
    system.os.platformId = 2;
    system.os.major = 6;
    system.os.minor = 3;
    w.setSystemInfo(&system);
    s.entry(QStringLiteral("Ayuda|Acerca de..."))->trigger();
    AboutBox* about = w.aboutBox();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("Acerca de Vantiko v.1.2.88"));
    EXPECT_EQ(about->osLabel()->text(), QStringLiteral("S.O: 2.6.3"));
    EXPECT_EQ(about->webLabel()->text(), makerSite());
    EXPECT_EQ(about->mailLabel()->text(), makerMail());
    EXPECT_TRUE(about->folderLabel()->text().contains(QDir::toNativeSeparators(s.dir.path())));
    QTest::mouseClick(about->webLabel(), Qt::LeftButton);
    QTest::mouseClick(about->mailLabel(), Qt::LeftButton);
    EXPECT_EQ(s.fake.shell.opened,
              QStringList({makerSite(), QStringLiteral("mailto:") + makerMail() +
                                            QStringLiteral("?subject=Vantiko%20v.1.2.88")}));

    // One box: asking again raises the same one.
    s.entry(QStringLiteral("Ayuda|Acerca de..."))->trigger();
    EXPECT_EQ(w.aboutBox(), about);

    // Back in the main window, the box closes.
    ASSERT_TRUE(QTest::qWaitForWindowActive(about));
    w.activateWindow();
    QTRY_COMPARE_WITH_TIMEOUT(w.aboutBox() == nullptr, true, 3000);
}

TEST(ContactLink, LabelAndPictureStartAMailToTheMaker) {
    Session s;
    ContactLink* contact = s.window->contactLink();
    ASSERT_NE(contact, nullptr);
    EXPECT_TRUE(contact->isVisible());
    EXPECT_EQ(contact->label()->text(), makerMail());
    const QString tip = QStringLiteral("Aprieta y envíame un email");
    EXPECT_EQ(contact->label()->toolTip(), tip);
    EXPECT_EQ(contact->picture()->toolTip(), tip);
    QTest::mouseClick(contact->label(), Qt::LeftButton);
    QTest::mouseClick(contact->picture(), Qt::LeftButton);
    const QString mail =
        QStringLiteral("mailto:") + makerMail() + QStringLiteral("?subject=Vantiko%20v.1.2.88");
    EXPECT_EQ(s.fake.shell.opened, QStringList({mail, mail}));
}
