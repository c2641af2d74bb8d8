// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/Units.h"

#include "calc/AmountText.h"
#include "calc/DecimalText.h"
#include "calc/ExactRate.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

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

// Digits after the point without their trailing zeros; the point stays even when no
// digit follows it.
std::string PointAndFraction(std::string_view fraction)
{
    while (!fraction.empty() && fraction.back() == '0')
        fraction.remove_suffix(1);
    return "." + std::string(fraction);
}

// The summary window's ratio: four significant digits, trailing zeros after the point
// dropped but the point itself kept ("25.", "18.46", "100."), and exponent form with a
// signed three-digit exponent ("1.235e+004") when the rounded value lies outside
// 0.1 … 10,000. Always with ".", whatever the locale.
std::string SummaryRatioNumber(double ratio)
{
    constexpr int kSignificantDigits = 4;
    if (std::isnan(ratio))
        return "nan";
    if (std::isinf(ratio))
        return ratio < 0 ? "-inf" : "inf";

    // Rounded to four significant digits by the library (correctly rounded and
    // locale-free): "d.ddde±XX". Its digits and exponent decide both notations.
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(ratio),
                                         std::chars_format::scientific, kSignificantDigits - 1);
    if (ec != std::errc{})
        return {};
    const std::string_view sci(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (c != '.')
            digits += c;
    const int exponent = std::atoi(std::string(sci.substr(ePos + 1)).c_str());

    std::string text = ratio < 0 ? "-" : "";
    if (ratio == 0.0 || (exponent >= -1 && exponent < 4)) {
        // Fixed notation: 0.1 <= rounded value < 10,000 (and zero, which has no exponent).
        if (exponent >= 0) {
            const auto whole = static_cast<std::size_t>(exponent) + 1;
            text += digits.substr(0, whole);
            text += PointAndFraction(std::string_view(digits).substr(whole));
        } else {
            text += "0";
            text += PointAndFraction(digits);
        }
        return text;
    }
    text += digits.substr(0, 1);
    text += PointAndFraction(std::string_view(digits).substr(1));
    text += 'e';
    text += exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    text += static_cast<char>('0' + magnitude / 100 % 10);
    text += static_cast<char>('0' + magnitude / 10 % 10);
    text += static_cast<char>('0' + magnitude % 10);
    return text;
}

// The percent a yearly rate was typed as, exactly (a rate from the command line can
// have more decimals than a millionth).
std::string RateFigure(double fraction)
{
    if (fraction > 0.0 && fraction < 1.0)
        return ExactRate::FromFraction(fraction).PercentText();
    return PlainDecimal(fraction * 100.0, 6);
}

std::string_view UnitName(Unit unit)
{
    switch (unit) {
    case Unit::Yen:
        return "円";
    case Unit::Man:
        return "万円";
    case Unit::Percent:
    case Unit::SummaryPercent:
    case Unit::Rate:
        return "%";
    default:
        return {};
    }
}

std::string SpanFigure(std::int64_t months)
{
    const std::int64_t years = months / 12;
    const std::int64_t rest = months % 12;
    if (years == 0)
        return std::to_string(rest) + "か月";
    return std::to_string(years) + "年" + (rest != 0 ? std::to_string(rest) + "か月" : std::string());
}

} // namespace

Quantity Quantity::OfWhole(Unit unit, std::int64_t value)
{
    Quantity q;
    q.unit = unit;
    q.whole = value;
    return q;
}

Quantity Quantity::OfNumber(Unit unit, double value)
{
    Quantity q;
    q.unit = unit;
    q.number = value;
    return q;
}

Quantity Quantity::Month(YearMonth ym)
{
    Quantity q;
    q.unit = Unit::Month;
    q.month = ym;
    return q;
}

Quantity Quantity::Words(std::string text)
{
    Quantity q;
    q.text = std::move(text);
    return q;
}

Quantity Quantity::YenDifference(std::int64_t yen)
{
    Quantity q = Yen(yen);
    q.plusSign = true;
    return q;
}

Quantity Quantity::Amount(double yen)
{
    const double rounded = std::round(yen);
    if (!std::isfinite(rounded) || std::fabs(rounded) >= 9.0e18)
        return Words("?");
    const auto whole = static_cast<std::int64_t>(rounded);
    return whole % 10000 == 0 ? Man(whole / 10000) : Yen(whole);
}

std::string Bare(const Quantity& q)
{
    switch (q.unit) {
    case Unit::Yen:
    case Unit::Man:
        return (q.plusSign && q.whole > 0 ? "+" : "") + FormatAmount(q.whole);
    case Unit::Percent:
        return PlainDecimal(q.number, 2);
    case Unit::SummaryPercent:
        return SummaryRatioNumber(q.number);
    case Unit::Rate:
        return RateFigure(q.number);
    case Unit::Instalment:
    case Unit::LoanYear:
    case Unit::Count:
        return std::to_string(q.whole);
    case Unit::Month:
        return q.month.year == 0 ? std::string() : JapaneseText(q.month);
    case Unit::Span:
        return SpanFigure(q.whole);
    case Unit::Months:
        return std::to_string(q.whole) + "か月";
    case Unit::Text:
        return q.text;
    }
    return {};
}

std::string Text(const Quantity& q, Spacing spacing)
{
    switch (q.unit) {
    case Unit::Instalment:
        return "第" + std::to_string(q.whole) + "回";
    case Unit::LoanYear:
        return std::to_string(q.whole) + "年目";
    default:
        break;
    }
    const std::string_view unit = UnitName(q.unit);
    std::string text = Bare(q);
    if (!unit.empty()) {
        if (spacing == Spacing::Spaced)
            text += ' ';
        text += unit;
    }
    return text;
}

} // namespace hn
