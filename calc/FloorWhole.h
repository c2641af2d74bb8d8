#pragma once
// floor() for the yen figures of the engine: the same value as std::floor for
// every double, without a library call or a data-dependent branch. The interest
// loops floor once a period, so this is most of the engine's time.
#include <bit>
#include <cmath>
#include <cstdint>

namespace hn {

inline double FloorWhole(double x) noexcept
{
    // Adding and taking away 2^52 rounds a double of smaller magnitude to a
    // whole number (round to nearest); one step down corrects a rounding up.
    constexpr double kTwo52 = 4503599627370496.0;
    if (!(std::fabs(x) < kTwo52) || x == 0.0)
        return x; // whole already (a zero keeps its sign), or NaN or an infinity
    const double t = x > 0.0 ? (x + kTwo52) - kTwo52 : (x - kTwo52) + kTwo52;
    // The step goes through a bit mask: the rounding goes up about half the
    // time, which a branch predictor cannot learn, and compilers turn a plain
    // ?: here back into a branch.
    const std::uint64_t upMask = std::uint64_t{0} - static_cast<std::uint64_t>(t > x);
    return t - std::bit_cast<double>(std::bit_cast<std::uint64_t>(1.0) & upMask);
}

} // namespace hn
