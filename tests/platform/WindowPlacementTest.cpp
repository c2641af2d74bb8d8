// SPDX-License-Identifier: GPL-3.0-or-later
// Where a window opens, frame included: the rows are the screens and windows the program
// meets (1366 x 768 at 1x and at 1.5x, 1920 x 1080 at 2x, the smallest 1024 x 600).
#include "platform/WindowPlacement.h"

#include <gtest/gtest.h>
#include <ostream>
#include <random>

namespace hn {

void PrintTo(const FrameRect& r, std::ostream* out)
{
    *out << '{' << r.x << ", " << r.y << ", " << r.width << ", " << r.height << '}';
}

namespace {

// Openbox's default decorations: a 20-pixel title bar over a 1-pixel border, and a
// 5-pixel handle under a resizable window.
constexpr FrameMargins kOpenbox{1, 20, 1, 5};

struct Row {
    const char* what;
    PlacementRequest request;
    FrameRect expected;
};

TEST(WindowPlacement, Table)
{
    const FrameRect calc{480, 94, 406, 579};      // the calculator window at 1x, centred
    const FrameRect calcDense{244, 0, 422, 512};  // at 1.5x on 1366 x 768 (910 x 512)
    const Row rows[] = {
        {"alone: centred", {{0, 0, 1366, 768}, kOpenbox, 404, 554, 0, 0, {}}, {480, 94, 406, 579}},
        {"alone, taller than the screen: cut, title bar at the top",
         {{0, 0, 910, 512}, kOpenbox, 420, 700, 0, 0, {}}, {244, 0, 422, 512}},
        {"alone, below a top panel", {{0, 30, 1366, 738}, kOpenbox, 404, 554, 0, 0, {}}, {480, 109, 406, 579}},
        {"beside: right of the calculator, same top",
         {{0, 0, 2560, 1440}, kOpenbox, 1040, 680, 690, 400, {calc}}, {886, 94, 1042, 705}},
        {"beside: left where the right has no room",
         {{0, 0, 1920, 1080}, kOpenbox, 800, 600, 690, 400, {{1100, 50, 406, 579}}}, {298, 50, 802, 625}},
        {"beside: narrowed to the room on the right",
         {{0, 0, 1366, 768}, kOpenbox, 1040, 680, 690, 400, {{0, 94, 406, 579}}}, {406, 63, 960, 705}},
        {"beside the calculator and the summary together",
         {{0, 0, 1920, 1080}, kOpenbox, 1040, 680, 690, 400, {{0, 0, 406, 579}, {406, 0, 390, 579}}},
         {796, 0, 1042, 705}},
        {"no room beside: over them, their title bars in sight (1.5x)",
         {{0, 0, 910, 512}, kOpenbox, 1040, 680, 690, 400, {calcDense}}, {0, 20, 910, 492}},
        {"no room beside at 1024 x 600: flush with the side with more room",
         {{0, 0, 1024, 600}, kOpenbox, 900, 660, 690, 400, {{0, 0, 406, 600}, {406, 0, 390, 600}}},
         {122, 20, 902, 580}},
        {"over, but too little height below the title bars: as tall as it must be",
         {{0, 0, 1024, 600}, kOpenbox, 900, 660, 690, 590, {{0, 0, 406, 600}}}, {122, 0, 902, 600}},
        {"the calculator half off the left edge", {{0, 0, 1366, 768}, kOpenbox, 500, 400, 300, 300, {{-200, 100, 406, 579}}},
         {206, 100, 502, 425}},
        {"the calculator below the screen's bottom: the new window's top stays on it",
         {{0, 0, 1366, 768}, kOpenbox, 500, 400, 300, 300, {{0, 700, 406, 579}}}, {406, 343, 502, 425}},
        {"2x on 1920 x 1080 (960 x 540)",
         {{0, 0, 960, 540}, {1, 10, 1, 3}, 1040, 680, 690, 400, {{268, 15, 424, 513}}}, {0, 25, 960, 515}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PlaceWindow(row.request), row.expected) << row.what;
}

TEST(WindowPlacement, AlwaysWithinTheAvailableArea)
{
    std::mt19937 random(19);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int n = 0; n < 20000; ++n) {
        PlacementRequest r;
        r.available = {pick(-2000, 2000), pick(-100, 100), pick(640, 3840), pick(480, 2160)};
        r.frame = {pick(0, 8), pick(0, 40), pick(0, 8), pick(0, 8)};
        r.wantedWidth = pick(1, 4000);
        r.wantedHeight = pick(1, 3000);
        r.minWidth = pick(0, r.wantedWidth);
        r.minHeight = pick(0, r.wantedHeight);
        for (int k = pick(0, 3); k > 0; --k)
            r.others.push_back({r.available.x + pick(-800, r.available.width), r.available.y + pick(-200, r.available.height),
                                pick(100, 1000), pick(100, 1200)});
        const FrameRect placed = PlaceWindow(r);
        ASSERT_GE(placed.x, r.available.x) << n;
        ASSERT_GE(placed.y, r.available.y) << n;
        ASSERT_LE(placed.Right(), r.available.Right()) << n;
        ASSERT_LE(placed.Bottom(), r.available.Bottom()) << n;
        ASSERT_GT(placed.width, 0) << n;
        ASSERT_GT(placed.height, 0) << n;
        // Never larger than it asked to be.
        ASSERT_LE(placed.width, r.wantedWidth + r.frame.left + r.frame.right) << n;
        ASSERT_LE(placed.height, r.wantedHeight + r.frame.top + r.frame.bottom) << n;
    }
}

TEST(WindowPlacement, ClampAndFrameArithmetic)
{
    const FrameRect area{0, 0, 910, 512};
    EXPECT_EQ(ClampInto({300, -20, 400, 300}, area), (FrameRect{300, 0, 400, 300}));
    EXPECT_EQ(ClampInto({800, 400, 400, 300}, area), (FrameRect{510, 212, 400, 300}));
    EXPECT_EQ(ClampInto({-50, 10, 1200, 900}, area), (FrameRect{0, 0, 910, 512}));
    // Framed larger than guessed: a resizable window gives up the part beyond the edge,
    // a fixed one moves.
    EXPECT_EQ(KeepInside({324, 119, 1042, 653}, {0, 0, 1366, 768}, true), (FrameRect{324, 119, 1042, 649}));
    EXPECT_EQ(KeepInside({324, 119, 1042, 653}, {0, 0, 1366, 768}, false), (FrameRect{324, 115, 1042, 653}));
    EXPECT_EQ(KeepInside({-10, -20, 400, 300}, area, true), (FrameRect{0, 0, 400, 300}));
    EXPECT_EQ(KeepInside({700, 0, 400, 300}, area, true), (FrameRect{700, 0, 210, 300}));
    const FrameRect client{10, 30, 400, 500};
    EXPECT_EQ(OuterOf(client, kOpenbox), (FrameRect{9, 10, 402, 525}));
    EXPECT_EQ(ClientOf(OuterOf(client, kOpenbox), kOpenbox), client);
    // A box over its owner, kept on the screen when the owner is at an edge.
    EXPECT_EQ(CentreOver({100, 100, 406, 579}, 300, 200, area), (FrameRect{153, 289, 300, 200}));
    EXPECT_EQ(CentreOver({700, -100, 406, 300}, 300, 200, area), (FrameRect{610, 0, 300, 200}));
}

} // namespace
} // namespace hn
