#include "summary/SummaryPlacement.h"

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
        placed.mainX = screenRight - 2 * w + kSummaryWidthShrink;
        summaryX = screenRight - w + kSummaryWidthShrink;
    }
    placed.summary = {summaryX, mainFrame.y, w - kSummaryWidthShrink, mainFrame.height};
    return placed;
}

FrameRect PlaceBesideMain(const FrameRect& mainFrame)
{
    return {mainFrame.Right(), mainFrame.y, mainFrame.width - kSummaryWidthShrink, mainFrame.height};
}

} // namespace hn
