// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/ChartSeries.h"

#include "schedule/ChartScale.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

std::vector<PlotPoint> SimplifyLine(const std::vector<PlotPoint>& points, double tolerance)
{
    if (points.size() < 3)
        return points;
    std::vector<char> keep(points.size(), 0);
    keep.front() = keep.back() = 1;
    // Spans still to look at; a span keeps its point farthest from the chord
    // when that is beyond the tolerance, and is split there.
    std::vector<std::pair<std::size_t, std::size_t>> spans{{0, points.size() - 1}};
    while (!spans.empty()) {
        const auto [from, to] = spans.back();
        spans.pop_back();
        const PlotPoint a = points[from];
        const PlotPoint b = points[to];
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double squared = dx * dx + dy * dy;
        double farthest = -1.0;
        std::size_t at = from;
        for (std::size_t k = from + 1; k < to; ++k) {
            // Distance from the segment a-b (from a itself when the segment has no length).
            const PlotPoint p = points[k];
            const double t = squared > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / squared, 0.0, 1.0) : 0.0;
            const double d = std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
            if (d > farthest) {
                farthest = d;
                at = k;
            }
        }
        if (farthest > tolerance) {
            keep[at] = 1;
            if (at - from > 1)
                spans.push_back({from, at});
            if (to - at > 1)
                spans.push_back({at, to});
        }
    }
    std::vector<PlotPoint> kept;
    for (std::size_t k = 0; k < points.size(); ++k)
        if (keep[k])
            kept.push_back(points[k]);
    return kept;
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
    const AxisScale scale = NiceScale(highest, 5);
    ChartAxis axis;
    axis.step = scale.step;
    axis.top = scale.top;
    axis.lastMonth = std::max(12, (lastMonth + 11) / 12 * 12);
    return axis;
}

} // namespace hn
