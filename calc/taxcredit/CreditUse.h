// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How a year's credit is used: first against that year's income tax, the rest
// against the next year's resident tax up to min(課税総所得金額等 × 5 %, 97,500 円)
// (5 % floored to the yen); what is left is lost.
#include <cstdint>

namespace hn {

struct CreditUse {
    std::int64_t incomeTaxYen = 0;   // used against income tax
    std::int64_t residentTaxYen = 0; // used against the next year's resident tax
    std::int64_t residentCapYen = 0; // what the resident tax could take
    std::int64_t unusedYen = 0;      // lost

    friend bool operator==(const CreditUse&, const CreditUse&) = default;
};

// The use of `creditYen` against `incomeTaxYen` (所得税額 before the credit) with
// `taxableIncomeYen` (課税総所得金額等); all >= 0.
CreditUse UseCredit(std::int64_t creditYen, std::int64_t incomeTaxYen, std::int64_t taxableIncomeYen) noexcept;

// min(taxable × 5 %, 97,500).
std::int64_t ResidentTaxCap(std::int64_t taxableIncomeYen) noexcept;

} // namespace hn
