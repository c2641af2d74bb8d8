// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/SummaryPlacement.h"

#include <algorithm>

namespace hn {

SummaryPlacement PlaceOnOpening(const FrameRect& mainFrame, int screenLeft, int screenRight)
{
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
        if (FitSideBySide(w, screenRight - screenLeft)) {
            placed.mainX = screenRight - 2 * w + kSummaryWidthShrink;
        } else {
            // Not both: the main window keeps every control on the screen, the summary
            // window takes the right part.
            placed.mainX = std::max(screenLeft, std::min(placed.mainX, screenRight - w));
            summaryX = std::max(screenLeft, summaryX);
        }
    }
    placed.summary = {summaryX, mainFrame.y, w - kSummaryWidthShrink, mainFrame.height};
    return placed;
}

FrameRect PlaceBesideMain(const FrameRect& mainFrame, int screenLeft, int screenRight)
{
    const int summaryWidth = mainFrame.width - kSummaryWidthShrink;
    int x = mainFrame.Right();
    if (!FitSideBySide(mainFrame.width, screenRight - screenLeft))
        x = std::max(screenLeft, std::min(x, screenRight - summaryWidth));
    return {x, mainFrame.y, summaryWidth, mainFrame.height};
}

bool FitSideBySide(int mainWidth, int screenWidth)
{
    return 2 * mainWidth - kSummaryWidthShrink <= screenWidth;
}

} // namespace hn
