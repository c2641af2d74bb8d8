// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The summary window's totals: the sums of its slots' figures, the repayment of year
// 1, the income that carries it at a burden of 20 % and the burden against the
// calculator's income. The window shows each figure's bare amount and leaves a field
// blank where the report has no figure.
//
// Sums are exact: the slots hold 32-bit figures, their sums are kept in 64 bits, so
// eight large totals never wrap into a negative grand total.
#include "report/Figure.h"

#include <cstdint>
#include <optional>

namespace hn {

// The ratio's text while there is no ratio.
inline constexpr const char* kNoRatioText = "0%";

// Yearly repayment of year 1: twelve first monthly and two first bonus instalments.
std::int64_t AnnualRepayment(std::int64_t monthlySum, std::int64_t bonusSum) noexcept;

// The income (units of 10,000 yen) that carries `annualYen` at a burden of 20 %,
// rounded half up: floor((A × 5 + 5000) × 0.0001), in doubles.
double IncomeManAtTwentyPercentBurden(double annualYen) noexcept;

// The burden in percent: annual / income × 100, not rounded. Empty when either is 0.
std::optional<double> BurdenRatio(double annualYen, double incomeYen) noexcept;

// The slots' figures summed.
struct SlotSums {
    std::int64_t monthly = 0; // first monthly instalments, yen
    std::int64_t bonus = 0;   // first bonus instalments, yen
    std::int64_t total = 0;   // totals repaid, yen
    std::int64_t loanMan = 0; // loans, 万円
};

struct SummaryReport {
    // The four sums show while the monthly sum is not zero.
    std::optional<Figure> sumMonthly, sumBonus, grandTotal, loan;
    std::optional<Figure> annual;         // where it is not zero
    std::optional<Figure> requiredIncome; // where it is not zero
    std::optional<double> ratioPercent;   // the burden, where there is one
    Figure ratio;                         // its text, "0%" without one
};

// `incomeYen`: the calculator's income of its last calculation.
SummaryReport MakeSummaryReport(const SlotSums& sums, std::int32_t incomeYen);

// A field's text: the figure's bare amount, blank without one.
std::string FieldText(const std::optional<Figure>& figure);

} // namespace hn
