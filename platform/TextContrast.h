// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How readable one colour is on another, by the contrast ratio of relative luminances
// used for accessible text (1:1 for equal colours up to 21:1 for black on white), and the
// choice of a text colour for a background that the dialog fixes. Plain C++.
#include "platform/ColorRef.h"

namespace hn {

// Ordinary text needs at least this ratio to its background to be read comfortably.
constexpr double kReadableContrast = 4.5;

double RelativeLuminance(ColorRef colour);
double ContrastRatio(ColorRef a, ColorRef b);

// The preferred colour when it reads well enough on the background, otherwise black or
// white, whichever of the two stands out more.
ColorRef ReadableTextColour(ColorRef preferred, ColorRef background);

} // namespace hn
