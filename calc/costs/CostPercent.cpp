// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/costs/CostPercent.h"

#include "calc/MulDivFloor.h"


namespace hn {
namespace {

constexpr bool IsBlank(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Below 10^9 % the units stay far inside int64 and any sum of a few of them too.
constexpr std::int64_t kMaxWholePercent = 999'999'999;

} // namespace

std::optional<CostPercent> ParseCostPercent(std::string_view text) noexcept
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int wholeDigits = 0;
    int fractionDigits = 0;
    bool point = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            return std::nullopt;
        if (point) {
            if (++fractionDigits > CostPercent::kDecimals)
                return std::nullopt;
            fraction = fraction * 10 + (c - '0');
        } else {
            whole = whole * 10 + (c - '0');
            if (whole > kMaxWholePercent)
                return std::nullopt;
            ++wholeDigits;
        }
    }
    if (wholeDigits + fractionDigits == 0)
        return std::nullopt;
    for (int d = fractionDigits; d < CostPercent::kDecimals; ++d)
        fraction *= 10;
    const std::int64_t units = whole * CostPercent::kUnitsPerPercent + fraction;
    return CostPercent::FromUnits(negative ? -units : units);
}

std::string CostPercentText(CostPercent p)
{
    std::string text;
    if (p.units < 0)
        text.push_back('-');
    // Unsigned, so that even the most negative value has a magnitude.
    const std::uint64_t magnitude =
        p.units < 0 ? 0 - static_cast<std::uint64_t>(p.units) : static_cast<std::uint64_t>(p.units);
    constexpr auto kUnits = static_cast<std::uint64_t>(CostPercent::kUnitsPerPercent);
    text += std::to_string(magnitude / kUnits);
    const std::uint64_t fraction = magnitude % kUnits;
    if (fraction != 0) {
        std::string digits = std::to_string(fraction + kUnits).substr(1);
        while (digits.back() == '0')
            digits.pop_back();
        text.push_back('.');
        text += digits;
    }
    return text;
}

std::optional<std::int64_t> PercentOfYen(std::int64_t yen, CostPercent p) noexcept
{
    return MulDivFloor(yen, p.units, CostPercent::kUnitsPerPercent * 100);
}

} // namespace hn
