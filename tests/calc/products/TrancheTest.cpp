// SPDX-License-Identifier: GPL-3.0-or-later
// One tranche per product: published figures to the yen, the calculator's own
// figures for its methods, the fixed period's switch and review, and refused
// input.
#include "calc/products/Tranche.h"

#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace hn {
namespace {

ExactRate Percent(const char* text)
{
    return *ExactRate::FromPercentText(text);
}

RateStep Step(int month, const char* percent)
{
    const ExactRate rate = Percent(percent);
    return RateStep{month, rate.Fraction(), rate};
}

Tranche Man(double man, int years, LoanProduct product, double bonusMan = 0)
{
    Tranche t;
    t.amountYen = static_cast<std::int64_t>(man * 10000);
    t.bonusYen = static_cast<std::int64_t>(bonusMan * 10000);
    t.periodYears = years;
    t.product = std::move(product);
    return t;
}

TrancheSchedule Built(const Tranche& t)
{
    TrancheSchedule s = BuildTrancheSchedule(t);
    EXPECT_TRUE(s.ok()) << s.problem;
    EXPECT_TRUE(s.checks.allPassed());
    return s;
}

std::int64_t Monthly(const TrancheSchedule& s, int month)
{
    return s.schedule.monthly.rows.at(static_cast<std::size_t>(month - 1)).payment;
}

// A mixed loan of 3,000 万円 over 35 years: all fixed, all variable, half each.
TEST(TranchePublished, MixedLoanFixedAndVariable)
{
    const LoanProduct fixed = WholeTermFixedProduct{Percent("1.4")};
    const LoanProduct variable = VariableProduct{RatePath{{Step(1, "0.6")}}};
    EXPECT_EQ(Monthly(Built(Man(3000, 35, fixed)), 1), 90392);
    EXPECT_EQ(Monthly(Built(Man(3000, 35, variable)), 1), 79208);
    const std::int64_t half = Monthly(Built(Man(1500, 35, fixed)), 1);
    const std::int64_t otherHalf = Monthly(Built(Man(1500, 35, variable)), 1);
    EXPECT_EQ(half, 45196);
    EXPECT_EQ(otherHalf, 39604);
    EXPECT_EQ(half + otherHalf, 84800);
}

// 1.82 % for years 1-10, 2.52 % for 11-20, 2.82 % for 21-35, re-amortised at
// each step.
TEST(TranchePublished, SteppedRateThreePeriods)
{
    const LoanProduct stepped = SteppedProduct{RatePath{{Step(1, "1.82"), Step(121, "2.52"), Step(241, "2.82")}}};
    const TrancheSchedule s = Built(Man(3000, 35, stepped));
    EXPECT_EQ(Monthly(s, 1), 96630);
    EXPECT_EQ(Monthly(s, 120), 96630);
    EXPECT_EQ(Monthly(s, 121), 104655);
    EXPECT_EQ(Monthly(s, 241), 106884);
}

// 3,000 万円 over 35 years at 1.47 %, and with 0.87 % for the first ten or five
// years: the schedules' totals.
TEST(TranchePublished, ReducedFirstYearsTotals)
{
    const TrancheSchedule flat = Built(Man(3000, 35, WholeTermFixedProduct{Percent("1.47")}));
    EXPECT_EQ(Monthly(flat, 1), 91415);
    EXPECT_EQ(Monthly(flat, 420), 91195);
    EXPECT_EQ(TotalsOf(flat.schedule).payment, 38394080);

    for (const auto& [years, total] : {std::pair{10, 36653264}, std::pair{5, 37453873}}) {
        const RatePath after{{Step(1, "1.47")}};
        const TrancheSchedule fixedPeriod = Built(Man(3000, 35, FixedPeriodProduct{years, Percent("0.87"), after}));
        EXPECT_EQ(TotalsOf(fixedPeriod.schedule).payment, total) << years;
        // The same loan as a stepped rate: one re-amortisation at the switch.
        const TrancheSchedule stepped =
            Built(Man(3000, 35, SteppedProduct{RatePath{{Step(1, "0.87"), Step(12 * years + 1, "1.47")}}}));
        EXPECT_EQ(stepped.schedule.monthly.rows, fixedPeriod.schedule.monthly.rows) << years;
    }
    // Ten years reduced is also the calculator's 公庫基本型 with the two rates:
    // its third band is the same re-amortisation from month 121.
    const TrancheSchedule basic =
        Built(Man(3000, 35, MethodProduct{CorporationBasic, Percent("0.87"), Percent("1.47")}));
    EXPECT_EQ(TotalsOf(basic.schedule).payment, 36653264);
}

// A method tranche is the calculator's loan: its band figures and total.
TEST(TrancheMethod, WorkedLoanGivesTheCalculatorFigures)
{
    for (const auto& [method, figures] : {std::pair{CorporationBasic, test::kWorkedBasic},
                                          std::pair{EqualPrincipal, test::kWorkedEqualPrincipal},
                                          std::pair{CorporationYutori, test::kWorkedYutori}}) {
        const Tranche t = Man(test::kWorkedLoanMan, 35, MethodProduct{method, Percent("2"), Percent("3")},
                              test::kWorkedBonusMan);
        const TrancheSchedule s = Built(t);
        const Schedule expected = BuildSchedule(test::WorkedLoan(method));
        EXPECT_EQ(s.schedule.monthly.rows, expected.monthly.rows) << method;
        EXPECT_EQ(s.schedule.bonus.rows, expected.bonus.rows) << method;
        for (int band = 0; band < 3; ++band) {
            EXPECT_EQ(s.schedule.monthly.rows[static_cast<std::size_t>(60 * band)].payment,
                      figures.monthly[static_cast<std::size_t>(band)]) << method;
            EXPECT_EQ(s.schedule.bonus.rows[static_cast<std::size_t>(10 * band)].payment,
                      figures.bonus[static_cast<std::size_t>(band)]) << method;
        }
        // The band figures are among the tranche's own checks (equal principal has
        // none: its rows charge the exact interest).
        if (method != EqualPrincipal) {
            EXPECT_GT(s.checks.items.size(), CheckSchedule(s.schedule).items.size()) << method;
        }
    }
}

// At the switch the instalment is recomputed without the cap; the five-year
// reviews count from the switch, capped at 125 %.
TEST(TrancheFixedPeriod, SwitchIsUncappedAndReviewsCountFromIt)
{
    // 0.5 % fixed for 3 years, then 5 % at once, 9 % two years later.
    const RatePath after{{Step(1, "5"), Step(25, "9")}};
    const TrancheSchedule s = Built(Man(3000, 35, FixedPeriodProduct{3, Percent("0.5"), after}));
    const std::int64_t before = Monthly(s, 36);
    const std::int64_t atSwitch = Monthly(s, 37);
    EXPECT_GT(atSwitch, before * 5 / 4); // beyond what a review could give
    EXPECT_EQ(Monthly(s, 61), atSwitch); // no review at the loan's own month 61
    EXPECT_EQ(Monthly(s, 96), atSwitch);
    EXPECT_EQ(Monthly(s, 97), atSwitch * 5 / 4); // first review, 60 months after the switch, capped
    EXPECT_GT(s.schedule.monthly.rows[95].unpaidInterest, 0); // 9 % from month 61 outruns the instalment
    // Every change instead: re-amortised at the switch and at the rise.
    const TrancheSchedule every = Built(
        Man(3000, 35, FixedPeriodProduct{3, Percent("0.5"), after, ReviewRule::EveryChange}));
    EXPECT_EQ(Monthly(every, 37), atSwitch);
    EXPECT_GT(Monthly(every, 61), Monthly(every, 60));
}

// The bonus part switches with its first instalment after the fixed period.
TEST(TrancheFixedPeriod, BonusPartSwitchesToo)
{
    const RatePath after{{Step(1, "3")}};
    const TrancheSchedule s = Built(Man(3000, 35, FixedPeriodProduct{10, Percent("1"), after}, 600));
    const auto& bonus = s.schedule.bonus.rows;
    EXPECT_EQ(bonus[19].payment, bonus[0].payment);
    EXPECT_GT(bonus[20].payment, bonus[19].payment);
    EXPECT_EQ(bonus[20].yearlyRate, Percent("3").Fraction());
}

TEST(TrancheInput, RefusedWithAMessage)
{
    const LoanProduct fixed = WholeTermFixedProduct{Percent("1")};
    struct Case {
        Tranche tranche;
        TrancheStatus status;
    };
    Tranche noMonth = Man(1000, 35, fixed);
    noMonth.firstMonth = {2025, 13};
    const Case cases[] = {
        {Man(0, 35, fixed), TrancheStatus::InvalidTranche},
        {Man(-5, 35, fixed), TrancheStatus::InvalidTranche},
        {Man(1000, 35, fixed, 501), TrancheStatus::InvalidTranche},
        {Man(1000, 0, fixed), TrancheStatus::InvalidTranche},
        {Man(1000, 100, fixed), TrancheStatus::InvalidTranche},
        {noMonth, TrancheStatus::InvalidTranche},
        {Man(1000, 35, WholeTermFixedProduct{Percent("0")}), TrancheStatus::InvalidProduct},
        {Man(1000, 35, MethodProduct{7, Percent("1"), Percent("1")}), TrancheStatus::InvalidProduct},
        {Man(1000, 35, MethodProduct{CorporationBasic, Percent("1"), Percent("99.5")}), TrancheStatus::InvalidProduct},
        {Man(1000, 20, MethodProduct{PensionStep, Percent("1"), Percent("1")}), TrancheStatus::InvalidProduct},
        {Man(1000, 35, VariableProduct{}), TrancheStatus::InvalidProduct},
        {Man(1000, 35, SteppedProduct{RatePath{{Step(2, "1")}}}), TrancheStatus::InvalidProduct},
        {Man(1000, 35, FixedPeriodProduct{4, Percent("1"), RatePath{{Step(1, "1")}}}), TrancheStatus::InvalidProduct},
        {Man(1000, 10, FixedPeriodProduct{10, Percent("1"), RatePath{{Step(1, "1")}}}), TrancheStatus::InvalidProduct},
        {Man(1000, 35, FixedPeriodProduct{10, Percent("1"), RatePath{}}), TrancheStatus::InvalidProduct},
        {Man(9e12, 35, fixed), TrancheStatus::InvalidTranche},
    };
    for (const Case& c : cases) {
        const TrancheSchedule s = BuildTrancheSchedule(c.tranche);
        EXPECT_EQ(s.status, c.status) << s.problem;
        EXPECT_FALSE(s.problem.empty());
        EXPECT_TRUE(s.schedule.monthly.rows.empty());
    }
    // A second rate the method does not use is not looked at.
    EXPECT_TRUE(BuildTrancheSchedule(Man(1000, 35, MethodProduct{BankOther, Percent("1"), ExactRate{}})).ok());
}

} // namespace
} // namespace hn
