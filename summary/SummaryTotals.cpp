// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/SummaryTotals.h"

#include "calc/CheckedInt.h"

#include <cmath>
#include <limits>

namespace hn {

ColorRef RatioBarColor(double ratio) noexcept
{
    if (ratio < 17)
        return kRatioLowColor;
    if (ratio < 23)
        return kRatioMidColor;
    return kRatioHighColor;
}

int RatioGaugePosition(double ratio) noexcept
{
    if (const auto position = TruncateToInt32(ratio))
        return *position;
    if (std::isnan(ratio))
        return kGaugeLower;
    return ratio > 0 ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::int32_t>::min();
}

} // namespace hn
