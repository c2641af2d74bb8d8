// SPDX-License-Identifier: GPL-3.0-or-later
// The gauge bar as a widget: the tube at its positions, the stripes and their timer.
#include "controls/CGaugeBar.h"
#include "tests/controls/HoverGaugeLabelPalette.h"

#include <QAbstractEventDispatcher>
#include <QTimerEvent>

namespace hn {
namespace {

using namespace hn::test;

constexpr ColorRef kBlue = ColorRef::Rgb(100, 100, 255);

class GaugeBarTest : public FixedPaletteTest {
protected:
    void SetUp() override
    {
        FixedPaletteTest::SetUp();
        gauge = std::make_unique<CGaugeBar>();
        gauge->resize(160, 13);
        gauge->SetRange(0, 40);
        gauge->SetBarColor(kBlue);
    }
    void TearDown() override
    {
        gauge.reset();
        FixedPaletteTest::TearDown();
    }
    void Tick()
    {
        QTimerEvent tick(gauge->AnimationTimerId());
        QCoreApplication::sendEvent(gauge.get(), &tick);
    }
    int TimersOfGauge() const
    {
        return static_cast<int>(QAbstractEventDispatcher::instance()->registeredTimers(gauge.get()).size());
    }

    std::unique_ptr<CGaugeBar> gauge;
};

// One row of the image as a list of colours.
std::vector<ColorRef> Row(const QImage& img, int y, int from, int to)
{
    std::vector<ColorRef> row;
    for (int x = from; x < to; ++x)
        row.push_back(PixelAt(img, x, y));
    return row;
}

int CountOf(const QImage& img, ColorRef c)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += PixelAt(img, x, y) == c;
    return n;
}

TEST_F(GaugeBarTest, TakesTheSystemColoursAndHoldsThePositionInItsRange)
{
    CGaugeBar fresh;
    EXPECT_EQ(fresh.GetBarColor(), kSelection);
    EXPECT_EQ(fresh.GetPos(), 0);
    EXPECT_EQ(gauge->Shades().shadow, kShadow);
    EXPECT_EQ(gauge->Shades().dkShadow, kDkShadow);
    EXPECT_EQ(gauge->Shades().midShadow, ColorRef::Rgb(85, 84, 82));
    EXPECT_EQ(gauge->SetPos(15), 0);
    EXPECT_EQ(gauge->SetPos(100), 15);
    EXPECT_EQ(gauge->GetPos(), 40);
    gauge->SetPos(-7);
    EXPECT_EQ(gauge->GetPos(), 0);
    int lower = -1, upper = -1;
    gauge->GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 40);
}

TEST_F(GaugeBarTest, AtTheLowerBoundOnlyTheFaceShows)
{
    gauge->SetPos(0);
    const QImage img = Snapshot(*gauge);
    EXPECT_EQ(CountOf(img, kFace), 160 * 13);
}

TEST_F(GaugeBarTest, PartWayTheTubeEndsWithItsTwoShadowColumns)
{
    gauge->SetPos(15); // 15 × 160 / 40: the bar's right edge is x = 60
    const QImage img = Snapshot(*gauge);
    const GaugeShades& s = gauge->Shades();
    // A middle row, from the dark left edge through the light fill to the shadows.
    const std::vector<ColorRef> middle = Row(img, 6, 0, 63);
    EXPECT_EQ(middle[0], s.base);
    EXPECT_EQ(middle[1], s.light3);
    EXPECT_EQ(middle[30], s.light3);
    EXPECT_EQ(middle[56], s.light3);
    EXPECT_EQ(middle[57], s.light2);
    EXPECT_EQ(middle[58], s.dark1);
    EXPECT_EQ(middle[59], s.dark2);
    EXPECT_EQ(middle[60], s.midShadow);
    EXPECT_EQ(middle[61], s.shadow);
    EXPECT_EQ(middle[62], kFace);
    // The horizontal bands from the top edge down to the bottom edge, at x = 30.
    const ColorRef column[13] = {s.dark1, s.base, s.light1, s.light2, s.light3, s.light3, s.light3,
                                 s.light3, s.light2, s.light1, s.base, s.dark1, s.dark2};
    for (int y = 0; y < 13; ++y)
        EXPECT_EQ(PixelAt(img, 30, y), column[y]) << "y = " << y;
    // The rounded-off left end.
    EXPECT_EQ(PixelAt(img, 0, 0), s.base);
    EXPECT_EQ(PixelAt(img, 1, 0), s.base);
    EXPECT_EQ(PixelAt(img, 1, 1), s.light1);
    EXPECT_EQ(PixelAt(img, 1, 12), s.dark1);
    EXPECT_EQ(PixelAt(img, 0, 12), s.base);
    EXPECT_EQ(PixelAt(img, 59, 0), s.dark1);
    EXPECT_EQ(CountOf(img, kFace), (160 - 62) * 13);
}

TEST_F(GaugeBarTest, AtTheUpperBoundTheBarFillsTheWidthAndTheShadowsFallOutside)
{
    gauge->SetPos(40);
    const QImage img = Snapshot(*gauge);
    const GaugeShades& s = gauge->Shades();
    EXPECT_EQ(CountOf(img, kFace), 0);
    EXPECT_EQ(CountOf(img, s.midShadow), 0);
    EXPECT_EQ(CountOf(img, s.shadow), 0);
    EXPECT_EQ(PixelAt(img, 159, 6), s.dark2);
    EXPECT_EQ(PixelAt(img, 158, 6), s.dark1);
    // Beyond the range the control holds the position at the bound: the same picture.
    gauge->SetPos(55);
    EXPECT_EQ(Snapshot(*gauge), img);
}

TEST_F(GaugeBarTest, AVerticalGaugeGrowsUpwardsAsASymmetricTube)
{
    gauge->setOrientation(Qt::Vertical);
    gauge->resize(13, 160);
    gauge->SetPos(15); // bar from y = 100 down
    const QImage img = Snapshot(*gauge);
    const GaugeShades& s = gauge->Shades();
    EXPECT_EQ(PixelAt(img, 6, 99), kFace);
    const ColorRef row[13] = {s.dark1, s.base, s.light1, s.light2, s.light3, s.light3, s.light3,
                              s.light3, s.light2, s.light1, s.base, s.dark1, s.dark2};
    for (int x = 0; x < 13; ++x)
        EXPECT_EQ(PixelAt(img, x, 130), row[x]) << "x = " << x;
    EXPECT_EQ(PixelAt(img, 6, 100), s.base);
    EXPECT_EQ(PixelAt(img, 6, 159), s.dark2);
    EXPECT_EQ(CountOf(img, s.shadow), 0) << "no shadow lines on a vertical bar";
}

TEST_F(GaugeBarTest, AVeryShortVerticalBarIsAnOutlinedBlock)
{
    gauge->setOrientation(Qt::Vertical);
    gauge->resize(13, 160);
    gauge->SetRange(0, 160);
    gauge->SetPos(3);
    const QImage img = Snapshot(*gauge);
    const GaugeShades& s = gauge->Shades();
    EXPECT_EQ(PixelAt(img, 6, 156), kFace);
    EXPECT_EQ(PixelAt(img, 6, 157), s.dark1);
    EXPECT_EQ(PixelAt(img, 6, 158), s.base);
    EXPECT_EQ(PixelAt(img, 0, 158), s.dark1);
    EXPECT_EQ(PixelAt(img, 12, 158), s.dark1);
    EXPECT_EQ(PixelAt(img, 6, 159), s.dark1);
}

TEST_F(GaugeBarTest, AnimationCoversTheControlAndStepsOnePixelRightPerTick)
{
    gauge->SetPos(0);
    gauge->SetAnimate(true);
    const QImage before = Snapshot(*gauge);
    EXPECT_EQ(CountOf(before, kFace), 0) << "the position is ignored while animating";
    EXPECT_GT(CountOf(before, gauge->Shades().dark2), 0);
    EXPECT_GT(CountOf(before, gauge->Shades().light3), 0);
    Tick();
    EXPECT_EQ(gauge->GetAnimOffset(), 1);
    const QImage after = Snapshot(*gauge);
    ASSERT_NE(after, before);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x + 1 < 160; ++x)
            ASSERT_EQ(PixelAt(after, x + 1, y), PixelAt(before, x, y)) << x << "," << y;
    // Twenty ticks make one period: back to the first picture.
    for (int i = 1; i < 20; ++i)
        Tick();
    EXPECT_EQ(gauge->GetAnimOffset(), 0);
    EXPECT_EQ(Snapshot(*gauge), before);
}

TEST_F(GaugeBarTest, TheTimerRunsOnlyWhileAnimatingAndIsReArmedEachTick)
{
    EXPECT_FALSE(gauge->IsAnimationTimerActive());
    EXPECT_EQ(TimersOfGauge(), 0);
    gauge->SetAnimate(true);
    EXPECT_TRUE(gauge->IsAnimationTimerActive());
    const auto timers = QAbstractEventDispatcher::instance()->registeredTimers(gauge.get());
    ASSERT_EQ(timers.size(), 1);
    EXPECT_EQ(timers.front().interval, CGaugeBar::kAnimIntervalMs);
    Tick();
    EXPECT_TRUE(gauge->IsAnimationTimerActive());
    EXPECT_EQ(TimersOfGauge(), 1);
    // A timer event that is not the animation's changes nothing.
    QTimerEvent other(gauge->AnimationTimerId() + 1000);
    QCoreApplication::sendEvent(gauge.get(), &other);
    EXPECT_EQ(gauge->GetAnimOffset(), 1);
    gauge->SetAnimate(false);
    EXPECT_FALSE(gauge->IsAnimationTimerActive());
    EXPECT_EQ(TimersOfGauge(), 0);
}

TEST_F(GaugeBarTest, SwitchingAnimationOnResetsTheOffsetAndOffShowsThePositionAgain)
{
    gauge->SetPos(15);
    const QImage still = Snapshot(*gauge);
    gauge->SetAnimate(true);
    Tick();
    Tick();
    Tick();
    EXPECT_EQ(gauge->GetAnimOffset(), 3);
    gauge->SetAnimate(true);
    EXPECT_EQ(gauge->GetAnimOffset(), 0);
    gauge->SetAnimate(false);
    EXPECT_EQ(Snapshot(*gauge), still);
}

TEST_F(GaugeBarTest, ABarColourTakesEffectInEitherMode)
{
    gauge->SetPos(40);
    gauge->SetBarColor(ColorRef::Rgb(255, 204, 0));
    EXPECT_EQ(gauge->Shades().light1, ColorRef::Rgb(255, 255, 51));
    EXPECT_EQ(PixelAt(Snapshot(*gauge), 30, 6), ColorRef::Rgb(255, 255, 153));
    gauge->SetAnimate(true);
    gauge->SetBarColor(ColorRef::Rgb(254, 71, 99));
    EXPECT_GT(CountOf(Snapshot(*gauge), gauge->Shades().dark2), 0);
    EXPECT_EQ(CountOf(Snapshot(*gauge), ColorRef::Rgb(255, 255, 153)), 0);
}

TEST_F(GaugeBarTest, ABorderedGaugeDrawsInsideItsFrame)
{
    gauge->SetBorder(true);
    gauge->SetPos(40);
    const QImage img = Snapshot(*gauge);
    const GaugeShades& s = gauge->Shades();
    EXPECT_EQ(PixelAt(img, 0, 6), kWindowText);
    EXPECT_EQ(PixelAt(img, 159, 6), kWindowText);
    EXPECT_EQ(PixelAt(img, 80, 0), kWindowText);
    EXPECT_EQ(PixelAt(img, 80, 12), kWindowText);
    EXPECT_EQ(PixelAt(img, 1, 6), s.base);
    EXPECT_EQ(PixelAt(img, 158, 6), s.dark2);
    EXPECT_EQ(CountOf(img, s.shadow), 0);
}

} // namespace
} // namespace hn
