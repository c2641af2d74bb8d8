// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PlanningSlots.h"

#include "calc/DecimalText.h"

namespace hn {

std::optional<double> ReadFieldText(const std::string& text, char decimal, char thousand)
{
    std::string plain;
    for (const char c : text) {
        if (c == thousand)
            continue;
        plain.push_back(c == decimal ? '.' : c);
    }
    if (plain.empty())
        return 0.0; // an empty field reads as 0, as the calculator reads it
    return ParseDecimal(plain);
}

std::vector<SlotLoan> SlotLoans(const SlotTable& slots, char decimal, char thousand)
{
    std::vector<SlotLoan> loans;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (!slots.IsOccupied(slot))
            continue;
        const SnapshotRow& row = slots.Snapshot(slot);
        const auto loan = ReadFieldText(row[kSnapLoan], decimal, thousand);
        const auto bonus = ReadFieldText(row[kSnapBonusPart], decimal, thousand);
        const auto rate1 = ReadFieldText(row[kSnapRate1], decimal, thousand);
        const auto rate2 = ReadFieldText(row[kSnapRate2], decimal, thousand);
        const auto period = ParseDecimal(row[kSnapPeriod]);
        const auto method = ParseDecimal(row[kSnapMethod]);
        if (!loan || !bonus || !rate1 || !rate2 || !period || !method)
            continue;
        PlanningLoan fields{static_cast<RepaymentMethod>(*method), *loan, *bonus, *rate1, *rate2, *period, 0.0};
        const PlannedLoan planned = PlanLoan(fields);
        if (!planned.ok)
            continue;
        const std::string caption = std::to_string(slot) + ": " + std::string(MethodCaption(fields.method)) + " " +
                                    ManText(static_cast<std::int64_t>(*loan));
        loans.push_back({caption, planned.input});
    }
    return loans;
}

} // namespace hn
