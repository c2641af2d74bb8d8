// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the drawn option and toggle buttons put their parts, from the control's size.
// Every halving is a floor (also for negative values), so small controls place their
// parts the same way whatever their height.
namespace hn {

// (left, top, right, bottom), right and bottom exclusive.
struct DrawnRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const DrawnRect&, const DrawnRect&) = default;
};

// floor(v / 2) for every int.
constexpr int FloorHalf(int v)
{
    return v >> 1; // an arithmetic shift since C++20
}

// The ball is 12 × 12 pixels.
constexpr int kBulletSize = 12;
// The caption starts here, right of the ball.
constexpr int kCaptionLeft = 17;

// The ball of an option button of the given client size: one pixel in from the left
// edge and centred vertically a pixel high (a 16-pixel-high control gives (1,1)-(13,13)).
DrawnRect BulletRect(int clientHeight);

// The caption of an option button from its text extent in the control's font.
DrawnRect CaptionRect(int clientHeight, int textWidth, int textHeight);

// The focus frame: the caption grown by one pixel left, top and right and two at the
// bottom, clipped to the item rectangle.
DrawnRect FocusFrameRect(const DrawnRect& caption, const DrawnRect& item);

// The toggle's triangle origin: x = item left + 10, y = floor((H - 11) / 2).
constexpr int kToggleTriangleInset = 10;
int ToggleTriangleLeft(int itemLeft);
int ToggleTriangleTop(int itemHeight);

// The toggle's focus frame: one pixel round the box that every frame of the triangle
// stays in, clipped to the control.
DrawnRect ToggleFocusFrameRect(int width, int height);

// How much the toggle widens itself to the right when it is attached.
constexpr int kToggleAttachWidening = 12;

} // namespace hn
