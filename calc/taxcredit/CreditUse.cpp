// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/taxcredit/CreditUse.h"

#include "calc/MulDivFloor.h"
#include "calc/taxcredit/CreditLimitTable.h"

#include <algorithm>

namespace hn {

std::int64_t ResidentTaxCap(std::int64_t taxableIncomeYen) noexcept
{
    const std::int64_t fivePercent = MulDivFloor(taxableIncomeYen, kResidentCapPercent, 100).value_or(0);
    return std::min(fivePercent, kResidentCapYen);
}

CreditUse UseCredit(std::int64_t creditYen, std::int64_t incomeTaxYen, std::int64_t taxableIncomeYen) noexcept
{
    CreditUse use;
    use.incomeTaxYen = std::clamp(incomeTaxYen, std::int64_t{0}, creditYen);
    use.residentCapYen = ResidentTaxCap(taxableIncomeYen);
    use.residentTaxYen = std::min(creditYen - use.incomeTaxYen, use.residentCapYen);
    use.unusedYen = creditYen - use.incomeTaxYen - use.residentTaxYen;
    return use;
}

} // namespace hn
