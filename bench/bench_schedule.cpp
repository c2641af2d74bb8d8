// SPDX-License-Identifier: GPL-3.0-or-later
// The repayment schedule of a 99-year loan: 1,188 monthly and 198 bonus rows
// (3,000 万円 with 600 in bonus, 2.0 % then 3.0 %), per family, and what a
// window does with it afterwards (self-checks, views).
#include "calc/Schedule.h"
#include "calc/ScheduleChecks.h"
#include "calc/ScheduleViews.h"

#include <benchmark/benchmark.h>

namespace {

hn::LoanInput LongLoan(hn::RepaymentMethod method)
{
    return hn::MakeLoanInput(
        {.method = method, .loanMan = 3000, .bonusMan = 600, .rate1Percent = 2.0, .rate2Percent = 3.0, .periodYears = 99});
}

void BuildSchedule99(benchmark::State& state, hn::RepaymentMethod method)
{
    hn::LoanInput in = LongLoan(method);
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        hn::Schedule s = hn::BuildSchedule(in);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK_CAPTURE(BuildSchedule99, LevelPayment_CorporationBasic, hn::CorporationBasic);
BENCHMARK_CAPTURE(BuildSchedule99, LevelPayment_BankOther, hn::BankOther);
BENCHMARK_CAPTURE(BuildSchedule99, ReducedEarly_CorporationYutori, hn::CorporationYutori);
BENCHMARK_CAPTURE(BuildSchedule99, EqualPrincipal, hn::EqualPrincipal);

// Everything the command line and the window compute before they show it.
void ScheduleChecksAndViews99(benchmark::State& state)
{
    const hn::LoanInput in = LongLoan(hn::CorporationBasic);
    const hn::LoanResult window = hn::ComputeRepayment(in).result;
    const hn::ScheduleCalendar calendar{{2027, 4}, {6, 12}};
    for (auto _ : state) {
        hn::Schedule s = hn::BuildSchedule(in);
        hn::ScheduleCheckReport report = hn::CheckSchedule(s);
        hn::CheckAgainstResult(s, window, report);
        auto monthly = hn::MonthlyView(s, calendar);
        auto yearly = hn::YearlyView(s, calendar);
        benchmark::DoNotOptimize(report);
        benchmark::DoNotOptimize(monthly);
        benchmark::DoNotOptimize(yearly);
    }
}
BENCHMARK(ScheduleChecksAndViews99);

} // namespace
