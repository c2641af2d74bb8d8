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
SummaryPlacement PlaceOnOpening(const FrameRect& mainFrame, int screenLeft, int screenRight);

// While open, after every move of the main window: right of it, no screen-edge rule.
FrameRect PlaceBesideMain(const FrameRect& mainFrame);

} // namespace hn
