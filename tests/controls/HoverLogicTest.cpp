// SPDX-License-Identifier: GPL-3.0-or-later
// When the flat hover button lights and where its icon goes, without a window.
#include "controls/HoverFrame.h"
#include "controls/HoverTracker.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

constexpr bool kInside = true, kOutside = false;
constexpr bool kHeld = true, kFree = false;
constexpr bool kActive = true, kInactive = false;

TEST(HoverTracking, LightsOverTheButtonOnlyWhileTheProgramIsActive)
{
    HoverTracker t;
    EXPECT_FALSE(t.OnPointerMove(kInside, kFree, kInactive));
    EXPECT_FALSE(t.IsLit());
    // Once the program is active, the next move over the button lights it.
    EXPECT_TRUE(t.OnPointerMove(kInside, kFree, kActive));
    EXPECT_TRUE(t.IsLit());
    EXPECT_FALSE(t.OnPointerMove(kInside, kFree, kActive)) << "no redraw when nothing changes";
    EXPECT_TRUE(t.OnPointerLeave());
    EXPECT_FALSE(t.IsLit());
    EXPECT_FALSE(t.OnPointerLeave());
}

TEST(HoverTracking, DraggingInWithTheButtonHeldDoesNotLight)
{
    HoverTracker t;
    EXPECT_FALSE(t.OnPointerMove(kInside, kHeld, kActive));
    EXPECT_FALSE(t.IsLit());
    // After the release the next move lights it.
    EXPECT_TRUE(t.OnPointerMove(kInside, kFree, kActive));
}

TEST(HoverTracking, HoldingAndLeavingTurnsItOffAndComingBackHeldKeepsItOff)
{
    HoverTracker t;
    t.OnPointerMove(kInside, kFree, kActive);
    EXPECT_FALSE(t.OnPointerMove(kInside, kHeld, kActive)) << "pressing keeps it lit";
    EXPECT_TRUE(t.IsLit());
    EXPECT_TRUE(t.OnPointerMove(kOutside, kHeld, kActive));
    EXPECT_FALSE(t.IsLit());
    EXPECT_FALSE(t.OnPointerMove(kInside, kHeld, kActive));
    EXPECT_FALSE(t.IsLit());
}

TEST(HoverTracking, FocusLossDropsTheLitLook)
{
    HoverTracker t;
    t.OnPointerMove(kInside, kFree, kActive);
    EXPECT_TRUE(t.OnFocusLost());
    EXPECT_FALSE(t.IsLit());
    EXPECT_FALSE(t.OnFocusLost());
}

TEST(HoverTracking, ADisabledButtonIsNeverLit)
{
    HoverTracker t;
    EXPECT_FALSE(t.SetEnabled(false));
    EXPECT_FALSE(t.OnPointerMove(true, false, true));
    EXPECT_FALSE(t.IsLit());
    EXPECT_FALSE(t.SetEnabled(true));
    EXPECT_TRUE(t.OnPointerMove(true, false, true));
    EXPECT_TRUE(t.SetEnabled(false)) << "disabling a lit button redraws it at rest";
    EXPECT_FALSE(t.IsLit());
}

TEST(HoverTracking, ANonFlatButtonNeverLights)
{
    HoverTracker t;
    t.SetFlat(false);
    EXPECT_FALSE(t.OnPointerMove(kInside, kFree, kActive));
    EXPECT_FALSE(t.IsLit());
}

TEST(HoverLook, IconIsCentredWithTruncatingHalvesAndMovesWhenPressed)
{
    // An odd width: (63 - 16) / 2 = 23.5 gives 23.
    IconOrigin o = CentredIconOrigin(0, 0, 63, 24, 16, 16, false);
    EXPECT_EQ(o.x, 23);
    EXPECT_EQ(o.y, 4);
    o = CentredIconOrigin(0, 0, 63, 24, 16, 16, true);
    EXPECT_EQ(o.x, 24);
    EXPECT_EQ(o.y, 5);
    // An icon as tall as the button sits at its top.
    o = CentredIconOrigin(0, 0, 18, 16, 16, 16, false);
    EXPECT_EQ(o.x, 1);
    EXPECT_EQ(o.y, 0);
    // An icon wider than the button: -5 / 2 truncates to -2, not -3.
    o = CentredIconOrigin(0, 0, 11, 16, 16, 16, false);
    EXPECT_EQ(o.x, -2);
    // A rectangle that does not start at 0.
    o = CentredIconOrigin(10, 20, 41, 44, 16, 16, false);
    EXPECT_EQ(o.x, 17);
    EXPECT_EQ(o.y, 24);
}

} // namespace
} // namespace hn
