// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/taxcredit/TaxCredit.h"

#include "calc/taxcredit/TaxCreditTexts.h"

#include <algorithm>

namespace hn {
namespace {

bool NonNegative(const YearlyFigure& figure) noexcept
{
    if (figure.everyYear && *figure.everyYear < 0)
        return false;
    return std::all_of(figure.byYear.begin(), figure.byYear.end(), [](const YearAmount& a) { return a.yen >= 0; });
}

std::string_view CheckInput(const TaxCreditInput& in) noexcept
{
    if ((in.priceYen && *in.priceYen < 0) || in.subsidiesYen < 0)
        return kMsgCreditPriceInvalid;
    const bool balancesOk = std::all_of(in.yearEndBalances.begin(), in.yearEndBalances.end(),
                                        [](const YearAmount& a) { return a.yen >= 0; });
    if (!balancesOk || !NonNegative(in.totalIncome) || !NonNegative(in.taxableIncome) || !NonNegative(in.incomeTax))
        return kMsgCreditAmountInvalid;
    return {};
}

} // namespace

std::int64_t CreditOfBase(std::int64_t baseYen) noexcept
{
    return baseYen * kCreditRatePerMille / 1000 / kCreditUnitYen * kCreditUnitYen;
}

std::string_view CreditReasonText(CreditReason reason) noexcept
{
    switch (reason) {
    case CreditReason::IncomeOverCeiling:
        return kReasonCreditIncomeOverCeiling;
    case CreditReason::EndedByShortening:
        return kReasonCreditEndedByShortening;
    case CreditReason::NoBalance:
        return kReasonCreditNoBalance;
    case CreditReason::None:
        break;
    }
    return {};
}

TaxCreditResult ComputeTaxCredit(const TaxCreditInput& in)
{
    TaxCreditResult out;
    out.limit = LookupCreditLimit(in.home);
    if (!out.limit.ok) {
        out.message = out.limit.message;
        return out;
    }
    if (const std::string_view bad = CheckInput(in); !bad.empty()) {
        out.message = bad;
        return out;
    }
    const CreditLimitRow& row = *out.limit.row;
    std::optional<std::int64_t> priceCap;
    if (in.priceYen)
        priceCap = std::max<std::int64_t>(0, *in.priceYen - in.subsidiesYen);

    for (int n = 1; n <= row.years; ++n) {
        TaxCreditYear y;
        y.year = in.home.moveInYear + n - 1;
        y.number = n;
        y.balanceYen = AmountIn(in.yearEndBalances, y.year).value_or(0);
        y.limitYen = row.limitYen;
        y.priceCapYen = priceCap;
        y.baseYen = std::min(y.balanceYen, y.limitYen);
        if (priceCap)
            y.baseYen = std::min(y.baseYen, *priceCap);
        const auto income = in.totalIncome.For(y.year);
        if (in.endsFromYear && y.year >= *in.endsFromYear)
            y.reason = CreditReason::EndedByShortening;
        else if (income && *income > out.limit.incomeCeilingYen)
            y.reason = CreditReason::IncomeOverCeiling;
        else if (y.balanceYen == 0)
            y.reason = CreditReason::NoBalance;
        y.creditYen = y.reason == CreditReason::None ? CreditOfBase(y.baseYen) : 0;
        out.totals.creditYen += y.creditYen;
        if (const auto tax = in.incomeTax.For(y.year)) {
            const auto taxable = in.taxableIncome.For(y.year);
            if (!taxable) { // a list by year that leaves this year out
                out = TaxCreditResult{false, kMsgCreditTaxableIncomeMissing, out.limit, {}, {}};
                return out;
            }
            y.use = UseCredit(y.creditYen, *tax, *taxable);
            out.totals.incomeTaxYen += y.use->incomeTaxYen;
            out.totals.residentTaxYen += y.use->residentTaxYen;
            out.totals.unusedYen += y.use->unusedYen;
        }
        out.years.push_back(y);
    }
    out.ok = true;
    return out;
}

} // namespace hn
