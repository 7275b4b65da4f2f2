#include "app/contactlink.h"
#include "app/drawstab.h"
#include "app/mainwindow.h"
#include "app/penamanagertab.h"
#include "check/resultspanel.h"
#include "check/resultsview.h"
#include "download/downloadbutton.h"
#include "download/transferpanel.h"
#include "stats/frequencychart.h"
#include "store/appstate.h"
#include "support/fakes.h"
#include "support/tempfolder.h"
#include "widgets/clickablelabel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// Twenty draws, a peña of one bet and one of 24, the window at 1000 × 600.
struct SmallWindow {
    TempFolder dir;
    FakePlatform fake;
    AppState state;
    std::unique_ptr<MainWindow> window;

    SmallWindow() {
        QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
        QList<DrawRecord> draws;
        for (QDate day(2023, 1, 3); draws.size() < 20;
             day = day.addDays(day.dayOfWeek() == Qt::Tuesday ? 3 : 4))
            draws.append(makeDraw(day, {1, 2, 3, 4, 5}, {1, 2}));
        dir.writeDraws(draws);
        QList<std::pair<std::array<int, 5>, std::array<int, 2>>> bets;
        for (int b = 1; b <= 24; ++b)
            bets.append({{b, b + 10, b + 20, 45, 50}, {1 + b % 11, 12}});
        const QDate created(2023, 1, 1);
        dir.writePenas(
            {makeSimplePena(QStringLiteral("UNA"), QStringLiteral("Todos"), created, {bets[0]}),
             makeSimplePena(QStringLiteral("GRANDE"), QStringLiteral("Todos"), created, bets)});
        fake.clock.set(QDate(2023, 3, 10));
        window = std::make_unique<MainWindow>(state, fake.platform);
        window->startUp(dir.path());
        window->resize(1000, 600);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QApplication::processEvents();
    }

    void showTab(int index) {
        window->selectTab(index);
        QApplication::processEvents();
    }

    // Each tab's controls in reading order; the side column's follow.
    QList<QWidget*> tabControls(int index) const {
        MainWindow& w = *window;
        ResultsPanel* r = w.resultsPanel();
        PenaManagerTab* p = w.penaManager();
        DrawsTab* d = w.drawsTab();
        switch (index) {
        case 0:
            return {r->viewButton(0), r->viewButton(1), r->listView(0)->table(),
                    r->drawsBar(),    r->historyBox(),  r->onlyWithPrizeBox()};
        case 1:
            return {}; // the report's notice is read-only
        case 2:
            return {p->penaList(), p->createButton(), p->deleteButton(), p->printButton(),
                    p->exportButton()};
        default:
            return {d->drawList(), d->importButton(), d->deleteAllButton(),
                    d->chart()->numbersOption(), d->chart()->halfSelector()};
        }
    }
    QList<QWidget*> sideControls() const {
        TransferPanel* t = window->transferPanel();
        return {t->button(), t->newsButton(), window->contactLink()};
    }
};

QString describe(QWidget* w) {
    if (!w) return QStringLiteral("(none)");
    if (auto* b = qobject_cast<QAbstractButton*>(w); b && !b->text().isEmpty())
        return QString(b->text()).remove(QLatin1Char('&'));
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

} // namespace

// At 1000 × 600 Tab walks every control of the tab once, each wholly in view,
// then the side column, and back to the tabs: never inside a list, never on
// a chart or a read-only box. Smaller still, each scrolls into view when
// reached (as much of it as the window can show).
TEST(SmallScreen, TabReachesEveryControlOfEveryTabOnceInView) {
    SmallWindow f;
    EXPECT_EQ(f.window->size(), QSize(1000, 600));
    EXPECT_LE(f.window->minimumSizeHint().width(), 1000);
    EXPECT_LE(f.window->minimumSizeHint().height(), 600);
    for (const QSize size : {QSize(1000, 600), QSize(720, 420)}) {
        f.window->resize(size);
        const QSize most = size == QSize(1000, 600) ? size : size / 2;
        for (int tab = 0; tab < 4; ++tab) {
            f.showTab(tab);
            QWidget* tabs = f.window->tabs()->tabBar();
            tabs->setFocus();
            QStringList walked, expected;
            for (QWidget* at = tabs; walked.size() < 20;) {
                QTest::keyClick(at, Qt::Key_Tab);
                at = QApplication::focusWidget();
                walked.append(describe(at));
                if (!at || at == tabs) break;
                const QRect seen = at->visibleRegion().boundingRect();
                EXPECT_TRUE(seen.width() >= std::min(at->width(), most.width()) &&
                            seen.height() >= std::min(at->height(), most.height()))
                    << size.width() << "x" << size.height() << ", tab " << tab << ": "
                    << describe(at).toStdString();
            }
            for (QWidget* w : f.tabControls(tab) + f.sideControls())
                expected.append(describe(w));
            expected.append(describe(tabs));
            EXPECT_EQ(walked, expected) << size.width() << "x" << size.height() << ", tab " << tab;
        }
    }
}

// A peña of 24 bets, chosen from the keyboard, neither grows the window nor
// shrinks the peña list; its numbers and stars scroll together, by the wheel
// over the numbers or by the one bar beside the stars; the list can be made
// taller.
TEST(SmallScreen, ABigPenaKeepsTheWindowAndTheListAndScrollsItsBetsTogether) {
    SmallWindow f;
    f.showTab(2);
    PenaManagerTab* pm = f.window->penaManager();
    QTreeWidget* list = pm->penaList();
    const int listHeight = list->height();
    // Moving down the list from the keyboard is a click on the row.
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(0));
    ASSERT_EQ(f.state.view.selectedPena, 1);
    QTest::keyClick(list, Qt::Key_Down);
    QApplication::processEvents();
    ASSERT_EQ(f.state.view.selectedPena, 2);
    EXPECT_EQ(f.window->size(), QSize(1000, 600));
    EXPECT_LE(f.window->minimumSizeHint().height(), 600);
    EXPECT_EQ(list->height(), listHeight);

    QListWidget* numbers = pm->numbersList();
    QListWidget* stars = pm->starsList();
    ASSERT_EQ(numbers->count(), 24);
    ASSERT_GT(stars->verticalScrollBar()->maximum(), 0);
    const auto topRow = [](QListWidget* l) { return l->indexAt(QPoint(4, 4)).row(); };
    QWheelEvent wheel(QPointF(10, 10), numbers->viewport()->mapToGlobal(QPointF(10, 10)), QPoint(),
                      QPoint(0, -240), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(numbers->viewport(), &wheel);
    EXPECT_GT(topRow(numbers), 0);
    EXPECT_EQ(topRow(stars), topRow(numbers));
    stars->verticalScrollBar()->setValue(stars->verticalScrollBar()->maximum());
    EXPECT_EQ(topRow(numbers), topRow(stars));
    const int last = numbers->count() - 1;
    EXPECT_FALSE(numbers->visualItemRect(numbers->item(last)).isEmpty());
    EXPECT_EQ(numbers->visualItemRect(numbers->item(last)).top(),
              stars->visualItemRect(stars->item(last)).top());

    // Dragging the splitter's handle down makes the list taller.
    QSplitter* split = pm->splitter();
    QWidget* handle = split->handle(1);
    const QPoint grip = handle->rect().center();
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, grip + QPoint(0, 60));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, grip + QPoint(0, 60));
    EXPECT_EQ(list->height(), listHeight + 60);
    EXPECT_EQ(f.window->size(), QSize(1000, 600));
}

// Every menu entry has an Alt letter of its own in its menu, and so has
// every button of a tab among the tab's, the side column's and the menus';
// F5 downloads, Ctrl+Q ends, and an Alt letter works as a click.
TEST(Keyboard, AltLettersAndShortcuts) {
    SmallWindow f;
    const auto distinct = [](const QStringList& captions, int where) {
        QString letters;
        for (const QString& c : captions) {
            const qsizetype at = c.indexOf(QLatin1Char('&')) + 1;
            const QChar l = at > 0 && at < c.size() ? c[at].toLower() : QChar();
            EXPECT_FALSE(l.isNull() || letters.contains(l)) << where << ": " << c.toStdString();
            letters.append(l);
        }
    };
    QStringList menus;
    std::function<void(QMenu*)> entries = [&](QMenu* menu) {
        QStringList texts;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator()) continue;
            texts.append(a->text());
            if (a->menu()) entries(a->menu());
        }
        distinct(texts, -1);
    };
    for (QAction* top : f.window->menuBar()->actions()) {
        menus.append(top->text());
        entries(top->menu());
    }
    for (int tab = 0; tab < 4; ++tab) {
        QStringList captions = menus;
        for (QWidget* w : f.tabControls(tab) + f.sideControls())
            if (auto* b = qobject_cast<QAbstractButton*>(w); b && !qobject_cast<DownloadButton*>(b))
                captions.append(b->text()); // the download picture's key is F5
        distinct(captions, tab);
    }
    EXPECT_EQ(f.window->generalMenu()->actions().first()->shortcut(), QKeySequence(Qt::Key_F5));
    EXPECT_EQ(f.window->generalMenu()->actions().last()->shortcut(),
              QKeySequence(Qt::CTRL | Qt::Key_Q));

    // Alt+H ticks "Histórico", with the animated click of a button's Alt letter.
    f.showTab(0);
    QTest::keySequence(f.window->windowHandle(), QKeySequence(Qt::ALT | Qt::Key_H));
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.state.view.showHistory; }, 2000));
    EXPECT_TRUE(f.window->resultsPanel()->historyBox()->isChecked());
}
