// SPDX-License-Identifier: GPL-3.0-or-later
// The planning figures: the borrowing-capacity search over a 35-year term, the
// lenders' reading of two loans together, and early repayments recomputing a
// 35-year schedule.
#include "calc/capacity/Capacity.h"
#include "calc/capacity/LenderReading.h"
#include "calc/schedule/Prepayment.h"

#include <benchmark/benchmark.h>

namespace {

// Income 600 万円 under the banks' tiers, screened at 3.5 %, 公庫基本型 at
// 1.2 % then 2.0 % with a fifth in bonus instalments: the search and the
// window's figures for the loan it finds.
void CapacitySearch35Years(benchmark::State& state)
{
    hn::CapacityRequest q;
    q.incomeMan = 600;
    q.limit = hn::FindBurdenLimitRule("bank");
    q.screeningRatePercent = 3.5;
    q.otherDebtsMan = 24;
    q.periodYears = 35;
    q.method = hn::CorporationBasic;
    q.rate1Percent = 1.2;
    q.rate2Percent = 2.0;
    q.bonusSharePercent = 20;
    for (auto _ : state) {
        benchmark::DoNotOptimize(q);
        hn::CapacityOutcome out = hn::ComputeCapacity(q);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(CapacitySearch35Years);

void LenderReadingTwoLoans(benchmark::State& state)
{
    hn::LoanInput a;
    a.method = hn::CorporationBasic;
    a.loanYen = 20'000'000;
    a.bonusYen = 4'000'000;
    a.normalYen = 16'000'000;
    a.rate1 = a.rate2 = 0.018;
    a.periodYears = 35;
    hn::LoanInput b = a;
    b.method = hn::BankOther;
    b.loanYen = b.normalYen = 15'000'000;
    b.bonusYen = 0;
    b.rate1 = b.rate2 = 0.005;
    const hn::ReadingLoan loans[] = {{a, false}, {b, true}};
    hn::ReadingRequest q;
    q.loans = loans;
    q.incomeMan = 700;
    q.limit = hn::FindBurdenLimitRule("public");
    q.screeningRatePercent = 3.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(q);
        hn::LenderReadingOutcome out = hn::ReadAsLender(q);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(LenderReadingTwoLoans);

// 公庫基本型, 3,000 万円 with 600 in bonus, 2.0 % then 3.0 %, 35 years (420
// monthly and 70 bonus rows); 100 万円 paid after year 5, 20 of them to the
// bonus part, each way: the prepaid schedule with its self-checks and totals.
hn::Schedule WorkedSchedule()
{
    hn::LoanInput in;
    in.method = hn::CorporationBasic;
    in.loanYen = 30'000'000;
    in.bonusYen = 6'000'000;
    in.normalYen = 24'000'000;
    in.rate1 = 0.02;
    in.rate2 = 0.03;
    in.periodYears = 35;
    return hn::BuildSchedule(in);
}

void PrepaymentRecompute(benchmark::State& state, hn::PrepayMode mode)
{
    const hn::Schedule base = WorkedSchedule();
    const hn::Prepayment p{60, 800'000, 200'000, mode};
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        hn::PrepaymentOutcome out = hn::ApplyPrepayments(base, std::span<const hn::Prepayment>(&p, 1));
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK_CAPTURE(PrepaymentRecompute, Reduce, hn::PrepayMode::Reduce);
BENCHMARK_CAPTURE(PrepaymentRecompute, Shorten, hn::PrepayMode::Shorten);
BENCHMARK_CAPTURE(PrepaymentRecompute, ShortenWhole, hn::PrepayMode::ShortenWhole);

// What the planning window does for one amount: all three ways side by side.
void PrepaymentSideBySide(benchmark::State& state)
{
    const hn::Schedule base = WorkedSchedule();
    const hn::Prepayment p{120, 1'000'000, 0, hn::PrepayMode::Reduce};
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        hn::PrepaymentComparison out = hn::ComparePrepayModes(base, p);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(PrepaymentSideBySide);

} // namespace
