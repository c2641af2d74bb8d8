// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The summary window's filled slots as loans the engine computes, for the
// lenders' reading: each slot's loan as it was computed when the slot was filled.
#include "planning/PlanningFigures.h"
#include "summary/SlotTable.h"

namespace hn {

// Every occupied slot that keeps a loan, in slot order.
std::vector<SlotLoan> SlotLoans(const SlotTable& slots);

} // namespace hn
