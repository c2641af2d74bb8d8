// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/ChartSeries.h"

#include <algorithm>

namespace hn {

ChartSeries SeriesOf(const ScenarioSchedule& scenario)
{
    ChartSeries s;
    const SchedulePart& part = scenario.schedule.monthly;
    for (const InstalmentStep& step : InstalmentSteps(part))
        s.instalment.push_back({step.number, step.payment});
    s.owed.push_back({0, part.loanYen});
    for (const ScheduleRow& row : part.rows)
        s.owed.push_back({row.number, row.balance + row.unpaidInterest});
    s.lastMonth = static_cast<int>(part.rows.size());
    return s;
}

std::int64_t RoundStep(std::int64_t top, int maxTicks) noexcept
{
    if (top <= 0 || maxTicks < 1)
        return 1;
    std::int64_t power = 1;
    while (true) {
        for (const std::int64_t m : {1, 2, 5}) {
            const std::int64_t step = m * power;
            if ((top + step - 1) / step <= maxTicks)
                return step;
        }
        power *= 10;
    }
}

ChartAxis AxisFor(const std::vector<ChartSeries>& all, bool owed, bool skipSettling)
{
    std::int64_t highest = 0;
    int lastMonth = 0;
    for (const ChartSeries& s : all) {
        const std::vector<ChartPoint>& points = owed ? s.owed : s.instalment;
        const bool settlingStep = !owed && skipSettling && points.size() > 1 && points.back().month == s.lastMonth;
        const std::size_t count = settlingStep ? points.size() - 1 : points.size();
        for (std::size_t k = 0; k < count; ++k)
            highest = std::max(highest, points[k].yen);
        lastMonth = std::max(lastMonth, s.lastMonth);
    }
    ChartAxis axis;
    axis.step = RoundStep(highest, 5);
    axis.top = std::max<std::int64_t>(axis.step, (highest + axis.step - 1) / axis.step * axis.step);
    axis.lastMonth = std::max(12, (lastMonth + 11) / 12 * 12);
    return axis;
}

} // namespace hn
