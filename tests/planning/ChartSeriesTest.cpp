// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/ChartSeries.h"

#include "calc/Schedule.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

ScenarioSchedule Scenario(double risePercent)
{
    ScenarioInput in;
    in.loan.method = BankOther;
    in.loan.loanYen = in.loan.normalYen = 10'000'000;
    in.loan.periodYears = 30;
    in.path = RiseOnceRatePath(2.375, risePercent, 13);
    return BuildScenarioSchedule(in);
}

TEST(ChartSeries, RoundStepsSplitTheTopIntoFewParts)
{
    EXPECT_EQ(RoundStep(38'865, 5), 10'000);
    EXPECT_EQ(RoundStep(10'000'000, 5), 2'000'000);
    EXPECT_EQ(RoundStep(10'000'001, 5), 5'000'000);
    EXPECT_EQ(RoundStep(5, 5), 1);
    EXPECT_EQ(RoundStep(0, 5), 1);
}

TEST(ChartSeries, SeriesFollowTheScheduleFromTheLoanToNothing)
{
    const ScenarioSchedule s = Scenario(1);
    ASSERT_TRUE(s.ok());
    const ChartSeries series = SeriesOf(s);
    EXPECT_EQ(series.lastMonth, 360);
    ASSERT_EQ(series.owed.size(), 361u);
    EXPECT_EQ(series.owed.front(), (ChartPoint{0, 10'000'000}));
    EXPECT_EQ(series.owed.back().yen, 0);
    ASSERT_GE(series.instalment.size(), 2u);
    EXPECT_EQ(series.instalment.front(), (ChartPoint{1, 38'865}));
}

// With +3 points the instalment cannot cover the interest and the unpaid
// interest is settled in one lump at the end: the scale leaves that lump out
// but still holds every regular step, and the owed axis holds the loan.
TEST(ChartSeries, AxesHoldEveryRegularValueButNotTheSettlingLump)
{
    const std::vector<ChartSeries> all{SeriesOf(Scenario(0)), SeriesOf(Scenario(3))};
    std::int64_t highestRegular = 0;
    for (const ChartSeries& s : all)
        for (std::size_t k = 0; k + 1 < s.instalment.size(); ++k)
            highestRegular = std::max(highestRegular, s.instalment[k].yen);
    const std::int64_t lump = all[1].instalment.back().yen;
    const ChartAxis skip = AxisFor(all, false, true);
    EXPECT_GE(skip.top, highestRegular);
    EXPECT_LT(skip.top, lump);
    EXPECT_EQ(skip.top % skip.step, 0);
    EXPECT_GE(AxisFor(all, false, false).top, lump);
    const ChartAxis owed = AxisFor(all, true, true);
    EXPECT_GE(owed.top, 10'000'000);
    EXPECT_EQ(owed.lastMonth, 360);
    EXPECT_EQ(AxisFor({}, true, true).lastMonth, 12);
}

} // namespace
} // namespace hn
