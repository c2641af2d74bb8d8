// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What two borrowers can borrow together, by the capacity definition: as a pair
// loan each on their own income (two capacities, added), or with the incomes
// combined into one loan (one capacity). The second is at most a few 万円 more,
// since each capacity is rounded down to whole 万円 on its own.
#include "calc/capacity/Capacity.h"

#include <array>
#include <cstdint>

namespace hn {

struct PairCapacityOutcome {
    std::array<CapacityOutcome, 2> own; // ペアローン: each on their own income and debts
    CapacityOutcome combined;           // 収入合算: the incomes and debts added
    std::int32_t pairTotalMan = 0;      // the two own capacities, when both are ok
};

// `base` gives the rule, rates, period and method; its income and other debts
// are replaced by each borrower's, then by their sums.
PairCapacityOutcome ComputePairCapacity(const CapacityRequest& base, const std::array<double, 2>& incomeMan,
                                        const std::array<double, 2>& otherDebtsMan = {0.0, 0.0});

} // namespace hn
