// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The early-repayment section of the planning window: a list of prepayments applied
// to the loan each of the three ways, side by side, each with its schedule.
#include "planning/PlanningSection.h"
#include "planning/PlanningState.h"

#include <vector>

class QPushButton;
class QTableWidget;

namespace hn {

class FigureGrid;
class LoanFields;

class PrepayPage : public PlanningSection {
    Q_OBJECT
public:
    explicit PrepayPage(QWidget* parent = nullptr);
    void Seed(const PlanningLoan& loan);
    PrepayInputs Inputs() const;
    void SetInputs(const PrepayInputs& in);
    // Applies the list each way; false (after the message) when nothing can be shown.
    using PlanningSection::Compute;
    bool Compute(Feedback feedback) override;
    // Reduce, Shorten, ShortenWhole, side by side.
    FigureGrid* Column(PrepayMode mode) const { return m_columns[static_cast<int>(mode)]; }
    // The loan's planned figures beside the list.
    FigureGrid* Planned() const { return m_before; }
    // The schedule after the prepayments of each way, from the last Compute.
    const PrepaymentComparison& Comparison() const { return m_ways.outcomes; }
    const PrepayWays& Ways() const { return m_ways; }

    // The list: instalment, amount (万円), of which to the bonus part (万円).
    QTableWidget* List() const { return m_list; }
    void SetListRows(const std::vector<PrepayRowText>& rows);
    std::vector<PrepayRowText> ListRows() const;

    // "返済予定表" under each way's column: opens that way's schedule.
    void SetScheduleOpener(ScheduleOpener opener) { m_opener = std::move(opener); }
    QPushButton* ScheduleButton(PrepayMode mode) const { return m_scheduleButtons[static_cast<int>(mode)]; }
    void OpenSchedule(PrepayMode mode);

    LoanFields* m_loan = nullptr;

protected:
    void ClearFigures() override;

private:
    QTableWidget* m_list = nullptr;
    FigureGrid* m_before = nullptr;
    FigureGrid* m_columns[3] = {};
    QPushButton* m_scheduleButtons[3] = {};
    PrepayWays m_ways;
    LoanInput m_input; // the loan of the last Compute, in whole yen
    ScheduleOpener m_opener;
};

} // namespace hn
