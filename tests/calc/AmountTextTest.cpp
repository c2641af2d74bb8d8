// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/AmountText.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>

namespace hn {
namespace {

TEST(FormatAmount, GroupsDigitsByThreeWithCommas)
{
    EXPECT_EQ(FormatAmount(0), "0");
    EXPECT_EQ(FormatAmount(999), "999");
    EXPECT_EQ(FormatAmount(1000), "1,000");
    EXPECT_EQ(FormatAmount(123456), "123,456");
    EXPECT_EQ(FormatAmount(1234567), "1,234,567");
    EXPECT_EQ(FormatAmount(45313480), "45,313,480");
    EXPECT_EQ(FormatAmount(INT32_MAX), "2,147,483,647");
}

// The grouping counts characters, so a sign must stay outside it: never "-,123".
TEST(FormatAmount, KeepsTheSignInFrontOfTheGroups)
{
    EXPECT_EQ(FormatAmount(-1), "-1");
    EXPECT_EQ(FormatAmount(-999), "-999");
    EXPECT_EQ(FormatAmount(-1000), "-1,000");
    EXPECT_EQ(FormatAmount(-123456), "-123,456");
    EXPECT_EQ(FormatAmount(INT32_MIN), "-2,147,483,648");
}

// The summary window's sums of eight slots go beyond 32 bits.
TEST(FormatAmount, GroupsBeyondThirtyTwoBits)
{
    EXPECT_EQ(FormatAmount(3000), "3,000");
    EXPECT_EQ(FormatAmount(-1234567), "-1,234,567");
    EXPECT_EQ(FormatAmount(17179869176LL), "17,179,869,176");
    EXPECT_EQ(FormatAmount(-17179869176LL), "-17,179,869,176");
    EXPECT_EQ(FormatAmount(std::numeric_limits<std::int64_t>::min()), "-9,223,372,036,854,775,808");
    EXPECT_EQ(FormatAmount(std::numeric_limits<std::int64_t>::max()), "9,223,372,036,854,775,807");
}

TEST(InsertSeparators, CountsCharactersFromTheRight)
{
    EXPECT_EQ(InsertSeparators("", 3, ','), "");
    EXPECT_EQ(InsertSeparators("12", 3, ','), "12");
    EXPECT_EQ(InsertSeparators("123", 3, ','), "123");
    EXPECT_EQ(InsertSeparators("1234", 3, ','), "1,234");
    EXPECT_EQ(InsertSeparators("abcdefg", 3, ','), "a,bcd,efg");
    EXPECT_EQ(InsertSeparators("123456789", 4, '.'), "1.2345.6789");
    EXPECT_EQ(InsertSeparators("1234", 1, ' '), "1 2 3 4");
}

TEST(InsertSeparators, LeavesTheTextAloneForANonPositiveGroup)
{
    EXPECT_EQ(InsertSeparators("123456", 0, ','), "123456");
    EXPECT_EQ(InsertSeparators("123456", -3, ','), "123456");
}

} // namespace
} // namespace hn
