// SPDX-License-Identifier: GPL-3.0-or-later
// The flat hover button as a widget: its looks pixel by pixel and its answers to real
// pointer events (routed through the window, so grabs and enter/leave are Qt's own).
#define QTEST_QPA_MOUSE_HANDLING
#include "controls/CHoverButton.h"
#include "tests/controls/HoverGaugeLabelPalette.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace hn {
namespace {

using namespace hn::test;

constexpr ColorRef kIconInk = ColorRef::Rgb(0, 0, 128);
constexpr ColorRef kNormalBk = ColorRef::Rgb(180, 176, 168);
constexpr ColorRef kActiveBk = ColorRef::Rgb(220, 216, 208);

// 16 × 16, transparent but for a dark 8 × 8 square at (4, 4).
QImage TestIcon()
{
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.fillRect(4, 4, 8, 8, Q(kIconInk));
    return icon;
}

class CountingHoverButton : public CHoverButton {
public:
    using CHoverButton::CHoverButton;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        ++paints;
        CHoverButton::paintEvent(e);
    }
};

class HoverButtonTest : public FixedPaletteTest {
protected:
    void SetUp() override
    {
        FixedPaletteTest::SetUp();
        host = std::make_unique<QWidget>();
        host->resize(120, 60);
        button = new CountingHoverButton(host.get());
        button->setGeometry(10, 10, 63, 24); // an odd width: the icon's halving truncates
        button->SetNormalBkColor(kNormalBk, 0);
        button->SetActiveBkColor(kActiveBk, 0);
        button->SetIcon(TestIcon());
    }
    void TearDown() override
    {
        host.reset();
        FixedPaletteTest::TearDown();
    }

    void ShowActive()
    {
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        QApplication::setActiveWindow(host.get());
        ASSERT_EQ(QApplication::activeWindow(), host.get());
        // Qt drops a move to the position the pointer already has; start from a
        // point off the button so that the test's own moves are real ones.
        MoveTo(QPoint(1, 1));
    }
    QPoint OnButton() const { return button->geometry().center(); }
    QPoint OffButton() const { return QPoint(100, 50); }
    void MoveTo(QPoint p) { QTest::mouseMove(host.get(), p); }

    std::unique_ptr<QWidget> host;
    CountingHoverButton* button = nullptr;
};

// The icon square at rest sits at (23 + 4, 4 + 4) .. (34, 15) in the 63 × 24 button.
constexpr QPoint kInkTopLeft(27, 8);
constexpr QPoint kInkBottomRight(34, 15);

TEST_F(HoverButtonTest, AtRestShowsTheNormalBackgroundTheIconAndNoFrame)
{
    const QImage img = Snapshot(*button);
    ASSERT_EQ(img.size(), QSize(63, 24));
    for (QPoint p : {QPoint(0, 0), QPoint(62, 0), QPoint(0, 23), QPoint(62, 23), QPoint(5, 5), QPoint(26, 8)})
        EXPECT_EQ(PixelAt(img, p.x(), p.y()), kNormalBk) << p.x() << "," << p.y();
    EXPECT_EQ(PixelAt(img, kInkTopLeft.x(), kInkTopLeft.y()), kIconInk);
    EXPECT_EQ(PixelAt(img, kInkBottomRight.x(), kInkBottomRight.y()), kIconInk);
    EXPECT_EQ(PixelAt(img, kInkBottomRight.x() + 1, kInkBottomRight.y() + 1), kNormalBk);
}

TEST_F(HoverButtonTest, LitShowsTheActiveBackgroundAndARaisedFrame)
{
    ShowActive();
    MoveTo(OnButton());
    ASSERT_TRUE(button->IsHover());
    const QImage img = Snapshot(*button);
    EXPECT_EQ(PixelAt(img, 5, 5), kActiveBk);
    // Highlight on the left column and the top row, shadow on the right and bottom;
    // the shadow line is drawn second and takes the two shared corners.
    EXPECT_EQ(PixelAt(img, 0, 0), kHighlight3D);
    EXPECT_EQ(PixelAt(img, 30, 0), kHighlight3D);
    EXPECT_EQ(PixelAt(img, 0, 12), kHighlight3D);
    EXPECT_EQ(PixelAt(img, 62, 12), kShadow);
    EXPECT_EQ(PixelAt(img, 30, 23), kShadow);
    EXPECT_EQ(PixelAt(img, 0, 23), kShadow);
    EXPECT_EQ(PixelAt(img, 62, 0), kShadow);
    EXPECT_EQ(PixelAt(img, 1, 1), kActiveBk) << "the frame is one pixel wide";
    EXPECT_EQ(PixelAt(img, kInkTopLeft.x(), kInkTopLeft.y()), kIconInk) << "the icon stays put";
}

TEST_F(HoverButtonTest, PressedShowsASunkenFrameAndTheIconMovedDownRight)
{
    button->setDown(true);
    const QImage img = Snapshot(*button);
    EXPECT_EQ(PixelAt(img, 5, 5), kActiveBk);
    EXPECT_EQ(PixelAt(img, 0, 0), kShadow);
    EXPECT_EQ(PixelAt(img, 30, 0), kShadow);
    EXPECT_EQ(PixelAt(img, 0, 12), kShadow);
    EXPECT_EQ(PixelAt(img, 62, 12), kHighlight3D);
    EXPECT_EQ(PixelAt(img, 30, 23), kHighlight3D);
    EXPECT_EQ(PixelAt(img, 0, 23), kHighlight3D);
    EXPECT_EQ(PixelAt(img, kInkTopLeft.x(), kInkTopLeft.y()), kActiveBk);
    EXPECT_EQ(PixelAt(img, kInkTopLeft.x() + 1, kInkTopLeft.y() + 1), kIconInk);
    EXPECT_EQ(PixelAt(img, kInkBottomRight.x() + 1, kInkBottomRight.y() + 1), kIconInk);
}

TEST_F(HoverButtonTest, DisabledDrawsTheIconEmbossed)
{
    button->setEnabled(false);
    const QImage img = Snapshot(*button);
    // Shadow over the shape, highlight showing one pixel down and right of it.
    EXPECT_EQ(PixelAt(img, kInkTopLeft.x(), kInkTopLeft.y()), kShadow);
    EXPECT_EQ(PixelAt(img, kInkBottomRight.x(), kInkBottomRight.y()), kShadow);
    EXPECT_EQ(PixelAt(img, kInkBottomRight.x() + 1, kInkBottomRight.y() + 1), kHighlight3D);
    EXPECT_EQ(PixelAt(img, kInkTopLeft.x() - 1, kInkTopLeft.y()), kNormalBk);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            ASSERT_NE(PixelAt(img, x, y), kIconInk) << x << "," << y;
}

TEST_F(HoverButtonTest, RestIconDiffersFromTheHoverIconWhenGiven)
{
    QImage rest(16, 16, QImage::Format_ARGB32);
    rest.fill(Qt::transparent);
    rest.setPixel(0, 0, qRgb(200, 0, 0));
    button->SetIcon(TestIcon(), rest);
    QImage img = Snapshot(*button);
    EXPECT_EQ(PixelAt(img, 23, 4), ColorRef::Rgb(200, 0, 0));
    EXPECT_EQ(PixelAt(img, kInkTopLeft.x(), kInkTopLeft.y()), kNormalBk);
    button->setDown(true);
    img = Snapshot(*button);
    EXPECT_EQ(PixelAt(img, kInkTopLeft.x() + 1, kInkTopLeft.y() + 1), kIconInk);
}

TEST_F(HoverButtonTest, EnteringLightsOnlyWhileTheProgramIsActive)
{
    host->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    QApplication::setActiveWindow(nullptr);
    MoveTo(QPoint(1, 1));
    MoveTo(OffButton());
    MoveTo(OnButton());
    EXPECT_FALSE(button->IsHover());
    EXPECT_EQ(PixelAt(Snapshot(*button), 5, 5), kNormalBk);

    QApplication::setActiveWindow(host.get());
    MoveTo(OnButton() + QPoint(1, 0));
    EXPECT_TRUE(button->IsHover()) << "the next move decides again";
    MoveTo(OffButton());
    EXPECT_FALSE(button->IsHover());
}

TEST_F(HoverButtonTest, ADisabledButtonNeverLights)
{
    ShowActive();
    button->setEnabled(false);
    MoveTo(OffButton());
    MoveTo(OnButton());
    MoveTo(OnButton() + QPoint(1, 0));
    EXPECT_FALSE(button->IsHover());
    EXPECT_EQ(PixelAt(Snapshot(*button), 5, 5), kNormalBk);

    // Lit when it becomes disabled (the summary button is pressed and the window it
    // opens disables it): the lit look goes at once, and comes back only on a move.
    button->setEnabled(true);
    MoveTo(OnButton());
    ASSERT_TRUE(button->IsHover());
    button->setEnabled(false);
    EXPECT_FALSE(button->IsHover());
    EXPECT_EQ(PixelAt(Snapshot(*button), 5, 5), kNormalBk);
    button->setEnabled(true);
    EXPECT_FALSE(button->IsHover());
    MoveTo(OnButton() + QPoint(1, 0));
    EXPECT_TRUE(button->IsHover());
}

TEST_F(HoverButtonTest, DraggingInWithTheLeftButtonHeldDoesNotLight)
{
    ShowActive();
    MoveTo(OffButton());
    QTest::mousePress(host.get(), Qt::LeftButton, {}, OffButton());
    MoveTo(OnButton());
    EXPECT_FALSE(button->IsHover());
    EXPECT_FALSE(button->isDown());
    QTest::mouseRelease(host.get(), Qt::LeftButton, {}, OnButton());
}

TEST_F(HoverButtonTest, LeavingWhileHeldTurnsItOffAndReleasingOutsideSendsNoClick)
{
    ShowActive();
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    MoveTo(OnButton());
    ASSERT_TRUE(button->IsHover());
    QTest::mousePress(host.get(), Qt::LeftButton, {}, OnButton());
    EXPECT_TRUE(button->isDown());
    MoveTo(OffButton());
    EXPECT_FALSE(button->IsHover());
    EXPECT_FALSE(button->isDown());
    EXPECT_EQ(PixelAt(Snapshot(*button), 5, 5), kNormalBk);
    // Back over it with the button still held: pressed again, but not lit.
    MoveTo(OnButton());
    EXPECT_TRUE(button->isDown());
    EXPECT_FALSE(button->IsHover());
    MoveTo(OffButton());
    QTest::mouseRelease(host.get(), Qt::LeftButton, {}, OffButton());
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(HoverButtonTest, AClickInsideReachesTheOwnerAndADoubleClickGivesTwo)
{
    ShowActive();
    QSignalSpy clicks(button, &QAbstractButton::clicked);
    MoveTo(OnButton());
    QTest::mouseClick(host.get(), Qt::LeftButton, {}, OnButton());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(button->IsHover()) << "still lit after the click";
    QTest::mouseDClick(host.get(), Qt::LeftButton, {}, OnButton());
    EXPECT_EQ(clicks.count(), 3);
}

TEST_F(HoverButtonTest, FocusLossDropsTheLitLook)
{
    auto* other = new QPushButton(host.get());
    other->setGeometry(80, 10, 20, 20);
    ShowActive();
    button->setFocus();
    MoveTo(OnButton());
    ASSERT_TRUE(button->IsHover());
    other->setFocus();
    EXPECT_FALSE(button->IsHover());
}

TEST_F(HoverButtonTest, CursorIsTheGivenOneOrTheDefaultArrow)
{
    EXPECT_TRUE(button->SetBtnCursor(QCursor(Qt::PointingHandCursor)));
    EXPECT_TRUE(button->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(button->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(button->SetBtnCursor(std::nullopt));
    EXPECT_FALSE(button->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(button->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(button->HasBtnCursor());
}

TEST_F(HoverButtonTest, BackgroundSettersRepaintOnlyWithFlagOne)
{
    EXPECT_EQ(CHoverButton().GetNormalBkColor(), kFace) << "the face colour taken at construction";
    host->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
    QApplication::processEvents();
    const int before = button->paints;
    button->SetNormalBkColor(ColorRef::Rgb(1, 2, 3), 0);
    button->SetActiveBkColor(ColorRef::Rgb(4, 5, 6), 2);
    QApplication::processEvents();
    EXPECT_EQ(button->paints, before);
    EXPECT_EQ(button->GetNormalBkColor(), ColorRef::Rgb(1, 2, 3));
    button->SetNormalBkColor(ColorRef::Rgb(7, 8, 9), 1);
    QApplication::processEvents();
    EXPECT_GT(button->paints, before);
}

TEST_F(HoverButtonTest, ScreenReadersGetTheToolTipUnlessNamedExplicitly)
{
    button->setToolTip(QString::fromUtf8("電卓"));
    EXPECT_EQ(button->accessibleName(), QString::fromUtf8("電卓"));
    button->setAccessibleName(QStringLiteral("calculator"));
    button->setToolTip(QStringLiteral("other"));
    EXPECT_EQ(button->accessibleName(), QStringLiteral("calculator"));
}

} // namespace
} // namespace hn
