// SPDX-License-Identifier: GPL-3.0-or-later
// Palette arithmetic, part geometry and drawing recipes of the drawn option and toggle
// buttons, without a window.
#include "controls/DrawnButtonGeometry.h"
#include "controls/DrawnPalette.h"
#include "controls/DrawnRecipes.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

TEST(DrawnPalette, OptionMidAndDarkMixHalveWithFloor)
{
    const DrawnPalette p = MakeOptionPalette({ColorRef::Rgb(255, 255, 255), ColorRef::Rgb(227, 227, 227),
                                              ColorRef::Rgb(212, 208, 200), ColorRef::Rgb(128, 128, 128),
                                              ColorRef::Rgb(65, 65, 65)});
    EXPECT_EQ(p.mid, ColorRef::Rgb(170, 168, 164));
    // 65 - 128 = -63; the floor of -31.5 is -32, not the truncated -31.
    EXPECT_EQ(p.darkMix, ColorRef::Rgb(96, 96, 96));
    EXPECT_EQ(p.highlight, ColorRef::Rgb(255, 255, 255));
    EXPECT_EQ(p.light, ColorRef::Rgb(227, 227, 227));
    EXPECT_EQ(p.face, ColorRef::Rgb(212, 208, 200));
    EXPECT_EQ(p.shadow, ColorRef::Rgb(128, 128, 128));
    EXPECT_EQ(p.dark, ColorRef::Rgb(65, 65, 65));
}

TEST(DrawnPalette, HalvingIsPerChannelAndRoundsTowardsTheTarget)
{
    // Odd differences: +3 halves to +1, -3 halves to -2, and channels never borrow.
    EXPECT_EQ(HalfwayFloor(ColorRef::Rgb(10, 13, 0), ColorRef::Rgb(13, 10, 255)), ColorRef::Rgb(11, 11, 127));
    EXPECT_EQ(HalfwayFloor(ColorRef::Rgb(0, 255, 1), ColorRef::Rgb(255, 0, 0)), ColorRef::Rgb(127, 127, 0));
}

TEST(DrawnPalette, PressedOptionDarkensFiveColoursAndKeepsTheRest)
{
    const DrawnPalette p = MakeOptionPalette({ColorRef::Rgb(255, 255, 255), ColorRef::Rgb(227, 227, 227),
                                              ColorRef::Rgb(212, 208, 200), ColorRef::Rgb(128, 128, 128),
                                              ColorRef::Rgb(65, 65, 65)});
    const DrawnPalette d = DarkenPressedOption(p);
    EXPECT_EQ(d.face, ColorRef::Rgb(172, 168, 160));
    EXPECT_EQ(d.shadow, ColorRef::Rgb(88, 88, 88));
    EXPECT_EQ(d.highlight, ColorRef::Rgb(215, 215, 215));
    EXPECT_EQ(d.mid, ColorRef::Rgb(130, 128, 124));
    EXPECT_EQ(d.light, ColorRef::Rgb(187, 187, 187));
    EXPECT_EQ(d.dark, p.dark);
    EXPECT_EQ(d.darkMix, p.darkMix);
}

TEST(DrawnPalette, PressedDarkeningStopsAtZeroAndLeavesTheSourceIntact)
{
    const DrawnPalette p = MakeOptionPalette({ColorRef::Rgb(39, 50, 0), ColorRef::Rgb(20, 20, 20),
                                              ColorRef::Rgb(30, 20, 10), ColorRef::Rgb(12, 8, 4),
                                              ColorRef::Rgb(0, 0, 0)});
    const DrawnPalette before = p;
    const DrawnPalette d = DarkenPressedOption(p);
    EXPECT_EQ(d.face, ColorRef::Rgb(0, 0, 0));
    EXPECT_EQ(d.highlight, ColorRef::Rgb(0, 10, 0));
    EXPECT_EQ(p, before);
}

TEST(DrawnPalette, ToggleShadesAreFaceMoreOrLess51Clamped)
{
    const DrawnPalette p =
        MakeTogglePalette(ColorRef::Rgb(255, 64, 64), ColorRef::Rgb(128, 128, 128), ColorRef::Rgb(0, 0, 0));
    EXPECT_EQ(p.light, ColorRef::Rgb(255, 115, 115));
    EXPECT_EQ(p.mid, ColorRef::Rgb(204, 13, 13));
    EXPECT_EQ(p.face, ColorRef::Rgb(255, 64, 64));
    EXPECT_EQ(p.shadow, ColorRef::Rgb(128, 128, 128));
    EXPECT_EQ(p.dark, ColorRef::Rgb(0, 0, 0));

    const DrawnPalette held =
        MakePressedTogglePalette(ColorRef::Rgb(255, 64, 64), ColorRef::Rgb(128, 128, 128), ColorRef::Rgb(0, 0, 0));
    EXPECT_EQ(held.face, ColorRef::Rgb(204, 13, 13));
    EXPECT_EQ(held.light, ColorRef::Rgb(255, 64, 64));
    EXPECT_EQ(held.mid, ColorRef::Rgb(153, 0, 0));

    const DrawnPalette low =
        MakePressedTogglePalette(ColorRef::Rgb(50, 30, 60), ColorRef::Rgb(128, 128, 128), ColorRef::Rgb(0, 0, 0));
    EXPECT_EQ(low.face, ColorRef::Rgb(0, 0, 9));
}

TEST(DrawnPalette, ToggleBuildsNoHighlightOrDarkMixPen)
{
    const DrawnPalette p =
        MakeTogglePalette(ColorRef::Rgb(255, 64, 64), ColorRef::Rgb(128, 128, 128), ColorRef::Rgb(0, 0, 0));
    const DrawnPens toggle(p, DrawnKind::Toggle);
    EXPECT_FALSE(toggle.Has(DrawnPen::Highlight));
    EXPECT_FALSE(toggle.Has(DrawnPen::DarkMix));
    EXPECT_EQ(toggle.Colour(DrawnPen::Mid), ColorRef::Rgb(204, 13, 13));

    const DrawnPens option(p, DrawnKind::Option);
    EXPECT_TRUE(option.Has(DrawnPen::Highlight));
    EXPECT_TRUE(option.Has(DrawnPen::DarkMix));
}

TEST(DrawnGeometry, BulletTopFollowsTheControlHeight)
{
    EXPECT_EQ(BulletRect(15).top, 0);
    EXPECT_EQ(BulletRect(16), (DrawnRect{1, 1, 13, 13}));
    EXPECT_EQ(BulletRect(17).top, 1);
    EXPECT_EQ(BulletRect(20).top, 3);
    // Lower than the ball: the floor keeps moving it up by whole pixels.
    EXPECT_EQ(BulletRect(11).top, -2);
    EXPECT_EQ(BulletRect(9).top, -3);
}

TEST(DrawnGeometry, CaptionStartsAt17AndCentresWithFloor)
{
    EXPECT_EQ(CaptionRect(15, 60, 12), (DrawnRect{17, 0, 77, 12}));
    EXPECT_EQ(CaptionRect(15, 60, 14), (DrawnRect{17, -1, 77, 13}));
    EXPECT_EQ(CaptionRect(10, 5, 13), (DrawnRect{17, -3, 22, 10}));
}

TEST(DrawnGeometry, FocusFrameGrowsAndIsClipped)
{
    const DrawnRect item{0, 0, 75, 15};
    EXPECT_EQ(FocusFrameRect({17, 1, 60, 13}, item), (DrawnRect{16, 0, 61, 15}));
    EXPECT_EQ(FocusFrameRect({17, -1, 80, 13}, item), (DrawnRect{16, 0, 75, 15}));
}

TEST(DrawnGeometry, ToggleOriginFloorsNegativeHalves)
{
    EXPECT_EQ(ToggleTriangleTop(12), 0);
    EXPECT_EQ(ToggleTriangleTop(13), 1);
    EXPECT_EQ(ToggleTriangleTop(10), -1);
    EXPECT_EQ(ToggleTriangleTop(8), -2);
    EXPECT_EQ(ToggleTriangleLeft(0), 10);
}

TEST(DrawnRecipes, SunkenBallIsThePointReflectionOfTheRaisedOne)
{
    const DrawnRecipe& sunken = SunkenBallShading();
    ASSERT_EQ(sunken.size(), RaisedBallShading().size());
    // The first light line as the description of the sunken ball gives it.
    EXPECT_EQ(sunken.front().pen, DrawnPen::Light);
    EXPECT_EQ(sunken.front().points, (std::vector<RecipePoint>{{10, 5}, {10, 7}, {7, 10}, {4, 10}}));
    // Reflecting twice gives the raised ball back.
    const DrawnRecipe twice = PointReflected(sunken, kBulletReflectionSum);
    for (std::size_t i = 0; i < twice.size(); ++i) {
        EXPECT_EQ(twice[i].pen, RaisedBallShading()[i].pen);
        EXPECT_EQ(twice[i].points, RaisedBallShading()[i].points);
    }
}

} // namespace
} // namespace hn
