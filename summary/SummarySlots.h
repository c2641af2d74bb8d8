// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eight result slots of the summary window, two per repayment family, and the
// sixteen texts of a slot's snapshot of the main window. Plain C++.
#include "calc/RepaymentMethod.h"
#include "res/SummaryDialogIds.h"

#include <array>
#include <optional>
#include <string>

namespace hn {

// Slots are numbered 1 to 8 as the window shows them (公庫1 … 銀行2).
constexpr bool IsValidSlot(int slot) noexcept
{
    return slot >= 1 && slot <= kSlotCount;
}

// The first slot of the method's family (1 for 公庫, 3 for 年金, 5 for 元金, 7 for 銀行);
// the second slot is the next one. Empty for a value outside 1..6.
constexpr std::optional<int> FamilyFirstSlot(RepaymentMethod method) noexcept
{
    switch (method) {
    case CorporationBasic:
    case CorporationYutori:
        return 1;
    case PensionBasic:
    case PensionStep:
        return 3;
    case EqualPrincipal:
        return 5;
    case BankOther:
        return 7;
    default:
        return std::nullopt;
    }
}

// What a snapshot row holds, element by element.
enum SnapshotElement : int {
    kSnapSlot = 0,      // the slot number as text; empty: the row holds nothing
    kSnapMethod = 1,    // m_nMethod as decimal text
    kSnapLoan = 2,      // m_strLoan
    kSnapBonusPart = 3, // m_strBonusPart
    kSnapRate1 = 4,     // m_strRate1
    kSnapRate2 = 5,     // m_strRate2
    kSnapPeriod = 6,    // the period box's edit text
    kSnapMonthly1 = 7,  // m_strMonthly1..3 at 7, 8, 9
    kSnapBonus1 = 10,   // m_strBonus1..3 at 10, 11, 12
    kSnapAnnual = 13,   // m_strAnnual
    kSnapRequiredIncome = 14, // m_strRequiredIncome
    kSnapTotal = 15,    // m_strTotal
    kSnapshotSize = 16,
};

using SnapshotRow = std::array<std::string, kSnapshotSize>;

} // namespace hn
