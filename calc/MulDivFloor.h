// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// floor(a × b / c) in whole numbers without overflow: a yen amount times a rate's
// numerator can pass 2^63 long before the quotient does (a loan of 100 億円 times
// a share of 1/3 of 10^12 units), and a double would round. The product is kept
// in two 64-bit halves and divided by long division, so the result is exact for
// every argument in range; plain C++, no compiler extension.
#include <cstdint>
#include <optional>

namespace hn {

// floor(a × b / c) for a, b >= 0 and c > 0; empty when c <= 0, a or b is
// negative, or the quotient does not fit into an int64.
constexpr std::optional<std::int64_t> MulDivFloor(std::int64_t a, std::int64_t b, std::int64_t c) noexcept
{
    if (a < 0 || b < 0 || c <= 0)
        return std::nullopt;
    const std::uint64_t x = static_cast<std::uint64_t>(a);
    const std::uint64_t y = static_cast<std::uint64_t>(b);
    const std::uint64_t d = static_cast<std::uint64_t>(c);
    // 128-bit product from 32-bit halves.
    const std::uint64_t xl = x & 0xffffffffu, xh = x >> 32;
    const std::uint64_t yl = y & 0xffffffffu, yh = y >> 32;
    const std::uint64_t ll = xl * yl, lh = xl * yh, hl = xh * yl, hh = xh * yh;
    const std::uint64_t mid = (ll >> 32) + (lh & 0xffffffffu) + (hl & 0xffffffffu);
    std::uint64_t lo = (ll & 0xffffffffu) | (mid << 32);
    std::uint64_t hi = hh + (lh >> 32) + (hl >> 32) + (mid >> 32);
    if (hi >= d) // the quotient would need more than 64 bits
        return std::nullopt;
    // Long division of hi:lo by d, one bit at a time; hi stays below d.
    std::uint64_t q = 0;
    for (int bit = 0; bit < 64; ++bit) {
        const bool carry = (hi >> 63) != 0;
        hi = (hi << 1) | (lo >> 63);
        lo <<= 1;
        q <<= 1;
        if (carry || hi >= d) {
            hi -= d;
            q |= 1;
        }
    }
    if (q > static_cast<std::uint64_t>(INT64_MAX))
        return std::nullopt;
    return static_cast<std::int64_t>(q);
}

} // namespace hn
