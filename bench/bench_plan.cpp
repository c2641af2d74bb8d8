// SPDX-License-Identifier: GPL-3.0-or-later
// A home purchase planned as one whole: two borrowers owing four 35-year loans in
// shares (全期間固定 with a bonus part, 変動 along a rising path, 固定期間選択型 for
// ten years, a stepped rate), every loan scheduled with its product and the plan
// computed and reported, as hensai-calc --plan does once a file is read.
#include "calc/HeapReuse.h"
#include "report/PlanReport.h"

#include <benchmark/benchmark.h>

namespace {

hn::ExactRate Percent(const char* text)
{
    return *hn::ExactRate::FromPercentText(text);
}

hn::RateStep Step(int month, const char* percent)
{
    const hn::ExactRate rate = Percent(percent);
    return hn::RateStep{month, rate.Fraction(), rate};
}

hn::PlanTrancheInput Loan(std::int64_t man, std::int64_t bonusMan, hn::LoanProduct product)
{
    hn::PlanTrancheInput t;
    t.tranche = {man * 10'000, bonusMan * 10'000, 35, {2027, 4}, std::move(product)};
    t.sharePercent = {60.0, 40.0};
    return t;
}

hn::PlanReportInput FourTranches()
{
    hn::PlanReportInput in;
    in.purchase = {80'000'000, 5'000'000, 3'000'000, true};
    in.borrowers = {{800, 35}, {500, 33}};
    in.arrangement = hn::PlanArrangement::JointDebt;
    in.tranches = {
        Loan(2000, 400, hn::WholeTermFixedProduct{Percent("1.8")}),
        Loan(2000, 0, hn::VariableProduct{hn::RatePath{{Step(1, "0.6"), Step(61, "1.2"), Step(121, "2")}}}),
        Loan(2000, 0, hn::FixedPeriodProduct{10, Percent("1.1"), hn::RatePath{{Step(1, "1.9")}}}),
        Loan(2300, 0, hn::SteppedProduct{hn::RatePath{{Step(1, "1.82"), Step(121, "2.52"), Step(241, "2.82")}}}),
    };
    return in;
}

// Schedules, plan, figures, years and warnings.
void PlanReportFourTranches35Years(benchmark::State& state)
{
    const hn::PlanReportInput in = FourTranches();
    // As the programs run (docs/performance.md): freed schedules stay in the heap
    // instead of going back to the kernel and being faulted in again at each call.
    hn::KeepFreedMemoryForReuse();
    for (auto _ : state) {
        hn::PlanReport report = hn::MakePlanReport(in);
        if (!report.ok)
            state.SkipWithError(report.message.c_str());
        benchmark::DoNotOptimize(report);
    }
}
BENCHMARK(PlanReportFourTranches35Years);

// The four schedules alone, for how the time divides.
void TrancheSchedulesOnly(benchmark::State& state)
{
    const hn::PlanReportInput in = FourTranches();
    hn::KeepFreedMemoryForReuse();
    for (auto _ : state) {
        for (const hn::PlanTrancheInput& t : in.tranches) {
            hn::TrancheSchedule s = hn::BuildTrancheSchedule(t.tranche);
            benchmark::DoNotOptimize(s);
        }
    }
}
BENCHMARK(TrancheSchedulesOnly);

} // namespace
