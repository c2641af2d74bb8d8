// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/costs/RegistrationTax.h"

#include "calc/costs/CostTables.h"

#include <algorithm>

namespace hn {

CostPercent RegistrationRateOf(RegistrationRate rate)
{
    return rate == RegistrationRate::HomeRelief ? kRegistrationHomeReliefRate : kRegistrationStandardRate;
}

std::int64_t RegistrationBaseYen(std::int64_t loanYen) noexcept
{
    return std::max(kRegistrationBaseUnitYen, loanYen / kRegistrationBaseUnitYen * kRegistrationBaseUnitYen);
}

std::int64_t RegistrationTaxYen(std::int64_t loanYen, RegistrationRate rate)
{
    if (loanYen <= 0)
        return 0;
    // The base is at most the loan, and 0.4 % of any int64 fits.
    const std::int64_t tax = PercentOfYen(RegistrationBaseYen(loanYen), RegistrationRateOf(rate)).value_or(0);
    return std::max(kRegistrationMinimumTaxYen, tax / kRegistrationTaxUnitYen * kRegistrationTaxUnitYen);
}

} // namespace hn
