// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rate-scenario section: one loan, up to three rate paths (each from a
// preset or typed into its table), the review rule and how unpaid interest is
// settled; the scenarios' figures side by side, their warnings, and charts of
// the instalment and of what is owed over time.
#include "calc/RateScenario.h"
#include "planning/PlanningFigures.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace hn {

class CNumEdit;
class FigureGrid;
class LoanFields;
class ScenarioChart;

// One scenario's path: a preset with its figures, and the table it fills,
// which the user may edit (month, rate in %).
class PathEditor : public QWidget {
    Q_OBJECT
public:
    PathEditor(int number, QWidget* parent = nullptr);
    QCheckBox* Use() const { return m_use; }
    QTableWidget* Table() const { return m_table; }
    // Fills the table from the preset and its figures, for a loan of `months`.
    void ApplyPreset(int months);
    void SetStartRate(double percent);
    // The table's path in text form ("1:0.5,13:1.5"), empty rows left out.
    std::string PathText() const;

    QComboBox* m_preset = nullptr;
    CNumEdit* m_start = nullptr;
    CNumEdit* m_rise = nullptr;
    CNumEdit* m_month = nullptr; // once: from this month; every: every so many years
    CNumEdit* m_cap = nullptr;

private:
    QCheckBox* m_use = nullptr;
    QTableWidget* m_table = nullptr;
};

class ScenarioPage : public QWidget {
    Q_OBJECT
public:
    explicit ScenarioPage(QWidget* parent = nullptr);
    void Seed(const PlanningLoan& loan);
    bool Compute();

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

private:
    int LoanMonths() const;

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
