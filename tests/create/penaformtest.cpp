#include "create/penaform.h"
#include "store/dates.h"
#include "store/penastore.h"
#include "store/storeerror.h"
#include "support/fakes.h"
#include "support/tempfolder.h"

#include <QFile>
#include <gtest/gtest.h>
#include <set>

using Phase = NumberGrid::Phase;
using namespace creationtext;

namespace {

class PenaFormTest : public ::testing::Test {
protected:
    void SetUp() override { state.files.openAll(dir.path()); }

    // Marks the numbers, runs the transition out and marks the stars.
    void enterBet(const QList<int>& numbers, const QList<int>& stars) {
        for (int n : numbers)
            ASSERT_EQ(form.clickCell(n), std::nullopt);
        runTransition();
        for (int s : stars)
            ASSERT_EQ(form.clickCell(NumberGrid::starCell(s)), std::nullopt);
    }
    void enterSimple(int first) {
        enterBet({first, first + 1, first + 2, first + 3, first + 4}, {1, 2});
    }
    void runTransition() {
        int ticks = 0;
        while (form.transitionTick())
            ++ticks;
        EXPECT_LE(ticks, NumberGrid::kTransitionSteps);
    }
    QList<PenaRecord> stored() {
        QList<PenaRecord> out;
        const QByteArray bytes = dir.read(QStringLiteral("apuestas.dat"));
        for (qsizetype at = 0; at + kPenaRecordSize <= bytes.size(); at += kPenaRecordSize)
            out.append(PenaRecord::decode(bytes.mid(at, kPenaRecordSize)));
        return out;
    }
    QDate today() const { return fake.clock.today(); }

    TempFolder dir;
    AppState state;
    FakePlatform fake;
    PenaForm form{state, fake.clock, fake.random};
};

} // namespace

TEST_F(PenaFormTest, OpensForTheChosenMode) {
    form.open(0);
    EXPECT_EQ(form.numbersPerBet(), 5);
    EXPECT_EQ(form.starsPerBet(), 2);
    EXPECT_EQ(form.betLimit(), 24);
    EXPECT_EQ(form.instruction(), QStringLiteral("INTRODUZCA EL NOMBRE, 5 NÚMEROS Y 2 ESTRELLAS:"));
    EXPECT_EQ(form.betNumberText(), QStringLiteral("1"));
    EXPECT_FALSE(form.grabarEnabled());
    EXPECT_FALSE(form.borrarEnabled());
    EXPECT_TRUE(form.aleatorioEnabled());
    EXPECT_EQ(form.day(), DayFilter::Both);
    EXPECT_EQ(form.phase(), Phase::Numbers);

    form.open(174);
    EXPECT_EQ(form.numbersPerBet(), 7);
    EXPECT_EQ(form.starsPerBet(), 4);
    EXPECT_EQ(form.betLimit(), 1);
    EXPECT_EQ(form.instruction(), QStringLiteral("INTRODUZCA EL NOMBRE, 7 NÚMEROS Y 4 ESTRELLAS:"));
    EXPECT_EQ(form.starPrompt(), QStringLiteral("MARQUE 4 ESTRELLAS"));
}

TEST(NumberGridLayout, CellsSitInTheirColumns) {
    EXPECT_EQ(NumberGrid::slotOf(1).column, 0);
    EXPECT_EQ(NumberGrid::slotOf(9).row, 8);
    EXPECT_EQ(NumberGrid::slotOf(10).column, 1);
    EXPECT_EQ(NumberGrid::slotOf(10).row, 0);
    EXPECT_EQ(NumberGrid::slotOf(46).column, 5);
    EXPECT_EQ(NumberGrid::slotOf(50).row, 4);
    EXPECT_EQ(NumberGrid::slotOf(NumberGrid::starCell(4)).row, 3);
    EXPECT_EQ(NumberGrid::slotOf(NumberGrid::starCell(5)).column, 1);
    EXPECT_EQ(NumberGrid::slotOf(NumberGrid::starCell(12)).column, 2);
    EXPECT_EQ(NumberGrid::slotOf(NumberGrid::starCell(12)).row, 3);
}

TEST_F(PenaFormTest, PhasesOfOneBet) {
    form.open(0);
    EXPECT_EQ(form.clickCell(NumberGrid::starCell(1)), std::nullopt);
    EXPECT_EQ(form.grid().starMarks(), 0); // stars wait for the numbers
    for (int n : {40, 7, 22, 3})
        form.clickCell(n);
    form.clickCell(22); // cleared again
    EXPECT_EQ(form.grid().numberMarks(), 3);
    form.clickCell(50);
    EXPECT_EQ(form.phase(), Phase::Numbers);
    form.clickCell(1);
    EXPECT_EQ(form.phase(), Phase::Transition);
    EXPECT_FALSE(form.aleatorioEnabled());

    // Nothing responds during the transition.
    form.clickCell(2);
    form.clickCell(NumberGrid::starCell(1));
    EXPECT_EQ(form.grid().numberMarks(), 5);
    EXPECT_EQ(form.grid().starMarks(), 0);

    int ticks = 0;
    while (form.transitionTick())
        ++ticks;
    EXPECT_EQ(ticks + 1, NumberGrid::kTransitionSteps);
    EXPECT_EQ(form.phase(), Phase::Stars);
    EXPECT_TRUE(form.aleatorioEnabled());

    form.clickCell(9); // number cells are done
    EXPECT_FALSE(form.grid().isMarked(9));
    form.clickCell(NumberGrid::starCell(11));
    form.clickCell(NumberGrid::starCell(11));
    form.clickCell(NumberGrid::starCell(11));
    EXPECT_EQ(form.completeBets(), 0);
    form.clickCell(NumberGrid::starCell(2));
    EXPECT_EQ(form.completeBets(), 1);
    EXPECT_EQ(form.phase(), Phase::Numbers);
    EXPECT_EQ(form.grid().numberMarks(), 0);
    EXPECT_EQ(form.grid().starMarks(), 0);
    EXPECT_EQ(form.betNumberText(), QStringLiteral("2"));
    EXPECT_TRUE(form.grabarEnabled());
    EXPECT_TRUE(form.borrarEnabled());

    // Stored in ascending order whatever the click order.
    const auto& p = form.pendingPena();
    EXPECT_EQ((std::array<qint16, 10>{1, 3, 7, 40, 50, 0, 0, 0, 0, 0}), p.numbers[0]);
    EXPECT_EQ((std::array<qint16, 5>{2, 11, 0, 0, 0}), p.stars[0]);
    EXPECT_EQ(form.betList(), QStringLiteral(" 1- 3- 7-40-50 Estrellas:  2-11 "));
}

TEST_F(PenaFormTest, BetListLinesAndColours) {
    form.open(0);
    enterBet({3, 12, 25, 33, 47}, {2, 11});
    const QString first = QStringLiteral(" 3-12-25-33-47 Estrellas:  2-11 ");
    EXPECT_EQ(first.size(), 32);
    EXPECT_EQ(form.betList(), first);
    enterBet({1, 2, 3, 4, 5}, {1, 2});
    const QString second = QStringLiteral(" 1- 2- 3- 4- 5 Estrellas:  1- 2 ");
    EXPECT_EQ(form.betList(), first + QLatin1Char('\n') + second);

    const QList<BetListSpan> spans = form.betListSpans();
    const QList<BetListSpan> expected{{15, 9, BetListSpan::Colour::Red},
                                      {48, 9, BetListSpan::Colour::Red},
                                      {25, 6, BetListSpan::Colour::Green},
                                      {58, 6, BetListSpan::Colour::Green}};
    EXPECT_EQ(spans, expected);
}

TEST_F(PenaFormTest, MultipleBetTakesTwoLinesAndOnlyOneBet) {
    form.open(173);
    enterBet({9, 1, 30, 2, 44, 18, 5}, {12, 3, 7});
    EXPECT_EQ(form.betList(), QStringLiteral(" 1- 2- 5- 9-18-30-44\n Estrellas:  3- 7-12"));
    const QList<BetListSpan> spans = form.betListSpans();
    ASSERT_EQ(spans.size(), 2);
    EXPECT_EQ(spans[1].start, 32);
    EXPECT_EQ(spans[1].length, 9); // the 12 after the colon end with the text
    const auto& p = form.pendingPena();
    EXPECT_EQ((std::array<qint16, 10>{1, 2, 5, 9, 18, 30, 44, 0, 0, 0}), p.numbers[0]);
    EXPECT_EQ((std::array<qint16, 5>{3, 7, 12, 0, 0}), p.stars[0]);

    const auto refused = form.clickCell(10);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->text, kMultipleLimit);
    EXPECT_EQ(refused->title, kError);
    EXPECT_EQ(refused->icon, MessageIcon::Information);
    EXPECT_FALSE(form.grid().isMarked(10));

    // A short star text is padded to six characters.
    form.open(153);
    enterBet({1, 2, 3, 4, 5}, {1, 2, 3});
    EXPECT_EQ(form.betList(), QStringLiteral(" 1- 2- 3- 4- 5 Estrellas:  1- 2- 3"));
    form.open(163);
    enterBet({1, 2, 3, 4, 5, 6}, {4});
    EXPECT_EQ(form.completeBets(), 0);
}

TEST_F(PenaFormTest, TwentyFourSimpleBetsAtMost) {
    form.open(0);
    for (int b = 0; b < 24; ++b)
        enterSimple(1 + b % 40);
    EXPECT_EQ(form.completeBets(), 24);
    EXPECT_EQ(form.betList().size(), 24 * 32 + 23);

    const auto refused = form.clickCell(10);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->text, kSimpleLimit);
    EXPECT_FALSE(form.grid().isMarked(10));

    const auto random = form.randomFill();
    ASSERT_TRUE(random.has_value());
    EXPECT_EQ(random->text, kSimpleLimit);
    EXPECT_EQ(form.grid().numberMarks(), 0);
    EXPECT_FALSE(form.aleatorioEnabled());
}

TEST_F(PenaFormTest, BorrarTakesBackTheLastCompleteBet) {
    form.open(0);
    enterSimple(1);
    enterSimple(10);
    enterSimple(20);
    const QString twoLines = form.betList().left(65);
    form.clickCell(44); // part of the bet being entered
    form.borrar();
    EXPECT_EQ(form.completeBets(), 2);
    EXPECT_EQ(form.betList(), twoLines);
    EXPECT_EQ(form.betNumberText(), QStringLiteral("3"));
    EXPECT_EQ(form.pendingPena().numbers[2][0], 0);
    EXPECT_EQ(form.pendingPena().stars[2][0], 0);
    EXPECT_TRUE(form.grid().isMarked(44));

    form.clickCell(44);
    enterBet({46, 47, 48, 49, 50}, {11, 12});
    EXPECT_EQ(form.pendingPena().numbers[2][0], 46);
    EXPECT_EQ(form.betList().size(), 3 * 32 + 2);

    form.borrar();
    form.borrar();
    form.borrar();
    EXPECT_EQ(form.completeBets(), 0);
    EXPECT_TRUE(form.betList().isEmpty());
    EXPECT_EQ(form.betNumberText(), QStringLiteral("1"));
    EXPECT_FALSE(form.grabarEnabled());
    EXPECT_FALSE(form.borrarEnabled());
    EXPECT_TRUE(form.aleatorioEnabled());
    form.borrar(); // disabled: nothing happens
    EXPECT_EQ(form.completeBets(), 0);

    // The list starts afresh without a leading line break.
    enterSimple(5);
    EXPECT_EQ(form.betList().size(), 32);
}

TEST_F(PenaFormTest, AleatorioFillsDistinctValuesAndSortsThem) {
    form.open(205);
    for (int minute = 0; minute < 40; ++minute) {
        fake.clock.setTime(QTime(10, minute, 7, 123));
        form.open(205);
        form.clickCell(3); // a hand mark is replaced by the random ones
        ASSERT_EQ(form.randomFill(), std::nullopt);
        EXPECT_EQ(form.grid().numberMarks(), 10);
        EXPECT_EQ(form.phase(), Phase::Transition);
        EXPECT_FALSE(form.aleatorioEnabled());
        runTransition();
        form.clickCell(NumberGrid::starCell(4));
        ASSERT_EQ(form.randomFill(), std::nullopt);
        ASSERT_EQ(form.completeBets(), 1);
        const auto& p = form.pendingPena();
        std::set<int> numbers(p.numbers[0].begin(), p.numbers[0].end());
        std::set<int> stars(p.stars[0].begin(), p.stars[0].end());
        EXPECT_EQ(numbers.size(), 10u);
        EXPECT_EQ(stars.size(), 5u);
        EXPECT_TRUE(std::is_sorted(p.numbers[0].begin(), p.numbers[0].end()));
        EXPECT_TRUE(std::is_sorted(p.stars[0].begin(), p.stars[0].end()));
        EXPECT_GE(*numbers.begin(), 1);
        EXPECT_LE(*numbers.rbegin(), 50);
        EXPECT_GE(*stars.begin(), 1);
        EXPECT_LE(*stars.rbegin(), 12);
    }
}

TEST_F(PenaFormTest, AleatorioIsSeededFromTheTimeOfDay) {
    const auto randomBet = [&](QTime t) {
        fake.clock.setTime(t);
        form.open(0);
        form.randomFill();
        runTransition();
        form.randomFill();
        return form.pendingPena().numbers[0];
    };
    const auto a = randomBet(QTime(9, 30, 0, 1));
    EXPECT_EQ(randomBet(QTime(9, 30, 0, 1)), a);
    EXPECT_NE(randomBet(QTime(21, 5, 11, 400)), a);
}

TEST_F(PenaFormTest, NameBoxRules) {
    EXPECT_EQ(PenaForm::typedText(QStringLiteral("peña ávila")), QStringLiteral("PEÑA ÁVILA"));
    EXPECT_EQ(PenaForm::typedText(QStringLiteral("µ€")), QStringLiteral("µ€"));
    EXPECT_EQ(PenaForm::typedText(QStringLiteral("a漢b")), QStringLiteral("AB"));
    EXPECT_EQ(PenaForm::pastedText(QStringLiteral("peña ☺ y")), QStringLiteral("peña  y"));

    form.open(0);
    EXPECT_EQ(form.setName(QStringLiteral("ABCDEFGHIJKLMNOPQRST")), std::nullopt);
    EXPECT_EQ(form.name().size(), 20);
    const auto tooLong = form.setName(QStringLiteral("ABCDEFGHIJKLMNOPQRSTU"));
    ASSERT_TRUE(tooLong.has_value());
    EXPECT_EQ(tooLong->text, kNameTooLong);
    EXPECT_EQ(tooLong->title, kError);
    EXPECT_EQ(tooLong->icon, MessageIcon::Exclamation);
    EXPECT_EQ(form.name(), QStringLiteral("AYYYYYY!!"));
}

TEST_F(PenaFormTest, SavesASimplePena) {
    form.open(0);
    form.setName(QStringLiteral("LOS DE ÑOÑO"));
    form.setDay(DayFilter::Friday);
    enterBet({33, 3, 47, 12, 25}, {11, 2});
    enterBet({1, 2, 3, 4, 5}, {1, 2});
    enterBet({6, 7, 8, 9, 10}, {3, 4});
    form.clickCell(20); // an unfinished bet stays on the grid
    EXPECT_EQ(form.saveNewPena(), SaveResult::Saved);

    const QList<PenaRecord> penas = stored();
    ASSERT_EQ(penas.size(), 1);
    const PenaRecord& p = penas[0];
    EXPECT_EQ(p.storedName(), QStringLiteral("LOS DE ÑOÑO         "));
    EXPECT_EQ(p.name.size(), 20);
    EXPECT_EQ(p.dayFilter, QByteArray("Viernes        "));
    EXPECT_EQ(p.betMode, 3);
    EXPECT_EQ(p.createdOn, oleFromDate(today()));
    EXPECT_EQ(p.lastCounted, 0);
    EXPECT_EQ(p.totalHits(), 0);
    EXPECT_EQ((std::array<qint16, 10>{3, 12, 25, 33, 47, 0, 0, 0, 0, 0}), p.numbers[0]);
    EXPECT_EQ((std::array<qint16, 5>{3, 4, 0, 0, 0}), p.stars[2]);
    for (int b = 3; b < kMaxBets; ++b)
        EXPECT_EQ(p.numbers[b][0], 0);
    EXPECT_TRUE(isSoundPena(p));

    EXPECT_EQ(state.nextPenaRecord, 2);
    EXPECT_EQ(state.view.penaAdded, 1);
    // The form is ready for the next peña, keeping the day and the grid.
    EXPECT_TRUE(form.name().isEmpty());
    EXPECT_TRUE(form.betList().isEmpty());
    EXPECT_EQ(form.betNumberText(), QStringLiteral("1"));
    EXPECT_EQ(form.completeBets(), 0);
    EXPECT_FALSE(form.grabarEnabled());
    EXPECT_FALSE(form.borrarEnabled());
    EXPECT_TRUE(form.aleatorioEnabled());
    EXPECT_EQ(form.day(), DayFilter::Friday);
    EXPECT_TRUE(form.grid().isMarked(20));
    EXPECT_EQ(form.pendingPena().numbers[0][0], 0);

    // The next peña of the same form goes to record 2.
    form.setName(QStringLiteral("SEGUNDA"));
    for (int n : {21, 22, 23, 24})
        form.clickCell(n);
    runTransition();
    form.clickCell(NumberGrid::starCell(5));
    form.clickCell(NumberGrid::starCell(6));
    EXPECT_EQ(form.betList().size(), 32);
    EXPECT_EQ(form.saveNewPena(), SaveResult::Saved);
    ASSERT_EQ(stored().size(), 2);
    EXPECT_EQ(stored()[1].betMode, 1);
    EXPECT_EQ(stored()[1].numbers[0][0], 20);
    EXPECT_EQ(stored()[0].encode(), p.encode());
    EXPECT_EQ(state.nextPenaRecord, 3);
}

TEST_F(PenaFormTest, SavesAMultiplePenaWithItsCode) {
    form.open(183);
    form.setName(QStringLiteral("OCHO"));
    enterBet({1, 5, 9, 13, 17, 21, 25, 29}, {12, 1, 6});
    EXPECT_EQ(form.completeBets(), 1);
    EXPECT_EQ(form.saveNewPena(), SaveResult::Saved);
    const PenaRecord p = stored().at(0);
    EXPECT_EQ(p.betMode, 183);
    EXPECT_EQ(p.dayFilterText(), QStringLiteral("Todos"));
    EXPECT_EQ((std::array<qint16, 10>{1, 5, 9, 13, 17, 21, 25, 29, 0, 0}), p.numbers[0]);
    EXPECT_EQ((std::array<qint16, 5>{1, 6, 12, 0, 0}), p.stars[0]);
    EXPECT_TRUE(isSoundPena(p));
}

TEST_F(PenaFormTest, GrabarChecksInOrder) {
    form.open(0);
    EXPECT_EQ(form.saveNewPena(), SaveResult::NoBets);
    enterSimple(1);

    // 1: the first stored peña comes from the future; it wins over the rest.
    const QDate tomorrow = today().addDays(1);
    dir.writePenas({makeSimplePena(QStringLiteral("FUTURA"), QStringLiteral("Todos"), tomorrow,
                                   {{{1, 2, 3, 4, 5}, {1, 2}}})});
    dir.writeDraws({makeDraw(tomorrow, {1, 2, 3, 4, 5}, {1, 2})});
    state.files.openAll(dir.path());
    EXPECT_EQ(form.saveNewPena(), SaveResult::PenaFromFuture);
    EXPECT_FALSE(form.nameOnlyMode());
    const auto first = PenaForm::saveMessage(SaveResult::PenaFromFuture);
    EXPECT_EQ(first->text, kPenaFromFuture);
    EXPECT_EQ(first->title, kError);
    EXPECT_EQ(first->icon, MessageIcon::Exclamation);

    // 2: a peña created today does not block, the future draw does.
    dir.writePenas({makeSimplePena(QStringLiteral("HOY"), QStringLiteral("Todos"), today(),
                                   {{{1, 2, 3, 4, 5}, {1, 2}}})});
    state.files.openAll(dir.path());
    EXPECT_EQ(form.saveNewPena(), SaveResult::DrawFromFuture);
    EXPECT_EQ(PenaForm::saveMessage(SaveResult::DrawFromFuture)->text, kDrawFromFuture);

    // 3: the name.
    dir.writeDraws({makeDraw(today(), {1, 2, 3, 4, 5}, {1, 2})});
    state.files.openAll(dir.path());
    EXPECT_EQ(form.saveNewPena(), SaveResult::NameMissing);
    EXPECT_EQ(PenaForm::saveMessage(SaveResult::NameMissing)->text, kNameMissing);
    EXPECT_TRUE(form.nameOnlyMode());
    EXPECT_FALSE(form.borrarEnabled());
    EXPECT_FALSE(form.aleatorioEnabled());
    EXPECT_TRUE(form.grabarEnabled());

    // Nothing was written by any of the refusals; the bets are still there.
    EXPECT_EQ(stored().size(), 1);
    EXPECT_EQ(form.completeBets(), 1);

    form.setName(QStringLiteral("   ")); // spaces are a name
    EXPECT_EQ(form.saveNewPena(), SaveResult::Saved);
    EXPECT_EQ(stored().size(), 2);
    EXPECT_EQ(stored()[1].nameText(), QString());
    EXPECT_EQ(state.nextPenaRecord, 3);
}

TEST_F(PenaFormTest, NameOnlyModeRefusesNumbersButLetsStarsFinish) {
    form.open(0);
    enterSimple(1);
    for (int n : {10, 11, 12, 13, 14})
        form.clickCell(n);
    runTransition();
    EXPECT_EQ(form.saveNewPena(), SaveResult::NameMissing);

    // The bet already in its star phase can still be completed.
    form.clickCell(NumberGrid::starCell(7));
    form.clickCell(NumberGrid::starCell(8));
    EXPECT_EQ(form.completeBets(), 2);
    EXPECT_TRUE(form.borrarEnabled());
    EXPECT_TRUE(form.aleatorioEnabled());

    const auto refused = form.clickCell(30);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->text, kNameOnly);
    EXPECT_EQ(refused->icon, MessageIcon::Information);
    EXPECT_FALSE(form.grid().isMarked(30));
    // "Aleatorio" says it once and marks nothing.
    const auto random = form.randomFill();
    ASSERT_TRUE(random.has_value());
    EXPECT_EQ(random->text, kNameOnly);
    EXPECT_EQ(form.grid().numberMarks(), 0);

    form.setName(QStringLiteral("YA TIENE"));
    EXPECT_EQ(form.saveNewPena(), SaveResult::Saved);
    EXPECT_FALSE(form.nameOnlyMode());
    EXPECT_EQ(stored().at(0).betMode, 2);
    EXPECT_EQ(form.clickCell(30), std::nullopt);
    EXPECT_TRUE(form.grid().isMarked(30));
}

TEST_F(PenaFormTest, RefusedAtTheLimitOfPenas) {
    QList<PenaRecord> many;
    for (int i = 0; i < 999; ++i)
        many.append(makeSimplePena(QStringLiteral("P%1").arg(i), QStringLiteral("Todos"), today(),
                                   {{{1, 2, 3, 4, 5}, {1, 2}}}));
    dir.writePenas(many);
    state.files.openAll(dir.path());
    const QByteArray before = dir.read(QStringLiteral("apuestas.dat"));
    form.open(0);
    form.setName(QStringLiteral("UNA MÁS"));
    enterSimple(1);
    EXPECT_EQ(form.saveNewPena(), SaveResult::PenaLimit);
    const auto message = PenaForm::saveMessage(SaveResult::PenaLimit);
    ASSERT_TRUE(message.has_value());
    EXPECT_TRUE(message->text.contains(QStringLiteral("999")));
    EXPECT_EQ(dir.read(QStringLiteral("apuestas.dat")), before);
    EXPECT_EQ(form.completeBets(), 1);
    EXPECT_EQ(state.view.penaAdded, 0);

    // One fewer peña and it goes in as record 999.
    many.removeLast();
    dir.writePenas(many);
    state.files.openAll(dir.path());
    EXPECT_EQ(form.saveNewPena(), SaveResult::Saved);
    EXPECT_EQ(stored().size(), 999);
    EXPECT_EQ(stored().last().nameText(), QStringLiteral("UNA MÁS"));
    EXPECT_EQ(state.nextPenaRecord, 1000);
}

TEST_F(PenaFormTest, AFailedWriteIsNeverReportedAsSaved) {
    form.open(0);
    form.setName(QStringLiteral("NO CABE"));
    enterSimple(1);
    state.files.penas().close(); // the file could not be kept open
    EXPECT_EQ(form.saveNewPena(), SaveResult::Refused);
    const auto message = PenaForm::saveMessage(SaveResult::Refused, form.refusal());
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, QStringLiteral("No se puede modificar el archivo apuestas.dat: no "
                                            "está abierto. No se ha cambiado nada."));
    EXPECT_EQ(message->icon, MessageIcon::Critical);
    EXPECT_EQ(form.name(), QStringLiteral("NO CABE"));
    EXPECT_EQ(form.completeBets(), 1);
    EXPECT_TRUE(form.grabarEnabled());
    EXPECT_EQ(state.view.penaAdded, 0);
    EXPECT_EQ(state.nextPenaRecord, 1);
    EXPECT_TRUE(dir.read(QStringLiteral("apuestas.dat")).isEmpty());

    // Past 32 766 records the file refuses the write.
    state.penaLimit = 40000;
    {
        QFile f(dir.file(QStringLiteral("apuestas.dat")));
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(qint64(kMaxRecords) * kPenaRecordSize));
    }
    state.files.openAll(dir.path());
    EXPECT_EQ(form.saveNewPena(), SaveResult::FileFull);
    EXPECT_EQ(PenaForm::saveMessage(SaveResult::FileFull)->text,
              fileFullText(QStringLiteral("apuestas.dat")));
    EXPECT_EQ(QFile(dir.file(QStringLiteral("apuestas.dat"))).size(),
              qint64(kMaxRecords) * kPenaRecordSize);
    EXPECT_EQ(form.completeBets(), 1);
}
