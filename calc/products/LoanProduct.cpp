// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/products/LoanProduct.h"

#include "calc/Repayment.h"

#include <algorithm>

namespace hn {

namespace {

bool RateInRange(const ExactRate& rate) noexcept
{
    return rate.Fraction() >= kMinRate && rate.Fraction() <= kMaxRate;
}

std::string RateProblem(std::string_view which)
{
    return std::string(which) + " must be from " + std::string(kMinRatePercentText) + " to "
           + std::string(kMaxRatePercentText) + " %";
}

std::string PathProblem(const RatePath& path)
{
    const RatePathCheck check = CheckRatePath(path);
    return check.ok() ? std::string{} : DescribeRatePathProblem(check);
}

bool OfferedFixedPeriod(int years) noexcept
{
    return std::find(kFixedPeriodYears.begin(), kFixedPeriodYears.end(), years) != kFixedPeriodYears.end();
}

struct ProblemOf {
    int periodYears;

    std::string operator()(const MethodProduct& p) const
    {
        if (!IsValidMethod(p.method))
            return "the method must be one of the six calculator methods (1 to 6)";
        if (!RateInRange(p.rate1))
            return RateProblem("the first rate");
        if (p.method != BankOther && periodYears > 10 && !RateInRange(p.rate2))
            return RateProblem("the second rate");
        if (FamilyOf(p.method) == RepaymentFamily::ReducedEarly && periodYears < kMinReducedPeriodYears)
            return "a method with reduced early instalments needs a term of at least "
                   + std::to_string(kMinReducedPeriodYears) + " years";
        return {};
    }
    std::string operator()(const WholeTermFixedProduct& p) const
    {
        return RateInRange(p.rate) ? std::string{} : RateProblem("the rate");
    }
    std::string operator()(const VariableProduct& p) const { return PathProblem(p.path); }
    std::string operator()(const FixedPeriodProduct& p) const
    {
        if (!OfferedFixedPeriod(p.fixedYears))
            return "the fixed period must be 2, 3, 5, 7, 10, 15 or 20 years";
        if (p.fixedYears >= periodYears)
            return "the fixed period must end before the term does";
        if (!RateInRange(p.fixedRate))
            return RateProblem("the fixed rate");
        return PathProblem(p.after);
    }
    std::string operator()(const SteppedProduct& p) const { return PathProblem(p.steps); }
};

} // namespace

std::string ProductProblem(const LoanProduct& product, int periodYears)
{
    return std::visit(ProblemOf{periodYears}, product);
}

RatePath ProductPath(const LoanProduct& product, int periodYears)
{
    if (const auto* variable = std::get_if<VariableProduct>(&product))
        return variable->path;
    if (const auto* stepped = std::get_if<SteppedProduct>(&product))
        return stepped->steps;
    const auto* fixed = std::get_if<FixedPeriodProduct>(&product);
    if (fixed == nullptr)
        return {};
    RatePath path;
    path.steps.push_back(RateStep{1, fixed->fixedRate.Fraction(), fixed->fixedRate});
    const int switchMonth = 12 * fixed->fixedYears + 1;
    for (const RateStep& step : fixed->after.steps) {
        RateStep moved = step;
        moved.month = switchMonth + step.month - 1;
        if (moved.month > 12 * periodYears)
            break;
        path.steps.push_back(moved);
    }
    return path;
}

} // namespace hn
