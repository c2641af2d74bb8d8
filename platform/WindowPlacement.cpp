// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WindowPlacement.h"

#include <algorithm>

namespace hn {

namespace {

FrameRect Bounding(const std::vector<FrameRect>& rects)
{
    FrameRect box = rects.front();
    for (const FrameRect& r : rects) {
        const int left = std::min(box.x, r.x);
        const int top = std::min(box.y, r.y);
        const int right = std::max(box.Right(), r.Right());
        const int bottom = std::max(box.Bottom(), r.Bottom());
        box = {left, top, right - left, bottom - top};
    }
    return box;
}

// `start` moved into [low, high - length], the low end winning where it does not fit.
int Within(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length));
}

} // namespace

FrameRect OuterOf(const FrameRect& client, const FrameMargins& frame)
{
    return {client.x - frame.left, client.y - frame.top, client.width + frame.left + frame.right,
            client.height + frame.top + frame.bottom};
}

FrameRect ClientOf(const FrameRect& outer, const FrameMargins& frame)
{
    return {outer.x + frame.left, outer.y + frame.top, std::max(1, outer.width - frame.left - frame.right),
            std::max(1, outer.height - frame.top - frame.bottom)};
}

FrameRect ClampInto(const FrameRect& outer, const FrameRect& area)
{
    const int width = std::min(outer.width, area.width);
    const int height = std::min(outer.height, area.height);
    return {Within(outer.x, width, area.x, area.Right()), Within(outer.y, height, area.y, area.Bottom()), width,
            height};
}

FrameRect KeepInside(const FrameRect& outer, const FrameRect& area, bool resizable)
{
    FrameRect kept = outer;
    if (resizable) {
        kept.width = std::max(1, std::min(outer.width, area.Right() - std::max(outer.x, area.x)));
        kept.height = std::max(1, std::min(outer.height, area.Bottom() - std::max(outer.y, area.y)));
    }
    return ClampInto(kept, area);
}

FrameRect PlaceWindow(const PlacementRequest& r)
{
    const FrameRect& area = r.available;
    const int frameWidth = r.frame.left + r.frame.right;
    const int frameHeight = r.frame.top + r.frame.bottom;
    const int width = std::min(r.wantedWidth + frameWidth, area.width);
    const int height = std::min(r.wantedHeight + frameHeight, area.height);
    if (r.others.empty())
        return {area.x + (area.width - width) / 2, area.y + (area.height - height) / 2, width, height};

    const FrameRect others = Bounding(r.others);
    const int top = Within(others.y, height, area.y, area.Bottom());
    // The room right of them and left of them, within the area.
    const int rightStart = std::max(others.Right(), area.x);
    const int leftEnd = std::min(others.x, area.Right());
    const int roomRight = area.Right() - rightStart;
    const int roomLeft = leftEnd - area.x;
    if (roomRight >= width)
        return {rightStart, top, width, height};
    if (roomLeft >= width)
        return {leftEnd - width, top, width, height};

    const int narrowest = std::min(width, r.minWidth + frameWidth);
    if (std::max(roomRight, roomLeft) >= narrowest) {
        if (roomRight >= roomLeft)
            return {rightStart, top, roomRight, height};
        return {area.x, top, roomLeft, height};
    }

    // Over the others: their title bars stay in sight above this window's.
    int y = std::max(area.y, others.y + r.frame.top);
    int shortened = height;
    if (y + height > area.Bottom()) {
        const int room = area.Bottom() - y;
        if (room >= std::min(height, r.minHeight + frameHeight))
            shortened = room;
        else
            y = Within(y, height, area.y, area.Bottom());
    }
    const int x = roomRight >= roomLeft ? area.Right() - width : area.x;
    return {x, y, width, shortened};
}

FrameRect CentreOver(const FrameRect& owner, int outerWidth, int outerHeight, const FrameRect& available)
{
    return ClampInto({owner.x + (owner.width - outerWidth) / 2, owner.y + (owner.height - outerHeight) / 2, outerWidth,
                      outerHeight},
                     available);
}

} // namespace hn
