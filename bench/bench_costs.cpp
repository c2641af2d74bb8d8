// SPDX-License-Identifier: GPL-3.0-or-later
// What a loan really costs: the effective rate of a 35-year loan (the worked loan,
// 3,000 万円 with 600 in bonus at 2.0 %, 420 monthly and 70 bonus payments), and a
// whole refinancing comparison (both schedules, both streams, the comparison and
// both effective rates).
#include "calc/Repayment.h"
#include "calc/costs/EffectiveRate.h"
#include "calc/costs/PaymentStream.h"
#include "calc/costs/Refinance.h"
#include "calc/schedule/Schedule.h"

#include <benchmark/benchmark.h>

namespace {

const hn::ScheduleCalendar kCalendar{{2025, 4}, {6, 12}};

hn::LoanInput Loan(double man, double bonusMan, double ratePercent, double years)
{
    return hn::MakeLoanInput({.method = hn::BankOther,
                              .loanMan = man,
                              .bonusMan = bonusMan,
                              .rate1Percent = ratePercent,
                              .rate2Percent = ratePercent,
                              .periodYears = years});
}

// The search alone, on the payments of the schedule.
void EffectiveRate35Years(benchmark::State& state)
{
    const hn::PaymentStream payments = hn::StreamOf(hn::BuildSchedule(Loan(3000, 600, 2.0, 35)), kCalendar);
    const std::int64_t received = 30'000'000 - 412'400 - 20'000; // guarantee and stamp duty paid
    for (auto _ : state) {
        hn::EffectiveRate rate = hn::SolveEffectiveRate(payments, received);
        benchmark::DoNotOptimize(rate);
    }
}
BENCHMARK(EffectiveRate35Years);

// From the schedule on: the stream made and the rate found.
void EffectiveRate35YearsFromSchedule(benchmark::State& state)
{
    const hn::Schedule schedule = hn::BuildSchedule(Loan(3000, 600, 2.0, 35));
    for (auto _ : state) {
        const hn::PaymentStream payments = hn::StreamOf(schedule, kCalendar);
        hn::EffectiveRate rate = hn::SolveEffectiveRate(payments, 30'000'000 - 432'400);
        benchmark::DoNotOptimize(rate);
    }
}
BENCHMARK(EffectiveRate35YearsFromSchedule);

// 3,000 万円 at 2 % over 35 years refinanced after 24 payments at 1 % over 33 years,
// with costs: everything from the two loans' inputs to the figures.
void RefinanceComparison(benchmark::State& state)
{
    const hn::LoanInput current = Loan(3000, 600, 2.0, 35);
    for (auto _ : state) {
        const hn::Schedule before = hn::BuildSchedule(current);
        const std::int64_t balance = hn::BalanceAfter(before, kCalendar, 24);
        const hn::Schedule after = hn::BuildSchedule(Loan(static_cast<double>(balance) / 10'000, 0, 1.0, 33));
        const hn::PaymentStream staying = hn::StreamAfter(before, kCalendar, 24);
        const hn::PaymentStream next = hn::StreamOf(after, kCalendar);
        const hn::SwitchCosts costs{600'000, 33'000, 120'000};
        hn::RefinanceComparison c = hn::CompareRefinance(
            {staying, next, hn::NextMonthlyInstalment(before, 24), hn::NextMonthlyInstalment(after, 0), costs});
        hn::EffectiveRate stayingRate = hn::SolveEffectiveRate(staying, balance);
        hn::EffectiveRate newRate = hn::SolveEffectiveRate(next, balance - costs.newLoanFeesYen);
        benchmark::DoNotOptimize(c);
        benchmark::DoNotOptimize(stayingRate);
        benchmark::DoNotOptimize(newRate);
    }
}
BENCHMARK(RefinanceComparison);

} // namespace
