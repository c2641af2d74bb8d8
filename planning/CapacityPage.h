// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The borrowing-capacity section of the planning window: how much may be borrowed on an
// income, under a burden limit, at a screening rate.
#include "planning/PlanningSection.h"
#include "planning/PlanningState.h"

class QComboBox;

namespace hn {

class CNumEdit;
class CRateEdit;
class FigureGrid;
class LimitChoice;

class CapacityPage : public PlanningSection {
    Q_OBJECT
public:
    explicit CapacityPage(QWidget* parent = nullptr);
    void Seed(const PlanningLoan& loan);
    CapacityInputs Inputs() const;
    void SetInputs(const CapacityInputs& in);
    using PlanningSection::Compute;
    bool Compute(Feedback feedback) override;
    FigureGrid* Figures() const { return m_figures; }

    CNumEdit* m_income = nullptr;
    LimitChoice* m_limit = nullptr;
    CRateEdit* m_screening = nullptr;
    CNumEdit* m_otherDebts = nullptr;
    CNumEdit* m_period = nullptr;
    QComboBox* m_method = nullptr;
    CRateEdit* m_rate1 = nullptr;
    CRateEdit* m_rate2 = nullptr;
    CNumEdit* m_bonusShare = nullptr;

protected:
    void ClearFigures() override;

private:
    FigureGrid* m_figures = nullptr;
};

} // namespace hn
