// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/RatioText.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace hn {

namespace {

constexpr int kSignificantDigits = 4;

// Digits after the point without their trailing zeros; the point stays even when no
// digit follows it.
std::string PointAndFraction(std::string_view fraction)
{
    while (!fraction.empty() && fraction.back() == '0')
        fraction.remove_suffix(1);
    std::string text(".");
    text += fraction;
    return text;
}

} // namespace

std::string FormatRatioNumber(double ratio)
{
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

std::string FormatRatioText(double ratio)
{
    return FormatRatioNumber(ratio) + "%";
}

} // namespace hn
