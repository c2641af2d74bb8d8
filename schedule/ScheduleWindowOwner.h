// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the calculator window does with the schedule window, in one place: at most one
// open, showing the loan asked for; following the calculator window's loan or its
// summary slot as they change; told when its slot goes. The calculator window only
// reports events. The window deletes itself when closed; this forgets it then.
#include "schedule/ScheduleReport.h"

#include <QPointer>
#include <optional>
#include <vector>

class QWidget;

namespace hn {

class CScheduleDlg;

class ScheduleWindowOwner {
public:
    explicit ScheduleWindowOwner(QWidget* owner) : m_owner(owner) {}
    ~ScheduleWindowOwner();
    ScheduleWindowOwner(const ScheduleWindowOwner&) = delete;
    ScheduleWindowOwner& operator=(const ScheduleWindowOwner&) = delete;

    // Opens the window on `loan`, or shows `loan` in the open one and raises it.
    void Show(const ScheduleLoan& loan);
    // The calculator window shows another loan (a calculation or a recall): an open
    // window that shows the calculator window's loan follows it.
    void CalculatorLoanChanged(const ScheduleLoan& loan);
    // A summary slot was filled (its loan) or cleared (none): a window showing that
    // slot follows it or says it is gone.
    void SlotChanged(int slot, const std::optional<ScheduleLoan>& loan);
    // The loans of all filled slots, for the combined view.
    void SetSummaryLoans(std::vector<ScheduleLoan> loans);
    // The summary window closed and its slots with it.
    void SummaryClosed();

    CScheduleDlg* Window() const;

private:
    QWidget* m_owner;
    QPointer<CScheduleDlg> m_dlg;
    std::vector<ScheduleLoan> m_summaryLoans;
};

} // namespace hn
