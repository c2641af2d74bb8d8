// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PlanningSlots.h"

namespace hn {

std::vector<SlotLoan> SlotLoans(const SlotTable& slots, FieldSeparators separators)
{
    std::vector<SlotLoan> loans;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (!slots.IsOccupied(slot))
            continue;
        const Snapshot& snapshot = slots.SnapshotOf(slot);
        const std::optional<LoanInput> input = StoredLoanInput(snapshot.method, snapshot.texts, separators);
        if (!input)
            continue;
        const std::string caption = std::to_string(slot) + ": " + std::string(MethodCaption(input->method)) + " " +
                                    ManText(static_cast<std::int64_t>(input->loanYen / 10000));
        loans.push_back({caption, *input});
    }
    return loans;
}

} // namespace hn
