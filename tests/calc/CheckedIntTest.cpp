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

} // namespace
} // namespace hn
