// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn controls on a screen of device pixel ratio 2 (the test runs with
// QT_SCALE_FACTOR=2, set by its own main): every pixel of their 1× pictures becomes a 2 × 2 block of one
// colour (lines one device-pixel pair wide, nothing blended by scaling), the option's
// caption is drawn at the screen's resolution rather than enlarged, and the flat
// buttons show their 32-pixel pictures pixel for pixel.
#include "controls/CDrawnOptionButton.h"
#include "controls/CDrawnToggleButton.h"
#include "controls/CGaugeBar.h"
#include "controls/CHoverButton.h"
#include "controls/GaugeDraw.h"
#include "platform/OffscreenPaint.h"
#include "platform/SysColors.h"
#include "res/ImageResources.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace hn {
namespace {

QColor Q(int r, int g, int b)
{
    return QColor(r, g, b);
}

class DenseScreen : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(qApp->devicePixelRatio(), 2.0) << "run with QT_SCALE_FACTOR=2";
        m_saved = QApplication::palette();
        QPalette p;
        p.setColor(QPalette::Button, Q(212, 208, 200));
        p.setColor(QPalette::Window, Q(212, 208, 200));
        p.setColor(QPalette::Light, Q(255, 255, 255));
        p.setColor(QPalette::Midlight, Q(227, 227, 227));
        p.setColor(QPalette::Dark, Q(128, 128, 128));
        p.setColor(QPalette::Shadow, Q(65, 65, 65));
        p.setColor(QPalette::WindowText, Q(0, 0, 0));
        p.setColor(QPalette::Highlight, Q(0, 84, 227));
        QApplication::setPalette(p);
        host = std::make_unique<QWidget>();
        host->resize(300, 100);
    }
    void TearDown() override
    {
        host.reset();
        QApplication::setPalette(m_saved);
    }

    // What the widget paints on this screen, in device pixels.
    static QImage Grab(QWidget* w)
    {
        const QImage image = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(image.size(), w->size() * 2);
        return image;
    }

    std::unique_ptr<QWidget> host;

private:
    QPalette m_saved;
};

// Where a 2× picture is not made of 2 × 2 blocks of one colour, outside `skip` (device
// pixels); empty when every block is whole.
QString BrokenBlocks(const QImage& image, QRect skip = {})
{
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            if (skip.intersects(QRect(x, y, 2, 2)))
                continue;
            const QRgb v = image.pixel(x, y);
            if (image.pixel(x + 1, y) != v || image.pixel(x, y + 1) != v || image.pixel(x + 1, y + 1) != v)
                return QStringLiteral("block at %1,%2").arg(x).arg(y);
        }
    return {};
}

// One pixel per block: the picture as it is at 1×.
QImage Halved(const QImage& image)
{
    QImage out(image.width() / 2, image.height() / 2, QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.setPixel(x, y, image.pixel(2 * x, 2 * y));
    return out;
}

QImage Without(QImage image, QRect area, QRgb fill = 0xff00ff00)
{
    QPainter(&image).fillRect(area, QColor::fromRgb(fill));
    return image;
}

int BlocksWithDetail(const QImage& image, QRect area)
{
    int n = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2)
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb v = image.pixel(x, y);
            n += image.pixel(x + 1, y) != v || image.pixel(x, y + 1) != v || image.pixel(x + 1, y + 1) != v;
        }
    return n;
}

TEST_F(DenseScreen, OptionBallAndFocusFrameAreWholeBlocksAndTheCaptionIsSharp)
{
    auto* option = new CDrawnOptionButton(QStringLiteral("公庫（ゆとり)型"), host.get());
    option->setGeometry(10, 10, 114, 20);
    option->show();
    for (int checked : {0, 1}) {
        option->SetCheck(checked);
        for (const bool focused : {false, true}) {
            const DrawnRect c = option->CaptionRectangle();
            const QRect caption(2 * c.left, 2 * c.top, 2 * (option->width() - c.left), 2 * c.Height());
            const QImage dense = option->RenderItem({false, focused}, 2.0);
            ASSERT_EQ(dense.size(), QSize(228, 40));
            // The ball and the dotted frame: blocks of the 1× picture.
            // (Glyphs may reach a pixel beyond their line's box.)
            const QRect text(c.left, c.top - 1, option->width(), c.Height() + 2);
            EXPECT_EQ(BrokenBlocks(dense, QRect(text.topLeft() * 2, text.size() * 2)), QString()) << checked << focused;
            EXPECT_EQ(Without(Halved(dense), text),
                      Without(option->RenderItem({false, focused}, 1.0).convertToFormat(QImage::Format_RGB32), text))
                << checked << focused;
            // The caption has detail finer than a block: drawn for this screen.
            EXPECT_GT(BlocksWithDetail(dense, caption), 20) << checked << focused;
        }
    }
    // The painted widget is the rendered item.
    option->SetCheck(1);
    EXPECT_EQ(Grab(option), option->RenderItem(option->CurrentItemState(), 2.0).convertToFormat(QImage::Format_RGB32));
}

TEST_F(DenseScreen, ToggleTrianglesAndFocusAreWholeBlocks)
{
    auto* toggle = new CDrawnToggleButton(host.get());
    toggle->setGeometry(10, 10, 12, 16);
    toggle->SetFaceColor(ColorRef::Rgb(255, 64, 64));
    toggle->Attach();
    toggle->show();
    for (const DrawItemState state : {DrawItemState{false, false}, DrawItemState{true, false}, DrawItemState{false, true}}) {
        const QImage dense = toggle->RenderItem(state, 2.0);
        EXPECT_EQ(BrokenBlocks(dense), QString());
        EXPECT_EQ(Halved(dense), toggle->RenderItem(state, 1.0).convertToFormat(QImage::Format_RGB32));
    }
    // Only the scheme's background and the triangle's five colours: nothing blended.
    const QImage shown = Grab(toggle);
    QSet<QRgb> colours;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            colours.insert(shown.pixel(x, y));
    const DrawnPalette& p = toggle->Palette();
    const QSet<QRgb> allowed = {qRgb(212, 208, 200), ToQColor(p.face).rgb(),  ToQColor(p.light).rgb(),
                                ToQColor(p.mid).rgb(), ToQColor(p.shadow).rgb(), ToQColor(p.dark).rgb()};
    EXPECT_TRUE(allowed.contains(colours)) << colours.size() << " colours";
}

TEST_F(DenseScreen, GaugeIsTheOneTimesPictureInBlocks)
{
    auto* gauge = new CGaugeBar(host.get());
    gauge->setGeometry(10, 10, 214, 18);
    gauge->SetRange(0, 40);
    gauge->SetBarColor(ColorRef::Rgb(100, 100, 255));
    gauge->show();
    for (const bool animating : {false, true}) {
        gauge->SetPos(animating ? 0 : 15);
        gauge->SetAnimate(animating);
        const QImage shown = Grab(gauge);
        EXPECT_EQ(BrokenBlocks(shown), QString()) << animating;

        GaugePaintState state;
        state.width = gauge->width();
        state.height = gauge->height();
        state.animating = animating;
        state.animOffset = gauge->GetAnimOffset();
        state.pos = gauge->GetPos();
        state.lower = 0;
        state.upper = 40;
        const QImage once = RenderOffscreen(gauge->size(), [&](Canvas& c) {
            PaintGauge(c, gauge->Shades(), GetSysColor(SysColor::BtnFace), state);
        });
        EXPECT_EQ(Halved(shown), once) << animating;
    }
    gauge->SetAnimate(false);
}

TEST_F(DenseScreen, FlatButtonShowsTheLargerPictureAndEvenFrames)
{
    auto* button = new CHoverButton(host.get());
    button->setGeometry(10, 10, 84, 32);
    const ColorRef normal = ColorRef::Rgb(192, 188, 180);
    button->SetNormalBkColor(normal, 0);
    button->SetActiveBkColor(ColorRef::Rgb(232, 228, 220), 0);
    button->SetIcon(LoadIconSizes(IDI_CALCULATE));
    button->show();

    const QImage shown = Grab(button);
    // The icon's 32 pixels land one for one, centred in the 84 × 32 button.
    const QImage big = LoadIconImage(IDI_CALCULATE, 32);
    const QPoint at(2 * 34, 2 * 8);
    int compared = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb src = big.pixel(x, y);
            const QRgb dst = shown.pixel(at.x() + x, at.y() + y);
            if (qAlpha(src) == 0)
                EXPECT_EQ(dst, ToQColor(normal).rgb()) << x << "," << y;
            else
                EXPECT_EQ(dst, src | 0xff000000u) << x << "," << y;
            ++compared;
        }
    EXPECT_EQ(compared, 1024);
    // Around the icon nothing but whole blocks.
    EXPECT_EQ(BrokenBlocks(shown, QRect(at, QSize(32, 32))), QString());

    // Held down: the sunken frame two device pixels wide on every side, the icon a
    // drawing pixel (two device pixels) down and right.
    button->setDown(true);
    const QImage held = Grab(button);
    const QRgb shadow = qRgb(128, 128, 128), highlight = qRgb(255, 255, 255);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(held.pixel(40, i), shadow) << i;                  // top
        EXPECT_EQ(held.pixel(i, 30), shadow) << i;                  // left
        EXPECT_EQ(held.pixel(40, 63 - i), highlight) << i;          // bottom
        EXPECT_EQ(held.pixel(167 - i, 30), highlight) << i;         // right
    }
    EXPECT_NE(held.pixel(40, 2), shadow);
    EXPECT_EQ(held.pixel(at.x() + 2 + 20, at.y() + 2 + 10), big.pixel(20, 10) | 0xff000000u);
    button->setDown(false);
}

} // namespace
} // namespace hn
