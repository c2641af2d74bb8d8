// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/PlanForm.h"

#include <gtest/gtest.h>

#include <variant>

namespace hn {
namespace {

PlanForm Mixed()
{
    PlanForm form;
    form.priceMan = 3000;
    form.borrowers[0] = {600, 35};
    PlanFormLoan fixed;
    fixed.amountMan = 1500;
    fixed.rate = "1.4";
    PlanFormLoan variable = fixed;
    variable.product = PlanProductKind::Variable;
    variable.rate = "0.6";
    form.loans = {fixed, variable};
    return form;
}

TEST(PlanFormTest, AmountsInManBecomeWholeYenAndProductsKeepTheRatesAsTyped)
{
    PlanForm form = Mixed();
    form.downMan = 123.4567; // a fraction of a 万円 rounds to the yen
    form.costsMan = 150;
    form.costsFinanced = true;
    const PlanFormRead read = ReadPlanForm(form);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(read.input.purchase.priceYen, 30'000'000);
    EXPECT_EQ(read.input.purchase.downPaymentYen, 1'234'567);
    EXPECT_EQ(read.input.purchase.costsYen, 1'500'000);
    EXPECT_TRUE(read.input.purchase.costsFinanced);
    ASSERT_EQ(read.input.borrowers.size(), 1u); // the second borrower's fields are ignored alone
    ASSERT_EQ(read.input.tranches.size(), 2u);
    const Tranche& t = read.input.tranches[1].tranche;
    EXPECT_EQ(t.amountYen, 15'000'000);
    EXPECT_EQ(t.firstMonth, (YearMonth{2027, 4}));
    const auto* variable = std::get_if<VariableProduct>(&t.product);
    ASSERT_NE(variable, nullptr);
    ASSERT_EQ(variable->path.steps.size(), 1u);
    EXPECT_EQ(StepRate(variable->path.steps[0]), *ExactRate::FromPercentText("0.6"));
}

TEST(PlanFormTest, TheMixedLoanReadsThePublishedFirstInstalments)
{
    const PlanReport report = MakePlanReport(ReadPlanForm(Mixed()).input);
    ASSERT_TRUE(report.ok) << report.message;
    const auto value = [](const std::vector<Figure>& figures) {
        const Figure* f = FindFigure(figures, "firstMonthlyYen");
        return f ? Text(f->value) : std::string();
    };
    EXPECT_EQ(value(report.tranches[0]), "45,196円");
    EXPECT_EQ(value(report.tranches[1]), "39,604円");
    EXPECT_EQ(value(report.whole), "84,800円");
    // The rows a grid shows are the figures in order, caption and text.
    const std::vector<FigureRow> rows = PlanRows(report.whole);
    ASSERT_EQ(rows.size(), report.whole.size());
    EXPECT_EQ(rows[0].caption, report.whole[0].caption);
}

TEST(PlanFormTest, AFixedPeriodLoanTakesItsYearsAndBothRates)
{
    PlanForm form = Mixed();
    form.loans.resize(1);
    form.loans[0].product = PlanProductKind::FixedPeriod;
    form.loans[0].rate = "0.87";
    form.loans[0].fixedYears = 5;
    form.loans[0].rateAfter = "1.47";
    const PlanFormRead read = ReadPlanForm(form);
    ASSERT_TRUE(read.ok);
    const auto* p = std::get_if<FixedPeriodProduct>(&read.input.tranches[0].tranche.product);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->fixedYears, 5);
    EXPECT_EQ(p->fixedRate, *ExactRate::FromPercentText("0.87"));
    EXPECT_EQ(StepRate(p->after.steps.at(0)), *ExactRate::FromPercentText("1.47"));
}

TEST(PlanFormTest, SharesFollowTheArrangement)
{
    PlanForm form = Mixed();
    form.borrowerCount = 2;
    form.borrowers[1] = {400, 33};
    form.loans[0].owner = 1;
    form.loans[1].share1Percent = 66.67;
    const struct {
        PlanArrangement arrangement;
        std::array<double, 2> first, second;
    } cases[] = {
        {PlanArrangement::PairLoan, {0, 100}, {100, 0}}, // each loan owed by its owner
        {PlanArrangement::IncomeCombined, {50, 50}, {66.67, 33.33}},
        {PlanArrangement::JointDebt, {50, 50}, {66.67, 33.33}},
    };
    for (const auto& c : cases) {
        form.arrangement = c.arrangement;
        const PlanFormRead read = ReadPlanForm(form);
        ASSERT_TRUE(read.ok);
        EXPECT_EQ(read.input.borrowers.size(), 2u);
        EXPECT_EQ(read.input.tranches[0].sharePercent, c.first) << static_cast<int>(c.arrangement);
        EXPECT_EQ(read.input.tranches[1].sharePercent, c.second) << static_cast<int>(c.arrangement);
        EXPECT_TRUE(MakePlanReport(read.input).ok);
    }
}

TEST(PlanFormTest, AnUnreadableRateIsRefusedNamingItsLoan)
{
    for (const char* rate : {"", ".", "100"}) {
        PlanForm form = Mixed();
        form.loans[1].rate = rate;
        const PlanFormRead read = ReadPlanForm(form);
        EXPECT_FALSE(read.ok) << rate;
        EXPECT_EQ(read.message, "借入2の金利を正しく入力してください。") << rate;
    }
    PlanForm form = Mixed();
    form.loans[0].product = PlanProductKind::FixedPeriod;
    form.loans[0].rateAfter = "";
    EXPECT_EQ(ReadPlanForm(form).message, "借入1の金利を正しく入力してください。");
}

} // namespace
} // namespace hn
