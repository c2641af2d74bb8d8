// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/costs/CostPercent.h"

#include <utility>

namespace hn {
namespace {

constexpr bool IsBlank(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// magnitude × 10^-2, exactly. Built a character at a time: GCC 12 warns wrongly
// (-Wrestrict) about string inserts and concatenations once they are inlined at -O3.
ExactDecimal Hundredths(std::uint64_t magnitude)
{
    std::string text = std::to_string(magnitude / 100);
    text.push_back('.');
    text.push_back(static_cast<char>('0' + magnitude % 100 / 10));
    text.push_back(static_cast<char>('0' + magnitude % 10));
    return *ExactDecimal::Parse(text);
}

} // namespace

CostPercent CostPercent::FromMagnitude(ExactDecimal magnitude, bool negative)
{
    CostPercent p;
    p.m_negative = negative && !magnitude.IsZero();
    p.m_magnitude = std::move(magnitude);
    return p;
}

CostPercent CostPercent::FromHundredths(std::int64_t hundredths)
{
    const std::uint64_t magnitude = hundredths < 0 ? 0 - static_cast<std::uint64_t>(hundredths)
                                                   : static_cast<std::uint64_t>(hundredths);
    return FromMagnitude(Hundredths(magnitude), hundredths < 0);
}

double CostPercent::Fraction() const
{
    const double fraction = m_magnitude.ToDouble() * 0.01;
    return m_negative ? -fraction : fraction;
}

CostPercent operator+(const CostPercent& a, const CostPercent& b)
{
    if (a.m_negative == b.m_negative)
        return CostPercent::FromMagnitude(a.m_magnitude + b.m_magnitude, a.m_negative);
    // Opposite signs: the larger magnitude less the smaller, with the larger's sign.
    if (a.m_magnitude >= b.m_magnitude)
        return CostPercent::FromMagnitude(*a.m_magnitude.Minus(b.m_magnitude), a.m_negative);
    return CostPercent::FromMagnitude(*b.m_magnitude.Minus(a.m_magnitude), b.m_negative);
}

std::optional<CostPercent> ParseCostPercent(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
        if (text.empty() || IsBlank(text.front()) || text.front() == '+' || text.front() == '-')
            return std::nullopt; // "- 2", "--2"
    }
    const auto magnitude = ExactDecimal::Parse(text);
    if (!magnitude)
        return std::nullopt;
    return CostPercent::FromMagnitude(*magnitude, negative);
}

std::string CostPercentText(const CostPercent& p)
{
    std::string text;
    if (p.IsNegative())
        text.push_back('-');
    text.append(p.Magnitude().Text());
    return text;
}

std::optional<std::int64_t> PercentOfYen(std::int64_t yen, const CostPercent& p)
{
    if (yen < 0 || p.IsNegative())
        return std::nullopt;
    return p.Magnitude().FloorOfProduct(static_cast<std::uint64_t>(yen), 100);
}

std::optional<ExactRate> RateWithPoints(const ExactRate& rate, const CostPercent& points)
{
    if (!points.IsNegative())
        return ExactRate::FromPercent(rate.Percent() + points.Magnitude());
    const auto lowered = rate.Percent().Minus(points.Magnitude());
    if (!lowered)
        return std::nullopt;
    return ExactRate::FromPercent(*lowered);
}

} // namespace hn
