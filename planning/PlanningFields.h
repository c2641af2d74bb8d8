// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entry fields of the planning window: number fields named by their captions,
// and the loan the early-repayment and rate-scenario sections work on.
#include "planning/PlanningFigures.h"

#include <QWidget>

class QComboBox;
class QFormLayout;

namespace hn {

class CNumEdit;

// A number field with `decimals` fraction digits, added to `form` under
// `caption`, which also names it for screen readers.
CNumEdit* AddNumberField(QFormLayout* form, std::string_view caption, int decimals);

// Method, loan, bonus part, rates and period.
class LoanFields : public QWidget {
    Q_OBJECT
public:
    explicit LoanFields(QWidget* parent = nullptr);
    void SetLoan(const PlanningLoan& loan);
    PlanningLoan Loan() const;

    QComboBox* Method() const { return m_method; }
    CNumEdit* LoanMan() const { return m_loan; }

private:
    QComboBox* m_method = nullptr;
    CNumEdit* m_loan = nullptr;
    CNumEdit* m_bonus = nullptr;
    CNumEdit* m_rate1 = nullptr;
    CNumEdit* m_rate2 = nullptr;
    CNumEdit* m_period = nullptr;
};

} // namespace hn
