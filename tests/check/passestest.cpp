#include "checkfixture.h"
#include "store/dates.h"

#include <gtest/gtest.h>

namespace {

const QDate kTuesday(2023, 3, 7);
const QDate kFriday(2023, 3, 10);

using Bet = std::pair<std::array<int, 5>, std::array<int, 2>>;
const Bet kLoser{{10, 11, 12, 13, 14}, {5, 6}};
const Bet kThreePlusNone{{1, 2, 3, 20, 21}, {5, 6}}; // against 1 2 3 4 5 + 1 2: 3+0

QString header(const char* name) {
    return QStringLiteral("H PEÑA ") + QString::fromUtf8(name).leftJustified(20, QLatin1Char(' '));
}

} // namespace

TEST(SimpleResults, NoStoredDrawsEmptyListAndNothingWritten) {
    CheckFolder f;
    f.open({makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), kTuesday, {kLoser})},
           {});
    const QByteArray before = f.penaFile();
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 1);
    EXPECT_TRUE(lists.simple->rows.empty());
    EXPECT_TRUE(lists.multiple->rows.empty());
    EXPECT_EQ(f.penaFile(), before);
}

TEST(SimpleResults, BlocksOfHeadAndEveryBet) {
    CheckFolder f;
    f.open({makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), kTuesday,
                           {kLoser, kThreePlusNone, kLoser}),
            makeSimplePena(QStringLiteral("Dos"), QStringLiteral("Martes"), kTuesday, {kLoser})},
           {makeDraw(kTuesday, {1, 2, 3, 4, 5}, {1, 2})});
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 1);
    const QString none;
    EXPECT_EQ(rowTexts(*lists.simple),
              (QStringList{
                  QStringLiteral("-|||||||||"),
                  QStringLiteral("H|||||||||PEÑA Uno                 "),
                  QStringLiteral("D|||||||||07/03/2023 Martes"),
                  QStringLiteral("B||10|11|12|13|14|5|6|"),
                  QStringLiteral("B||1|2|3|20|21|5|6|¡¡ Premio !! Hay 3 + 0 estrellas."),
                  QStringLiteral("B||10|11|12|13|14|5|6|"),
                  QStringLiteral("-|||||||||"), // the second block starts at row 7
                  QStringLiteral("H|||||||||PEÑA Dos                 "),
                  QStringLiteral("D|||||||||07/03/2023 Martes"),
                  QStringLiteral("B||10|11|12|13|14|5|6|"),
              }));
    EXPECT_EQ(f.pena(1).hits[9], 1); // 3+0 is k = 10
    EXPECT_TRUE(lists.multiple->rows.empty());
}

TEST(SimpleResults, OnlyWithPrizeKeepsWinningBetsUnderTheirHead) {
    CheckFolder f;
    f.state.view.onlyWithPrize = true;
    f.open({makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), kTuesday,
                           {kLoser, kThreePlusNone, kLoser}),
            makeSimplePena(QStringLiteral("Nada"), QStringLiteral("Todos"), kTuesday,
                           {kLoser, kLoser, kLoser}),
            makeSimplePena(QStringLiteral("Tres"), QStringLiteral("Todos"), kTuesday,
                           {kThreePlusNone, kLoser, {{1, 2, 30, 31, 32}, {1, 7}}})},
           {makeDraw(kTuesday, {1, 2, 3, 4, 5}, {1, 2})});
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 1);
    EXPECT_EQ(
        rowComments(*lists.simple),
        (QStringList{QStringLiteral("- "), header("Uno"), QStringLiteral("D 07/03/2023 Martes"),
                     QStringLiteral("B ¡¡ Premio !! Hay 3 + 0 estrellas."), QStringLiteral("- "),
                     header("Tres"), QStringLiteral("D 07/03/2023 Martes"),
                     QStringLiteral("B ¡¡ Premio !! Hay 3 + 0 estrellas."),
                     QStringLiteral("B ¡¡ Premio !! Hay 2 + 1 estrella.")}));
    // Rows 4 and 8 are the winning bets 2 of "Uno" and 1 of "Tres".
    EXPECT_EQ(cellText(*lists.simple, 3, 1), QStringLiteral("1"));
    EXPECT_EQ(lists.simple->rows[3].aux, 1u);
    EXPECT_EQ(lists.simple->rows[7].aux, 0u);
    EXPECT_EQ(lists.simple->rows[8].aux, 2u);

    // Nobody wins: nothing is left.
    f.state.files.writePena(
        1, makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), kTuesday, {kLoser}));
    f.state.files.writePena(3, makeSimplePena(QStringLiteral("Tres"), QStringLiteral("Todos"),
                                              kTuesday, {kLoser, kLoser}));
    EXPECT_TRUE(buildSimpleResults(f.state, f.blink, 1).simple->rows.empty());
}

TEST(SimpleResults, HitCellsAndPrizeColours) {
    CheckFolder f;
    f.open({makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), kTuesday,
                           {{{1, 2, 3, 4, 5}, {1, 2}},
                            {{1, 30, 31, 32, 33}, {1, 9}},
                            {{1, 2, 9, 10, 11}, {7, 8}}})},
           {makeDraw(kTuesday, {1, 2, 40, 41, 42}, {1, 9})});
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 1);
    const ResultsList& l = *lists.simple;
    ASSERT_EQ(l.rows.size(), 6u);
    // 1 2 3 4 5 + 1 2: cells 1, 2 and 6 red, 3..5 default, 7 grey; 2+1 in green.
    EXPECT_EQ(cellColour(l, 3, 0), std::nullopt);
    EXPECT_EQ(cellColour(l, 3, 1), kRed);
    EXPECT_EQ(cellColour(l, 3, 2), kRed);
    for (int c = 3; c <= 5; ++c)
        EXPECT_EQ(cellColour(l, 3, c), std::nullopt) << c;
    EXPECT_EQ(cellColour(l, 3, 6), kRed);
    EXPECT_EQ(cellColour(l, 3, 7), kGrey);
    EXPECT_EQ(cellText(l, 3, 8), QStringLiteral("¡¡ Premio !! Hay 2 + 1 estrella."));
    EXPECT_EQ(cellColour(l, 3, 8), kGreen);
    // One number and both stars: 1+2, plural, green.
    EXPECT_EQ(cellText(l, 4, 8), QStringLiteral("¡¡ Premio !! Hay 1 + 2 estrellas."));
    EXPECT_EQ(cellColour(l, 4, 8), kGreen);
    EXPECT_EQ(cellColour(l, 4, 7), kRed);
    // 2+0, singular.
    EXPECT_EQ(cellText(l, 5, 8), QStringLiteral("¡¡ Premio !! Hay 2 + 0 estrella."));
    EXPECT_EQ(cellColour(l, 5, 6), kGrey);
    EXPECT_EQ(cellColour(l, 5, 7), kGrey);
    EXPECT_EQ(cellColour(l, 1, 8), rgb(128, 0, 0));
    EXPECT_EQ(cellColour(l, 2, 8), rgb(0, 128, 0));
    EXPECT_EQ(cellColour(l, 0, 8), std::nullopt);
    EXPECT_EQ(simplePrizeText(1), QStringLiteral("¡¡ Premio !! Hay 5 + 2 estrellas."));
}

TEST(SimpleResults, WindowIsTheNewestDrawsNewestFirst) {
    CheckFolder f;
    const QList<DrawRecord> draws = drawSeries(QDate(2023, 1, 3), 10);
    f.open({makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), QDate(2023, 1, 1),
                           {kLoser})},
           draws);
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 3);
    QStringList dates;
    for (std::size_t r = 0; r < lists.simple->rows.size(); ++r)
        if (lists.simple->rows[r].rowKind() == RowKind::DrawDate)
            dates.append(cellText(*lists.simple, r, 8));
    EXPECT_EQ(dates, (QStringList{drawDateText(draws[9]), drawDateText(draws[8]),
                                  drawDateText(draws[7])}));
    EXPECT_EQ(f.pena(1).lastCounted, draws[9].drawDate);
}

// Every draw not counted yet adds its prizes on the next pass, inside the
// list's window or not, and never a second time.
TEST(SimpleResults, EveryDrawNotCountedYetCountsOnceWhateverTheWindow) {
    CheckFolder f;
    // Every draw gives each bet 3+0.
    const QList<DrawRecord> draws = drawSeries(kTuesday, 4, {1, 2, 3, 44, 45}, {11, 12});
    f.open({makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), kTuesday,
                           {kThreePlusNone, kThreePlusNone})},
           draws);
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 1);
    EXPECT_EQ(lists.simple->rows.size(), 5u); // one draw listed...
    EXPECT_EQ(f.pena(1).hits[9], 8);          // ...four counted
    EXPECT_EQ(f.pena(1).lastCounted, draws[3].drawDate);
    EXPECT_EQ(f.state.currentPena.encode(), f.pena(1).encode());
    const QByteArray once = f.penaFile();
    for (int w : {4, 2, 1}) {
        EXPECT_EQ(buildSimpleResults(f.state, f.blink, w).simple->rows.size(), 5u * unsigned(w));
        EXPECT_EQ(f.penaFile(), once) << w;
    }
}

// LastCounted never moves back: a draw dated on or before it never counts
// again, even when it was deleted and comes back; a newer one still does.
TEST(SimpleResults, LastCountedNeverMovesBack) {
    CheckFolder f;
    QList<DrawRecord> draws = drawSeries(kTuesday, 4, {1, 2, 3, 44, 45}, {11, 12});
    PenaRecord pena =
        makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), kTuesday, {kThreePlusNone});
    pena.lastCounted = draws[2].drawDate; // counted up to a draw since deleted
    pena.hits[9] = 3;
    f.open({pena}, draws.mid(0, 2));
    buildSimpleResults(f.state, f.blink, 1);
    EXPECT_EQ(f.pena(1).lastCounted, draws[2].drawDate);
    EXPECT_EQ(f.pena(1).hits[9], 3);
    // The deleted draw comes back: already counted. The next one counts.
    f.state.files.writeDraw(3, draws[2]);
    f.recount();
    buildSimpleResults(f.state, f.blink, 3);
    EXPECT_EQ(f.pena(1).hits[9], 3);
    f.state.files.writeDraw(4, draws[3]);
    f.recount();
    buildSimpleResults(f.state, f.blink, 1);
    EXPECT_EQ(f.pena(1).hits[9], 4);
    EXPECT_EQ(f.pena(1).lastCounted, draws[3].drawDate);
}

TEST(SimpleResults, DayFilterSkipsTheBlockButLastCountedAdvances) {
    CheckFolder f;
    f.open({makeSimplePena(QStringLiteral("Martes"), QStringLiteral("Martes"), kTuesday,
                           {kThreePlusNone})},
           {makeDraw(kFriday, {1, 2, 3, 4, 5}, {1, 2})});
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 1);
    EXPECT_TRUE(lists.simple->rows.empty());
    EXPECT_EQ(f.pena(1).lastCounted, oleFromDate(kFriday));
    EXPECT_EQ(f.pena(1).hits[9], 0);
}

TEST(SimpleResults, HistoryListsOlderDrawsButNeverCountsThem) {
    CheckFolder f;
    const QList<DrawRecord> draws = drawSeries(QDate(2023, 2, 28), 3, {1, 2, 3, 44, 45}, {11, 12});
    // Created on the Friday: the Tuesday before is history.
    f.open({makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), QDate(2023, 3, 3),
                           {kThreePlusNone})},
           draws);
    EXPECT_EQ(buildSimpleResults(f.state, f.blink, 3).simple->rows.size(), 8u);
    EXPECT_EQ(f.pena(1).hits[9], 2); // the creation day's draw and the next one

    f.state.view.showHistory = true;
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 3);
    ASSERT_EQ(lists.simple->rows.size(), 12u);
    EXPECT_EQ(cellText(*lists.simple, 10, 8), drawDateText(draws[0]));
    EXPECT_EQ(cellText(*lists.simple, 11, 8), QStringLiteral("¡¡ Premio !! Hay 3 + 0 estrellas."));
    EXPECT_EQ(f.pena(1).hits[9], 2);

    // Even on a first pass the history draw adds nothing.
    CheckFolder g;
    g.state.view.showHistory = true;
    g.open({makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), QDate(2023, 3, 3),
                           {kThreePlusNone})},
           draws);
    buildSimpleResults(g.state, g.blink, 3);
    EXPECT_EQ(g.pena(1).hits[9], 2);
}

TEST(SimpleResults, CategoriesLandInTheirStoredOrderAndStopAtTheLimit) {
    CheckFolder f;
    PenaRecord pena = makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), kTuesday,
                                     {{{1, 2, 30, 31, 32}, {1, 2}},  // 2+2: k = 8
                                      {{1, 2, 3, 31, 32}, {1, 9}},   // 3+1: k = 9
                                      {{1, 2, 3, 31, 32}, {8, 9}}}); // 3+0: k = 10
    pena.hits[9] = 32767;
    f.open({pena}, {makeDraw(kTuesday, {1, 2, 3, 4, 5}, {1, 2})});
    buildSimpleResults(f.state, f.blink, 1);
    const QByteArray file = f.penaFile();
    const auto hitAt = [&](int k) {
        return qint16(quint8(file[740 + (k - 1) * 2]) | quint8(file[741 + (k - 1) * 2]) << 8);
    };
    EXPECT_EQ(hitAt(8), 1);
    EXPECT_EQ(hitAt(9), 1);
    EXPECT_EQ(hitAt(10), 32767);
    for (int k : {1, 2, 3, 4, 5, 6, 7, 11, 12, 13})
        EXPECT_EQ(hitAt(k), 0) << k;
}

TEST(SimpleResults, MultiplePeñaGetsNoBlockHereAndItsListIsRebuilt) {
    CheckFolder f;
    f.open({makeMultiplePena(QStringLiteral("Multi"), QStringLiteral("Todos"), kTuesday,
                             {1, 2, 3, 20, 21, 22}, {7, 8}),
            makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), kTuesday, {kLoser})},
           {makeDraw(kTuesday, {1, 2, 3, 4, 5}, {1, 2})});
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 1);
    EXPECT_EQ(rowComments(*lists.simple).at(1), header("Uno"));
    EXPECT_EQ(lists.simple->rows.size(), 4u);
    ASSERT_EQ(lists.multiple->rows.size(), 5u);
    EXPECT_EQ(rowComments(*lists.multiple).at(1), header("Multi"));
    EXPECT_EQ(f.pena(1).hits[9], 3);
    EXPECT_EQ(f.pena(1).lastCounted, oleFromDate(kTuesday));
    EXPECT_EQ(f.state.currentPena.nameText(), QStringLiteral("Uno"));

    // Once the multiple peña is gone its old block does not linger.
    f.state.files.rewritePenas({f.pena(2)});
    f.recount();
    EXPECT_TRUE(buildSimpleResults(f.state, f.blink, 1).multiple->rows.empty());
}

TEST(MultipleResults, ThreeNumbersOfSixGiveTwoPrizeLines) {
    CheckFolder f;
    f.open({makeMultiplePena(QStringLiteral("Multi"), QStringLiteral("Todos"), kTuesday,
                             {1, 2, 3, 20, 21, 22}, {7, 8})},
           {makeDraw(kTuesday, {1, 2, 3, 4, 5}, {1, 2})});
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 1);
    EXPECT_TRUE(lists.simple->rows.empty());
    const ResultsList& l = *lists.multiple;
    EXPECT_EQ(rowTexts(l),
              (QStringList{
                  QStringLiteral("-|||||||||||||||||"),
                  QStringLiteral("H|||||||||||||||||PEÑA Multi               "),
                  QStringLiteral("D|||||||||||||||||07/03/2023 Martes"),
                  QStringLiteral("B||1|2|3|20|21|22|||||7|8||||¡¡ Premio !! Hay 3 apuestas de 3+0"),
                  QStringLiteral("L|||||||||||||||||¡¡ Premio !! Hay 3 apuestas de 2+0"),
              }));
    EXPECT_EQ(cellColour(l, 3, 16), kGreen);
    EXPECT_EQ(cellColour(l, 4, 16), kGreen);
    EXPECT_EQ(cellColour(l, 3, 1), kRed);
    EXPECT_EQ(cellColour(l, 3, 4), std::nullopt);
    EXPECT_EQ(cellColour(l, 3, 11), kGrey);
    EXPECT_EQ(cellColour(l, 3, 13), std::nullopt);
    EXPECT_EQ(f.pena(1).hits[9], 3);
    EXPECT_EQ(f.pena(1).hits[12], 3);
    // A second pass lists the same and adds nothing.
    const QByteArray once = f.penaFile();
    EXPECT_EQ(rowTexts(*buildSimpleResults(f.state, f.blink, 1).multiple), rowTexts(l));
    EXPECT_EQ(f.penaFile(), once);
}

TEST(MultipleResults, TenAndFiveWithEverythingHitGiveThirteenLines) {
    CheckFolder f;
    f.open({makeMultiplePena(QStringLiteral("Todo"), QStringLiteral("Todos"), kTuesday,
                             {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5})},
           {makeDraw(kTuesday, {1, 2, 3, 4, 5}, {1, 2})});
    const std::shared_ptr<ResultsList> l = buildMultipleResults(f.state, f.blink, 1);
    ASSERT_EQ(l->rows.size(), 3u + 13u);
    EXPECT_EQ(cellText(*l, 3, 16), QStringLiteral("¡¡ Premio !! Hay 1 apuestas de 5+2"));
    EXPECT_EQ(cellColour(*l, 3, 16), kRed);
    EXPECT_EQ(cellText(*l, 15, 16), QStringLiteral("¡¡ Premio !! Hay 300 apuestas de 2+0"));
    EXPECT_EQ(cellColour(*l, 15, 16), kGreen);
    EXPECT_EQ(cellColour(*l, 6, 16), kBlue); // 4+2
    EXPECT_EQ(cellColour(*l, 9, 16), kPink); // 3+2
    for (std::size_t r = 4; r < 16; ++r)
        EXPECT_EQ(l->rows[r].rowKind(), RowKind::PrizeLine);
    const PenaRecord after = f.pena(1);
    const int expected[13] = {1, 6, 3, 25, 150, 75, 100, 100, 600, 300, 25, 600, 300};
    for (int k = 0; k < 13; ++k)
        EXPECT_EQ(after.hits[k], expected[k]) << k + 1;
}

TEST(MultipleResults, SevenNumbersThreeStarsLeaveTheUnusedCellsEmpty) {
    CheckFolder f;
    f.open({makeMultiplePena(QStringLiteral("Siete"), QStringLiteral("Todos"), kTuesday,
                             {11, 12, 13, 14, 15, 16, 17}, {3, 4, 5})},
           {makeDraw(kTuesday, {1, 2, 3, 4, 5}, {1, 2})});
    const auto l = buildMultipleResults(f.state, f.blink, 1);
    ASSERT_EQ(l->rows.size(), 4u);
    EXPECT_EQ(rowText(*l, 3), QStringLiteral("B||11|12|13|14|15|16|17||||3|4|5|||"));
}

TEST(MultipleResults, OneNumberNeedsBothStars) {
    CheckFolder f;
    f.open({makeMultiplePena(QStringLiteral("Seis"), QStringLiteral("Todos"), kTuesday,
                             {1, 20, 21, 22, 23, 24}, {1, 2, 9}),
            makeMultiplePena(QStringLiteral("Poco"), QStringLiteral("Todos"), kTuesday,
                             {1, 20, 21, 22, 23, 24}, {1, 9})},
           {makeDraw(kTuesday, {1, 2, 3, 4, 5}, {1, 2})});
    auto l = buildMultipleResults(f.state, f.blink, 1);
    QStringList comments = rowComments(*l);
    ASSERT_EQ(comments.size(), 8);
    EXPECT_EQ(comments[3], QStringLiteral("B ¡¡ Premio !! Hay 5 apuestas de 1+2"));
    EXPECT_EQ(comments[7], QStringLiteral("B "));
    EXPECT_EQ(f.pena(1).hits[10], 5);

    f.state.view.onlyWithPrize = true;
    l = buildMultipleResults(f.state, f.blink, 1);
    EXPECT_EQ(rowComments(*l).size(), 4);
    EXPECT_EQ(rowComments(*l)[1], header("Seis"));
    EXPECT_EQ(f.pena(1).hits[10], 5);
}

TEST(MultipleResults, HistoryDrawListsPrizesWithoutCounting) {
    CheckFolder f;
    f.state.view.showHistory = true;
    f.open({makeMultiplePena(QStringLiteral("Multi"), QStringLiteral("Todos"), kFriday,
                             {1, 2, 3, 20, 21, 22}, {7, 8}),
            makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), kFriday, {kLoser})},
           {makeDraw(kTuesday, {1, 2, 3, 4, 5}, {1, 2})});
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 1);
    EXPECT_EQ(lists.multiple->rows.size(), 5u);
    EXPECT_EQ(f.pena(1).totalHits(), 0);
    EXPECT_EQ(f.pena(1).lastCounted, oleFromDate(kTuesday));
    EXPECT_EQ(f.pena(2).lastCounted, oleFromDate(kTuesday));
}

TEST(MultipleResults, MultipleAddsStopAtTheLimit) {
    CheckFolder f;
    PenaRecord pena = makeMultiplePena(QStringLiteral("Todo"), QStringLiteral("Todos"), kTuesday,
                                       {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2, 3, 4, 5});
    pena.hits[12] = 32600;
    f.open({pena}, {makeDraw(kTuesday, {1, 2, 3, 4, 44}, {11, 12})});
    buildMultipleResults(f.state, f.blink, 1);
    EXPECT_EQ(f.pena(1).hits[12], 32767); // 1200 more would wrap a 16-bit counter
}

TEST(MultipleResults, DamagedModesNeitherCrashNorCount) {
    CheckFolder f;
    PenaRecord odd = makeMultiplePena(QStringLiteral("Rara"), QStringLiteral("Todos"), kTuesday,
                                      {1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5});
    odd.betMode = 199; // nine stars: not a mode
    PenaRecord many = makeSimplePena(QStringLiteral("Muchas"), QStringLiteral("Todos"), kTuesday,
                                     {kThreePlusNone});
    many.betMode = 90; // more bets than a record holds
    f.open({odd, many}, {makeDraw(kTuesday, {1, 2, 3, 4, 5}, {1, 2})});
    const ResultsLists lists = buildSimpleResults(f.state, f.blink, 1);
    EXPECT_EQ(lists.simple->rows.size(), 3u + 24u);
    EXPECT_EQ(lists.multiple->rows.size(), 4u);
    EXPECT_EQ(f.pena(1).totalHits(), 0);
    EXPECT_EQ(f.pena(2).hits[9], 1);
}

TEST(PrizeBlinkFromPasses, TargetsOneTwoAndThree) {
    const auto run = [](bool simplePrize, bool multiplePrize, const QString& label) {
        CheckFolder f;
        f.state.view.newDrawsLabel = label;
        f.open({makeSimplePena(QStringLiteral("Uno"), QStringLiteral("Todos"), kTuesday,
                               {simplePrize ? kThreePlusNone : kLoser}),
                makeMultiplePena(QStringLiteral("Multi"), QStringLiteral("Todos"), kTuesday,
                                 multiplePrize ? QList<int>{1, 2, 3, 20, 21, 22}
                                               : QList<int>{1, 20, 21, 22, 23, 24},
                                 {7, 8})},
               {makeDraw(kTuesday, {1, 2, 3, 4, 5}, {1, 2})});
        buildSimpleResults(f.state, f.blink, 1);
        return std::pair{f.state.view.prizeBlinkTarget, f.blink.running()};
    };
    const QString oneDraw = QStringLiteral("1 sorteo");
    EXPECT_EQ(run(true, false, oneDraw), std::pair(1, true));
    EXPECT_EQ(run(false, true, oneDraw), std::pair(2, true));
    EXPECT_EQ(run(true, true, oneDraw), std::pair(3, true));
    EXPECT_EQ(run(false, false, oneDraw), std::pair(0, false));
    // Without a download's label no pass starts the blink.
    EXPECT_EQ(run(true, true, QString()), std::pair(0, false));
}
