// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/capacity/LenderReading.h"

#include "calc/CheckMessages.h"
#include "calc/capacity/PlanningMessages.h"

#include <algorithm>
#include <cmath>

namespace hn {

namespace {

constexpr double kMaxIncomeMan = 9999.0;

LenderReadingOutcome Fail(std::string_view message)
{
    LenderReadingOutcome out;
    out.message = message;
    return out;
}

// One loan at a yearly rate, as the capacity search screens a candidate.
std::int64_t LevelAnnualYen(const LoanInput& in, double yearlyRate) noexcept
{
    return 12 * static_cast<std::int64_t>(WholeLoanMonthly(in.loanYen, yearlyRate, in.periodYears));
}

BurdenReading Read(std::int64_t loansAnnualYen, const LenderReading& r, const BurdenLimitRule& rule)
{
    BurdenReading b;
    b.loansAnnualYen = loansAnnualYen;
    b.annualYen = loansAnnualYen + r.otherDebtsYen;
    if (r.incomeYen > 0) {
        b.ratioPercent = static_cast<double>(b.annualYen) / static_cast<double>(r.incomeYen) * 100;
        b.within = loansAnnualYen <= r.allowanceYen;
    }
    b.incomeNeededMan = IncomeNeededMan(rule, loansAnnualYen, r.otherDebtsYen);
    return b;
}

} // namespace

LenderReadingOutcome ReadAsLender(const ReadingRequest& request)
{
    if (request.loans.empty())
        return Fail(kMsgNoLoans);
    const auto incomeYen = ManToWholeYen(request.incomeMan);
    if (!incomeYen)
        return Fail(kMsgIncomeInvalid);
    if (request.incomeMan > kMaxIncomeMan)
        return Fail(kMsgIncomeTooLarge);
    if (!request.limit)
        return Fail(kMsgLimitMissing);

    const bool anyScreened = std::any_of(request.loans.begin(), request.loans.end(),
                                         [](const ReadingLoan& l) { return l.screened; });
    const double screeningRate = request.screeningRatePercent * 0.01;
    if (anyScreened)
        if (const auto fault = ScreeningRateFault(request.screeningRatePercent))
            return Fail(*fault);
    const auto otherDebtsYen = ManToWholeYen(request.otherDebtsMan);
    if (!otherDebtsYen)
        return Fail(kMsgOtherDebtsInvalid);
    for (const ReadingLoan& loan : request.loans)
        if (!IsComputable(loan.input))
            return Fail(kMsgLoanInvalid);

    LenderReadingOutcome out;
    LenderReading& r = out.reading;
    r.incomeYen = *incomeYen;
    r.limitPercent = LimitPercentFor(*request.limit, r.incomeYen);
    r.otherDebtsYen = *otherDebtsYen;
    r.allowanceYen = AnnualAllowanceYen(r.incomeYen, r.limitPercent, r.otherDebtsYen);

    std::int64_t real = 0;
    std::int64_t screened = 0;
    for (const ReadingLoan& loan : request.loans) {
        LoanReadingFigures f;
        f.realAnnualYen = LevelAnnualYen(loan.input, loan.input.rate1);
        f.screeningAnnualYen = loan.screened ? LevelAnnualYen(loan.input, screeningRate) : f.realAnnualYen;
        real += f.realAnnualYen;
        screened += f.screeningAnnualYen;
        r.perLoan.push_back(f);
    }
    r.atRealRates = Read(real, r, *request.limit);
    r.atScreeningRate = Read(screened, r, *request.limit);
    out.ok = true;
    return out;
}

} // namespace hn
