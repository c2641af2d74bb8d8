#include "calc/FloorWhole.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace hn {
namespace {

void ExpectSameAsFloor(double x)
{
    const double expected = std::floor(x);
    const double actual = FloorWhole(x);
    if (std::isnan(expected))
        EXPECT_TRUE(std::isnan(actual)) << x;
    else
        EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(expected))
            << x << " -> " << actual;
}

TEST(FloorWhole, MatchesStdFloorAtTheEdges)
{
    const double two52 = 4503599627370496.0;
    const double inf = std::numeric_limits<double>::infinity();
    for (double x : {0.0, -0.0, 0.3, 0.5, 0.7, 1.0, 1.5, 2.5, -0.3, -0.5, -1.0, -1.5, -2.5,
                     49999.99999999999, 83.33416666666666, 1e-310, -1e-310,
                     two52 - 0.5, two52, two52 + 1, -(two52 - 0.5), -two52, 1e300, -1e300,
                     std::nextafter(1.0, 0.0), std::nextafter(-1.0, 0.0), inf, -inf,
                     std::numeric_limits<double>::quiet_NaN()})
        ExpectSameAsFloor(x);
}

TEST(FloorWhole, MatchesStdFloorOverTheYenRange)
{
    std::mt19937_64 gen(20240611);
    std::uniform_real_distribution<double> yen(-1e10, 1e10);
    std::uniform_int_distribution<std::uint64_t> bits;
    for (int k = 0; k < 200000; ++k) {
        ExpectSameAsFloor(yen(gen));
        ExpectSameAsFloor(std::bit_cast<double>(bits(gen)));
        if (HasFailure())
            return;
    }
}

} // namespace
} // namespace hn
