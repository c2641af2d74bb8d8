// SPDX-License-Identifier: GPL-3.0-or-later
// A plan through its report: published figures, a pair's borrowers, the
// warnings and refusals in words, and a one-loan plan against the loan's own
// schedule.
#include "report/PlanReport.h"

#include "calc/plan/PlanMessages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace hn {
namespace {

constexpr std::int64_t kMan = 10'000;

ExactRate Percent(const char* text)
{
    return *ExactRate::FromPercentText(text);
}

RateStep Step(int month, const char* percent)
{
    const ExactRate rate = Percent(percent);
    return RateStep{month, rate.Fraction(), rate};
}

PlanTrancheInput Loan(std::int64_t man, LoanProduct product, std::array<double, 2> shares = {100.0, 0.0})
{
    PlanTrancheInput t;
    t.tranche.amountYen = man * kMan;
    t.tranche.periodYears = 35;
    t.tranche.firstMonth = {2027, 4};
    t.tranche.product = std::move(product);
    t.sharePercent = shares;
    return t;
}

LoanProduct Fixed(const char* percent)
{
    return WholeTermFixedProduct{Percent(percent)};
}

LoanProduct Variable(const char* percent)
{
    return VariableProduct{RatePath{{Step(1, percent)}}};
}

PlanReportInput OnePerson(std::int64_t priceMan, std::vector<PlanTrancheInput> tranches)
{
    PlanReportInput in;
    in.purchase = {priceMan * kMan, 0, 0, false};
    in.borrowers = {{600, 35}};
    in.tranches = std::move(tranches);
    return in;
}

std::int64_t Whole(const std::vector<Figure>& figures, std::string_view key)
{
    const Figure* f = FindFigure(figures, key);
    EXPECT_NE(f, nullptr) << key;
    return f != nullptr ? f->value.whole : -1;
}

// 3,000 万円 over 35 years: 1.4 % fixed, 0.6 % variable, and half of each.
TEST(PlanReportPublished, MixedLoanThreeWays)
{
    struct Case {
        std::vector<PlanTrancheInput> tranches;
        std::vector<std::int64_t> monthly;
        std::int64_t together;
    };
    const Case cases[] = {
        {{Loan(3000, Fixed("1.4"))}, {90392}, 90392},
        {{Loan(3000, Variable("0.6"))}, {79208}, 79208},
        {{Loan(1500, Fixed("1.4")), Loan(1500, Variable("0.6"))}, {45196, 39604}, 84800},
    };
    for (const Case& c : cases) {
        const PlanReport r = MakePlanReport(OnePerson(3000, c.tranches));
        ASSERT_TRUE(r.ok) << r.message;
        ASSERT_EQ(r.tranches.size(), c.monthly.size());
        for (std::size_t i = 0; i < c.monthly.size(); ++i) {
            EXPECT_EQ(Whole(r.tranches[i], "firstMonthlyYen"), c.monthly[i]);
            EXPECT_EQ(FindFigure(r.tranches[i], "checks")->value.text, "すべて一致");
        }
        EXPECT_EQ(Whole(r.whole, "firstMonthlyYen"), c.together);
        // The largest month is the settling last one, a little above the level instalment.
        EXPECT_GE(Whole(r.whole, "peakMonthlyYen"), c.together);
        EXPECT_EQ(Whole(r.purchase, "borrowYen"), 3000 * kMan);
        EXPECT_EQ(Whole(r.borrowers.at(0), "annualYen"), 12 * c.together);
        EXPECT_TRUE(r.warnings.empty()) << r.warnings.front();
        EXPECT_EQ(FindFigure(r.whole, "endMonth")->value.month, (YearMonth{2062, 3}));
    }
}

// Two borrowers, each owing a loan of their own: each pays and is measured
// against their own income; the household against both.
TEST(PlanReportPair, EachBorrowerCarriesTheirOwnLoan)
{
    PlanReportInput in;
    in.purchase = {4500 * kMan, 500 * kMan, 300 * kMan, true};
    in.arrangement = PlanArrangement::PairLoan;
    in.borrowers = {{700, 45}, {400, 40}};
    in.tranches = {Loan(2800, Fixed("1.4")), Loan(1500, Variable("0.6"), {0, 100})};
    const PlanReport r = MakePlanReport(in);
    ASSERT_TRUE(r.ok) << r.message;
    ASSERT_EQ(r.borrowers.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) {
        const std::int64_t annual = 12 * Whole(r.tranches[k], "firstMonthlyYen");
        EXPECT_EQ(Whole(r.borrowers[k], "annualYen"), annual);
        EXPECT_EQ(Whole(r.borrowers[k], "incomeYen"), (k == 0 ? 700 : 400) * kMan);
        EXPECT_DOUBLE_EQ(FindFigure(r.borrowers[k], "ratioPercent")->value.number,
                         static_cast<double>(annual) / static_cast<double>((k == 0 ? 700 : 400) * kMan) * 100.0);
        EXPECT_EQ(FindFigure(r.borrowers[k], "limitPercent")->value.number, 35.0);
    }
    EXPECT_EQ(Whole(r.borrowers[0], "payoffAge"), 80);
    EXPECT_EQ(Whole(r.borrowers[1], "payoffAge"), 75);
    EXPECT_EQ(Whole(r.household, "annualYen"), Whole(r.borrowers[0], "annualYen") + Whole(r.borrowers[1], "annualYen"));
    EXPECT_EQ(Whole(r.purchase, "borrowYen"), 4300 * kMan);
    EXPECT_EQ(Whole(r.purchase, "loansYen"), 4300 * kMan);
    // Only the first borrower ends at 80: the warning names them.
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0], "1人目の完済時年齢が80歳です: 多くの金融機関は80歳未満までで貸します。");
    const std::string lines = PlanReportLines(r);
    EXPECT_NE(lines.find("[借入2]\n借入額: 15,000,000円\n"), std::string::npos) << lines;
    EXPECT_NE(lines.find("注意: 1人目の完済時年齢が80歳です"), std::string::npos) << lines;
}

TEST(PlanReportWarnings, SaysWhatDoesNotAddUpAndWhatTheRowsShow)
{
    // Loans 300 万円 short of the amount to borrow, and 100 万円 over it.
    PlanReport r = MakePlanReport(OnePerson(3300, {Loan(3000, Fixed("1.4"))}));
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.warnings, std::vector<std::string>{"借入の合計が借入必要額に3,000,000円足りません。"});
    r = MakePlanReport(OnePerson(2900, {Loan(3000, Fixed("1.4"))}));
    EXPECT_EQ(r.warnings, std::vector<std::string>{"借入の合計が借入必要額を1,000,000円超えています。"});

    // A variable rate that jumps beyond what the capped instalment covers.
    PlanTrancheInput jump = Loan(3000, VariableProduct{RatePath{{Step(1, "0.5"), Step(61, "9")}}});
    PlanReportInput lowIncome = OnePerson(4000, {Loan(1000, Fixed("1")), jump});
    lowIncome.borrowers[0].incomeMan = 300;
    r = MakePlanReport(lowIncome);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_NE(std::find(r.warnings.begin(), r.warnings.end(),
                        "借入2: 返済額が利息に届かない月があり、未払利息が生じます。"),
              r.warnings.end());
    // A burden above the lender's limit.
    EXPECT_NE(std::find(r.warnings.begin(), r.warnings.end(), "返済負担率が上限を超えています。"), r.warnings.end());
}

TEST(PlanReportRefusals, NameTheLoanOrTheField)
{
    PlanReportInput in = OnePerson(3000, {Loan(1500, Fixed("1.4")), Loan(1500, Fixed("1.4"))});
    in.tranches[1].tranche.amountYen = 0;
    PlanReport r = MakePlanReport(in);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message.rfind("借入2: 借入額", 0), 0u) << r.message;
    EXPECT_TRUE(r.tranches.empty());
    EXPECT_EQ(PlanReportLines(r), r.message + "\n");

    in = OnePerson(3000, {Loan(3000, SteppedProduct{})});
    EXPECT_EQ(MakePlanReport(in).message, "借入1: 金利の種類と金利を正しく入力してください");

    in = OnePerson(3000, {Loan(3000, Fixed("1.4"), {60, 40})});
    EXPECT_EQ(MakePlanReport(in).message, kMsgSharesNotWhole);

    in = OnePerson(3000, {Loan(3000, Fixed("1.4"))});
    in.limitKey = "99";
    EXPECT_EQ(MakePlanReport(in).message, "返済負担率の上限を正しく選んでください");
    in.limitKey.clear(); // no rule: no limit figures
    r = MakePlanReport(in);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(FindFigure(r.borrowers[0], "limitPercent"), nullptr);

    in = OnePerson(3000, {});
    EXPECT_FALSE(MakePlanReport(in).ok);
}

// A plan of one loan is that loan: its figures are the tranche's own schedule's.
TEST(PlanReportProperties, OneLoanPlanIsTheLoansOwnSchedule)
{
    std::mt19937_64 rng(20261208);
    for (int round = 0; round < 200; ++round) {
        PlanTrancheInput t;
        t.tranche.amountYen = std::uniform_int_distribution<std::int64_t>(1, 200'000'000)(rng);
        t.tranche.bonusYen = round % 3 == 0 ? t.tranche.amountYen / 3 : 0;
        t.tranche.periodYears = std::uniform_int_distribution<int>(1, 50)(rng);
        t.tranche.firstMonth = {std::uniform_int_distribution<int>(2000, 2040)(rng),
                                std::uniform_int_distribution<int>(1, 12)(rng)};
        // Hundredths of a percent written out by hand: no locale may touch the point.
        const int hundredths = std::uniform_int_distribution<int>(1, 800)(rng);
        const std::string rate = std::to_string(hundredths / 100) + "." + std::to_string(hundredths % 100 / 10) +
                                 std::to_string(hundredths % 10);
        t.tranche.product = round % 2 == 0 ? Fixed(rate.c_str()) : MethodProduct{CorporationBasic, Percent(rate.c_str()), Percent(rate.c_str())};
        SCOPED_TRACE(std::to_string(t.tranche.amountYen) + " " + rate + " " + std::to_string(t.tranche.periodYears));
        PlanReportInput in = OnePerson(0, {t});
        in.purchase.priceYen = t.tranche.amountYen;

        const PlanReport r = MakePlanReport(in);
        const TrancheSchedule own = BuildTrancheSchedule(t.tranche);
        ASSERT_TRUE(r.ok) << r.message;
        ASSERT_TRUE(own.ok());
        const ScheduleTotals totals = TotalsOf(own.schedule);
        EXPECT_EQ(Whole(r.tranches[0], "firstMonthlyYen"), own.schedule.monthly.rows[0].payment);
        EXPECT_EQ(Whole(r.tranches[0], "totalRepaidYen"), totals.payment);
        EXPECT_EQ(Whole(r.whole, "totalRepaidYen"), totals.payment);
        EXPECT_EQ(Whole(r.whole, "totalInterestYen"), totals.interest);
        EXPECT_EQ(Whole(r.tranches[0], "totalInterestYen"), totals.interest);
        const ScheduleCalendar calendar{t.tranche.firstMonth, t.bonusMonths};
        EXPECT_EQ(r.years, YearlyView(own.schedule, calendar));
        EXPECT_EQ(FindFigure(r.whole, "endMonth")->value.month, FindFigure(r.tranches[0], "lastMonth")->value.month);
        // A fixed rate leaves nothing unpaid and its rows pass their checks.
        for (const std::string& w : r.warnings)
            EXPECT_EQ(w.find("借入1"), std::string::npos) << w;
    }
}

} // namespace
} // namespace hn
