// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The effective rate of a loan (実質金利): the monthly rate r at which the present
// value of its payments, each discounted to month 0 as yen / (1 + r)^month, equals
// the amount actually received (the loan less the fees deducted from it and the
// fees paid in cash at the start). Shown as 12 × r, the Japanese convention for a
// nominal yearly rate, and as the compound yearly rate (1 + r)^12 − 1.
//
// Found by a safeguarded Newton search on the discount factor v = 1 / (1 + r):
// the present value is a polynomial in v with non-negative coefficients, rising and
// convex for v > 0, so the root is unique and a bisection bracket catches any
// Newton step that leaves it. The search stops when 12 × r is known to within
// kEffectiveRateTolerance.
#include "calc/costs/PaymentStream.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace hn {

// The stated tolerance of 12 × r: 10^-9 per year, i.e. 0.0000001 %.
inline constexpr double kEffectiveRateTolerance = 1e-9;

struct EffectiveRate {
    bool ok = false;
    std::string_view message;  // when !ok: one of CostTexts.h
    double monthly = 0.0;      // r
    double nominalYearly = 0.0;  // 12 × r
    double compoundYearly = 0.0; // (1 + r)^12 − 1
    int iterations = 0;
};

// Payments at months 0 to kMaxPaymentMonth and yen >= 0, in any order (several in
// one month add up); receivedYen > 0. Refused: no payment after month 0, a month
// outside that range, a negative amount, or payments at month 0 that already repay
// what was received.
EffectiveRate SolveEffectiveRate(std::span<const Payment> payments, std::int64_t receivedYen);

// Σ yen / (1 + monthlyRate)^month: what the search balances against the amount received.
double PresentValue(std::span<const Payment> payments, double monthlyRate) noexcept;

} // namespace hn
