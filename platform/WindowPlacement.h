// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where a window opens: its whole frame, title bar included, on the screen's available
// area (a title bar above the top edge cannot be dragged back), as large as it would
// like where that fits, and beside the program's other windows where the screen allows.
// Rectangles are in the desktop's logical pixels. Plain C++; platform/WindowFit.h
// applies it to Qt windows.
#include <vector>

namespace hn {

struct FrameRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    int Right() const { return x + width; }   // one past the last column
    int Bottom() const { return y + height; } // one past the last line
    friend bool operator==(const FrameRect&, const FrameRect&) = default;
};

// What a window manager's decorations add around a window's client area.
struct FrameMargins {
    int left = 0;
    int top = 0; // the title bar
    int right = 0;
    int bottom = 0;
    friend bool operator==(const FrameMargins&, const FrameMargins&) = default;
};

// Stands in for a frame not known yet (a window not yet framed, and none of ours framed
// to copy): a title bar a little taller than the usual ones, so that a window placed by
// it is never too high.
inline constexpr FrameMargins kFrameAllowance{2, 30, 2, 6};

FrameRect OuterOf(const FrameRect& client, const FrameMargins& frame);
FrameRect ClientOf(const FrameRect& outer, const FrameMargins& frame);

// The rectangle moved into `area`; cut to the area first where it is larger.
FrameRect ClampInto(const FrameRect& outer, const FrameRect& area);

// A window found crossing the area's edge once framed (its frame larger than guessed):
// a window that can be resized keeps its top left corner where that is on the area and
// gives up the part beyond the edge; otherwise, and for the rest, ClampInto.
FrameRect KeepInside(const FrameRect& outer, const FrameRect& area, bool resizable);

struct PlacementRequest {
    FrameRect available;  // the screen's available area (without panels)
    FrameMargins frame;   // the decorations the window will get
    int wantedWidth = 0;  // client size it would like
    int wantedHeight = 0;
    int minWidth = 0;     // client size it may be cut to, to stand beside the others
    int minHeight = 0;    // (below it, it scrolls inside)
    // Outer rectangles of the program's windows already open, the calculator window
    // first. None: the window is centred.
    std::vector<FrameRect> others;
};

// The outer rectangle of the window, always within the available area:
// - its wanted size plus the frame, cut to the available area;
// - no others: centred;
// - right of all the others, else left of them, at the same top, where it fits whole;
//   else narrowed to the wider of those two rooms where that leaves its minimum width;
// - else over them, on the side with more room, with its top below their title bars so
//   that each stays in sight and can be clicked to the front.
FrameRect PlaceWindow(const PlacementRequest& request);

// A window centred over another (a modal box over its owner), within the area.
FrameRect CentreOver(const FrameRect& owner, int outerWidth, int outerHeight, const FrameRect& available);

} // namespace hn
