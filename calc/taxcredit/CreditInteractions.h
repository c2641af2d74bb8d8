// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How prepaying and refinancing touch the credit.
// - A prepayment that shortens the loan so that its last instalment falls less than
//   10 years after its first ends the credit from the year of the prepayment on.
// - After refinancing, the new loan's year-end balance C counts only as C × A / B
//   when the new loan B is larger than the balance A it repaid (fees and extra cash
//   borrowed are not a home loan); the credit years go on from the year of moving
//   in and do not start again.
#include "calc/schedule/ScheduleCalendar.h"
#include "calc/taxcredit/YearAmounts.h"

#include <cstdint>
#include <optional>

namespace hn {

// The year from which no credit is given, or none when the loan still runs 10 years
// or more from its first instalment to its (new) last one.
std::optional<int> CreditEndAfterShortening(YearMonth firstInstalment, YearMonth newLastInstalment,
                                            int prepaymentYear) noexcept;

// C × A / B floored to the yen when B > A, else C (every argument >= 0).
std::int64_t EligibleAfterRefinance(std::int64_t newBalance, std::int64_t repaidBalance,
                                    std::int64_t newLoan) noexcept;

// The year-end balances of a refinanced home loan: the old loan's before the year of
// refinancing, the new loan's from it on, each weighed by A / B.
YearAmounts RefinancedBalances(const YearAmounts& oldLoan, const YearAmounts& newLoan, int refinanceYear,
                               std::int64_t repaidBalance, std::int64_t newLoanYen);

} // namespace hn
