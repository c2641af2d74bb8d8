#include "summary/SummaryTotals.h"

#include "calc/AmountText.h"
#include "calc/CheckedInt.h"

#include <cmath>
#include <limits>

namespace hn {

std::int64_t AnnualRepayment(std::int64_t monthlySum, std::int64_t bonusSum) noexcept
{
    return (monthlySum * 6 + bonusSum) * 2;
}

double RequiredIncomeMan(double annualYen) noexcept
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

std::string FormatWideAmount(std::int64_t value)
{
    if (const auto narrow = NarrowToInt32(value))
        return FormatAmount(*narrow);
    // Magnitude as unsigned, so that the most negative value has one too.
    const std::uint64_t magnitude =
        value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    std::string text = InsertSeparators(std::to_string(magnitude), 3, ',');
    if (value < 0)
        text.insert(text.begin(), '-');
    return text;
}

} // namespace hn
