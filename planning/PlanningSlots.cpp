// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PlanningSlots.h"

#include "calc/CheckedInt.h"
#include "report/Units.h"

namespace hn {

std::vector<SlotLoan> SlotLoans(const SlotTable& slots)
{
    std::vector<SlotLoan> loans;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (!slots.IsOccupied(slot))
            continue;
        const std::optional<LoanInput>& input = slots.SnapshotOf(slot).loan;
        if (!input)
            continue;
        // "公庫1　公庫基本型 2,000万円": the slot as the summary window names it.
        const std::string caption = std::string(kSlotCaptions[static_cast<std::size_t>(slot - 1)]) + "　" +
                                    std::string(MethodCaption(input->method)) + " " +
                                    Text(Quantity::Man(TruncateToInt32(input->loanYen / 10000).value_or(0)));
        loans.push_back({slot, caption, *input});
    }
    return loans;
}

} // namespace hn
