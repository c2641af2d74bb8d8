// SPDX-License-Identifier: GPL-3.0-or-later
// How every quantity reads, unit by unit, and the patterns texts are filled in by.
#include "report/Units.h"

#include "report/TextPattern.h"

#include <gtest/gtest.h>
#include <limits>

namespace hn {
namespace {

using Q = Quantity;

std::string SummaryRatio(double percent)
{
    return Bare(Q::SummaryPercent(percent));
}

// One style for every figure of the new windows: the unit right after the figure, rates
// and ratios as plain decimals (never ".000", "35.%" or an exponent).
TEST(Units, FiguresCarryTheirUnitsOneWay)
{
    EXPECT_EQ(Text(Q::Yen(-1'234'567)), "-1,234,567円");
    EXPECT_EQ(Text(Q::Man(0)), "0万円");
    EXPECT_EQ(Text(Q::Man(3750)), "3,750万円");
    EXPECT_EQ(Text(Q::Rate(0.02375)), "2.375%");
    EXPECT_EQ(Text(Q::Rate(0.0)), "0%");
    EXPECT_EQ(Text(Q::Rate(0.000005)), "0.0005%");
    EXPECT_EQ(Text(Q::Rate(0.001 * 0.01)), "0.001%");
    EXPECT_EQ(Text(Q::Rate(0.00005 * 0.01)), "0.00005%");
    EXPECT_EQ(Text(Q::Rate(1.23456789 * 0.01)), "1.23456789%");
    EXPECT_EQ(Text(Q::Rate(1.1 * 0.01)), "1.1%"); // the rate typed, not 0.011000000000000001
    EXPECT_EQ(Text(Q::Percent(35.0)), "35%");
    EXPECT_EQ(Text(Q::Percent(30.1449)), "30.14%");
    EXPECT_EQ(Text(Q::Percent(19.5)), "19.5%");
    EXPECT_EQ(Text(Q::Percent(0.004)), "0%");
    EXPECT_EQ(Text(Q::Percent(-0.004)), "0%"); // no "-0%"
    EXPECT_EQ(Text(Q::Span(51)), "4年3か月");
    EXPECT_EQ(Text(Q::Span(24)), "2年");
    EXPECT_EQ(Text(Q::Span(9)), "9か月");
    EXPECT_EQ(Text(Q::Span(0)), "0か月");
    EXPECT_EQ(Text(Q::Months(347)), "347か月");
    EXPECT_EQ(Text(Q::Instalment(369)), "第369回");
    EXPECT_EQ(Text(Q::Month({2057, 9})), "2057年9月");
    EXPECT_EQ(Text(Q::LoanYear(30)), "30年目");
    EXPECT_EQ(Text(Q::Count(12)), "12");
    EXPECT_EQ(Text(Q::Words("ﾎﾞｰﾅｽ")), "ﾎﾞｰﾅｽ");
}

// The plain command-line mode keeps its space before a unit; nothing else has one.
TEST(Units, SpacedUnitsOnlyWhereAUnitFollows)
{
    EXPECT_EQ(Text(Q::Yen(950'096), Spacing::Spaced), "950,096 円");
    EXPECT_EQ(Text(Q::Man(475), Spacing::Spaced), "475 万円");
    EXPECT_EQ(Text(Q::SummaryPercent(35.0), Spacing::Spaced), "35. %");
    EXPECT_EQ(Text(Q::Instalment(3), Spacing::Spaced), "第3回");
    EXPECT_EQ(Text(Q::Count(3), Spacing::Spaced), "3");
}

TEST(Units, BareFiguresLeaveTheUnitToTheCaption)
{
    EXPECT_EQ(Bare(Q::Yen(79'503)), "79,503");
    EXPECT_EQ(Bare(Q::Man(3000)), "3,000");
    EXPECT_EQ(Bare(Q::Rate(0.02375)), "2.375");
    EXPECT_EQ(Bare(Q::Percent(30.14)), "30.14");
    EXPECT_EQ(Bare(Q::Instalment(369)), "369");
    EXPECT_EQ(Bare(Q::Month({0, 0})), ""); // no month: a row before any calendar
}

TEST(Units, DifferencesShowTheirSignButZeroHasNone)
{
    EXPECT_EQ(Text(Q::YenDifference(1'000)), "+1,000円");
    EXPECT_EQ(Text(Q::YenDifference(-1'000)), "-1,000円");
    EXPECT_EQ(Text(Q::YenDifference(0)), "0円");
    EXPECT_EQ(Text(Q::Yen(1'000)), "1,000円");
}

// An amount as the entry fields show it: whole 万円 in 万円, anything finer in yen.
TEST(Units, AmountsInManWhereWhole)
{
    EXPECT_EQ(Text(Q::Amount(30'000'000.0)), "3,000万円");
    EXPECT_EQ(Text(Q::Amount(12'345'678.0)), "12,345,678円");
    EXPECT_EQ(Text(Q::Amount(0.0)), "0万円");
    EXPECT_EQ(Text(Q::Amount(1e19)), "?");
    EXPECT_EQ(Text(Q::Amount(std::numeric_limits<double>::quiet_NaN())), "?");
}

TEST(Units, SummaryRatioFourSignificantDigitsKeepingALonePoint)
{
    EXPECT_EQ(Text(Q::SummaryPercent(25.0)), "25.%");
    EXPECT_EQ(Text(Q::SummaryPercent(18.456)), "18.46%");
    EXPECT_EQ(SummaryRatio(5.5), "5.5");
    EXPECT_EQ(SummaryRatio(100.0), "100.");
    EXPECT_EQ(SummaryRatio(15.834933), "15.83");
    EXPECT_EQ(SummaryRatio(40.120467), "40.12");
    EXPECT_EQ(SummaryRatio(9.99951), "10."); // rounding carries into a new digit
    EXPECT_EQ(SummaryRatio(1234.4), "1234.");
    EXPECT_EQ(SummaryRatio(0.5), "0.5");
    EXPECT_EQ(SummaryRatio(0.123456), "0.1235");
}

TEST(Units, SummaryRatioExponentFormOutsideTenthToTenThousand)
{
    EXPECT_EQ(SummaryRatio(0.1), "0.1"); // lower end is fixed
    EXPECT_EQ(SummaryRatio(0.09999), "9.999e-002");
    EXPECT_EQ(SummaryRatio(0.099996), "0.1"); // rounds up into the fixed range
    EXPECT_EQ(SummaryRatio(0.05), "5.e-002");
    EXPECT_EQ(SummaryRatio(9999.4), "9999.");
    EXPECT_EQ(SummaryRatio(9999.6), "1.e+004"); // rounds up out of the fixed range
    EXPECT_EQ(SummaryRatio(12346.0), "1.235e+004");
    EXPECT_EQ(SummaryRatio(1.5e-7), "1.5e-007");
    EXPECT_EQ(SummaryRatio(2.5e200), "2.5e+200");
}

TEST(Units, SummaryRatioSignAndValuesWithoutDigits)
{
    EXPECT_EQ(SummaryRatio(-18.456), "-18.46");
    EXPECT_EQ(SummaryRatio(-0.05), "-5.e-002");
    EXPECT_EQ(SummaryRatio(0.0), "0.");
    EXPECT_EQ(SummaryRatio(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(SummaryRatio(std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(FillIn, ReplacesNumberedPlaceholdersAndLeavesOthers)
{
    EXPECT_EQ(FillIn("第%1回／%2回 %3 100%", {"5", "60"}), "第5回／60回 %3 100%");
    EXPECT_EQ(FillIn("%2%1", {"a", "b"}), "ba");
}

} // namespace
} // namespace hn
