// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/plan/Plan.h"
#include "calc/plan/PlanMessages.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace hn {
namespace {

using test::Loan;

constexpr RepaymentMethod kMethods[] = {CorporationBasic, CorporationYutori, EqualPrincipal, BankOther};

// A loan the engine computes, of any method, size, bonus part, rates and term, in a calendar from
// `first` with random bonus months.
PlanSchedule RandomLoan(std::mt19937_64& rng, YearMonth first)
{
    std::uniform_int_distribution<int> method(0, 3), man(1, 8000), years(1, 35), rate(1, 800), month(1, 12);
    PlanSchedule l;
    // Draw again where the engine refuses the loan (a ゆとり term it does not offer, say).
    while (!l.schedule.ok()) {
        const double loanMan = man(rng);
        const double bonusMan = std::floor(loanMan * std::uniform_int_distribution<int>(0, 50)(rng) / 100.0);
        l.schedule = BuildSchedule(Loan(kMethods[method(rng)], loanMan, bonusMan, rate(rng) / 100.0,
                                        rate(rng) / 100.0, years(rng)));
    }
    const int a = month(rng);
    int b = month(rng);
    if (b == a)
        b = a % 12 + 1;
    l.calendar = {first, {a, b}};
    return l;
}

TEST(PlanProperty, LoansStartingTogetherSumTheirYearlyRows)
{
    std::mt19937_64 rng(20261208);
    for (int trial = 0; trial < 2000; ++trial) {
        const YearMonth first{2027, std::uniform_int_distribution<int>(1, 12)(rng)};
        std::vector<PlanSchedule> loans;
        std::vector<Schedule> schedules;
        for (int k = std::uniform_int_distribution<int>(1, 4)(rng); k > 0; --k) {
            loans.push_back(RandomLoan(rng, first));
            schedules.push_back(loans.back().schedule);
        }
        const PlanScheduleSummary s = SummarisePlanSchedules(loans);
        ASSERT_EQ(s.years, CombinedYearlyView(schedules, loans.front().calendar)) << "trial " << trial;
    }
}

TEST(PlanProperty, LoansStartingApartSumByCalendar)
{
    std::mt19937_64 rng(7);
    for (int trial = 0; trial < 1000; ++trial) {
        SCOPED_TRACE(trial);
        // Whole years apart, a loan's year y is plan year y + its offset in years.
        std::vector<PlanSchedule> loans;
        std::vector<int> offsets;
        for (int k = std::uniform_int_distribution<int>(1, 3)(rng); k > 0; --k) {
            offsets.push_back(std::uniform_int_distribution<int>(0, 5)(rng));
            loans.push_back(RandomLoan(rng, {2030 + offsets.back(), 4}));
        }
        const PlanScheduleSummary s = SummarisePlanSchedules(loans);
        const int base = *std::min_element(offsets.begin(), offsets.end());
        std::vector<std::int64_t> payment(s.years.size(), 0), principal(s.years.size(), 0);
        ScheduleTotals totals;
        for (std::size_t i = 0; i < loans.size(); ++i) {
            for (const YearlyRow& row : YearlyView(loans[i].schedule, loans[i].calendar)) {
                const std::size_t at = static_cast<std::size_t>(row.year - 1 + offsets[i] - base);
                ASSERT_LT(at, s.years.size());
                payment[at] += row.payment;
                principal[at] += row.principal;
            }
            totals.payment += TotalsOf(loans[i].schedule).payment;
            totals.interest += TotalsOf(loans[i].schedule).interest;
            totals.principal += TotalsOf(loans[i].schedule).principal;
        }
        ScheduleTotals fromYears;
        for (std::size_t y = 0; y < s.years.size(); ++y) {
            EXPECT_EQ(s.years[y].payment, payment[y]);
            EXPECT_EQ(s.years[y].principal, principal[y]);
            fromYears.payment += s.years[y].payment;
            fromYears.interest += s.years[y].interest;
            fromYears.principal += s.years[y].principal;
        }
        EXPECT_EQ(s.totals, totals);
        EXPECT_EQ(fromYears, totals);
        EXPECT_EQ(s.years.back().balance, 0);
    }
}

TEST(PlanProperty, SharesAddToOneHundredOrThePlanIsRefused)
{
    std::mt19937_64 rng(42);
    const PlanSchedule loan = RandomLoan(rng, {2027, 4});
    for (int trial = 0; trial < 3000; ++trial) {
        PlanInput in;
        in.purchase = {loan.schedule.monthly.loanYen + loan.schedule.bonus.loanYen, 0, 0, false};
        in.arrangement = trial % 2 == 0 ? PlanArrangement::IncomeCombined : PlanArrangement::JointDebt;
        in.borrowers = {{600, 40}, {300, 38}};
        const int a = std::uniform_int_distribution<int>(0, 10000)(rng);
        // Mostly the rest, sometimes a hundredth or more off it.
        const int b = trial % 3 == 0 ? std::uniform_int_distribution<int>(0, 10000)(rng) : 10000 - a;
        in.loans = {{loan, {a / 100.0, b / 100.0}}};
        const PlanOutcome out = ComputePlan(in);
        SCOPED_TRACE(testing::Message() << a << " + " << b);
        if (a + b == 10000) {
            ASSERT_TRUE(out.ok) << out.message;
            EXPECT_EQ(out.result.borrowers[0].burden.annualYen + out.result.borrowers[1].burden.annualYen,
                      out.result.household.annualYen);
        } else {
            EXPECT_FALSE(out.ok);
            EXPECT_EQ(out.message, kMsgSharesNotWhole);
        }
    }
}

} // namespace
} // namespace hn
