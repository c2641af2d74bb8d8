// SPDX-License-Identifier: GPL-3.0-or-later
// The repayment schedule of a 99-year loan: 1,188 monthly and 198 bonus rows
// (3,000 万円 with 600 in bonus, 2.0 % then 3.0 %), per family, and what a
// window does with it afterwards (self-checks, views).
#include "calc/HeapReuse.h"
#include "calc/schedule/Schedule.h"
#include "calc/schedule/ScheduleChecks.h"
#include "calc/schedule/ScheduleViews.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

// Minor page faults of the process so far: memory the allocator handed back to
// the kernel and took again is faulted in page by page.
long MinorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// Reports the page faults per iteration of the timed loop; the first iteration's
// (the allocator's first growth) is left out by a warm-up call beforehand.
class FaultCounter {
public:
    explicit FaultCounter(benchmark::State& state) : m_state(state), m_start(MinorFaults()) {}
    ~FaultCounter()
    {
        m_state.counters["faults"] = benchmark::Counter(static_cast<double>(MinorFaults() - m_start),
                                                        benchmark::Counter::kAvgIterations);
    }
    FaultCounter(const FaultCounter&) = delete;
    FaultCounter& operator=(const FaultCounter&) = delete;

private:
    benchmark::State& m_state;
    long m_start;
};

hn::LoanInput LongLoan(hn::RepaymentMethod method)
{
    return hn::MakeLoanInput(
        {.method = method, .loanMan = 3000, .bonusMan = 600, .rate1Percent = 2.0, .rate2Percent = 3.0, .periodYears = 99});
}

void BuildSchedule99(benchmark::State& state, hn::RepaymentMethod method)
{
    hn::LoanInput in = LongLoan(method);
    benchmark::DoNotOptimize(hn::BuildSchedule(in));
    const FaultCounter faults(state);
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

// What the command line and the window compute on a schedule before they show it.
void ChecksAndViewsOf(const hn::Schedule& s, const hn::LoanResult& window, const hn::ScheduleCalendar& calendar)
{
    hn::ScheduleCheckReport report = hn::CheckSchedule(s);
    hn::CheckAgainstResult(s, window, report);
    hn::WindowComparison comparison = hn::CompareWithWindow(s, window);
    auto monthly = hn::MonthlyView(s, calendar);
    auto yearly = hn::YearlyView(s, calendar);
    benchmark::DoNotOptimize(report);
    benchmark::DoNotOptimize(comparison);
    benchmark::DoNotOptimize(monthly);
    benchmark::DoNotOptimize(yearly);
}

// Everything they compute, the schedule included.
void ChecksAndViews(const hn::LoanInput& in, const hn::LoanResult& window, const hn::ScheduleCalendar& calendar)
{
    ChecksAndViewsOf(hn::BuildSchedule(in), window, calendar);
}

// With the schedule built at each call, or once beforehand (the checks and views
// alone, as a window showing a schedule it was given computes them).
void ChecksAndViewsLoop(benchmark::State& state, bool buildEachTime)
{
    const hn::LoanInput in = LongLoan(hn::CorporationBasic);
    const hn::LoanResult window = hn::ComputeRepayment(in).result;
    const hn::ScheduleCalendar calendar{{2027, 4}, {6, 12}};
    const hn::Schedule built = hn::BuildSchedule(in);
    const auto once = [&] {
        buildEachTime ? ChecksAndViews(in, window, calendar) : ChecksAndViewsOf(built, window, calendar);
    };
    // As the programs run (docs/performance.md): without it, the freed views go
    // back to the kernel and are faulted in again at each call.
    hn::KeepFreedMemoryForReuse();
    once();
    const FaultCounter faults(state);
    for (auto _ : state)
        once();
}

void ScheduleChecksAndViews99(benchmark::State& state)
{
    ChecksAndViewsLoop(state, true);
}
BENCHMARK(ScheduleChecksAndViews99);

void ScheduleChecksAndViewsOfBuilt99(benchmark::State& state)
{
    ChecksAndViewsLoop(state, false);
}
BENCHMARK(ScheduleChecksAndViewsOfBuilt99);

// The parts of the above on a schedule built beforehand: where its time goes.
void ScheduleParts99(benchmark::State& state, int part)
{
    const hn::LoanInput in = LongLoan(hn::CorporationBasic);
    const hn::LoanResult window = hn::ComputeRepayment(in).result;
    const hn::ScheduleCalendar calendar{{2027, 4}, {6, 12}};
    const hn::Schedule s = hn::BuildSchedule(in);
    for (auto _ : state) {
        switch (part) {
        case 0: {
            hn::ScheduleCheckReport report = hn::CheckSchedule(s);
            hn::CheckAgainstResult(s, window, report);
            benchmark::DoNotOptimize(report);
            break;
        }
        case 1:
            benchmark::DoNotOptimize(hn::CompareWithWindow(s, window));
            break;
        case 2:
            benchmark::DoNotOptimize(hn::MonthlyView(s, calendar));
            break;
        default:
            benchmark::DoNotOptimize(hn::YearlyView(s, calendar));
            break;
        }
    }
}
BENCHMARK_CAPTURE(ScheduleParts99, Checks, 0);
BENCHMARK_CAPTURE(ScheduleParts99, CompareWithWindow, 1);
BENCHMARK_CAPTURE(ScheduleParts99, MonthlyView, 2);
BENCHMARK_CAPTURE(ScheduleParts99, YearlyView, 3);

} // namespace
