// SPDX-License-Identifier: GPL-3.0-or-later
// When a drawn button looks pushed and when letting go clicks, without a window.
#include "controls/PressTracker.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

constexpr bool kInside = true, kOutside = false;

TEST(PressTracking, APressThatEndsOverTheControlClicksAndSlidingOffUnpushes)
{
    PressTracker t;
    EXPECT_TRUE(t.OnLeftPress());
    EXPECT_TRUE(t.IsPushed());
    EXPECT_TRUE(t.IsCaptured());
    EXPECT_FALSE(t.OnPointerMove(kInside)) << "no redraw when nothing changes";
    EXPECT_TRUE(t.OnPointerMove(kOutside));
    EXPECT_FALSE(t.IsPushed());
    EXPECT_TRUE(t.OnPointerMove(kInside)) << "coming back while held pushes again";
    EXPECT_TRUE(t.OnLeftRelease(kInside));
    EXPECT_FALSE(t.IsCaptured());
    EXPECT_TRUE(t.IsPushed()) << "the widget clears the look around its click";
    EXPECT_TRUE(t.Unpush());
    EXPECT_FALSE(t.Unpush());
}

TEST(PressTracking, OnlyAPressThatStartedHereCanClick)
{
    PressTracker t;
    EXPECT_FALSE(t.OnPointerMove(kInside)) << "moves without a press here are not ours";
    EXPECT_FALSE(t.IsPushed());
    EXPECT_FALSE(t.OnLeftRelease(kInside)) << "a release without a press here";

    t.OnLeftPress();
    EXPECT_FALSE(t.OnLeftRelease(kOutside)) << "released away from the control";
    EXPECT_FALSE(t.IsCaptured());
    t.Unpush();
    EXPECT_FALSE(t.OnLeftRelease(kInside)) << "the capture ended with the first release";
}

TEST(PressTracking, SpaceClicksOnceWhenItComesUpAndFocusLossDropsIt)
{
    PressTracker t;
    EXPECT_FALSE(t.OnSpaceUp()) << "a Space that went down elsewhere";
    EXPECT_TRUE(t.OnSpaceDown());
    EXPECT_FALSE(t.OnSpaceDown()) << "held: already pushed";
    EXPECT_TRUE(t.OnSpaceUp());
    EXPECT_FALSE(t.OnSpaceUp());

    t.Unpush();
    t.OnSpaceDown();
    EXPECT_TRUE(t.OnFocusLost());
    EXPECT_FALSE(t.IsPushed());
    EXPECT_FALSE(t.OnSpaceUp()) << "dropped with the focus, not clicked";
    EXPECT_FALSE(t.OnFocusLost());
}

TEST(PressTracking, TheMouseKeepsTheLookWhenSpaceIsDropped)
{
    PressTracker t;
    t.OnLeftPress();
    EXPECT_FALSE(t.OnSpaceDown());
    EXPECT_FALSE(t.OnFocusLost()) << "the mouse still holds the control";
    EXPECT_TRUE(t.IsPushed());
    EXPECT_FALSE(t.UnpushUnlessCaptured());
    EXPECT_TRUE(t.OnLeftRelease(kInside));
    EXPECT_TRUE(t.UnpushUnlessCaptured());
}

} // namespace
} // namespace hn
