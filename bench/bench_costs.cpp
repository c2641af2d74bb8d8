// SPDX-License-Identifier: GPL-3.0-or-later
// What a loan really costs: the effective rate of a 35-year loan (the worked loan,
// 3,000 万円 with 600 in bonus at 2.0 %, 420 monthly and 70 bonus payments).
#include "calc/Repayment.h"
#include "calc/Schedule.h"
#include "calc/costs/EffectiveRate.h"
#include "calc/costs/PaymentStream.h"

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

} // namespace
