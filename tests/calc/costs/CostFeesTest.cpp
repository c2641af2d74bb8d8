// SPDX-License-Identifier: GPL-3.0-or-later
// The fee tables at their bounds, the exact percentages and the ledger's totals.
#include "calc/MulDivFloor.h"
#include "calc/costs/AdminFee.h"
#include "calc/costs/CostLedger.h"
#include "calc/costs/CostPercent.h"
#include "calc/costs/CostTables.h"
#include "calc/costs/CostTexts.h"
#include "calc/costs/GuaranteeFee.h"
#include "calc/costs/RegistrationTax.h"
#include "calc/costs/StampDuty.h"
#include "calc/schedule/Schedule.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <random>

namespace hn {
namespace {

__extension__ typedef __int128 Wide; // the reference for MulDivFloor, in tests only

TEST(MulDivFloor, MatchesWideArithmeticEverywhere)
{
    std::mt19937_64 random(20240601);
    constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
    for (int i = 0; i < 20000; ++i) {
        const std::int64_t a = static_cast<std::int64_t>(random() >> (random() % 63 + 1));
        const std::int64_t b = static_cast<std::int64_t>(random() >> (random() % 63 + 1));
        const std::int64_t c = static_cast<std::int64_t>(random() >> (random() % 63 + 1)) + 1;
        const Wide q = Wide{a} * b / c;
        const auto got = MulDivFloor(a, b, c);
        if (q > kMax) {
            EXPECT_FALSE(got) << a << " " << b << " " << c;
        } else {
            ASSERT_EQ(got, static_cast<std::int64_t>(q)) << a << " " << b << " " << c;
        }
    }
    EXPECT_EQ(MulDivFloor(kMax, kMax, kMax), kMax);
    EXPECT_FALSE(MulDivFloor(-1, 1, 1));
    EXPECT_FALSE(MulDivFloor(1, 1, 0));
}

TEST(CostPercent, ReadsTypedDecimalsExactly)
{
    EXPECT_EQ(ParseCostPercent(" -0.2 "), CostPercent::FromHundredths(-20));
    EXPECT_EQ(ParseCostPercent("+0.18"), CostPercent::FromHundredths(18));
    EXPECT_EQ(ParseCostPercent("3"), CostPercent::FromHundredths(300));
    EXPECT_EQ(ParseCostPercent("-0"), CostPercent{}); // a zero has no sign
    for (const char* bad : {"", ".", "-", "- 2", "--2", "2,2", "abc", "1.2.3"})
        EXPECT_FALSE(ParseCostPercent(bad)) << bad;
    for (const char* text : {"2.2", "-0.2", "0.1", "0", "12.3456", "0.0001", "0.123456789"})
        EXPECT_EQ(CostPercentText(*ParseCostPercent(text)), text);
    // Points add up with their signs, exactly.
    EXPECT_EQ(CostPercent::FromHundredths(18) + CostPercent::FromHundredths(-20), CostPercent::FromHundredths(-2));
    EXPECT_EQ(CostPercent::FromHundredths(-20) + CostPercent::FromHundredths(20), CostPercent{});
    EXPECT_DOUBLE_EQ(CostPercent::FromHundredths(-20).Fraction(), -0.002);
}

TEST(CostPercent, MovesAnExactRateByItsPoints)
{
    const ExactRate rate = *ExactRate::FromPercentText("1.5");
    EXPECT_EQ(RateWithPoints(rate, CostPercent::FromHundredths(-20))->PercentText(), "1.3");
    EXPECT_EQ(RateWithPoints(rate, *ParseCostPercent("0.24"))->PercentText(), "1.74");
    EXPECT_FALSE(RateWithPoints(rate, CostPercent::FromHundredths(-151))); // below 0 %
}

TEST(CostPercent, TakesAShareOfAnAmountInWholeNumbers)
{
    const CostPercent rate = *ParseCostPercent("2.2");
    EXPECT_EQ(PercentOfYen(30'000'000, rate), 660'000);
    EXPECT_EQ(PercentOfYen(12'345'678, rate), 271'604); // 271,604.916 floored
    // 2.2 % of 1,000,000 is exactly 22,000; 0.022 as a double would give 21,999.999...
    EXPECT_EQ(PercentOfYen(1'000'000, rate), 22'000);
    EXPECT_FALSE(PercentOfYen(1'000, CostPercent::FromHundredths(-20)));
}

// Each row of the stamp table at its bound and one yen above it.
TEST(StampDuty, EveryRowAtItsInclusiveBound)
{
    struct Bound {
        std::int64_t at, tax, above;
    };
    const Bound bounds[] = {
        {9'999, 0, 200},          {100'000, 200, 400},        {500'000, 400, 1'000},
        {1'000'000, 1'000, 2'000}, {5'000'000, 2'000, 10'000}, {10'000'000, 10'000, 20'000},
        {50'000'000, 20'000, 60'000}, {100'000'000, 60'000, 100'000}, {500'000'000, 100'000, 200'000},
        {1'000'000'000, 200'000, 400'000}, {5'000'000'000, 400'000, 600'000},
    };
    for (const Bound& b : bounds) {
        EXPECT_EQ(StampDutyYen(b.at, ContractForm::Paper), b.tax) << b.at;
        EXPECT_EQ(StampDutyYen(b.at + 1, ContractForm::Paper), b.above) << b.at + 1;
    }
    EXPECT_EQ(StampDutyYen(0, ContractForm::Paper), 0);
    EXPECT_EQ(StampDutyYen(10'000, ContractForm::Paper), 200);
    EXPECT_EQ(StampDutyYen(std::numeric_limits<std::int64_t>::max(), ContractForm::Paper), 600'000);
    EXPECT_EQ(StampDutyYen(30'000'000, ContractForm::Electronic), 0);
}

TEST(RegistrationTax, FloorsTheBaseToAThousandAndTheTaxToAHundred)
{
    EXPECT_EQ(RegistrationTaxYen(30'000'000, RegistrationRate::Standard), 120'000);
    EXPECT_EQ(RegistrationTaxYen(30'000'000, RegistrationRate::HomeRelief), 30'000);
    // Base 12,345,000: 0.4 % is 49,380 → 49,300; 0.1 % is 12,345 → 12,300.
    EXPECT_EQ(RegistrationBaseYen(12'345'678), 12'345'000);
    EXPECT_EQ(RegistrationTaxYen(12'345'678, RegistrationRate::Standard), 49'300);
    EXPECT_EQ(RegistrationTaxYen(12'345'678, RegistrationRate::HomeRelief), 12'300);
    // A tax below 1,000 円 is 1,000 円; a base below 1,000 円 is 1,000 円.
    EXPECT_EQ(RegistrationTaxYen(500'000, RegistrationRate::HomeRelief), 1'000);
    EXPECT_EQ(RegistrationTaxYen(999, RegistrationRate::Standard), 1'000);
    EXPECT_EQ(RegistrationBaseYen(999), 1'000);
    EXPECT_EQ(RegistrationTaxYen(0, RegistrationRate::Standard), 0);
}

// Every row at its own period and the period just above the row before it.
TEST(GuaranteeFee, EveryRowAndTheNextLongerRowBetweenThem)
{
    int previous = 0;
    for (const GuaranteeTableRow& row : kGuaranteeTable) {
        for (int years : {previous + 1, row.years}) {
            const GuaranteeFeeOutcome fee = TableGuaranteeFee(10'000'000, years, RepaymentFamily::LevelPayment);
            ASSERT_TRUE(fee.ok) << years;
            EXPECT_EQ(fee.tableYears, row.years) << years;
            EXPECT_EQ(fee.feeYen, row.yenPerTenMillion) << years;
        }
        previous = row.years;
    }
    const GuaranteeFeeOutcome beyond = TableGuaranteeFee(10'000'000, 36, RepaymentFamily::LevelPayment);
    EXPECT_FALSE(beyond.ok);
    EXPECT_EQ(beyond.message, kMsgGuaranteeBeyondTable);
}

TEST(GuaranteeFee, ProRataPerYenFlooredAndOnlyForLevelPayments)
{
    // 2,000 万円 over 35 years at 1.075 % (57,158 a month): 20,620 per 100 万円.
    EXPECT_EQ(BuildSchedule(test::Loan(BankOther, 2000, 0, 1.075, 1.075, 35)).monthly.rows[0].payment, 57'158);
    EXPECT_EQ(TableGuaranteeFee(20'000'000, 35, RepaymentFamily::LevelPayment).feeYen, 412'400);
    EXPECT_EQ(TableGuaranteeFee(30'000'000, 30, RepaymentFamily::LevelPayment).feeYen, 574'110);
    // 12,345,678 × 206,200 / 10^7 = 254,567.88...
    EXPECT_EQ(TableGuaranteeFee(12'345'678, 35, RepaymentFamily::ReducedEarly).feeYen, 254'567);
    const GuaranteeFeeOutcome equal = TableGuaranteeFee(20'000'000, 35, RepaymentFamily::EqualPrincipal);
    EXPECT_FALSE(equal.ok);
    EXPECT_EQ(equal.message, kMsgGuaranteeNotLevel);
    EXPECT_FALSE(TableGuaranteeFee(0, 35, RepaymentFamily::LevelPayment).ok);
    EXPECT_FALSE(TableGuaranteeFee(20'000'000, 0, RepaymentFamily::LevelPayment).ok);
}

TEST(AdminFee, FixedOrARateWithTheLendersMinimum)
{
    AdminFeeTerms fixed{AdminFeeTerms::Kind::Fixed, 33'000, {}, 0};
    EXPECT_EQ(ComputeAdminFee(30'000'000, fixed).feeYen, 33'000);

    AdminFeeTerms rate{AdminFeeTerms::Kind::Rate, 0, *ParseCostPercent("2.2"), 110'000};
    AdminFeeOutcome big = ComputeAdminFee(30'000'000, rate);
    ASSERT_TRUE(big.ok);
    EXPECT_EQ(big.feeYen, 660'000);
    EXPECT_FALSE(big.minimumApplied);
    AdminFeeOutcome small = ComputeAdminFee(3'000'000, rate); // 66,000 below the minimum
    EXPECT_EQ(small.rateFeeYen, 66'000);
    EXPECT_EQ(small.feeYen, 110'000);
    EXPECT_TRUE(small.minimumApplied);

    EXPECT_FALSE(ComputeAdminFee(30'000'000, {AdminFeeTerms::Kind::Fixed, -1, {}, 0}).ok);
    EXPECT_FALSE(ComputeAdminFee(30'000'000, {AdminFeeTerms::Kind::Rate, 0, CostPercent::FromHundredths(-1), 0}).ok);
    EXPECT_FALSE(ComputeAdminFee(30'000'000, {AdminFeeTerms::Kind::Rate, 0, {}, -1}).ok);
}

// A loan of 3,000 万円 grown by a financed fee, with a deducted and cash fees: each
// fee counts once, and the amount in hand is the loan less all of them.
TEST(CostLedger, CountsEachFeeOnceWhereverItIsPaid)
{
    const std::int64_t loan = 30'000'000 + 660'000; // the admin fee added to the loan
    const AdminFeeTerms terms{AdminFeeTerms::Kind::Rate, 0, *ParseCostPercent("2.2"), 0};
    CostLedger ledger;
    ledger.items.push_back(AdminFeeCost(30'000'000, terms, ComputeAdminFee(30'000'000, terms), CostPayment::Financed));
    ledger.items.push_back(
        GuaranteeTableCost(loan, TableGuaranteeFee(loan, 35, RepaymentFamily::LevelPayment), CostPayment::Deducted));
    ledger.items.push_back(StampDutyCost(loan, ContractForm::Paper));
    ledger.items.push_back(RegistrationTaxCost(loan, RegistrationRate::HomeRelief));
    ledger.items.push_back(TypedCost(CostKind::ScrivenerFee, 100'000, CostPayment::Cash));
    ledger.ratePoints.push_back({RatePointsKind::Insurance, kInsurancePresets[1].points});
    ledger.ratePoints.push_back({RatePointsKind::GuaranteeAddition, kGuaranteeRateAddition});

    EXPECT_EQ(ledger.items[0].basis.kind, CostBasisKind::Percent);
    EXPECT_EQ(ledger.items[1].yen, 632'209); // 30,660,000 × 206,200 / 10^7 = 632,209.2
    EXPECT_EQ(ledger.items[1].basis.tableYears, 35);
    EXPECT_EQ(ledger.items[2].yen, 20'000);
    EXPECT_EQ(ledger.items[3].yen, 30'600); // base 30,660,000 × 0.1 % = 30,660 → 30,600
    EXPECT_EQ(TotalRatePoints(ledger), CostPercent::FromHundredths(38));

    const LedgerTotals t = TotalsOf(ledger, loan, 40'000'000);
    EXPECT_EQ(t.financedYen, 660'000);
    EXPECT_EQ(t.deductedYen, ledger.items[1].yen);
    EXPECT_EQ(t.cashYen, 20'000 + 30'600 + 100'000);
    EXPECT_EQ(t.feesYen, t.financedYen + t.deductedYen + t.cashYen);
    EXPECT_EQ(t.totalCostYen, 40'000'000 + t.deductedYen + t.cashYen);
    EXPECT_EQ(t.costNetOfCashYen, 40'000'000 + t.deductedYen);
    EXPECT_EQ(t.amountReceivedYen, 30'000'000 - t.deductedYen - t.cashYen);
}

} // namespace
} // namespace hn
