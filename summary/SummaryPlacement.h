// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the summary window stands: directly right of the main window, as tall as it
// and 16 pixels narrower. All rectangles are outer (frame) rectangles in screen
// pixels. Plain C++.
namespace hn {

inline constexpr int kSummaryWidthShrink = 16;

struct FrameRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int Right() const { return x + width; } // one past the last column
    friend bool operator==(const FrameRect&, const FrameRect&) = default;
};

struct SummaryPlacement {
    int mainX = 0;     // the main window keeps its top and size; only x may change
    FrameRect summary; // the summary window's outer rectangle
    friend bool operator==(const SummaryPlacement&, const SummaryPlacement&) = default;
};

// On opening: the summary window goes right of the main window. A main window whose
// left edge is off the screen is brought to the screen's left edge first; when the
// pair would cross the screen's right edge, both move left until the summary window's
// right edge meets it. `screenLeft` and `screenRight` bound the screen horizontally
// (screenRight one past its last column).
//
// Where the screen is too narrow for the two side by side (a large scale on a small
// screen), moving both left would push the main window's fields and buttons off the
// left edge. Then the main window stays (within the screen) and the summary window
// stands at the screen's right edge, over the right part of the main window.
SummaryPlacement PlaceOnOpening(const FrameRect& mainFrame, int screenLeft, int screenRight);

// While open, after every move of the main window: right of it, with no screen-edge
// rule, so it may run off the screen where the user moved the main window, except on a
// screen too narrow for the two side by side, where it overlaps the main window's right
// part as on opening.
FrameRect PlaceBesideMain(const FrameRect& mainFrame, int screenLeft, int screenRight);

// Whether the two windows fit side by side on a screen of that width.
bool FitSideBySide(int mainWidth, int screenWidth);

} // namespace hn
