// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Entry fields of the planning window: number and rate fields named by their captions,
// the forms and titled boxes its sections lay them out in, and the loan the
// early-repayment and rate-scenario sections work on.
#include "planning/PlanningFigures.h"

#include <QWidget>

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;

namespace hn {

class CNumEdit;
class CRateEdit;

// A form whose fields keep their own width, next to their captions.
QFormLayout* FieldForm(QWidget* fields);
// `inside` in a group box titled `title`.
QGroupBox* Titled(QWidget* parent, const QString& title, QWidget* inside);

// A whole-number field added to `form` under `caption`, which also names it for screen
// readers; as wide as what it holds.
CNumEdit* AddNumberField(QFormLayout* form, std::string_view caption);
// A rate (percent) field: the calculator's rate field, digits and one point, so that
// it shows what was typed and an empty field for none ("0" never becomes ".000").
CRateEdit* AddRateField(QFormLayout* form, std::string_view caption);
// A rate field's number, and a number put into one: its shortest decimals, empty for 0.
double PercentOf(const CRateEdit* field);
void SetPercent(CRateEdit* field, double percent);

// Method, loan, bonus part, rates and period. The second rate's row shows only while
// the method and period use a second rate, as in the calculator window.
class LoanFields : public QWidget {
    Q_OBJECT
public:
    explicit LoanFields(QWidget* parent = nullptr);
    void SetLoan(const PlanningLoan& loan);
    PlanningLoan Loan() const;

    QComboBox* Method() const { return m_method; }
    CNumEdit* LoanMan() const { return m_loan; }
    CRateEdit* Rate1() const { return m_rate1; }
    CRateEdit* Rate2() const { return m_rate2; }
    CNumEdit* Period() const { return m_period; }

signals:
    // Any field changed, by the user or by SetLoan.
    void Changed();

private:
    void ShowSecondRateIfUsed();

    QFormLayout* m_form = nullptr;
    QComboBox* m_method = nullptr;
    CNumEdit* m_loan = nullptr;
    CNumEdit* m_bonus = nullptr;
    CRateEdit* m_rate1 = nullptr;
    CRateEdit* m_rate2 = nullptr;
    CNumEdit* m_period = nullptr;
};

} // namespace hn
