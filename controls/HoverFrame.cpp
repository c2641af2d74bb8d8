// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/HoverFrame.h"

namespace hn {

HoverFrameLook FrameLookFor(bool hover, bool pressed)
{
    if (pressed)
        return HoverFrameLook::Sunken;
    return hover ? HoverFrameLook::Raised : HoverFrameLook::None;
}

bool UsesActiveBackground(bool hover, bool pressed)
{
    return hover || pressed;
}

FocusFrame HoverFocusFrame(int left, int top, int right, int bottom)
{
    constexpr int kInset = 2;
    return {left + kInset, top + kInset, right - kInset, bottom - kInset};
}

IconOrigin CentredIconOrigin(int left, int top, int right, int bottom, int iconWidth, int iconHeight, bool pressed)
{
    // C++ integer division truncates toward zero, also when the icon is larger than
    // the button and the difference is negative.
    IconOrigin o{left + (right - iconWidth - left) / 2, top + (bottom - iconHeight - top) / 2};
    if (pressed) {
        ++o.x;
        ++o.y;
    }
    return o;
}

} // namespace hn
