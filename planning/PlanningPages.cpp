// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PlanningPages.h"

#include "calc/CheckMessages.h"
#include "calc/PlanningMessages.h"
#include "calc/PlanningTexts.h"
#include "controls/CNumEdit.h"
#include "planning/FigureGrid.h"
#include "planning/PlanningFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace hn {

namespace {

QString Q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

void Refuse(QWidget* page, std::string_view message)
{
    QMessageBox::warning(page, Q(kCheckCaption), Q(message));
}

QPushButton* AddComputeButton(QVBoxLayout* column, const QString& caption)
{
    auto* button = new QPushButton(caption, column->parentWidget());
    button->setAutoDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(button);
    column->addLayout(row);
    return button;
}

QGroupBox* Titled(QWidget* parent, const QString& title, QWidget* inside)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(inside);
    return box;
}

// The first month of the loan for the calendar labels: next month, as a new loan starts.
ScheduleCalendar TodaysCalendar()
{
    const QDate today = QDate::currentDate();
    ScheduleCalendar calendar;
    calendar.firstMonth = DefaultFirstMonth({today.year(), today.month()});
    return calendar;
}

} // namespace

LimitChoice::LimitChoice(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_combo = new QComboBox(this);
    m_combo->setAccessibleName(Q(kCapLimit));
    for (const BurdenLimitRule& rule : BurdenLimitRules())
        m_combo->addItem(Q(rule.caption), Q(rule.key));
    m_wording = new QLabel(this);
    m_wording->setWordWrap(true);
    layout->addWidget(m_combo);
    layout->addWidget(m_wording);
    connect(m_combo, &QComboBox::currentIndexChanged, this, [this] {
        const BurdenLimitRule* rule = Rule();
        m_wording->setText(rule ? Q(rule->wording) : QString());
        m_combo->setAccessibleDescription(m_wording->text());
    });
    SelectKey("35");
}

const BurdenLimitRule* LimitChoice::Rule() const
{
    return FindBurdenLimitRule(m_combo->currentData().toString().toStdString());
}

void LimitChoice::SelectKey(std::string_view key)
{
    const int index = m_combo->findData(Q(key));
    if (index >= 0)
        m_combo->setCurrentIndex(index);
}

namespace {

LimitChoice* AddLimitRow(QFormLayout* form)
{
    auto* choice = new LimitChoice(form->parentWidget());
    auto* label = new QLabel(Q(kCapLimit), form->parentWidget());
    label->setBuddy(choice->Combo());
    form->addRow(label, choice);
    return choice;
}

} // namespace

CapacityPage::CapacityPage(QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    auto* fields = new QWidget(this);
    auto* form = new QFormLayout(fields);
    m_income = AddNumberField(form, "年収 (万円)", 0);
    m_limit = AddLimitRow(form);
    m_screening = AddNumberField(form, "審査金利 (%)", 3);
    auto* hint = new QLabel(Q(kCapScreeningHint), fields);
    hint->setWordWrap(true);
    m_screening->setAccessibleDescription(hint->text());
    form->addRow(QString(), hint);
    m_otherDebts = AddNumberField(form, "他の借入の年間返済額 (万円)", 0);
    m_period = AddNumberField(form, "返済期間 (年)", 0);
    m_method = new QComboBox(fields);
    for (RepaymentMethod m = kFirstMethod; m <= kLastMethod; ++m)
        m_method->addItem(Q(MethodCaption(m)), m);
    m_method->setAccessibleName(QStringLiteral("返済方法"));
    auto* methodLabel = new QLabel(QStringLiteral("返済方法"), fields);
    methodLabel->setBuddy(m_method);
    form->addRow(methodLabel, m_method);
    m_rate1 = AddNumberField(form, "実際の金利 (%)", 3);
    m_rate2 = AddNumberField(form, "11年目以降の金利 (%)", 3);
    m_bonusShare = AddNumberField(form, "ﾎﾞｰﾅｽ割合 (%)", 0);
    column->addWidget(fields);
    connect(AddComputeButton(column, QStringLiteral("計算(&C)")), &QPushButton::clicked, this, &CapacityPage::Compute);
    m_figures = new FigureGrid(this);
    column->addWidget(Titled(this, Q(kCapCapacity), m_figures));
    column->addStretch(1);
}

void CapacityPage::Seed(const PlanningLoan& loan)
{
    m_income->SetValue(loan.incomeMan);
    m_period->SetValue(loan.periodYears);
    m_screening->SetValue(loan.rate1Percent);
    m_rate1->SetValue(loan.rate1Percent);
    m_rate2->SetValue(loan.rate2Percent);
    const int index = m_method->findData(loan.method);
    m_method->setCurrentIndex(index < 0 ? 0 : index);
    const double share = loan.loanMan > 0 ? loan.bonusMan / loan.loanMan * 100.0 : 0.0;
    m_bonusShare->SetValue(share > 0 && share <= 50 ? static_cast<int>(share) : 0);
}

bool CapacityPage::Compute()
{
    CapacityRequest req;
    req.incomeMan = m_income->GetValue();
    req.limit = m_limit->Rule();
    req.screeningRatePercent = m_screening->GetValue();
    req.otherDebtsMan = m_otherDebts->GetValue();
    req.periodYears = m_period->GetValue();
    req.method = m_method->currentData().toInt();
    req.rate1Percent = m_rate1->GetValue();
    req.rate2Percent = m_rate2->GetValue();
    req.bonusSharePercent = m_bonusShare->GetValue();
    const CapacityOutcome out = ComputeCapacity(req);
    if (!out.ok) {
        m_figures->SetRows({});
        Refuse(this, out.message);
        return false;
    }
    m_figures->SetRows(CapacityRows(out.result));
    return true;
}

ReadingPage::ReadingPage(QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    auto* fields = new QWidget(this);
    auto* form = new QFormLayout(fields);
    m_income = AddNumberField(form, "年収 (万円)", 0);
    m_limit = AddLimitRow(form);
    m_screening = AddNumberField(form, "審査金利 (%)", 3);
    m_otherDebts = AddNumberField(form, "他の借入の年間返済額 (万円)", 0);
    column->addWidget(fields);
    m_loanBox = new QGroupBox(QStringLiteral("集計結果の借入 (審査金利で読むもの)"), this);
    auto* loans = new QVBoxLayout(m_loanBox);
    m_noLoans = new QLabel(Q(kMsgNoLoans), m_loanBox);
    loans->addWidget(m_noLoans);
    column->addWidget(m_loanBox);
    connect(AddComputeButton(column, QStringLiteral("計算(&C)")), &QPushButton::clicked, this, &ReadingPage::Compute);
    auto* results = new QHBoxLayout;
    m_real = new FigureGrid(this);
    m_screened = new FigureGrid(this);
    results->addWidget(Titled(this, Q(kReadAtRealRates), m_real));
    results->addWidget(Titled(this, Q(kReadAtScreeningRate), m_screened));
    column->addLayout(results);
    column->addStretch(1);
}

void ReadingPage::Seed(const PlanningSeed& seed)
{
    m_income->SetValue(seed.loan.incomeMan);
    if (m_screening->GetValue() == 0.0)
        m_screening->SetValue(seed.loan.rate1Percent);
    for (QCheckBox* check : m_checks)
        delete check;
    m_checks.clear();
    m_loans = seed.slotLoans;
    for (const SlotLoan& loan : m_loans) {
        auto* check = new QCheckBox(QString::fromStdString(loan.caption), m_loanBox);
        check->setChecked(true);
        m_loanBox->layout()->addWidget(check);
        m_checks.push_back(check);
    }
    m_noLoans->setVisible(m_loans.empty());
    m_real->SetRows({});
    m_screened->SetRows({});
}

bool ReadingPage::Compute()
{
    std::vector<ReadingLoan> loans;
    for (std::size_t k = 0; k < m_loans.size(); ++k)
        loans.push_back({m_loans[k].input, m_checks[k]->isChecked()});
    ReadingRequest req;
    req.loans = loans;
    req.incomeMan = m_income->GetValue();
    req.limit = m_limit->Rule();
    req.screeningRatePercent = m_screening->GetValue();
    req.otherDebtsMan = m_otherDebts->GetValue();
    const LenderReadingOutcome out = ReadAsLender(req);
    if (!out.ok) {
        m_real->SetRows({});
        m_screened->SetRows({});
        Refuse(this, out.message);
        return false;
    }
    m_real->SetRows(ReadingRows(out.reading, out.reading.atRealRates));
    m_screened->SetRows(ReadingRows(out.reading, out.reading.atScreeningRate));
    return true;
}

PrepayPage::PrepayPage(QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    m_loan = new LoanFields(this);
    column->addWidget(m_loan);
    auto* fields = new QWidget(this);
    auto* form = new QFormLayout(fields);
    form->setContentsMargins(0, 0, 0, 0);
    m_instalment = AddNumberField(form, "何回目の返済の後 (回)", 0);
    m_amount = AddNumberField(form, "繰上げ返済額 (万円)", 0);
    m_bonusAmount = AddNumberField(form, "内ﾎﾞｰﾅｽ分 (万円)", 0);
    column->addWidget(fields);
    connect(AddComputeButton(column, Q(kPrepayCompare) + QStringLiteral("(&C)")), &QPushButton::clicked, this,
            &PrepayPage::Compute);
    auto* results = new QHBoxLayout;
    m_before = new FigureGrid(this);
    results->addWidget(Titled(this, Q(kPrepayPlannedEnd), m_before));
    for (PrepayMode mode : {PrepayMode::Reduce, PrepayMode::Shorten, PrepayMode::ShortenWhole}) {
        auto* grid = new FigureGrid(this);
        m_columns[static_cast<int>(mode)] = grid;
        results->addWidget(Titled(this, Q(PrepayModeCaption(mode)), grid));
    }
    column->addLayout(results);
    column->addStretch(1);
}

void PrepayPage::Seed(const PlanningLoan& loan)
{
    m_loan->SetLoan(loan);
}

bool PrepayPage::Compute()
{
    for (FigureGrid* grid : m_columns)
        grid->SetRows({});
    m_before->SetRows({});
    m_comparison = {};
    const PlannedLoan planned = PlanLoan(m_loan->Loan());
    if (!planned.ok) {
        Refuse(this, planned.message);
        return false;
    }
    const Schedule schedule = BuildSchedule(WholeYenInput(planned.input));
    if (!schedule.ok()) {
        Refuse(this, kMsgPrepayNoSchedule);
        return false;
    }
    const double instalment = m_instalment->GetValue();
    const auto amount = ManToWholeYen(m_amount->GetValue());
    const auto bonus = ManToWholeYen(m_bonusAmount->GetValue());
    if (instalment < 1 || instalment != static_cast<int>(instalment) || instalment > kMaxPathMonth) {
        Refuse(this, kMsgPrepayInstalmentInvalid);
        return false;
    }
    if (!amount || !bonus || *bonus > *amount) {
        Refuse(this, kMsgPrepayAmountInvalid);
        return false;
    }
    Prepayment p;
    p.instalment = static_cast<int>(instalment);
    p.amountYen = *amount - *bonus;
    p.bonusAmountYen = *bonus;
    m_comparison = ComparePrepayModes(schedule, p);
    // The three ways refuse the same inputs; one message says why.
    if (!m_comparison.reduce.ok) {
        Refuse(this, m_comparison.reduce.message);
        return false;
    }
    const ScheduleCalendar calendar = TodaysCalendar();
    const ScheduleTotals& before = m_comparison.reduce.totalsBefore;
    m_before->SetRows({{std::string(kPrepayEnd), EndText(schedule.monthly, calendar)},
                       {std::string(kPrepayInterest), YenText(before.interest)},
                       {std::string(kPrepayTotal), YenText(before.payment)}});
    Column(PrepayMode::Reduce)->SetRows(PrepayRows(PrepayMode::Reduce, m_comparison.reduce, calendar));
    Column(PrepayMode::Shorten)->SetRows(PrepayRows(PrepayMode::Shorten, m_comparison.shorten, calendar));
    Column(PrepayMode::ShortenWhole)->SetRows(PrepayRows(PrepayMode::ShortenWhole, m_comparison.shortenWhole, calendar));
    return true;
}

} // namespace hn
