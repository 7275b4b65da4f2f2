#include "app/axisscale.h"

#include <gtest/gtest.h>

TEST(AxisScale, TicksAreWholeEvenStepsThatCoverTheTallestBar) {
    struct Case {
        int top, maximum, step, ticks;
    };
    for (const Case& c : {Case{0, 1, 1, 2}, Case{1, 1, 1, 2}, Case{3, 3, 1, 4}, Case{4, 4, 1, 5},
                          Case{5, 6, 2, 4}, Case{35, 40, 10, 5}, Case{41, 60, 20, 4},
                          Case{199, 200, 50, 5}, Case{32767, 40000, 10000, 5}}) {
        SCOPED_TRACE(c.top);
        const AxisScale s = axisScale(c.top);
        EXPECT_EQ(s.maximum, c.maximum);
        EXPECT_EQ(s.step, c.step);
        EXPECT_EQ(s.ticks, c.ticks);
        EXPECT_EQ(s.step * (s.ticks - 1), s.maximum);
    }
}
