// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the summary window stands: directly right of the main window, as tall as it
// and 16 pixels narrower. All rectangles are outer (frame) rectangles in screen
// pixels. Plain C++.
#include "platform/WindowPlacement.h"

namespace hn {

inline constexpr int kSummaryWidthShrink = 16;

struct SummaryPlacement {
    int mainX = 0;     // the main window keeps its top and size; only x may change
    FrameRect summary; // the summary window's outer rectangle
    friend bool operator==(const SummaryPlacement&, const SummaryPlacement&) = default;
};

// On opening: the summary window goes right of the main window. A main window whose
// left edge is off the screen is brought to the screen's left edge first; when the
// pair would cross the screen's right edge, both move left until the summary window's
// right edge meets it. `screen` is the screen's available area.
//
// Where the screen is too narrow for the two side by side (a large scale on a small
// screen), moving both left would push the main window's fields and buttons off the
// left edge. Then the main window stays (within the screen) and the summary window
// stands at the screen's right edge, over the right part of the main window.
SummaryPlacement PlaceOnOpening(const FrameRect& mainFrame, const FrameRect& screen);

// While open, after every move of the main window: right of it, kept on the screen
// (where the main window was moved to the screen's edge, the summary window stops at
// the edge and stands over the main window's right part, its title bar always in
// reach).
FrameRect PlaceBesideMain(const FrameRect& mainFrame, const FrameRect& screen);

// Whether the two windows fit side by side on a screen of that width.
bool FitSideBySide(int mainWidth, int screenWidth);

} // namespace hn
