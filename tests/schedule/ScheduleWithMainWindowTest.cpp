// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule window from the real calculator and summary windows: the menu command,
// a slot's context menu, and the window following calculations, recalls and slots.
#include "calc/AmountText.h"
#include "calc/schedule/ScheduleTexts.h"
#include "controls/Utf8Text.h"
#include "res/SummaryDialogIds.h"
#include "schedule/CScheduleDlg.h"
#include "schedule/ScheduleTableModel.h"
#include "schedule/ScheduleWindowTexts.h"
#include "summary/CSummaryDlg.h"
#include "tests/app/LoanDlgFixture.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>

namespace hn::test {
namespace {

class ScheduleFromMainWindowTest : public LoanDlgTest {
protected:
    QAction* MenuItem() const { return dlg->MenuAction(ID_SHOW_SCHEDULE); }
    CSummaryDlg* OpenSummary()
    {
        Click(IDC_SHOW_SUMMARY);
        return dlg->SummaryDlg();
    }
    // The slot's context menu, and its one command chosen.
    void ScheduleOfSlot(CSummaryDlg* summary, int slot)
    {
        const std::unique_ptr<QMenu> menu = summary->SlotContextMenu(slot);
        ASSERT_TRUE(menu);
        ASSERT_EQ(menu->actions().size(), 1);
        EXPECT_EQ(menu->actions()[0]->text(), FromUtf8(kScheduleTitle));
        menu->actions()[0]->trigger();
    }
};

TEST_F(ScheduleFromMainWindowTest, MenuShowsTheCalculatedLoanAndFollowsNewCalculations)
{
    EXPECT_EQ(MenuItem()->text(), FromUtf8(kScheduleTitle));
    EXPECT_FALSE(MenuItem()->isEnabled()); // nothing calculated yet
    EXPECT_EQ(MenuItem()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));

    EnterWorkedExample();
    Calculate();
    ASSERT_TRUE(MenuItem()->isEnabled());
    EXPECT_EQ(dlg->ScheduleDlg(), nullptr); // not opened by a calculation
    MenuItem()->trigger();
    QPointer<CScheduleDlg> schedule = dlg->ScheduleDlg();
    ASSERT_NE(schedule, nullptr);
    EXPECT_TRUE(schedule->isVisible());
    EXPECT_FALSE(schedule->isModal());
    EXPECT_EQ(schedule->Model()->rowCount(), 490);
    // The window's own total, as the calculator window shows it.
    EXPECT_EQ(schedule->TotalsTexts()[1], FromUtf8(kWindowTotal) + QStringLiteral(": ") + Text(IDC_TOTAL) + FromUtf8(kYen));

    // A new calculation: the open window shows it.
    SelectMethod(IDC_METHOD_EQUAL_PRINCIPAL);
    Calculate();
    EXPECT_TRUE(schedule->HeadingText().contains(QStringLiteral("元金均等型")));
    EXPECT_EQ(schedule->TotalsTexts()[0], FromUtf8(kScheduleTotal) + QStringLiteral(": 43,246,379円"));
    // Asked again: the same window.
    MenuItem()->trigger();
    EXPECT_EQ(dlg->ScheduleDlg(), schedule.data());

    // The calculator window closes: the schedule window goes with it.
    dlg.reset();
    EXPECT_TRUE(schedule.isNull());
}

TEST_F(ScheduleFromMainWindowTest, SlotScheduleFollowsItsSlotAndSaysWhenItGoes)
{
    EnterWorkedExample();
    Calculate();
    CSummaryDlg* summary = OpenSummary();
    ASSERT_NE(summary, nullptr);
    summary->OnAddResult(); // 公庫1
    EXPECT_EQ(summary->SlotContextMenu(2), nullptr); // an empty slot offers nothing

    ScheduleOfSlot(summary, 1);
    QPointer<CScheduleDlg> schedule = dlg->ScheduleDlg();
    ASSERT_NE(schedule, nullptr);
    EXPECT_EQ(schedule->SourceSlot(), 1);
    EXPECT_TRUE(schedule->HeadingText().startsWith(QStringLiteral("公庫1　公庫基本型")));
    EXPECT_EQ(schedule->Model()->rowCount(), 490);

    // A new calculation leaves a slot's schedule alone; filing it in the next slot
    // makes the combined view two loans.
    PickPeriod(QStringLiteral("20"));
    Calculate();
    EXPECT_EQ(schedule->Model()->rowCount(), 490);
    summary->OnAddResult(); // 公庫2
    schedule->SetView(ScheduleView::Combined);
    EXPECT_EQ(schedule->Combined().captions, (std::vector<std::string>{"公庫1", "公庫2"}));

    // Slot 1 cleared: said so, figures kept; filled again: shown anew.
    schedule->SetView(ScheduleView::Monthly);
    summary->OnClearSlot(1);
    EXPECT_EQ(schedule->NoticeText(), FromUtf8(FillIn(kSlotCleared, {"公庫1"})));
    EXPECT_EQ(schedule->Model()->rowCount(), 490);
    summary->OnAddResult(); // the 20-year loan into 公庫1
    EXPECT_TRUE(schedule->NoticeText().isEmpty());
    EXPECT_EQ(schedule->Model()->rowCount(), 12 * 20 + 2 * 20);

    // The summary window closes, and its slots with it.
    dlg->MenuAction(ID_TOGGLE_SUMMARY)->trigger();
    EXPECT_EQ(schedule->NoticeText(), FromUtf8(FillIn(kSummaryClosed, {"公庫1"})));
}

TEST_F(ScheduleFromMainWindowTest, AfterARecallTheMenuShowsTheRecalledLoan)
{
    EnterWorkedExample();
    Calculate();
    CSummaryDlg* summary = OpenSummary();
    summary->OnAddResult(); // 35 years in 公庫1
    PickPeriod(QStringLiteral("20"));
    Calculate();
    MenuItem()->trigger();
    QPointer<CScheduleDlg> schedule = dlg->ScheduleDlg();
    ASSERT_NE(schedule, nullptr);
    EXPECT_EQ(schedule->Model()->rowCount(), 12 * 20 + 2 * 20);

    summary->OnSelectSlot(1); // the calculator window shows the 35-year loan again
    EXPECT_EQ(schedule->Model()->rowCount(), 490);
    EXPECT_EQ(schedule->SourceSlot(), 0);
}

// A slot keeps the loan its figures were computed from, whatever its texts say by the
// time it is filled: its schedule, and the calculator's after a recall, agree with them.
TEST_F(ScheduleFromMainWindowTest, ASlotKeepsTheLoanItsFiguresCameFrom)
{
    CSummaryDlg* summary = OpenSummary();
    EnterWorkedExample();
    Calculate();
    const std::optional<LoanInput> computed = dlg->ShownLoan();
    ASSERT_TRUE(computed);
    PickPeriod(QStringLiteral("20")); // not calculated: the 35-year figures still show
    summary->OnAddResult();           // 公庫1
    EXPECT_EQ(summary->Slots().SnapshotOf(1).loan, computed);
    EXPECT_EQ(summary->Slots().SnapshotOf(1).texts.periodEdit, "20");

    const QString slotTotal = FromUtf8(kWindowTotal) + QStringLiteral(": ") +
                              QString::fromStdString(FormatAmount(summary->Slots().SlotTotal()[0])) + FromUtf8(kYen);
    ScheduleOfSlot(summary, 1);
    QPointer<CScheduleDlg> schedule = dlg->ScheduleDlg();
    ASSERT_NE(schedule, nullptr);
    EXPECT_EQ(schedule->Model()->rowCount(), 490);
    EXPECT_EQ(schedule->TotalsTexts()[1], slotTotal);

    // Another loan calculated, then the slot recalled: the menu shows the slot's loan.
    SelectMethod(IDC_METHOD_EQUAL_PRINCIPAL);
    Calculate();
    summary->OnSelectSlot(1);
    EXPECT_EQ(dlg->ShownLoan(), computed);
    MenuItem()->trigger();
    EXPECT_EQ(schedule->SourceSlot(), 0);
    EXPECT_EQ(schedule->Model()->rowCount(), 490);
    EXPECT_EQ(schedule->TotalsTexts()[1], slotTotal);
}

} // namespace
} // namespace hn::test
