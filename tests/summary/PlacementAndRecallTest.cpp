// SPDX-License-Identifier: GPL-3.0-or-later
// Where the summary window opens and follows, and what selecting a slot plans.
#include "summary/SlotRecall.h"
#include "summary/SummaryPlacement.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

constexpr int kScreen = 1920;

// A screen's available area from `left` to `right` (one past), 1200 lines high.
FrameRect Screen(int left, int right)
{
    return {left, 0, right - left, 1200};
}

TEST(SummaryPlacement, OpensRightOfTheMainWindow)
{
    const SummaryPlacement p = PlaceOnOpening({100, 50, 320, 480}, Screen(0, kScreen));
    EXPECT_EQ(p.mainX, 100);
    EXPECT_EQ(p.summary, (FrameRect{420, 50, 304, 480}));
}

TEST(SummaryPlacement, LeftEdgeOffScreenMovesBothToTheLeftEdge)
{
    const SummaryPlacement p = PlaceOnOpening({-200, 50, 320, 480}, Screen(0, kScreen));
    EXPECT_EQ(p.mainX, 0);
    EXPECT_EQ(p.summary, (FrameRect{320, 50, 304, 480}));
}

TEST(SummaryPlacement, RightScreenEdgeMovesThePairLeft)
{
    // 1300 + 320 = 1620; 1620 + 304 = 1924 > 1920.
    const SummaryPlacement p = PlaceOnOpening({1300, 50, 320, 480}, Screen(0, kScreen));
    EXPECT_EQ(p.mainX, kScreen - 2 * 320 + 16);
    EXPECT_EQ(p.summary, (FrameRect{kScreen - 320 + 16, 50, 304, 480}));
    EXPECT_EQ(p.summary.Right(), kScreen);
    EXPECT_EQ(p.mainX + 320, p.summary.x); // side by side

    // Exactly at the edge nothing moves.
    const SummaryPlacement fits = PlaceOnOpening({1296, 50, 320, 480}, Screen(0, kScreen));
    EXPECT_EQ(fits.mainX, 1296);
    EXPECT_EQ(fits.summary.Right(), kScreen);
}

TEST(SummaryPlacement, ScreenNotStartingAtZero)
{
    const SummaryPlacement p = PlaceOnOpening({-1950, 0, 320, 480}, Screen(-1920, 0));
    EXPECT_EQ(p.mainX, -1920);
    EXPECT_EQ(p.summary.x, -1600);
}

TEST(SummaryPlacement, FollowingStaysOnTheScreen)
{
    EXPECT_EQ(PlaceBesideMain({100, 10, 320, 480}, Screen(0, kScreen)), (FrameRect{420, 10, 304, 480}));
    // Moved to the right edge: the summary window stops there, over the main window.
    EXPECT_EQ(PlaceBesideMain({1800, 10, 320, 480}, Screen(0, kScreen)), (FrameRect{kScreen - 304, 10, 304, 480}));
    EXPECT_EQ(PlaceBesideMain({-400, 10, 320, 480}, Screen(0, kScreen)), (FrameRect{0, 10, 304, 480}));
    // Above the top or below the bottom: its title bar stays in reach.
    EXPECT_EQ(PlaceBesideMain({100, -50, 320, 480}, Screen(0, kScreen)), (FrameRect{420, 0, 304, 480}));
    EXPECT_EQ(PlaceBesideMain({100, 1000, 320, 480}, Screen(0, kScreen)), (FrameRect{420, 1200 - 480, 304, 480}));
}

// A screen narrower than the two windows side by side (the pair at 2× on a 1280-pixel
// screen: 2 × 640 − 16 > 1280; or 640 × 480): the main window keeps every control on
// the screen and the summary window overlaps its right part, on opening and while
// following.
TEST(SummaryPlacement, TooNarrowForBothTheSummaryOverlapsTheMainWindow)
{
    const SummaryPlacement p = PlaceOnOpening({200, 0, 650, 1100}, Screen(0, 1280));
    EXPECT_EQ(p.mainX, 200);
    EXPECT_EQ(p.summary, (FrameRect{1280 - 634, 0, 634, 1100}));
    EXPECT_FALSE(FitSideBySide(650, 1280));

    // Started partly off the right edge: back on the screen, never off the left.
    const SummaryPlacement right = PlaceOnOpening({1000, 0, 650, 1100}, Screen(0, 1280));
    EXPECT_EQ(right.mainX, 1280 - 650);
    EXPECT_EQ(right.summary.Right(), 1280);
    const SummaryPlacement off = PlaceOnOpening({-300, 0, 650, 1100}, Screen(0, 1280));
    EXPECT_EQ(off.mainX, 0);
    EXPECT_GE(off.summary.x, 0);

    // A summary window wider than the whole screen starts at its left edge.
    const SummaryPlacement tiny = PlaceOnOpening({0, 0, 700, 500}, Screen(0, 640));
    EXPECT_EQ(tiny.mainX, 0);
    EXPECT_EQ(tiny.summary.x, 0);

    // Following: kept on the screen over the main window's right part.
    EXPECT_EQ(PlaceBesideMain({300, 5, 650, 1100}, Screen(0, 1280)), (FrameRect{1280 - 634, 5, 634, 1100}));
    EXPECT_EQ(PlaceBesideMain({0, 5, 650, 1100}, Screen(0, 1280)).x, 1280 - 634);
}

Snapshot RowWithPeriod(const char* period, RepaymentMethod method = CorporationYutori)
{
    Snapshot row{1, method, {}, {}};
    row.texts.periodEdit = period;
    return row;
}

TEST(SlotSelection, CaptionSetsBySlot)
{
    const Snapshot row = RowWithPeriod("35");
    for (int slot : {1, 2, 3, 4})
        EXPECT_EQ(PlanSlotSelection(slot, row).captions, &kStandardCaptions) << slot;
    for (int slot : {5, 6})
        EXPECT_EQ(PlanSlotSelection(slot, row).captions, &kEqualPrincipalCaptions) << slot;
    for (int slot : {7, 8})
        EXPECT_EQ(PlanSlotSelection(slot, row).captions, &kBankCaptions) << slot;
}

TEST(SlotSelection, SecondRateRowByStoredPeriod)
{
    struct Case {
        const char* period;
        SecondRateRow row;
    };
    const Case cases[] = {
        {"10", SecondRateRow::Hide}, {"15", SecondRateRow::Show}, {"10.9", SecondRateRow::Hide},
        {"11", SecondRateRow::Show}, {"5", SecondRateRow::Hide},  {"7a", SecondRateRow::Hide},
        {"x", SecondRateRow::Hide},  {"1e300", SecondRateRow::Show},
    };
    for (const Case& c : cases) {
        for (int slot : {1, 5}) {
            const SlotSelectionPlan plan = PlanSlotSelection(slot, RowWithPeriod(c.period));
            EXPECT_EQ(plan.secondRate, c.row) << c.period;
            EXPECT_TRUE(plan.recall);
        }
    }
}

TEST(SlotSelection, EmptyPeriodShowsTheRowAndRecallsNothing)
{
    for (int slot = 1; slot <= 6; ++slot) {
        const SlotSelectionPlan plan = PlanSlotSelection(slot, Snapshot{});
        EXPECT_EQ(plan.secondRate, SecondRateRow::Show);
        EXPECT_FALSE(plan.recall);
    }
}

TEST(SlotSelection, BankSlotsHideTheRowAndAlwaysRecall)
{
    for (int slot : {7, 8}) {
        for (const Snapshot& row : {Snapshot{}, RowWithPeriod("35", BankOther)}) {
            const SlotSelectionPlan plan = PlanSlotSelection(slot, row);
            EXPECT_EQ(plan.secondRate, SecondRateRow::Hide);
            EXPECT_TRUE(plan.recall);
        }
    }
}

} // namespace
} // namespace hn
