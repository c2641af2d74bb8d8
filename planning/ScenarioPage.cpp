// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/ScenarioPage.h"

#include "calc/CheckedInt.h"
#include "calc/ScenarioSummary.h"
#include "calc/ScenarioTexts.h"
#include "controls/CNumEdit.h"
#include "controls/CRateEdit.h"
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
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace hn {

namespace {

QString Q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Rows a path table shows at once: whole rows, never one and a half.
constexpr int kTableRowsShown = 5;

QString Numbered(int number, QStringView text)
{
    return QStringLiteral("シナリオ%1").arg(number) + text.toString();
}

} // namespace

PathEditor::PathEditor(int number, QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_use = new QCheckBox(Numbered(number, {}), this);
    m_use->setChecked(number == 1);
    m_use->setEnabled(number != 1);
    column->addWidget(m_use);
    auto* fields = new QWidget(this);
    m_form = new QFormLayout(fields);
    m_form->setContentsMargins(0, 0, 0, 0);
    m_form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_preset = new QComboBox(fields);
    // In the order of PathPreset.
    m_preset->addItems({QStringLiteral("横ばい"), QStringLiteral("一度上がる"), QStringLiteral("一定の年ごとに上がる"),
                        QStringLiteral("表で指定")});
    m_preset->setAccessibleName(Numbered(number, u"の") + Q(kScenarioPath));
    m_form->addRow(Q(kScenarioPath), m_preset);
    m_rise = AddRateField(m_form, "上昇幅 (%)");
    m_month = AddNumberField(m_form, "上がる回 (第何回から)");
    m_years = AddNumberField(m_form, "間隔 (年)");
    m_cap = AddRateField(m_form, "上限の金利 (%)");
    for (QWidget* e : std::initializer_list<QWidget*>{m_rise, m_month, m_years, m_cap})
        e->setAccessibleName(Numbered(number, u"の") + e->accessibleName());
    column->addWidget(fields);
    // Rows come and go with the preset: as tall as the preset with the most, so that
    // the table below stays where it is.
    m_form->setRowVisible(m_month, false);
    fields->setMinimumHeight(fields->sizeHint().height());

    m_table = new QTableWidget(6, 2, this);
    m_table->setHorizontalHeaderLabels({QStringLiteral("何回目から"), QStringLiteral("金利 (%)")});
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->setVisible(false);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->setAccessibleName(Numbered(number, u"の金利の表"));
    m_table->setTabKeyNavigation(false);
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height() +
                            kTableRowsShown * m_table->verticalHeader()->defaultSectionSize() +
                            2 * m_table->frameWidth());
    column->addWidget(m_table);
    m_notes = new QLabel(this);
    m_notes->setWordWrap(true);
    m_notes->setAccessibleName(Numbered(number, u"の金利の表について"));
    m_notes->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    column->addWidget(m_notes);
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
        Follow(m_rates, m_months);
        emit Changed();
    });
    // A typed table is the path from then on.
    connect(m_table, &QTableWidget::itemChanged, this, [this] {
        m_preset->setCurrentIndex(static_cast<int>(PathPreset::Table));
        Follow(m_rates, m_months);
        emit Changed();
    });
    const auto refill = [this] {
        ShowPresetFields();
        Follow(m_rates, m_months);
        emit Changed();
    };
    connect(m_preset, &QComboBox::currentIndexChanged, this, refill);
    for (QLineEdit* e : std::initializer_list<QLineEdit*>{m_rise, m_month, m_years, m_cap})
        connect(e, &QLineEdit::textChanged, this, refill);
    connect(m_use, &QCheckBox::toggled, this, &PathEditor::Changed);
    SetPercent(m_rise, number == 1 ? 0.0 : number - 1.0);
    m_month->SetValue(13);
    m_years->SetValue(1);
    ShowPresetFields();
}

void PathEditor::ShowPresetFields()
{
    const auto preset = static_cast<PathPreset>(m_preset->currentIndex());
    const bool rises = preset == PathPreset::RiseOnce || preset == PathPreset::RiseEvery;
    m_form->setRowVisible(m_rise, rises);
    m_form->setRowVisible(m_month, preset == PathPreset::RiseOnce);
    m_form->setRowVisible(m_years, preset == PathPreset::RiseEvery);
    m_form->setRowVisible(m_cap, preset == PathPreset::RiseEvery);
}

PresetFields PathEditor::Fields() const
{
    PresetFields f;
    f.preset = static_cast<PathPreset>(std::clamp(m_preset->currentIndex(), 0, static_cast<int>(PathPreset::Table)));
    f.risePercent = PercentOf(m_rise);
    f.riseMonth = m_month->GetValue();
    f.everyYears = m_years->GetValue();
    f.capPercent = PercentOf(m_cap);
    return f;
}

std::vector<PathRowText> PathEditor::Rows() const
{
    std::vector<PathRowText> rows;
    const auto cell = [this](int row, int column) {
        const QTableWidgetItem* item = m_table->item(row, column);
        return item ? item->text().trimmed().toStdString() : std::string();
    };
    for (int row = 0; row < m_table->rowCount(); ++row)
        rows.push_back({cell(row, 0), cell(row, 1)});
    while (!rows.empty() && rows.back() == PathRowText{})
        rows.pop_back();
    return rows;
}

void PathEditor::SetRows(const std::vector<PathRowText>& rows)
{
    const QSignalBlocker block(m_table);
    m_table->clearContents();
    m_table->setRowCount(std::max<int>(6, static_cast<int>(rows.size()) + 1));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const int row = static_cast<int>(k);
        m_table->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(rows[k].month)));
        m_table->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(rows[k].ratePercent)));
    }
}

ScenarioPathInputs PathEditor::Inputs() const
{
    return {m_use->isChecked(), Fields(), Rows()};
}

void PathEditor::SetInputs(const ScenarioPathInputs& in)
{
    {
        const QSignalBlocker block(this);
        m_use->setChecked(in.use || !m_use->isEnabled());
        m_preset->setCurrentIndex(static_cast<int>(in.preset.preset));
        SetPercent(m_rise, in.preset.risePercent);
        m_month->SetValue(in.preset.riseMonth);
        m_years->SetValue(in.preset.everyYears);
        SetPercent(m_cap, in.preset.capPercent);
        SetRows(in.table);
    }
    ShowPresetFields();
    Follow(m_rates, m_months);
}

void PathEditor::Follow(const LoanRates& rates, int months)
{
    m_rates = rates;
    m_months = months;
    const PresetRows preset = RowsOfPreset(Fields(), rates, months);
    if (!preset.ok()) {
        // The fields cannot make a path: no table that looks like theirs.
        SetRows({});
        m_notes->setText(Q(preset.message));
        return;
    }
    if (Fields().preset != PathPreset::Table)
        SetRows(preset.rows);
    const PathTable table = ReadPathTable(Rows(), months);
    QStringList notes;
    for (const std::string& note : table.notes)
        notes << QString::fromStdString(note);
    m_notes->setText(notes.join(QLatin1Char('\n')));
}

QWidget* PathEditor::FieldOf(PresetField field) const
{
    switch (field) {
    case PresetField::Rise:
        return m_rise;
    case PresetField::Month:
        return m_month;
    case PresetField::Years:
        return m_years;
    case PresetField::Cap:
        return m_cap;
    case PresetField::None:
        break;
    }
    return m_preset;
}

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
    m_review->addItems({Q(kReviewFiveYear125), Q(kReviewEveryChange)});
    m_review->setAccessibleName(Q(kReviewCaption));
    form->addRow(Q(kReviewCaption), m_review);
    m_unpaid = new QComboBox(rules);
    m_unpaid->addItems({Q(kUnpaidCarryToEnd), Q(kUnpaidPayFirst)});
    m_unpaid->setAccessibleName(Q(kUnpaidCaption));
    form->addRow(Q(kUnpaidCaption), m_unpaid);
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
        auto* box = new QGroupBox(Numbered(k + 1, {}), this);
        auto* inside = new QVBoxLayout(box);
        m_figures[static_cast<std::size_t>(k)] = new FigureGrid(box);
        auto* warn = new QLabel(box);
        warn->setWordWrap(true);
        warn->setAccessibleName(Numbered(k + 1, u"の") + Q(kSumWarning));
        warn->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        QFont bold = warn->font();
        bold.setBold(true);
        warn->setFont(bold);
        m_warnings[static_cast<std::size_t>(k)] = warn;
        inside->addWidget(m_figures[static_cast<std::size_t>(k)]);
        inside->addWidget(warn);
        // Mnemonics X, Y, Z: the scenarios' own letters, free on this page.
        auto* schedule = new QPushButton(QStringLiteral("返済予定表(&%1)").arg(QChar(u'X' + k)), box);
        schedule->setAccessibleName(Numbered(k + 1, u"の返済予定表"));
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
        m_warnings[k]->clear();
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
    ClearFigures();
    SetHasFigures(false);
    const auto refuse = [&](int scenario, const std::string& text, QWidget* focus) {
        Refuse(feedback, scenario > 0 ? Numbered(scenario, u": ").toStdString() + text : text);
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
        const PathTable table = ReadPathTable(editor->Rows(), months);
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
    SetHasFigures(true);
    return true;
}

void ScenarioPage::OpenSchedule(int k)
{
    for (std::size_t i = 0; i < m_scenarios.size(); ++i)
        if (m_shownAt[i] == k && m_opener)
            m_opener(ScenarioScheduleToShow(k + 1, m_inputs[i], m_scenarios[i]));
}

} // namespace hn
