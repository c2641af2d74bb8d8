// SPDX-License-Identifier: GPL-3.0-or-later
// The summary's totals: the year's repayment, the income it requires, the burden, and
// which of them the report has.
#include "report/SummaryReport.h"

#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

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

TEST(SummaryReport, FiguresAndTheFieldsLeftBlank)
{
    // Two slots: 公庫 (ゆとり) of the worked loan and a bank loan; income 600 万円.
    const SummaryReport both = MakeSummaryReport({63309 + 80000, 95194, 45965590 + 30000000, 3000 + 2500}, 6000000);
    EXPECT_EQ(FieldText(both.sumMonthly), "143,309");
    EXPECT_EQ(FieldText(both.sumBonus), "95,194");
    EXPECT_EQ(FieldText(both.grandTotal), "75,965,590");
    EXPECT_EQ(both.loan->value, Quantity::Man(5500));
    EXPECT_EQ(FieldText(both.annual), "1,910,096");
    EXPECT_EQ(FieldText(both.requiredIncome), "955");
    EXPECT_EQ(Text(both.ratio.value), "31.83%");
    EXPECT_EQ(both.ratio.key, "ratioPercent");

    // Only the monthly sum decides whether the sums show; a year under 999 yen
    // requires no income; no income, no ratio.
    const SummaryReport bonusOnly = MakeSummaryReport({0, 50000, 12345678, 1000}, 0);
    EXPECT_FALSE(bonusOnly.sumMonthly || bonusOnly.sumBonus || bonusOnly.grandTotal || bonusOnly.loan);
    EXPECT_EQ(FieldText(bonusOnly.annual), "100,000");
    EXPECT_FALSE(bonusOnly.ratioPercent);
    EXPECT_EQ(Text(bonusOnly.ratio.value), "0%");
    const SummaryReport small = MakeSummaryReport({83, 0, 1, 1}, 6000000);
    EXPECT_EQ(FieldText(small.annual), "996");
    EXPECT_EQ(FieldText(small.requiredIncome), "");
    EXPECT_EQ(FieldText(MakeSummaryReport({}, 6000000).annual), "");
}

} // namespace
} // namespace hn
