// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/SummaryTotals.h"

#include "calc/CheckedInt.h"

#include <cmath>
#include <limits>

namespace hn {

std::int64_t AnnualRepayment(std::int64_t monthlySum, std::int64_t bonusSum) noexcept
{
    return (monthlySum * 6 + bonusSum) * 2;
}

double IncomeManAtTwentyPercentBurden(double annualYen) noexcept
{
    return std::floor((annualYen * 5 + 5000) * 0.0001);
}

std::optional<double> BurdenRatio(double annualYen, double incomeYen) noexcept
{
    if (incomeYen == 0.0 || annualYen == 0.0)
        return std::nullopt;
    return annualYen / incomeYen * 100;
}

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
