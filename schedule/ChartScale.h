// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Axis arithmetic of the schedule chart: round tick steps that a reader can take in at
// a glance, and which years get a label. Plain C++.
#include <cstdint>
#include <vector>

namespace hn {

struct AxisScale {
    std::int64_t step = 1; // between ticks: 1, 2 or 5 times a power of ten
    std::int64_t top = 1;  // the axis runs from 0 to top, a whole number of steps
    int ticks() const noexcept { return static_cast<int>(top / step); }
};

// A scale from 0 that holds `maximum` with at most `maxTicks` steps (at least 1).
// maximum <= 0 gives a scale of one step of 1.
AxisScale NiceScale(std::int64_t maximum, int maxTicks);

// The loan years (1-based, up to `years`) that get a label on the time axis: year 1,
// then every 1, 2, 5, 10 ... years, as often as labels of `labelWidth` pixels fit
// side by side in `axisWidth` without overlapping.
std::vector<int> YearLabels(int years, double axisWidth, double labelWidth);

} // namespace hn
