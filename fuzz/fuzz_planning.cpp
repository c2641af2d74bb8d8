// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary requests to the borrowing-capacity search and arbitrary
// prepayments to the schedules of accepted loans, and checks what must hold
// whatever the input: no undefined behaviour (the sanitizers), a refusal always
// with a message, a capacity that fits and is accepted while one 万円 more is
// not both, and prepaid schedules whose self-checks all hold.
#include "calc/CalculateCommand.h"
#include "calc/capacity/Capacity.h"
#include "calc/schedule/Prepayment.h"
#include "calc/schedule/Schedule.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_planning: %s\n", what);
        std::abort();
    }
}

// A field as a user types it, or any double at all.
double Field(FuzzedDataProvider& p, int lo, int hi)
{
    switch (p.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return static_cast<double>(p.ConsumeIntegralInRange<int>(lo, hi));
    case 1:
        return std::round(p.ConsumeFloatingPointInRange<double>(lo, hi) * 1000.0) / 1000.0;
    case 2:
        return p.ConsumeFloatingPointInRange<double>(lo, hi);
    default:
        return p.ConsumeFloatingPoint<double>();
    }
}

// The calculate command on a candidate, filled as the capacity search fills it.
hn::CalcOutcome Check(const hn::CapacityRequest& q, std::int64_t loanMan)
{
    hn::CalcRequest c;
    c.method = q.method;
    c.loanMan = static_cast<double>(loanMan);
    c.bonusMan = static_cast<double>(hn::CapacityBonusMan(q.bonusSharePercent, loanMan));
    c.rate1Percent = q.rate1Percent != 0.0 ? q.rate1Percent : q.screeningRatePercent;
    c.rate2Percent = q.rate2Percent != 0.0 ? q.rate2Percent : c.rate1Percent;
    const std::string period = std::to_string(static_cast<int>(q.periodYears));
    c.periodText = period;
    c.incomeMan = q.incomeMan;
    return hn::RunCalculateCommand(c);
}

void FuzzCapacity(FuzzedDataProvider& p)
{
    const auto rules = hn::BurdenLimitRules();
    hn::CapacityRequest q;
    q.incomeMan = Field(p, -10, 12000);
    q.limit = p.ConsumeBool() ? &rules[p.ConsumeIntegralInRange<std::size_t>(0, rules.size() - 1)] : nullptr;
    q.screeningRatePercent = Field(p, 0, 100);
    q.otherDebtsMan = Field(p, 0, 5000);
    q.periodYears = Field(p, 0, 100);
    q.method = p.ConsumeIntegralInRange<int>(0, 7);
    q.rate1Percent = Field(p, 0, 100);
    q.rate2Percent = Field(p, 0, 100);
    q.bonusSharePercent = Field(p, 0, 60);
    const hn::CapacityOutcome out = hn::ComputeCapacity(q);
    if (!out.ok) {
        Require(!out.message.empty(), "capacity refused without a message");
        return;
    }
    const hn::CapacityResult& r = out.result;
    Require(r.capacityMan >= 1 && r.capacityMan <= r.largestFittingMan, "capacity outside its bounds");
    Require(hn::ScreeningAnnualYen(r.capacityMan, r.screeningRate, q.periodYears) <= r.allowanceYen,
            "capacity does not fit");
    const hn::CalcOutcome accepted = Check(q, r.capacityMan);
    Require(accepted.ok && accepted.success.result == r.loan.result, "capacity not accepted as computed");
    const bool nextFits = hn::ScreeningAnnualYen(r.capacityMan + 1, r.screeningRate, q.periodYears) <= r.allowanceYen;
    Require(!(nextFits && Check(q, r.capacityMan + 1).ok), "one 万円 more fits and is accepted");
}

void FuzzPrepayment(FuzzedDataProvider& p)
{
    hn::CalcRequest c;
    c.method = p.ConsumeIntegralInRange<int>(1, 6);
    c.loanMan = static_cast<double>(p.ConsumeIntegralInRange<int>(1, 100000));
    c.bonusMan = std::floor(c.loanMan * p.ConsumeProbability<double>() * 0.5);
    c.rate1Percent = Field(p, 0, 99);
    c.rate2Percent = Field(p, 0, 99);
    const std::string period = std::to_string(p.ConsumeIntegralInRange<int>(1, 99));
    c.periodText = period;
    const hn::CalcOutcome calc = hn::RunCalculateCommand(c);
    if (!calc.ok)
        return;
    const hn::Schedule s = hn::BuildSchedule(calc.success.input);
    Require(s.ok(), "accepted loan without a schedule");

    std::vector<hn::Prepayment> list(p.ConsumeIntegralInRange<std::size_t>(0, 4));
    const int months = static_cast<int>(s.monthly.rows.size());
    for (hn::Prepayment& pp : list) {
        pp.instalment = p.ConsumeIntegralInRange<int>(-1, months + 1);
        pp.amountYen = p.ConsumeBool() ? p.ConsumeIntegralInRange<std::int64_t>(-1, 2'000'000'000)
                                       : p.ConsumeIntegralInRange<std::int64_t>(0, 2'000'000);
        pp.bonusAmountYen = p.ConsumeBool() ? 0 : p.ConsumeIntegralInRange<std::int64_t>(-1, 1'000'000'000);
        pp.mode = static_cast<hn::PrepayMode>(p.ConsumeIntegralInRange<int>(0, 2));
    }
    const hn::PrepaymentOutcome out = hn::ApplyPrepayments(s, list);
    if (!out.ok) {
        Require(!out.message.empty(), "prepayment refused without a message");
        return;
    }
    Require(out.checks.allPassed(), "a self-check of a prepaid schedule failed");
    Require(out.monthsAfter() <= out.monthsBefore() && out.bonusAfter() <= out.bonusBefore(),
            "a prepayment lengthened the loan");
    Require(out.totalsAfter.payment == out.totalsBefore.payment - out.interestSaved, "totals disagree");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider p(data, size);
    if (p.ConsumeBool())
        FuzzCapacity(p);
    else
        FuzzPrepayment(p);
    return 0;
}
