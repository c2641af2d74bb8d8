// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/CapacityPage.h"

#include "calc/capacity/PlanningTexts.h"
#include "controls/CNumEdit.h"
#include "controls/CRateEdit.h"
#include "controls/DialogSetUp.h"
#include "controls/FigureGrid.h"
#include "planning/LimitChoice.h"
#include "planning/PlanningFields.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <cmath>

namespace hn {

CapacityPage::CapacityPage(QWidget* parent) : PlanningSection(parent)
{
    // Fields on the left, the answer beside them: in view as soon as it is computed.
    auto* row = new QHBoxLayout(this);
    auto* column = new QVBoxLayout;
    row->addLayout(column);
    auto* fields = new QWidget(this);
    auto* form = FieldForm(fields);
    m_income = AddNumberField(form, "年収 (万円)");
    m_limit = AddLimitRow(form);
    m_screening = AddRateField(form, "審査金利 (%)");
    auto* hint = new QLabel(FromUtf8(kCapScreeningHint), fields);
    m_screening->setAccessibleDescription(hint->text());
    form->addRow(QString(), hint);
    m_otherDebts = AddNumberField(form, "他の借入の年間返済額 (万円)");
    m_period = AddNumberField(form, "返済期間 (年)");
    m_method = new QComboBox(fields);
    for (RepaymentMethod m = kFirstMethod; m <= kLastMethod; ++m)
        m_method->addItem(FromUtf8(MethodCaption(m)), m);
    m_method->setAccessibleName(QStringLiteral("返済方法"));
    auto* methodLabel = new QLabel(QStringLiteral("返済方法"), fields);
    methodLabel->setBuddy(m_method);
    form->addRow(methodLabel, m_method);
    m_rate1 = AddRateField(form, "実際の金利 (%)");
    m_rate2 = AddRateField(form, "11年目以降の金利 (%)");
    m_bonusShare = AddNumberField(form, "ﾎﾞｰﾅｽ割合 (%)");
    column->addWidget(fields);
    AddComputeButton(column, QStringLiteral("計算(&C)"));
    column->addStretch(1);
    m_figures = new FigureGrid(this);
    auto* answer = Titled(this, FromUtf8(kCapCapacity), m_figures);
    answer->setMinimumWidth(fontMetrics().horizontalAdvance(QString(34, QChar(u'0'))));
    row->addWidget(answer, 1, Qt::AlignTop);
    for (QWidget* input : std::initializer_list<QWidget*>{m_income, m_limit->Combo(), m_screening, m_otherDebts,
                                                          m_period, m_method, m_rate1, m_rate2, m_bonusShare})
        ClearWhenChanged(input);
}

void CapacityPage::Seed(const PlanningLoan& loan)
{
    CapacityInputs in = Inputs();
    in.incomeMan = loan.incomeMan;
    in.periodYears = loan.periodYears;
    in.screeningPercent = loan.rate1Percent;
    in.rate1Percent = loan.rate1Percent;
    in.rate2Percent = loan.rate2Percent;
    in.method = loan.method;
    const double share = loan.loanMan > 0 ? loan.bonusMan / loan.loanMan * 100.0 : 0.0;
    in.bonusSharePercent = share > 0 && share <= 50 ? std::floor(share) : 0;
    SetInputs(in);
}

CapacityInputs CapacityPage::Inputs() const
{
    CapacityInputs in;
    in.incomeMan = m_income->GetValue();
    in.limitKey = m_limit->Key();
    in.screeningPercent = PercentOf(m_screening);
    in.otherDebtsMan = m_otherDebts->GetValue();
    in.periodYears = m_period->GetValue();
    in.method = m_method->currentData().toInt();
    in.rate1Percent = PercentOf(m_rate1);
    in.rate2Percent = PercentOf(m_rate2);
    in.bonusSharePercent = m_bonusShare->GetValue();
    return in;
}

void CapacityPage::SetInputs(const CapacityInputs& in)
{
    m_income->SetValue(in.incomeMan);
    m_limit->SelectKey(in.limitKey);
    SetPercent(m_screening, in.screeningPercent);
    m_otherDebts->SetValue(in.otherDebtsMan);
    m_period->SetValue(in.periodYears);
    const int index = m_method->findData(in.method);
    m_method->setCurrentIndex(index < 0 ? 0 : index);
    SetPercent(m_rate1, in.rate1Percent);
    SetPercent(m_rate2, in.rate2Percent);
    m_bonusShare->SetValue(in.bonusSharePercent);
}

void CapacityPage::ClearFigures()
{
    m_figures->SetRows({});
}

bool CapacityPage::Compute(Feedback feedback)
{
    const CapacityInputs in = Inputs();
    CapacityRequest req;
    req.incomeMan = in.incomeMan;
    req.limit = m_limit->Rule();
    req.screeningRatePercent = in.screeningPercent;
    req.otherDebtsMan = in.otherDebtsMan;
    req.periodYears = in.periodYears;
    req.method = in.method;
    req.rate1Percent = in.rate1Percent;
    req.rate2Percent = in.rate2Percent;
    req.bonusSharePercent = in.bonusSharePercent;
    const CapacityOutcome out = ComputeCapacity(req);
    if (!out.ok) {
        ClearFigures();
        SetHasFigures(false);
        Refuse(feedback, out.message);
        return false;
    }
    m_figures->SetRows(CapacityRows(out.result));
    SetHasFigures(true);
    return true;
}

} // namespace hn
