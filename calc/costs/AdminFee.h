// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 事務手数料: a fixed amount (定額), or a percentage of the loan (定率, e.g. 2.2 %
// including tax) with the lender's minimum where it has one. The percentage is an
// exact decimal and the fee is floored to the yen. A fee added to the loan is
// computed on the loan before the fee is added (the lender's quoted basis).
#include "calc/costs/CostPercent.h"

#include <cstdint>
#include <string_view>

namespace hn {

struct AdminFeeTerms {
    enum class Kind { Fixed, Rate };
    Kind kind = Kind::Fixed;
    std::int64_t fixedYen = 0;   // Fixed
    CostPercent rate{};          // Rate
    std::int64_t minimumYen = 0; // Rate: the fee is at least this (0: no minimum)
};

struct AdminFeeOutcome {
    bool ok = false;
    std::string_view message;      // when !ok: one of CostTexts.h
    std::int64_t feeYen = 0;
    std::int64_t rateFeeYen = 0;   // Rate: floor(loan × rate), before the minimum
    bool minimumApplied = false;   // Rate: the minimum was more than the rate's fee

    friend bool operator==(const AdminFeeOutcome&, const AdminFeeOutcome&) = default;
};

// The fee on a loan of `loanYen` (>= 0). Refused: a negative amount, rate or minimum.
AdminFeeOutcome ComputeAdminFee(std::int64_t loanYen, const AdminFeeTerms& terms);

} // namespace hn
