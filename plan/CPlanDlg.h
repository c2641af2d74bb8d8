// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plan window ("プラン"): a home purchase, its borrowers and its loans typed on the
// left, the plan report's figures on the right. Modeless; the calculator window opens
// it from its menu and keeps what was typed (Form) for the next opening.
#include <QDialog>

#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QVBoxLayout;

namespace hn {

class CNumEdit;
class FigureGrid;
class PlanLoanBox;
struct Figure;
// Only declared: the callers that keep it include headers with a function of the
// name of calc/plan's PlanLoan struct.
struct PlanForm;

enum class PlanFeedback { Tell, Quiet };

class CPlanDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPlanDlg(QWidget* owner, const PlanForm* kept = nullptr);

    PlanForm Form() const;
    // What was typed, to be given back to a new window on the next opening.
    std::shared_ptr<const PlanForm> Kept() const;
    void SetForm(const PlanForm& form);
    // Computes the report and shows it; false (after the message when told) when refused.
    bool Compute(PlanFeedback feedback = PlanFeedback::Tell);

    PlanLoanBox* AddLoan();
    void RemoveLoan();
    const std::vector<PlanLoanBox*>& Loans() const { return m_loans; }

    CNumEdit* Price() const { return m_price; }
    CNumEdit* Income(int borrower) const { return m_income[borrower]; }
    QComboBox* Arrangement() const { return m_arrangement; }
    QPushButton* ComputeButton() const { return m_compute; }
    // The figures shown, by their box's title ("購入", "借入1", "借入者1", "世帯", "プラン全体").
    FigureGrid* Grid(const QString& title) const;
    QLabel* Warnings() const { return m_warnings; }

private:
    void ArrangementChanged();
    // Top to bottom: the purchase, the borrowers, each loan, its buttons, 計算.
    void OrderTabs();
    void ClearFigures();
    void AddGrid(const QString& title, const std::vector<Figure>& figures);

    CNumEdit* m_price = nullptr;
    CNumEdit* m_down = nullptr;
    CNumEdit* m_costs = nullptr;
    QCheckBox* m_financed = nullptr;
    QComboBox* m_arrangement = nullptr;
    CNumEdit* m_income[2] = {};
    QSpinBox* m_age[2] = {};
    QWidget* m_second = nullptr;
    QVBoxLayout* m_loanColumn = nullptr;
    std::vector<PlanLoanBox*> m_loans;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_compute = nullptr;
    QVBoxLayout* m_figures = nullptr;
    std::vector<std::pair<QString, FigureGrid*>> m_grids;
    QLabel* m_warnings = nullptr;
};

} // namespace hn
