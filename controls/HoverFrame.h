// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The flat hover button's look for one state: which background, which frame, where the
// icon goes. Plain C++; the widget draws what this decides.
namespace hn {

enum class HoverFrameLook {
    None,   // at rest: no frame
    Raised, // lit: highlight on the top-left lines, shadow on the bottom-right
    Sunken, // pressed: shadow top-left, highlight bottom-right
};

HoverFrameLook FrameLookFor(bool hover, bool pressed);

// The active background shows while lit or pressed, the normal one otherwise.
bool UsesActiveBackground(bool hover, bool pressed);

struct FocusFrame {
    int left, top, right, bottom;
};

// The keyboard focus of a flat button: a dotted frame two pixels inside its edge, clear
// of the one-pixel raised or sunken frame and of a centred 16-pixel icon.
FocusFrame HoverFocusFrame(int left, int top, int right, int bottom);

struct IconOrigin {
    int x;
    int y;
};

// The icon centred in the item rectangle (left, top, right, bottom), each halving
// truncated toward zero; pressed moves it one pixel down and to the right.
IconOrigin CentredIconOrigin(int left, int top, int right, int bottom, int iconWidth, int iconHeight, bool pressed);

} // namespace hn
