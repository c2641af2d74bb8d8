// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the summary window's gauge shows the burden ratio of its report: its colour
// band and position. Plain C++.
#include "platform/ColorRef.h"
#include "report/SummaryReport.h"

#include <optional>

namespace hn {

// The gauge's colours: the three bands of a known ratio, and amber while there is none.
inline constexpr ColorRef kRatioLowColor = ColorRef::Rgb(100, 100, 255);  // below 17 %
inline constexpr ColorRef kRatioMidColor = ColorRef::Rgb(240, 240, 25);   // 17 % to below 23 %
inline constexpr ColorRef kRatioHighColor = ColorRef::Rgb(254, 71, 99);   // 23 % and above
inline constexpr ColorRef kNoRatioColor = ColorRef::Rgb(255, 204, 0);     // no ratio: amber stripes

inline constexpr int kGaugeLower = 0;
inline constexpr int kGaugeUpper = 40; // percent; 40 % and above fill the bar

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
