// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/costs/GuaranteeFee.h"

#include "calc/MulDivFloor.h"
#include "calc/costs/CostTables.h"
#include "calc/costs/CostTexts.h"

namespace hn {

GuaranteeFeeOutcome TableGuaranteeFee(std::int64_t loanYen, int periodYears, RepaymentFamily family) noexcept
{
    GuaranteeFeeOutcome out;
    if (loanYen <= 0) {
        out.message = kMsgLoanAmountInvalid;
        return out;
    }
    if (periodYears < 1) {
        out.message = kMsgGuaranteePeriodInvalid;
        return out;
    }
    if (family == RepaymentFamily::EqualPrincipal) {
        out.message = kMsgGuaranteeNotLevel;
        return out;
    }
    for (const GuaranteeTableRow& row : kGuaranteeTable) {
        if (periodYears > row.years)
            continue;
        const auto fee = MulDivFloor(loanYen, row.yenPerTenMillion, kGuaranteeTableBaseYen);
        if (!fee) { // beyond int64: no loan comes near
            out.message = kMsgLoanAmountInvalid;
            return out;
        }
        out.ok = true;
        out.tableYears = row.years;
        out.yenPerTenMillion = row.yenPerTenMillion;
        out.feeYen = *fee;
        return out;
    }
    out.message = kMsgGuaranteeBeyondTable;
    return out;
}

} // namespace hn
