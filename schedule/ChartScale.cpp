// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/ChartScale.h"

#include <algorithm>
#include <limits>

namespace hn {

AxisScale NiceScale(std::int64_t maximum, int maxTicks)
{
    maxTicks = std::max(1, maxTicks);
    if (maximum <= 0)
        return {1, 1};
    // Steps 1, 2, 5, 10, 20, 50 ... until the maximum fits in maxTicks of them.
    constexpr std::int64_t kLimit = std::numeric_limits<std::int64_t>::max() / 10;
    for (std::int64_t power = 1;; power *= 10) {
        for (const std::int64_t factor : {1, 2, 5}) {
            const std::int64_t step = factor * power;
            const std::int64_t count = maximum / step + (maximum % step != 0 ? 1 : 0);
            if (count <= maxTicks || power >= kLimit)
                return {step, count * step};
        }
    }
}

std::vector<int> YearLabels(int years, double axisWidth, double labelWidth)
{
    std::vector<int> labels;
    if (years <= 0)
        return labels;
    const double perYear = axisWidth / years;
    int every = 1;
    for (const int candidate : {1, 2, 5, 10, 20, 25, 50}) {
        every = candidate;
        if (perYear * candidate >= labelWidth)
            break;
    }
    // Year 1, then the multiples of `every` far enough from it not to overlap.
    labels.push_back(1);
    for (int y = every; y <= years; y += every)
        if ((y - 1) * perYear >= labelWidth)
            labels.push_back(y);
    return labels;
}

} // namespace hn
