// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/ScheduleWindowOwner.h"

#include "schedule/CScheduleDlg.h"

namespace hn {

ScheduleWindowOwner::~ScheduleWindowOwner()
{
    delete m_dlg.data();
}

CScheduleDlg* ScheduleWindowOwner::Window() const
{
    return m_dlg.data();
}

void ScheduleWindowOwner::Show(const ScheduleLoan& loan)
{
    if (!m_dlg) {
        m_dlg = new CScheduleDlg(m_owner);
        m_dlg->SetCombinedLoans(m_summaryLoans);
    }
    m_dlg->ShowAsked(loan);
    m_dlg->show();
    m_dlg->raise();
    m_dlg->activateWindow();
}

void ScheduleWindowOwner::CalculatorLoanChanged(const ScheduleLoan& loan)
{
    if (m_dlg && m_dlg->SourceSlot() == 0)
        m_dlg->ShowLoan(loan);
}

void ScheduleWindowOwner::SlotChanged(int slot, const std::optional<ScheduleLoan>& loan)
{
    if (!m_dlg || m_dlg->SourceSlot() != slot)
        return;
    if (loan)
        m_dlg->ShowLoan(*loan);
    else
        m_dlg->SourceCleared();
}

void ScheduleWindowOwner::SetSummaryLoans(std::vector<ScheduleLoan> loans)
{
    m_summaryLoans = std::move(loans);
    if (m_dlg)
        m_dlg->SetCombinedLoans(m_summaryLoans);
}

void ScheduleWindowOwner::SummaryClosed()
{
    m_summaryLoans.clear();
    if (!m_dlg)
        return;
    m_dlg->SetCombinedLoans({});
    if (m_dlg->SourceSlot().value_or(0) != 0)
        m_dlg->SourceClosed();
}

} // namespace hn
