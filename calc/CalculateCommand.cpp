// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/CalculateCommand.h"

#include "calc/AmountText.h"
#include "calc/CheckMessages.h"
#include "calc/CheckedInt.h"
#include "calc/DecimalText.h"

#include <cmath>

namespace hn {

namespace {

constexpr double kMaxIncomeYen = 99990000.0; // 9,999 万円
constexpr double kMaxBonusYen = 49990000.0;  // 4,999 万円

CalcOutcome Fail(std::string_view message, CalcField focus, bool selectAll)
{
    CalcOutcome out;
    out.failure.message = message;
    out.failure.focus = focus;
    out.failure.selectAll = selectAll;
    return out;
}

CalcOutcome FailReducedPeriod(std::string_view message)
{
    CalcOutcome out = Fail(message, CalcField::Loan, false);
    out.failure.periodTo25 = true;
    out.failure.showSecondRate = true;
    return out;
}

// A negative amount or NaN: a sign the field should not have let through, or
// a value no loan can have.
bool IsNegativeOrNaN(double v) noexcept
{
    return std::isnan(v) || v < 0.0;
}

// A whole number of years from 1 to 99 (the period box holds two characters).
bool IsValidPeriod(double years) noexcept
{
    return std::isfinite(years) && std::trunc(years) == years
        && years >= kMinPeriodYears && years <= kMaxPeriodYears;
}

} // namespace

double ReadPeriodYears(std::string_view periodText) noexcept
{
    return ReadDecimalPrefix(periodText);
}

ResultTexts MakeResultTexts(const LoanInput& input, const LoanResult& result)
{
    ResultTexts t;
    for (int b = 0; b < 3; ++b) {
        if (ShowsMonthly(result, b))
            t.monthly[b] = FormatAmount(result.monthly[b]);
        if (ShowsBonus(input, result, b))
            t.bonus[b] = FormatAmount(result.bonus[b]);
    }
    t.annual = FormatAmount(result.annualYen);
    t.requiredIncome = FormatAmount(result.requiredIncomeMan);
    t.total = FormatAmount(result.totalYen);
    return t;
}

LoanInput RequestedLoan(const CalcRequest& request) noexcept
{
    const double periodYears = ReadPeriodYears(request.periodText);
    LoanInput input = MakeLoanInput({
        // With no option on the computation runs as for 公庫基本型.
        .method = IsValidMethod(request.method) ? request.method : CorporationBasic,
        .loanMan = request.loanMan,
        .bonusMan = request.bonusMan,
        .rate1Percent = request.rate1Percent,
        .rate2Percent = request.rate2Percent,
        .periodYears = periodYears,
        .incomeMan = request.incomeMan,
    });
    // The second rate plays no part up to ten years (its field is hidden then).
    if (periodYears <= 10)
        input.rate2 = input.rate1;
    return input;
}

CalcOutcome RunCalculateCommand(const CalcRequest& request)
{
    const RepaymentMethod method = request.method;
    const LoanInput input = RequestedLoan(request);
    const double periodYears = input.periodYears;
    const double loanYen = input.loanYen;
    const double bonusYen = input.bonusYen;
    const double incomeYen = input.incomeYen;
    const double rate1 = input.rate1;
    const double rate2 = input.rate2;

    if (request.periodText.empty() || periodYears == 0.0)
        return Fail(kMsgPeriodInvalid, CalcField::Period, false);

    if (loanYen == 0.0 || rate1 == 0.0 || (rate2 == 0.0 && method != BankOther))
        return Fail(kMsgInputMissing, CalcField::Loan, false);
    if (incomeYen > kMaxIncomeYen)
        return Fail(kMsgIncomeTooLarge, CalcField::Income, true);
    if (bonusYen / loanYen > 0.5 || bonusYen > kMaxBonusYen)
        return Fail(kMsgBonusTooLarge, CalcField::BonusPart, true);
    if (method == CorporationYutori && periodYears < kMinReducedPeriodYears)
        return FailReducedPeriod(kMsgYutoriPeriod);
    if (method == PensionStep && periodYears < kMinReducedPeriodYears)
        return FailReducedPeriod(kMsgStepPeriod);
    if (rate1 > kMaxRate)
        return Fail(kMsgRate1TooLarge, CalcField::Rate1, true);
    if (rate2 > kMaxRate)
        return Fail(kMsgRate2TooLarge, CalcField::Rate2, true);

    // Inputs no loan can have, which the checks above let through. They come last so
    // that everyday mistakes keep their own messages.
    if (!IsValidPeriod(periodYears))
        return Fail(kMsgPeriodInvalid, CalcField::Period, false);
    if (IsNegativeOrNaN(loanYen))
        return Fail(kMsgLoanInvalid, CalcField::Loan, true);
    if (IsNegativeOrNaN(bonusYen))
        return Fail(kMsgBonusInvalid, CalcField::BonusPart, true);
    if (IsNegativeOrNaN(incomeYen))
        return Fail(kMsgIncomeInvalid, CalcField::Income, true);
    if (!(rate1 >= kMinRate))
        return Fail(kMsgRate1Invalid, CalcField::Rate1, true);
    if (method != BankOther && !(rate2 >= kMinRate))
        return Fail(kMsgRate2Invalid, CalcField::Rate2, true);
    if (std::isinf(loanYen))
        return Fail(kMsgLoanTooLarge, CalcField::Loan, true);

    const RepaymentOutcome computed = ComputeRepayment(input);
    if (computed.status == RepaymentStatus::InvalidInput)
        return Fail(kMsgLoanInvalid, CalcField::Loan, true); // not reachable past the checks
    if (computed.status == RepaymentStatus::NegativeFigure)
        return Fail(kMsgLoanRateUnusable, CalcField::Loan, true);
    const auto loanMan = TruncateToInt32(request.loanMan);
    const auto incomeYenInt = TruncateToInt32(incomeYen);
    if (!computed.ok() || !loanMan || !incomeYenInt)
        return Fail(kMsgLoanTooLarge, CalcField::Loan, true);

    CalcOutcome out;
    out.ok = true;
    out.success.input = input;
    out.success.result = computed.result;
    out.success.texts = MakeResultTexts(input, computed.result);
    out.success.incomeYen = *incomeYenInt;
    out.success.loanMan = *loanMan;
    return out;
}

} // namespace hn
