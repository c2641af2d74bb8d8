// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/ChartSeries.h"

#include "calc/schedule/Schedule.h"

#include <algorithm>
#include <cmath>
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

double DistanceToLine(PlotPoint p, const std::vector<PlotPoint>& line)
{
    double best = 1e300;
    for (std::size_t k = 0; k + 1 < line.size(); ++k) {
        const PlotPoint a = line[k];
        const PlotPoint b = line[k + 1];
        const double dx = b.x - a.x, dy = b.y - a.y, squared = dx * dx + dy * dy;
        const double t = squared > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / squared, 0.0, 1.0) : 0.0;
        best = std::min(best, std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy)));
    }
    return best;
}

// The balance with unpaid interest (a flat stretch, then a bend at the review)
// drawn 800 pixels wide: far fewer points, none of the left-out ones farther
// than the tolerance from the line drawn, and both ends kept.
TEST(ChartSeries, SimplifiedBalanceStaysWithinTheTolerance)
{
    const ChartSeries series = SeriesOf(Scenario(3));
    std::vector<PlotPoint> line;
    for (const ChartPoint& p : series.owed)
        line.push_back({800.0 * p.month / 360, 200.0 - 200.0 * static_cast<double>(p.yen) / 10'500'000});
    for (const double tolerance : {0.1, 0.5}) {
        const std::vector<PlotPoint> kept = SimplifyLine(line, tolerance);
        EXPECT_LT(kept.size(), line.size() / 3);
        EXPECT_EQ(kept.front().x, line.front().x);
        EXPECT_EQ(kept.back().x, line.back().x);
        EXPECT_EQ(kept.back().y, line.back().y);
        for (const PlotPoint& p : line)
            EXPECT_LE(DistanceToLine(p, kept), tolerance) << p.x;
    }
}

TEST(ChartSeries, SimplifyingKeepsBendsAndLinesThatTurnBack)
{
    std::vector<PlotPoint> straight;
    for (int k = 0; k <= 100; ++k)
        straight.push_back({k * 2.0, k * 1.0});
    EXPECT_EQ(SimplifyLine(straight, 0.1).size(), 2u);
    // A corner is kept however many points lead to it.
    std::vector<PlotPoint> corner;
    for (int k = 0; k <= 50; ++k)
        corner.push_back({k * 1.0, 0.0});
    for (int k = 1; k <= 50; ++k)
        corner.push_back({50.0, k * 1.0});
    const std::vector<PlotPoint> bent = SimplifyLine(corner, 0.1);
    ASSERT_EQ(bent.size(), 3u);
    EXPECT_EQ(bent[1].x, 50.0);
    EXPECT_EQ(bent[1].y, 0.0);
    // Out and back to where it started: the chord has no length, the far end stays.
    const std::vector<PlotPoint> back{{0, 0}, {5, 0}, {10, 0}, {5, 0}, {0, 0}};
    const std::vector<PlotPoint> kept = SimplifyLine(back, 0.1);
    ASSERT_EQ(kept.size(), 3u);
    EXPECT_EQ(kept[1].x, 10.0);
    // Two points or fewer are already as simple as they get.
    EXPECT_EQ(SimplifyLine({{1, 2}, {3, 4}}, 5).size(), 2u);
    EXPECT_TRUE(SimplifyLine({}, 1).empty());
}

} // namespace
} // namespace hn
