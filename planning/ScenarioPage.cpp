// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/ScenarioPage.h"

#include "calc/CheckMessages.h"
#include "calc/DecimalText.h"
#include "calc/ScenarioSummary.h"
#include "calc/ScenarioTexts.h"
#include "controls/CNumEdit.h"
#include "planning/FigureGrid.h"
#include "planning/PlanningFields.h"
#include "planning/ScenarioChart.h"
#include "schedule/DerivedSchedules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace hn {

namespace {

QString Q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

enum Preset { kFlat, kRiseOnce, kRiseEvery, kTable };

QString PathRateText(double rate)
{
    return QString::fromStdString(FormatDecimal(std::round(rate / 0.01 * 1e6) / 1e6));
}

} // namespace

PathEditor::PathEditor(int number, QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_use = new QCheckBox(QStringLiteral("シナリオ%1").arg(number), this);
    m_use->setChecked(number == 1);
    m_use->setEnabled(number != 1);
    column->addWidget(m_use);
    auto* fields = new QWidget(this);
    auto* form = new QFormLayout(fields);
    form->setContentsMargins(0, 0, 0, 0);
    m_preset = new QComboBox(fields);
    m_preset->addItems({QStringLiteral("横ばい"), QStringLiteral("一度上がる"), QStringLiteral("一定の年ごとに上がる"),
                        QStringLiteral("表で指定")});
    m_preset->setAccessibleName(QStringLiteral("シナリオ%1の%2").arg(number).arg(Q(kScenarioPath)));
    form->addRow(Q(kScenarioPath), m_preset);
    m_start = AddNumberField(form, "当初の金利 (%)", 3);
    m_rise = AddNumberField(form, "上昇幅 (%)", 3);
    m_month = AddNumberField(form, "上がる回・間隔 (回・年)", 0);
    m_cap = AddNumberField(form, "上限の金利 (%)", 3);
    for (CNumEdit* e : {m_start, m_rise, m_month, m_cap})
        e->setAccessibleName(QStringLiteral("シナリオ%1の").arg(number) + e->accessibleName());
    column->addWidget(fields);
    auto* apply = new QPushButton(QStringLiteral("表に反映"), this);
    apply->setAutoDefault(false);
    column->addWidget(apply);
    m_table = new QTableWidget(6, 2, this);
    m_table->setHorizontalHeaderLabels({QStringLiteral("何回目から"), QStringLiteral("金利 (%)")});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->setVisible(false);
    m_table->setAccessibleName(QStringLiteral("シナリオ%1の金利の表").arg(number));
    m_table->setTabKeyNavigation(false);
    column->addWidget(m_table);
    auto* rows = new QHBoxLayout;
    auto* add = new QPushButton(QStringLiteral("行を追加"), this);
    auto* remove = new QPushButton(QStringLiteral("行を削除"), this);
    add->setAutoDefault(false);
    remove->setAutoDefault(false);
    rows->addWidget(add);
    rows->addWidget(remove);
    column->addLayout(rows);
    connect(add, &QPushButton::clicked, this, [this] { m_table->insertRow(m_table->rowCount()); });
    connect(remove, &QPushButton::clicked, this, [this] {
        const int row = m_table->currentRow();
        m_table->removeRow(row >= 0 ? row : m_table->rowCount() - 1);
    });
    connect(apply, &QPushButton::clicked, this, [this] { ApplyPreset(35 * 12); });
    // A typed table is the path from then on.
    connect(m_table, &QTableWidget::itemChanged, this, [this] {
        if (!signalsBlocked())
            m_preset->setCurrentIndex(kTable);
    });
    m_rise->SetValue(number == 1 ? 0.0 : number - 1.0);
    m_month->SetValue(13);
    m_cap->SetValue(0);
}

void PathEditor::SetStartRate(double percent)
{
    m_start->SetValue(percent);
}

void PathEditor::ApplyPreset(int months)
{
    const double start = m_start->GetValue();
    RatePath path;
    switch (m_preset->currentIndex()) {
    case kFlat:
        path = FlatRatePath(start);
        break;
    case kRiseOnce:
        path = RiseOnceRatePath(start, m_rise->GetValue(), static_cast<int>(m_month->GetValue()));
        break;
    case kRiseEvery:
        path = RiseEveryRatePath(start, m_rise->GetValue(), static_cast<int>(m_month->GetValue()), m_cap->GetValue(),
                                 months);
        break;
    default:
        return; // the table is the user's
    }
    const QSignalBlocker block(this);
    const QSignalBlocker blockTable(m_table);
    m_table->clearContents();
    m_table->setRowCount(std::max<int>(6, static_cast<int>(path.steps.size()) + 1));
    for (std::size_t k = 0; k < path.steps.size(); ++k) {
        const int row = static_cast<int>(k);
        m_table->setItem(row, 0, new QTableWidgetItem(QString::number(path.steps[k].month)));
        m_table->setItem(row, 1, new QTableWidgetItem(PathRateText(path.steps[k].rate)));
    }
}

std::string PathEditor::PathText() const
{
    std::string text;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        const QTableWidgetItem* month = m_table->item(row, 0);
        const QTableWidgetItem* rate = m_table->item(row, 1);
        const QString m = month ? month->text().trimmed() : QString();
        const QString r = rate ? rate->text().trimmed() : QString();
        if (m.isEmpty() && r.isEmpty())
            continue;
        if (!text.empty())
            text += ',';
        text += m.toStdString() + ':' + r.toStdString();
    }
    return text;
}

ScenarioPage::ScenarioPage(QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_loan = new LoanFields(this);
    top->addWidget(m_loan);
    auto* rules = new QWidget(this);
    auto* form = new QFormLayout(rules);
    m_review = new QComboBox(rules);
    m_review->addItems({Q(kReviewFiveYear125), Q(kReviewEveryChange)});
    m_review->setAccessibleName(Q(kReviewCaption));
    form->addRow(Q(kReviewCaption), m_review);
    m_unpaid = new QComboBox(rules);
    m_unpaid->addItems({Q(kUnpaidCarryToEnd), Q(kUnpaidPayFirst)});
    m_unpaid->setAccessibleName(Q(kUnpaidCaption));
    form->addRow(Q(kUnpaidCaption), m_unpaid);
    top->addWidget(rules, 0, Qt::AlignTop);
    column->addLayout(top);

    auto* paths = new QHBoxLayout;
    for (int k = 0; k < 3; ++k) {
        m_paths[static_cast<std::size_t>(k)] = new PathEditor(k + 1, this);
        paths->addWidget(m_paths[static_cast<std::size_t>(k)]);
    }
    m_paths[1]->m_preset->setCurrentIndex(kRiseOnce);
    m_paths[2]->m_preset->setCurrentIndex(kRiseOnce);
    column->addLayout(paths);

    auto* compute = new QPushButton(QStringLiteral("比べる(&C)"), this);
    compute->setAutoDefault(true);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(compute);
    column->addLayout(buttonRow);
    connect(compute, &QPushButton::clicked, this, &ScenarioPage::Compute);

    auto* results = new QHBoxLayout;
    for (int k = 0; k < 3; ++k) {
        auto* box = new QGroupBox(QStringLiteral("シナリオ%1").arg(k + 1), this);
        auto* inside = new QVBoxLayout(box);
        m_figures[static_cast<std::size_t>(k)] = new FigureGrid(box);
        auto* warn = new QLabel(box);
        warn->setWordWrap(true);
        warn->setAccessibleName(QStringLiteral("シナリオ%1の%2").arg(k + 1).arg(Q(kSumWarning)));
        warn->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        QFont bold = warn->font();
        bold.setBold(true);
        warn->setFont(bold);
        m_warnings[static_cast<std::size_t>(k)] = warn;
        inside->addWidget(m_figures[static_cast<std::size_t>(k)]);
        inside->addWidget(warn);
        // Mnemonics X, Y, Z: the scenarios' own letters, free on this page.
        auto* schedule = new QPushButton(QStringLiteral("返済予定表(&%1)").arg(QChar(u'X' + k)), box);
        schedule->setAccessibleName(QStringLiteral("シナリオ%1の返済予定表").arg(k + 1));
        schedule->setAutoDefault(false);
        schedule->setEnabled(false);
        connect(schedule, &QPushButton::clicked, this, [this, k] { OpenSchedule(k); });
        m_scheduleButtons[static_cast<std::size_t>(k)] = schedule;
        inside->addWidget(schedule, 0, Qt::AlignRight);
        inside->addStretch(1);
        results->addWidget(box);
    }
    column->addLayout(results);
    m_instalmentChart = new ScenarioChart(false, this);
    m_owedChart = new ScenarioChart(true, this);
    column->addWidget(new QLabel(m_instalmentChart->accessibleName(), this));
    column->addWidget(m_instalmentChart);
    column->addWidget(new QLabel(m_owedChart->accessibleName(), this));
    column->addWidget(m_owedChart);
}

int ScenarioPage::LoanMonths() const
{
    const double years = m_loan->Loan().periodYears;
    return years >= 1 && years <= 99 ? static_cast<int>(years) * 12 : kMaxPathMonth;
}

void ScenarioPage::Seed(const PlanningLoan& loan)
{
    m_loan->SetLoan(loan);
    for (PathEditor* path : m_paths) {
        path->SetStartRate(loan.rate1Percent);
        path->ApplyPreset(LoanMonths());
    }
}

bool ScenarioPage::Compute()
{
    m_scenarios.clear();
    m_inputs.clear();
    m_shownAt.clear();
    for (int k = 0; k < 3; ++k) {
        m_figures[static_cast<std::size_t>(k)]->SetRows({});
        m_warnings[static_cast<std::size_t>(k)]->clear();
        m_scheduleButtons[static_cast<std::size_t>(k)]->setEnabled(false);
    }
    m_instalmentChart->SetSeries({});
    m_owedChart->SetSeries({});
    const auto refuse = [this](const QString& text) {
        QMessageBox::warning(this, Q(kCheckCaption), text);
        return false;
    };
    const PlannedLoan planned = PlanLoan(m_loan->Loan());
    if (!planned.ok)
        return refuse(Q(planned.message));
    if (FamilyOf(planned.input.method) == RepaymentFamily::ReducedEarly)
        return refuse(Q(kMsgScenarioReduced));
    std::vector<ScenarioSchedule> scenarios;
    std::vector<ScenarioInput> inputs;
    std::vector<int> shownAt;
    for (int k = 0; k < 3; ++k) {
        PathEditor* editor = m_paths[static_cast<std::size_t>(k)];
        if (!editor->Use()->isChecked())
            continue;
        editor->ApplyPreset(LoanMonths());
        const RatePathParse parsed = ParseRatePath(editor->PathText());
        const RatePathCheck check = parsed.check.ok() ? CheckRatePath(parsed.path) : parsed.check;
        if (!check.ok()) {
            editor->Table()->setFocus();
            return refuse(QStringLiteral("シナリオ%1: ").arg(k + 1) + QString::fromStdString(RatePathProblemText(check)));
        }
        ScenarioInput in;
        in.loan = WholeYenInput(planned.input);
        in.path = parsed.path;
        in.review = m_review->currentIndex() == 0 ? ReviewRule::FiveYear125 : ReviewRule::EveryChange;
        in.unpaid = m_unpaid->currentIndex() == 0 ? UnpaidSettlement::CarryToEnd : UnpaidSettlement::PayFirst;
        ScenarioSchedule s = BuildScenarioSchedule(in);
        if (!s.ok())
            return refuse(QStringLiteral("シナリオ%1: ").arg(k + 1) + Q(kMsgScenarioNotComputed));
        scenarios.push_back(std::move(s));
        inputs.push_back(std::move(in));
        shownAt.push_back(k);
    }
    // One series per scenario column, empty where a scenario is not used, so
    // that each keeps its colour and line style.
    std::vector<ChartSeries> series(3);
    for (std::size_t i = 0; i < scenarios.size(); ++i) {
        const std::size_t k = static_cast<std::size_t>(shownAt[i]);
        const ScenarioSummary summary = SummariseScenario(scenarios[i]);
        m_figures[k]->SetRows(ScenarioRows(summary));
        QStringList lines;
        for (const ScenarioWarning& w : ScenarioWarnings(scenarios[i], summary))
            lines << Q(kSumWarning) + QStringLiteral(": ") + QString::fromStdString(w.text);
        m_warnings[k]->setText(lines.join(QLatin1Char('\n')));
        m_warnings[k]->setAccessibleDescription(m_warnings[k]->text());
        series[k] = SeriesOf(scenarios[i]);
        m_scheduleButtons[k]->setEnabled(true);
    }
    m_instalmentChart->SetSeries(series);
    m_owedChart->SetSeries(std::move(series));
    m_scenarios = std::move(scenarios);
    m_inputs = std::move(inputs);
    m_shownAt = std::move(shownAt);
    return true;
}

void ScenarioPage::OpenSchedule(int k)
{
    for (std::size_t i = 0; i < m_scenarios.size(); ++i)
        if (m_shownAt[i] == k && m_opener)
            m_opener(ScenarioScheduleToShow(k + 1, m_inputs[i], m_scenarios[i]));
}

} // namespace hn
