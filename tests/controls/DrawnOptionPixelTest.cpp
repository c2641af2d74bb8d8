// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn option button's picture, pixel by pixel, in each of its states.
#include "controls/CDrawnOptionButton.h"
#include "platform/DialogFont.h"
#include "platform/SysColors.h"
#include "tests/controls/DrawnTestSupport.h"

#include <QTest>
#include <memory>
#include <utility>
#include <vector>

namespace hn {
namespace {

using namespace drawn_test;

const ColorRef kHighlight = Rgb(255, 255, 255);
const ColorRef kLight = Rgb(227, 227, 227);
const ColorRef kFace = Rgb(212, 208, 200);
const ColorRef kMid = Rgb(170, 168, 164);
const ColorRef kShadow = Rgb(128, 128, 128);
const ColorRef kDark = Rgb(65, 65, 65);
const ColorRef kDarkMix = Rgb(96, 96, 96);

using Points = std::vector<std::pair<int, int>>;

const Points kCornerPixels{{0, 3}, {3, 0}, {8, 0}, {11, 3}, {11, 8}, {8, 11}, {3, 11}, {0, 8}};

class DrawnOptionPixels : public DrawnFixture {
protected:
    std::unique_ptr<CDrawnOptionButton> Make(int height = 16)
    {
        auto option = std::make_unique<CDrawnOptionButton>(QStringLiteral("公庫基本型"), nullptr);
        option->setFont(DialogFont());
        option->resize(75, height);
        return option;
    }

    // A pixel of the ball, in bullet coordinates.
    static ColorRef Ball(const QImage& image, const CDrawnOptionButton& option, int x, int y)
    {
        const DrawnRect b = option.BulletRectangle();
        return At(image, b.left + x, b.top + y);
    }

    static void ExpectBall(const QImage& image, const CDrawnOptionButton& option, const Points& points,
                           ColorRef colour, const char* what)
    {
        for (const auto& [x, y] : points)
            EXPECT_EQ(Ball(image, option, x, y), colour) << what << " at (" << x << ", " << y << ")";
    }
};

TEST_F(DrawnOptionPixels, RaisedBallFollowsItsRecipe)
{
    auto option = Make();
    const QImage image = option->RenderItem({});
    // light (1,6)→(1,4)→(4,1)→(7,1), end point left out
    ExpectBall(image, *option, {{1, 6}, {1, 5}, {1, 4}, {2, 3}, {3, 2}, {4, 1}, {5, 1}, {6, 1}}, kLight, "light");
    EXPECT_NE(Ball(image, *option, 7, 1), kLight);
    // light diagonals and their single pixels
    ExpectBall(image, *option, {{2, 8}, {5, 5}, {8, 2}, {3, 8}, {8, 3}, {4, 8}, {8, 4}, {3, 3}, {3, 6}, {6, 3}},
               kLight, "light");
    // highlight (2,7)→(2,4)→(6,4) and (4,5)→(4,2)→(8,2), single pixels (3,5), (5,3)
    ExpectBall(image, *option, {{2, 7}, {2, 4}, {3, 4}, {5, 4}, {4, 5}, {4, 3}, {7, 2}, {3, 5}, {5, 3}}, kHighlight,
               "highlight");
    // mid (6,9)→(10,5), (7,9)→(10,6)
    ExpectBall(image, *option, {{6, 9}, {7, 8}, {8, 7}, {9, 6}, {7, 9}, {8, 8}, {9, 7}}, kMid, "mid");
    // shadow (4,10)→(7,10)→(10,7)→(10,3)
    ExpectBall(image, *option, {{4, 10}, {6, 10}, {7, 10}, {8, 9}, {9, 8}, {10, 7}, {10, 4}}, kShadow, "shadow");
    EXPECT_NE(Ball(image, *option, 10, 3), kShadow);
    // face single pixel over the corner cut; the opposite cut pixel keeps darkMix
    EXPECT_EQ(Ball(image, *option, 2, 2), kFace);
    ExpectBall(image, *option, {{0, 4}, {1, 3}, {3, 1}, {4, 0}, {9, 9}, {11, 7}, {1, 8}, {0, 7}}, kDarkMix,
               "corner cut");
    ExpectBall(image, *option, kCornerPixels, kShadow, "corner pixel");
}

TEST_F(DrawnOptionPixels, SunkenBallIsTheReflectionAndCheckedAddsTheDot)
{
    auto option = Make();
    option->SetCheck(1);
    const QImage image = option->RenderItem({});
    // the first light line reflected: (10,5)→(10,7)→(7,10)→(4,10)
    ExpectBall(image, *option, {{10, 5}, {10, 6}, {10, 7}, {9, 8}, {8, 9}, {7, 10}, {6, 10}, {5, 10}}, kLight,
               "light");
    // the shadow line reflected: (7,1)→(4,1)→(1,4)→(1,8)
    ExpectBall(image, *option, {{7, 1}, {5, 1}, {4, 1}, {3, 2}, {2, 3}, {1, 4}, {1, 7}}, kShadow, "shadow");
    // the highlight lines reflected: (9,4)→(9,7)→(5,7) and (7,6)→(7,9)→(3,9), where the
    // dot leaves them visible
    ExpectBall(image, *option, {{9, 4}, {9, 5}, {9, 7}, {7, 9}, {5, 9}, {4, 9}}, kHighlight, "highlight");
    EXPECT_EQ(Ball(image, *option, 9, 9), kFace);
    EXPECT_EQ(Ball(image, *option, 2, 2), kDarkMix);
    ExpectBall(image, *option, kCornerPixels, kShadow, "corner pixel");
    // the dot: (3,3)-(9,9) in dark, not a pixel beyond
    for (int y = 3; y < 9; ++y)
        for (int x = 3; x < 9; ++x)
            if ((x != 3 && x != 8) || (y != 3 && y != 8)) {
                EXPECT_EQ(Ball(image, *option, x, y), kDark) << "dot at (" << x << ", " << y << ")";
            }
    EXPECT_EQ(Ball(image, *option, 9, 5), kHighlight);
    EXPECT_NE(Ball(image, *option, 5, 2), kDark);
    EXPECT_NE(Ball(image, *option, 2, 5), kDark);
    EXPECT_NE(Ball(image, *option, 5, 9), kDark);
}

TEST_F(DrawnOptionPixels, BulletTopFollowsTheHeight)
{
    for (const auto& [height, top] : std::vector<std::pair<int, int>>{{15, 0}, {16, 1}, {17, 1}, {20, 3}}) {
        auto option = Make(height);
        const QImage image = option->RenderItem({});
        // The corner pixel (3, 0) marks the ball's top row; the row above is background.
        EXPECT_EQ(At(image, 1 + 3, top), kShadow) << "height " << height;
        if (top > 0) {
            EXPECT_EQ(At(image, 1 + 3, top - 1), kFace) << "height " << height;
        }
        EXPECT_EQ(At(image, 1 + 3, top + 11), kShadow) << "height " << height;
        EXPECT_EQ(At(image, 1 + 3, top + 12), kFace) << "height " << height;
    }
}

TEST_F(DrawnOptionPixels, PressedBallIsDarkerBy40AndRestoredExactlyAfterRelease)
{
    QWidget window;
    window.resize(120, 40);
    auto* option = new CDrawnOptionButton(QStringLiteral("公庫基本型"), &window);
    option->setFont(DialogFont());
    option->setGeometry(5, 5, 75, 16);
    ASSERT_TRUE(ShowActive(&window));

    const QImage before = option->RenderItem({});
    QTest::mousePress(option, Qt::LeftButton);
    ASSERT_TRUE(option->IsPressed());
    const QImage pressed = option->RenderItem({});
    // held and unchecked: sunken, in darker face, shadow, highlight, mid and light
    EXPECT_EQ(Ball(pressed, *option, 9, 9), Rgb(172, 168, 160));
    EXPECT_EQ(Ball(pressed, *option, 0, 3), Rgb(88, 88, 88));
    EXPECT_EQ(Ball(pressed, *option, 9, 5), Rgb(215, 215, 215));
    EXPECT_EQ(Ball(pressed, *option, 5, 2), Rgb(130, 128, 124));
    EXPECT_EQ(Ball(pressed, *option, 10, 5), Rgb(187, 187, 187));
    // darkMix stays, and so does the background outside the ball
    EXPECT_EQ(Ball(pressed, *option, 0, 4), kDarkMix);
    EXPECT_EQ(At(pressed, 0, 0), kFace);
    EXPECT_EQ(At(pressed, 14, 8), kFace);

    QTest::mouseRelease(option, Qt::LeftButton);
    const QImage afterCheckedRelease = option->RenderItem({});
    option->SetCheck(0);
    EXPECT_EQ(option->RenderItem({}), before);
    EXPECT_EQ(Ball(afterCheckedRelease, *option, 5, 5), kDark); // released inside: checked

    // held while checked: the dot stays dark
    QTest::mousePress(option, Qt::LeftButton);
    option->SetCheck(1);
    EXPECT_EQ(Ball(option->RenderItem({}), *option, 5, 5), kDark);
    QTest::mouseRelease(option, Qt::LeftButton);
}

TEST_F(DrawnOptionPixels, DarkSchemeBelow40IsRestoredExactly)
{
    QApplication::setPalette(DarkPalette());
    QWidget window;
    window.resize(120, 40);
    auto* option = new CDrawnOptionButton(QStringLiteral("年金(ｽﾃｯﾌﾟ)型"), &window);
    option->setFont(DialogFont());
    option->setGeometry(5, 5, 75, 16);
    ASSERT_TRUE(ShowActive(&window));

    const DrawnPalette palette = option->Palette();
    EXPECT_EQ(palette.face, Rgb(30, 20, 10));
    const QImage before = option->RenderItem({});

    // Press, slide out (raised again) and back in (sunken again), then release outside.
    QTest::mousePress(option, Qt::LeftButton);
    const QImage pressed = option->RenderItem({});
    EXPECT_EQ(Ball(pressed, *option, 9, 9), Rgb(0, 0, 0));
    EXPECT_EQ(Ball(pressed, *option, 0, 3), Rgb(0, 0, 0));
    EXPECT_EQ(Ball(pressed, *option, 9, 5), Rgb(0, 0, 0));
    QTest::mouseMove(option, QPoint(200, 8));
    EXPECT_EQ(option->RenderItem({}), before);
    QTest::mouseMove(option, QPoint(8, 8));
    EXPECT_EQ(option->RenderItem({}), pressed);
    QTest::mouseRelease(option, Qt::LeftButton, {}, QPoint(200, 8));

    EXPECT_EQ(option->GetCheck(), 0);
    EXPECT_EQ(option->Palette(), palette);
    EXPECT_EQ(option->RenderItem({}), before);
}

TEST_F(DrawnOptionPixels, CaptionStartsRightOfTheBallInBlack)
{
    auto option = Make(15);
    const QImage image = option->RenderItem({});
    const DrawnRect caption = option->CaptionRectangle();
    EXPECT_EQ(caption.left, kCaptionLeft);
    EXPECT_GT(caption.Width(), 40); // five Japanese characters in the dialog font
    bool ink = false;
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 13; x < kCaptionLeft; ++x)
            EXPECT_EQ(At(image, x, y), kFace) << "gap between ball and caption at (" << x << ", " << y << ")";
        for (int x = kCaptionLeft; x < image.width(); ++x) {
            const ColorRef c = At(image, x, y);
            if (c != kFace) {
                ink = true;
                darkest = std::min(darkest, c.Red() + c.Green() + c.Blue());
            }
        }
    }
    EXPECT_TRUE(ink);
    EXPECT_LT(darkest, 60); // the glyphs' solid strokes are black
}

TEST_F(DrawnOptionPixels, FocusFrameSurroundsTheCaptionClippedToTheControl)
{
    auto option = Make(16);
    const QImage plain = option->RenderItem({});
    const QImage focused = option->RenderItem({false, true});
    const DrawnRect frame = FocusFrameRect(option->CaptionRectangle(), {0, 0, option->width(), option->height()});
    ASSERT_GE(frame.top, 0);
    ASSERT_LE(frame.bottom, option->height());
    int top = 0, bottom = 0, left = 0, right = 0;
    for (int y = 0; y < plain.height(); ++y) {
        for (int x = 0; x < plain.width(); ++x) {
            if (At(plain, x, y) == At(focused, x, y)) {
                continue;
            }
            const bool onBorder = (y == frame.top || y == frame.bottom - 1) ? (x >= frame.left && x < frame.right)
                                  : (x == frame.left || x == frame.right - 1) ? (y > frame.top && y < frame.bottom)
                                                                              : false;
            EXPECT_TRUE(onBorder) << "changed pixel off the frame at (" << x << ", " << y << ")";
            top += y == frame.top;
            bottom += y == frame.bottom - 1;
            left += x == frame.left;
            right += x == frame.right - 1;
        }
    }
    EXPECT_GT(top, 10);
    EXPECT_GT(bottom, 10);
    EXPECT_GT(left, 2);
    EXPECT_GT(right, 2);
    // The ball is not part of the focus look.
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(Ball(plain, *option, x, y), Ball(focused, *option, x, y));
}

TEST_F(DrawnOptionPixels, PaintShowsWhatRenderItemDraws)
{
    QWidget window;
    window.resize(120, 40);
    auto* option = new CDrawnOptionButton(QStringLiteral("元金均等型"), &window);
    option->setFont(DialogFont());
    option->setGeometry(5, 5, 75, 15);
    option->SetCheck(1);
    ASSERT_TRUE(ShowActive(&window));
    const QImage painted = option->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(painted, option->RenderItem(option->CurrentItemState()));
}

TEST_F(DrawnOptionPixels, SystemColourChangeRebuildsThePalette)
{
    QWidget window;
    window.resize(120, 40);
    auto* option = new CDrawnOptionButton(QStringLiteral("銀行型・他"), &window);
    option->setGeometry(5, 5, 75, 16);
    EXPECT_EQ(option->Palette().mid, kMid);
    QApplication::setPalette(DarkPalette());
    // The notice comes as an event, as it does when the desktop's colours change.
    QTRY_COMPARE(option->Palette().face, Rgb(30, 20, 10));
    EXPECT_EQ(option->Palette().mid, Rgb(21, 14, 7));
    EXPECT_EQ(option->Pens().Colour(DrawnPen::DarkMix), Rgb(6, 4, 2));
    EXPECT_EQ(Ball(option->RenderItem({}), *option, 0, 3), Rgb(12, 8, 4));
}

// A desktop whose scheme gives dialogs another background than buttons, and whose theme
// sets a larger font for the whole program: the option sits on the window's background
// with the window's text colour, keeps the dialog font, and its caption never runs into
// the ball.
TEST_F(DrawnOptionPixels, FollowsTheWindowBackgroundAndKeepsTheDialogFont)
{
    QPalette scheme = DarkPalette();
    const QColor windowBack(45, 45, 48), windowText(230, 230, 225);
    scheme.setColor(QPalette::Window, windowBack);
    scheme.setColor(QPalette::WindowText, windowText);
    QApplication::setPalette(scheme);
    const QFont saved = QApplication::font();
    QFont large = QApplication::font();
    large.setPointSize(15);
    QApplication::setFont(large);

    QWidget window;
    window.setFont(large);
    window.resize(200, 40);
    auto* option = new CDrawnOptionButton(QStringLiteral("公庫（ゆとり)型"), &window);
    option->setGeometry(5, 5, 114, 20);
    EXPECT_EQ(option->font().pixelSize(), DialogFont().pixelSize());
    const QImage image = option->RenderItem({});
    QApplication::setFont(saved);

    const ColorRef back = FromQColor(windowBack);
    int brightest = 0, firstInk = image.width();
    for (int y = 0; y < image.height(); ++y) {
        EXPECT_EQ(At(image, 0, y), back) << y;
        for (int x = 13; x < kCaptionLeft; ++x)
            EXPECT_EQ(At(image, x, y), back) << "gap between ball and caption at (" << x << ", " << y << ")";
        for (int x = kCaptionLeft; x < image.width(); ++x) {
            const ColorRef c = At(image, x, y);
            if (c == back)
                continue;
            firstInk = std::min(firstInk, x);
            brightest = std::max(brightest, c.Red() + c.Green() + c.Blue());
        }
    }
    // The first character is there, right after the gap, and drawn in the light text.
    EXPECT_LE(firstInk, kCaptionLeft + 2);
    EXPECT_GT(brightest, 3 * 200);
}

} // namespace
} // namespace hn
