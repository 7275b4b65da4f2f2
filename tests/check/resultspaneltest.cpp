#include "check/resultspanel.h"
#include "app/mainwindow.h"
#include "check/resultsmodel.h"
#include "check/resultsview.h"
#include "checkfixture.h"
#include "store/dates.h"
#include "support/fakes.h"
#include "support/uiinput.h"

#include <QApplication>
#include <QBrush>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <numeric>
#include <random>

namespace {

const QDate kFirst(2023, 2, 28); // Tuesday; then Friday 3 March and Tuesday 7 March

using Bet = std::pair<std::array<int, 5>, std::array<int, 2>>;
const Bet kWinner{{1, 2, 3, 20, 21}, {5, 6}}; // 3+0 against every draw below but the first
const Bet kLoser{{30, 31, 32, 33, 34}, {7, 8}};

QList<DrawRecord> draws() {
    return {makeDraw(kFirst, {9, 10, 11, 12, 13}, {1, 2}),
            makeDraw(QDate(2023, 3, 3), {1, 2, 3, 4, 5}, {1, 2}),
            makeDraw(QDate(2023, 3, 7), {1, 2, 3, 44, 45}, {11, 12})};
}

struct GeneralTab : ::testing::Test {
    CheckFolder f;
    FakePlatform fake;
    std::unique_ptr<ResultsPanel> panel;
    int refreshes = 0;

    void SetUp() override {
        f.open({makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), kFirst,
                               {kWinner, kLoser}),
                makeMultiplePena(QStringLiteral("Multi"), QStringLiteral("Martes"), kFirst,
                                 {1, 2, 3, 22, 23, 24}, {7, 8})},
               draws());
        panel = std::make_unique<ResultsPanel>(f.state, fake.platform);
        // As the main window's RefreshResults does.
        QObject::connect(panel.get(), &ResultsPanel::refreshResultsRequested, [this] {
            ++refreshes;
            panel->buildSimpleResults(f.state.view.drawsToShow);
        });
        panel->resize(900, 420);
        panel->show();
        // Start-up: RefreshStatus, RefreshResults, ShowView(0).
        panel->applyDrawCount(3, true);
        panel->buildSimpleResults(f.state.view.drawsToShow);
        panel->showView(0);
    }

    int rows(int list) const { return panel->model(list)->rowCount(); }
    QString comment(int list, int row) const {
        ResultsModel* m = panel->model(list);
        return m->data(m->index(row, m->columnCount() - 1)).toString();
    }
};

} // namespace

TEST_F(GeneralTab, ControlsAsTheUserSeesThem) {
    EXPECT_EQ(shownText(panel->viewButton(0)->text()), QStringLiteral("S E N C I L L A"));
    EXPECT_EQ(shownText(panel->viewButton(1)->text()), QStringLiteral("M Ú L T I P L E"));
    EXPECT_EQ(shownText(panel->historyBox()->text()), QStringLiteral("Histórico"));
    EXPECT_EQ(panel->historyBox()->toolTip(),
              QStringLiteral("Resultados de una peña con sorteos anteriores a su creación"));
    EXPECT_EQ(shownText(panel->onlyWithPrizeBox()->text()),
              QStringLiteral("Ver sólo si hay premio"));
    EXPECT_EQ(panel->onlyWithPrizeBox()->toolTip(), QStringLiteral("Pues eso..."));
    EXPECT_FALSE(panel->historyBox()->isChecked());
    EXPECT_FALSE(panel->onlyWithPrizeBox()->isChecked());
    bool labelFound = false;
    for (QLabel* l : panel->findChildren<QLabel*>())
        labelFound |=
            shownText(l->text()) == QStringLiteral("-Seleccione el número de sorteos a ver:");
    EXPECT_TRUE(labelFound);
    EXPECT_EQ(panel->drawsBar()->minimum(), 1);
    EXPECT_EQ(panel->drawsBar()->maximum(), 3);
    EXPECT_EQ(panel->drawsBox()->text(), QStringLiteral("1"));
    EXPECT_TRUE(panel->listView(0)->isVisible());
    EXPECT_FALSE(panel->listView(1)->isVisible());
    EXPECT_EQ(panel->blinkTimer()->interval(), 800);
    EXPECT_FALSE(panel->blinkTimer()->isActive());
    ResultsModel* multiple = panel->model(1);
    EXPECT_EQ(multiple->headerData(12, Qt::Horizontal).toString(), QStringLiteral("13"));
    EXPECT_EQ(multiple->headerData(13, Qt::Horizontal).toString(), QString());
    EXPECT_EQ(multiple->headerData(16, Qt::Horizontal).toString(), QStringLiteral("14"));
    EXPECT_EQ(panel->model(0)->headerData(8, Qt::Horizontal).toString(),
              QStringLiteral("Comentario"));
    panel->grab().save(QStringLiteral("/tmp/vantiko-results-panel.png"));

    // No stored draws: the bar and both boxes are disabled.
    panel->applyDrawCount(0, false);
    EXPECT_FALSE(panel->drawsBar()->isEnabled());
    EXPECT_FALSE(panel->historyBox()->isEnabled());
    EXPECT_FALSE(panel->onlyWithPrizeBox()->isEnabled());
}

TEST_F(GeneralTab, BarBoxesAndSwitchRebuildTheListsAndCountOnce) {
    // Start-up counted every draw since the peñas were created, whatever the
    // list shows: Uno's winning bet on 3 and 7 March.
    ASSERT_EQ(rows(0), 5);
    EXPECT_EQ(comment(0, 1), QStringLiteral("PEÑA Uno                 "));
    EXPECT_EQ(comment(0, 2), QStringLiteral("07/03/2023 Martes"));
    EXPECT_EQ(comment(0, 3), QStringLiteral("¡¡ Premio !! Hay 3 + 0 estrellas."));
    ResultsModel* simple = panel->model(0);
    EXPECT_EQ(simple->data(simple->index(3, 1)).toString(), QStringLiteral("1"));
    EXPECT_EQ(simple->data(simple->index(3, 1), Qt::ForegroundRole).value<QBrush>().color(),
              QColor(255, 0, 0));
    EXPECT_EQ(simple->data(simple->index(3, 8), Qt::ForegroundRole).value<QBrush>().color(),
              QColor(0, 192, 0));
    EXPECT_EQ(simple->data(simple->index(3, 7), Qt::ForegroundRole).value<QBrush>().color(),
              QColor(128, 128, 128));
    EXPECT_EQ(rows(1), 5);
    EXPECT_EQ(f.pena(1).hits[9], 2);
    EXPECT_EQ(f.pena(2).hits[9], 3);
    EXPECT_EQ(f.pena(2).hits[12], 3);

    // Two steps of the bar: two refreshes, three draws listed.
    QScrollBar* bar = panel->drawsBar();
    const QPoint rightArrow(bar->width() - 4, bar->height() / 2);
    QTest::mouseClick(bar, Qt::LeftButton, {}, rightArrow);
    QTest::mouseClick(bar, Qt::LeftButton, {}, rightArrow);
    EXPECT_EQ(refreshes, 2);
    EXPECT_EQ(panel->drawsBox()->text(), QStringLiteral("3"));
    EXPECT_EQ(f.state.view.drawsToShow, 3);
    ASSERT_EQ(rows(0), 15);
    EXPECT_EQ(comment(0, 7), QStringLiteral("03/03/2023 Viernes"));
    EXPECT_EQ(comment(0, 8), QStringLiteral("¡¡ Premio !! Hay 3 + 0 estrellas."));
    EXPECT_EQ(comment(0, 12), QStringLiteral("28/02/2023 Martes"));
    // The older draws lie behind LastCounted: listed, not counted again.
    EXPECT_EQ(f.pena(1).hits[9], 2);
    EXPECT_EQ(rows(1), 5 + 4); // Multi plays Tuesdays: 7 March (prize) and 28 February
    EXPECT_EQ(f.pena(2).hits[9], 3);

    // Only prizes: the two winning bets under their heads.
    QTest::mouseClick(panel->onlyWithPrizeBox(), Qt::LeftButton);
    EXPECT_TRUE(f.state.view.onlyWithPrize);
    EXPECT_EQ(refreshes, 3);
    ASSERT_EQ(rows(0), 8);
    EXPECT_EQ(comment(0, 3), QStringLiteral("¡¡ Premio !! Hay 3 + 0 estrellas."));
    EXPECT_EQ(comment(0, 7), QStringLiteral("¡¡ Premio !! Hay 3 + 0 estrellas."));
    EXPECT_EQ(rows(1), 5);

    // The multiple list.
    QTest::mouseClick(panel->viewButton(1), Qt::LeftButton);
    EXPECT_TRUE(panel->listView(1)->isVisible());
    EXPECT_FALSE(panel->listView(0)->isVisible());
    EXPECT_EQ(panel->currentView(), 1);
    EXPECT_EQ(comment(1, 1), QStringLiteral("PEÑA Multi               "));
    EXPECT_EQ(comment(1, 3), QStringLiteral("¡¡ Premio !! Hay 3 apuestas de 3+0"));
    EXPECT_EQ(comment(1, 4), QStringLiteral("¡¡ Premio !! Hay 3 apuestas de 2+0"));
    QApplication::processEvents();
    panel->grab().save(QStringLiteral("/tmp/vantiko-results-multiple.png"));

    // Untick: back to every bet; the file holds what the first pass counted.
    const QByteArray file = f.penaFile();
    QTest::mouseClick(panel->onlyWithPrizeBox(), Qt::LeftButton);
    EXPECT_EQ(rows(0), 15);
    EXPECT_EQ(f.penaFile(), file);
    EXPECT_EQ(f.pena(1).lastCounted, draws()[2].drawDate);
    EXPECT_EQ(f.pena(2).lastCounted, draws()[2].drawDate);

    // The history box empties the download's label and refreshes.
    f.state.view.newDrawsLabel = QStringLiteral("1 sorteo");
    QSignalSpy label(panel.get(), &ResultsPanel::newDrawsLabelChanged);
    QTest::mouseClick(panel->historyBox(), Qt::LeftButton);
    EXPECT_TRUE(f.state.view.showHistory);
    EXPECT_TRUE(f.state.view.newDrawsLabel.isEmpty());
    EXPECT_EQ(label.count(), 1);
    EXPECT_EQ(refreshes, 5);
    // Setting the bar to the value it has changes nothing.
    panel->setDrawsToShow(3);
    EXPECT_EQ(refreshes, 5);
}

TEST_F(GeneralTab, PrizeBlinkAfterADownload) {
    f.state.view.newDrawsLabel = QStringLiteral("1 sorteo");
    f.state.view.prizeBlinkTarget = 0;
    panel->buildSimpleResults(1); // both lists hold a prize in the newest draw
    EXPECT_TRUE(panel->blinkTimer()->isActive());
    EXPECT_EQ(f.state.view.prizeBlinkTarget, 3);

    panel->blinkTick();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(shownText(panel->viewButton(i)->text()), QStringLiteral("P R E M I O"));
        EXPECT_TRUE(panel->viewButton(i)->styleSheet().contains(QStringLiteral("255, 0, 0")));
    }
    panel->grab().save(QStringLiteral("/tmp/vantiko-results-blink.png"));
    panel->blinkTick();
    EXPECT_EQ(shownText(panel->viewButton(0)->text()), QStringLiteral("S E N C I L L A"));
    EXPECT_EQ(shownText(panel->viewButton(1)->text()), QStringLiteral("M Ú L T I P L E"));
    panel->blinkTick();

    // Clicking the list already shown stops the blink and nothing else.
    QSignalSpy label(panel.get(), &ResultsPanel::newDrawsLabelChanged);
    QTest::mouseClick(panel->viewButton(0), Qt::LeftButton);
    EXPECT_FALSE(panel->blinkTimer()->isActive());
    EXPECT_EQ(shownText(panel->viewButton(0)->text()), QStringLiteral("S E N C I L L A"));
    EXPECT_EQ(shownText(panel->viewButton(1)->text()), QStringLiteral("M Ú L T I P L E"));
    EXPECT_TRUE(panel->viewButton(0)->styleSheet().isEmpty());
    EXPECT_TRUE(f.state.view.newDrawsLabel.isEmpty());
    EXPECT_EQ(label.count(), 1);
    EXPECT_EQ(panel->currentView(), 0);
    EXPECT_EQ(f.state.view.prizeBlinkTarget, 3);
    EXPECT_EQ(refreshes, 0);

    // With the label empty a later refresh does not start it again.
    panel->buildSimpleResults(1);
    EXPECT_FALSE(panel->blinkTimer()->isActive());
}

// "P R E M I O" is narrower than "M Ú L T I P L E": the buttons keep their
// size, so nothing moves every 800 ms, and their Alt letters stay.
TEST_F(GeneralTab, ViewButtonsKeepTheirPlaceAndKeysWhileThePrizeBlinks) {
    f.state.view.newDrawsLabel = QStringLiteral("1 sorteo");
    panel->buildSimpleResults(1); // both lists hold a prize
    QApplication::processEvents();
    const QRect places[2] = {panel->viewButton(0)->geometry(), panel->viewButton(1)->geometry()};
    for (int tick = 0; tick < 3; ++tick) {
        panel->blinkTick();
        QApplication::processEvents();
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(panel->viewButton(i)->geometry(), places[i]) << "tick " << tick;
            EXPECT_EQ(panel->viewButton(i)->shortcut(),
                      QKeySequence(Qt::ALT | (i == 0 ? Qt::Key_S : Qt::Key_M)));
        }
    }
    EXPECT_EQ(panel->viewButton(1)->text(), QStringLiteral("P R E M I O"));
}

// The box follows the handle while it is dragged; the lists are rebuilt
// once, when it is let go.
TEST_F(GeneralTab, DraggingTheBarShowsItsValueAndRefreshesOnRelease) {
    QScrollBar* bar = panel->drawsBar();
    QStyleOptionSlider o;
    o.initFrom(bar);
    o.orientation = Qt::Horizontal;
    o.state |= QStyle::State_Horizontal;
    o.subControls = QStyle::SC_All;
    o.minimum = bar->minimum();
    o.maximum = bar->maximum();
    o.sliderPosition = o.sliderValue = bar->value();
    o.singleStep = bar->singleStep();
    o.pageStep = bar->pageStep();
    const auto part = [&](QStyle::SubControl c) {
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &o, c, bar);
    };
    const QPoint grip = part(QStyle::SC_ScrollBarSlider).center();
    const QPoint end(part(QStyle::SC_ScrollBarGroove).right() - 2, grip.y());
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(bar, end);
    EXPECT_EQ(panel->drawsBox()->text(), QStringLiteral("3"));
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(f.state.view.drawsToShow, 1);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, end);
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(f.state.view.drawsToShow, 3);
    EXPECT_EQ(panel->drawsBox()->text(), QStringLiteral("3"));
}

TEST_F(GeneralTab, OnlyTheSimpleListBlinksForASimplePrize) {
    f.state.files.writePena(2, makeMultiplePena(QStringLiteral("Multi"), QStringLiteral("Martes"),
                                                kFirst, {30, 31, 32, 33, 34, 35}, {7, 8}));
    f.state.view.newDrawsLabel = QStringLiteral("1 sorteo");
    panel->buildSimpleResults(1);
    EXPECT_EQ(f.state.view.prizeBlinkTarget, 1);
    panel->blinkTick();
    EXPECT_EQ(shownText(panel->viewButton(0)->text()), QStringLiteral("P R E M I O"));
    EXPECT_EQ(shownText(panel->viewButton(1)->text()), QStringLiteral("M Ú L T I P L E"));
    panel->blinkTick();
    EXPECT_EQ(shownText(panel->viewButton(0)->text()), QStringLiteral("S E N C I L L A"));
    panel->stopPrizeBlink(); // a tab change
    EXPECT_FALSE(panel->blinkTimer()->isActive());
}

TEST_F(GeneralTab, MenuEntriesSwitchAndSetTheBoxes) {
    QMenu* multiple = panel->createViewMenu(1, panel.get());
    QMenu* simple = panel->createViewMenu(0, panel.get());
    EXPECT_EQ(shownText(multiple->title()), QStringLiteral("Múltiples"));
    EXPECT_EQ(shownText(simple->title()), QStringLiteral("Sencillas"));
    QStringList texts;
    for (QAction* a : multiple->actions())
        texts.append(shownText(a->text()));
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Todos los resultados"),
                                  QStringLiteral("Sólo si hay premio"),
                                  QStringLiteral("Histórico (resultados sorteos anteriores a la "
                                                 "fecha de creacón de las peñas)"),
                                  QStringLiteral("Sólo si hay premios + histórico")}));
    EXPECT_EQ(shownText(simple->actions()[2]->text()),
              QStringLiteral("Histórico (resultados sorteos anteriores a la fecha de creación "
                             "de las peñas)"));

    QSignalSpy tab(panel.get(), &ResultsPanel::generalTabRequested);
    multiple->actions()[3]->trigger(); // both options change: two refreshes
    EXPECT_EQ(tab.count(), 1);
    EXPECT_EQ(panel->currentView(), 1);
    EXPECT_TRUE(panel->onlyWithPrizeBox()->isChecked());
    EXPECT_TRUE(panel->historyBox()->isChecked());
    EXPECT_EQ(refreshes, 2);

    simple->actions()[0]->trigger(); // keeps the options
    EXPECT_EQ(panel->currentView(), 0);
    EXPECT_TRUE(panel->onlyWithPrizeBox()->isChecked());
    EXPECT_EQ(refreshes, 2);

    simple->actions()[2]->trigger(); // only off, history stays on
    EXPECT_FALSE(panel->onlyWithPrizeBox()->isChecked());
    EXPECT_TRUE(panel->historyBox()->isChecked());
    EXPECT_EQ(refreshes, 3);
}

TEST_F(GeneralTab, DownloadCreationAndSmallerFiles) {
    // A download applying its draws moves the bar without a second rebuild.
    panel->setDrawsToShowQuietly(3);
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(panel->drawsBox()->text(), QStringLiteral("3"));
    EXPECT_EQ(rows(0), 5);

    // A new or deleted peña brings the bar back to one draw through its handler...
    panel->bringBackToOneDraw();
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(panel->drawsBar()->value(), 1);
    // ...or, when it already stands at 1, rebuilds both lists directly.
    f.state.files.writePena(
        3, makeSimplePena(QStringLiteral("Tres"), QStringLiteral("Todos"), kFirst, {kWinner}));
    f.recount();
    panel->bringBackToOneDraw();
    EXPECT_EQ(refreshes, 1);
    EXPECT_EQ(rows(0), 5 + 4);
    EXPECT_EQ(f.pena(3).hits[9], 2); // 3 and 7 March, since its creation

    // Fewer stored draws pull the bar down with them.
    panel->setDrawsToShow(3);
    panel->applyDrawCount(2, true);
    EXPECT_EQ(panel->drawsBar()->value(), 2);
    EXPECT_EQ(f.state.view.drawsToShow, 2);
    EXPECT_EQ(panel->drawsBox()->text(), QStringLiteral("2"));
}

TEST_F(GeneralTab, DeletingADrawUnderAFullBarRebuildsTheLists) {
    panel->setDrawsToShow(3);
    ASSERT_EQ(refreshes, 1);
    ASSERT_EQ(rows(0), 15);

    // The newest draw is deleted and RefreshStatus runs: the bar comes down
    // to 2, and that change rebuilds the lists without the deleted draw.
    f.state.files.rewriteDraws(draws().mid(0, 2));
    f.recount();
    panel->applyDrawCount(2, true);
    EXPECT_EQ(panel->drawsBar()->value(), 2);
    EXPECT_EQ(panel->drawsBox()->text(), QStringLiteral("2"));
    EXPECT_EQ(refreshes, 2);
    ASSERT_EQ(rows(0), 10);
    EXPECT_EQ(comment(0, 2), QStringLiteral("03/03/2023 Viernes"));

    // A maximum that leaves the value where it was refreshes nothing.
    panel->applyDrawCount(2, true);
    panel->applyDrawCount(5, true);
    EXPECT_EQ(panel->drawsBar()->value(), 2);
    EXPECT_EQ(refreshes, 2);
}

TEST(GeneralTabInMainWindow, StartUpFillsTheListsAndTheMenuHoldsTheViews) {
    TempFolder dir;
    FakePlatform fake;
    AppState state;
    dir.writeDraws(draws());
    dir.writePenas(
        {makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), kFirst, {kWinner, kLoser}),
         makeMultiplePena(QStringLiteral("Multi"), QStringLiteral("Martes"), kFirst,
                          {1, 2, 3, 22, 23, 24}, {7, 8})});
    fake.clock.set(QDate(2023, 3, 8));
    MainWindow window(state, fake.platform);
    window.startUp(dir.path());
    ResultsPanel* panel = window.resultsPanel();
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(window.tabs()->widget(0)->isAncestorOf(panel));
    EXPECT_EQ(panel->model(0)->rowCount(), 5);
    EXPECT_EQ(panel->model(1)->rowCount(), 5);
    EXPECT_EQ(panel->currentView(), 0);
    EXPECT_TRUE(panel->drawsBar()->isEnabled());
    EXPECT_EQ(panel->drawsBar()->maximum(), 3);
    EXPECT_TRUE(panel->historyBox()->isEnabled());

    QStringList entries;
    for (QAction* a : window.generalMenu()->actions())
        if (!a->isSeparator()) entries.append(shownText(a->text()));
    const qsizetype reset =
        entries.indexOf(QStringLiteral("Borrar sorteos almacenados/Reset aciertos peñas"));
    ASSERT_GE(reset, 0);
    EXPECT_EQ(entries.mid(reset + 1),
              (QStringList{QStringLiteral("Sencillas"), QStringLiteral("Múltiples"),
                           QStringLiteral("Salir")}));

    // A view entry selects the General tab and the multiple list.
    window.selectTab(2);
    QAction* multiple =
        window.generalMenu()->actions()[entries.indexOf(QStringLiteral("Múltiples"))];
    multiple->menu()->actions()[1]->trigger(); // "Sólo si hay premio"
    EXPECT_EQ(window.tabs()->currentIndex(), 0);
    EXPECT_EQ(panel->currentView(), 1);
    EXPECT_TRUE(state.view.onlyWithPrize);
    EXPECT_EQ(panel->model(0)->rowCount(), 4);

    // The bar reruns RefreshResults through the main window.
    panel->setDrawsToShow(3);
    EXPECT_EQ(panel->model(0)->rowCount(), 8);
    window.resize(1180, 720);
    window.show();
    QApplication::processEvents();
    window.grab().save(QStringLiteral("/tmp/vantiko-general-tab.png"));
}

namespace {

// A folder at the file limits: 32,766 draws and 999 peñas of 24 bets, every
// draw counted already.
void fillToTheLimits(CheckFolder& f) {
    std::mt19937 rng(2004);
    const auto pick = [&](int count, int hi) {
        std::vector<int> all(static_cast<std::size_t>(hi));
        std::iota(all.begin(), all.end(), 1);
        std::shuffle(all.begin(), all.end(), rng);
        all.resize(std::size_t(count));
        return all;
    };
    QList<DrawRecord> draws;
    for (const DrawRecord& d : drawSeries(QDate(2004, 2, 13), kMaxRecords)) {
        const auto n = pick(5, 50), s = pick(2, 12);
        draws.append(
            makeDraw(dateFromOle(d.drawDate), {n[0], n[1], n[2], n[3], n[4]}, {s[0], s[1]}));
    }
    QList<PenaRecord> penas;
    for (int p = 1; p <= 999; ++p) {
        QList<Bet> bets;
        for (int b = 0; b < 24; ++b) {
            const auto n = pick(5, 50), s = pick(2, 12);
            bets.append({{n[0], n[1], n[2], n[3], n[4]}, {s[0], s[1]}});
        }
        PenaRecord pena = makeSimplePena(QStringLiteral("P%1").arg(p), QStringLiteral("Todos"),
                                         dateFromOle(draws[int(rng() % 30000)].drawDate), bets);
        pena.lastCounted = draws.last().drawDate;
        penas.append(pena);
    }
    f.open(penas, draws);
}

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

} // namespace

// At the file limits the lists hold 884 million rows: the view scrolls to the
// last one and shows it, memory stays small, and the prize filter's scan runs
// beside the window, shows its progress and gives way to a newer change.
TEST(ResultsAtTheLimits, LastRowShownMemorySmallAndTheScanInterruptible) {
    CheckFolder f;
    fillToTheLimits(f);
    FakePlatform fake;
    ResultsPanel panel(f.state, fake.platform);
    panel.resize(900, 500);
    panel.show();
    panel.applyDrawCount(kMaxRecords, true);
    const long before = residentKilobytes();
    panel.setDrawsToShow(kMaxRecords);
    QTest::mouseClick(panel.historyBox(), Qt::LeftButton);
    panel.buildSimpleResults(kMaxRecords); // what the main window's refresh runs
    panel.finishLayOut();
    ResultsModel* model = panel.model(0);
    ASSERT_EQ(model->rowCount(), 999 * 27 * kMaxRecords);

    ResultsView* view = panel.listView(0);
    view->scrollToBottom();
    QApplication::processEvents();
    const int last = view->page()->rowCount() - 1;
    ASSERT_GE(last, 0);
    EXPECT_EQ(view->firstRow() + last, model->rowCount() - 1);
    const QRect shown = view->table()->visualRect(view->page()->index(last, 1));
    EXPECT_TRUE(view->table()->viewport()->rect().contains(shown)) << "the last row is off screen";
    // The oldest draw's last peña's last bet, as the model has it.
    const QModelIndex lastCell = model->index(model->rowCount() - 1, 1);
    EXPECT_EQ(view->page()->data(view->page()->index(last, 1)), model->data(lastCell));
    EXPECT_EQ(model->data(lastCell).toString(), QString::number(f.pena(999).numbers[23][0]));
    EXPECT_LT(residentKilobytes() - before, 100 * 1024) << "KB for the lists";

    // The prize filter goes through 786 million bets beside the window.
    panel.onlyWithPrizeBox()->setChecked(true);
    panel.buildSimpleResults(kMaxRecords);
    ASSERT_TRUE(panel.layingOut());
    EXPECT_FALSE(panel.layOutProgress()->isHidden());
    EXPECT_EQ(model->rowCount(), 999 * 27 * kMaxRecords); // the lists shown so far stay
    // A newer change stops it and lays out again.
    panel.historyBox()->setChecked(false);
    panel.buildSimpleResults(kMaxRecords);
    panel.finishLayOut();
    EXPECT_TRUE(panel.layOutProgress()->isHidden());
    EXPECT_FALSE(panel.layingOut());
    // Only winning bets are left, each under its block's head.
    const ResultsList& list = *model->list();
    ASSERT_GT(list.rows.size(), 1000u);
    for (std::size_t r : {std::size_t(0), list.rows.size() - 500}) {
        for (std::size_t i = r; i < r + 500; ++i) {
            const ResultRow row = list.rows[i];
            if (row.rowKind() == RowKind::Bet) {
                EXPECT_NE(row.category, 0u) << i;
            }
        }
    }
    EXPECT_EQ(list.rows[0].rowKind(), RowKind::Separator);
}
