// SPDX-License-Identifier: GPL-3.0-or-later
// Plan files: a plan of every product read back as written, rates read as typed,
// and malformed files answered with the member at fault, never a crash.
#include "report/PlanFile.h"

#include <gtest/gtest.h>

#include <random>

namespace hn {
namespace {

RateStep Step(int month, const char* percent)
{
    const ExactRate rate = *ExactRate::FromPercentText(percent);
    return RateStep{month, rate.Fraction(), rate};
}

constexpr const char* kMixed = R"({
  "format": 1,
  "purchase": {"priceYen": 30000000},
  "borrowers": [{"incomeMan": 600, "age": 35}],
  "tranches": [
    {"amountYen": 15000000, "years": 35, "firstMonth": "2027-04", "product": {"type": "fixed", "rate": 1.4}},
    {"amountYen": 15000000, "years": 35, "firstMonth": "2027-04",
     "product": {"type": "variable", "path": [{"month": 1, "rate": "0.6"}]}}
  ]
})";

TEST(PlanFile, ReadsAPlanAndItsReportGivesThePublishedFigure)
{
    const PlanFileRead read = ReadPlanText(kMixed);
    ASSERT_TRUE(read.ok) << read.message;
    EXPECT_EQ(std::get<WholeTermFixedProduct>(read.plan.tranches[0].tranche.product).rate.PercentText(), "1.4");
    const PlanReport r = MakePlanReport(read.plan);
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(FindFigure(r.whole, "firstMonthlyYen")->value.whole, 84800);
}

TEST(PlanFile, EveryProductReadsBackAsWritten)
{
    PlanReportInput plan;
    plan.purchase = {45'000'000, 5'000'000, 3'000'000, true};
    plan.borrowers = {{700, 45}, {400.5, 40}};
    plan.arrangement = PlanArrangement::JointDebt;
    plan.limitKey = "public";
    const LoanProduct products[] = {
        MethodProduct{CorporationYutori, *ExactRate::FromPercentText("2"), *ExactRate::FromPercentText("3.125")},
        WholeTermFixedProduct{*ExactRate::FromPercentText("0.0001")},
        VariableProduct{RatePath{{Step(1, "0.6"), Step(61, "2.5")}}, ReviewRule::EveryChange, UnpaidSettlement::PayFirst},
        FixedPeriodProduct{10, *ExactRate::FromPercentText("0.87"), RatePath{{Step(1, "1.47")}}},
        SteppedProduct{RatePath{{Step(1, "1.82"), Step(121, "2.52"), Step(241, "2.82")}}},
    };
    for (const LoanProduct& p : products) {
        PlanTrancheInput t;
        t.tranche = {10'000'000, 2'000'000, 30, {2028, 11}, p};
        t.bonusMonths = {1, 7};
        t.sharePercent = {33.33, 66.67};
        plan.tranches.push_back(t);
    }
    const std::string text = WritePlanText(plan);
    const PlanFileRead read = ReadPlanText(text);
    ASSERT_TRUE(read.ok) << read.message << "\n" << text;
    EXPECT_EQ(WritePlanText(read.plan), text);
    const PlanReport before = MakePlanReport(plan);
    const PlanReport after = MakePlanReport(read.plan);
    ASSERT_TRUE(before.ok) << before.message;
    EXPECT_EQ(after.whole, before.whole);
    EXPECT_EQ(after.borrowers, before.borrowers);
}

TEST(PlanFile, MalformedFilesNameTheMemberAtFault)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "計画ファイルを JSON として読めません"},
        {"[1, 2", "計画ファイルを JSON として読めません"},
        {"[]", "plan: オブジェクトではありません"},
        {R"({"format": 2})", "format: この版で読める形式は 1 です"},
        {R"({"format": 1})", "plan.purchase: ありません"},
        {R"({"format": 1, "purchase": {"priceYen": -1}})", "purchase.priceYen: 範囲外です (0～9007199254740991)"},
        {R"({"format": 1, "purchase": {"priceYen": 1.5}})", "purchase.priceYen: 整数ではありません"},
        {R"({"format": 1, "purchase": {"priceYen": 18446744073709551615}})", "purchase.priceYen: 大きすぎます"},
        {R"({"format": 1, "purchase": {"priceYen": 1}, "borrowers": []})", "borrowers: 借りる人を1人か2人並べてください"},
        {R"({"format": 1, "purchase": {"priceYen": 1}, "borrowers": [{"incomeMan": "600", "age": 3}]})",
         "borrowers[0].incomeMan: 数値ではありません"},
        {R"({"format": 1, "purchase": {"priceYen": 1}, "borrowers": [{"incomeMan": 600, "age": 3}], "arrangement": "pair"})",
         "arrangement: 次のどれかで書いてください: single, pairLoan, incomeCombined, jointDebt"},
        {R"({"format": 1, "purchase": {"priceYen": 1}, "borrowers": [{"incomeMan": 600, "age": 3}], "tranches": [
            {"amountYen": 1, "years": 35, "firstMonth": "2027-13", "product": {"type": "fixed", "rate": 1}}]})",
         "tranches[0].firstMonth: 返済開始月を \"2027-04\" の形で書いてください"},
        {R"({"format": 1, "purchase": {"priceYen": 1}, "borrowers": [{"incomeMan": 600, "age": 3}], "tranches": [
            {"amountYen": 1, "years": 35, "firstMonth": "2027-01", "product": {"type": "fixed", "rate": "1,4"}}]})",
         "tranches[0].product.rate: 金利を 0 以上 100 未満の % で書いてください"},
        {R"({"format": 1, "purchase": {"priceYen": 1}, "borrowers": [{"incomeMan": 600, "age": 3}], "tranches": [
            {"amountYen": 1, "years": 35, "firstMonth": "2027-01", "product": {"type": "stepped", "steps": [{"month": 1}]}}]})",
         "tranches[0].product.steps[0].rate: ありません"},
        {R"({"format": 1, "purchase": {"priceYen": 1}, "borrowers": [{"incomeMan": 600, "age": 3}], "tranches": [
            {"amountYen": 1, "years": 35, "firstMonth": "2027-01", "product": {"type": "method", "method": "x", "rate1": 1}}]})",
         "tranches[0].product.method: 返済方法を計算画面の名前 (公庫基本型 など) で書いてください"},
    };
    for (const auto& [text, message] : cases) {
        const PlanFileRead read = ReadPlanText(text);
        EXPECT_FALSE(read.ok) << text;
        EXPECT_EQ(read.message, message) << text;
    }
    EXPECT_EQ(ReadPlanFile("/nonexistent/plan.json").message, "計画ファイルを開けません: /nonexistent/plan.json");
}

// Any byte changed in a good file, or the file cut short, reads or is refused:
// never a crash, never an answer without a message.
TEST(PlanFile, DamagedFilesAreReadOrRefused)
{
    const std::string good = kMixed;
    std::mt19937_64 rng(99);
    for (int round = 0; round < 3000; ++round) {
        std::string text = good;
        const auto at = std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(rng);
        if (round % 3 == 0)
            text.resize(at);
        else
            text[at] = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
        const PlanFileRead read = ReadPlanText(text);
        EXPECT_EQ(read.ok, read.message.empty()) << text;
        if (read.ok)
            (void)MakePlanReport(read.plan);
    }
    EXPECT_FALSE(ReadPlanText(std::string(200000, '[')).ok);
}

} // namespace
} // namespace hn
