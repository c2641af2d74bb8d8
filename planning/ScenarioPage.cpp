// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/ScenarioPage.h"

#include "calc/CheckedInt.h"
#include "calc/rates/ScenarioSummary.h"
#include "calc/rates/ScenarioTexts.h"
#include "controls/CNumEdit.h"
#include "controls/CRateEdit.h"
#include "controls/FigureGrid.h"
#include "controls/Utf8Text.h"
#include "planning/PathEditor.h"
#include "planning/PlanningFields.h"
#include "planning/ScenarioChart.h"
#include "report/ScenarioReport.h"
#include "schedule/DerivedSchedules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace hn {

ScenarioPage::ScenarioPage(QWidget* parent) : PlanningSection(parent)
{
    auto* column = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    m_loan = new LoanFields(this);
    top->addWidget(m_loan, 0, Qt::AlignTop);
    auto* rules = new QWidget(this);
    auto* form = new QFormLayout(rules);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_review = new QComboBox(rules);
    m_review->addItems({FromUtf8(kReviewFiveYear125), FromUtf8(kReviewEveryChange)});
    m_review->setAccessibleName(FromUtf8(kReviewCaption));
    form->addRow(FromUtf8(kReviewCaption), m_review);
    m_unpaid = new QComboBox(rules);
    m_unpaid->addItems({FromUtf8(kUnpaidCarryToEnd), FromUtf8(kUnpaidPayFirst)});
    m_unpaid->setAccessibleName(FromUtf8(kUnpaidCaption));
    form->addRow(FromUtf8(kUnpaidCaption), m_unpaid);
    top->addWidget(rules, 1, Qt::AlignTop);
    column->addLayout(top);

    auto* paths = new QHBoxLayout;
    for (int k = 0; k < 3; ++k) {
        auto* editor = new PathEditor(k + 1, this);
        m_paths[static_cast<std::size_t>(k)] = editor;
        paths->addWidget(editor, 1, Qt::AlignTop);
        connect(editor, &PathEditor::Changed, this, &ScenarioPage::InputsChanged);
    }
    m_paths[1]->m_preset->setCurrentIndex(static_cast<int>(PathPreset::RiseOnce));
    m_paths[2]->m_preset->setCurrentIndex(static_cast<int>(PathPreset::RiseOnce));
    column->addLayout(paths);
    connect(m_loan, &LoanFields::Changed, this, [this] {
        FollowLoan();
        InputsChanged();
    });
    ClearWhenChanged(m_review);
    ClearWhenChanged(m_unpaid);

    AddComputeButton(column, QStringLiteral("比べる(&C)"));

    auto* results = new QHBoxLayout;
    for (int k = 0; k < 3; ++k) {
        auto* box = new QGroupBox(ScenarioNumbered(k + 1, {}), this);
        auto* inside = new QVBoxLayout(box);
        m_figures[static_cast<std::size_t>(k)] = new FigureGrid(box);
        auto* warn = new QLabel(box);
        warn->setWordWrap(true);
        warn->setAccessibleName(ScenarioNumbered(k + 1, u"の") + FromUtf8(kSumWarning));
        warn->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        QFont bold = warn->font();
        bold.setBold(true);
        warn->setFont(bold);
        m_warnings[static_cast<std::size_t>(k)] = warn;
        inside->addWidget(m_figures[static_cast<std::size_t>(k)]);
        inside->addWidget(warn);
        // Mnemonics X, Y, Z: the scenarios' own letters, free on this page.
        auto* schedule = new QPushButton(QStringLiteral("返済予定表(&%1)").arg(QChar(u'X' + k)), box);
        schedule->setAccessibleName(ScenarioNumbered(k + 1, u"の返済予定表"));
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
    FollowLoan();
}

int ScenarioPage::LoanMonths() const
{
    const std::optional<int> years = WholeNumberIn(m_loan->Loan().periodYears, 1, kMaxPathMonth / 12);
    return years ? *years * 12 : kMaxPathMonth;
}

void ScenarioPage::FollowLoan()
{
    const PlanningLoan loan = m_loan->Loan();
    const LoanRates rates = RatesOfLoan(loan.method, loan.periodYears, loan.rate1Percent, loan.rate2Percent);
    for (PathEditor* path : m_paths)
        path->Follow(rates, LoanMonths());
}

void ScenarioPage::Seed(const PlanningLoan& loan)
{
    m_loan->SetLoan(loan);
}

ScenarioInputs ScenarioPage::Inputs() const
{
    ScenarioInputs in;
    in.loan = m_loan->Loan();
    in.review = m_review->currentIndex();
    in.unpaid = m_unpaid->currentIndex();
    for (std::size_t k = 0; k < m_paths.size(); ++k)
        in.paths[k] = m_paths[k]->Inputs();
    return in;
}

void ScenarioPage::SetInputs(const ScenarioInputs& in)
{
    m_review->setCurrentIndex(in.review);
    m_unpaid->setCurrentIndex(in.unpaid);
    for (std::size_t k = 0; k < m_paths.size(); ++k)
        m_paths[k]->SetInputs(in.paths[k]);
    m_loan->SetLoan(in.loan);
    FollowLoan();
}

void ScenarioPage::ClearFigures()
{
    for (std::size_t k = 0; k < 3; ++k) {
        m_figures[k]->SetRows({});
        SetWarnings(k, {});
        m_scheduleButtons[k]->setEnabled(false);
    }
    m_instalmentChart->SetSeries({});
    m_owedChart->SetSeries({});
    m_scenarios.clear();
    m_inputs.clear();
    m_shownAt.clear();
}

bool ScenarioPage::Compute(Feedback feedback)
{
    const auto refuse = [&](int scenario, const std::string& text, QWidget* focus) {
        ClearFigures();
        SetHasFigures(false);
        Refuse(feedback, scenario > 0 ? ScenarioNumbered(scenario, u": ").toStdString() + text : text);
        if (feedback == Feedback::Tell && focus)
            focus->setFocus();
        return false;
    };
    const PlanningLoan loan = m_loan->Loan();
    const PlannedLoan planned = PlanLoan(loan);
    if (!planned.ok)
        return refuse(0, std::string(planned.message), nullptr);
    if (FamilyOf(planned.input.method) == RepaymentFamily::ReducedEarly)
        return refuse(0, std::string(kMsgScenarioReduced), nullptr);
    const LoanRates rates = RatesOfLoan(loan.method, loan.periodYears, loan.rate1Percent, loan.rate2Percent);
    const int months = LoanMonths();
    std::vector<ScenarioSchedule> scenarios;
    std::vector<ScenarioInput> inputs;
    std::vector<int> shownAt;
    for (int k = 0; k < 3; ++k) {
        PathEditor* editor = m_paths[static_cast<std::size_t>(k)];
        if (!editor->Use()->isChecked())
            continue;
        const PresetRows preset = RowsOfPreset(editor->Fields(), rates, months);
        if (!preset.ok())
            return refuse(k + 1, std::string(preset.message), editor->FieldOf(preset.field));
        editor->Follow(rates, months);
        const PathTable& table = editor->Read(months);
        if (!table.ok()) {
            if (feedback == Feedback::Tell && table.faultyRow > 0)
                editor->Table()->setCurrentCell(table.faultyRow - 1, 0);
            return refuse(k + 1, table.message, editor->Table());
        }
        ScenarioInput in;
        in.loan = WholeYenInput(planned.input);
        in.path = table.path;
        in.review = m_review->currentIndex() == 0 ? ReviewRule::FiveYear125 : ReviewRule::EveryChange;
        in.unpaid = m_unpaid->currentIndex() == 0 ? UnpaidSettlement::CarryToEnd : UnpaidSettlement::PayFirst;
        ScenarioSchedule s = BuildScenarioSchedule(in);
        if (!s.ok())
            return refuse(k + 1, std::string(kMsgScenarioNotComputed), nullptr);
        scenarios.push_back(std::move(s));
        inputs.push_back(std::move(in));
        shownAt.push_back(k);
    }
    // Each column's figures are set over the ones shown, changing only what changed:
    // clearing them first and filling them again laid the section out twice.
    // One series per scenario column, empty where a scenario is not used, so
    // that each keeps its colour and line style.
    std::vector<ChartSeries> series(3);
    std::array<bool, 3> used{};
    for (std::size_t i = 0; i < scenarios.size(); ++i) {
        const std::size_t k = static_cast<std::size_t>(shownAt[i]);
        used[k] = true;
        const ScenarioSummary summary = SummariseScenario(scenarios[i]);
        m_figures[k]->SetRows(ScenarioRows(summary));
        QStringList lines;
        for (const ScenarioWarning& w : ScenarioWarnings(scenarios[i], summary))
            lines << FromUtf8(kSumWarning) + QStringLiteral(": ") + QString::fromStdString(ScenarioWarningText(w));
        SetWarnings(k, lines.join(QLatin1Char('\n')));
        series[k] = SeriesOf(scenarios[i]);
        m_scheduleButtons[k]->setEnabled(true);
    }
    for (std::size_t k = 0; k < used.size(); ++k) {
        if (used[k])
            continue;
        m_figures[k]->SetRows({});
        SetWarnings(k, {});
        m_scheduleButtons[k]->setEnabled(false);
    }
    m_instalmentChart->SetSeries(series);
    m_owedChart->SetSeries(std::move(series));
    m_scenarios = std::move(scenarios);
    m_inputs = std::move(inputs);
    m_shownAt = std::move(shownAt);
    SetHasFigures(true);
    return true;
}

void ScenarioPage::SetWarnings(std::size_t k, const QString& text)
{
    QLabel* label = m_warnings[k];
    if (label->text() == text)
        return;
    label->setText(text);
    label->setAccessibleDescription(text);
}

void ScenarioPage::OpenSchedule(int k)
{
    for (std::size_t i = 0; i < m_scenarios.size(); ++i)
        if (m_shownAt[i] == k && m_opener)
            m_opener(ScenarioScheduleToShow(k + 1, m_inputs[i], m_scenarios[i]));
}

} // namespace hn
