// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plan window's entry fields: each named by its caption for screen readers, and one
// loan's fields in a box of their own.
#include "plan/PlanForm.h"

#include <QGroupBox>

#include <string_view>
#include <vector>

class QComboBox;
class QSpinBox;
class QFormLayout;
class QLabel;

namespace hn {

class CNumEdit;
class CRateEdit;

CNumEdit* AddAmountField(QFormLayout* form, std::string_view caption);
CRateEdit* AddPercentField(QFormLayout* form, std::string_view caption);
QComboBox* AddChoice(QFormLayout* form, std::string_view caption, std::initializer_list<const char*> items);

class PlanLoanBox : public QGroupBox {
    Q_OBJECT
public:
    explicit PlanLoanBox(int number, QWidget* parent = nullptr);
    void SetNumber(int number);
    void SetLoan(const PlanFormLoan& loan);
    PlanFormLoan Loan() const;
    // Who owes the loan: one borrower (単独, ペアローン) or both in shares.
    void ShowOwnership(bool inShares, bool twoBorrowers);

    CNumEdit* Amount() const { return m_amount; }
    CNumEdit* Bonus() const { return m_bonus; }
    CNumEdit* Years() const { return m_years; }
    QComboBox* Product() const { return m_product; }
    CRateEdit* Rate() const { return m_rate; }
    CRateEdit* RateAfter() const { return m_rateAfter; }
    // The fields in the order the keyboard visits them.
    std::vector<QWidget*> Fields() const;

signals:
    void Changed();

private:
    void ShowProductFields();

    QFormLayout* m_form = nullptr;
    CNumEdit* m_amount = nullptr;
    CNumEdit* m_bonus = nullptr;
    CNumEdit* m_years = nullptr;
    QSpinBox* m_firstYear = nullptr;
    QSpinBox* m_firstMonth = nullptr;
    QComboBox* m_product = nullptr;
    CRateEdit* m_rate = nullptr;
    QComboBox* m_fixedYears = nullptr;
    CRateEdit* m_rateAfter = nullptr;
    QComboBox* m_owner = nullptr;
    CRateEdit* m_share = nullptr;
};

} // namespace hn
