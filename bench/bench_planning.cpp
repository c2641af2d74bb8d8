// The planning figures: the borrowing-capacity search over a 35-year term, and
// the lenders' reading of two loans together.
#include "calc/Capacity.h"
#include "calc/LenderReading.h"

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

} // namespace
