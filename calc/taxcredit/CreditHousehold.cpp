// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/taxcredit/CreditHousehold.h"

namespace hn {
namespace {

constexpr int kYoungAge = 40;     // under 40
constexpr int kDependantAge = 19; // under 19

} // namespace

bool IsChildRearingOrYoungCouple(const HouseholdAges& ages) noexcept
{
    if (ages.youngestDependantAge && *ages.youngestDependantAge < kDependantAge)
        return true;
    if (!ages.spouseAge)
        return false;
    return ages.age < kYoungAge || *ages.spouseAge < kYoungAge;
}

Household HouseholdOf(std::optional<bool> ticked, const std::optional<HouseholdAges>& ages) noexcept
{
    const bool childRearing = ticked ? *ticked : ages && IsChildRearingOrYoungCouple(*ages);
    return childRearing ? Household::ChildRearing : Household::Normal;
}

} // namespace hn
