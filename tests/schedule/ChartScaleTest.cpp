// SPDX-License-Identifier: GPL-3.0-or-later
// The charts' scales, the schedule chart's and the scenario charts': round steps that hold
// the largest figure, and year labels that never overlap.
#include "schedule/ChartScale.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

TEST(NiceScale, RoundStepsThatHoldTheMaximum)
{
    struct Case {
        std::int64_t maximum;
        int maxTicks;
        std::int64_t step, top;
    };
    for (const Case c : {Case{120, 5, 50, 150}, Case{3000, 5, 1000, 3000}, Case{3001, 5, 1000, 4000},
                         Case{1, 5, 1, 1}, Case{7, 5, 2, 8}, Case{999999, 4, 500000, 1000000},
                         // The scenario charts' yen: an instalment, a balance just past a round one.
                         Case{38'865, 5, 10'000, 40'000}, Case{10'000'001, 5, 5'000'000, 15'000'000}}) {
        SCOPED_TRACE(c.maximum);
        const AxisScale s = NiceScale(c.maximum, c.maxTicks);
        EXPECT_EQ(s.step, c.step);
        EXPECT_EQ(s.top, c.top);
        EXPECT_LE(s.ticks(), c.maxTicks);
        EXPECT_GE(s.top, c.maximum);
    }
    // Nothing to show, and the largest figure a schedule can hold (2^53 yen in 万円).
    EXPECT_EQ(NiceScale(0, 5).top, 1);
    EXPECT_EQ(NiceScale(-5, 0).top, 1);
    const AxisScale big = NiceScale((std::int64_t{1} << 53) / 10000 + 1, 5);
    EXPECT_GE(big.top, (std::int64_t{1} << 53) / 10000 + 1);
    EXPECT_LE(big.ticks(), 5);
}

TEST(YearLabels, YearOneThenRoundYearsThatFit)
{
    // 35 years on 700 pixels, labels 30 wide: 20 pixels a year, every 2 years, and year
    // 2 too close to year 1.
    EXPECT_EQ(YearLabels(35, 700, 30), (std::vector<int>{1, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34}));
    EXPECT_EQ(YearLabels(35, 300, 30), (std::vector<int>{1, 5, 10, 15, 20, 25, 30, 35}));
    EXPECT_EQ(YearLabels(5, 500, 30), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(YearLabels(99, 400, 30).back(), 90);
    EXPECT_TRUE(YearLabels(0, 400, 30).empty());
}

} // namespace
} // namespace hn
