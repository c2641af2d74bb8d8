// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PlanningFields.h"

#include "controls/CNumEdit.h"
#include "controls/CRateEdit.h"
#include "controls/FormRows.h"
#include "controls/Utf8Text.h"
#include "report/Units.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace hn {

QFormLayout* FieldForm(QWidget* fields)
{
    auto* form = new QFormLayout(fields);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return form;
}

QGroupBox* Titled(QWidget* parent, const QString& title, QWidget* inside)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(inside);
    return box;
}

CNumEdit* AddNumberField(QFormLayout* form, std::string_view caption)
{
    auto* edit = new CNumEdit(form->parentWidget());
    edit->SetDecimals(0);
    SizeForDigits(edit, 12);
    AddCaptionedRow(form, edit, caption);
    return edit;
}

CRateEdit* AddRateField(QFormLayout* form, std::string_view caption)
{
    auto* edit = new CRateEdit(form->parentWidget());
    edit->setMaxLength(kRateDigits);
    edit->setAlignment(Qt::AlignRight);
    SizeForDigits(edit, kRateDigits);
    AddCaptionedRow(form, edit, caption);
    return edit;
}

double PercentOf(const CRateEdit* field)
{
    return field->GetValue();
}

void SetPercent(CRateEdit* field, double percent)
{
    field->setText(percent == 0.0 ? QString() : QString::fromStdString(Bare(Quantity::Rate(percent / 100.0))));
}

LoanFields::LoanFields(QWidget* parent) : QWidget(parent)
{
    m_form = new QFormLayout(this);
    m_form->setContentsMargins(0, 0, 0, 0);
    m_method = new QComboBox(this);
    for (RepaymentMethod m = kFirstMethod; m <= kLastMethod; ++m)
        m_method->addItem(FromUtf8(MethodCaption(m)), m);
    m_method->setAccessibleName(QStringLiteral("返済方法"));
    m_method->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* methodLabel = new QLabel(QStringLiteral("返済方法"), this);
    methodLabel->setBuddy(m_method);
    m_form->addRow(methodLabel, m_method);
    m_loan = AddNumberField(m_form, "借入額 (万円)");
    m_bonus = AddNumberField(m_form, "内ﾎﾞｰﾅｽ (万円)");
    m_rate1 = AddRateField(m_form, "金利 (%)");
    m_rate2 = AddRateField(m_form, "11年目以降の金利 (%)");
    m_period = AddNumberField(m_form, "返済期間 (年)");
    for (QLineEdit* edit : {static_cast<QLineEdit*>(m_loan), static_cast<QLineEdit*>(m_bonus),
                            static_cast<QLineEdit*>(m_rate1), static_cast<QLineEdit*>(m_rate2),
                            static_cast<QLineEdit*>(m_period)})
        connect(edit, &QLineEdit::textChanged, this, &LoanFields::Changed);
    connect(m_method, &QComboBox::currentIndexChanged, this, &LoanFields::Changed);
    connect(this, &LoanFields::Changed, this, &LoanFields::ShowSecondRateIfUsed);
    ShowSecondRateIfUsed();
}

void LoanFields::ShowSecondRateIfUsed()
{
    // As the calculate command reads the loan: a second rate beyond ten years, never
    // for 銀行型・他.
    const bool used = m_method->currentData().toInt() != BankOther && m_period->GetValue() > 10;
    m_form->setRowVisible(m_rate2, used);
}

void LoanFields::SetLoan(const PlanningLoan& loan)
{
    const int index = m_method->findData(loan.method);
    m_method->setCurrentIndex(index < 0 ? 0 : index);
    m_loan->SetValue(loan.loanMan);
    m_bonus->SetValue(loan.bonusMan);
    SetPercent(m_rate1, loan.rate1Percent);
    SetPercent(m_rate2, loan.rate2Percent);
    m_period->SetValue(loan.periodYears);
}

PlanningLoan LoanFields::Loan() const
{
    PlanningLoan loan;
    loan.method = m_method->currentData().toInt();
    loan.loanMan = m_loan->GetValue();
    loan.bonusMan = m_bonus->GetValue();
    loan.rate1Percent = PercentOf(m_rate1);
    loan.rate2Percent = PercentOf(m_rate2);
    loan.periodYears = m_period->GetValue();
    return loan;
}

} // namespace hn
