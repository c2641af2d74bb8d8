// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/GaugeGeometry.h"

#include <algorithm>
#include <cmath>

namespace hn {

int ClampGaugePos(int pos, int lower, int upper)
{
    if (upper < lower)
        return lower;
    return std::clamp(pos, lower, upper);
}

int GaugeBarLength(int pos, int lower, int upper, int extent)
{
    if (upper <= lower || extent <= 0)
        return 0;
    const double done = static_cast<double>(ClampGaugePos(pos, lower, upper)) - lower;
    const double span = static_cast<double>(upper) - lower;
    // 0 <= done <= span, so the quotient lies within 0..extent and fits an int.
    return static_cast<int>(std::trunc(done * extent / span));
}

int NextAnimOffset(int offset)
{
    const int next = offset + 1;
    return next >= kGaugeStripePeriod || next < 0 ? 0 : next;
}

} // namespace hn
