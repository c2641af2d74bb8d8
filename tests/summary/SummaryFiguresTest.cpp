// SPDX-License-Identifier: GPL-3.0-or-later
// The figures under the slots: ratio text, required income, ratio bands, gauge position.
#include "calc/RatioText.h"
#include "summary/SummaryTotals.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>
#include <limits>

namespace hn {
namespace {

TEST(RatioText, FourSignificantDigitsKeepingALonePoint)
{
    EXPECT_EQ(FormatRatioText(25.0), "25.%");
    EXPECT_EQ(FormatRatioText(18.456), "18.46%");
    EXPECT_EQ(FormatRatioText(5.5), "5.5%");
    EXPECT_EQ(FormatRatioText(100.0), "100.%");
    EXPECT_EQ(FormatRatioText(15.834933), "15.83%");
    EXPECT_EQ(FormatRatioText(40.120467), "40.12%");
    EXPECT_EQ(FormatRatioText(9.99951), "10.%"); // rounding carries into a new digit
    EXPECT_EQ(FormatRatioText(1234.4), "1234.%");
    EXPECT_EQ(FormatRatioText(0.5), "0.5%");
    EXPECT_EQ(FormatRatioText(0.123456), "0.1235%");
}

TEST(RatioText, ExponentFormOutsideTenthToTenThousand)
{
    EXPECT_EQ(FormatRatioNumber(0.1), "0.1"); // lower end is fixed
    EXPECT_EQ(FormatRatioNumber(0.09999), "9.999e-002");
    EXPECT_EQ(FormatRatioNumber(0.099996), "0.1"); // rounds up into the fixed range
    EXPECT_EQ(FormatRatioNumber(0.05), "5.e-002");
    EXPECT_EQ(FormatRatioNumber(9999.4), "9999.");
    EXPECT_EQ(FormatRatioNumber(9999.6), "1.e+004"); // rounds up out of the fixed range
    EXPECT_EQ(FormatRatioNumber(12346.0), "1.235e+004");
    EXPECT_EQ(FormatRatioNumber(1.5e-7), "1.5e-007");
    EXPECT_EQ(FormatRatioNumber(2.5e200), "2.5e+200");
}

TEST(RatioText, SignAndValuesWithoutDigits)
{
    EXPECT_EQ(FormatRatioNumber(-18.456), "-18.46");
    EXPECT_EQ(FormatRatioNumber(-0.05), "-5.e-002");
    EXPECT_EQ(FormatRatioNumber(0.0), "0.");
    EXPECT_EQ(FormatRatioNumber(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(FormatRatioNumber(std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(RequiredIncome, DividedByTwentyPercentRoundedHalfUp)
{
    EXPECT_EQ(IncomeManAtTwentyPercentBurden(1000000), 500); // 500.5 floored
    EXPECT_EQ(IncomeManAtTwentyPercentBurden(1001000), 501);
    EXPECT_EQ(IncomeManAtTwentyPercentBurden(950096), 475);
    EXPECT_EQ(IncomeManAtTwentyPercentBurden(2407228), 1204);
    EXPECT_EQ(IncomeManAtTwentyPercentBurden(999), 0);
    EXPECT_EQ(IncomeManAtTwentyPercentBurden(0), 0);
}

TEST(AnnualRepayment, TwelveMonthlyAndTwoBonusInstalments)
{
    EXPECT_EQ(AnnualRepayment(test::kWorkedYutori.monthly[0], test::kWorkedYutori.bonus[0]), test::kWorkedYutori.annual);
    EXPECT_EQ(AnnualRepayment(160451, 240908), 2407228);
    EXPECT_EQ(AnnualRepayment(8LL * 2147483647, 0), 206158430112LL); // beyond 32 bits, exact
}

TEST(BurdenRatio, NeedsBothFigures)
{
    EXPECT_FALSE(BurdenRatio(950096, 0).has_value());
    EXPECT_FALSE(BurdenRatio(0, 6000000).has_value());
    EXPECT_DOUBLE_EQ(*BurdenRatio(950096, 6000000), 15.834933333333334);
}

TEST(RatioBand, ColourBandsAndTheirEdges)
{
    EXPECT_EQ(RatioBarColor(16.99), ColorRef::Rgb(100, 100, 255));
    EXPECT_EQ(RatioBarColor(-3), ColorRef::Rgb(100, 100, 255));
    EXPECT_EQ(RatioBarColor(17.0), ColorRef::Rgb(240, 240, 25));
    EXPECT_EQ(RatioBarColor(22.999), ColorRef::Rgb(240, 240, 25));
    EXPECT_EQ(RatioBarColor(23.0), ColorRef::Rgb(254, 71, 99));
}

TEST(RatioBand, GaugePositionTruncatesAndHoldsAtTheIntEnds)
{
    EXPECT_EQ(RatioGaugePosition(15.83), 15);
    EXPECT_EQ(RatioGaugePosition(40.12), 40);
    EXPECT_EQ(RatioGaugePosition(-0.5), 0);
    EXPECT_EQ(RatioGaugePosition(-1.5), -1);
    EXPECT_EQ(RatioGaugePosition(1e12), std::numeric_limits<int>::max());
    EXPECT_EQ(RatioGaugePosition(-1e12), std::numeric_limits<int>::min());
    EXPECT_EQ(RatioGaugePosition(std::numeric_limits<double>::quiet_NaN()), 0);
}

} // namespace
} // namespace hn
