// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the scenario charts draw, worked out without Qt: each scenario's
// instalment as steps and its balance as a line over the months, and axes
// that hold every series with round tick values (the schedule chart's, NiceScale).
#include "calc/rates/ScenarioSummary.h"

#include <cstdint>
#include <vector>

namespace hn {

struct ChartPoint {
    int month = 0;
    std::int64_t yen = 0;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartSeries {
    // Instalment: from each point's month the payment holds until the next
    // point; the last point holds through `lastMonth`.
    std::vector<ChartPoint> instalment;
    // Balance + unpaid interest owed after each month, starting at month 0 with the loan.
    std::vector<ChartPoint> owed;
    int lastMonth = 0;
};

// The monthly part of a scenario.
ChartSeries SeriesOf(const ScenarioSchedule& scenario);

struct ChartAxis {
    std::int64_t top = 0;  // a round value at or above every value drawn
    std::int64_t step = 0; // between ticks; top is a whole number of steps
    int lastMonth = 0;     // at or above every series' last month, whole years
};

// Axes for the instalment (owed = false) or the owed amount (owed = true) of
// every series together. The settling last instalment can be far above the
// others (unpaid interest paid in one lump); it is left out of the scale when
// `skipSettling` is set, so that the regular steps stay readable.
ChartAxis AxisFor(const std::vector<ChartSeries>& all, bool owed, bool skipSettling);

// A point of a line as drawn, in pixels.
struct PlotPoint {
    double x = 0.0;
    double y = 0.0;
};

// The line through `points` with the points left out that lie within
// `tolerance` pixels of it (Ramer-Douglas-Peucker): the first and last point
// and every bend stay. A 35-year balance has 421 points, two or three to a
// pixel; stroking them all with a dashed pen cost most of a chart's paint.
std::vector<PlotPoint> SimplifyLine(const std::vector<PlotPoint>& points, double tolerance);

} // namespace hn
