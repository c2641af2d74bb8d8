// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PathEditor.h"

#include "calc/rates/ScenarioTexts.h"
#include "controls/CNumEdit.h"
#include "controls/CRateEdit.h"
#include "controls/DialogSetUp.h"
#include "planning/PlanningFields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace hn {

namespace {

// Rows a path table shows at once: whole rows, never one and a half.
constexpr int kTableRowsShown = 5;

} // namespace

QString ScenarioNumbered(int number, QStringView text)
{
    return QStringLiteral("シナリオ%1").arg(number) + text.toString();
}

PathEditor::PathEditor(int number, QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    m_use = new QCheckBox(ScenarioNumbered(number, {}), this);
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
    m_preset->setAccessibleName(ScenarioNumbered(number, u"の") + FromUtf8(kScenarioPath));
    m_form->addRow(FromUtf8(kScenarioPath), m_preset);
    m_rise = AddRateField(m_form, "上昇幅 (%)");
    m_month = AddNumberField(m_form, "上がる回 (第何回から)");
    m_years = AddNumberField(m_form, "間隔 (年)");
    m_cap = AddRateField(m_form, "上限の金利 (%)");
    for (QWidget* e : std::initializer_list<QWidget*>{m_rise, m_month, m_years, m_cap})
        e->setAccessibleName(ScenarioNumbered(number, u"の") + e->accessibleName());
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
    m_table->setAccessibleName(ScenarioNumbered(number, u"の金利の表"));
    m_table->setTabKeyNavigation(false);
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height() +
                            kTableRowsShown * m_table->verticalHeader()->defaultSectionSize() +
                            2 * m_table->frameWidth());
    column->addWidget(m_table);
    m_notes = new QLabel(this);
    m_notes->setWordWrap(true);
    m_notes->setAccessibleName(ScenarioNumbered(number, u"の金利の表について"));
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
    // Any change of a cell or a row, however made (typed, filled from a preset, or
    // with the table's signals blocked), makes the table read afresh. The table's own
    // itemChanged comes before its model's dataChanged reaches anyone else: forgetting
    // on it first keeps every listener connected after this one from reading the old rows.
    const auto forget = [this] {
        m_rowsRead.reset();
        m_pathRead.reset();
    };
    connect(m_table, &QTableWidget::itemChanged, this, forget);
    QAbstractItemModel* model = m_table->model();
    connect(model, &QAbstractItemModel::dataChanged, this, forget);
    connect(model, &QAbstractItemModel::rowsInserted, this, forget);
    connect(model, &QAbstractItemModel::rowsRemoved, this, forget);
    connect(model, &QAbstractItemModel::rowsMoved, this, forget);
    connect(model, &QAbstractItemModel::modelReset, this, forget);
    connect(model, &QAbstractItemModel::layoutChanged, this, forget);
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
    if (!m_rowsRead)
        m_rowsRead = ReadRows();
    return *m_rowsRead;
}

const PathTable& PathEditor::Read(int months) const
{
    if (!m_pathRead || m_readMonths != months) {
        if (!m_rowsRead)
            m_rowsRead = ReadRows();
        m_pathRead = ReadPathTable(*m_rowsRead, months);
        m_readMonths = months;
    }
    return *m_pathRead;
}

std::vector<PathRowText> PathEditor::ReadRows() const
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
        m_notes->setText(FromUtf8(preset.message));
        return;
    }
    // Filled again only when the preset gives other rows than the table's.
    if (Fields().preset != PathPreset::Table && preset.rows != Rows())
        SetRows(preset.rows);
    const PathTable& table = Read(months);
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

} // namespace hn
