// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/ReadingPage.h"

#include "calc/capacity/PlanningMessages.h"
#include "calc/capacity/PlanningTexts.h"
#include "controls/CNumEdit.h"
#include "controls/CRateEdit.h"
#include "controls/DialogSetUp.h"
#include "controls/FigureGrid.h"
#include "planning/LimitChoice.h"
#include "planning/PlanningFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace hn {

ReadingPage::ReadingPage(QWidget* parent) : PlanningSection(parent)
{
    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    column->addLayout(top);
    auto* fields = new QWidget(this);
    auto* form = FieldForm(fields);
    m_income = AddNumberField(form, "年収 (万円)");
    m_limit = AddLimitRow(form);
    m_screening = AddRateField(form, "審査金利 (%)");
    m_otherDebts = AddNumberField(form, "他の借入の年間返済額 (万円)");
    top->addWidget(fields, 0, Qt::AlignTop);
    m_loanBox = new QGroupBox(QStringLiteral("集計結果の借入 (審査金利で読むもの)"), this);
    auto* loans = new QVBoxLayout(m_loanBox);
    m_noLoans = new QLabel(FromUtf8(kMsgNoLoans), m_loanBox);
    loans->addWidget(m_noLoans);
    top->addWidget(m_loanBox, 1, Qt::AlignTop);
    AddComputeButton(column, QStringLiteral("計算(&C)"));
    auto* results = new QHBoxLayout;
    m_real = new FigureGrid(this);
    m_screened = new FigureGrid(this);
    results->addWidget(Titled(this, FromUtf8(kReadAtRealRates), m_real));
    results->addWidget(Titled(this, FromUtf8(kReadAtScreeningRate), m_screened));
    column->addLayout(results);
    column->addStretch(1);
    for (QWidget* input : std::initializer_list<QWidget*>{m_income, m_limit->Combo(), m_screening, m_otherDebts})
        ClearWhenChanged(input);
}

void ReadingPage::Seed(const PlanningSeed& seed)
{
    m_income->SetValue(seed.loan.incomeMan);
    if (PercentOf(m_screening) == 0.0)
        SetPercent(m_screening, seed.loan.rate1Percent);
    SetSlotLoans(seed.slotLoans);
}

void ReadingPage::SetSlotLoans(const std::vector<SlotLoan>& loans)
{
    for (QCheckBox* check : m_checks)
        delete check;
    m_checks.clear();
    m_loans = loans;
    for (const SlotLoan& loan : m_loans) {
        auto* check = new QCheckBox(QString::fromStdString(loan.caption), m_loanBox);
        check->setChecked(std::find(m_unscreened.begin(), m_unscreened.end(), loan.slot) == m_unscreened.end());
        m_loanBox->layout()->addWidget(check);
        m_checks.push_back(check);
        connect(check, &QCheckBox::toggled, this, [this, slot = loan.slot](bool screened) {
            std::erase(m_unscreened, slot);
            if (!screened)
                m_unscreened.push_back(slot);
        });
        ClearWhenChanged(check);
    }
    m_noLoans->setVisible(m_loans.empty());
    // Figures of the loans before are not those of the loans now: read them again.
    if (HasFigures())
        Compute(Feedback::Quiet);
}

ReadingInputs ReadingPage::Inputs() const
{
    ReadingInputs in;
    in.incomeMan = m_income->GetValue();
    in.limitKey = m_limit->Key();
    in.screeningPercent = PercentOf(m_screening);
    in.otherDebtsMan = m_otherDebts->GetValue();
    in.unscreenedSlots = m_unscreened;
    std::sort(in.unscreenedSlots.begin(), in.unscreenedSlots.end());
    return in;
}

void ReadingPage::SetInputs(const ReadingInputs& in)
{
    m_income->SetValue(in.incomeMan);
    m_limit->SelectKey(in.limitKey);
    SetPercent(m_screening, in.screeningPercent);
    m_otherDebts->SetValue(in.otherDebtsMan);
    m_unscreened = in.unscreenedSlots;
    for (std::size_t k = 0; k < m_loans.size(); ++k)
        m_checks[k]->setChecked(std::find(m_unscreened.begin(), m_unscreened.end(), m_loans[k].slot) ==
                                m_unscreened.end());
}

void ReadingPage::ClearFigures()
{
    m_real->SetRows({});
    m_screened->SetRows({});
}

bool ReadingPage::Compute(Feedback feedback)
{
    std::vector<ReadingLoan> loans;
    for (std::size_t k = 0; k < m_loans.size(); ++k)
        loans.push_back({m_loans[k].input, m_checks[k]->isChecked()});
    const ReadingInputs in = Inputs();
    ReadingRequest req;
    req.loans = loans;
    req.incomeMan = in.incomeMan;
    req.limit = m_limit->Rule();
    req.screeningRatePercent = in.screeningPercent;
    req.otherDebtsMan = in.otherDebtsMan;
    const LenderReadingOutcome out = ReadAsLender(req);
    if (!out.ok) {
        ClearFigures();
        SetHasFigures(false);
        Refuse(feedback, out.message);
        return false;
    }
    m_real->SetRows(ReadingRows(out.reading, out.reading.atRealRates));
    m_screened->SetRows(ReadingRows(out.reading, out.reading.atScreeningRate));
    SetHasFigures(true);
    return true;
}

} // namespace hn
