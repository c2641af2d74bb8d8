// SPDX-License-Identifier: GPL-3.0-or-later
// One rate scenario over 35 years with the rate changing every 6 months (70
// changes), the worked loan: 3,000 万円 with 600 in bonus instalments. The
// schedule, its summary and its warnings: what the planning window computes
// per scenario.
#include "calc/rates/RatePath.h"
#include "calc/rates/RateScenario.h"
#include "calc/rates/ScenarioSummary.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

hn::ScenarioInput HalfYearlyChanges(hn::RepaymentMethod method, hn::ReviewRule review)
{
    hn::ScenarioInput in;
    in.loan = hn::MakeLoanInput({.method = method, .loanMan = 3000, .bonusMan = 600, .periodYears = 35});
    in.review = review;
    // Up and down around a steep rise (0.5 % to 14.7 %), so that reviews are
    // capped and unpaid interest arises under the five-year rule.
    // Read from its text, as the planning window reads its table and the command
    // line --rate-path: each rate is then the decimal typed.
    std::string text = "1:0.5";
    for (int k = 1; k < 70; ++k) {
        const int tenths = 5 + 2 * k + (k % 2 ? 4 : 0); // percent × 10
        text.append(",").append(std::to_string(6 * k + 1)).append(":");
        text.append(std::to_string(tenths / 10)).append(".").append(std::to_string(tenths % 10));
    }
    in.path = hn::ParseRatePath(text).path;
    return in;
}

void Scenario(benchmark::State& state, hn::RepaymentMethod method, hn::ReviewRule review)
{
    const hn::ScenarioInput in = HalfYearlyChanges(method, review);
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        hn::ScenarioSchedule s = hn::BuildScenarioSchedule(in);
        hn::ScenarioSummary sum = hn::SummariseScenario(s);
        auto warnings = hn::ScenarioWarnings(s, sum);
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(warnings);
    }
}

BENCHMARK_CAPTURE(Scenario, Level_FiveYear125, hn::BankOther, hn::ReviewRule::FiveYear125)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Scenario, Level_EveryChange, hn::BankOther, hn::ReviewRule::EveryChange)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Scenario, EqualPrincipal, hn::EqualPrincipal, hn::ReviewRule::FiveYear125)->Unit(benchmark::kMicrosecond);

} // namespace
