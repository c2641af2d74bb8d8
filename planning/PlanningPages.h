// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The sections of the planning window: borrowing capacity, the burden ratio as
// lenders read it, and early repayment. Each takes its values from its fields,
// asks calc/ and shows the rows PlanningFigures makes; a refused input is
// reported in a message box and the focus goes back to the fields.
#include "planning/PlanningSection.h"
#include "planning/PlanningState.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace hn {

class CNumEdit;
class CRateEdit;
class FigureGrid;
class LoanFields;

// A combo box of BurdenLimitRules() with the chosen rule's wording beneath.
class LimitChoice : public QWidget {
    Q_OBJECT
public:
    explicit LimitChoice(QWidget* parent = nullptr);
    const BurdenLimitRule* Rule() const;
    std::string Key() const;
    void SelectKey(std::string_view key);
    QComboBox* Combo() const { return m_combo; }

private:
    QComboBox* m_combo = nullptr;
    QLabel* m_wording = nullptr;
};

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
