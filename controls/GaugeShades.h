// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The gauge bar's colour arithmetic: five tones of one base colour and the shadow tones
// after the bar's end. Plain C++ so that the shades can be checked without a window.
#include "platform/ColorRef.h"

namespace hn {

// Each channel grows by step unless that would pass 255; such a channel stays as it
// was rather than being clamped, so a saturated channel keeps its value.
ColorRef Lighten(ColorRef colour, int step);
// Each channel shrinks by step unless that would go below 0; such a channel stays.
ColorRef Darken(ColorRef colour, int step);

// The gauge's tones. On the drawing canvas a pen is just its colour, so these double as
// the eight pens (everything but light3, which only fills) and are made once per colour
// change, not per paint.
struct GaugeShades {
    ColorRef base;
    ColorRef light1;    // Lighten(base, 51)
    ColorRef light2;    // Lighten(light1, 51)
    ColorRef light3;    // Lighten(light2, 51): the bar's fill
    ColorRef dark1;     // Darken(base, 51)
    ColorRef dark2;     // Darken(dark1, 51)
    ColorRef dkShadow;  // the dark 3-D shadow system colour
    ColorRef midShadow; // per channel halfway between shadow and dark shadow, rounded down
    ColorRef shadow;    // the button shadow system colour

    friend bool operator==(const GaugeShades&, const GaugeShades&) = default;
};

inline constexpr int kGaugeShadeStep = 51;

GaugeShades MakeGaugeShades(ColorRef base, ColorRef shadow, ColorRef dkShadow);

} // namespace hn
