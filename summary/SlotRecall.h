// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What selecting a slot's option button does to the main window: which captions it
// shows, whether the second-rate row shows, and whether the slot's snapshot is written
// back. Plain C++; CSummaryDlg carries the plan out through CSummaryHost.
#include "calc/RepaymentMethod.h"
#include "summary/SummaryHost.h"
#include "summary/SummarySlots.h"

#include <optional>

namespace hn {

enum class SecondRateRow { Show, Hide };

struct SlotSelectionPlan {
    const CaptionSet* captions = &kStandardCaptions;
    SecondRateRow secondRate = SecondRateRow::Show;
    bool recall = false; // then RecallSlot (which itself does nothing for an empty row)
};

// 公庫 and 年金 slots (1 to 4) take the standard captions, 元金 slots (5, 6) the equal
// principal ones; both show or hide the second-rate row by the stored period (more
// than 10 whole years shows it) and recall only when a period is stored; an empty
// period shows the row and recalls nothing. 銀行 slots (7, 8) take the bank captions,
// always hide the row and always recall. `slot` must be 1..8.
SlotSelectionPlan PlanSlotSelection(int slot, const Snapshot& snapshot);

// Whether a period text (read as a decimal number, truncated to whole years) is long
// enough for the second rate.
bool PeriodUsesSecondRate(const std::string& periodText);

} // namespace hn
