// SPDX-License-Identifier: GPL-3.0-or-later
// The summary window itself, with a stand-in main window: built from its template,
// driven through its real buttons and keys.
#include "summary/CSummaryDlg.h"

#include "controls/CColorLabel.h"
#include "controls/CDrawnOptionButton.h"
#include "controls/CGaugeBar.h"
#include "controls/CHoverButton.h"
#include "platform/SysColors.h"
#include "res/SummaryDialogIds.h"
#include "tests/summary/FakeSummaryHost.h"
#include "tests/summary/WorkedExample.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace hn {
namespace {

using test::FakeSummaryHost;

class SummaryDlgTest : public ::testing::Test {
protected:
    void SetUp() override { Open(); }

    void TearDown() override
    {
        delete dlg.data(); // as the main window's destructor does
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void Open()
    {
        dlg = new CSummaryDlg(host);
        ASSERT_TRUE(dlg->Create());
        QCoreApplication::processEvents();
    }

    // The main window finished a calculation with these figures.
    void Calculate(const KeptFigures& kept, const char* period = "35")
    {
        host.kept = kept;
        host.texts = test::TextsFor(kept, period);
        dlg->EnableAddButton();
    }

    void ClickAdd() { QTest::mouseClick(Button(IDC_ADD_RESULT), Qt::LeftButton); }
    void ClickClear(int slot) { QTest::mouseClick(Button(kSlotControls[static_cast<std::size_t>(slot - 1)].clear), Qt::LeftButton); }
    void ClickOption(int slot)
    {
        QWidget* option = dlg->GetDlgItem(kSlotControls[static_cast<std::size_t>(slot - 1)].option);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, option->height() / 2));
    }

    CHoverButton* Button(int id) const { return qobject_cast<CHoverButton*>(dlg->GetDlgItem(id)); }
    CColorLabel* Label(int id) const { return qobject_cast<CColorLabel*>(dlg->GetDlgItem(id)); }
    QString Text(int id) const { return Label(id)->text(); }

    // Runs the deferred deletions; true when the window object is gone.
    bool Deleted()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dlg.isNull();
    }

    FakeSummaryHost host;
    QPointer<CSummaryDlg> dlg;
};

TEST_F(SummaryDlgTest, OpensEmptyBesideTheMainWindow)
{
    EXPECT_EQ(dlg->windowTitle(), QString::fromUtf8("集計結果表示"));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_FALSE(dlg->isModal());
    EXPECT_EQ(dlg->parentWidget(), &host.window);
    EXPECT_TRUE(dlg->testAttribute(Qt::WA_DeleteOnClose));

    const QRect main = host.window.frameGeometry();
    EXPECT_EQ(dlg->frameGeometry(), QRect(main.x() + main.width(), main.y(), main.width() - 16, main.height()));

    EXPECT_FALSE(Button(IDC_ADD_RESULT)->isEnabled());
    for (const SlotControlIds& slot : kSlotControls) {
        EXPECT_EQ(Label(slot.monthly)->text(), "");
        EXPECT_EQ(Label(slot.bonus)->text(), "");
    }
    EXPECT_EQ(Text(IDC_RATIO_TEXT), "0%");
    EXPECT_EQ(Text(IDC_SUM_ANNUAL), "");

    CGaugeBar* gauge = dlg->Gauge();
    ASSERT_NE(gauge, nullptr);
    int lower = -1, upper = -1;
    gauge->GetRange(lower, upper);
    EXPECT_EQ(lower, 0);
    EXPECT_EQ(upper, 40);
    EXPECT_EQ(gauge->GetPos(), 0);
    EXPECT_TRUE(gauge->IsAnimating());
    EXPECT_EQ(gauge->GetBarColor(), ColorRef::Rgb(255, 204, 0));
}

TEST_F(SummaryDlgTest, ButtonsGetShadedFaceIconsCursorAndTips)
{
    const ColorRef face = GetSysColor(SysColor::BtnFace);
    std::vector<int> ids{IDC_SUMMARY_CLOSE, IDC_ADD_RESULT};
    for (const SlotControlIds& slot : kSlotControls)
        ids.push_back(slot.clear);
    for (int id : ids) {
        CHoverButton* b = Button(id);
        ASSERT_NE(b, nullptr) << id;
        EXPECT_EQ(b->GetNormalBkColor(), face.Shifted(-20)) << id;
        EXPECT_EQ(b->GetActiveBkColor(), face.Shifted(20)) << id;
        EXPECT_EQ(b->GetIconAlign(), 1);
        EXPECT_TRUE(b->HasBtnCursor()) << id;
        if (id == IDC_SUMMARY_CLOSE || id == IDC_ADD_RESULT) {
            EXPECT_EQ(b->accessibleName(), b->toolTip()) << id;
        }
    }
    // The eight clear buttons share one tip; each is named after the slot it clears.
    EXPECT_EQ(Button(kSlotControls[0].clear)->accessibleName(), QString::fromUtf8("公庫1のクリア"));
    EXPECT_EQ(Button(kSlotControls[7].clear)->accessibleName(), QString::fromUtf8("銀行2のクリア"));
    EXPECT_EQ(Button(IDC_SUMMARY_CLOSE)->toolTip(), QString::fromUtf8("閉じる"));
    EXPECT_EQ(Button(IDC_ADD_RESULT)->toolTip(), QString::fromUtf8("算出結果を追加します"));
    EXPECT_EQ(Button(1088)->toolTip(), QString::fromUtf8("左記結果のクリア"));
}

// A face near white or near black: the shades stay next to the face instead of wrapping
// round to the other end of the scale (a lit button must not turn black).
TEST(SummaryDlgButtons, ShadesStayNearAFaceAtEitherEndOfTheScale)
{
    const QPalette original = QApplication::palette();
    const struct {
        int face;
        ColorRef rest;
        ColorRef lit;
    } cases[] = {{239, ColorRef::Rgb(219, 219, 219), ColorRef::Rgb(255, 255, 255)},
                 {10, ColorRef::Rgb(0, 0, 0), ColorRef::Rgb(30, 30, 30)}};
    for (const auto& c : cases) {
        QPalette palette = original;
        palette.setColor(QPalette::Button, QColor(c.face, c.face, c.face));
        QApplication::setPalette(palette);
        FakeSummaryHost host;
        auto* dlg = new CSummaryDlg(host);
        ASSERT_TRUE(dlg->Create());
        for (const int id : std::initializer_list<int>{IDC_SUMMARY_CLOSE, IDC_ADD_RESULT, kSlotControls[0].clear}) {
            auto* b = qobject_cast<CHoverButton*>(dlg->GetDlgItem(id));
            EXPECT_EQ(b->GetNormalBkColor(), c.rest) << c.face << " " << id;
            EXPECT_EQ(b->GetActiveBkColor(), c.lit) << c.face << " " << id;
        }
        delete dlg;
    }
    QApplication::setPalette(original);
}

TEST_F(SummaryDlgTest, LabelsTakeTheirFontsAndColours)
{
    struct Expect {
        int id;
        int font;
        ColorRef bk;
    };
    const ColorRef face = GetSysColor(SysColor::BtnFace);
    const Expect expected[] = {
        {1072, 15, ColorRef::Rgb(172, 255, 235)}, {1087, 15, ColorRef::Rgb(172, 255, 235)},
        {1046, 15, ColorRef::Rgb(255, 255, 235)}, {1083, 15, ColorRef::Rgb(255, 206, 219)},
        {1089, 15, ColorRef::Rgb(255, 206, 219)}, {1099, 15, ColorRef::Rgb(240, 200, 250)},
        {1101, 15, ColorRef::Rgb(172, 200, 235)}, {1100, 10, ColorRef::Rgb(253, 236, 119)},
        {1061, 10, face},                          {1048, 10, face},
        {1103, 10, ColorRef::Rgb(255, 113, 255)},
    };
    for (const Expect& e : expected) {
        CColorLabel* label = Label(e.id);
        ASSERT_NE(label, nullptr) << e.id;
        EXPECT_EQ(label->font().pixelSize(), e.font) << e.id;
        EXPECT_EQ(label->GetBkColor(), e.bk) << e.id;
    }
    EXPECT_EQ(Label(1048)->GetTextColor(), ColorRef::Rgb(0, 0, 100));
    EXPECT_EQ(Label(1046)->GetTextColor(), GetSysColor(SysColor::WindowText));
    // Screen readers hear the figure as the text and what it is as the description.
    EXPECT_EQ(Label(1072)->accessibleDescription(), QString::fromUtf8("公庫1 通 常"));
    EXPECT_EQ(Label(1083)->accessibleName(), "");
}

TEST_F(SummaryDlgTest, WorkedExampleThroughTheAddButton)
{
    Calculate(test::YutoriKept());
    ASSERT_TRUE(Button(IDC_ADD_RESULT)->isEnabled());
    ClickAdd();
    EXPECT_EQ(Text(1072), "63,309");
    EXPECT_EQ(Text(1074), "95,194");
    EXPECT_EQ(Text(IDC_SUM_MONTHLY), "63,309");
    EXPECT_EQ(Text(IDC_SUM_BONUS), "95,194");
    EXPECT_EQ(Text(IDC_SUM_ANNUAL), "950,096");
    EXPECT_EQ(Text(IDC_SUM_REQUIRED_INCOME), "475");
    EXPECT_EQ(Text(IDC_SUM_GRAND_TOTAL), "45,965,590");
    EXPECT_EQ(Text(IDC_SUM_LOAN), "3,000");
    EXPECT_EQ(Text(IDC_RATIO_TEXT), "15.83%");
    EXPECT_FALSE(dlg->Gauge()->IsAnimating());
    EXPECT_FALSE(dlg->Gauge()->IsAnimationTimerActive());
    EXPECT_EQ(dlg->Gauge()->GetBarColor(), ColorRef::Rgb(100, 100, 255));
    EXPECT_EQ(dlg->Gauge()->GetPos(), 15);

    Calculate(test::EqualPrincipalKept());
    ClickAdd();
    EXPECT_TRUE(Button(IDC_ADD_RESULT)->isEnabled()); // stays enabled after an add
    EXPECT_EQ(Text(1038), "97,142");
    EXPECT_EQ(Text(1078), "145,714");
    EXPECT_EQ(Text(IDC_SUM_MONTHLY), "160,451");
    EXPECT_EQ(Text(IDC_SUM_BONUS), "240,908");
    EXPECT_EQ(Text(IDC_SUM_ANNUAL), "2,407,228");
    EXPECT_EQ(Text(IDC_SUM_REQUIRED_INCOME), "1,204");
    EXPECT_EQ(Text(IDC_SUM_GRAND_TOTAL), "89,211,967");
    EXPECT_EQ(Text(IDC_SUM_LOAN), "6,000");
    EXPECT_EQ(Text(IDC_RATIO_TEXT), "40.12%");
    EXPECT_EQ(dlg->Gauge()->GetBarColor(), ColorRef::Rgb(254, 71, 99));
    EXPECT_EQ(dlg->Gauge()->GetPos(), 40);
}

TEST_F(SummaryDlgTest, FiguresKeepEveryDigitInsideTheirLabels)
{
    Calculate(test::YutoriKept());
    ClickAdd();
    Calculate(test::EqualPrincipalKept());
    ClickAdd();
    for (int id : {1072, 1074, 1038, 1078, 1046, 1080, 1083, 1089, 1099, 1101, 1103}) {
        CColorLabel* label = Label(id);
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width())
            << id << " " << label->text().toStdString();
        EXPECT_LE(label->font().pixelSize(), id == 1103 ? 10 : 15);
    }
    // A figure that fits keeps the window's height, and a cleared one gets it back.
    EXPECT_EQ(Label(IDC_SUM_LOAN)->font().pixelSize(), 15);
    ClickClear(5);
    EXPECT_EQ(Label(1078)->font().pixelSize(), 15);
}

TEST_F(SummaryDlgTest, DisabledAddButtonAddsNothing)
{
    host.kept = test::YutoriKept();
    host.texts = test::TextsFor(host.kept);
    ClickAdd(); // no calculation since the window opened
    EXPECT_EQ(Text(1072), "");
    EXPECT_FALSE(dlg->Slots().IsOccupied(1));
}

TEST_F(SummaryDlgTest, ClearingTheOnlySlotBringsBackTheAmberStripes)
{
    Calculate(test::YutoriKept());
    ClickAdd();
    ClickClear(1);
    EXPECT_EQ(Text(1072), "");
    EXPECT_EQ(Text(1074), "");
    EXPECT_EQ(Text(IDC_SUM_MONTHLY), "");
    EXPECT_EQ(Text(IDC_SUM_ANNUAL), "");
    EXPECT_EQ(Text(IDC_SUM_GRAND_TOTAL), "");
    EXPECT_EQ(Text(IDC_RATIO_TEXT), "0%");
    EXPECT_TRUE(dlg->Gauge()->IsAnimating());
    EXPECT_TRUE(dlg->Gauge()->IsAnimationTimerActive());
    EXPECT_EQ(dlg->Gauge()->GetBarColor(), ColorRef::Rgb(255, 204, 0));
    EXPECT_EQ(dlg->Gauge()->GetPos(), 15); // left as it was; the stripes ignore it
    EXPECT_FALSE(dlg->Slots().SnapshotOf(1).HoldsResult());
}

TEST_F(SummaryDlgTest, ClearButtonsClearTheirOwnSlot)
{
    KeptFigures bank{BankOther, 50000, 0, 6000000, 1000, 20000000};
    Calculate(bank);
    ClickAdd();
    ClickAdd();
    EXPECT_EQ(Text(1047), "50,000");
    EXPECT_EQ(Text(1051), "50,000");
    ClickClear(8);
    EXPECT_EQ(Text(1047), "50,000");
    EXPECT_EQ(Text(1051), "");
    EXPECT_EQ(Text(IDC_SUM_MONTHLY), "50,000");
    EXPECT_EQ(Text(IDC_RATIO_TEXT), "10.%");
}

TEST_F(SummaryDlgTest, NoIncomeKeepsTheRatioEmptyUntilTheNextAddOrClear)
{
    KeptFigures kept = test::YutoriKept();
    kept.income = 0;
    Calculate(kept);
    ClickAdd();
    EXPECT_EQ(Text(IDC_SUM_ANNUAL), "950,096");
    EXPECT_EQ(Text(IDC_RATIO_TEXT), "0%");
    EXPECT_TRUE(dlg->Gauge()->IsAnimating());

    Calculate(test::YutoriKept()); // with an income now
    EXPECT_EQ(Text(IDC_RATIO_TEXT), "0%");
    ClickClear(5); // an empty slot: recalculates all the same
    EXPECT_EQ(Text(IDC_RATIO_TEXT), "15.83%");
    EXPECT_FALSE(dlg->Gauge()->IsAnimating());
}

TEST_F(SummaryDlgTest, SelectingAStoredSlotRecallsIt)
{
    Calculate(test::YutoriKept(), "35");
    ClickAdd();
    ClickOption(1);
    auto* option = qobject_cast<CDrawnOptionButton*>(dlg->GetDlgItem(1090));
    EXPECT_EQ(option->GetCheck(), 1);
    EXPECT_EQ(host.captions, &kStandardCaptions);
    EXPECT_EQ(host.secondRateShown, true);
    EXPECT_EQ(host.checkedMethod, CorporationYutori);
    ASSERT_TRUE(host.recalled.has_value());
    EXPECT_EQ(host.recalled->monthly[0], "63,309");
    EXPECT_EQ(host.recalled->periodEdit, "35");
    EXPECT_EQ(host.recalled->total, "45,965,590");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"captions", "show", "checks", "texts"}));
}

// With the keyboard alone: Tab reaches the slots (one stop) and every clear button; the
// arrows move among the slots without recalling any; Space or Enter recalls.
TEST_F(SummaryDlgTest, SlotsAndClearButtonsByKeyboard)
{
    Calculate(test::YutoriKept(), "35");
    ClickAdd();
    auto option = [&](int slot) { return qobject_cast<CDrawnOptionButton*>(dlg->GetDlgItem(1089 + slot)); };
    auto tabStop = [](QWidget* w) { return (w->focusPolicy() & Qt::TabFocus) != 0; };
    EXPECT_TRUE(tabStop(option(1)));
    for (int slot = 2; slot <= 8; ++slot)
        EXPECT_FALSE(tabStop(option(slot))) << slot;
    for (const SlotControlIds& ids : kSlotControls)
        EXPECT_TRUE(tabStop(Button(ids.clear))) << ids.clear;
    option(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(option(1), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Button(kSlotControls[0].clear)) << "window order: slot, then its clear";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Button(kSlotControls[1].clear)) << "the other slots are no stops";

    option(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(option(1), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(QApplication::focusWidget(), option(3));
    EXPECT_FALSE(host.recalled.has_value());
    QTest::keyClick(option(3), Qt::Key_Up);
    QTest::keyClick(option(2), Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), option(1));
    EXPECT_FALSE(host.recalled.has_value());
    QTest::keyClick(option(1), Qt::Key_Return);
    ASSERT_TRUE(host.recalled.has_value());
    EXPECT_EQ(host.recalled->monthly[0], "63,309");
    EXPECT_EQ(option(1)->GetCheck(), 1);
}

TEST_F(SummaryDlgTest, StoredPeriodDecidesTheSecondRateRow)
{
    Calculate(test::EqualPrincipalKept(), "10");
    ClickAdd();
    Calculate(test::EqualPrincipalKept(), "15");
    ClickAdd();
    ClickOption(5);
    EXPECT_EQ(host.captions, &kEqualPrincipalCaptions);
    EXPECT_EQ(host.secondRateShown, false);
    EXPECT_EQ(host.recalled->periodEdit, "10");
    ClickOption(6);
    EXPECT_EQ(host.secondRateShown, true);
    EXPECT_EQ(host.recalled->periodEdit, "15");
    EXPECT_EQ(host.checkedMethod, EqualPrincipal);
    EXPECT_EQ(qobject_cast<CDrawnOptionButton*>(dlg->GetDlgItem(1094))->GetCheck(), 0);
}

TEST_F(SummaryDlgTest, BankSlotsHideTheSecondRateRow)
{
    Calculate({BankOther, 50000, 0, 6000000, 1000, 20000000}, "35");
    ClickAdd();
    ClickOption(7);
    EXPECT_EQ(host.captions, &kBankCaptions);
    EXPECT_EQ(host.secondRateShown, false);
    EXPECT_EQ(host.checkedMethod, BankOther);
    EXPECT_TRUE(host.recalled.has_value());
}

TEST_F(SummaryDlgTest, EmptySlotsChangeOnlyCaptionsAndTheRow)
{
    ClickOption(3);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"captions", "show"}));
    EXPECT_EQ(host.captions, &kStandardCaptions);
    host.calls.clear();
    ClickOption(8);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"captions", "hide"}));
    EXPECT_EQ(host.captions, &kBankCaptions);
    EXPECT_FALSE(host.recalled.has_value());
    EXPECT_FALSE(host.checkedMethod.has_value());
}

TEST_F(SummaryDlgTest, EscapeTellsTheMainWindowAndCloses)
{
    QTest::keyClick(dlg, Qt::Key_Escape);
    EXPECT_EQ(host.closedCalls, 1);
    EXPECT_TRUE(Deleted());
}

TEST_F(SummaryDlgTest, CloseButtonTellsTheMainWindowAndCloses)
{
    QTest::mouseClick(Button(IDC_SUMMARY_CLOSE), Qt::LeftButton);
    EXPECT_EQ(host.closedCalls, 1);
    EXPECT_TRUE(Deleted());
}

TEST_F(SummaryDlgTest, CloseBoxTellsTheMainWindowOnce)
{
    EXPECT_TRUE(dlg->close());
    EXPECT_EQ(host.closedCalls, 1);
    EXPECT_TRUE(Deleted());
}

TEST_F(SummaryDlgTest, MenuCloseDoesNotCallBack)
{
    dlg->DestroyWindow();
    EXPECT_FALSE(dlg.isNull() ? false : dlg->isVisible());
    EXPECT_EQ(host.closedCalls, 0);
    EXPECT_TRUE(Deleted());
}

// Enter presses the focused button and nothing else: add adds, a clear button clears,
// and only Enter on the close button closes the window.
TEST_F(SummaryDlgTest, EnterPressesTheFocusedButton)
{
    Calculate(test::YutoriKept());
    Button(IDC_ADD_RESULT)->setFocus();
    QTest::keyClick(Button(IDC_ADD_RESULT), Qt::Key_Return);
    EXPECT_NE(Text(1072), "");
    EXPECT_FALSE(Deleted());
    Button(kSlotControls[0].clear)->setFocus();
    QTest::keyClick(Button(kSlotControls[0].clear), Qt::Key_Enter);
    EXPECT_EQ(Text(1072), "");
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(host.closedCalls, 0);
    Button(IDC_SUMMARY_CLOSE)->setFocus();
    QTest::keyClick(Button(IDC_SUMMARY_CLOSE), Qt::Key_Return);
    EXPECT_TRUE(Deleted());
    EXPECT_EQ(host.closedCalls, 1);
}

TEST_F(SummaryDlgTest, ReopeningStartsEmpty)
{
    Calculate(test::YutoriKept());
    ClickAdd();
    QTest::keyClick(dlg, Qt::Key_Escape);
    ASSERT_TRUE(Deleted());
    Open();
    EXPECT_EQ(Text(1072), "");
    EXPECT_EQ(Text(IDC_RATIO_TEXT), "0%");
    EXPECT_FALSE(dlg->Slots().IsOccupied(1));
    EXPECT_FALSE(Button(IDC_ADD_RESULT)->isEnabled());
}

TEST_F(SummaryDlgTest, FollowsTheMainWindowKeptOnTheScreen)
{
    const int screenRight = host.window.screen()->availableGeometry().right() + 1;
    host.window.move(screenRight - 200, 30);
    QCoreApplication::processEvents();
    dlg->FollowHost();
    const QRect main = host.window.frameGeometry();
    EXPECT_EQ(dlg->frameGeometry().topLeft(), QPoint(screenRight - (main.width() - 16), 30));
    EXPECT_EQ(dlg->frameGeometry().size(), QSize(main.width() - 16, main.height()));
}

TEST(SummaryDlgPlacement, OpeningAtTheRightScreenEdgeMovesBothWindows)
{
    FakeSummaryHost host;
    const QRect screen = host.window.screen()->geometry();
    const int screenRight = screen.left() + screen.width();
    host.window.move(screenRight - 400, 40);
    QCoreApplication::processEvents();
    const int w = host.window.frameGeometry().width();
    QPointer<CSummaryDlg> dlg = new CSummaryDlg(host);
    ASSERT_TRUE(dlg->Create());
    QCoreApplication::processEvents();
    EXPECT_EQ(host.window.frameGeometry().x(), screenRight - 2 * w + 16);
    EXPECT_EQ(dlg->frameGeometry().x(), screenRight - w + 16);
    EXPECT_EQ(dlg->frameGeometry().right() + 1, screenRight);
    delete dlg.data();
}

TEST(SummaryDlgPlacement, OpeningWithTheLeftEdgeOffScreenMovesItIn)
{
    FakeSummaryHost host;
    const QRect screen = host.window.screen()->geometry();
    host.window.move(screen.left() - 50, 40);
    QCoreApplication::processEvents();
    const int w = host.window.frameGeometry().width();
    QPointer<CSummaryDlg> dlg = new CSummaryDlg(host);
    ASSERT_TRUE(dlg->Create());
    QCoreApplication::processEvents();
    EXPECT_EQ(host.window.frameGeometry().x(), screen.left());
    EXPECT_EQ(dlg->frameGeometry().x(), screen.left() + w);
    EXPECT_FALSE(dlg->Create()); // only once
    delete dlg.data();
}

TEST(SummaryDlgLifetime, DeletedWithItsOwnerWithoutCallingBack)
{
    FakeSummaryHost host;
    auto owner = std::make_unique<QWidget>();
    owner->show();
    host.owner = owner.get();
    QPointer<CSummaryDlg> dlg = new CSummaryDlg(host);
    ASSERT_TRUE(dlg->Create());
    EXPECT_EQ(dlg->parentWidget(), owner.get());
    owner.reset(); // the owner window goes, and the summary window with it
    EXPECT_TRUE(dlg.isNull());
    EXPECT_EQ(host.closedCalls, 0);
}

} // namespace
} // namespace hn
