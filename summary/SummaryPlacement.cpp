// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/SummaryPlacement.h"

#include <algorithm>

namespace hn {

SummaryPlacement PlaceOnOpening(const FrameRect& mainFrame, const FrameRect& screen)
{
    const int screenLeft = screen.x;
    const int screenRight = screen.Right();
    const int w = mainFrame.width;
    SummaryPlacement placed;
    placed.mainX = mainFrame.x;
    int summaryX = mainFrame.Right();
    if (mainFrame.x < screenLeft) {
        placed.mainX = screenLeft;
        summaryX = screenLeft + w;
    }
    // The right edge as measured before any move decides, whichever branch ran above.
    if (mainFrame.Right() + w - kSummaryWidthShrink > screenRight) {
        summaryX = screenRight - w + kSummaryWidthShrink;
        if (FitSideBySide(w, screen.width)) {
            placed.mainX = screenRight - 2 * w + kSummaryWidthShrink;
        } else {
            // Not both: the main window keeps every control on the screen, the summary
            // window takes the right part.
            placed.mainX = std::max(screenLeft, std::min(placed.mainX, screenRight - w));
            summaryX = std::max(screenLeft, summaryX);
        }
    }
    placed.summary = ClampInto({summaryX, mainFrame.y, w - kSummaryWidthShrink, mainFrame.height}, screen);
    return placed;
}

FrameRect PlaceBesideMain(const FrameRect& mainFrame, const FrameRect& screen)
{
    return ClampInto({mainFrame.Right(), mainFrame.y, mainFrame.width - kSummaryWidthShrink, mainFrame.height}, screen);
}

bool FitSideBySide(int mainWidth, int screenWidth)
{
    return 2 * mainWidth - kSummaryWidthShrink <= screenWidth;
}

} // namespace hn
