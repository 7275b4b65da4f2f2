#include "app/drawstab.h"
#include "app/drawlist.h"
#include "app/mainwindow.h"
#include "app/statuspanel.h"
#include "stats/frequencychart.h"
#include "store/appstate.h"
#include "store/dates.h"
#include "store/storeerror.h"
#include "support/fakes.h"
#include "support/faultyops.h"
#include "support/tempfolder.h"
#include "support/uiinput.h"
#include "widgets/clickablelabel.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

QList<DrawRecord> drawsFrom(QDate first, int count) {
    QList<DrawRecord> draws;
    QDate day = first;
    for (int i = 0; i < count; ++i) {
        draws.append(makeDraw(day, {1 + i % 10, 11 + i % 10, 21 + i % 10, 31 + i % 10, 41 + i % 10},
                              {1 + i % 11, 12}));
        day = day.addDays(day.dayOfWeek() == Qt::Tuesday ? 3 : 4); // Tuesdays and Fridays
    }
    return draws;
}

class DrawsTabTest : public ::testing::Test {
protected:
    void open(const QList<DrawRecord>& draws,
              std::shared_ptr<FileOps> ops = std::make_shared<FileOps>()) {
        dir.writeDraws(draws);
        tab.reset();
        state = std::make_unique<AppState>(std::move(ops));
        state->files.openAll(dir.path());
        tab = std::make_unique<DrawsTab>(*state, fake.platform);
        tab->resize(1000, 600);
        // The main window's refreshes, as far as this tab needs them.
        QObject::connect(tab.get(), &DrawsTab::statusRefreshNeeded, [this] {
            ++statusRuns;
            state->nextDrawRecord = state->files.draws().count() + 1;
        });
        QObject::connect(tab.get(), &DrawsTab::resultsRefreshNeeded, [this] {
            ++resultsRuns;
            tab->refreshDrawList();
        });
        state->nextDrawRecord = state->files.draws().count() + 1;
        tab->refreshDrawList();
    }
    QString cell(int row, int column) const {
        return tab->model()->index(row - 1, column).data().toString();
    }
    QStringList categories() const {
        const auto axes = tab->chart()->chart()->axes(Qt::Horizontal);
        return static_cast<QBarCategoryAxis*>(axes.first())->categories();
    }
    QList<QList<qreal>> series() const {
        QList<QList<qreal>> out;
        const auto all = tab->chart()->chart()->series();
        if (all.isEmpty()) return out;
        for (QBarSet* set : static_cast<QBarSeries*>(all.first())->barSets()) {
            QList<qreal> values;
            for (int i = 0; i < set->count(); ++i)
                values.append(set->at(i));
            out.append(values);
        }
        return out;
    }
    void clickRow(int row) {
        QTreeView* view = tab->drawList();
        const QRect r = view->visualRect(tab->model()->index(row - 1, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, r.center());
    }

    TempFolder dir;
    FakePlatform fake;
    std::unique_ptr<AppState> state;
    std::unique_ptr<DrawsTab> tab;
    int statusRuns = 0;
    int resultsRuns = 0;
};

QStringList numbered(int first, int count) {
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(QString::number(first + i));
    return out;
}

} // namespace

TEST_F(DrawsTabTest, ListsTheDrawsNewestFirstWithTheirTexts) {
    open({makeDraw(QDate(2020, 4, 17), {1, 2, 3, 4, 5}, {2, 5}),
          makeDraw(QDate(2020, 4, 21), {3, 17, 22, 40, 45}, {3, 11})});
    ASSERT_EQ(tab->model()->rowCount(), 2);
    EXPECT_EQ(cell(1, 0), QStringLiteral(" 3-17-22-40-45"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("3 11"));
    EXPECT_EQ(cell(1, 2), QStringLiteral("21/04/2020  Martes"));
    EXPECT_EQ(cell(2, 0), QStringLiteral(" 1- 2- 3- 4-5"));
    EXPECT_EQ(cell(2, 1), QStringLiteral("2  5"));
    EXPECT_EQ(cell(2, 2), QStringLiteral("17/04/2020  Viernes"));
    EXPECT_EQ(tab->totalLabel()->text(), QStringLiteral("TOTAL: 2 sorteos."));

    DrawListModel* m = tab->model();
    const QStringList headers = {m->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                                 m->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
                                 m->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString()};
    EXPECT_EQ(headers, (QStringList{QStringLiteral("Números ganadores"),
                                    QStringLiteral("Estrellas"), QStringLiteral("Fecha")}));
    const QFont numbers = m->index(0, 0).data(Qt::FontRole).value<QFont>();
    const QFont stars = m->index(0, 1).data(Qt::FontRole).value<QFont>();
    EXPECT_EQ(numbers.family(), QStringLiteral("Courier"));
    EXPECT_TRUE(numbers.bold());
    EXPECT_TRUE(stars.bold());
    EXPECT_EQ(m->index(0, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 192, 0));
    EXPECT_EQ(tab->drawList()->font().family(), QStringLiteral("Courier"));

    tab->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tab.get()));
    tab->grab().save(QStringLiteral("/tmp/vantiko-drawstab.png"));
}

TEST_F(DrawsTabTest, EmptyFileShowsNoRowsAndEmptyBars) {
    open({});
    EXPECT_EQ(tab->model()->rowCount(), 0);
    EXPECT_EQ(tab->totalLabel()->text(), QStringLiteral("TOTAL: 0 sorteos."));
    EXPECT_EQ(categories(), numbered(1, 25));
    const auto s = series();
    ASSERT_EQ(s.size(), 1);
    EXPECT_EQ(s[0], QList<qreal>(25, 0.0));
}

TEST_F(DrawsTabTest, ChartFollowsTheOptionsAndComesBackToNumbersAfterARecount) {
    open({makeDraw(QDate(2023, 2, 28), {3, 7, 12, 30, 44}, {2, 11}),
          makeDraw(QDate(2023, 3, 3), {3, 8, 25, 26, 50}, {2, 5})});
    FrequencyChart* chart = tab->chart();
    ASSERT_EQ(series().size(), 1);
    EXPECT_EQ(series()[0][2], 2.0);  // number 3
    EXPECT_EQ(series()[0][24], 1.0); // number 25
    EXPECT_EQ(series()[0][0], 0.0);

    tab->setHalfSelector(2);
    EXPECT_EQ(categories(), numbered(26, 25));
    EXPECT_EQ(series()[0][0], 1.0);  // 26
    EXPECT_EQ(series()[0][4], 1.0);  // 30
    EXPECT_EQ(series()[0][18], 1.0); // 44
    EXPECT_EQ(series()[0][24], 1.0); // 50
    tab->refreshDrawList();          // as after a download
    EXPECT_EQ(categories(), numbered(1, 25));
    EXPECT_EQ(chart->halfSelector()->value(), 2);

    tab->show();
    QTest::mouseClick(chart->starsOption(), Qt::LeftButton);
    EXPECT_TRUE(chart->starsOption()->isChecked());
    EXPECT_FALSE(chart->halfSelector()->isEnabled());
    EXPECT_EQ(categories(), numbered(1, 12));
    const auto s = series();
    ASSERT_EQ(s.size(), 2); // the star table's empty column is the first series
    EXPECT_EQ(s[0], QList<qreal>(12, 0.0));
    EXPECT_EQ(s[1][1], 2.0);  // star 2
    EXPECT_EQ(s[1][4], 1.0);  // star 5
    EXPECT_EQ(s[1][10], 1.0); // star 11
    tab->grab().save(QStringLiteral("/tmp/vantiko-drawstab-stars.png"));

    tab->refreshDrawList();
    EXPECT_EQ(categories(), numbered(1, 25));
    EXPECT_EQ(series().size(), 1);
    EXPECT_TRUE(chart->starsOption()->isChecked());
    EXPECT_TRUE(chart->halfSelector()->isEnabled());
}

TEST_F(DrawsTabTest, DamagedFileIsReportedKeptAsideAndEmptied) {
    QList<DrawRecord> draws = drawsFrom(QDate(2023, 1, 3), 3);
    draws[1].stars[0] = 13;
    open(draws);
    ASSERT_EQ(fake.prompter.shown.size(), 1);
    EXPECT_EQ(fake.prompter.shown[0].title, QStringLiteral("Error de lectura"));
    EXPECT_TRUE(fake.prompter.shown[0].text.startsWith(QStringLiteral(
        "Archivo de números ganadores no válido. ¡Se perderán los sorteos grabados!.")));
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")).size(), 0);
    EXPECT_EQ(dir.read(QStringLiteral("numeros-corrupto.dat")).size(), 3 * 22);
    EXPECT_EQ(statusRuns, 1);
    EXPECT_EQ(resultsRuns, 1);
    EXPECT_EQ(state->nextDrawRecord, 1);
    EXPECT_EQ(tab->model()->rowCount(), 0);
    EXPECT_EQ(tab->totalLabel()->text(), QStringLiteral("TOTAL: 0 sorteos."));
}

TEST_F(DrawsTabTest, DamagedFileThatCannotBeSetAsideIsReportedOnce) {
    QList<DrawRecord> draws = drawsFrom(QDate(2023, 1, 3), 3);
    draws[0].numbers[0] = 0;
    open(draws, refusingOps());
    EXPECT_EQ(fake.prompter.shown.size(), 1);
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")).size(), 3 * 22);
    EXPECT_EQ(tab->model()->rowCount(), 0);
}

TEST_F(DrawsTabTest, ClickingARowDeletesItOnlyInDeleteMode) {
    const QList<DrawRecord> draws = drawsFrom(QDate(2023, 1, 3), 10);
    open(draws);
    tab->show();
    clickRow(1);
    EXPECT_TRUE(fake.prompter.shown.isEmpty());

    fake.prompter.answers = {false, false};
    QTest::mouseClick(tab->deleteAllButton(), Qt::LeftButton);
    EXPECT_EQ(fake.prompter.shown.size(), 2);
    fake.prompter.clear();

    fake.prompter.answers = {true};
    clickRow(1);
    ASSERT_EQ(fake.prompter.shown.size(), 1);
    EXPECT_EQ(fake.prompter.shown[0].text,
              QStringLiteral("¿Seguro que quieres eliminar este sorteo?"));
    EXPECT_EQ(tab->model()->rowCount(), 9);
    EXPECT_EQ(tab->totalLabel()->text(), QStringLiteral("TOTAL: 9 sorteos."));
    // Deleting one draw does not recount: number 10 still counts its draw.
    EXPECT_EQ(tab->chart()->view().tables.lowNumbers.value(10, 2), 1);
    EXPECT_EQ(cell(1, 2), drawListDateText(draws[8]));
    QByteArray expected;
    for (int i = 0; i < 9; ++i)
        expected.append(draws[i].encode());
    EXPECT_EQ(dir.read(QStringLiteral("numeros.dat")), expected);
    EXPECT_EQ(state->nextDrawRecord, 10);
    EXPECT_EQ(statusRuns, 1);

    // From the keyboard, Enter on a row is a click on it.
    fake.prompter.answers = {true};
    tab->drawList()->setCurrentIndex(tab->model()->index(0, 0));
    QTest::keyClick(tab->drawList(), Qt::Key_Return);
    EXPECT_EQ(tab->model()->rowCount(), 8);
    EXPECT_EQ(state->nextDrawRecord, 9);
}

TEST_F(DrawsTabTest, PicturesActAsTheirButtons) {
    open(drawsFrom(QDate(2023, 1, 3), 2));
    tab->show();
    QTest::mouseClick(tab->importPicture(), Qt::LeftButton);
    ASSERT_EQ(fake.prompter.shown.size(), 1);
    EXPECT_EQ(fake.prompter.shown[0].title, QStringLiteral("Vantiko"));
    fake.prompter.clear();

    // The delete picture only works while its button does.
    tab->deleteAllButton()->setEnabled(false);
    QTest::mouseClick(tab->deleteAllPicture(), Qt::LeftButton);
    EXPECT_TRUE(fake.prompter.shown.isEmpty());
    EXPECT_FALSE(state->view.drawDeleteMode);
    tab->deleteAllButton()->setEnabled(true);
    QTest::mouseClick(tab->deleteAllPicture(), Qt::LeftButton);
    EXPECT_EQ(fake.prompter.shown.size(), 2);
    EXPECT_TRUE(state->view.drawDeleteMode);
}

TEST_F(DrawsTabTest, ImportRefreshesTheList) {
    open(drawsFrom(QDate(2023, 1, 3), 2));
    TempFolder elsewhere;
    elsewhere.writeDraws(drawsFrom(QDate(2004, 2, 13), 7));
    fake.chooser.answers = {elsewhere.file(QStringLiteral("numeros.dat"))};
    QTest::mouseClick(tab->importButton(), Qt::LeftButton);
    EXPECT_EQ(statusRuns, 1);
    EXPECT_EQ(resultsRuns, 1);
    EXPECT_EQ(tab->model()->rowCount(), 7);
    EXPECT_EQ(tab->totalLabel()->text(), QStringLiteral("TOTAL: 7 sorteos."));
}

TEST_F(DrawsTabTest, FullFileListsAndChartsWellUnderASecond) {
    const QList<DrawRecord> draws = drawsFrom(QDate(2004, 2, 13), kMaxRecords);
    open({});
    dir.writeDraws(draws);
    state->files.openAll(dir.path());
    state->nextDrawRecord = state->files.draws().count() + 1;
    ASSERT_EQ(state->nextDrawRecord, 32767);
    tab->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tab.get()));

    QElapsedTimer timer;
    timer.start();
    tab->refreshDrawList();
    const qint64 refresh = timer.elapsed();
    tab->repaint();
    const qint64 painted = timer.elapsed();
    std::printf("refreshDrawList over %d draws: %lld ms (with repaint %lld ms)\n", kMaxRecords,
                static_cast<long long>(refresh), static_cast<long long>(painted));
    EXPECT_EQ(tab->model()->rowCount(), kMaxRecords);
    EXPECT_EQ(tab->totalLabel()->text(), QStringLiteral("TOTAL: 32766 sorteos."));
    EXPECT_LT(painted, 1000);
}

// In the main window: tab 3, the menu entry and the refreshes the tab asks for.
TEST(DrawsTabInMainWindow, StartUpListsAFullFileAndADamagedOneEndsEmpty) {
    TempFolder dir;
    FakePlatform fake;
    fake.clock.set(QDate(2023, 3, 8));
    dir.writeDraws(drawsFrom(QDate(2004, 2, 13), kMaxRecords));
    {
        AppState state;
        MainWindow window(state, fake.platform);
        QElapsedTimer timer;
        timer.start();
        window.startUp(dir.path());
        const qint64 ms = timer.elapsed();
        std::printf("start-up over %d draws: %lld ms\n", kMaxRecords, static_cast<long long>(ms));
        EXPECT_LT(ms, 1000);
        EXPECT_EQ(window.tabs()->tabText(3), QStringLiteral("Estadísticas"));
        EXPECT_TRUE(window.tabs()->widget(3)->isAncestorOf(window.drawsTab()));
        EXPECT_EQ(window.drawsTab()->model()->rowCount(), kMaxRecords);
        EXPECT_EQ(window.drawsTab()->totalLabel()->text(), QStringLiteral("TOTAL: 32766 sorteos."));
        window.tabs()->setCurrentIndex(3);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.grab().save(QStringLiteral("/tmp/vantiko-mainwindow-stats.png"));
    }

    QList<DrawRecord> draws = drawsFrom(QDate(2023, 1, 3), 4);
    draws[3].stars[1] = 13;
    dir.writeDraws(draws);
    fake.prompter.clear(); // the welcome shown when the first window was activated
    AppState state;
    MainWindow window(state, fake.platform);
    window.startUp(dir.path());
    ASSERT_EQ(fake.prompter.shown.size(), 1);
    EXPECT_EQ(fake.prompter.shown[0].title, QStringLiteral("Error de lectura"));
    EXPECT_EQ(window.statusPanel()->label(3)->text(), QStringLiteral("Fichero de datos vacío."));
    EXPECT_EQ(state.nextDrawRecord, 1);
    EXPECT_EQ(window.drawsTab()->model()->rowCount(), 0);
    EXPECT_EQ(dir.read(QStringLiteral("numeros-corrupto.dat")).size(), 4 * 22);

    // The "General" menu entry runs the deletion of every draw.
    dir.writeDraws(drawsFrom(QDate(2023, 1, 3), 3));
    window.refreshStatus();
    window.refreshResults();
    ASSERT_EQ(window.drawsTab()->model()->rowCount(), 3);
    QAction* entry = nullptr;
    for (QAction* a : window.generalMenu()->actions())
        if (shownText(a->text()) ==
            QStringLiteral("Borrar sorteos almacenados/Reset aciertos peñas"))
            entry = a;
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(shownText(window.generalMenu()->actions().last()->text()), QStringLiteral("Salir"));
    fake.prompter.clear();
    fake.prompter.answers = {true, false};
    entry->trigger();
    EXPECT_EQ(fake.prompter.shown.size(), 2);
    EXPECT_EQ(window.drawsTab()->model()->rowCount(), 0);
    EXPECT_EQ(window.drawsTab()->totalLabel()->text(), QStringLiteral("TOTAL: 0 sorteos."));
    EXPECT_EQ(window.statusPanel()->label(3)->text(), QStringLiteral("Fichero de datos vacío."));
}
