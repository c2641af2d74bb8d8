// SPDX-License-Identifier: GPL-3.0-or-later
// The figures under the slots: ratio text, required income, ratio bands, gauge position.
#include "summary/SummaryTotals.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>
#include <limits>

namespace hn {
namespace {

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
