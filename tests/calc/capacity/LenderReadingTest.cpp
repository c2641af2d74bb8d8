// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/capacity/LenderReading.h"

#include "calc/CheckMessages.h"
#include "calc/capacity/PlanningMessages.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace hn {
namespace {

LoanInput Loan(RepaymentMethod method, double loanMan, double bonusMan, double rate1Percent, double rate2Percent,
               double years)
{
    return MakeLoanInput({method, loanMan, bonusMan, rate1Percent, rate2Percent, years});
}

// A public-lender loan at a fixed 1.8 % (lent without a screening rate) and a
// bank loan at 0.5 % screened at 3.5 %.
struct TwoLoans {
    std::vector<ReadingLoan> loans{
        {Loan(CorporationBasic, 2000, 400, 1.8, 1.8, 35), false},
        {Loan(BankOther, 1500, 0, 0.5, 0.5, 35), true},
    };
    ReadingRequest Request(double incomeMan, std::string_view limit) const
    {
        ReadingRequest r;
        r.loans = loans;
        r.incomeMan = incomeMan;
        r.limit = FindBurdenLimitRule(limit);
        r.screeningRatePercent = 3.5;
        return r;
    }
};

TEST(LenderReading, EachLoanScreenedAsOneLevelLoanAtItsRate)
{
    const TwoLoans two;
    const LenderReadingOutcome out = ReadAsLender(two.Request(500, "30"));
    ASSERT_TRUE(out.ok) << out.message;
    const LenderReading& r = out.reading;
    const std::int64_t publicAnnual = 12 * static_cast<std::int64_t>(WholeLoanMonthly(20'000'000, 0.018, 35));
    const std::int64_t bankReal = 12 * static_cast<std::int64_t>(WholeLoanMonthly(15'000'000, 0.005, 35));
    const std::int64_t bankScreened = 12 * static_cast<std::int64_t>(WholeLoanMonthly(15'000'000, 0.035, 35));
    ASSERT_EQ(r.perLoan.size(), 2u);
    EXPECT_EQ(r.perLoan[0].realAnnualYen, publicAnnual);
    EXPECT_EQ(r.perLoan[0].screeningAnnualYen, publicAnnual); // not screened
    EXPECT_EQ(r.perLoan[1].realAnnualYen, bankReal);
    EXPECT_EQ(r.perLoan[1].screeningAnnualYen, bankScreened);
    EXPECT_EQ(r.atRealRates.loansAnnualYen, publicAnnual + bankReal);
    EXPECT_EQ(r.atScreeningRate.loansAnnualYen, publicAnnual + bankScreened);
    EXPECT_DOUBLE_EQ(*r.atScreeningRate.ratioPercent,
                     static_cast<double>(publicAnnual + bankScreened) / 5'000'000.0 * 100);
    // 1,237,860 a year at the real rates is within 30 % of 500 万円; screened
    // (1,514,532) it is not.
    EXPECT_EQ(r.atRealRates.loansAnnualYen, 1'237'860);
    EXPECT_EQ(r.atScreeningRate.loansAnnualYen, 1'514'532);
    EXPECT_EQ(r.allowanceYen, 1'500'000);
    EXPECT_TRUE(r.atRealRates.within);
    EXPECT_FALSE(r.atScreeningRate.within);
    // Income needed: 1,237,860 ÷ 30 % = 4,126,200 and 1,514,532 ÷ 30 % =
    // 5,048,440 yen, rounded up to whole 万円.
    EXPECT_EQ(r.atRealRates.incomeNeededMan, 413);
    EXPECT_EQ(r.atScreeningRate.incomeNeededMan, 505);
}

TEST(LenderReading, WithinExactlyFromTheIncomeNeeded)
{
    const TwoLoans two;
    for (const char* limit : {"25", "35", "public", "bank"}) {
        SCOPED_TRACE(limit);
        ReadingRequest q = two.Request(500, limit);
        q.otherDebtsMan = 36;
        const BurdenReading screened = ReadAsLender(q).reading.atScreeningRate;
        const auto needed = static_cast<double>(screened.incomeNeededMan);
        q.incomeMan = needed;
        EXPECT_TRUE(ReadAsLender(q).reading.atScreeningRate.within);
        q.incomeMan = needed - 1;
        EXPECT_FALSE(ReadAsLender(q).reading.atScreeningRate.within);
    }
}

TEST(LenderReading, WithoutIncomeOrScreeningOnlyWhatCanBeSaid)
{
    TwoLoans two;
    ReadingRequest q = two.Request(0, "30");
    LenderReadingOutcome out = ReadAsLender(q);
    ASSERT_TRUE(out.ok);
    EXPECT_FALSE(out.reading.atRealRates.ratioPercent);
    EXPECT_FALSE(out.reading.atRealRates.within);
    EXPECT_GT(out.reading.atRealRates.incomeNeededMan, 0);

    // No loan screened: no screening rate needed, both readings alike.
    two.loans[1].screened = false;
    q = two.Request(600, "30");
    q.screeningRatePercent = 0;
    out = ReadAsLender(q);
    ASSERT_TRUE(out.ok) << out.message;
    EXPECT_EQ(out.reading.atRealRates.annualYen, out.reading.atScreeningRate.annualYen);

    two.loans[1].screened = true;
    q = two.Request(600, "30");
    q.screeningRatePercent = 0;
    EXPECT_EQ(ReadAsLender(q).message, kMsgScreeningRateMissing);
    q = two.Request(600, "30");
    q.loans = {};
    EXPECT_EQ(ReadAsLender(q).message, kMsgNoLoans);
    q = two.Request(10000, "30");
    EXPECT_EQ(ReadAsLender(q).message, kMsgIncomeTooLarge);
    q = two.Request(600, "30");
    q.otherDebtsMan = -3;
    EXPECT_EQ(ReadAsLender(q).message, kMsgOtherDebtsInvalid);
}

// The income needed is the boundary of the allowance, for every rule.
TEST(BurdenLimit, IncomeNeededIsTheSmallestIncomeThatCarriesTheRepayment)
{
    std::mt19937_64 rng(15);
    std::uniform_int_distribution<std::int64_t> annual(0, 20'000'000);
    std::uniform_int_distribution<std::int64_t> other(0, 2'000'000);
    for (const BurdenLimitRule& rule : BurdenLimitRules()) {
        SCOPED_TRACE(rule.key);
        for (int n = 0; n < 2000; ++n) {
            const std::int64_t a = annual(rng);
            const std::int64_t o = n % 3 == 0 ? 0 : other(rng);
            const std::int64_t income = IncomeNeededMan(rule, a, o);
            EXPECT_GE(AnnualAllowanceYen(rule, income * 10000, o), a) << a << " " << o;
            if (income > 0) {
                EXPECT_LT(AnnualAllowanceYen(rule, (income - 1) * 10000, o), a) << a << " " << o;
            }
        }
    }
}

} // namespace
} // namespace hn
