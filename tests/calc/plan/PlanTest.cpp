// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/capacity/PlanningMessages.h"
#include "calc/plan/PairCapacity.h"
#include "calc/plan/Plan.h"
#include "calc/plan/PlanMessages.h"
#include "calc/plan/PlanTables.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

#include <cmath>

namespace hn {
namespace {

using test::Calendar;
using test::Loan;

constexpr std::int64_t kMan = 10'000;

PlanLoan Tranche(double loanMan, double ratePercent, double years, ScheduleCalendar calendar,
                 std::array<double, 2> shares = {100.0, 0.0})
{
    PlanLoan l;
    l.loan.schedule = BuildSchedule(Loan(BankOther, loanMan, 0, ratePercent, ratePercent, years));
    l.loan.calendar = calendar;
    l.sharePercent = shares;
    return l;
}

// 4,500 万円 with 500 down and 300 of costs borrowed: 4,300 万円 to borrow.
PlanInput PairPlan()
{
    PlanInput in;
    in.purchase = {4500 * kMan, 500 * kMan, 300 * kMan, true};
    in.arrangement = PlanArrangement::PairLoan;
    in.borrowers = {{700, 45}, {400, 44}};
    in.loans = {Tranche(2800, 1.4, 35, Calendar(2027, 4)), Tranche(1500, 0.6, 35, Calendar(2027, 4), {0, 100})};
    in.limit = FindBurdenLimitRule("35");
    return in;
}

TEST(Purchase, BorrowsThePriceLessTheDownPaymentWithTheCostsWhenFinanced)
{
    struct Case {
        PurchaseInput in;
        std::string_view message; // empty: computed
        std::int64_t borrow, ownFunds;
    };
    const Case cases[] = {
        {{4500 * kMan, 500 * kMan, 300 * kMan, true}, {}, 4300 * kMan, 500 * kMan},
        {{4500 * kMan, 500 * kMan, 300 * kMan, false}, {}, 4000 * kMan, 800 * kMan},
        {{4500 * kMan, 4800 * kMan, 300 * kMan, true}, {}, 0, 4800 * kMan}, // all paid in cash
        {{4500 * kMan, 4800 * kMan + 1, 300 * kMan, true}, kMsgDownPaymentTooLarge, 0, 0},
        {{4500 * kMan, 4500 * kMan + 1, 300 * kMan, false}, kMsgDownPaymentTooLarge, 0, 0},
        {{0, 0, 0, false}, kMsgPriceMissing, 0, 0},
        {{-1, 0, 0, false}, kMsgPriceInvalid, 0, 0},
        {{kMaxExactYen, 0, 0, false}, kMsgPriceInvalid, 0, 0},
        {{kMaxExactYen - 1, kMaxExactYen - 1, kMaxExactYen - 1, true}, {}, kMaxExactYen - 1, kMaxExactYen - 1},
        {{4500 * kMan, -1, 0, false}, kMsgDownPaymentInvalid, 0, 0},
        {{4500 * kMan, 0, -1, false}, kMsgPurchaseCostsInvalid, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in.priceYen);
        const PurchaseOutcome out = ComputePurchase(c.in);
        EXPECT_EQ(out.ok, c.message.empty());
        EXPECT_EQ(out.message, c.message);
        EXPECT_EQ(out.result.borrowYen, c.borrow);
        EXPECT_EQ(out.result.ownFundsYen, c.ownFunds);
    }
}

TEST(Plan, RefusesWhatCannotBeAPlanWithItsMessage)
{
    struct Case {
        const char* what;
        void (*change)(PlanInput&);
        std::string_view message;
    };
    const Case cases[] = {
        {"bad purchase", [](PlanInput& in) { in.purchase.priceYen = 0; }, kMsgPriceMissing},
        {"no borrower", [](PlanInput& in) { in.borrowers.clear(); }, kMsgBorrowerCount},
        {"three borrowers", [](PlanInput& in) { in.borrowers.push_back({300, 40}); }, kMsgBorrowerCount},
        {"no income", [](PlanInput& in) { in.borrowers[1].incomeMan = 0; }, kMsgIncomeMissing},
        {"negative income", [](PlanInput& in) { in.borrowers[1].incomeMan = -1; }, kMsgBorrowerIncomeInvalid},
        {"age not whole", [](PlanInput& in) { in.borrowers[0].ageYears = 45.5; }, kMsgBorrowerAgeInvalid},
        {"age too high", [](PlanInput& in) { in.borrowers[0].ageYears = 121; }, kMsgBorrowerAgeInvalid},
        {"single with two", [](PlanInput& in) { in.arrangement = PlanArrangement::Single; },
         kMsgArrangementBorrowers},
        {"joint with one",
         [](PlanInput& in) {
             in.arrangement = PlanArrangement::JointDebt;
             in.borrowers.pop_back();
         },
         kMsgArrangementBorrowers},
        {"no loans", [](PlanInput& in) { in.loans.clear(); }, kMsgNoLoans},
        {"too many loans",
         [](PlanInput& in) { in.loans.resize(static_cast<std::size_t>(kPlanLimits.maxLoans) + 1, in.loans[0]); },
         kMsgTooManyLoans},
        {"loan not computed", [](PlanInput& in) { in.loans[0].loan.schedule = Schedule{}; }, kMsgLoanNotComputed},
        {"bad calendar", [](PlanInput& in) { in.loans[0].loan.calendar.bonusMonths = {6, 6}; },
         kMsgLoanCalendarInvalid},
        {"three decimals", [](PlanInput& in) { in.loans[0].sharePercent = {66.667, 33.333}; }, kMsgShareInvalid},
        {"negative share", [](PlanInput& in) { in.loans[0].sharePercent = {110, -10}; }, kMsgShareInvalid},
        {"shares short of 100", [](PlanInput& in) { in.loans[0].sharePercent = {60, 39.99}; }, kMsgSharesNotWhole},
        {"pair loan shared", [](PlanInput& in) { in.loans[0].sharePercent = {60, 40}; }, kMsgPairLoanSoleOwner},
        {"pair loan one debtor", [](PlanInput& in) { in.loans[1].sharePercent = {100, 0}; },
         kMsgPairLoanBothBorrow},
        {"single owing half",
         [](PlanInput& in) {
             in.arrangement = PlanArrangement::Single;
             in.borrowers.pop_back();
             in.loans[1].sharePercent = {50, 50};
         },
         kMsgSharesNotWhole},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlanInput in = PairPlan();
        c.change(in);
        const PlanOutcome out = ComputePlan(in);
        EXPECT_FALSE(out.ok);
        EXPECT_EQ(out.message, c.message);
    }
}

TEST(Plan, PairLoanGivesEachBorrowerTheirOwnLoansAndTheHouseholdBoth)
{
    const PlanInput in = PairPlan();
    const PlanOutcome out = ComputePlan(in);
    ASSERT_TRUE(out.ok) << out.message;
    const PlanResult& r = out.result;
    EXPECT_EQ(r.purchase.borrowYen, 4300 * kMan);
    EXPECT_EQ(r.loansYen, 4300 * kMan);
    EXPECT_EQ(r.shortfallYen, 0);

    const std::int64_t first = YearlyView(in.loans[0].loan.schedule, in.loans[0].loan.calendar)[0].payment;
    const std::int64_t second = YearlyView(in.loans[1].loan.schedule, in.loans[1].loan.calendar)[0].payment;
    ASSERT_EQ(r.borrowers.size(), 2u);
    EXPECT_EQ(r.borrowers[0].burden.annualYen, first);
    EXPECT_EQ(r.borrowers[1].burden.annualYen, second);
    EXPECT_EQ(r.household.annualYen, first + second);
    EXPECT_EQ(r.household.incomeYen, 1100 * kMan);
    EXPECT_DOUBLE_EQ(r.borrowers[1].burden.ratioPercent, static_cast<double>(second) / (400.0 * kMan) * 100.0);
    EXPECT_EQ(r.household.limitPercent, 35);
    EXPECT_EQ(r.household.allowanceYen, 385 * kMan);
    EXPECT_FALSE(r.household.overLimit);

    // 45 + 35 reaches the ceiling, 44 + 35 stays below it.
    EXPECT_EQ(r.borrowers[0].payoffAge, 80);
    EXPECT_TRUE(r.borrowers[0].payoffAgeHigh);
    EXPECT_EQ(r.borrowers[1].payoffAge, 79);
    EXPECT_FALSE(r.borrowers[1].payoffAgeHigh);

    EXPECT_EQ(r.schedule.firstMonth, (YearMonth{2027, 4}));
    EXPECT_EQ(r.schedule.lastMonth, (YearMonth{2062, 3}));
    EXPECT_EQ(r.schedule.totals.payment,
              TotalsOf(in.loans[0].loan.schedule).payment + TotalsOf(in.loans[1].loan.schedule).payment);
    // Both loans' last instalments settle what rounding left, above their regular
    // ones: the largest month leaves them out and is the regular instalments'.
    const std::int64_t regular =
        in.loans[0].loan.schedule.monthly.rows[0].payment + in.loans[1].loan.schedule.monthly.rows[0].payment;
    ASSERT_GT(in.loans[0].loan.schedule.monthly.rows.back().payment
                  + in.loans[1].loan.schedule.monthly.rows.back().payment,
              regular);
    EXPECT_EQ(r.schedule.peakMonthlyYen, regular);
    EXPECT_EQ(r.schedule.peakMonth, r.schedule.firstMonth);
}

TEST(Plan, SharedLoanSplitsTheYearByShareAndBindsBothToItsEnd)
{
    PlanInput in = PairPlan();
    in.arrangement = PlanArrangement::IncomeCombined;
    in.purchase.costsFinanced = false; // 4,000 万円 needed, 4,400 borrowed
    in.loans = {Tranche(4300, 1.4, 35, Calendar(2027, 4), {33.33, 66.67})};
    in.loans.push_back(Tranche(100, 1.0, 35, Calendar(2028, 10), {50, 50})); // drawn 18 months later
    in.borrowers[1].ageYears = 30;
    const PlanOutcome out = ComputePlan(in);
    ASSERT_TRUE(out.ok) << out.message;
    const PlanResult& r = out.result;
    EXPECT_EQ(r.shortfallYen, -400 * kMan);

    const std::int64_t big = YearlyView(in.loans[0].loan.schedule, in.loans[0].loan.calendar)[0].payment;
    const std::int64_t small = YearlyView(in.loans[1].loan.schedule, in.loans[1].loan.calendar)[0].payment;
    EXPECT_EQ(r.borrowers[0].burden.annualYen, big * 3333 / 10000 + small / 2);
    EXPECT_EQ(r.borrowers[0].burden.annualYen + r.borrowers[1].burden.annualYen, big + small);
    // The later loan ends 36 years and 6 months after the first instalment: 37 years begun.
    EXPECT_EQ(r.borrowers[0].payoffAge, 45 + 37);
    EXPECT_EQ(r.borrowers[1].payoffAge, 30 + 37);
    EXPECT_FALSE(r.borrowers[1].payoffAgeHigh);
    EXPECT_EQ(r.schedule.lastMonth, (YearMonth{2063, 9}));
    // The later loan is owed in full before its first instalment.
    EXPECT_EQ(r.schedule.years[0].balance, YearlyView(in.loans[0].loan.schedule, in.loans[0].loan.calendar)[0].balance
                                               + 100 * kMan);
}

TEST(Plan, ShareHundredthsTakesTwoDecimalsExactly)
{
    EXPECT_EQ(ShareHundredths(33.33), 3333);
    EXPECT_EQ(ShareHundredths(66.67), 6667);
    EXPECT_EQ(ShareHundredths(0.01), 1);
    EXPECT_EQ(ShareHundredths(100), 10000);
    EXPECT_EQ(ShareHundredths(100.01), std::nullopt);
    EXPECT_EQ(ShareHundredths(0.005), std::nullopt);
    EXPECT_EQ(ShareHundredths(std::nan("")), std::nullopt);
}

TEST(PairCapacity, EachOnTheirOwnIncomeOrTheIncomesCombined)
{
    CapacityRequest base;
    base.limit = FindBurdenLimitRule("35");
    base.screeningRatePercent = 2.0;
    base.periodYears = 35;
    base.method = BankOther;
    const PairCapacityOutcome out = ComputePairCapacity(base, {700, 400});
    ASSERT_TRUE(out.own[0].ok && out.own[1].ok && out.combined.ok);
    EXPECT_EQ(out.own[0].result.capacityMan, 6163);
    EXPECT_EQ(out.own[1].result.capacityMan, 3521);
    EXPECT_EQ(out.pairTotalMan, 9684);
    EXPECT_EQ(out.combined.result.capacityMan, 9685);

    // Each borrower's own debts come off their own allowance only.
    const PairCapacityOutcome debts = ComputePairCapacity(base, {700, 400}, {0, 140});
    ASSERT_FALSE(debts.own[1].ok);
    EXPECT_EQ(debts.own[1].message, kMsgOtherDebtsOverLimit);
    EXPECT_EQ(debts.own[0].result.capacityMan, 6163);
    EXPECT_EQ(debts.pairTotalMan, 0);
    EXPECT_LT(debts.combined.result.capacityMan, 9685);
}

} // namespace
} // namespace hn
