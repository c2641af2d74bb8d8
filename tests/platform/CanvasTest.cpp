// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Canvas.h"
#include "platform/OffscreenPaint.h"

#include <QTest>
#include <QtMath>
#include <QWidget>
#include <gtest/gtest.h>

namespace hn {
namespace {

const ColorRef kWhite(0xFFFFFFu);
const ColorRef kRed = ColorRef::Rgb(255, 0, 0);
const ColorRef kBlue = ColorRef::Rgb(0, 0, 255);

QImage Blank(int w = 16, int h = 16)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int CountPixels(Canvas& c, int w, int h, ColorRef colour)
{
    int n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            n += c.GetPixel(x, y) == colour;
    return n;
}

TEST(Canvas, LinesLeaveOutTheirEndPoint)
{
    QImage image = Blank();
    Canvas c(image);
    c.SelectPen(kRed);
    c.MoveTo(2, 3);
    c.LineTo(6, 3); // horizontal: 2..5
    EXPECT_EQ(c.GetPixel(2, 3), kRed);
    EXPECT_EQ(c.GetPixel(5, 3), kRed);
    EXPECT_EQ(c.GetPixel(6, 3), kWhite);
    c.LineTo(6, 7); // vertical from the old end point, which it now draws
    EXPECT_EQ(c.GetPixel(6, 3), kRed);
    EXPECT_EQ(c.GetPixel(6, 6), kRed);
    EXPECT_EQ(c.GetPixel(6, 7), kWhite);
    EXPECT_EQ(c.CurrentPosition(), QPoint(6, 7));
}

TEST(Canvas, DiagonalLinesStepOnePixelPerRow)
{
    QImage image = Blank();
    Canvas c(image);
    c.SelectPen(kBlue);
    c.MoveTo(0, 4);
    c.LineTo(5, -1); // the corner-cut shape of the option bullet
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(c.GetPixel(k, 4 - k), kBlue) << k;
    EXPECT_EQ(CountPixels(c, 16, 16, kBlue), 5);
}

TEST(Canvas, ZeroLengthLineDrawsNothing)
{
    QImage image = Blank();
    Canvas c(image);
    c.SelectPen(kRed);
    c.MoveTo(3, 3);
    c.LineTo(3, 3);
    EXPECT_EQ(CountPixels(c, 16, 16, kRed), 0);
}

TEST(Canvas, OriginOffsetsEveryDrawingCall)
{
    QImage image = Blank();
    Canvas c(image);
    c.SetOrigin(4, 5);
    c.SetPixel(0, 0, kRed);
    c.FillRect(1, 1, 3, 2, kBlue);
    EXPECT_EQ(QColor(image.pixel(4, 5)), QColor(Qt::red));
    EXPECT_EQ(QColor(image.pixel(5, 6)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(6, 6)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(7, 6)), QColor(Qt::white));
}

TEST(Canvas, DrawingOutsideTheImageIsClipped)
{
    QImage image = Blank(4, 4);
    Canvas c(image);
    c.SelectPen(kRed);
    c.MoveTo(-10, -10);
    c.LineTo(20, 20);
    c.FillRect(-5, -5, 100, 1, kBlue);
    c.SetPixel(1000, 1000, kRed);
    EXPECT_EQ(c.GetPixel(0, 0), kBlue);
    EXPECT_EQ(c.GetPixel(3, 3), kRed);
}

TEST(Canvas, RectangleOutlinesInPenAndFillsInBrush)
{
    QImage image = Blank();
    Canvas c(image);
    c.SelectPen(kRed);
    c.SelectBrush(kBlue);
    c.Rectangle(2, 2, 7, 6);
    EXPECT_EQ(c.GetPixel(2, 2), kRed);
    EXPECT_EQ(c.GetPixel(6, 5), kRed);
    EXPECT_EQ(c.GetPixel(7, 5), kWhite);
    EXPECT_EQ(c.GetPixel(6, 6), kWhite);
    EXPECT_EQ(c.GetPixel(3, 3), kBlue);
    EXPECT_EQ(c.GetPixel(5, 4), kBlue);
}

TEST(Canvas, RoundRectCutsItsCornersAndKeepsItsEdges)
{
    QImage image = Blank();
    Canvas c(image);
    c.SelectPen(kRed);
    c.SelectBrush(kBlue);
    c.RoundRect(0, 0, 12, 12, 10, 10);
    EXPECT_EQ(c.GetPixel(0, 0), kWhite);
    EXPECT_EQ(c.GetPixel(11, 11), kWhite);
    EXPECT_EQ(c.GetPixel(6, 0), kRed);
    EXPECT_EQ(c.GetPixel(0, 6), kRed);
    EXPECT_EQ(c.GetPixel(11, 6), kRed);
    EXPECT_EQ(c.GetPixel(6, 11), kRed);
    EXPECT_EQ(c.GetPixel(6, 6), kBlue);
    EXPECT_EQ(c.GetPixel(12, 6), kWhite);
    // Symmetric under the point reflection the option ball relies on.
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(c.GetPixel(x, y), c.GetPixel(11 - x, 11 - y)) << x << "," << y;
}

TEST(Canvas, FocusRectangleIsDottedAndUndoesItself)
{
    QImage image = Blank();
    Canvas c(image);
    c.DrawFocusRect(1, 1, 9, 6);
    EXPECT_EQ(c.GetPixel(1, 1), ColorRef(0)); // (x + y) even: inverted
    EXPECT_EQ(c.GetPixel(2, 1), kWhite);
    EXPECT_EQ(c.GetPixel(3, 1), ColorRef(0));
    EXPECT_EQ(c.GetPixel(4, 4), kWhite); // inside untouched
    c.DrawFocusRect(1, 1, 9, 6);
    EXPECT_EQ(CountPixels(c, 16, 16, kWhite), 16 * 16);
}

TEST(Canvas, IconsKeepTransparencyAndEmbossWhenDisabled)
{
    QImage icon(3, 3, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    icon.setPixel(1, 1, qRgba(0, 0, 0, 255));     // dark ink
    icon.setPixel(0, 0, qRgba(255, 255, 255, 255)); // light: drops out when embossed

    QImage image = Blank(8, 8);
    Canvas c(image);
    c.DrawIcon(2, 2, icon, false, kRed, kBlue);
    EXPECT_EQ(c.GetPixel(3, 3), ColorRef(0));
    EXPECT_EQ(c.GetPixel(2, 2), kWhite);
    EXPECT_EQ(c.GetPixel(4, 4), kWhite);

    QImage image2 = Blank(8, 8);
    Canvas d(image2);
    d.DrawIcon(2, 2, icon, true, kRed, kBlue);
    EXPECT_EQ(d.GetPixel(3, 3), kBlue); // shadow on top
    EXPECT_EQ(d.GetPixel(4, 4), kRed);  // highlight one pixel down-right
    EXPECT_EQ(d.GetPixel(2, 2), kWhite);
}

// A control painted off screen covers itself: repainting it, forty times a second for
// the gauge, must not make Qt paint the window behind it each time, even after the
// style's polish has cleared what the control said in its constructor.
TEST(OffscreenPaint, RepaintingAControlLeavesTheWindowBehindAlone)
{
    struct Drawn : QWidget {
        using QWidget::QWidget;
        void paintEvent(QPaintEvent*) override { PaintOffscreen(this, [](Canvas& c) { c.FillRect(0, 0, 50, 20, kRed); }); }
    };
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    };
    QWidget window;
    window.resize(200, 100);
    auto* control = new Drawn(&window);
    control->setGeometry(10, 10, 50, 20);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    control->repaint(); // first paint after the polish
    PaintCounter counter;
    window.installEventFilter(&counter);
    control->repaint();
    control->repaint();
    EXPECT_EQ(counter.paints, 0);
    EXPECT_TRUE(control->testAttribute(Qt::WA_OpaquePaintEvent));
}

TEST(OffscreenPaint, RendersAtTheRequestedSize)
{
    const QImage image = RenderOffscreen(QSize(5, 3), [](Canvas& c) { c.FillRect(0, 0, 5, 3, kRed); });
    ASSERT_EQ(image.size(), QSize(5, 3));
    EXPECT_EQ(QColor(image.pixel(4, 2)), QColor(Qt::red));
}

QImage Dense(int w, int h, qreal ratio)
{
    QImage image(qCeil(w * ratio), qCeil(h * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

QRgb Q(ColorRef c)
{
    return qRgb(c.Red(), c.Green(), c.Blue());
}

// At ratio 2 every drawing pixel is a 2 × 2 block and fills cover whole blocks; at 1.5
// every pen pixel is still two device pixels, so lines are even, and fills end at the
// device pixel their edge rounds to.
TEST(Canvas, DenseImagesDrawTheSameRecipesInWholeDevicePixels)
{
    QImage image = Dense(8, 8, 2.0);
    Canvas c(image);
    EXPECT_EQ(c.PenSize(), 2);
    c.SetOrigin(1, 0);
    c.SelectPen(kRed);
    c.MoveTo(0, 1);
    c.LineTo(4, 5); // diagonal (1,1)..(4,4) after the origin
    c.FillRect(5, 6, 7, 8, kBlue);
    for (int k = 1; k <= 4; ++k)
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                EXPECT_EQ(image.pixel(2 * k + dx, 2 * k + dy), Q(kRed)) << k;
    EXPECT_EQ(image.pixel(10, 10), Q(kWhite)); // the end point (5, 5) stays out
    EXPECT_EQ(image.pixel(4, 2), Q(kWhite));   // one block wide, not more
    EXPECT_EQ(image.pixel(12, 12), Q(kBlue));
    EXPECT_EQ(image.pixel(15, 15), Q(kBlue));
    EXPECT_EQ(image.pixel(11, 15), Q(kWhite));
    EXPECT_EQ(c.GetPixel(2, 3), kRed); // read back in drawing pixels (origin included)

    QImage odd = Dense(4, 4, 1.5);
    ASSERT_EQ(odd.size(), QSize(6, 6));
    Canvas c15(odd);
    EXPECT_EQ(c15.PenSize(), 2);
    c15.SetPixel(1, 1, kRed); // device 2..3
    c15.FillRect(3, 0, 4, 1, kBlue); // device 5..5 (4.5 rounds up), 0..1
    EXPECT_EQ(odd.pixel(2, 2), Q(kRed));
    EXPECT_EQ(odd.pixel(3, 3), Q(kRed));
    EXPECT_EQ(odd.pixel(1, 1), Q(kWhite));
    EXPECT_EQ(odd.pixel(4, 4), Q(kWhite));
    EXPECT_EQ(odd.pixel(5, 0), Q(kBlue));
    EXPECT_EQ(odd.pixel(4, 0), Q(kWhite));
}

// A picture drawn for the canvas's ratio lands pixel for pixel; a 1× picture is enlarged
// to whole blocks; the embossed look moves by one drawing pixel.
TEST(Canvas, IconsOnDenseImages)
{
    QImage big(4, 4, QImage::Format_ARGB32);
    big.fill(Qt::transparent);
    big.setPixel(1, 0, qRgb(0, 0, 128));
    big.setPixel(3, 3, qRgb(0, 0, 128));
    big.setDevicePixelRatio(2.0);
    QImage image = Dense(4, 4, 2.0);
    Canvas c(image);
    c.DrawIcon(1, 1, big, false, kWhite, kRed);
    EXPECT_EQ(image.pixel(3, 2), qRgb(0, 0, 128));
    EXPECT_EQ(image.pixel(5, 5), qRgb(0, 0, 128));
    EXPECT_EQ(image.pixel(2, 2), Q(kWhite));
    EXPECT_EQ(image.pixel(4, 2), Q(kWhite));

    QImage small(2, 2, QImage::Format_ARGB32);
    small.fill(Qt::transparent);
    small.setPixel(0, 0, qRgb(0, 0, 0));
    QImage image2 = Dense(4, 4, 2.0);
    Canvas c2(image2);
    c2.DrawIcon(1, 1, small, true, kBlue, kRed);
    // Highlight block one drawing pixel down-right of the shadow block.
    EXPECT_EQ(image2.pixel(2, 2), Q(kRed));
    EXPECT_EQ(image2.pixel(3, 3), Q(kRed));
    EXPECT_EQ(image2.pixel(4, 4), Q(kBlue));
    EXPECT_EQ(image2.pixel(5, 5), Q(kBlue));
    EXPECT_EQ(image2.pixel(4, 2), Q(kWhite));
}

TEST(OffscreenPaint, RendersAtARatioWithTheRatioOnTheImage)
{
    const QImage image = RenderOffscreen(QSize(5, 3), [](Canvas& c) { c.FillRect(0, 0, 5, 3, kRed); }, 2.0);
    EXPECT_EQ(image.size(), QSize(10, 6));
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(image.pixel(9, 5), Q(kRed));
}

} // namespace
} // namespace hn
