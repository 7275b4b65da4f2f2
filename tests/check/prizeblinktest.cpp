#include "check/prizeblink.h"
#include "store/appstate.h"

#include <gtest/gtest.h>

TEST(PrizeBlink, SimplePrizeStartsOnlyAfterADownloadAndWhenStopped) {
    AppState state;
    PrizeBlink blink(state);
    blink.simplePrize();
    EXPECT_FALSE(blink.running());
    EXPECT_EQ(state.view.prizeBlinkTarget, 0);

    state.view.newDrawsLabel = QStringLiteral("2 sorteos");
    blink.simplePrize();
    EXPECT_TRUE(blink.running());
    EXPECT_EQ(state.view.prizeBlinkTarget, 1);
}

TEST(PrizeBlink, MultiplePrizeTargets) {
    AppState state;
    state.view.newDrawsLabel = QStringLiteral("1 sorteo");
    PrizeBlink blink(state);
    blink.multiplePrize(); // 0 -> 2, starts
    EXPECT_TRUE(blink.running());
    EXPECT_EQ(state.view.prizeBlinkTarget, 2);
    blink.multiplePrize(); // 2 stays 2
    EXPECT_EQ(state.view.prizeBlinkTarget, 2);
    blink.simplePrize(); // already running: the simple pass leaves it alone
    EXPECT_EQ(state.view.prizeBlinkTarget, 2);

    AppState other;
    other.view.newDrawsLabel = QStringLiteral("1 sorteo");
    PrizeBlink both(other);
    both.simplePrize();
    both.multiplePrize(); // 1 -> 3
    EXPECT_EQ(other.view.prizeBlinkTarget, 3);
    both.multiplePrize(); // 3 -> 3
    EXPECT_EQ(other.view.prizeBlinkTarget, 3);
}

TEST(PrizeBlink, TicksAlternateTheTargetButtons) {
    AppState state;
    state.view.newDrawsLabel = QStringLiteral("1 sorteo");
    PrizeBlink blink(state);
    blink.simplePrize();
    blink.tick();
    EXPECT_TRUE(blink.isRed(0));
    EXPECT_FALSE(blink.isRed(1));
    blink.tick();
    EXPECT_FALSE(blink.isRed(0));

    blink.multiplePrize(); // both now
    blink.tick();
    EXPECT_TRUE(blink.isRed(0));
    EXPECT_TRUE(blink.isRed(1));
    blink.tick();
    EXPECT_FALSE(blink.isRed(0));
    EXPECT_FALSE(blink.isRed(1));
}

TEST(PrizeBlink, StopEmptiesTheLabelAndKeepsTheTarget) {
    AppState state;
    state.view.newDrawsLabel = QStringLiteral("3 sorteos");
    PrizeBlink blink(state);
    blink.multiplePrize();
    blink.tick();
    EXPECT_TRUE(blink.isRed(1));
    EXPECT_TRUE(blink.stop());
    EXPECT_FALSE(blink.running());
    EXPECT_FALSE(blink.isRed(1));
    EXPECT_TRUE(state.view.newDrawsLabel.isEmpty());
    EXPECT_EQ(state.view.prizeBlinkTarget, 2);
    // Nothing to stop now; and with the label empty no prize restarts it.
    state.view.newDrawsLabel = QStringLiteral("kept");
    EXPECT_FALSE(blink.stop());
    EXPECT_EQ(state.view.newDrawsLabel, QStringLiteral("kept"));
    state.view.newDrawsLabel.clear();
    blink.multiplePrize();
    blink.simplePrize();
    EXPECT_FALSE(blink.running());
}
