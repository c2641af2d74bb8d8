// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/NumEditNumber.h"

#include "calc/DecimalText.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <system_error>

namespace hn {

FieldNumber ReadFieldNumber(std::string_view text)
{
    FieldNumber result;
    result.value = ReadDecimalPrefix(text);
    if (std::isinf(result.value)) {
        result.value = std::copysign(DBL_MAX, result.value);
        result.outOfRange = true;
    } else if (std::isnan(result.value)) {
        result.value = 0.0; // the reader knows no NaN; kept total anyway
    }
    if (result.value == 0.0)
        result.value = 0.0; // no negative zero
    return result;
}

DecimalDigits SignificantDigits(double v, int count)
{
    count = std::clamp(count, 1, 17);
    DecimalDigits result;
    if (v == 0.0 || !std::isfinite(v)) {
        result.digits.assign(static_cast<std::size_t>(count), '0');
        return result;
    }
    // "d.ddd…e±xx": at most 1 + 1 + 16 + 2 + 3 characters.
    char buffer[40];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(v),
                                         std::chars_format::scientific, count - 1);
    if (ec != std::errc{}) {
        result.digits.assign(static_cast<std::size_t>(count), '0');
        return result;
    }
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    result.digits.reserve(static_cast<std::size_t>(count));
    for (std::size_t k = 0; k < e; ++k) {
        if (text[k] != '.')
            result.digits += text[k];
    }
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);
    result.pointPos = exponent + 1;
    return result;
}

} // namespace hn
