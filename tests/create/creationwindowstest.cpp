#include "create/betmodemenu.h"
#include "create/creationform.h"
#include "create/namebox.h"
#include "create/numbergridwidget.h"
#include "store/appstate.h"
#include "support/fakes.h"
#include "support/tempfolder.h"

#include "support/uiinput.h"
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

using namespace creationtext;

namespace {

void clickCell(CreationForm& form, int cell) {
    QTest::mouseClick(form.grid(), Qt::LeftButton, {}, form.grid()->cellRect(cell).center());
}

void runTransition(CreationForm& form) {
    for (int i = 0; i < 10 && form.transitionTimer()->isActive(); ++i)
        form.transitionTick();
}

QTextCharFormat formatAt(QTextEdit* edit, int position) {
    QTextCursor c(edit->document());
    c.setPosition(position + 1); // the format of the character before the cursor
    return c.charFormat();
}

struct FormFixture {
    FormFixture() { state.files.openAll(dir.path()); }
    TempFolder dir;
    AppState state;
    FakePlatform fake;
};

} // namespace

TEST(BetModeMenuWindow, ChoosesTheModeThroughItsOptions) {
    BetModeMenu menu;
    menu.show();
    QSignalSpy chosen(&menu, &BetModeMenu::chosen);
    EXPECT_EQ(menu.windowTitle(), QStringLiteral("Menú creación"));
    EXPECT_FALSE(menu.sencillaBox()->isChecked());
    EXPECT_FALSE(menu.multipleBox()->isChecked());
    EXPECT_FALSE(menu.numberOption(5)->isVisible());
    EXPECT_FALSE(menu.starOption(2)->isVisible());
    EXPECT_FALSE(menu.table()->isVisible());
    EXPECT_TRUE(menu.animationTimer()->isActive());
    EXPECT_EQ(menu.animationTimer()->interval(), 500);
    for (int i = 0; i < 3; ++i)
        menu.animationTick();
    EXPECT_EQ(menu.state().visibleMarks(), 3);

    click(menu.multipleBox());
    EXPECT_TRUE(menu.multipleBox()->isChecked());
    EXPECT_TRUE(menu.table()->isVisible());
    EXPECT_FALSE(menu.animationTimer()->isActive());
    for (int n = 5; n <= 10; ++n) {
        EXPECT_TRUE(menu.numberOption(n)->isVisible());
        EXPECT_TRUE(menu.numberOption(n)->isEnabled());
        EXPECT_EQ(menu.numberOption(n)->text(), QStringLiteral("%1 números").arg(n));
    }
    menu.grab().save(QStringLiteral("/tmp/create-menu-numbers.png"));

    click(menu.numberOption(5));
    EXPECT_FALSE(menu.numberOption(5)->isVisible());
    for (int s = 2; s <= 5; ++s) {
        EXPECT_TRUE(menu.starOption(s)->isVisible());
        EXPECT_EQ(menu.starOption(s)->geometry().topLeft(),
                  menu.numberOption(s + 3)->geometry().topLeft());
    }
    EXPECT_FALSE(menu.starOption(2)->isEnabled());
    EXPECT_TRUE(menu.starOption(3)->isEnabled());
    click(menu.starOption(2));
    EXPECT_EQ(chosen.count(), 0);

    click(menu.multipleBox()); // unticked: back to waiting, marks go on
    EXPECT_FALSE(menu.multipleBox()->isChecked());
    EXPECT_FALSE(menu.starOption(3)->isVisible());
    EXPECT_FALSE(menu.table()->isVisible());
    EXPECT_TRUE(menu.animationTimer()->isActive());
    for (int i = 0; i < 11; ++i)
        menu.animationTick();
    EXPECT_FALSE(menu.animationTimer()->isActive());

    click(menu.multipleBox());
    click(menu.numberOption(7));
    EXPECT_TRUE(menu.starOption(2)->isEnabled());
    menu.grab().save(QStringLiteral("/tmp/create-menu-stars.png"));
    click(menu.starOption(2));
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 172);
}

TEST(BetModeMenuWindow, SencillaGivesZero) {
    BetModeMenu menu;
    menu.show();
    QSignalSpy chosen(&menu, &BetModeMenu::chosen);
    click(menu.sencillaBox());
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen.at(0).at(0).toInt(), 0);
}

TEST(CreationFormWindow, NameBoxTakesOnlyWhatCanBeStored) {
    FormFixture f;
    CreationForm form(f.state, f.fake.platform, 0);
    form.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Crear peña nueva..."));
    EXPECT_EQ(form.instructionLabel()->text(),
              QStringLiteral("INTRODUZCA EL NOMBRE, 5 NÚMEROS Y 2 ESTRELLAS:"));
    NameBox* box = form.nameBox();
    typeText(box, QStringLiteral("peña ávila"));
    EXPECT_EQ(box->text(), QStringLiteral("PEÑA ÁVILA"));
    typeText(box, QStringLiteral("☺µ"));
    EXPECT_EQ(box->text(), QStringLiteral("PEÑA ÁVILAµ"));
    // A refused character typed over a selection leaves the name as it was.
    box->selectAll();
    typeText(box, QStringLiteral("☺"));
    EXPECT_EQ(box->text(), QStringLiteral("PEÑA ÁVILAµ"));
    EXPECT_EQ(form.core().name(), box->text());

    // Pasted text keeps its case but loses what the file cannot hold.
    box->clear();
    QApplication::clipboard()->setText(QStringLiteral("los de ☺ aquí"));
    box->paste();
    EXPECT_EQ(box->text(), QStringLiteral("los de  aquí"));
    EXPECT_EQ(form.core().name(), box->text());

    box->clear();
    QTest::keyClicks(box, QStringLiteral("abcdefghijklmnopqrst"));
    EXPECT_EQ(box->text().size(), 20);
    EXPECT_TRUE(f.fake.prompter.shown.isEmpty());
    QTest::keyClicks(box, QStringLiteral("u"));
    ASSERT_EQ(f.fake.prompter.shown.size(), 1);
    EXPECT_EQ(f.fake.prompter.shown[0].text, kNameTooLong);
    EXPECT_EQ(f.fake.prompter.shown[0].title, kError);
    EXPECT_EQ(f.fake.prompter.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(box->text(), QStringLiteral("AYYYYYY!!"));
}

TEST(CreationFormWindow, MarksABetOnTheGridAndSavesIt) {
    FormFixture f;
    CreationForm form(f.state, f.fake.platform, 0);
    form.show();
    EXPECT_EQ(form.betNumberLabel()->text(), QStringLiteral("1"));
    EXPECT_TRUE(form.dayOption(DayFilter::Both)->isChecked());
    EXPECT_FALSE(form.grabarButton()->isEnabled());
    EXPECT_FALSE(form.borrarButton()->isEnabled());
    EXPECT_TRUE(form.aleatorioButton()->isEnabled());

    for (int cell : {47, 3, 33, 25, 12})
        clickCell(form, cell);
    EXPECT_EQ(form.core().phase(), NumberGrid::Phase::Transition);
    EXPECT_TRUE(form.transitionTimer()->isActive());
    EXPECT_EQ(form.transitionTimer()->interval(), 100);
    EXPECT_FALSE(form.aleatorioButton()->isEnabled());
    form.transitionTick();
    form.transitionTick();
    form.grab().save(QStringLiteral("/tmp/create-form-transition.png"));
    runTransition(form);
    EXPECT_EQ(form.core().phase(), NumberGrid::Phase::Stars);
    EXPECT_FALSE(form.transitionTimer()->isActive());
    EXPECT_TRUE(form.aleatorioButton()->isEnabled());
    clickCell(form, NumberGrid::starCell(11));
    form.grab().save(QStringLiteral("/tmp/create-form-stars.png"));
    clickCell(form, NumberGrid::starCell(2));

    QTextEdit* list = form.betList();
    EXPECT_EQ(list->toPlainText(), QStringLiteral(" 3-12-25-33-47 Estrellas:  2-11 "));
    EXPECT_TRUE(list->isReadOnly());
    EXPECT_TRUE(list->font().fixedPitch());
    const QTextCharFormat red = formatAt(list, 15);
    EXPECT_EQ(red.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(red.fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(list, 23).foreground().color(), QColor(255, 0, 0)); // last "s"
    EXPECT_NE(formatAt(list, 24).fontWeight(), QFont::Bold);               // the colon
    const QTextCharFormat green = formatAt(list, 30);
    EXPECT_EQ(green.foreground().color(), QColor(0, 192, 0));
    EXPECT_EQ(green.fontWeight(), QFont::Bold);
    EXPECT_NE(formatAt(list, 31).fontWeight(), QFont::Bold);
    EXPECT_NE(formatAt(list, 5).fontWeight(), QFont::Bold);
    EXPECT_EQ(form.betNumberLabel()->text(), QStringLiteral("2"));
    EXPECT_TRUE(form.grabarButton()->isEnabled());
    EXPECT_TRUE(form.borrarButton()->isEnabled());

    // A second bet at random, then taken back with "Borrar".
    click(form.aleatorioButton());
    EXPECT_EQ(form.core().grid().numberMarks(), 5);
    runTransition(form);
    click(form.aleatorioButton());
    EXPECT_EQ(list->document()->blockCount(), 2);
    EXPECT_EQ(form.betNumberLabel()->text(), QStringLiteral("3"));
    form.grab().save(QStringLiteral("/tmp/create-form-two-bets.png"));
    click(form.borrarButton());
    EXPECT_EQ(list->toPlainText(), QStringLiteral(" 3-12-25-33-47 Estrellas:  2-11 "));
    EXPECT_EQ(form.betNumberLabel()->text(), QStringLiteral("2"));

    // "Grabar" without a name: the message, and the grid then wants only a name.
    click(form.grabarButton());
    ASSERT_EQ(f.fake.prompter.shown.size(), 1);
    EXPECT_EQ(f.fake.prompter.shown[0].text, kNameMissing);
    EXPECT_FALSE(form.borrarButton()->isEnabled());
    EXPECT_FALSE(form.aleatorioButton()->isEnabled());
    clickCell(form, 8);
    ASSERT_EQ(f.fake.prompter.shown.size(), 2);
    EXPECT_EQ(f.fake.prompter.shown[1].text, kNameOnly);
    EXPECT_FALSE(form.core().grid().isMarked(8));

    QTest::keyClicks(form.nameBox(), QStringLiteral("martes"));
    click(form.dayOption(DayFilter::Tuesday));
    QSignalSpy saved(&form, &CreationForm::penaSaved);
    click(form.grabarButton());
    EXPECT_EQ(saved.count(), 1);
    EXPECT_EQ(f.fake.prompter.shown.size(), 2);
    const auto pena = f.state.files.readPena(1);
    ASSERT_TRUE(pena.has_value());
    EXPECT_EQ(pena->nameText(), QStringLiteral("MARTES"));
    EXPECT_EQ(pena->dayFilterText(), QStringLiteral("Martes"));
    EXPECT_EQ(pena->betMode, 1);
    EXPECT_EQ((std::array<qint16, 5>{2, 11, 0, 0, 0}), pena->stars[0]);
    EXPECT_EQ(f.state.view.penaAdded, 1);

    EXPECT_TRUE(form.nameBox()->text().isEmpty());
    EXPECT_TRUE(list->toPlainText().isEmpty());
    EXPECT_EQ(form.betNumberLabel()->text(), QStringLiteral("1"));
    EXPECT_FALSE(form.grabarButton()->isEnabled());
    EXPECT_FALSE(form.borrarButton()->isEnabled());
    EXPECT_TRUE(form.aleatorioButton()->isEnabled());
    EXPECT_TRUE(form.dayOption(DayFilter::Tuesday)->isChecked());
}

TEST(CreationFormWindow, MultipleBetShowsTwoLines) {
    FormFixture f;
    CreationForm form(f.state, f.fake.platform, 192);
    form.show();
    EXPECT_EQ(form.instructionLabel()->text(),
              QStringLiteral("INTRODUZCA EL NOMBRE, 9 NÚMEROS Y 2 ESTRELLAS:"));
    for (int cell = 42; cell <= 50; ++cell)
        clickCell(form, cell);
    runTransition(form);
    clickCell(form, NumberGrid::starCell(12));
    clickCell(form, NumberGrid::starCell(1));
    EXPECT_EQ(form.betList()->toPlainText(),
              QStringLiteral("42-43-44-45-46-47-48-49-50\n Estrellas:  1-12 "));
    EXPECT_EQ(formatAt(form.betList(), 38).foreground().color(), QColor(0, 192, 0));
    form.grab().save(QStringLiteral("/tmp/create-form-multiple.png"));
    clickCell(form, 1);
    ASSERT_EQ(f.fake.prompter.shown.size(), 1);
    EXPECT_EQ(f.fake.prompter.shown[0].text, kMultipleLimit);
}
