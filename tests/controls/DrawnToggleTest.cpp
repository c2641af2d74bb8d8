// SPDX-License-Identifier: GPL-3.0-or-later
// The drawn toggle button: its triangles, the diagonal frame between them, the held
// look, and the order of click and flip.
#include "controls/CDrawnToggleButton.h"
#include "platform/Canvas.h"
#include "tests/controls/DrawnTestSupport.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <memory>
#include <utility>
#include <vector>

namespace hn {
namespace {

using namespace drawn_test;

const ColorRef kSystemFace = Rgb(212, 208, 200);
const ColorRef kRed = Rgb(255, 64, 64);
const ColorRef kRedLight = Rgb(255, 115, 115);
const ColorRef kRedMid = Rgb(204, 13, 13);
const ColorRef kShadow = Rgb(128, 128, 128);
const ColorRef kFrame = Rgb(0, 0, 0);

using Points = std::vector<std::pair<int, int>>;

// Keeps a copy of every frame that reaches the screen.
class RecordingToggle : public CDrawnToggleButton {
public:
    using CDrawnToggleButton::CDrawnToggleButton;
    std::vector<QImage> frames;

protected:
    void DrawItem(Canvas& canvas, const DrawItemState& state) override
    {
        CDrawnToggleButton::DrawItem(canvas, state);
        frames.push_back(canvas.Image().copy());
    }
};

class DrawnToggle : public DrawnFixture {
protected:
    // A 6 × 8 dialog-unit button (9 × 12 pixels), attached (21 × 12) and made red, as the
    // main window does.
    void SetUp() override
    {
        DrawnFixture::SetUp();
        m_window = std::make_unique<QWidget>();
        m_window->resize(120, 60);
        m_toggle = new RecordingToggle(m_window.get());
        m_toggle->setGeometry(76, 13, 9, 12);
        m_toggle->Attach();
        m_toggle->SetFaceColor(kRed);
        m_spy = std::make_unique<QSignalSpy>(m_toggle, &QAbstractButton::clicked);
    }
    void TearDown() override
    {
        m_spy.reset();
        m_window.reset();
        DrawnFixture::TearDown();
    }

    // A pixel of the triangle, relative to its origin (10, floor((H - 11) / 2)).
    static ColorRef Tri(const QImage& image, int a, int b, int height = 12)
    {
        return At(image, 10 + a, ToggleTriangleTopFor(height) + b);
    }
    static int ToggleTriangleTopFor(int height) { return (height - 11) >> 1; }

    static void Expect(const QImage& image, const Points& points, ColorRef colour, const char* what, int height = 12)
    {
        for (const auto& [a, b] : points)
            EXPECT_EQ(Tri(image, a, b, height), colour) << what << " at (" << a << ", " << b << ")";
    }

    std::unique_ptr<QWidget> m_window;
    RecordingToggle* m_toggle = nullptr;
    std::unique_ptr<QSignalSpy> m_spy;
};

TEST_F(DrawnToggle, AttachWidensBy12KeepingTheTopLeftOnce)
{
    EXPECT_EQ(m_toggle->geometry(), QRect(76, 13, 21, 12));
    m_toggle->Attach();
    EXPECT_EQ(m_toggle->geometry(), QRect(76, 13, 21, 12));
}

TEST_F(DrawnToggle, PaletteComesFromTheFaceColour)
{
    EXPECT_EQ(m_toggle->Palette().light, kRedLight);
    EXPECT_EQ(m_toggle->Palette().mid, kRedMid);
    EXPECT_EQ(m_toggle->Palette().shadow, kShadow);
    EXPECT_EQ(m_toggle->Palette().dark, kFrame);
    EXPECT_FALSE(m_toggle->Pens().Has(DrawnPen::Highlight));
    // Before SetFaceColor the face is the system face.
    CDrawnToggleButton plain;
    EXPECT_EQ(plain.GetFaceColor(), kSystemFace);
    EXPECT_EQ(plain.GetToggleState(), 0);
}

TEST_F(DrawnToggle, ClosedTrianglePointsRight)
{
    const QImage image = m_toggle->RenderItem({});
    Expect(image, {{-7, 0}, {-7, 5}, {-7, 9}, {-7, 10}, {-6, 9}, {-3, 6}, {-2, 5}, {-3, 4}, {-6, 1}}, kFrame,
           "dark");
    Expect(image, {{-6, 10}, {-5, 9}, {-2, 6}}, kShadow, "shadow");
    Expect(image, {{-5, 3}, {-5, 6}, {-4, 4}, {-4, 5}, {-6, 8}}, kRed, "face");
    Expect(image, {{-6, 2}, {-6, 5}, {-6, 7}}, kRedLight, "light");
    Expect(image, {{-5, 7}, {-4, 6}, {-3, 5}}, kRedMid, "mid");
    // The background is the system face, not the red face.
    EXPECT_EQ(At(image, 0, 0), kSystemFace);
    EXPECT_EQ(At(image, 15, 6), kSystemFace);
    EXPECT_EQ(Tri(image, -1, 5), kSystemFace); // the shadow line stops short of (-1, 5)
}

TEST_F(DrawnToggle, OpenTrianglePointsDown)
{
    QTest::mouseClick(m_toggle, Qt::LeftButton);
    ASSERT_EQ(m_toggle->GetToggleState(), 1);
    m_toggle->RenderItem({}); // the diagonal frame, not shown: the widget is hidden
    const QImage image = m_toggle->RenderItem({});
    Expect(image, {{0, 3}, {-5, 3}, {-9, 3}, {-10, 3}, {-8, 5}, {-6, 7}, {-5, 8}, {-3, 6}, {-1, 4}}, kFrame, "dark");
    Expect(image, {{-4, 8}, {-2, 6}, {0, 4}}, kShadow, "shadow");
    Expect(image, {{-7, 5}, {-6, 5}, {-4, 5}, {-6, 6}, {-5, 6}, {-2, 4}}, kRed, "face");
    Expect(image, {{-8, 4}, {-5, 4}, {-3, 4}}, kRedLight, "light");
    Expect(image, {{-5, 7}, {-4, 6}, {-3, 5}}, kRedMid, "mid");
    EXPECT_EQ(Tri(image, 1, 3), kSystemFace);
}

TEST_F(DrawnToggle, IntermediateFrameIsTheDiagonal)
{
    QTest::mouseClick(m_toggle, Qt::LeftButton);
    const QImage image = m_toggle->RenderItem({});
    Expect(image, {{-10, 7}, {-7, 4}, {-4, 1}, {-3, 0}, {-3, 3}, {-3, 6}, {-3, 7}, {-6, 7}, {-9, 7}}, kFrame, "dark");
    Expect(image, {{-9, 8}, {-5, 8}, {-2, 8}, {-2, 5}, {-2, 1}}, kShadow, "shadow");
    Expect(image, {{-7, 6}, {-6, 5}, {-5, 4}, {-5, 5}}, kRed, "face");
    Expect(image, {{-8, 6}, {-7, 5}, {-6, 4}, {-5, 3}, {-4, 2}}, kRedLight, "light");
    Expect(image, {{-6, 6}, {-5, 6}, {-4, 6}, {-4, 4}, {-4, 3}}, kRedMid, "mid");
    EXPECT_EQ(Tri(image, -2, 0), kSystemFace);
    // The diagonal is drawn once; the next picture is the final one.
    EXPECT_EQ(Tri(m_toggle->RenderItem({}), -10, 3), kFrame);
}

TEST_F(DrawnToggle, TriangleTopFollowsTheHeight)
{
    m_toggle->resize(21, 13);
    const QImage tall = m_toggle->RenderItem({});
    EXPECT_EQ(At(tall, 3, 1), kFrame);
    EXPECT_EQ(At(tall, 3, 0), kSystemFace);
    m_toggle->resize(21, 12);
    const QImage normal = m_toggle->RenderItem({});
    EXPECT_EQ(At(normal, 3, 0), kFrame);
    EXPECT_EQ(At(normal, 3, 10), kFrame);
    EXPECT_EQ(At(normal, 3, 11), kSystemFace);
}

TEST_F(DrawnToggle, HeldFaceIsDarkerBy51AndRestoredExactly)
{
    const QImage before = m_toggle->RenderItem({});
    QTest::mousePress(m_toggle, Qt::LeftButton);
    EXPECT_TRUE(m_toggle->CurrentItemState().selected);
    const QImage held = m_toggle->RenderItem(m_toggle->CurrentItemState());
    EXPECT_EQ(Tri(held, -5, 3), kRedMid);         // face 255,64,64 less 51
    EXPECT_EQ(Tri(held, -6, 2), kRed);            // light of the darker face
    EXPECT_EQ(Tri(held, -5, 7), Rgb(153, 0, 0));  // mid of the darker face
    EXPECT_EQ(Tri(held, -7, 0), kFrame);          // dark and shadow stay
    EXPECT_EQ(Tri(held, -6, 10), kShadow);
    QTest::mouseMove(m_toggle, QPoint(50, 50));
    EXPECT_EQ(m_toggle->RenderItem(m_toggle->CurrentItemState()), before);
    QTest::mouseRelease(m_toggle, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(m_toggle->RenderItem(m_toggle->CurrentItemState()), before);
    EXPECT_EQ(m_toggle->GetFaceColor(), kRed);
}

TEST_F(DrawnToggle, HeldFaceBelow51GoesToZeroAndComesBack)
{
    const ColorRef low = Rgb(40, 30, 20);
    m_toggle->SetFaceColor(low);
    const DrawnPalette palette = m_toggle->Palette();
    const QImage held = m_toggle->RenderItem({true, false});
    EXPECT_EQ(Tri(held, -5, 3), Rgb(0, 0, 0));
    EXPECT_EQ(m_toggle->GetFaceColor(), low);
    EXPECT_EQ(m_toggle->Palette(), palette);
    EXPECT_EQ(Tri(m_toggle->RenderItem({}), -5, 3), low);
}

TEST_F(DrawnToggle, ClickHandlerSeesTheStateFromBeforeTheClick)
{
    std::vector<int> seen;
    QObject::connect(m_toggle, &QAbstractButton::clicked, [&] { seen.push_back(m_toggle->GetToggleState()); });
    QTest::mouseClick(m_toggle, Qt::LeftButton);
    QTest::mouseClick(m_toggle, Qt::LeftButton);
    QTest::mouseClick(m_toggle, Qt::LeftButton);
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 0}));
    EXPECT_EQ(m_toggle->GetToggleState(), 1);
}

TEST_F(DrawnToggle, DoubleClickFlipsTwice)
{
    DoubleClick(m_toggle);
    EXPECT_EQ(m_spy->count(), 2);
    EXPECT_EQ(m_toggle->GetToggleState(), 0);
}

TEST_F(DrawnToggle, PressMoveOutReleaseOutsideDoesNothing)
{
    QTest::mousePress(m_toggle, Qt::LeftButton);
    QTest::mouseMove(m_toggle, QPoint(40, 5));
    EXPECT_FALSE(m_toggle->CurrentItemState().selected);
    QTest::mouseRelease(m_toggle, Qt::LeftButton, {}, QPoint(40, 5));
    EXPECT_EQ(m_spy->count(), 0);
    EXPECT_EQ(m_toggle->GetToggleState(), 0);
}

TEST_F(DrawnToggle, ReleaseAfterAPressElsewhereDoesNothing)
{
    QTest::mouseRelease(m_toggle, Qt::LeftButton);
    EXPECT_EQ(m_spy->count(), 0);
    EXPECT_EQ(m_toggle->GetToggleState(), 0);
}

TEST_F(DrawnToggle, SpaceIsAClickToo)
{
    std::vector<int> seen;
    QObject::connect(m_toggle, &QAbstractButton::clicked, [&] { seen.push_back(m_toggle->GetToggleState()); });
    QTest::keyPress(m_toggle, Qt::Key_Space);
    EXPECT_TRUE(m_toggle->CurrentItemState().selected);
    QTest::keyRelease(m_toggle, Qt::Key_Space);
    EXPECT_FALSE(m_toggle->CurrentItemState().selected);
    EXPECT_EQ(seen, (std::vector<int>{0}));
    EXPECT_EQ(m_toggle->GetToggleState(), 1);
}

TEST_F(DrawnToggle, ProgrammaticClickNotifiesBeforeTheFlip)
{
    std::vector<int> seen;
    QObject::connect(m_toggle, &QAbstractButton::clicked, [&] { seen.push_back(m_toggle->GetToggleState()); });
    m_toggle->click();
    m_toggle->click();
    EXPECT_EQ(seen, (std::vector<int>{0, 1}));
    EXPECT_EQ(m_toggle->GetToggleState(), 0);
}

TEST_F(DrawnToggle, OnScreenTheDiagonalComesFirstAndTheFinalFrame50msLater)
{
    ASSERT_TRUE(ShowActive(m_window.get()));
    QTRY_VERIFY(!m_toggle->frames.empty());
    m_toggle->frames.clear();

    QTest::mouseClick(m_toggle, Qt::LeftButton);
    // Drawn at once, during the click, without waiting: the diagonal frame.
    ASSERT_FALSE(m_toggle->frames.empty());
    EXPECT_EQ(Tri(m_toggle->frames.back(), -10, 7), kFrame);
    EXPECT_EQ(Tri(m_toggle->frames.back(), -10, 3), kSystemFace);
    // The final frame is asked for by a timer, so the window keeps running meanwhile.
    auto* timer = m_toggle->findChild<QTimer*>(QStringLiteral("finalFrameTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 50);
    QTRY_COMPARE(Tri(m_toggle->frames.back(), -10, 3), kFrame); // open
    EXPECT_EQ(Tri(m_toggle->frames.back(), -10, 7), kSystemFace);
}

} // namespace
} // namespace hn
