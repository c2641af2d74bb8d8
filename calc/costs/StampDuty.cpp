// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/costs/StampDuty.h"

#include "calc/costs/CostTables.h"

namespace hn {

std::int64_t StampDutyYen(std::int64_t loanYen, ContractForm form) noexcept
{
    if (form == ContractForm::Electronic || loanYen < 0)
        return 0;
    for (const StampDutyRow& row : kStampDutyRows)
        if (loanYen <= row.upToYen)
            return row.taxYen;
    return kStampDutyRows.back().taxYen; // not reached: the last bound is the largest amount
}

} // namespace hn
