// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The summary window's filled slots as loans the engine computes, for the
// lenders' reading. A slot keeps its loan as the calculator's field texts,
// which follow the user's separators; they are read back with those.
#include "planning/PlanningFigures.h"
#include "summary/SlotTable.h"

namespace hn {

// A field text ("2,000" or "2.000,5") as a number; empty when it is not one.
std::optional<double> ReadFieldText(const std::string& text, char decimal, char thousand);

// Every occupied slot whose snapshot the calculate command accepts, in slot order.
std::vector<SlotLoan> SlotLoans(const SlotTable& slots, char decimal, char thousand);

} // namespace hn
