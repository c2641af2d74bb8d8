// SPDX-License-Identifier: GPL-3.0-or-later
// The gauge under the slots: its colour bands and position.
#include "summary/SummaryTotals.h"

#include <gtest/gtest.h>
#include <limits>

namespace hn {
namespace {

TEST(RatioBand, ColourBandsAndTheirEdges)
{
    EXPECT_EQ(RatioBarColor(16.99), ColorRef::Rgb(100, 100, 255));
    EXPECT_EQ(RatioBarColor(-3), ColorRef::Rgb(100, 100, 255));
    EXPECT_EQ(RatioBarColor(17.0), ColorRef::Rgb(240, 240, 25));
    EXPECT_EQ(RatioBarColor(22.999), ColorRef::Rgb(240, 240, 25));
    EXPECT_EQ(RatioBarColor(23.0), ColorRef::Rgb(254, 71, 99));
}

TEST(RatioBand, GaugePositionTruncatesAndHoldsAtTheIntEnds)
{
    EXPECT_EQ(RatioGaugePosition(15.83), 15);
    EXPECT_EQ(RatioGaugePosition(40.12), 40);
    EXPECT_EQ(RatioGaugePosition(-0.5), 0);
    EXPECT_EQ(RatioGaugePosition(-1.5), -1);
    EXPECT_EQ(RatioGaugePosition(1e12), std::numeric_limits<int>::max());
    EXPECT_EQ(RatioGaugePosition(-1e12), std::numeric_limits<int>::min());
    EXPECT_EQ(RatioGaugePosition(std::numeric_limits<double>::quiet_NaN()), 0);
}

} // namespace
} // namespace hn
