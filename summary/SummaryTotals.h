// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arithmetic below the slots of the summary window: the sums, the yearly
// repayment of year 1, the income it requires, and the burden ratio against the
// main window's income with its colour band and gauge position. Plain C++.
//
// Sums are exact: the slots hold 32-bit figures, their sums are kept in 64 bits, so
// eight large totals never wrap into a negative grand total.
#include "platform/ColorRef.h"

#include <cstdint>
#include <optional>

namespace hn {

// The gauge's colours: the three bands of a known ratio, and amber while there is none.
inline constexpr ColorRef kRatioLowColor = ColorRef::Rgb(100, 100, 255);  // below 17 %
inline constexpr ColorRef kRatioMidColor = ColorRef::Rgb(240, 240, 25);   // 17 % to below 23 %
inline constexpr ColorRef kRatioHighColor = ColorRef::Rgb(254, 71, 99);   // 23 % and above
inline constexpr ColorRef kNoRatioColor = ColorRef::Rgb(255, 204, 0);     // no ratio: amber stripes

inline constexpr int kGaugeLower = 0;
inline constexpr int kGaugeUpper = 40; // percent; 40 % and above fill the bar
inline constexpr const char* kNoRatioText = "0%";

// Yearly repayment of year 1: twelve first monthly and two first bonus instalments.
std::int64_t AnnualRepayment(std::int64_t monthlySum, std::int64_t bonusSum) noexcept;

// The income (units of 10,000 yen) that carries `annualYen` at a burden of 20 %,
// rounded half up: floor((A × 5 + 5000) × 0.0001), in doubles.
double IncomeManAtTwentyPercentBurden(double annualYen) noexcept;

// The burden in percent: annual / income × 100, not rounded. Empty when either is 0.
std::optional<double> BurdenRatio(double annualYen, double incomeYen) noexcept;

// Colour of the gauge for a ratio.
ColorRef RatioBarColor(double ratio) noexcept;

// The gauge position: the ratio truncated toward zero; a value beyond the int range
// is held at its end (the gauge clamps to its own range anyway).
int RatioGaugePosition(double ratio) noexcept;

// What the gauge should show after a recalculation.
struct GaugeState {
    bool animate = true;              // amber stripes, no ratio
    ColorRef color = kNoRatioColor;
    std::optional<int> position;      // set only when there is a ratio; else left as it was
};

} // namespace hn
