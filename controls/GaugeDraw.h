// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The gauge bar's picture, line by line, on the GDI-like canvas: a tube shaded from
// dark edges to a light middle with a two-pixel shadow after its end, or a band of
// diagonal stripes in animation mode. Kept apart from the widget so that tests and the
// gallery can draw any state directly.
#include "controls/GaugeShades.h"
#include "platform/Canvas.h"

namespace hn {

// The bar rectangle: left a, top b, right c, bottom d (right and bottom exclusive).
struct GaugeBarRect {
    int a, b, c, d;
};

void DrawGaugeHorizontal(Canvas& canvas, const GaugeShades& shades, GaugeBarRect bar, bool animating, int animOffset);
void DrawGaugeVertical(Canvas& canvas, const GaugeShades& shades, GaugeBarRect bar, bool animating, int animOffset);

struct GaugePaintState {
    int width = 0, height = 0; // the client rectangle, at the canvas origin
    bool vertical = false;
    bool animating = false;
    int animOffset = 0;
    int pos = 0, lower = 0, upper = 100;
};

// One whole paint: the face colour where the bar does not reach, then the bar (the whole
// rectangle when animating, else as far as the position reaches) filled with light 3
// and drawn.
void PaintGauge(Canvas& canvas, const GaugeShades& shades, ColorRef face, const GaugePaintState& state);

} // namespace hn
