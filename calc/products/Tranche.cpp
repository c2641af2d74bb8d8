// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/products/Tranche.h"

#include <utility>
#include <variant>

namespace hn {

namespace {

// The tranche's own figures, before its product: what the engine's domain and
// the schedule's exact range allow.
std::string TrancheProblem(const Tranche& t)
{
    if (t.amountYen <= 0 || t.amountYen > kMaxExactYen)
        return "the amount must be from 1 yen to " + std::to_string(kMaxExactYen) + " yen";
    if (t.bonusYen < 0 || t.bonusYen > t.amountYen / 2)
        return "the bonus part must be from 0 to half the amount";
    if (t.periodYears < kMinPeriodYears || t.periodYears > kMaxPeriodYears)
        return "the period must be from " + std::to_string(kMinPeriodYears) + " to "
               + std::to_string(kMaxPeriodYears) + " years";
    if (!IsValidYearMonth(t.firstMonth))
        return "the first month must be a month from " + std::to_string(kMinCalendarYear) + " to "
               + std::to_string(kMaxCalendarYear);
    return {};
}

TrancheSchedule Refused(TrancheStatus status, std::string problem)
{
    TrancheSchedule out;
    out.status = status;
    out.problem = std::move(problem);
    return out;
}

constexpr const char* kBeyondExactRange = "a figure of the schedule would exceed the exact range of whole yen";

} // namespace

LoanInput TrancheLoan(const Tranche& t)
{
    LoanInput in;
    in.method = BankOther;
    in.loanYen = static_cast<double>(t.amountYen);
    in.bonusYen = static_cast<double>(t.bonusYen);
    in.normalYen = static_cast<double>(t.amountYen - t.bonusYen);
    in.periodYears = t.periodYears;
    if (const auto* m = std::get_if<MethodProduct>(&t.product)) {
        in.method = m->method;
        in.rate1 = m->rate1.Fraction();
        in.rate2 = m->rate2.Fraction();
    } else if (const auto* f = std::get_if<WholeTermFixedProduct>(&t.product)) {
        in.rate1 = in.rate2 = f->rate.Fraction();
    }
    return in;
}

TrancheSchedule BuildTrancheSchedule(const Tranche& t)
{
    if (std::string problem = TrancheProblem(t); !problem.empty())
        return Refused(TrancheStatus::InvalidTranche, std::move(problem));
    if (std::string problem = ProductProblem(t.product, t.periodYears); !problem.empty())
        return Refused(TrancheStatus::InvalidProduct, std::move(problem));

    const LoanInput loan = TrancheLoan(t);
    TrancheSchedule out;
    const auto* method = std::get_if<MethodProduct>(&t.product);
    const auto* fixed = std::get_if<WholeTermFixedProduct>(&t.product);
    if (method != nullptr || fixed != nullptr) {
        const ExactLoanRates rates = method != nullptr ? ExactLoanRates{method->rate1, method->rate2}
                                                       : ExactLoanRates{fixed->rate, fixed->rate};
        out.schedule = BuildSchedule(loan, rates);
        if (out.schedule.status == ScheduleStatus::BeyondExactRange)
            return Refused(TrancheStatus::BeyondExactRange, kBeyondExactRange);
        if (!out.schedule.ok())
            return Refused(TrancheStatus::InvalidProduct, "the calculator does not compute this loan at these rates");
        out.checks = CheckSchedule(out.schedule);
        if (const RepaymentOutcome result = ComputeRepayment(loan); result.ok())
            CheckAgainstResult(out.schedule, result.result, out.checks);
    } else {
        ScenarioInput in;
        in.loan = loan;
        in.path = ProductPath(t.product, t.periodYears);
        if (const auto* v = std::get_if<VariableProduct>(&t.product)) {
            in.review = v->review;
            in.unpaid = v->unpaid;
        } else if (const auto* f = std::get_if<FixedPeriodProduct>(&t.product)) {
            in.review = f->review;
            in.unpaid = f->unpaid;
            in.reviewFromMonth = 12 * f->fixedYears + 1;
        } else {
            // A stepped rate is re-amortised at each step; nothing is left unpaid
            // for long, and what is, the next instalment pays first.
            in.review = ReviewRule::EveryChange;
            in.unpaid = UnpaidSettlement::PayFirst;
        }
        ScenarioSchedule scenario = BuildScenarioSchedule(in);
        if (scenario.status == ScenarioStatus::BeyondExactRange)
            return Refused(TrancheStatus::BeyondExactRange, kBeyondExactRange);
        if (!scenario.ok())
            return Refused(TrancheStatus::InvalidProduct, "the rate path cannot be scheduled for this tranche");
        out.schedule = std::move(scenario.schedule);
        out.checks = CheckSchedule(out.schedule);
    }
    if (!out.checks.allPassed()) {
        out.status = TrancheStatus::ChecksFailed;
        out.problem = "the schedule failed its own checks";
        return out;
    }
    out.status = TrancheStatus::Ok;
    return out;
}

} // namespace hn
