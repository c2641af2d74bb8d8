// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The summary window's filled slots as loans the engine computes, for the
// lenders' reading. A slot keeps its loan as the calculator's field texts,
// which follow the user's separators; they are read back with those, through the
// calculate command's own checks.
#include "planning/PlanningFigures.h"
#include "summary/SlotTable.h"
#include "summary/StoredLoan.h"

namespace hn {

// Every occupied slot whose snapshot the calculate command accepts, in slot order.
std::vector<SlotLoan> SlotLoans(const SlotTable& slots, FieldSeparators separators);

} // namespace hn
