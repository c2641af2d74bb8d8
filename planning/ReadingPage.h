// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lenders' reading section of the planning window: the burden ratio of the summary
// window's loans as a lender reads it, at their own rates and at a screening rate.
#include "planning/PlanningSection.h"
#include "planning/PlanningState.h"

#include <vector>

class QCheckBox;
class QLabel;

namespace hn {

class CNumEdit;
class CRateEdit;
class FigureGrid;
class LimitChoice;

class ReadingPage : public PlanningSection {
    Q_OBJECT
public:
    explicit ReadingPage(QWidget* parent = nullptr);
    void Seed(const PlanningSeed& seed);
    // The summary window's loans as they stand now; the choice of each slot is kept.
    void SetSlotLoans(const std::vector<SlotLoan>& loans);
    ReadingInputs Inputs() const;
    void SetInputs(const ReadingInputs& in);
    using PlanningSection::Compute;
    bool Compute(Feedback feedback) override;
    FigureGrid* AtRealRates() const { return m_real; }
    FigureGrid* AtScreeningRate() const { return m_screened; }
    // One check box per loan: read at the screening rate.
    const std::vector<QCheckBox*>& LoanChecks() const { return m_checks; }

    CNumEdit* m_income = nullptr;
    LimitChoice* m_limit = nullptr;
    CRateEdit* m_screening = nullptr;
    CNumEdit* m_otherDebts = nullptr;

protected:
    void ClearFigures() override;

private:
    std::vector<SlotLoan> m_loans;
    std::vector<int> m_unscreened; // slots the user reads at their own rate
    QWidget* m_loanBox = nullptr;
    std::vector<QCheckBox*> m_checks;
    QLabel* m_noLoans = nullptr;
    FigureGrid* m_real = nullptr;
    FigureGrid* m_screened = nullptr;
};

} // namespace hn
