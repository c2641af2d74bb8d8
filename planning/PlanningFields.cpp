// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PlanningFields.h"

#include "controls/CNumEdit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

namespace hn {

namespace {

QString Q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

CNumEdit* AddNumberField(QFormLayout* form, std::string_view caption, int decimals)
{
    auto* edit = new CNumEdit(form->parentWidget());
    edit->SetDecimals(decimals);
    edit->setAccessibleName(Q(caption));
    edit->setObjectName(Q(caption));
    auto* label = new QLabel(Q(caption), form->parentWidget());
    label->setBuddy(edit);
    form->addRow(label, edit);
    return edit;
}

LoanFields::LoanFields(QWidget* parent) : QWidget(parent)
{
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    m_method = new QComboBox(this);
    for (RepaymentMethod m = kFirstMethod; m <= kLastMethod; ++m)
        m_method->addItem(Q(MethodCaption(m)), m);
    m_method->setAccessibleName(QStringLiteral("返済方法"));
    auto* methodLabel = new QLabel(QStringLiteral("返済方法"), this);
    methodLabel->setBuddy(m_method);
    form->addRow(methodLabel, m_method);
    m_loan = AddNumberField(form, "借入額 (万円)", 0);
    m_bonus = AddNumberField(form, "内ﾎﾞｰﾅｽ (万円)", 0);
    m_rate1 = AddNumberField(form, "金利 (%)", 3);
    m_rate2 = AddNumberField(form, "11年目以降の金利 (%)", 3);
    m_period = AddNumberField(form, "返済期間 (年)", 0);
}

void LoanFields::SetLoan(const PlanningLoan& loan)
{
    const int index = m_method->findData(loan.method);
    m_method->setCurrentIndex(index < 0 ? 0 : index);
    m_loan->SetValue(loan.loanMan);
    m_bonus->SetValue(loan.bonusMan);
    m_rate1->SetValue(loan.rate1Percent);
    m_rate2->SetValue(loan.rate2Percent);
    m_period->SetValue(loan.periodYears);
}

PlanningLoan LoanFields::Loan() const
{
    PlanningLoan loan;
    loan.method = m_method->currentData().toInt();
    loan.loanMan = m_loan->GetValue();
    loan.bonusMan = m_bonus->GetValue();
    loan.rate1Percent = m_rate1->GetValue();
    loan.rate2Percent = m_rate2->GetValue();
    loan.periodYears = m_period->GetValue();
    return loan;
}

} // namespace hn
