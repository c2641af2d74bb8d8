// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/UnitText.h"

#include "calc/AmountText.h"
#include "calc/DecimalText.h"
#include "calc/ExactRate.h"

#include <cmath>

namespace hn {

namespace {

// `value` rounded to `decimals` places as plain decimal digits, trailing zeros and a
// bare point dropped. No rate or ratio comes near 15 digits; anything that does (or is
// not a number) is written as the shortest decimal that reads back.
std::string PlainDecimal(double value, int decimals)
{
    double scale = 1.0;
    for (int k = 0; k < decimals; ++k)
        scale *= 10.0;
    const double scaled = std::round(std::fabs(value) * scale);
    if (!(scaled < 9e15))
        return FormatDecimal(value);
    const auto units = static_cast<std::int64_t>(scaled);
    const auto whole = static_cast<std::int64_t>(scale);
    std::string fraction = std::to_string(units % whole + whole).substr(1); // leading zeros kept
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    std::string text = (value < 0 && units != 0) ? "-" : "";
    text += std::to_string(units / whole);
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}

} // namespace

std::string YenText(std::int64_t yen)
{
    return FormatAmount(yen) + "円";
}

std::string ManText(std::int64_t man)
{
    return FormatAmount(man) + "万円";
}

std::string PercentFigure(double percent)
{
    return PlainDecimal(percent, 6);
}

std::string RateText(double fraction)
{
    // The percent it was typed as, exactly (a rate from the command line can have
    // more decimals than a millionth).
    if (fraction > 0.0 && fraction < 1.0)
        return ExactRate::FromFraction(fraction).PercentText() + "%";
    return PercentFigure(fraction * 100.0) + "%";
}

std::string RatioText(double percent)
{
    return PlainDecimal(percent, 2) + "%";
}

std::string MonthsText(int months)
{
    return std::to_string(months) + "か月";
}

std::string SpanText(int months)
{
    const int years = months / 12;
    const int rest = months % 12;
    if (years == 0)
        return MonthsText(rest);
    return std::to_string(years) + "年" + (rest != 0 ? MonthsText(rest) : std::string());
}

std::string InstalmentText(int number)
{
    return "第" + std::to_string(number) + "回";
}

} // namespace hn
