// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 子育て世帯・若者夫婦世帯 (特例対象個人): under 40 with a spouse, 40 or over with a
// spouse under 40, or with a dependant under 19, each judged on 12/31 of the year of
// moving in. The user ticks it, or gives the ages on that day.
#include "calc/taxcredit/CreditLimitTable.h"

#include <optional>

namespace hn {

struct HouseholdAges {
    int age = 0;                                 // the borrower's, on 12/31 of the year of moving in
    std::optional<int> spouseAge;                // none: no spouse
    std::optional<int> youngestDependantAge;     // none: no dependant
};

bool IsChildRearingOrYoungCouple(const HouseholdAges& ages) noexcept;

// A tick wins over the ages; with neither the household is normal.
Household HouseholdOf(std::optional<bool> ticked, const std::optional<HouseholdAges>& ages) noexcept;

} // namespace hn
