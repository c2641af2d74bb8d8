// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/DrawnButtonGeometry.h"

#include <algorithm>

namespace hn {

DrawnRect BulletRect(int clientHeight)
{
    const int top = FloorHalf(clientHeight - kBulletSize) - 1;
    return {1, top, 1 + kBulletSize, top + kBulletSize};
}

DrawnRect CaptionRect(int clientHeight, int textWidth, int textHeight)
{
    const int top = FloorHalf(clientHeight - textHeight) - 1;
    return {kCaptionLeft, top, kCaptionLeft + textWidth, top + textHeight};
}

DrawnRect FocusFrameRect(const DrawnRect& caption, const DrawnRect& item)
{
    return {std::max(caption.left - 1, item.left), std::max(caption.top - 1, item.top),
            std::min(caption.right + 1, item.right), std::min(caption.bottom + 2, item.bottom)};
}

int ToggleTriangleLeft(int itemLeft)
{
    return itemLeft + kToggleTriangleInset;
}

int ToggleTriangleTop(int itemHeight)
{
    return FloorHalf(itemHeight - 11);
}

DrawnRect ToggleFocusFrameRect(int width, int height)
{
    // The triangles reach from the origin's x - 10 to x + 1 and from its y to y + 10.
    const int top = ToggleTriangleTop(height);
    return {std::max(0, kToggleTriangleInset - 11), std::max(0, top - 1),
            std::min(width, kToggleTriangleInset + 3), std::min(height, top + 12)};
}

} // namespace hn
