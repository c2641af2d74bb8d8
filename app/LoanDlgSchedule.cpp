// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's side of the repayment schedule window: its menu command, the
// loan it shows (the last calculation's, or a recalled slot's), the loans the summary
// slots keep, and the events the schedule window follows. ScheduleWindowOwner keeps the window itself.
#include "app/CLoanDlg.h"

#include "controls/CDrawnOptionButton.h"
#include "planning/CPlanningDlg.h"
#include "planning/PlanningSlots.h"
#include "res/MainDialogIds.h"
#include "res/SummaryDialogIds.h"
#include "schedule/ScheduleWindowOwner.h"
#include "schedule/ScheduleWindowTexts.h"
#include "summary/CSummaryDlg.h"

#include <QAction>

namespace hn {

namespace {

ScheduleLoan CalculatorLoan(const LoanInput& input)
{
    return {input, 0, std::string(kSourceCalculator)};
}

} // namespace

void CLoanDlg::SetUpSchedule()
{
    m_schedule = std::make_unique<ScheduleWindowOwner>(this);
    // Nothing to show before the first calculation.
    MenuAction(ID_SHOW_SCHEDULE)->setEnabled(false);
}

CScheduleDlg* CLoanDlg::ScheduleDlg() const
{
    return m_schedule ? m_schedule->Window() : nullptr;
}

void CLoanDlg::OnShowSchedule()
{
    if (!m_shownLoan)
        return;
    m_schedule->SetSummaryLoans(SummaryLoans());
    m_schedule->Show(CalculatorLoan(*m_shownLoan));
}

void CLoanDlg::ShowsLoan(const std::optional<LoanInput>& input)
{
    m_shownLoan = input;
    MenuAction(ID_SHOW_SCHEDULE)->setEnabled(input.has_value());
    if (input)
        m_schedule->CalculatorLoanChanged(CalculatorLoan(*input));
}

std::optional<ScheduleLoan> CLoanDlg::SlotLoan(int slot) const
{
    if (!m_pSummaryDlg || !IsValidSlot(slot) || !m_pSummaryDlg->Slots().IsOccupied(slot))
        return std::nullopt;
    const std::optional<LoanInput>& input = m_pSummaryDlg->Slots().SnapshotOf(slot).loan;
    if (!input)
        return std::nullopt;
    const auto* option = qobject_cast<QAbstractButton*>(
        m_pSummaryDlg->GetDlgItem(kSlotControls[static_cast<std::size_t>(slot - 1)].option));
    return ScheduleLoan{*input, slot, option ? option->text().toStdString() : std::to_string(slot)};
}

std::vector<ScheduleLoan> CLoanDlg::SummaryLoans() const
{
    std::vector<ScheduleLoan> loans;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (std::optional<ScheduleLoan> loan = SlotLoan(slot))
            loans.push_back(std::move(*loan));
    return loans;
}

void CLoanDlg::OnSlotScheduleRequested(int slot)
{
    if (const std::optional<ScheduleLoan> loan = SlotLoan(slot)) {
        m_schedule->SetSummaryLoans(SummaryLoans());
        m_schedule->Show(*loan);
    }
}

void CLoanDlg::OnSlotChanged(int slot)
{
    m_schedule->SetSummaryLoans(SummaryLoans());
    m_schedule->SlotChanged(slot, SlotLoan(slot));
    PlanningFollowsSlots();
}

void CLoanDlg::PlanningFollowsSlots()
{
    if (!m_pPlanningDlg)
        return;
    if (m_pSummaryDlg)
        m_pPlanningDlg->SetSlotLoans(SlotLoans(m_pSummaryDlg->Slots()));
    else
        m_pPlanningDlg->SetSlotLoans({});
}

} // namespace hn
