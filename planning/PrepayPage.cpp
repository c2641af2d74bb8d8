// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PrepayPage.h"

#include "calc/schedule/PrepaymentMessages.h"
#include "calc/schedule/PrepaymentTexts.h"
#include "controls/DialogSetUp.h"
#include "controls/FigureGrid.h"
#include "planning/PlanningFields.h"
#include "report/PrepaymentReport.h"
#include "report/Units.h"
#include "schedule/DerivedSchedules.h"

#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace hn {

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

// The first month of the loan for the calendar labels: next month, as a new loan starts.
ScheduleCalendar TodaysCalendar()
{
    const QDate today = QDate::currentDate();
    ScheduleCalendar calendar;
    calendar.firstMonth = DefaultFirstMonth({today.year(), today.month()});
    return calendar;
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
    top->addWidget(Titled(this, FromUtf8(kPrepayPlannedEnd), m_before), 0, Qt::AlignTop);
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

    AddComputeButton(column, FromUtf8(kPrepayCompare) + QStringLiteral("(&C)"));
    auto* results = new QHBoxLayout;
    for (PrepayMode mode : {PrepayMode::Reduce, PrepayMode::Shorten, PrepayMode::ShortenWhole}) {
        const int k = static_cast<int>(mode);
        auto* box = new QGroupBox(FromUtf8(PrepayModeCaption(mode)), this);
        auto* inside = new QVBoxLayout(box);
        m_columns[k] = new FigureGrid(box);
        inside->addWidget(m_columns[k]);
        m_scheduleButtons[k] = new QPushButton(ScheduleButtonCaption(mode), box);
        m_scheduleButtons[k]->setAccessibleName(FromUtf8(PrepayModeCaption(mode)) + QStringLiteral("の返済予定表"));
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
                       {std::string(kPrepayInterest), Text(Quantity::Yen(before.interest))},
                       {std::string(kPrepayTotal), Text(Quantity::Yen(before.payment))}});
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
