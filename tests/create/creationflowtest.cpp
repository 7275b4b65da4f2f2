#include "create/creationflow.h"
#include "app/mainwindow.h"
#include "app/penamanagertab.h"
#include "create/betmodemenu.h"
#include "create/creationform.h"
#include "create/namebox.h"
#include "create/numbergridwidget.h"
#include "store/appstate.h"
#include "store/dates.h"
#include "support/fakes.h"
#include "support/tempfolder.h"

#include "support/uiinput.h"
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>
#include <set>

namespace {

void clickCell(CreationForm* form, int cell) {
    QTest::mouseClick(form->grid(), Qt::LeftButton, {}, form->grid()->cellRect(cell).center());
}

void runTransition(CreationForm* form) {
    for (int i = 0; i < 10 && form->transitionTimer()->isActive(); ++i)
        form->transitionTick();
}

QList<PenaRecord> storedPenas(const TempFolder& dir) {
    QList<PenaRecord> out;
    const QByteArray bytes = dir.read(QStringLiteral("apuestas.dat"));
    for (qsizetype at = 0; at + kPenaRecordSize <= bytes.size(); at += kPenaRecordSize)
        out.append(PenaRecord::decode(bytes.mid(at, kPenaRecordSize)));
    return out;
}

struct Program {
    Program() {
        fake.clock.set(QDate(2023, 3, 7));
        dir.writeDraws({makeDraw(QDate(2023, 3, 3), {4, 8, 15, 16, 23}, {4, 2})});
        window = std::make_unique<MainWindow>(state, fake.platform);
        window->startUp(dir.path());
        window->show();
        window->selectTab(2);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    // "Crear peña nueva" on the "Gestor de peñas" tab; the menu it opens.
    BetModeMenu* openMenu() {
        click(window->penaManager()->createButton());
        return window->creationFlow()->menu();
    }
    TempFolder dir;
    FakePlatform fake;
    AppState state;
    std::unique_ptr<MainWindow> window;
};

} // namespace

TEST(CreationFlow, CreatesASimpleAndAMultiplePenaFromThePenaManagerTab) {
    Program p;
    CreationFlow* flow = p.window->creationFlow();
    ASSERT_NE(flow, nullptr);

    BetModeMenu* menu = p.openMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    click(menu->sencillaBox());
    EXPECT_EQ(p.state.view.newPenaMode, 0);
    CreationForm* form = flow->form();
    ASSERT_NE(form, nullptr);
    // The window manager handing focus around must not close the new form: a
    // while in which nothing may happen, so a plain wait.
    QTest::qWait(50);
    EXPECT_EQ(flow->menu(), nullptr);
    ASSERT_EQ(flow->form(), form);
    EXPECT_TRUE(form->isVisible());

    typeText(form->nameBox(), QStringLiteral("los del bar"));
    p.fake.clock.setTime(QTime(10, 15, 2, 31));
    click(form->aleatorioButton());
    runTransition(form);
    click(form->aleatorioButton());
    p.fake.clock.setTime(QTime(19, 40, 55, 870));
    click(form->aleatorioButton());
    runTransition(form);
    click(form->aleatorioButton());
    EXPECT_EQ(form->core().completeBets(), 2);
    click(form->grabarButton());
    EXPECT_EQ(p.state.view.penaAdded, 1);
    EXPECT_EQ(p.state.nextPenaRecord, 2);

    // Back in the main window: the views are refreshed and the form closes.
    p.window->activated();
    EXPECT_TRUE(QTest::qWaitFor([&] { return flow->form() == nullptr; }));
    EXPECT_EQ(p.state.view.penaAdded, 0);
    EXPECT_EQ(p.window->penaManager()->penaList()->topLevelItemCount(), 1);

    menu = p.openMenu();
    ASSERT_NE(menu, nullptr);
    click(menu->multipleBox());
    click(menu->numberOption(8));
    click(menu->starOption(3));
    EXPECT_EQ(p.state.view.newPenaMode, 183);
    form = flow->form();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(form));
    typeText(form->nameBox(), QStringLiteral("múltiple"));
    click(form->dayOption(DayFilter::Friday));
    for (int cell : {50, 1, 17, 33, 2, 40, 9, 28})
        clickCell(form, cell);
    runTransition(form);
    for (int star : {12, 6, 1})
        clickCell(form, NumberGrid::starCell(star));
    click(form->grabarButton());
    p.window->activated();
    EXPECT_TRUE(QTest::qWaitFor([&] { return flow->form() == nullptr; }));

    const QList<PenaRecord> penas = storedPenas(p.dir);
    ASSERT_EQ(penas.size(), 2);
    const PenaRecord& simple = penas[0];
    EXPECT_EQ(simple.storedName(), QStringLiteral("LOS DEL BAR         "));
    EXPECT_EQ(simple.betMode, 2);
    EXPECT_EQ(simple.dayFilterText(), QStringLiteral("Todos"));
    EXPECT_EQ(simple.createdOn, oleFromDate(QDate(2023, 3, 7)));
    // Saved with nothing counted; the results pass on returning to the main
    // window has since moved it to the newest stored draw.
    EXPECT_EQ(simple.lastCounted, p.state.latestDraw.drawDate);
    EXPECT_TRUE(isSoundPena(simple));
    EXPECT_NE(simple.numbers[0], simple.numbers[1]); // two seeds, two bets
    for (int b = 0; b < 2; ++b) {
        const std::set<int> numbers(simple.numbers[b].begin(), simple.numbers[b].begin() + 5);
        EXPECT_EQ(numbers.size(), 5u);
        EXPECT_TRUE(std::is_sorted(simple.numbers[b].begin(), simple.numbers[b].begin() + 5));
        EXPECT_LT(simple.stars[b][0], simple.stars[b][1]);
    }
    const PenaRecord& multiple = penas[1];
    EXPECT_EQ(multiple.nameText(), QStringLiteral("MÚLTIPLE"));
    EXPECT_EQ(multiple.betMode, 183);
    EXPECT_EQ(multiple.dayFilter, QByteArray("Viernes        "));
    EXPECT_EQ((std::array<qint16, 10>{1, 2, 9, 17, 28, 33, 40, 50, 0, 0}), multiple.numbers[0]);
    EXPECT_EQ((std::array<qint16, 5>{1, 6, 12, 0, 0}), multiple.stars[0]);
    EXPECT_EQ(p.state.nextPenaRecord, 3);
    EXPECT_EQ(p.window->penaManager()->penaList()->topLevelItemCount(), 2);
}

TEST(CreationFlow, ClosingTheMenuCreatesNothing) {
    Program p;
    p.state.view.newPenaMode = 174;
    BetModeMenu* menu = p.openMenu();
    ASSERT_NE(menu, nullptr);
    menu->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.window->creationFlow()->menu() == nullptr; }));
    EXPECT_EQ(p.window->creationFlow()->form(), nullptr);
    EXPECT_EQ(p.state.view.newPenaMode, 174);
    EXPECT_TRUE(p.dir.read(QStringLiteral("apuestas.dat")).isEmpty());

    // Activating the main window closes a menu left open.
    menu = p.openMenu();
    ASSERT_NE(menu, nullptr);
    p.window->activated();
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.window->creationFlow()->menu() == nullptr; }));
}
