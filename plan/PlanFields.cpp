// SPDX-License-Identifier: GPL-3.0-or-later
#include "plan/PlanFields.h"

#include "calc/products/LoanProduct.h"
#include "calc/schedule/ScheduleCalendar.h"
#include "controls/CNumEdit.h"
#include "controls/CRateEdit.h"
#include "controls/FormRows.h"
#include "controls/Utf8Text.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

namespace hn {

namespace {

QString RateText(const CRateEdit* edit)
{
    return edit->text().trimmed();
}

} // namespace

CNumEdit* AddAmountField(QFormLayout* form, std::string_view caption)
{
    auto* edit = new CNumEdit(form->parentWidget());
    edit->SetDecimals(0);
    SizeForDigits(edit, 10);
    AddCaptionedRow(form, edit, caption);
    return edit;
}

CRateEdit* AddPercentField(QFormLayout* form, std::string_view caption)
{
    auto* edit = new CRateEdit(form->parentWidget());
    edit->setMaxLength(kRateDigits);
    edit->setAlignment(Qt::AlignRight);
    SizeForDigits(edit, kRateDigits);
    AddCaptionedRow(form, edit, caption);
    return edit;
}

QComboBox* AddChoice(QFormLayout* form, std::string_view caption, std::initializer_list<const char*> items)
{
    auto* combo = new QComboBox(form->parentWidget());
    for (const char* item : items)
        combo->addItem(QString::fromUtf8(item));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    AddCaptionedRow(form, combo, caption);
    return combo;
}

PlanLoanBox::PlanLoanBox(int number, QWidget* parent) : QGroupBox(parent)
{
    SetNumber(number);
    m_form = new QFormLayout(this);
    m_form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_amount = AddAmountField(m_form, "借入額 (万円)");
    m_bonus = AddAmountField(m_form, "内ﾎﾞｰﾅｽ (万円)");
    m_years = AddAmountField(m_form, "返済期間 (年)");
    m_firstYear = new QSpinBox(this);
    m_firstYear->setRange(kMinCalendarYear, 2200);
    AddCaptionedRow(m_form, m_firstYear, "初回返済の年");
    m_firstMonth = new QSpinBox(this);
    m_firstMonth->setRange(1, 12);
    AddCaptionedRow(m_form, m_firstMonth, "初回返済の月");
    m_product = AddChoice(m_form, "商品", {"全期間固定", "変動", "固定期間選択型"});
    m_rate = AddPercentField(m_form, "金利 (%)");
    m_fixedYears = new QComboBox(this);
    for (int years : kFixedPeriodYears)
        m_fixedYears->addItem(QString::number(years), years);
    AddCaptionedRow(m_form, m_fixedYears, "固定期間 (年)");
    m_rateAfter = AddPercentField(m_form, "固定期間後の金利 (%)");
    m_owner = AddChoice(m_form, "返済する人", {"借入者1", "借入者2"});
    m_share = AddPercentField(m_form, "借入者1の持分 (%)");
    for (QLineEdit* edit : {static_cast<QLineEdit*>(m_amount), static_cast<QLineEdit*>(m_bonus),
                            static_cast<QLineEdit*>(m_years), static_cast<QLineEdit*>(m_rate),
                            static_cast<QLineEdit*>(m_rateAfter), static_cast<QLineEdit*>(m_share)})
        connect(edit, &QLineEdit::textChanged, this, &PlanLoanBox::Changed);
    for (QSpinBox* spin : {m_firstYear, m_firstMonth})
        connect(spin, &QSpinBox::valueChanged, this, &PlanLoanBox::Changed);
    for (QComboBox* combo : {m_product, m_fixedYears, m_owner})
        connect(combo, &QComboBox::currentIndexChanged, this, &PlanLoanBox::Changed);
    connect(m_product, &QComboBox::currentIndexChanged, this, &PlanLoanBox::ShowProductFields);
    SetLoan(PlanFormLoan{});
}

void PlanLoanBox::SetNumber(int number)
{
    setTitle(QStringLiteral("借入%1").arg(number));
    setAccessibleName(title());
}

void PlanLoanBox::ShowProductFields()
{
    const bool fixedPeriod = m_product->currentIndex() == static_cast<int>(PlanProductKind::FixedPeriod);
    m_form->setRowVisible(m_fixedYears, fixedPeriod);
    m_form->setRowVisible(m_rateAfter, fixedPeriod);
}

void PlanLoanBox::ShowOwnership(bool inShares, bool twoBorrowers)
{
    m_form->setRowVisible(m_owner, twoBorrowers && !inShares);
    m_form->setRowVisible(m_share, twoBorrowers && inShares);
}

void PlanLoanBox::SetLoan(const PlanFormLoan& loan)
{
    m_amount->SetValue(loan.amountMan);
    m_bonus->SetValue(loan.bonusMan);
    m_years->SetValue(loan.years);
    m_firstYear->setValue(loan.firstYear);
    m_firstMonth->setValue(loan.firstMonth);
    m_product->setCurrentIndex(static_cast<int>(loan.product));
    m_rate->setText(QString::fromStdString(loan.rate));
    const int fixed = m_fixedYears->findData(loan.fixedYears);
    m_fixedYears->setCurrentIndex(fixed < 0 ? m_fixedYears->findData(10) : fixed);
    m_rateAfter->setText(QString::fromStdString(loan.rateAfter));
    m_owner->setCurrentIndex(loan.owner == 1 ? 1 : 0);
    m_share->setText(QString::number(loan.share1Percent));
    ShowProductFields();
}

std::vector<QWidget*> PlanLoanBox::Fields() const
{
    return {m_amount, m_bonus, m_years, m_firstYear, m_firstMonth, m_product,
            m_rate, m_fixedYears, m_rateAfter, m_owner, m_share};
}

PlanFormLoan PlanLoanBox::Loan() const
{
    PlanFormLoan loan;
    loan.amountMan = m_amount->GetValue();
    loan.bonusMan = m_bonus->GetValue();
    loan.years = static_cast<int>(m_years->GetValue());
    loan.firstYear = m_firstYear->value();
    loan.firstMonth = m_firstMonth->value();
    loan.product = static_cast<PlanProductKind>(m_product->currentIndex());
    loan.rate = RateText(m_rate).toStdString();
    loan.fixedYears = m_fixedYears->currentData().toInt();
    loan.rateAfter = RateText(m_rateAfter).toStdString();
    loan.owner = m_owner->currentIndex();
    loan.share1Percent = m_share->GetValue();
    return loan;
}

} // namespace hn
