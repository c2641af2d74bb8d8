// SPDX-License-Identifier: GPL-3.0-or-later
// Random tranches of every product: each schedule passes its own checks, a
// whole-term fixed tranche is the calculator's 銀行型・他 loan, and a variable
// tranche on a flat path is the fixed one.
#include "calc/products/Tranche.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace hn {
namespace {

class TrancheDraw {
public:
    explicit TrancheDraw(std::uint64_t seed) : m_rng(seed) {}

    int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }

    // A percent as typed: 0.01 to 9.99 in hundredths, now and then up to 30 %.
    ExactRate Rate()
    {
        const int hundredths = Between(0, 9) == 0 ? Between(1, 3000) : Between(1, 999);
        return *ExactRate::FromPercentText(std::to_string(hundredths / 100) + "." + std::to_string(hundredths % 100 / 10)
                                           + std::to_string(hundredths % 10));
    }

    RatePath Path(int months)
    {
        RatePath path;
        int month = 1;
        while (month <= months && path.steps.size() < 6) {
            const ExactRate rate = Rate();
            path.steps.push_back(RateStep{month, rate.Fraction(), rate});
            month += Between(1, 240);
        }
        return path;
    }

    Tranche Draw()
    {
        Tranche t;
        t.periodYears = Between(0, 3) == 0 ? Between(1, 99) : Between(21, 40);
        t.amountYen = std::int64_t{10000} * Between(1, 20000) + Between(0, 9999);
        t.bonusYen = Between(0, 2) == 0 ? 0 : Between(0, static_cast<int>(t.amountYen / 2));
        const int months = 12 * t.periodYears;
        const auto review = Between(0, 1) == 0 ? ReviewRule::FiveYear125 : ReviewRule::EveryChange;
        const auto unpaid = Between(0, 1) == 0 ? UnpaidSettlement::CarryToEnd : UnpaidSettlement::PayFirst;
        switch (Between(0, 4)) {
        case 0: {
            int method = Between(kFirstMethod, kLastMethod);
            if (FamilyOf(method) == RepaymentFamily::ReducedEarly && t.periodYears < kMinReducedPeriodYears)
                method = CorporationBasic;
            t.product = MethodProduct{method, Rate(), Rate()};
            break;
        }
        case 1:
            t.product = WholeTermFixedProduct{Rate()};
            break;
        case 2:
            t.product = VariableProduct{Path(months), review, unpaid};
            break;
        case 3: {
            int years = kFixedPeriodYears[static_cast<std::size_t>(Between(0, kFixedPeriodYears.size() - 1))];
            if (years >= t.periodYears)
                t.periodYears = years + Between(1, 20);
            t.product = FixedPeriodProduct{years, Rate(), Path(months), review, unpaid};
            break;
        }
        default:
            t.product = SteppedProduct{Path(months)};
        }
        return t;
    }

private:
    std::mt19937_64 m_rng;
};

TEST(TrancheProperty, EveryProductsScheduleChecksItself)
{
    TrancheDraw draw(20261208);
    int built = 0;
    for (int n = 0; n < 3000; ++n) {
        const Tranche t = draw.Draw();
        const TrancheSchedule s = BuildTrancheSchedule(t);
        // Only an extreme method loan may be one the calculator refuses.
        if (!s.ok()) {
            ASSERT_EQ(s.status, TrancheStatus::InvalidProduct) << n << ": " << s.problem;
            ASSERT_TRUE(std::holds_alternative<MethodProduct>(t.product)) << n << ": " << s.problem;
            continue;
        }
        ++built;
        ASSERT_TRUE(s.checks.allPassed()) << n;
        ASSERT_EQ(s.schedule.monthly.loanYen + s.schedule.bonus.loanYen, t.amountYen) << n;
        ASSERT_EQ(TotalsOf(s.schedule).principal, t.amountYen) << n;
    }
    EXPECT_GT(built, 2900);
}

TEST(TrancheProperty, FixedIsBankOtherAndFlatVariableIsFixed)
{
    TrancheDraw draw(77);
    for (int n = 0; n < 2000; ++n) {
        Tranche t = draw.Draw();
        const ExactRate rate = draw.Rate();
        t.product = WholeTermFixedProduct{rate};
        const TrancheSchedule fixed = BuildTrancheSchedule(t);
        ASSERT_TRUE(fixed.ok()) << n << ": " << fixed.problem;

        LoanInput bank = TrancheLoan(t);
        bank.method = BankOther;
        const Schedule expected = BuildSchedule(bank, {rate, rate});
        ASSERT_EQ(fixed.schedule.monthly.rows, expected.monthly.rows) << n;
        ASSERT_EQ(fixed.schedule.bonus.rows, expected.bonus.rows) << n;

        // Unpaid interest paid first, as the fixed schedule pays it.
        const auto review = draw.Between(0, 1) == 0 ? ReviewRule::FiveYear125 : ReviewRule::EveryChange;
        t.product = VariableProduct{RatePath{{RateStep{1, rate.Fraction(), rate}}}, review, UnpaidSettlement::PayFirst};
        const TrancheSchedule variable = BuildTrancheSchedule(t);
        ASSERT_TRUE(variable.ok()) << n << ": " << variable.problem;
        ASSERT_EQ(variable.schedule.monthly.rows, fixed.schedule.monthly.rows) << n;
        ASSERT_EQ(variable.schedule.bonus.rows, fixed.schedule.bonus.rows) << n;
    }
}

} // namespace
} // namespace hn
