// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A summary slot's loan, computed again from the texts stored with the slot (the
// fields as they stood when it was filled), so that its schedule is that of the same
// calculation. Plain C++.
#include "calc/Repayment.h"
#include "summary/SummaryHost.h"

#include <optional>

namespace hn {

// The entry fields show their own decimal and thousands characters (the locale's);
// rate fields and the period always ".".
struct FieldSeparators {
    char decimal = '.';
    char thousand = ',';
};

// The input the calculate command computes from the method and these texts (loan,
// bonus part, rates, period), through its own checks; none when they do not pass (a
// method outside 1..6, or texts that were never calculated).
std::optional<LoanInput> StoredLoanInput(RepaymentMethod method, const HostTexts& texts, FieldSeparators separators);

} // namespace hn
