// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One rate path of the rate-scenario section.
#include "calc/rates/RatePath.h"
#include "planning/PlanningState.h"

#include <QString>
#include <QStringView>
#include <QWidget>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QTableWidget;

namespace hn {

class CNumEdit;
class CRateEdit;

// "シナリオ2" followed by `text`: how the section names scenario `number` and its parts.
QString ScenarioNumbered(int number, QStringView text);

// One scenario's path: a preset with its figures, and the table it fills, which the
// user may edit (month, rate in %). Only the figures of the chosen preset show.
class PathEditor : public QWidget {
    Q_OBJECT
public:
    PathEditor(int number, QWidget* parent = nullptr);
    QCheckBox* Use() const { return m_use; }
    QTableWidget* Table() const { return m_table; }
    QLabel* Notes() const { return m_notes; }
    PresetFields Fields() const;
    // The table's rows as typed.
    std::vector<PathRowText> Rows() const;
    // The table read as a path for a loan of `months` instalments. Read again only
    // after a cell or a row of the table changed, or for another term.
    const PathTable& Read(int months) const;
    void SetRows(const std::vector<PathRowText>& rows);
    ScenarioPathInputs Inputs() const;
    void SetInputs(const ScenarioPathInputs& in);
    // Fills the table from the preset on top of the loan's rates, for a loan of
    // `months` instalments (the table preset keeps the user's rows), and says beside
    // the table what will be done with it.
    void Follow(const LoanRates& rates, int months);
    // The field of the preset a message is about.
    QWidget* FieldOf(PresetField field) const;

    QComboBox* m_preset = nullptr;
    CRateEdit* m_rise = nullptr;
    CNumEdit* m_month = nullptr; // RiseOnce: from this instalment
    CNumEdit* m_years = nullptr; // RiseEvery: every so many years
    CRateEdit* m_cap = nullptr;

signals:
    // The preset, its figures or the table changed.
    void Changed();

private:
    void ShowPresetFields();
    std::vector<PathRowText> ReadRows() const;

    QCheckBox* m_use = nullptr;
    QFormLayout* m_form = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_notes = nullptr;
    LoanRates m_rates;
    int m_months = kMaxPathMonth;
    // The table as last read (its rows, and as a path for m_readMonths), until the
    // table's model reports a change: the section reads every table at each
    // computation and each table at each of its edits.
    mutable std::optional<std::vector<PathRowText>> m_rowsRead;
    mutable std::optional<PathTable> m_pathRead;
    mutable int m_readMonths = 0;
};

} // namespace hn
