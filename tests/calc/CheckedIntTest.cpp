// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/CheckedInt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace hn {
namespace {

TEST(TruncateToInt32, TruncatesTowardZeroInsideTheRange)
{
    EXPECT_EQ(TruncateToInt32(1.9), 1);
    EXPECT_EQ(TruncateToInt32(-1.9), -1);
    EXPECT_EQ(TruncateToInt32(-0.5), 0);
    EXPECT_EQ(TruncateToInt32(2147483647.0), 2147483647);
    EXPECT_EQ(TruncateToInt32(2147483647.9), 2147483647);
    EXPECT_EQ(TruncateToInt32(-2147483648.0), INT32_MIN);
    EXPECT_EQ(TruncateToInt32(-2147483648.9), INT32_MIN);
}

TEST(TruncateToInt32, RefusesWhatDoesNotFit)
{
    EXPECT_FALSE(TruncateToInt32(2147483648.0));
    EXPECT_FALSE(TruncateToInt32(-2147483649.0));
    EXPECT_FALSE(TruncateToInt32(1e300));
    EXPECT_FALSE(TruncateToInt32(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(TruncateToInt32(-std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(TruncateToInt32(std::nan("")));
}

TEST(NarrowToInt32, KeepsOnlyTheInt32Range)
{
    EXPECT_EQ(NarrowToInt32(INT32_MAX), INT32_MAX);
    EXPECT_EQ(NarrowToInt32(INT32_MIN), INT32_MIN);
    EXPECT_FALSE(NarrowToInt32(std::int64_t{INT32_MAX} + 1));
    EXPECT_FALSE(NarrowToInt32(std::int64_t{INT32_MIN} - 1));
}

// A typed instalment or number of years: whole and in range, or nothing at all.
TEST(WholeNumberIn, TakesOnlyWholeNumbersOfTheRange)
{
    EXPECT_EQ(WholeNumberIn(1, 1, 1188), 1);
    EXPECT_EQ(WholeNumberIn(1188, 1, 1188), 1188);
    EXPECT_EQ(WholeNumberIn(-0.0, 0, 5), 0);
    for (double bad : {0.0, 1189.0, 12.5, 2147483647.0, 2147483648.0, 99999999999.0, -2147483649.0, 1e300,
                       std::numeric_limits<double>::infinity(), std::nan("")})
        EXPECT_FALSE(WholeNumberIn(bad, 1, 1188)) << bad;
}

} // namespace
} // namespace hn
