// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planning window ("借入可能額・繰上げ返済"): borrowing capacity, the burden
// ratio as lenders read it, early repayment and rate scenarios, one section
// each. It is modeless; the main window opens it from its menu and hands it a
// function that gives the calculator's loan and the summary window's loans,
// which the window takes on its first opening and whenever the user asks for them
// again. What was typed is kept by the opener (State) and given back on the next
// opening.
#include "planning/PlanningFigures.h"
#include "planning/PlanningState.h"

#include <QDialog>
#include <QPointer>
#include <array>
#include <functional>

class QTabWidget;

namespace hn {

class CScheduleDlg;
struct DerivedSchedule;
class CapacityPage;
class PlanningSection;
class ReadingPage;
class PrepayPage;
class ScenarioPage;

class CPlanningDlg : public QDialog {
    Q_OBJECT
public:
    using SeedSource = std::function<PlanningSeed()>;
    // `kept`: what was typed when the window last closed; none on the first opening,
    // which takes the calculator's values instead.
    CPlanningDlg(SeedSource source, QWidget* owner, const PlanningState* kept = nullptr);

    // Takes the calculator's loan and the summary's loans again.
    void Reseed();
    // The summary window's loans changed (a slot filled or cleared, the window closed).
    void SetSlotLoans(const std::vector<SlotLoan>& loans);
    // Everything typed, and which sections showed figures.
    PlanningState State() const;
    void Restore(const PlanningState& state);

    // Shows a schedule the sections built in this window's own schedule window (one at
    // a time; the calculator window's keeps following its loan), opening it if need be.
    void ShowSchedule(const DerivedSchedule& schedule);
    CScheduleDlg* ScheduleWindow() const;

    QTabWidget* Sections() const { return m_tabs; }
    CapacityPage* Capacity() const { return m_capacity; }
    ReadingPage* Reading() const { return m_reading; }
    PrepayPage* Prepay() const { return m_prepay; }
    ScenarioPage* Scenario() const { return m_scenario; }

private:
    // Enter computes the section shown.
    void MakeDefault(int section);

    SeedSource m_source;
    QTabWidget* m_tabs = nullptr;
    CapacityPage* m_capacity = nullptr;
    ReadingPage* m_reading = nullptr;
    PrepayPage* m_prepay = nullptr;
    ScenarioPage* m_scenario = nullptr;
    std::array<PlanningSection*, 4> m_sections{};
    QPointer<CScheduleDlg> m_schedule;
};

} // namespace hn
