// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PlanningPages.h"

#include "calc/PlanningMessages.h"
#include "calc/PlanningTexts.h"
#include "controls/CNumEdit.h"
#include "controls/CRateEdit.h"
#include "planning/FigureGrid.h"
#include "planning/PlanningFields.h"
#include "schedule/DerivedSchedules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace hn {

namespace {

QString Q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
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

// Forms keep their fields at their own width, next to their captions.
QFormLayout* FieldForm(QWidget* fields)
{
    auto* form = new QFormLayout(fields);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return form;
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
    layout->addWidget(m_combo, 0, Qt::AlignLeft);
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
    return FindBurdenLimitRule(Key());
}

std::string LimitChoice::Key() const
{
    return m_combo->currentData().toString().toStdString();
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
    auto* hint = new QLabel(Q(kCapScreeningHint), fields);
    m_screening->setAccessibleDescription(hint->text());
    form->addRow(QString(), hint);
    m_otherDebts = AddNumberField(form, "他の借入の年間返済額 (万円)");
    m_period = AddNumberField(form, "返済期間 (年)");
    m_method = new QComboBox(fields);
    for (RepaymentMethod m = kFirstMethod; m <= kLastMethod; ++m)
        m_method->addItem(Q(MethodCaption(m)), m);
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
    auto* answer = Titled(this, Q(kCapCapacity), m_figures);
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
    m_noLoans = new QLabel(Q(kMsgNoLoans), m_loanBox);
    loans->addWidget(m_noLoans);
    top->addWidget(m_loanBox, 1, Qt::AlignTop);
    AddComputeButton(column, QStringLiteral("計算(&C)"));
    auto* results = new QHBoxLayout;
    m_real = new FigureGrid(this);
    m_screened = new FigureGrid(this);
    results->addWidget(Titled(this, Q(kReadAtRealRates), m_real));
    results->addWidget(Titled(this, Q(kReadAtScreeningRate), m_screened));
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

namespace {

constexpr int kListRows = 3;

// Each way's schedule button: the same caption, a mnemonic of its own, and a name that
// says which way it opens.
QString ScheduleButtonCaption(PrepayMode mode)
{
    switch (mode) {
    case PrepayMode::Reduce:
        return QStringLiteral("返済予定表(&G)");
    case PrepayMode::Shorten:
        return QStringLiteral("返済予定表(&T)");
    case PrepayMode::ShortenWhole:
        break;
    }
    return QStringLiteral("返済予定表(&K)");
}

} // namespace

PrepayPage::PrepayPage(QWidget* parent) : PlanningSection(parent)
{
    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    column->addLayout(top);
    m_loan = new LoanFields(this);
    top->addWidget(m_loan, 0, Qt::AlignTop);

    // The list, with the loan's planned figures beside it; the three ways below.
    auto* listColumn = new QVBoxLayout;
    top->addLayout(listColumn, 1);
    auto* listLabel = new QLabel(QStringLiteral("繰上げ返済の一覧(&L)"), this);
    listColumn->addWidget(listLabel);
    m_list = new QTableWidget(kListRows, 3, this);
    m_list->setHorizontalHeaderLabels(
        {QStringLiteral("何回目の返済の後 (回)"), QStringLiteral("繰上げ返済額 (万円)"), QStringLiteral("内ﾎﾞｰﾅｽ分 (万円)")});
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->horizontalHeader()->setStretchLastSection(true);
    m_list->verticalHeader()->setVisible(false);
    m_list->setAccessibleName(QStringLiteral("繰上げ返済の一覧"));
    m_list->setAccessibleDescription(QStringLiteral("1行に1回: 何回目の返済の後、繰上げ返済額 (万円)、内ﾎﾞｰﾅｽ分 (万円)"));
    // Tab leaves the table; the arrows move between cells and typing starts editing.
    m_list->setTabKeyNavigation(false);
    m_list->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    m_list->setMaximumHeight(m_list->horizontalHeader()->sizeHint().height() +
                             (kListRows + 1) * m_list->verticalHeader()->defaultSectionSize() + 4);
    listLabel->setBuddy(m_list);
    listColumn->addWidget(m_list);
    auto* rowButtons = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("行を追加(&A)"), this);
    auto* remove = new QPushButton(QStringLiteral("行を削除(&D)"), this);
    add->setAutoDefault(false);
    remove->setAutoDefault(false);
    rowButtons->addWidget(add);
    rowButtons->addWidget(remove);
    rowButtons->addStretch(1);
    listColumn->addLayout(rowButtons);
    m_before = new FigureGrid(this);
    top->addWidget(Titled(this, Q(kPrepayPlannedEnd), m_before), 0, Qt::AlignTop);
    connect(add, &QPushButton::clicked, this, [this] {
        m_list->insertRow(m_list->rowCount());
        m_list->setCurrentCell(m_list->rowCount() - 1, 0);
        m_list->setFocus();
    });
    connect(remove, &QPushButton::clicked, this, [this] {
        const int row = m_list->currentRow();
        m_list->removeRow(row >= 0 ? row : m_list->rowCount() - 1);
    });
    // Figures and schedules of an older loan or list are not those of the fields shown.
    ClearWhenChanged(m_list);
    for (QLineEdit* edit : m_loan->findChildren<QLineEdit*>())
        ClearWhenChanged(edit);
    ClearWhenChanged(m_loan->Method());

    AddComputeButton(column, Q(kPrepayCompare) + QStringLiteral("(&C)"));
    auto* results = new QHBoxLayout;
    for (PrepayMode mode : {PrepayMode::Reduce, PrepayMode::Shorten, PrepayMode::ShortenWhole}) {
        const int k = static_cast<int>(mode);
        auto* box = new QGroupBox(Q(PrepayModeCaption(mode)), this);
        auto* inside = new QVBoxLayout(box);
        m_columns[k] = new FigureGrid(box);
        inside->addWidget(m_columns[k]);
        m_scheduleButtons[k] = new QPushButton(ScheduleButtonCaption(mode), box);
        m_scheduleButtons[k]->setAccessibleName(Q(PrepayModeCaption(mode)) + QStringLiteral("の返済予定表"));
        m_scheduleButtons[k]->setAutoDefault(false);
        m_scheduleButtons[k]->setEnabled(false);
        inside->addWidget(m_scheduleButtons[k], 0, Qt::AlignRight);
        inside->addStretch(1);
        connect(m_scheduleButtons[k], &QPushButton::clicked, this, [this, mode] { OpenSchedule(mode); });
        results->addWidget(box);
    }
    column->addLayout(results);
    column->addStretch(1);
}

void PrepayPage::Seed(const PlanningLoan& loan)
{
    m_loan->SetLoan(loan);
}

PrepayInputs PrepayPage::Inputs() const
{
    return {m_loan->Loan(), ListRows()};
}

void PrepayPage::SetInputs(const PrepayInputs& in)
{
    m_loan->SetLoan(in.loan);
    SetListRows(in.rows);
}

void PrepayPage::SetListRows(const std::vector<PrepayRowText>& rows)
{
    m_list->clearContents();
    m_list->setRowCount(std::max<int>(kListRows, static_cast<int>(rows.size())));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i);
        m_list->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(rows[i].instalment)));
        m_list->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(rows[i].amountMan)));
        m_list->setItem(row, 2, new QTableWidgetItem(QString::fromStdString(rows[i].bonusMan)));
    }
}

std::vector<PrepayRowText> PrepayPage::ListRows() const
{
    std::vector<PrepayRowText> rows;
    const auto cell = [this](int row, int column) {
        const QTableWidgetItem* item = m_list->item(row, column);
        return item ? item->text().trimmed().toStdString() : std::string();
    };
    for (int row = 0; row < m_list->rowCount(); ++row)
        rows.push_back({cell(row, 0), cell(row, 1), cell(row, 2)});
    // Empty rows at the end are the table's, not the user's.
    while (!rows.empty() && rows.back() == PrepayRowText{})
        rows.pop_back();
    return rows;
}

void PrepayPage::ClearFigures()
{
    for (FigureGrid* grid : m_columns)
        grid->SetRows({});
    for (QPushButton* b : m_scheduleButtons)
        b->setEnabled(false);
    m_before->SetRows({});
    m_ways = {};
}

bool PrepayPage::Compute(Feedback feedback)
{
    ClearFigures();
    SetHasFigures(false);
    const PlannedLoan planned = PlanLoan(m_loan->Loan());
    if (!planned.ok) {
        Refuse(feedback, planned.message);
        return false;
    }
    m_input = WholeYenInput(planned.input);
    const Schedule schedule = BuildSchedule(m_input);
    if (!schedule.ok()) {
        Refuse(feedback, kMsgPrepayNoSchedule);
        return false;
    }
    const std::vector<PrepayRowText> rows = ListRows();
    const PrepayList list = ReadPrepayList(rows);
    if (!list.ok()) {
        Refuse(feedback, list.message);
        if (feedback == Feedback::Tell) {
            m_list->setFocus();
            if (list.faultyRow > 0)
                m_list->setCurrentCell(list.faultyRow - 1, list.faultyColumn);
        }
        return false;
    }
    PrepayWays ways = ApplyEachWay(schedule, list);
    if (!ways.anyOk()) {
        // Usually one row every way refuses: say it once.
        QStringList lines;
        for (const std::string& m : ways.messages)
            if (!lines.contains(QString::fromStdString(m)))
                lines << QString::fromStdString(m);
        Refuse(feedback, lines.join(QLatin1Char('\n')).toStdString());
        if (feedback == Feedback::Tell)
            m_list->setFocus();
        return false;
    }
    m_ways = std::move(ways);
    const ScheduleCalendar calendar = TodaysCalendar();
    const ScheduleTotals before = TotalsOf(schedule);
    m_before->SetRows({{std::string(kPrepayEnd), LoanEndText(EndOfLoan(schedule, calendar))},
                       {std::string(kPrepayInterest), YenText(before.interest)},
                       {std::string(kPrepayTotal), YenText(before.payment)}});
    for (PrepayMode mode : {PrepayMode::Reduce, PrepayMode::Shorten, PrepayMode::ShortenWhole}) {
        const PrepaymentOutcome& o = m_ways.Outcome(mode);
        if (o.ok)
            Column(mode)->SetRows(PrepayRows(mode, o, calendar));
        else
            Column(mode)->SetRows({{std::string(PrepayModeCaption(mode)), m_ways.Message(mode)}});
        ScheduleButton(mode)->setEnabled(o.ok && o.after.ok());
    }
    SetHasFigures(true);
    return true;
}

void PrepayPage::OpenSchedule(PrepayMode mode)
{
    const PrepaymentOutcome& o = m_ways.Outcome(mode);
    if (!o.ok || !m_opener)
        return;
    m_opener(PrepaidSchedule(m_input, o));
}

} // namespace hn
