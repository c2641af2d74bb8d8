// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether refinancing (借り換え) pays: the payments still due on the current loan
// against those of the new loan, month by month from the switch, and the costs paid
// at the switch. Both streams count months from the switch (month 1 is the first
// month after it; StreamAfter gives the current loan's).
//
// - The saving of a month is what staying would have paid that month less what the
//   new loan pays; the cumulative saving S(m) adds the months 1 … m (S(0) = 0).
// - The costs at the switch: the new loan's fees paid in cash or deducted (a fee
//   added to the new loan is in its payments already), the fee for paying the
//   current loan off early, less the refund of a prepaid guarantee.
// - Net benefit = S(last month) − costs.
// - Break-even month: the first month m from which S(k) >= costs for every later
//   k up to the last payment of either loan (month 0 when the costs are covered
//   from the start and stay covered); none when the saving never covers them for good.
#include "calc/costs/PaymentStream.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace hn {

struct SwitchCosts {
    std::int64_t newLoanFeesYen = 0;     // cash and deducted fees of the new loan's ledger
    std::int64_t payoffFeeYen = 0;       // 繰上返済手数料 of the current loan
    std::int64_t guaranteeRefundYen = 0; // 保証料の戻し: the lender's figure

    std::int64_t total() const noexcept { return newLoanFeesYen + payoffFeeYen - guaranteeRefundYen; }
};

struct RefinanceInput {
    std::span<const Payment> staying; // the current loan's payments from the switch on
    std::span<const Payment> after;   // the new loan's, on the same months
    std::int64_t monthlyBeforeYen = 0; // the current loan's next monthly instalment (shown)
    std::int64_t monthlyAfterYen = 0;  // the new loan's first monthly instalment (shown)
    SwitchCosts costs;
};

struct RefinanceComparison {
    bool ok = false;
    std::string_view message;           // when !ok: one of CostTexts.h
    std::int64_t monthlyBeforeYen = 0;
    std::int64_t monthlyAfterYen = 0;
    std::int64_t remainingStayingYen = 0; // Σ staying
    std::int64_t remainingAfterYen = 0;   // Σ after
    std::int64_t paymentSavingYen = 0;    // Σ staying − Σ after
    std::int64_t costsYen = 0;            // costs.total()
    std::int64_t netBenefitYen = 0;       // saving − costs
    std::optional<int> breakEvenMonth;
    std::vector<std::int64_t> cumulativeSaving; // S(0) … S(last month), for the chart
};

// Refused: a payment at a month below 1 or beyond kMaxPaymentMonth, or with a
// negative amount.
RefinanceComparison CompareRefinance(const RefinanceInput& input);

} // namespace hn
