// SPDX-License-Identifier: GPL-3.0-or-later
// Refinancing over payment streams: the published example, the break-even month's
// definition on random streams, and the identical loan that gains nothing.
#include "calc/costs/Refinance.h"

#include "calc/costs/CostTexts.h"
#include "calc/costs/PaymentStream.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <vector>

namespace hn {
namespace {

using test::Loan;

const ScheduleCalendar kCalendar{{2025, 4}, {6, 12}};

// 3,000 万円 at 2 % over 35 years (99,378 a month), refinanced after 24 payments at
// 1 % over 33 years with no costs.
TEST(Refinance, PublishedThirtyMillionAfterTwoYears)
{
    const Schedule current = BuildSchedule(Loan(BankOther, 3000, 0, 2.0, 2.0, 35));
    ASSERT_EQ(current.monthly.rows[0].payment, 99'378);
    const std::int64_t balance = BalanceAfter(current, kCalendar, 24);
    ASSERT_EQ(balance, 28'791'924);
    const Schedule next = BuildSchedule(Loan(BankOther, balance / 10'000.0, 0, 1.0, 1.0, 33));
    const PaymentStream staying = StreamAfter(current, kCalendar, 24);
    const PaymentStream after = StreamOf(next, kCalendar);
    const RefinanceComparison c = CompareRefinance(
        {staying, after, NextMonthlyInstalment(current, 24), NextMonthlyInstalment(next, 0), {}});
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.monthlyBeforeYen, 99'378);
    EXPECT_EQ(c.monthlyAfterYen, 85'392);
    EXPECT_EQ(c.remainingStayingYen, 39'353'896);
    EXPECT_EQ(c.remainingAfterYen, 33'815'067);
    EXPECT_EQ(c.paymentSavingYen, 5'538'829);
    EXPECT_EQ(c.netBenefitYen, 5'538'829);
    EXPECT_EQ(c.breakEvenMonth, 0);
    EXPECT_EQ(c.cumulativeSaving.back(), 5'538'829);
}

// 2,000 万円 with 30 years left at 2 % refinanced at 1.5 % over 30 years: the payments
// fall by 1,764,054 (26,612,480 → 24,848,426); with 149,400 of costs the net gain is
// 1,614,654, and 4,899 a month less covers the costs from month 31.
TEST(Refinance, PublishedTwentyMillionOverThirtyYears)
{
    const Schedule current = BuildSchedule(Loan(BankOther, 2000, 0, 2.0, 2.0, 30));
    const Schedule next = BuildSchedule(Loan(BankOther, 2000, 0, 1.5, 1.5, 30));
    const PaymentStream staying = StreamOf(current, kCalendar);
    const PaymentStream after = StreamOf(next, kCalendar);
    const RefinanceComparison c = CompareRefinance(
        {staying, after, NextMonthlyInstalment(current, 0), NextMonthlyInstalment(next, 0), {149'400, 0, 0}});
    ASSERT_TRUE(c.ok);
    EXPECT_EQ(c.monthlyBeforeYen, 73'923);
    EXPECT_EQ(c.monthlyAfterYen, 69'024);
    EXPECT_EQ(c.remainingStayingYen, 26'612'480);
    EXPECT_EQ(c.remainingAfterYen, 24'848'426);
    EXPECT_EQ(c.paymentSavingYen, 1'764'054);
    EXPECT_EQ(c.netBenefitYen, 1'614'654);
    EXPECT_EQ(c.breakEvenMonth, 31);
}

TEST(Refinance, TheIdenticalLoanWithoutCostsGainsExactlyNothing)
{
    for (double man : {500.0, 2879.1924, 9999.0})
        for (double rate : {0.4, 1.5, 3.0}) {
            const Schedule s = BuildSchedule(Loan(BankOther, man, man / 5, rate, rate, 33));
            const PaymentStream stream = StreamOf(s, kCalendar);
            const RefinanceComparison c = CompareRefinance({stream, stream, 1, 1, {}});
            ASSERT_TRUE(c.ok);
            EXPECT_EQ(c.paymentSavingYen, 0);
            EXPECT_EQ(c.netBenefitYen, 0);
            EXPECT_EQ(c.breakEvenMonth, 0);
        }
}

TEST(Refinance, CostsAtTheSwitchAddUpWithTheRefundTakenOff)
{
    const std::vector<Payment> staying{{1, 100}, {2, 100}, {3, 100}};
    const std::vector<Payment> after{{1, 40}, {2, 40}, {3, 40}};
    const SwitchCosts costs{100, 50, 30};
    const RefinanceComparison c = CompareRefinance({staying, after, 100, 40, costs});
    EXPECT_EQ(c.costsYen, 120);
    EXPECT_EQ(c.netBenefitYen, 180 - 120);
    EXPECT_EQ(c.cumulativeSaving, (std::vector<std::int64_t>{0, 60, 120, 180}));
    EXPECT_EQ(c.breakEvenMonth, 2);
    // Never covered: no break-even month.
    const RefinanceComparison never = CompareRefinance({staying, after, 100, 40, {1'000, 0, 0}});
    EXPECT_FALSE(never.breakEvenMonth);
    EXPECT_EQ(never.netBenefitYen, 180 - 1'000);
    const std::vector<Payment> bad{{0, 1}};
    EXPECT_EQ(CompareRefinance({bad, after, 0, 0, {}}).message, kMsgRefinanceBadPayment);
    const std::vector<Payment> far{{std::numeric_limits<int>::max(), 1}};
    EXPECT_EQ(CompareRefinance({staying, far, 0, 0, {}}).message, kMsgRefinanceBadPayment);
}

// On random streams whose saving goes up and down: from the break-even month on the
// cumulative saving covers the costs in every month, and in the month before it does not.
TEST(Refinance, BreakEvenIsTheFirstMonthCoveredForGood)
{
    std::mt19937 random(3);
    std::uniform_int_distribution<int> months(1, 60);
    std::uniform_int_distribution<int> amount(0, 1'000);
    std::uniform_int_distribution<int> cost(-2'000, 6'000);
    int found = 0;
    for (int trial = 0; trial < 2'000; ++trial) {
        std::vector<Payment> staying, after;
        const int n = months(random);
        for (int m = 1; m <= n; ++m) {
            staying.push_back({m, amount(random)});
            after.push_back({m, amount(random) * 9 / 10});
        }
        const SwitchCosts costs{cost(random), 0, 0};
        const RefinanceComparison c = CompareRefinance({staying, after, 0, 0, costs});
        ASSERT_TRUE(c.ok);
        const std::vector<std::int64_t>& s = c.cumulativeSaving;
        if (!c.breakEvenMonth) {
            EXPECT_LT(s.back(), costs.total());
            continue;
        }
        ++found;
        const auto m = static_cast<std::size_t>(*c.breakEvenMonth);
        for (std::size_t k = m; k < s.size(); ++k)
            ASSERT_GE(s[k], costs.total()) << trial << " month " << k;
        if (m > 0) {
            EXPECT_LT(s[m - 1], costs.total()) << trial;
        }
    }
    EXPECT_GT(found, 500); // both outcomes are exercised
    EXPECT_LT(found, 1'900);
}

} // namespace
} // namespace hn
