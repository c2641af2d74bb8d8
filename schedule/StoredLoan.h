// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A summary slot's loan, computed again from the texts stored with the slot (the
// fields as they stood when it was filled), so that its schedule is that of the same
// calculation. Plain C++.
#include "calc/Repayment.h"

#include <optional>
#include <string_view>

namespace hn {

struct StoredLoanTexts {
    std::string_view method;    // "1" to "6"
    std::string_view loan;      // the loan field's text, in its own separators
    std::string_view bonusPart; // the bonus part field's text, likewise
    std::string_view rate1;     // the rate fields' texts ("." numbers)
    std::string_view rate2;
    std::string_view period;    // the period box's text
};

// The entry fields show their own decimal and thousands characters (the locale's);
// rate fields and the period always ".".
struct FieldSeparators {
    char decimal = '.';
    char thousand = ',';
};

// The input the calculate command computes from these texts, through its own checks;
// none when they do not pass (a slot filled from texts that were never calculated).
std::optional<LoanInput> StoredLoanInput(const StoredLoanTexts& texts, FieldSeparators separators);

} // namespace hn
