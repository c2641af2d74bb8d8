// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The product a tranche of a plan is borrowed under: how its rate runs over the
// term and how its instalment follows the rate. Every product is scheduled with
// the arithmetic the rest of the program uses (the engine's instalments, exact
// interest), so one tranche and the same loan in the calculator or the rate
// scenario section give the same figures.
#include "calc/ExactRate.h"
#include "calc/RepaymentMethod.h"
#include "calc/rates/RatePath.h"
#include "calc/rates/RateScenario.h"

#include <array>
#include <string>
#include <variant>

namespace hn {

// One of the calculator's six methods with its two rates (the second from year
// 11 where the method uses one), computed exactly as the calculator does.
struct MethodProduct {
    RepaymentMethod method = CorporationBasic;
    ExactRate rate1;
    ExactRate rate2;
};

// 全期間固定: one rate for the whole term, a level instalment (銀行型・他).
struct WholeTermFixedProduct {
    ExactRate rate;
};

// 変動: the rate follows a path; the instalment follows the review rule.
struct VariableProduct {
    RatePath path;
    ReviewRule review = ReviewRule::FiveYear125;
    UnpaidSettlement unpaid = UnpaidSettlement::CarryToEnd;
};

// 固定期間選択型: the fixed rate for the first `fixedYears` years, then the
// path, whose month 1 is the first month after the fixed period. At the switch
// the instalment is recomputed over the term left without the 125 % cap; the
// review rule counts its five years from there.
struct FixedPeriodProduct {
    int fixedYears = 10;
    ExactRate fixedRate;
    RatePath after;
    ReviewRule review = ReviewRule::FiveYear125;
    UnpaidSettlement unpaid = UnpaidSettlement::CarryToEnd;
};

// The fixed periods lenders offer.
inline constexpr std::array<int, 7> kFixedPeriodYears{2, 3, 5, 7, 10, 15, 20};

// A rate stepped by the calendar of the loan (a public lender's rate reduced
// for the first years, then for a second period): each step in force from its
// month, the instalment re-amortised over the term left at every step.
struct SteppedProduct {
    RatePath steps;
};

using LoanProduct =
    std::variant<MethodProduct, WholeTermFixedProduct, VariableProduct, FixedPeriodProduct, SteppedProduct>;

// What is wrong with a product for a loan of `periodYears` years, in one line
// for the command line; empty when nothing is.
std::string ProductProblem(const LoanProduct& product, int periodYears);

// The rate path a product runs along, in the loan's months: a fixed period's
// rate from month 1 and its path after, shifted to the switch (steps after the
// term dropped: they never apply). Only for a product without a problem, and
// not for the method and whole-term products (empty path).
RatePath ProductPath(const LoanProduct& product, int periodYears);

} // namespace hn
