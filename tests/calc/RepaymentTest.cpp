// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Repayment.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace hn {
namespace {

// A loan as the calculate command builds it from the fields.
LoanInput Loan(RepaymentMethod method, double loanMan, double bonusMan, double rate1Percent,
               double rate2Percent, double years)
{
    return MakeLoanInput({method, loanMan, bonusMan, rate1Percent, rate2Percent, years});
}

LoanResult Computed(const LoanInput& in)
{
    const RepaymentOutcome out = ComputeRepayment(in);
    EXPECT_EQ(out.status, RepaymentStatus::Ok);
    return out.result;
}

struct Worked {
    const char* name;
    LoanInput input;
    LoanResult expected;
};

LoanResult Expect(std::array<std::int32_t, 3> monthly, std::array<std::int32_t, 3> bonus,
                  std::int32_t annual, std::int32_t income, std::int32_t total)
{
    LoanResult r;
    r.monthly = monthly;
    r.bonus = bonus;
    r.bandUsed = {true, true, true};
    r.annualYen = annual;
    r.requiredIncomeMan = income;
    r.totalYen = total;
    return r;
}

LoanResult Expect(const test::WorkedFigures& f)
{
    return Expect(f.monthly, f.bonus, f.annual, f.requiredIncomeMan, f.total);
}

// Loan 3,000 万円, of which 600 in bonus instalments, 2.0 % then 3.0 %, 35 years.
TEST(ComputeRepayment, WorkedResults)
{
    const Worked cases[] = {
        {"CorporationBasic", test::WorkedLoan(CorporationBasic), Expect(test::kWorkedBasic)},
        {"CorporationYutori", test::WorkedLoan(CorporationYutori), Expect(test::kWorkedYutori)},
        {"EqualPrincipal", test::WorkedLoan(EqualPrincipal), Expect(test::kWorkedEqualPrincipal)},
        {"BankOther", test::WorkedLoan(BankOther), Expect(test::kWorkedBank)},
        {"CorporationBasic without bonus", Loan(CorporationBasic, 3000, 0, 2.0, 3.0, 35),
         Expect({99378, 99378, 111185}, {0, 0, 0}, 1192536, 596, 45280860)},
    };
    for (const Worked& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Computed(c.input), c.expected);
    }
}

TEST(ComputeRepayment, SameFamilyMethodsGiveTheSameFigures)
{
    for (double years : {25.0, 30.0, 35.0, 41.0}) {
        for (double bonus : {0.0, 450.0}) {
            SCOPED_TRACE(testing::Message() << years << " years, bonus " << bonus);
            EXPECT_EQ(Computed(Loan(PensionBasic, 2500, bonus, 1.5, 2.8, years)),
                      Computed(Loan(CorporationBasic, 2500, bonus, 1.5, 2.8, years)));
            EXPECT_EQ(Computed(Loan(PensionStep, 2500, bonus, 1.5, 2.8, years)),
                      Computed(Loan(CorporationYutori, 2500, bonus, 1.5, 2.8, years)));
        }
    }
}

TEST(ComputeRepayment, NoBonusPartMeansNoBonusInstalments)
{
    for (RepaymentMethod m = kFirstMethod; m <= kLastMethod; ++m) {
        SCOPED_TRACE(MethodName(m));
        const LoanResult r = Computed(Loan(m, 2000, 0, 1.8, 2.6, 30));
        EXPECT_EQ(r.bonus, (std::array<std::int32_t, 3>{0, 0, 0}));
        if (m != EqualPrincipal) {
            EXPECT_EQ(r.annualYen, 12 * r.monthly[0]);
        }
    }
}

TEST(ComputeRepayment, BandsFollowThePeriod)
{
    for (RepaymentMethod m : {CorporationBasic, EqualPrincipal, BankOther}) {
        SCOPED_TRACE(MethodName(m));
        const LoanResult five = Computed(Loan(m, 1000, 200, 2.0, 3.0, 5));
        EXPECT_EQ(five.bandUsed, (std::array<bool, 3>{true, false, false}));
        EXPECT_EQ(five.monthly[1], 0);
        EXPECT_EQ(five.monthly[2], 0);
        EXPECT_EQ(five.bonus[1], 0);
        EXPECT_EQ(five.bonus[2], 0);
        // The second rate plays no part up to ten years.
        EXPECT_EQ(five, Computed(Loan(m, 1000, 200, 2.0, 9.0, 5)));

        const LoanResult ten = Computed(Loan(m, 1000, 200, 2.0, 3.0, 10));
        EXPECT_EQ(ten.bandUsed, (std::array<bool, 3>{true, true, false}));
        EXPECT_EQ(ten.monthly[2], 0);
        EXPECT_EQ(ten, Computed(Loan(m, 1000, 200, 2.0, 9.0, 10)));

        const LoanResult eleven = Computed(Loan(m, 1000, 200, 2.0, 3.0, 11));
        EXPECT_EQ(eleven.bandUsed, (std::array<bool, 3>{true, true, true}));
    }
    const LoanResult level = Computed(Loan(CorporationBasic, 1000, 200, 2.0, 3.0, 10));
    EXPECT_EQ(level.monthly[0], level.monthly[1]);
    EXPECT_EQ(level.bonus[0], level.bonus[1]);
}

TEST(ComputeRepayment, BankOtherKeepsTheFirstInstalmentAndIgnoresTheSecondRate)
{
    for (double years : {5.0, 11.0, 35.0}) {
        SCOPED_TRACE(years);
        const LoanResult r = Computed(Loan(BankOther, 3000, 600, 2.0, 3.0, years));
        for (int b = 1; b < 3; ++b) {
            if (r.bandUsed[b]) {
                EXPECT_EQ(r.monthly[b], r.monthly[0]);
                EXPECT_EQ(r.bonus[b], r.bonus[0]);
            }
        }
        for (double rate2 : {0.0, -5.0, 500.0, std::nan("")})
            EXPECT_EQ(Computed(Loan(BankOther, 3000, 600, 2.0, rate2, years)), r);
    }
}

// Rolling the instalments of each band over the months the band re-amortises
// over must repay the loan at the end of the term: what is left either way is
// less than one instalment (instalments and interest are both floored).
TEST(ComputeRepayment, ReAmortisedSchedulesRepayTheLoanAtTheEndOfTheTerm)
{
    const double c = kMonthlyRateFactor;
    {
        SCOPED_TRACE("level, 35 years");
        const LoanInput in = Loan(CorporationBasic, 3000, 0, 2.0, 3.0, 35);
        const LoanResult r = Computed(in);
        double b = RollBalance(in.normalYen, in.rate1 * c, r.monthly[0], 120);
        b = RollBalance(b, in.rate2 * c, r.monthly[2], 300);
        EXPECT_LT(std::fabs(b), r.monthly[2]);
    }
    {
        SCOPED_TRACE("reduced, 25 years: 60 + 60 months, then 180");
        const LoanInput in = Loan(CorporationYutori, 3000, 600, 2.0, 3.0, 25);
        const LoanResult r = Computed(in);
        double b = RollBalance(in.normalYen, in.rate1 * c, r.monthly[0], 60);
        b = RollBalance(b, in.rate1 * c, r.monthly[1], 60);
        b = RollBalance(b, in.rate2 * c, r.monthly[2], 180);
        EXPECT_LT(std::fabs(b), r.monthly[2]);
        double bb = RollBalance(in.bonusYen, in.rate1 * 0.5, r.bonus[0], 10);
        bb = RollBalance(bb, in.rate1 * 0.5, r.bonus[1], 10);
        bb = RollBalance(bb, in.rate2 * 0.5, r.bonus[2], 30);
        EXPECT_LT(std::fabs(bb), r.bonus[2]);
    }
}

TEST(ComputeRepayment, EqualPrincipalFallsWithinOneRate)
{
    // Within the first rate the instalment of month 61 is below month 1; at
    // month 121 the second rate applies and it may rise.
    const LoanResult r = Computed(Loan(EqualPrincipal, 3000, 600, 2.0, 3.0, 35));
    EXPECT_LT(r.monthly[1], r.monthly[0]);
    EXPECT_GT(r.monthly[2], r.monthly[1]);
    const LoanResult flat = Computed(Loan(EqualPrincipal, 3000, 600, 2.0, 2.0, 35));
    EXPECT_LT(flat.monthly[2], flat.monthly[1]);
}

TEST(ComputeRepayment, EqualPrincipalRepaysTheLeftOverPrincipalOnce)
{
    // 100,001 yen over 12 months: shares of 8,333 leave 5 yen, which the total
    // carries once. Over one year the annual repayment is every instalment.
    LoanInput in = Loan(EqualPrincipal, 0, 0, 1.0, 1.0, 1);
    in.loanYen = in.normalYen = 100001.0;
    const LoanResult r = Computed(in);
    EXPECT_EQ(r.totalYen - r.annualYen, 5);
    EXPECT_EQ(r.monthly[0], 8333 + 83); // share + floor(100001 * 0.01 / 12)
}

TEST(AnnuityPayment, FloorsTheLevelInstalment)
{
    // 1,000,000 at 1 % a period over 12 periods: 88,848.79 -> 88,848.
    EXPECT_EQ(AnnuityPayment(1000000.0, 0.01, 12), 88848.0);
    EXPECT_NEAR(AnnuityFactor(0.01, 12), 0.0888487886783417, 1e-15);
}

TEST(RollBalance, FloorsEachPeriodsInterest)
{
    // Interest 1.5 is floored to 1: the payment of 100 repays 99.
    EXPECT_EQ(RollBalance(1000.0, 0.0015, 100.0, 1), 901.0);
    EXPECT_EQ(RollBalance(1000.0, 0.0015, 100.0, 0), 1000.0);
    // Twelve level instalments repay the amount up to what the floor kept back.
    const double left = RollBalance(1000000.0, 0.01, 88848.0, 12);
    EXPECT_GT(left, 0.0);
    EXPECT_LT(left, 12.0);
}

TEST(RoundYenToMan, RoundsHalfUp)
{
    EXPECT_EQ(RoundYenToMan(14995000), 1500);
    EXPECT_EQ(RoundYenToMan(14994999), 1499);
    EXPECT_EQ(RoundYenToMan(0), 0);
    EXPECT_EQ(RoundYenToMan(INT32_MAX), 214748); // no overflow on the + 5000
}

// Input outside the domain is refused, never computed into garbage.
TEST(ComputeRepayment, RefusesInputOutsideItsDomain)
{
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    const LoanInput good = Loan(CorporationBasic, 3000, 600, 2.0, 3.0, 35);
    ASSERT_TRUE(IsComputable(good));

    struct Case {
        const char* what;
        void (*change)(LoanInput&, double, double);
    };
    const Case cases[] = {
        {"method 0", [](LoanInput& in, double, double) { in.method = 0; }},
        {"method 7", [](LoanInput& in, double, double) { in.method = 7; }},
        {"loan 0", [](LoanInput& in, double, double) { in.loanYen = 0; }},
        {"loan negative", [](LoanInput& in, double, double) { in.loanYen = -30000000; }},
        {"loan NaN", [](LoanInput& in, double n, double) { in.loanYen = n; }},
        {"loan infinite", [](LoanInput& in, double, double i) { in.loanYen = i; }},
        {"bonus negative", [](LoanInput& in, double, double) { in.bonusYen = -1; }},
        {"bonus above half", [](LoanInput& in, double, double) { in.bonusYen = 15000001; }},
        {"bonus NaN", [](LoanInput& in, double n, double) { in.bonusYen = n; }},
        {"normal part negative", [](LoanInput& in, double, double) { in.normalYen = -1; }},
        {"normal part infinite", [](LoanInput& in, double, double i) { in.normalYen = i; }},
        {"rate1 0", [](LoanInput& in, double, double) { in.rate1 = 0; }},
        {"rate1 negative", [](LoanInput& in, double, double) { in.rate1 = -0.02; }},
        {"rate1 below .0001 %", [](LoanInput& in, double, double) { in.rate1 = 0.0000009; }},
        {"rate1 above 99 %", [](LoanInput& in, double, double) { in.rate1 = 0.991; }},
        {"rate1 NaN", [](LoanInput& in, double n, double) { in.rate1 = n; }},
        {"rate2 0", [](LoanInput& in, double, double) { in.rate2 = 0; }},
        {"rate2 infinite", [](LoanInput& in, double, double i) { in.rate2 = i; }},
        {"period 0", [](LoanInput& in, double, double) { in.periodYears = 0; }},
        {"period negative", [](LoanInput& in, double, double) { in.periodYears = -35; }},
        {"period a fraction", [](LoanInput& in, double, double) { in.periodYears = 7.5; }},
        {"period half a year", [](LoanInput& in, double, double) { in.periodYears = 0.5; }},
        {"period 100", [](LoanInput& in, double, double) { in.periodYears = 100; }},
        {"period NaN", [](LoanInput& in, double n, double) { in.periodYears = n; }},
        {"period infinite", [](LoanInput& in, double, double i) { in.periodYears = i; }},
        {"reduced below 25 years", [](LoanInput& in, double, double) {
             in.method = PensionStep;
             in.periodYears = 24;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        LoanInput in = good;
        c.change(in, nan, inf);
        EXPECT_FALSE(IsComputable(in));
        const RepaymentOutcome out = ComputeRepayment(in);
        EXPECT_EQ(out.status, RepaymentStatus::InvalidInput);
        EXPECT_EQ(out.result, LoanResult{});
    }
}

TEST(ComputeRepayment, TakesTheDomainLimits)
{
    EXPECT_TRUE(ComputeRepayment(Loan(CorporationBasic, 3000, 1500, 99, 99, 35)).ok());
    EXPECT_TRUE(ComputeRepayment(Loan(EqualPrincipal, 1000, 0, 0.001, 0.001, 1)).ok());
    EXPECT_TRUE(ComputeRepayment(Loan(CorporationYutori, 1000, 0, 2, 3, 25)).ok());
    EXPECT_TRUE(ComputeRepayment(Loan(BankOther, 100, 0, 2, 0, 99)).ok());
}

// Figures beyond the int32 range are reported, never wrapped.
TEST(ComputeRepayment, ReportsFiguresBeyondTheInt32Range)
{
    const RepaymentOutcome huge = ComputeRepayment(Loan(CorporationBasic, 1e9, 0, 2.0, 3.0, 35));
    EXPECT_EQ(huge.status, RepaymentStatus::OutOfRange);
    EXPECT_EQ(huge.result, LoanResult{});

    // 5,000 万円 at 99 % over 99 years: the instalments fit, the total does not.
    for (RepaymentMethod m = kFirstMethod; m <= kLastMethod; ++m) {
        SCOPED_TRACE(MethodName(m));
        EXPECT_EQ(ComputeRepayment(Loan(m, 5000, 1000, 99, 99, 99)).status, RepaymentStatus::OutOfRange);
    }

    // Every band product fits (at most 300 x 6,000,000) but their sum does not.
    const RepaymentOutcome sum = ComputeRepayment(Loan(BankOther, 181100, 0, 2.0, 2.0, 35));
    EXPECT_EQ(sum.status, RepaymentStatus::OutOfRange);
}

// 1 万円 at 99 %: the floored interest hands the principal almost a yen a month
// more than the annuity plans, which compounds at 8.25 % a month until the
// balance left after ten years is below zero. The band 3 instalment would be
// -802 yen; it is refused instead.
TEST(ComputeRepayment, RefusesASchedulePushedBelowZeroByTheFloors)
{
    const RepaymentOutcome out = ComputeRepayment(Loan(CorporationBasic, 1, 0, 99, 9, 28));
    EXPECT_EQ(out.status, RepaymentStatus::NegativeFigure);
    EXPECT_EQ(out.result, LoanResult{});
    // The same rates with a bonus part, and larger loans, stay meaningful.
    EXPECT_TRUE(ComputeRepayment(Loan(CorporationBasic, 1, 0.5, 99, 9, 28)).ok());
    EXPECT_TRUE(ComputeRepayment(Loan(CorporationBasic, 20, 0, 99, 9, 28)).ok());
}

} // namespace
} // namespace hn
