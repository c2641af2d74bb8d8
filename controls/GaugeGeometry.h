// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the gauge bar ends and how its stripes step; plain C++.
namespace hn {

// Stripes repeat every 20 pixels and the animation offset runs 0..19.
inline constexpr int kGaugeStripePeriod = 20;

// The position held within lower..upper, as the progress control keeps it.
int ClampGaugePos(int pos, int lower, int upper);

// Length of the bar along an extent of `extent` pixels: (pos − lower) × extent /
// (upper − lower), computed in floating point and truncated toward zero. The position
// is held within the range first, so the bar never leaves the control; a range whose
// bounds are equal (or reversed) shows no bar rather than dividing by zero.
int GaugeBarLength(int pos, int lower, int upper, int extent);

// The stripe offset after one animation tick: one pixel further, back to 0 at 20.
int NextAnimOffset(int offset);

} // namespace hn
