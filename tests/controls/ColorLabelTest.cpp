// SPDX-License-Identifier: GPL-3.0-or-later
// The colour label: its colours inside the dialog's frame, when changes show, its font.
#include "controls/CColorLabel.h"
#include "platform/DialogBuilder.h"
#include "platform/DialogFont.h"
#include "tests/controls/HoverGaugeLabelPalette.h"

#include <QFontInfo>
#include <QTest>

namespace hn {
namespace {

using namespace hn::test;

constexpr ColorRef kMint = ColorRef::Rgb(180, 254, 173);
constexpr ColorRef kPink = ColorRef::Rgb(248, 213, 251);
constexpr ColorRef kRed = ColorRef::Rgb(255, 0, 0);

class CountingColorLabel : public CColorLabel {
public:
    using CColorLabel::CColorLabel;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        ++paints;
        CColorLabel::paintEvent(e);
    }
};

// A result figure of the main window: right-aligned with a sunken edge, 37 × 12 units,
// in a dialog of its own.
constexpr DialogItem kFigure[] = {{1024, ControlKind::Text, "999,999", 6, 6, 37, 12, kAlignRight | kSunken}};
constexpr DialogTemplate kFigureDialog{1, "figure", 80, 27, kFigure};

class ColorLabelTest : public FixedPaletteTest {
protected:
    void SetUp() override
    {
        FixedPaletteTest::SetUp();
        host = std::make_unique<QWidget>();
        const CustomControl custom[] = {{1024, [](const DialogItem& item, QWidget* parent) -> QWidget* {
                                             return new CountingColorLabel(item, parent);
                                         }}};
        layout.Build(host.get(), kFigureDialog, custom);
        label = dynamic_cast<CountingColorLabel*>(layout.GetDlgItem(1024));
        ASSERT_NE(label, nullptr);
        figureSize = label->size();
    }
    void TearDown() override
    {
        host.reset();
        FixedPaletteTest::TearDown();
    }
    void ShowAndSettle()
    {
        host->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(host.get()));
        QApplication::processEvents();
    }

    std::unique_ptr<QWidget> host;
    DialogLayout layout;
    CountingColorLabel* label = nullptr;
    QSize figureSize;
};

bool IsInk(ColorRef c)
{
    return c.Red() > 150 && c.Green() < 150 && c.Blue() < 150;
}

int InkIn(const QImage& img, int fromX, int toX)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = fromX; x < toX; ++x)
            n += IsInk(PixelAt(img, x, y));
    return n;
}

TEST_F(ColorLabelTest, StartsWithTheSystemTextAndFaceColoursAndKeepsTheFrameTheBuilderGaveIt)
{
    CColorLabel plain;
    EXPECT_EQ(plain.GetTextColor(), kWindowText);
    EXPECT_EQ(plain.GetBkColor(), kFace);
    EXPECT_EQ(label->text(), QStringLiteral("999,999"));
    EXPECT_EQ(label->frameStyle(), QFrame::WinPanel | QFrame::Sunken);
    EXPECT_TRUE(label->alignment() & Qt::AlignRight);
    EXPECT_TRUE(label->accessibleName().isEmpty()) << "the text itself must reach screen readers";
}

TEST_F(ColorLabelTest, BackgroundFillsInsideTheFrameAndTextTakesItsColour)
{
    label->SetFontSize(15);
    label->SetBkColor(kMint);
    label->SetTextColor(kRed);
    label->setText(QStringLiteral("1,204"));
    const QImage img = Snapshot(*label);
    const QRect inside = label->contentsRect();
    ASSERT_EQ(inside, label->rect().adjusted(2, 2, -2, -2)) << "inside the two-pixel sunken frame";
    EXPECT_EQ(PixelAt(img, inside.left(), inside.top()), kMint);
    EXPECT_EQ(PixelAt(img, inside.left(), inside.bottom()), kMint);
    EXPECT_NE(PixelAt(img, 0, 0), kMint) << "the sunken frame stays";
    EXPECT_NE(PixelAt(img, img.width() - 1, img.height() - 1), kMint);
    EXPECT_GT(InkIn(img, 0, img.width()), 0);
    // Right-aligned: the figure keeps closer to the right edge than to the left one.
    int first = img.width(), last = -1;
    for (int x = 0; x < img.width(); ++x)
        if (InkIn(img, x, x + 1) > 0) {
            first = std::min(first, x);
            last = std::max(last, x);
        }
    ASSERT_GE(last, first);
    EXPECT_LT(inside.right() - last, first - inside.left());
    EXPECT_LE(inside.right() - last, 2) << "no indent: the figure meets the frame";
}

TEST_F(ColorLabelTest, BackgroundChangeWaitsForTheNextPaintWhileTextColourAndFontShowAtOnce)
{
    label->SetBkColor(kMint);
    ShowAndSettle();
    const int settled = label->paints;
    label->SetBkColor(kPink);
    QApplication::processEvents();
    EXPECT_EQ(label->paints, settled) << "no repaint asked for";
    EXPECT_EQ(PixelAt(Snapshot(*label), 3, 3), kPink) << "shows when the label next paints";

    const int before = label->paints;
    label->SetTextColor(kRed);
    EXPECT_EQ(label->paints, before + 1);
    label->SetFontSize(10);
    EXPECT_EQ(label->paints, before + 2);
    EXPECT_EQ(label->font().pixelSize(), 10);
}

TEST_F(ColorLabelTest, NewTextKeepsColoursAndFont)
{
    label->SetFontSize(15);
    label->SetBkColor(kMint);
    label->SetTextColor(kRed);
    label->setText(QStringLiteral("95,194"));
    label->setText(QStringLiteral("1,204"));
    EXPECT_EQ(label->GetTextColor(), kRed);
    EXPECT_EQ(label->GetBkColor(), kMint);
    EXPECT_EQ(label->font().pixelSize(), 15);
    const QImage img = Snapshot(*label);
    EXPECT_EQ(PixelAt(img, 3, 3), kMint);
    EXPECT_GT(InkIn(img, 0, img.width()), 0);
}

TEST_F(ColorLabelTest, TextWiderThanTheLabelIsClippedNotShrunk)
{
    ShowAndSettle();
    label->SetFontSize(15);
    label->SetBkColor(kMint);
    label->SetTextColor(kRed);
    label->setText(QStringLiteral("8,888,888,888,888"));
    QApplication::processEvents();
    EXPECT_EQ(label->size(), figureSize);
    EXPECT_EQ(label->font().pixelSize(), 15);
    const QImage img = Snapshot(*label);
    // Digits run up to both inner edges; nothing is drawn over the frame.
    const QRect inside = label->contentsRect();
    EXPECT_GT(InkIn(img, inside.left(), inside.left() + 4), 0);
    EXPECT_GT(InkIn(img, inside.right() - 5, inside.right() + 1), 0);
    EXPECT_EQ(InkIn(img, 0, inside.left()), 0);
    EXPECT_EQ(InkIn(img, inside.right() + 1, img.width()), 0);
}

TEST_F(ColorLabelTest, JapaneseTextGetsAJapaneseGothicFace)
{
    ASSERT_TRUE(HasJapaneseFont()) << "without a Japanese font every label draws empty boxes";
    label->SetFontSize(10);
    label->setText(QString::fromUtf8("返済額の表示"));
    const QString family = QFontInfo(label->font()).family();
    EXPECT_TRUE(DialogFontFamilies().contains(family)) << family.toStdString();
}

// Under a dark scheme (light text on a dark window) a figure on its fixed pastel shows in
// black, a label without a colour of its own takes the scheme's window and text, and a
// fixed dark text on the scheme's window turns light.
TEST_F(ColorLabelTest, StaysReadableUnderADarkScheme)
{
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
    QApplication::setPalette(dark);
    QApplication::processEvents(); // the change reaches widgets as posted events

    label->SetBkColor(kMint);
    label->setText(QStringLiteral("63,309"));
    EXPECT_EQ(label->ShownTextColor(), ColorRef::Rgb(0, 0, 0));
    const QImage figure = Snapshot(*label);
    int darkInk = 0;
    for (int y = 0; y < figure.height(); ++y)
        for (int x = 0; x < figure.width(); ++x) {
            const ColorRef c = PixelAt(figure, x, y);
            darkInk += c.Red() + c.Green() + c.Blue() < 100 && label->contentsRect().contains(x, y);
        }
    EXPECT_GT(darkInk, 10);

    CColorLabel caption(host.get());
    caption.setText(QStringLiteral("以上"));
    EXPECT_EQ(caption.ShownBkColor(), ColorRef::Rgb(53, 53, 53));
    EXPECT_EQ(caption.ShownTextColor(), ColorRef::Rgb(235, 235, 235));
    EXPECT_EQ(PixelAt(Snapshot(caption), 0, 0), ColorRef::Rgb(53, 53, 53));

    CColorLabel note(host.get());
    note.SetTextColor(ColorRef::Rgb(0, 0, 100));
    EXPECT_EQ(note.ShownTextColor(), ColorRef::Rgb(255, 255, 255));
}

} // namespace
} // namespace hn
