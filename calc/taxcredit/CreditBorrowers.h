// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two borrowers: under 連帯債務 (one loan owed jointly) each takes the credit on their
// share of the loan's year-end balance; under ペアローン each has their own loans and
// takes it on the sum of their balances. Each then has their own limit, income
// ceiling and taxes (TaxCredit.h runs once per borrower).
#include "calc/taxcredit/YearAmounts.h"

#include <cstdint>
#include <optional>
#include <span>

namespace hn {

// numerator / denominator of a whole (1/2, or 60/100 for a 60 % share).
struct Share {
    std::int64_t numerator = 1;
    std::int64_t denominator = 1;

    bool valid() const noexcept { return denominator > 0 && numerator >= 0 && numerator <= denominator; }
};

// floor(yen × share); empty for an invalid share or a negative amount.
std::optional<std::int64_t> ShareOf(std::int64_t yen, Share share) noexcept;

// 連帯債務: one borrower's share of each year-end balance, floored to the yen.
std::optional<YearAmounts> JointShare(const YearAmounts& balances, Share share);

// ペアローン: a borrower's own loans' year-end balances added year by year (a year one
// loan does not list counts 0 for it).
YearAmounts SumOfOwnLoans(std::span<const YearAmounts> loans);

} // namespace hn
