#include "check/viewoptions.h"
#include "store/appstate.h"

#include <gtest/gtest.h>

// After a download the label says how many draws are new; once the history is
// shown the lists are no longer just those draws.
TEST(ViewOptions, HistoryEmptiesTheNewDrawsLabelAndTheBarSetsDrawsToShow) {
    AppState state;
    state.view.newDrawsLabel = QStringLiteral("3 sorteos");
    EXPECT_EQ(setShowHistory(state, true), QString());
    EXPECT_TRUE(state.view.showHistory);
    EXPECT_TRUE(state.view.newDrawsLabel.isEmpty());
    EXPECT_EQ(setDrawsToShow(state, 8), QStringLiteral("8"));
    EXPECT_EQ(state.view.drawsToShow, 8);
    setOnlyWithPrize(state, true);
    EXPECT_TRUE(state.view.onlyWithPrize);
}
