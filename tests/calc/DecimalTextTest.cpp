// SPDX-License-Identifier: GPL-3.0-or-later
// Runs twice: once in the C.UTF-8 locale and once under de_DE.UTF-8, where the
// C library's own strtod would read "," and stop at ".".
#include "calc/DecimalText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace hn {
namespace {

TEST(ReadDecimalPrefix, ReadsAsStrtodDoesInTheCLocale)
{
    EXPECT_EQ(ReadDecimalPrefix("2.0"), 2.0);
    EXPECT_EQ(ReadDecimalPrefix("99.1"), 99.1);
    EXPECT_EQ(ReadDecimalPrefix("  \t\n2.5"), 2.5);
    EXPECT_EQ(ReadDecimalPrefix("-3"), -3.0);
    EXPECT_EQ(ReadDecimalPrefix("+4"), 4.0);
    EXPECT_EQ(ReadDecimalPrefix(".5"), 0.5);
    EXPECT_EQ(ReadDecimalPrefix("5."), 5.0);
    EXPECT_EQ(ReadDecimalPrefix("1e2"), 100.0);
    EXPECT_EQ(ReadDecimalPrefix("1E-1"), 0.1);
    EXPECT_EQ(ReadDecimalPrefix("123456789012345678901234567890"), 1.2345678901234568e29);
}

TEST(ReadDecimalPrefix, StopsAtTheFirstCharacterThatDoesNotFit)
{
    EXPECT_EQ(ReadDecimalPrefix("7a"), 7.0);
    EXPECT_EQ(ReadDecimalPrefix("1,5"), 1.0); // "," is never a decimal point here
    EXPECT_EQ(ReadDecimalPrefix("1.2.3"), 1.2);
    EXPECT_EQ(ReadDecimalPrefix("1e"), 1.0);
    EXPECT_EQ(ReadDecimalPrefix("1e+"), 1.0);
    EXPECT_EQ(ReadDecimalPrefix("2e-x"), 2.0);
    EXPECT_EQ(ReadDecimalPrefix("0x10"), 0.0);

    EXPECT_EQ(ScanDecimalPrefix("7a"), 1u);
    EXPECT_EQ(ScanDecimalPrefix("  -1.5e3x"), 8u);
    EXPECT_EQ(ScanDecimalPrefix("1e"), 1u);
}

TEST(ReadDecimalPrefix, ReadsZeroWithoutANumber)
{
    for (const char* text : {"", " ", ".", "-", "+.", "abc", "e5", "inf", "nan", "\xef\xbc\x91" /* １ */}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ReadDecimalPrefix(text), 0.0);
        EXPECT_EQ(ScanDecimalPrefix(text), 0u);
    }
}

TEST(ReadDecimalPrefix, SaturatesBeyondTheDoubleRange)
{
    EXPECT_EQ(ReadDecimalPrefix("1e400"), HUGE_VAL);
    EXPECT_EQ(ReadDecimalPrefix("-1e400"), -HUGE_VAL);
    EXPECT_EQ(ReadDecimalPrefix("123e99999999999999999999"), HUGE_VAL);
    EXPECT_EQ(ReadDecimalPrefix("1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(ReadDecimalPrefix("-1e-400")));
    EXPECT_EQ(ReadDecimalPrefix("0.0001e-99999"), 0.0);
    EXPECT_EQ(ReadDecimalPrefix("0e99999"), 0.0);
    EXPECT_EQ(ReadDecimalPrefix("1e-310"), 1e-310); // subnormal, still a number
}

TEST(ParseDecimal, TakesOnlyAWholeNumber)
{
    EXPECT_EQ(ParseDecimal("3000"), 3000.0);
    EXPECT_EQ(ParseDecimal(" 2.5 "), 2.5);
    EXPECT_EQ(ParseDecimal("-0.5"), -0.5);
    EXPECT_FALSE(ParseDecimal(""));
    EXPECT_FALSE(ParseDecimal("2a"));
    EXPECT_FALSE(ParseDecimal("1,5"));
    EXPECT_FALSE(ParseDecimal("1e"));
}

TEST(FormatDecimal, WritesAPointAndReadsBack)
{
    EXPECT_EQ(FormatDecimal(0.02), "0.02");
    EXPECT_EQ(FormatDecimal(2.0), "2");
    EXPECT_EQ(FormatDecimal(-2.5), "-2.5");
    EXPECT_EQ(FormatDecimal(1e300), "1e+300");
    EXPECT_EQ(FormatDecimal(std::nan("")), "nan");
    EXPECT_EQ(FormatDecimal(-HUGE_VAL), "-inf");
    for (double v : {0.1, 1.0 / 3.0, 99.1, 123456.789, 5e-324, 1.7976931348623157e308})
        EXPECT_EQ(ReadDecimalPrefix(FormatDecimal(v)), v) << FormatDecimal(v);
}

} // namespace
} // namespace hn
