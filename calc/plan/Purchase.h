// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The purchase a plan pays for: 物件価格, 頭金 and 諸費用 (one sum), the costs paid
// in cash or borrowed with the home. Whole yen throughout, as the loans are.
#include <cstdint>
#include <string_view>

namespace hn {

struct PurchaseInput {
    std::int64_t priceYen = 0;       // 物件価格
    std::int64_t downPaymentYen = 0; // 頭金
    std::int64_t costsYen = 0;       // 諸費用
    bool costsFinanced = false;      // 諸費用 borrowed with the home, not paid in cash
};

struct PurchaseResult {
    std::int64_t borrowYen = 0;   // price − down payment + the costs when financed
    std::int64_t ownFundsYen = 0; // 自己資金: the down payment and the costs paid in cash
};

struct PurchaseOutcome {
    bool ok = false;
    std::string_view message; // when !ok: one of PlanMessages.h
    PurchaseResult result;
};

// Checks, in this order: a price above 0; a down payment and costs from 0; each
// below 2^53 yen (kMaxExactYen); a down payment no larger than the price and the
// financed costs (nothing left to borrow is fine: a purchase paid in cash).
PurchaseOutcome ComputePurchase(const PurchaseInput& in);

} // namespace hn
