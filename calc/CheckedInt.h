// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way a double becomes a 32-bit int in this program. A plain cast of a
// value outside the int range (or of NaN or an infinity) is undefined behaviour,
// so every such conversion is checked here and a value that does not fit is
// reported instead of being wrapped into a garbage figure.
#include <cmath>
#include <cstdint>
#include <optional>

namespace hn {

// Truncates toward zero, as a C cast does; empty when the truncated value does
// not fit into a signed 32-bit int (NaN and infinities never fit).
constexpr std::optional<std::int32_t> TruncateToInt32(double value) noexcept
{
    // Both bounds are exact doubles; anything strictly between them truncates
    // into [INT32_MIN, INT32_MAX]. NaN fails both comparisons.
    if (!(value > -2147483649.0 && value < 2147483648.0))
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

// For sums kept in 64 bits before they are stored in a 32-bit field.
constexpr std::optional<std::int32_t> NarrowToInt32(std::int64_t value) noexcept
{
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace hn
