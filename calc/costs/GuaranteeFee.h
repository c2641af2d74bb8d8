// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 保証料 paid ahead in one sum, from the published table (CostTables.h): the row of
// the loan's period, or of the next longer period when it falls between rows, pro
// rata per yen of the loan, floored to the yen. The table is for level payments;
// for an equal-principal loan (and a period beyond the table) the user types the
// amount instead.
#include "calc/RepaymentMethod.h"

#include <cstdint>
#include <string_view>

namespace hn {

struct GuaranteeFeeOutcome {
    bool ok = false;
    std::string_view message;       // when !ok: one of CostTexts.h
    int tableYears = 0;             // the row used
    std::int64_t yenPerTenMillion = 0;
    std::int64_t feeYen = 0;

    friend bool operator==(const GuaranteeFeeOutcome&, const GuaranteeFeeOutcome&) = default;
};

// The fee for `loanYen` (> 0) over `periodYears` (>= 1) repaid as `family`.
GuaranteeFeeOutcome TableGuaranteeFee(std::int64_t loanYen, int periodYears, RepaymentFamily family) noexcept;

} // namespace hn
