// SPDX-License-Identifier: GPL-3.0-or-later
// The credit year by year: the simple maxima, rounding, the caps, the income
// ceiling, prepaying under ten years, refinancing and two borrowers.
#include "calc/taxcredit/TaxCredit.h"

#include "calc/schedule/Prepayment.h"
#include "calc/taxcredit/CreditBorrowers.h"
#include "calc/taxcredit/CreditInteractions.h"
#include "calc/taxcredit/TaxCreditTexts.h"
#include "calc/taxcredit/YearAmounts.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hn {
namespace {

using test::Loan;

// The same balance at every year-end from `from` for `years` years.
YearAmounts Flat(int from, int years, std::int64_t yen)
{
    YearAmounts out;
    for (int y = 0; y < years; ++y)
        out.push_back({from + y, yen});
    return out;
}

TaxCreditInput Input(int moveIn, HomeKind kind, YearAmounts balances, Household household = Household::Normal)
{
    TaxCreditInput in;
    in.home = {moveIn, kind, household, HomeCondition::None, 80.0};
    in.yearEndBalances = std::move(balances);
    return in;
}

// 8,000 万円 over 35 years at 0.5 %, first instalment 2025-04, moving in 2025, price
// 9,000 万円, no income tax typed. The year-end balances are worked out here on their
// own (level instalment, each month's interest floored): they stay above 5,000 万円
// through 2037, the 13th year.
YearAmounts EightyMillionAtHalfPercent()
{
    const double rate = 0.005 / 12;
    const double growth = std::pow(1 + rate, 420);
    const auto instalment = static_cast<std::int64_t>(80'000'000 * rate * growth / (growth - 1));
    YearAmounts out;
    std::int64_t balance = 80'000'000;
    int month = 4;
    for (int year = 2025; year <= 2037; ++year) {
        for (; month <= 12; ++month)
            balance -= instalment - static_cast<std::int64_t>(static_cast<double>(balance) * rate);
        month = 1;
        out.push_back({year, balance});
    }
    EXPECT_GT(out.back().yen, 50'000'000);
    return out;
}

TEST(TaxCredit, SimpleMaximaOfTheWorkedExamples)
{
    TaxCreditInput certified = Input(2025, HomeKind::Certified, EightyMillionAtHalfPercent(), Household::ChildRearing);
    certified.priceYen = 90'000'000;
    const TaxCreditResult c = ComputeTaxCredit(certified);
    ASSERT_TRUE(c.ok) << c.message;
    ASSERT_EQ(c.years.size(), 13u);
    for (const TaxCreditYear& y : c.years) {
        EXPECT_EQ(y.creditYen, 350'000) << y.year;
        EXPECT_FALSE(y.use);
    }
    EXPECT_EQ(c.years.back().year, 2037);
    EXPECT_EQ(c.totals.creditYen, 4'550'000);

    TaxCreditInput zeh = certified;
    zeh.home.kind = HomeKind::Zeh;
    zeh.home.household = Household::Normal;
    EXPECT_EQ(ComputeTaxCredit(zeh).totals.creditYen, 3'185'000);
}

// The schedule's own year-end balances: after the instalments due in the year, bonus included.
TEST(TaxCredit, YearEndBalancesFollowTheFirstMonth)
{
    const Schedule s = BuildSchedule(test::WorkedLoan(BankOther));
    const YearAmounts b = YearEndBalances(s, ScheduleCalendar{{2025, 4}, {6, 12}}, 2024);
    ASSERT_GE(b.size(), 3u);
    EXPECT_EQ(b[0], (YearAmount{2024, 30'000'000})); // moved in before the first instalment
    // 2025: monthly instalments 1-9 (April to December), bonus 1 and 2 (June, December).
    EXPECT_EQ(b[1], (YearAmount{2025, s.monthly.rows[8].balance + s.bonus.rows[1].balance}));
    EXPECT_EQ(b[2], (YearAmount{2026, s.monthly.rows[20].balance + s.bonus.rows[3].balance}));
    EXPECT_EQ(b.back(), (YearAmount{2060, 0})); // instalment 420 is March 2060
}

TEST(TaxCredit, RoundsDownToAHundredYenAndCapsAtThePriceLessSubsidies)
{
    // 23,456,789 × 0.7 % = 164,197.52 → 164,100.
    EXPECT_EQ(CreditOfBase(23'456'789), 164'100);
    EXPECT_EQ(CreditOfBase(14'285), 0);   // 99.995
    EXPECT_EQ(CreditOfBase(14'286), 100); // 100.002
    TaxCreditInput in = Input(2025, HomeKind::EnergyEfficient, Flat(2025, 13, 32'000'000));
    in.priceYen = 30'000'000;
    in.subsidiesYen = 5'000'000;
    const TaxCreditResult r = ComputeTaxCredit(in);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.years[0].priceCapYen, 25'000'000);
    EXPECT_EQ(r.years[0].baseYen, 25'000'000);
    EXPECT_EQ(r.years[0].creditYen, 175'000);
    in.subsidiesYen = 40'000'000; // more than the price: nothing left to cap with
    EXPECT_EQ(ComputeTaxCredit(in).years[0].creditYen, 0);
}

TEST(TaxCredit, ResidentTaxTakesTheRestUpToFivePercentOr97500)
{
    // 5 % binding: taxable 1,500,000 → 75,000.
    EXPECT_EQ(UseCredit(245'000, 100'000, 1'500'000), (CreditUse{100'000, 75'000, 75'000, 70'000}));
    // 97,500 binding: taxable 3,000,000 → 150,000, capped.
    EXPECT_EQ(UseCredit(245'000, 50'000, 3'000'000), (CreditUse{50'000, 97'500, 97'500, 97'500}));
    // Income tax enough: nothing to the resident tax.
    EXPECT_EQ(UseCredit(245'000, 400'000, 3'000'000), (CreditUse{245'000, 0, 97'500, 0}));
    EXPECT_EQ(ResidentTaxCap(1'950'019), 97'500);
    EXPECT_EQ(ResidentTaxCap(1'949'999), 97'499);

    TaxCreditInput in = Input(2025, HomeKind::Zeh, Flat(2025, 13, 40'000'000));
    in.incomeTax.everyYear = 100'000;
    in.taxableIncome.everyYear = 1'500'000;
    in.incomeTax.byYear = {{2026, 300'000}};
    const TaxCreditResult r = ComputeTaxCredit(in);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.years[0].use, (CreditUse{100'000, 75'000, 75'000, 70'000}));
    EXPECT_EQ(r.years[1].use, (CreditUse{245'000, 0, 75'000, 0}));
    EXPECT_EQ(r.totals.incomeTaxYen, 12 * 100'000 + 245'000);
    EXPECT_EQ(r.totals.unusedYen, 12 * 70'000);

    in.taxableIncome = {};
    EXPECT_EQ(ComputeTaxCredit(in).message, kMsgCreditTaxableIncomeMissing);
    in.taxableIncome.byYear = {{2025, 1'000'000}}; // a list that leaves 2026 out
    EXPECT_EQ(ComputeTaxCredit(in).message, kMsgCreditTaxableIncomeMissing);
}

TEST(TaxCredit, AYearAboveTheIncomeCeilingGetsNothingAndSaysWhy)
{
    TaxCreditInput in = Input(2025, HomeKind::Zeh, Flat(2025, 13, 30'000'000));
    in.totalIncome.everyYear = 8'000'000;
    in.totalIncome.byYear = {{2027, 20'000'001}, {2028, 20'000'000}};
    TaxCreditResult r = ComputeTaxCredit(in);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.years[2].creditYen, 0);
    EXPECT_EQ(r.years[2].reason, CreditReason::IncomeOverCeiling);
    EXPECT_EQ(CreditReasonText(r.years[2].reason), kReasonCreditIncomeOverCeiling);
    EXPECT_EQ(r.years[3].creditYen, 210'000);
    EXPECT_EQ(r.totals.creditYen, 12 * 210'000);
    // 40 to 50 ㎡: the ceiling is 1,000 万円.
    in.home.floorAreaM2 = 45.0;
    in.totalIncome.byYear = {{2027, 10'000'001}};
    r = ComputeTaxCredit(in);
    EXPECT_EQ(r.years[2].reason, CreditReason::IncomeOverCeiling);
    EXPECT_EQ(r.years[1].creditYen, 210'000);
}

// 3,000 万円 over 35 years at 1 % from 2025-04; 2,500 万円 prepaid after instalment 60
// (March 2030) shortening it: the last instalment falls under 10 years after the first.
TEST(TaxCredit, AShorteningUnderTenYearsEndsTheCreditFromThatYear)
{
    const ScheduleCalendar calendar{{2025, 4}, {6, 12}};
    const Schedule s = BuildSchedule(Loan(BankOther, 3000, 0, 1.0, 1.0, 35));
    const Prepayment p{60, 25'000'000, 0, PrepayMode::Shorten};
    const PrepaymentOutcome prepaid = ApplyPrepayments(s, std::span<const Prepayment>(&p, 1));
    ASSERT_TRUE(prepaid.ok);
    const YearMonth last = MonthOfInstalment(calendar, prepaid.monthsAfter());
    const auto ends = CreditEndAfterShortening(calendar.firstMonth, last, 2030);
    ASSERT_EQ(ends, 2030);
    // Exactly ten years is still ten years.
    EXPECT_FALSE(CreditEndAfterShortening({2025, 4}, {2035, 4}, 2030));
    EXPECT_EQ(CreditEndAfterShortening({2025, 4}, {2035, 3}, 2030), 2030);

    TaxCreditInput in = Input(2025, HomeKind::Zeh, YearEndBalances(prepaid.after, calendar, 2025));
    in.endsFromYear = ends;
    const TaxCreditResult r = ComputeTaxCredit(in);
    ASSERT_TRUE(r.ok);
    EXPECT_GT(r.years[4].creditYen, 0); // 2029
    for (std::size_t k = 5; k < r.years.size(); ++k) {
        EXPECT_EQ(r.years[k].creditYen, 0);
        EXPECT_EQ(r.years[k].reason, CreditReason::EndedByShortening);
    }
}

TEST(TaxCredit, AfterRefinancingOnlyTheShareThatRepaidTheOldLoanCounts)
{
    // A = 20,000,000 repaid by B = 21,000,000 (fees borrowed too): C × 20/21.
    EXPECT_EQ(EligibleAfterRefinance(20'500'000, 20'000'000, 21'000'000), 19'523'809);
    EXPECT_EQ(EligibleAfterRefinance(19'000'000, 20'000'000, 20'000'000), 19'000'000);
    EXPECT_EQ(EligibleAfterRefinance(19'000'000, 20'000'000, 18'000'000), 19'000'000);

    // Moved in 2024; refinanced in 2028: the credit goes on with year 5, not year 1.
    const YearAmounts merged =
        RefinancedBalances(Flat(2024, 5, 22'000'000), Flat(2028, 20, 21'000'000), 2028, 20'000'000, 21'000'000);
    ASSERT_EQ(merged.size(), 24u);
    EXPECT_EQ(merged[3], (YearAmount{2027, 22'000'000}));
    EXPECT_EQ(merged[4], (YearAmount{2028, 20'000'000}));
    const TaxCreditResult r = ComputeTaxCredit(Input(2024, HomeKind::Zeh, merged));
    ASSERT_TRUE(r.ok);
    ASSERT_EQ(r.years.size(), 13u);
    EXPECT_EQ(r.years[4].number, 5);
    EXPECT_EQ(r.years[4].creditYen, 140'000);
    EXPECT_EQ(r.years.back().year, 2036);
}

// 6,000 万円 owed jointly 60/40 on a ZEH home moved into in 2025: each borrower has
// their own 3,500 万円 limit; a pair loan adds each one's own loans.
TEST(TaxCredit, TwoBorrowersEachOnTheirOwnShare)
{
    const YearAmounts joint = Flat(2025, 13, 60'000'000);
    const auto a = JointShare(joint, {60, 100});
    const auto b = JointShare(joint, {40, 100});
    ASSERT_TRUE(a && b);
    EXPECT_EQ((*a)[0].yen, 36'000'000);
    EXPECT_EQ(ComputeTaxCredit(Input(2025, HomeKind::Zeh, *a)).years[0].creditYen, 245'000);
    EXPECT_EQ(ComputeTaxCredit(Input(2025, HomeKind::Zeh, *b)).years[0].creditYen, 168'000);
    EXPECT_EQ(JointShare({{2025, 10'000'001}}, {1, 3})->front().yen, 3'333'333);
    EXPECT_FALSE(JointShare(joint, {3, 2}));

    // Pair loan: borrower A owes a fixed and a variable loan, the second ending earlier.
    const YearAmounts fixed = Flat(2025, 3, 20'000'000);
    const YearAmounts variable = Flat(2025, 2, 10'000'000);
    const YearAmounts own[] = {fixed, variable};
    const YearAmounts sum = SumOfOwnLoans(own);
    EXPECT_EQ(sum, (YearAmounts{{2025, 30'000'000}, {2026, 30'000'000}, {2027, 20'000'000}}));
    const TaxCreditResult r = ComputeTaxCredit(Input(2025, HomeKind::Zeh, sum));
    EXPECT_EQ(r.years[2].creditYen, 140'000);
    EXPECT_EQ(r.years[3].reason, CreditReason::NoBalance);
}

TEST(TaxCredit, RefusesWhatItCannotCompute)
{
    EXPECT_EQ(ComputeTaxCredit(Input(2031, HomeKind::Zeh, {})).message, kMsgCreditYearOutsideTable);
    EXPECT_EQ(ComputeTaxCredit(Input(2025, HomeKind::Other, {})).message, kMsgCreditNotEligible);
    TaxCreditInput in = Input(2025, HomeKind::Zeh, {{2025, -1}});
    EXPECT_EQ(ComputeTaxCredit(in).message, kMsgCreditAmountInvalid);
    in = Input(2025, HomeKind::Zeh, {});
    in.priceYen = -1;
    EXPECT_EQ(ComputeTaxCredit(in).message, kMsgCreditPriceInvalid);
    // A 2026 row is shown as to be confirmed, with its source.
    const TaxCreditResult later = ComputeTaxCredit(Input(2026, HomeKind::Zeh, Flat(2026, 13, 10'000'000)));
    ASSERT_TRUE(later.ok);
    EXPECT_TRUE(later.limit.row->toBeConfirmed);
    EXPECT_FALSE(SourceOf(later.limit.row->source).address.empty());
}

} // namespace
} // namespace hn
