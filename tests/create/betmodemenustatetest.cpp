#include "create/betmodemenustate.h"

#include <gtest/gtest.h>

using Stage = BetModeMenuState::Stage;

TEST(BetModeMenuState, OpensWaitingWithTheMarksAppearingOneByOne) {
    BetModeMenuState menu;
    menu.open();
    EXPECT_EQ(menu.stage(), Stage::Waiting);
    EXPECT_FALSE(menu.multipleTicked());
    EXPECT_FALSE(menu.tableVisible());
    EXPECT_FALSE(menu.numberOptionsVisible());
    EXPECT_FALSE(menu.starOptionsVisible());
    EXPECT_TRUE(menu.animationRunning());
    EXPECT_EQ(menu.visibleMarks(), 0);
    for (int tick = 1; tick <= 14; ++tick) {
        menu.animationTick();
        EXPECT_EQ(menu.visibleMarks(), tick);
        EXPECT_TRUE(menu.isMarkVisible(tick - 1));
        EXPECT_FALSE(menu.isMarkVisible(tick));
    }
    EXPECT_FALSE(menu.animationRunning());
    menu.animationTick();
    EXPECT_EQ(menu.visibleMarks(), 14);
}

TEST(BetModeMenuState, SencillaGivesZeroFromAnyState) {
    BetModeMenuState menu;
    menu.open();
    EXPECT_EQ(menu.chooseSencilla(), 0);
    EXPECT_EQ(menu.stage(), Stage::Closed);

    menu.open();
    menu.toggleMultiple();
    menu.chooseNumbers(8);
    EXPECT_EQ(menu.chooseSencilla(), 0);
    EXPECT_EQ(menu.stage(), Stage::Closed);
}

TEST(BetModeMenuState, FiveNumbersNeverOffersTwoStars) {
    BetModeMenuState menu;
    menu.open();
    menu.toggleMultiple();
    EXPECT_TRUE(menu.numberOptionsVisible());
    EXPECT_TRUE(menu.tableVisible());
    menu.chooseNumbers(5);
    EXPECT_FALSE(menu.numberOptionsVisible());
    EXPECT_TRUE(menu.starOptionsVisible());
    EXPECT_FALSE(menu.starOptionEnabled(2));
    EXPECT_TRUE(menu.starOptionEnabled(3));
    EXPECT_TRUE(menu.starOptionEnabled(5));
    EXPECT_EQ(menu.chooseStars(2), std::nullopt);
    EXPECT_EQ(menu.stage(), Stage::ChoosingStars);
    EXPECT_EQ(menu.chooseStars(3), 153);
    EXPECT_EQ(menu.stage(), Stage::Closed);
}

TEST(BetModeMenuState, EveryMultipleCode) {
    for (int n = 5; n <= 10; ++n) {
        for (int s = 2; s <= 5; ++s) {
            BetModeMenuState menu;
            menu.open();
            menu.toggleMultiple();
            menu.chooseNumbers(n);
            const auto code = menu.chooseStars(s);
            if (n == 5 && s == 2)
                EXPECT_EQ(code, std::nullopt);
            else
                EXPECT_EQ(code, 100 + 10 * n + s) << n << " " << s;
        }
    }
    BetModeMenuState menu;
    menu.open();
    menu.toggleMultiple();
    menu.chooseNumbers(10);
    EXPECT_EQ(menu.chooseStars(5), 205);
}

TEST(BetModeMenuState, UntickingReturnsToTheNumberChoice) {
    BetModeMenuState menu;
    menu.open();
    menu.toggleMultiple();
    menu.chooseNumbers(5);
    menu.toggleMultiple(); // unticked
    EXPECT_EQ(menu.stage(), Stage::Waiting);
    EXPECT_FALSE(menu.starOptionsVisible());
    EXPECT_FALSE(menu.tableVisible());
    EXPECT_EQ(menu.chooseStars(3), std::nullopt); // star options are gone
    menu.toggleMultiple();                        // ticked again
    EXPECT_TRUE(menu.numberOptionsVisible());
    menu.chooseNumbers(7);
    EXPECT_TRUE(menu.starOptionEnabled(2));
    EXPECT_EQ(menu.chooseStars(2), 172);
}

TEST(BetModeMenuState, TickingPausesTheMarksAndUntickingResumesThem) {
    BetModeMenuState menu;
    menu.open();
    for (int i = 0; i < 4; ++i)
        menu.animationTick();
    menu.toggleMultiple();
    EXPECT_FALSE(menu.animationRunning());
    menu.animationTick(); // a stray tick changes nothing
    EXPECT_EQ(menu.visibleMarks(), 4);
    menu.toggleMultiple();
    EXPECT_TRUE(menu.animationRunning());
    menu.animationTick();
    EXPECT_EQ(menu.visibleMarks(), 5);

    // Once all fourteen are out, unticking does not restart anything.
    for (int i = 0; i < 20; ++i)
        menu.animationTick();
    menu.toggleMultiple();
    menu.toggleMultiple();
    EXPECT_FALSE(menu.animationRunning());
    EXPECT_EQ(menu.visibleMarks(), 14);
}

TEST(BetModeMenuState, NumberOptionsOnlyCountWhileShown) {
    BetModeMenuState menu;
    menu.open();
    menu.chooseNumbers(6); // not ticked yet
    EXPECT_EQ(menu.stage(), Stage::Waiting);
    EXPECT_EQ(menu.chooseStars(3), std::nullopt);
    menu.close();
    EXPECT_EQ(menu.stage(), Stage::Closed);
}

TEST(BetModeMenuState, TableOfMultipleBets) {
    EXPECT_EQ(BetModeMenuState::tableCell(5, 2), QStringLiteral("---"));
    EXPECT_EQ(BetModeMenuState::betsFor(6, 2), 6);
    EXPECT_EQ(BetModeMenuState::betsFor(5, 3), 3);
    EXPECT_EQ(BetModeMenuState::betsFor(7, 4), 126);
    EXPECT_EQ(BetModeMenuState::tableCell(10, 5), QStringLiteral("2520"));
}
