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

// A typed number that must be a whole number from `lo` to `hi` (an instalment, a
// number of years): the int it stands for, or empty when it is not whole or outside the
// range, however large (NaN and infinities included). Nothing typed becomes an int
// another way.
constexpr std::optional<int> WholeNumberIn(double value, int lo, int hi) noexcept
{
    if (!(value >= lo && value <= hi))
        return std::nullopt;
    const std::optional<std::int32_t> whole = TruncateToInt32(value);
    if (!whole || static_cast<double>(*whole) != value)
        return std::nullopt;
    return *whole;
}

// A non-negative amount in whole units (yen), truncated: empty unless it lies from 0
// below 2^53, beyond which doubles no longer count every unit.
constexpr std::optional<std::int64_t> TruncateToExactWhole(double value) noexcept
{
    if (!(value >= 0.0 && value < 9007199254740992.0))
        return std::nullopt;
    return static_cast<std::int64_t>(value);
}

// For sums kept in 64 bits before they are stored in a 32-bit field.
constexpr std::optional<std::int32_t> NarrowToInt32(std::int64_t value) noexcept
{
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

} // namespace hn
