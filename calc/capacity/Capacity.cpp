// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/capacity/Capacity.h"

#include "calc/CheckMessages.h"
#include "calc/ExactDecimal.h"
#include "calc/Repayment.h"
#include "calc/capacity/PlanningMessages.h"

#include <cmath>
#include <string>

namespace hn {

namespace {

constexpr double kMaxIncomeMan = 9999.0;     // as the calculate command's income check
constexpr double kMaxBonusSharePercent = 50.0; // the calculate command allows half the loan

// Above any loan the calculate command accepts: its total repaid would not fit
// the 32-bit result fields. The search for the fitting loans starts below it.
constexpr std::int64_t kSearchCeilingMan = 10'000'000;

CapacityOutcome Fail(std::string_view message)
{
    CapacityOutcome out;
    out.message = message;
    return out;
}

bool IsWholePeriod(double years) noexcept
{
    return std::isfinite(years) && std::trunc(years) == years && years >= kMinPeriodYears
        && years <= kMaxPeriodYears;
}

// The checks the calculate command runs on the loan of `loanMan` as the
// window would hold it: method, bonus share and real rates of the request.
struct CandidateLoan {
    const CapacityRequest& request;
    std::string periodText;
    double rate1Percent;
    double rate2Percent;

    double BonusMan(std::int64_t loanMan) const
    {
        return static_cast<double>(CapacityBonusMan(request.bonusSharePercent, loanMan));
    }

    CalcOutcome Run(std::int64_t loanMan) const
    {
        CalcRequest calc;
        calc.method = request.method;
        calc.loanMan = static_cast<double>(loanMan);
        calc.bonusMan = BonusMan(loanMan);
        calc.rate1Percent = rate1Percent;
        calc.rate2Percent = rate2Percent;
        calc.periodText = periodText;
        calc.incomeMan = request.incomeMan;
        return RunCalculateCommand(calc);
    }
};

// Check failures that depend on the size of the loan; every other one refuses
// every size alike.
bool DependsOnSize(std::string_view message) noexcept
{
    return message == kMsgLoanTooLarge || message == kMsgBonusTooLarge || message == kMsgLoanRateUnusable;
}

// Too large, and so too for every larger loan.
bool TooLarge(std::string_view message) noexcept
{
    return message == kMsgLoanTooLarge || message == kMsgBonusTooLarge;
}

} // namespace

std::int64_t ScreeningAnnualYen(std::int64_t loanMan, double screeningRate, double periodYears) noexcept
{
    const double monthly = WholeLoanMonthly(static_cast<double>(loanMan) * 10000.0, screeningRate, periodYears);
    return 12 * static_cast<std::int64_t>(monthly);
}

std::int64_t CapacityBonusMan(double bonusSharePercent, std::int64_t loanMan) noexcept
{
    if (!(bonusSharePercent >= 0.0 && bonusSharePercent <= kMaxBonusSharePercent) || loanMan <= 0)
        return 0;
    const auto share = ExactDecimal::FromDouble(bonusSharePercent);
    if (!share)
        return 0;
    // Loans up to the search ceiling: their bonus part fits easily.
    return static_cast<std::int64_t>(share->FloorOfProduct(static_cast<std::uint64_t>(loanMan), 100).value_or(0));
}

CapacityOutcome ComputeCapacity(const CapacityRequest& request)
{
    const double incomeMan = request.incomeMan;
    if (std::isnan(incomeMan) || incomeMan < 0.0)
        return Fail(kMsgIncomeInvalid);
    const auto incomeYen = ManToWholeYen(incomeMan);
    if (!incomeYen || *incomeYen == 0)
        return Fail(incomeMan == 0.0 ? kMsgIncomeMissing : kMsgIncomeInvalid);
    if (incomeMan > kMaxIncomeMan)
        return Fail(kMsgIncomeTooLarge);
    if (!request.limit)
        return Fail(kMsgLimitMissing);
    if (!IsWholePeriod(request.periodYears))
        return Fail(kMsgPeriodInvalid);

    // Each rate stands in for the other when only one is given.
    const double screeningPercent =
        request.screeningRatePercent != 0.0 ? request.screeningRatePercent : request.rate1Percent;
    if (const auto fault = ScreeningRateFault(screeningPercent))
        return Fail(*fault);
    const double screeningRate = screeningPercent * 0.01;

    const auto otherDebtsYen = ManToWholeYen(request.otherDebtsMan);
    if (!otherDebtsYen)
        return Fail(kMsgOtherDebtsInvalid);
    if (!(request.bonusSharePercent >= 0.0 && request.bonusSharePercent <= kMaxBonusSharePercent))
        return Fail(kMsgBonusShareInvalid);

    const double rate1Percent = request.rate1Percent != 0.0 ? request.rate1Percent : screeningPercent;
    const double rate2Percent = request.rate2Percent != 0.0 ? request.rate2Percent : rate1Percent;
    const CandidateLoan candidate{request, std::to_string(static_cast<int>(request.periodYears)), rate1Percent,
                                  rate2Percent};
    // A real rate or method the calculate command refuses refuses every size:
    // say so before anything else is computed.
    if (const CalcOutcome probe = candidate.Run(1); !probe.ok && !DependsOnSize(probe.failure.message))
        return Fail(probe.failure.message);

    CapacityResult r;
    r.incomeYen = *incomeYen;
    r.limitPercent = LimitPercentFor(*request.limit, r.incomeYen);
    r.otherDebtsYen = *otherDebtsYen;
    r.allowanceYen = AnnualAllowanceYen(r.incomeYen, r.limitPercent, r.otherDebtsYen);
    r.screeningRate = screeningRate;
    if (r.allowanceYen <= 0 && r.otherDebtsYen > 0)
        return Fail(kMsgOtherDebtsOverLimit);

    const auto fits = [&](std::int64_t loanMan) {
        return ScreeningAnnualYen(loanMan, screeningRate, request.periodYears) <= r.allowanceYen;
    };
    // The screened repayment never falls as the loan grows, so the loans that
    // fit are 0 up to some largest one: bisect for it with the exact test.
    std::int64_t lo = 0;
    std::int64_t hi = kSearchCeilingMan;
    if (fits(hi)) {
        lo = hi;
    } else {
        while (hi - lo > 1) {
            const std::int64_t mid = lo + (hi - lo) / 2;
            (fits(mid) ? lo : hi) = mid;
        }
    }
    if (lo == 0)
        return Fail(kMsgIncomeTooSmall);
    r.largestFittingMan = static_cast<std::int32_t>(lo);

    // The largest fitting loan that the calculate command also accepts. Loans
    // too large for it stay too large as they grow: bisect for the last one that
    // is not, then step down past any other refusal (small loans at extreme rates).
    std::int64_t loanMan = lo;
    CalcOutcome computed = candidate.Run(loanMan);
    if (!computed.ok) {
        r.cappedBy = computed.failure.message;
        if (TooLarge(computed.failure.message)) {
            std::int64_t good = 0;
            std::int64_t bad = loanMan;
            while (bad - good > 1) {
                const std::int64_t mid = good + (bad - good) / 2;
                const CalcOutcome c = candidate.Run(mid);
                (!c.ok && TooLarge(c.failure.message) ? bad : good) = mid;
            }
            loanMan = good;
            computed = loanMan > 0 ? candidate.Run(loanMan) : CalcOutcome{};
        }
        while (loanMan > 0 && !computed.ok) {
            --loanMan;
            if (loanMan > 0)
                computed = candidate.Run(loanMan);
        }
        if (loanMan == 0)
            return Fail(r.cappedBy);
    }

    r.capacityMan = static_cast<std::int32_t>(loanMan);
    r.screeningAnnualYen = ScreeningAnnualYen(loanMan, screeningRate, request.periodYears);
    r.screeningMonthlyYen = r.screeningAnnualYen / 12;
    const double income = static_cast<double>(r.incomeYen);
    r.screeningRatioPercent = static_cast<double>(r.screeningAnnualYen + r.otherDebtsYen) / income * 100;
    r.bonusMan = static_cast<std::int32_t>(candidate.BonusMan(loanMan));
    r.loan = computed.success;
    r.ratioPercent = static_cast<double>(r.loan.result.annualYen) / income * 100;

    CapacityOutcome out;
    out.ok = true;
    out.result = r;
    return out;
}

} // namespace hn
