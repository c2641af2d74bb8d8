// SPDX-License-Identifier: GPL-3.0-or-later
// ComputeRepayment per family over a 35-year term (the longest term of the
// period list), the worked loan: 3,000 万円 with 600 in bonus, 2.0 % then 3.0 %.
#include "calc/AmountText.h"
#include "calc/CalculateCommand.h"
#include "calc/Repayment.h"

#include <benchmark/benchmark.h>

namespace {

hn::LoanInput WorkedLoan(hn::RepaymentMethod method)
{
    return hn::MakeLoanInput(
        {.method = method, .loanMan = 3000, .bonusMan = 600, .rate1Percent = 2.0, .rate2Percent = 3.0, .periodYears = 35});
}

void ComputeFamily(benchmark::State& state, hn::RepaymentMethod method)
{
    hn::LoanInput in = WorkedLoan(method);
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        hn::RepaymentOutcome out = hn::ComputeRepayment(in);
        benchmark::DoNotOptimize(out);
    }
}

BENCHMARK_CAPTURE(ComputeFamily, LevelPayment_CorporationBasic, hn::CorporationBasic);
BENCHMARK_CAPTURE(ComputeFamily, LevelPayment_BankOther, hn::BankOther);
BENCHMARK_CAPTURE(ComputeFamily, ReducedEarly_CorporationYutori, hn::CorporationYutori);
BENCHMARK_CAPTURE(ComputeFamily, EqualPrincipal, hn::EqualPrincipal);

// What one press of the calculate button costs without the window: checks,
// computation and the nine result texts.
void CalculateCommand(benchmark::State& state)
{
    hn::CalcRequest req;
    req.method = hn::CorporationBasic;
    req.loanMan = 3000;
    req.bonusMan = 600;
    req.rate1Percent = 2.0;
    req.rate2Percent = 3.0;
    req.periodText = "35";
    for (auto _ : state) {
        benchmark::DoNotOptimize(req);
        hn::CalcOutcome out = hn::RunCalculateCommand(req);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(CalculateCommand);

} // namespace
