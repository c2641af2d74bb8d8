// SPDX-License-Identifier: GPL-3.0-or-later
// Gauge colour arithmetic and bar geometry, without a window.
#include "controls/GaugeGeometry.h"
#include "controls/GaugeShades.h"

#include <climits>
#include <gtest/gtest.h>
#include <ostream>

namespace hn {
inline void PrintTo(ColorRef c, std::ostream* os)
{
    *os << '(' << c.Red() << ", " << c.Green() << ", " << c.Blue() << ')';
}

namespace {

TEST(GaugeShadeArithmetic, LightenStopsAChannelThatWouldPassWhiteInsteadOfClamping)
{
    EXPECT_EQ(Lighten(ColorRef::Rgb(204, 205, 0), 51), ColorRef::Rgb(255, 205, 51));
    EXPECT_EQ(Lighten(ColorRef::Rgb(255, 255, 255), 51), ColorRef::Rgb(255, 255, 255));
}

TEST(GaugeShadeArithmetic, DarkenStopsAChannelThatWouldGoBelowBlackInsteadOfClamping)
{
    EXPECT_EQ(Darken(ColorRef::Rgb(51, 50, 255), 51), ColorRef::Rgb(0, 50, 204));
    EXPECT_EQ(Darken(ColorRef::Rgb(0, 0, 0), 51), ColorRef::Rgb(0, 0, 0));
}

TEST(GaugeShadeArithmetic, BlueRatioColourGivesTheListedTones)
{
    const GaugeShades s = MakeGaugeShades(ColorRef::Rgb(100, 100, 255), ColorRef::Rgb(128, 128, 128),
                                          ColorRef::Rgb(64, 64, 64));
    EXPECT_EQ(s.base, ColorRef::Rgb(100, 100, 255));
    EXPECT_EQ(s.light1, ColorRef::Rgb(151, 151, 255));
    EXPECT_EQ(s.light2, ColorRef::Rgb(202, 202, 255));
    EXPECT_EQ(s.light3, ColorRef::Rgb(253, 253, 255));
    EXPECT_EQ(s.dark1, ColorRef::Rgb(49, 49, 204));
    // Red and green are below 51 after one step and stay.
    EXPECT_EQ(s.dark2, ColorRef::Rgb(49, 49, 153));
}

TEST(GaugeShadeArithmetic, AmberKeepsItsSaturatedRed)
{
    const GaugeShades s = MakeGaugeShades(ColorRef::Rgb(255, 204, 0), ColorRef::Rgb(128, 128, 128),
                                          ColorRef::Rgb(64, 64, 64));
    EXPECT_EQ(s.light1, ColorRef::Rgb(255, 255, 51));
    EXPECT_EQ(s.light2, ColorRef::Rgb(255, 255, 102));
    EXPECT_EQ(s.light3, ColorRef::Rgb(255, 255, 153));
    EXPECT_EQ(s.dark1, ColorRef::Rgb(204, 153, 0));
    EXPECT_EQ(s.dark2, ColorRef::Rgb(153, 102, 0));
}

TEST(GaugeShadeArithmetic, MidShadowIsTheChannelMeanRoundedDown)
{
    const GaugeShades s = MakeGaugeShades(ColorRef::Rgb(1, 2, 3), ColorRef::Rgb(131, 128, 255),
                                          ColorRef::Rgb(40, 41, 0));
    EXPECT_EQ(s.shadow, ColorRef::Rgb(131, 128, 255));
    EXPECT_EQ(s.dkShadow, ColorRef::Rgb(40, 41, 0));
    EXPECT_EQ(s.midShadow, ColorRef::Rgb(85, 84, 127));
}

TEST(GaugeBarGeometry, BarLengthFollowsThePositionTruncated)
{
    EXPECT_EQ(GaugeBarLength(0, 0, 40, 160), 0);
    EXPECT_EQ(GaugeBarLength(15, 0, 40, 160), 60);
    EXPECT_EQ(GaugeBarLength(40, 0, 40, 160), 160);
    // 15 × 159 / 40 = 59.625 and 39 × 159 / 40 = 155.025: truncated, not rounded.
    EXPECT_EQ(GaugeBarLength(15, 0, 40, 159), 59);
    EXPECT_EQ(GaugeBarLength(39, 0, 40, 159), 155);
    // A lower bound other than zero counts from it.
    EXPECT_EQ(GaugeBarLength(30, 20, 40, 100), 50);
}

TEST(GaugeBarGeometry, PositionsOutsideTheRangeAreHeldAtItsEnds)
{
    EXPECT_EQ(GaugeBarLength(100, 0, 40, 160), 160);
    EXPECT_EQ(GaugeBarLength(-1, 0, 40, 160), 0);
    EXPECT_EQ(ClampGaugePos(41, 0, 40), 40);
    EXPECT_EQ(ClampGaugePos(-3, 0, 40), 0);
    EXPECT_EQ(ClampGaugePos(7, 0, 40), 7);
}

TEST(GaugeBarGeometry, DegenerateRangesShowNoBarAndExtremeOnesDoNotOverflow)
{
    EXPECT_EQ(GaugeBarLength(5, 5, 5, 160), 0);
    EXPECT_EQ(GaugeBarLength(5, 10, 0, 160), 0);
    EXPECT_EQ(GaugeBarLength(5, 0, 40, 0), 0);
    EXPECT_EQ(GaugeBarLength(INT_MAX, INT_MIN, INT_MAX, 160), 160);
    EXPECT_EQ(GaugeBarLength(0, INT_MIN, INT_MAX, 160), 80);
}

TEST(GaugeBarGeometry, StripeOffsetRunsZeroToNineteenAndWraps)
{
    EXPECT_EQ(NextAnimOffset(0), 1);
    EXPECT_EQ(NextAnimOffset(18), 19);
    EXPECT_EQ(NextAnimOffset(19), 0);
}

} // namespace
} // namespace hn
