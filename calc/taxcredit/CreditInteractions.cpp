// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/taxcredit/CreditInteractions.h"

#include "calc/MulDivFloor.h"
#include "calc/taxcredit/CreditLimitTable.h"

namespace hn {

std::optional<int> CreditEndAfterShortening(YearMonth firstInstalment, YearMonth newLastInstalment,
                                            int prepaymentYear) noexcept
{
    const int months = (newLastInstalment.year - firstInstalment.year) * 12 +
                       (newLastInstalment.month - firstInstalment.month);
    if (months >= kShortestRepaymentMonths)
        return std::nullopt;
    return prepaymentYear;
}

std::int64_t EligibleAfterRefinance(std::int64_t newBalance, std::int64_t repaidBalance,
                                    std::int64_t newLoan) noexcept
{
    if (newLoan <= repaidBalance)
        return newBalance;
    // A / B < 1, so the result is below newBalance and always fits.
    return MulDivFloor(newBalance, repaidBalance, newLoan).value_or(0);
}

YearAmounts RefinancedBalances(const YearAmounts& oldLoan, const YearAmounts& newLoan, int refinanceYear,
                               std::int64_t repaidBalance, std::int64_t newLoanYen)
{
    YearAmounts out;
    for (const YearAmount& b : oldLoan)
        if (b.year < refinanceYear)
            out.push_back(b);
    for (const YearAmount& b : newLoan)
        if (b.year >= refinanceYear)
            out.push_back({b.year, EligibleAfterRefinance(b.yen, repaidBalance, newLoanYen)});
    return out;
}

} // namespace hn
