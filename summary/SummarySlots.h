// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The eight result slots of the summary window, two per repayment family, and the
// snapshot each keeps of the calculator window. Plain C++.
#include "calc/Repayment.h"
#include "calc/RepaymentMethod.h"
#include "res/SummaryDialogIds.h"
#include "summary/SummaryHost.h"

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

// A slot's snapshot of the calculator window: the slot it was filed in, the method it
// was computed with, the window's texts then (what a recall writes back) and the loan
// its results were computed from, which its schedule and the planning window use: the
// texts may no longer be that loan's (a field changed after calculating).
struct Snapshot {
    int slot = 0; // 1..8; 0: the snapshot holds nothing
    RepaymentMethod method = CorporationBasic;
    HostTexts texts;
    std::optional<LoanInput> loan;

    bool HoldsResult() const noexcept { return slot != 0; }
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

} // namespace hn
