// SPDX-License-Identifier: GPL-3.0-or-later
// The real calculator window and the real summary window together, driven through
// their buttons, fields and keys as a user drives them.
#include "controls/CColorLabel.h"
#include "controls/CDrawnOptionButton.h"
#include "controls/CGaugeBar.h"
#include "controls/CNumEdit.h"
#include "planning/CPlanningDlg.h"
#include "planning/CapacityPage.h"
#include "planning/ReadingPage.h"
#include "res/SummaryDialogIds.h"
#include "summary/CSummaryDlg.h"
#include "tests/app/LoanDlgFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QPointer>
#include <QScreen>

namespace hn::test {
namespace {

class BothWindowsTest : public LoanDlgTest {
protected:
    // Opens the summary window with the main window's button.
    CSummaryDlg* OpenSummary()
    {
        Click(IDC_SHOW_SUMMARY);
        summary = dlg->SummaryDlg();
        return summary;
    }

    void ClickInSummary(int id)
    {
        QWidget* w = summary->GetDlgItem(id);
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(w->width() / 2, w->height() / 2));
    }
    void ClickSlotOption(int slot)
    {
        QWidget* w = summary->GetDlgItem(kSlotControls[static_cast<std::size_t>(slot - 1)].option);
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(5, w->height() / 2));
    }
    QString SummaryText(int id) const { return qobject_cast<QLabel*>(summary->GetDlgItem(id))->text(); }
    int MethodCheck(int optionId) const { return qobject_cast<CDrawnOptionButton*>(Item(optionId))->GetCheck(); }
    bool SummaryDeleted()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return summary.isNull();
    }

    QPointer<CSummaryDlg> summary;
};

// 表示 › 借入可能額・繰上げ返済 opens one planning window with the calculator's
// fields, and its lenders' reading takes the loans filed in the summary window.
TEST_F(BothWindowsTest, PlanningWindowTakesTheFieldsAndTheFiledLoans)
{
    EnterWorkedExample();
    Type(IDC_INCOME, "600");
    ASSERT_NE(OpenSummary(), nullptr);
    Calculate();
    ClickInSummary(IDC_ADD_RESULT);
    QAction* planning = dlg->MenuAction(ID_PLANNING);
    ASSERT_NE(planning, nullptr);
    planning->trigger();
    auto* window = dlg->findChild<CPlanningDlg*>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_DOUBLE_EQ(window->Capacity()->m_income->GetValue(), 600);
    ASSERT_EQ(window->Reading()->LoanChecks().size(), 1u);
    EXPECT_EQ(window->Reading()->LoanChecks()[0]->text(), QStringLiteral("公庫1　公庫基本型 3,000万円"));
    planning->trigger(); // raises the same window
    EXPECT_EQ(dlg->findChildren<CPlanningDlg*>().size(), 1);
}

TEST_F(BothWindowsTest, WorkedExampleAddedAndRecalled)
{
    EnterWorkedExample();
    Type(IDC_INCOME, "600");
    SelectMethod(IDC_METHOD_CORPORATION_YUTORI);
    ASSERT_NE(OpenSummary(), nullptr);
    EXPECT_FALSE(Item(IDC_SHOW_SUMMARY)->isEnabled());
    EXPECT_TRUE(dlg->MenuAction(ID_TOGGLE_SUMMARY)->isChecked());
    EXPECT_FALSE(summary->GetDlgItem(IDC_ADD_RESULT)->isEnabled());

    Calculate();
    ASSERT_TRUE(summary->GetDlgItem(IDC_ADD_RESULT)->isEnabled());
    ClickInSummary(IDC_ADD_RESULT);
    EXPECT_EQ(SummaryText(1072), "63,309");
    EXPECT_EQ(SummaryText(1074), "95,194");
    EXPECT_EQ(SummaryText(IDC_SUM_ANNUAL), "950,096");
    EXPECT_EQ(SummaryText(IDC_SUM_REQUIRED_INCOME), "475");
    EXPECT_EQ(Text(IDC_REQUIRED_INCOME), "596"); // the main window's own basis differs
    EXPECT_EQ(SummaryText(IDC_SUM_GRAND_TOTAL), "45,965,590");
    EXPECT_EQ(SummaryText(IDC_SUM_LOAN), "3,000");
    EXPECT_EQ(SummaryText(IDC_RATIO_TEXT), "15.83%");
    EXPECT_EQ(summary->Gauge()->GetBarColor(), ColorRef::Rgb(100, 100, 255));
    EXPECT_EQ(summary->Gauge()->GetPos(), 15);

    SelectMethod(IDC_METHOD_EQUAL_PRINCIPAL);
    EXPECT_EQ(Text(IDC_MONTHLY1), ""); // a method switch blanks the results
    Calculate();
    ClickInSummary(IDC_ADD_RESULT);
    EXPECT_EQ(SummaryText(1038), "97,142");
    EXPECT_EQ(SummaryText(1078), "145,714");
    EXPECT_EQ(SummaryText(IDC_SUM_MONTHLY), "160,451");
    EXPECT_EQ(SummaryText(IDC_SUM_BONUS), "240,908");
    EXPECT_EQ(SummaryText(IDC_SUM_ANNUAL), "2,407,228");
    EXPECT_EQ(SummaryText(IDC_SUM_REQUIRED_INCOME), "1,204");
    EXPECT_EQ(SummaryText(IDC_SUM_GRAND_TOTAL), "89,211,967");
    EXPECT_EQ(SummaryText(IDC_SUM_LOAN), "6,000");
    EXPECT_EQ(SummaryText(IDC_RATIO_TEXT), "40.12%");
    EXPECT_EQ(summary->Gauge()->GetBarColor(), ColorRef::Rgb(254, 71, 99));
    EXPECT_EQ(summary->Gauge()->GetPos(), 40);

    // Back to the 公庫 result: method option, captions, inputs and results return.
    ClickSlotOption(1);
    EXPECT_EQ(MethodCheck(IDC_METHOD_CORPORATION_YUTORI), 1);
    EXPECT_EQ(MethodCheck(IDC_METHOD_EQUAL_PRINCIPAL), 0);
    EXPECT_EQ(Text(IDC_BAND1_CAPTION), QString::fromUtf8("1～5年目"));
    EXPECT_EQ(Text(IDC_MONTHLY1), "63,309");
    EXPECT_EQ(Text(IDC_BONUS1), "95,194");
    EXPECT_EQ(Text(IDC_TOTAL), "45,965,590");
    EXPECT_EQ(Text(IDC_LOAN), "3,000");
    EXPECT_EQ(Text(IDC_PERIOD), "35");
    EXPECT_TRUE(Visible(IDC_RATE2));

    ClickSlotOption(5);
    EXPECT_EQ(MethodCheck(IDC_METHOD_EQUAL_PRINCIPAL), 1);
    EXPECT_EQ(MethodCheck(IDC_METHOD_CORPORATION_YUTORI), 0);
    EXPECT_EQ(Text(IDC_BAND1_CAPTION), QString::fromUtf8("1年目第1回"));
    EXPECT_EQ(Text(IDC_MONTHLY1), "97,142");

    // An empty bank slot: bank captions and no second-rate row, results untouched.
    ClickSlotOption(7);
    EXPECT_EQ(Text(IDC_RATE1_CAPTION), QString::fromUtf8("金利 一定"));
    EXPECT_FALSE(Visible(IDC_RATE2));
    EXPECT_EQ(Text(IDC_MONTHLY1), "97,142");
}

// Calculating right after a recall computes what the fields show: the recalled loan,
// not the one typed before, and the income the field shows after the recall.
TEST_F(BothWindowsTest, CalculateAfterARecallUsesTheRecalledInputs)
{
    EnterWorkedExample();
    Type(IDC_INCOME, "600");
    ASSERT_NE(OpenSummary(), nullptr);
    Calculate();
    ClickInSummary(IDC_ADD_RESULT);
    ASSERT_EQ(SummaryText(1072), "79,503");

    Item(IDC_LOAN)->setFocus();
    qobject_cast<QLineEdit*>(Item(IDC_LOAN))->selectAll();
    QTest::keyClicks(Item(IDC_LOAN), "2000");
    Type(IDC_BONUS_PART, "\b\b\b"); // no bonus part
    Calculate();
    ASSERT_EQ(Text(IDC_MONTHLY1), "66,252");
    Type(IDC_INCOME, "0"); // 6,000 typed since: the recall puts back the text last read

    ClickSlotOption(1);
    EXPECT_EQ(Text(IDC_LOAN), "3,000");
    EXPECT_EQ(Text(IDC_INCOME), "600");
    QTest::keyClick(Item(IDC_LOAN), Qt::Key_Return);
    EXPECT_EQ(boxes.OnlyText(), "");
    EXPECT_EQ(Text(IDC_MONTHLY1), "79,503");
    EXPECT_EQ(Text(IDC_BONUS1), "119,596");
    EXPECT_EQ(Text(IDC_TOTAL), "45,313,480");
    EXPECT_EQ(dlg->GetKeptFigures().loanMan, 3000);
    EXPECT_EQ(dlg->GetKeptFigures().income, 6'000'000);
}

TEST_F(BothWindowsTest, ResultFromBeforeOpeningCannotBeAdded)
{
    EnterWorkedExample();
    Calculate();
    ASSERT_NE(OpenSummary(), nullptr);
    EXPECT_FALSE(summary->GetDlgItem(IDC_ADD_RESULT)->isEnabled());
    Calculate();
    EXPECT_TRUE(summary->GetDlgItem(IDC_ADD_RESULT)->isEnabled());
}

TEST_F(BothWindowsTest, EscapeClosesAndReopeningStartsEmpty)
{
    EnterWorkedExample();
    ASSERT_NE(OpenSummary(), nullptr);
    Calculate();
    ClickInSummary(IDC_ADD_RESULT);
    ASSERT_EQ(SummaryText(1072).isEmpty(), false);

    QTest::keyClick(summary, Qt::Key_Escape);
    EXPECT_EQ(dlg->SummaryDlg(), nullptr);
    EXPECT_TRUE(Item(IDC_SHOW_SUMMARY)->isEnabled());
    EXPECT_FALSE(dlg->MenuAction(ID_TOGGLE_SUMMARY)->isChecked());
    EXPECT_TRUE(SummaryDeleted());

    ASSERT_NE(OpenSummary(), nullptr);
    EXPECT_EQ(SummaryText(1072), "");
    EXPECT_EQ(SummaryText(IDC_RATIO_TEXT), "0%");
}

TEST_F(BothWindowsTest, CloseButtonClosesToo)
{
    ASSERT_NE(OpenSummary(), nullptr);
    ClickInSummary(IDC_SUMMARY_CLOSE);
    EXPECT_EQ(dlg->SummaryDlg(), nullptr);
    EXPECT_TRUE(Item(IDC_SHOW_SUMMARY)->isEnabled());
    EXPECT_TRUE(SummaryDeleted());
}

TEST_F(BothWindowsTest, MenuCommandOpensAndCloses)
{
    QAction* toggle = dlg->MenuAction(ID_TOGGLE_SUMMARY);
    toggle->trigger();
    summary = dlg->SummaryDlg();
    ASSERT_FALSE(summary.isNull());
    EXPECT_TRUE(summary->isVisible());
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_FALSE(Item(IDC_SHOW_SUMMARY)->isEnabled());

    toggle->trigger();
    EXPECT_EQ(dlg->SummaryDlg(), nullptr);
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_TRUE(Item(IDC_SHOW_SUMMARY)->isEnabled());
    EXPECT_TRUE(SummaryDeleted());
}

// Opened from the menu, the summary window has the keyboard: its focus starts on the
// first slot, so that a stray Enter does not press 閉じる.
TEST_F(BothWindowsTest, OpenedFromTheMenuAStrayEnterKeepsItOpen)
{
    dlg->MenuAction(ID_TOGGLE_SUMMARY)->trigger();
    summary = dlg->SummaryDlg();
    ASSERT_FALSE(summary.isNull());
    summary->activateWindow();
    QCoreApplication::processEvents();
    QWidget* first = summary->GetDlgItem(kSlotControls[0].option);
    EXPECT_EQ(summary->focusWidget(), first);
    QTest::keyClick(summary->focusWidget() ? summary->focusWidget() : summary.data(), Qt::Key_Return);
    EXPECT_FALSE(SummaryDeleted());
    EXPECT_EQ(dlg->SummaryDlg(), summary.data());
    EXPECT_TRUE(summary->isVisible());
}

TEST_F(BothWindowsTest, ShowButtonWhileOpenKeepsTheSameWindow)
{
    ASSERT_NE(OpenSummary(), nullptr);
    CSummaryDlg* first = summary;
    dlg->OnShowSummary(); // the button itself is disabled while the window is open
    EXPECT_EQ(dlg->SummaryDlg(), first);
}

TEST_F(BothWindowsTest, SummaryStandsBesideTheMainWindowAndFollowsIt)
{
    dlg->move(20, 30);
    QCoreApplication::processEvents();
    ASSERT_NE(OpenSummary(), nullptr);
    QCoreApplication::processEvents();
    QRect main = dlg->frameGeometry();
    EXPECT_EQ(summary->frameGeometry(), QRect(main.x() + main.width(), main.y(), main.width() - 16, main.height()));

    dlg->move(0, 45);
    QCoreApplication::processEvents();
    main = dlg->frameGeometry();
    EXPECT_EQ(summary->frameGeometry().topLeft(), QPoint(main.x() + main.width(), 45));

    // Towards the right edge: the summary window stops at it, over the main window.
    dlg->move(300, 45);
    QCoreApplication::processEvents();
    const QRect screen = dlg->screen()->availableGeometry();
    EXPECT_EQ(summary->frameGeometry().right(), screen.right());
    EXPECT_LT(summary->frameGeometry().left(), dlg->frameGeometry().right());
}

TEST_F(BothWindowsTest, MainWindowGoesWithTheSummaryOpen)
{
    ASSERT_NE(OpenSummary(), nullptr);
    dlg.reset();
    EXPECT_TRUE(summary.isNull());
}

} // namespace
} // namespace hn::test
