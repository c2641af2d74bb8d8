// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rate-scenario section: one loan, up to three rate paths (each from a
// preset on top of the loan's own rates, or typed into its table), the review rule
// and how unpaid interest is settled; the scenarios' figures side by side, their
// warnings, and charts of the instalment and of what is owed over time.
#include "calc/rates/RateScenario.h"
#include "planning/PathEditor.h"
#include "planning/PlanningSection.h"
#include "planning/PlanningState.h"

#include <array>

class QComboBox;
class QLabel;
class QPushButton;

namespace hn {

class FigureGrid;
class LoanFields;
class ScenarioChart;

class ScenarioPage : public PlanningSection {
    Q_OBJECT
public:
    explicit ScenarioPage(QWidget* parent = nullptr);
    void Seed(const PlanningLoan& loan);
    ScenarioInputs Inputs() const;
    void SetInputs(const ScenarioInputs& in);
    using PlanningSection::Compute;
    bool Compute(Feedback feedback) override;

    LoanFields* Loan() const { return m_loan; }
    PathEditor* Path(int k) const { return m_paths[static_cast<std::size_t>(k)]; }
    QComboBox* Review() const { return m_review; }
    QComboBox* Unpaid() const { return m_unpaid; }
    FigureGrid* Figures(int k) const { return m_figures[static_cast<std::size_t>(k)]; }
    QLabel* Warnings(int k) const { return m_warnings[static_cast<std::size_t>(k)]; }
    ScenarioChart* InstalmentChart() const { return m_instalmentChart; }
    ScenarioChart* OwedChart() const { return m_owedChart; }
    // The scenarios of the last Compute, in the order of the paths used.
    const std::vector<ScenarioSchedule>& Scenarios() const { return m_scenarios; }

    // "返済予定表" under each scenario's figures: opens its schedule.
    void SetScheduleOpener(ScheduleOpener opener) { m_opener = std::move(opener); }
    QPushButton* ScheduleButton(int k) const { return m_scheduleButtons[static_cast<std::size_t>(k)]; }
    void OpenSchedule(int k);

protected:
    void ClearFigures() override;

private:
    int LoanMonths() const;
    // The paths follow the loan's rates and term.
    void FollowLoan();
    // Scenario column k's warnings (the label's text and its description), if changed.
    void SetWarnings(std::size_t k, const QString& text);

    LoanFields* m_loan = nullptr;
    std::array<PathEditor*, 3> m_paths{};
    QComboBox* m_review = nullptr;
    QComboBox* m_unpaid = nullptr;
    std::array<FigureGrid*, 3> m_figures{};
    std::array<QLabel*, 3> m_warnings{};
    ScenarioChart* m_instalmentChart = nullptr;
    ScenarioChart* m_owedChart = nullptr;
    std::vector<ScenarioSchedule> m_scenarios;
    std::vector<ScenarioInput> m_inputs; // of m_scenarios
    std::vector<int> m_shownAt;          // the column of each of m_scenarios
    std::array<QPushButton*, 3> m_scheduleButtons{};
    ScheduleOpener m_opener;
};

} // namespace hn
