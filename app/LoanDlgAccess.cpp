// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window for the keyboard and for screen readers: captions that name
// their fields, result figures described by the captions over them, menu mnemonics and
// shortcuts, and Enter on a focused push button.
#include "app/CLoanDlg.h"

#include "controls/CColorLabel.h"
#include "controls/CDrawnToggleButton.h"
#include "controls/CHoverButton.h"
#include "controls/CNumEdit.h"
#include "controls/CRateEdit.h"
#include "platform/DataExchange.h"
#include "res/MainDialogIds.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace hn {

namespace {

// The caption beside each entry field and the period box. A label's buddy gives the
// field its spoken name and follows the caption when the method changes it.
struct FieldCaption {
    int caption;
    int field;
};
constexpr FieldCaption kFieldCaptions[] = {
    {IDC_INCOME_CAPTION, IDC_INCOME}, {IDC_LOAN_CAPTION, IDC_LOAN},   {IDC_BONUS_PART_CAPTION, IDC_BONUS_PART},
    {IDC_RATE1_CAPTION, IDC_RATE1},   {IDC_RATE2_CAPTION, IDC_RATE2}, {IDC_PERIOD_CAPTION, IDC_PERIOD},
};

// Each result figure is described by the captions a sighted user reads it by: its row
// and its column (the column captions change with the method).
struct ResultCaptions {
    int result;
    int row;
    int column; // 0: none
};
constexpr ResultCaptions kResultCaptions[] = {
    {IDC_MONTHLY1, IDC_MONTHLY_ROW_CAPTION, IDC_BAND1_CAPTION},
    {IDC_MONTHLY2, IDC_MONTHLY_ROW_CAPTION, IDC_BAND2_CAPTION},
    {IDC_MONTHLY3, IDC_MONTHLY_ROW_CAPTION, IDC_BAND3_CAPTION},
    {IDC_BONUS1, IDC_BONUS_ROW_CAPTION, IDC_BAND1_CAPTION},
    {IDC_BONUS2, IDC_BONUS_ROW_CAPTION, IDC_BAND2_CAPTION},
    {IDC_BONUS3, IDC_BONUS_ROW_CAPTION, IDC_BAND3_CAPTION},
    {IDC_ANNUAL, IDC_ANNUAL_CAPTION, IDC_ANNUAL_YEAR_CAPTION},
    {IDC_REQUIRED_INCOME, IDC_REQUIRED_INCOME_CAPTION, 0},
    {IDC_TOTAL, IDC_TOTAL_CAPTION, 0},
};

} // namespace

void CLoanDlg::SetUpKeyboardAndNames()
{
    for (const FieldCaption& c : kFieldCaptions) {
        auto* caption = m_layout.Item<QLabel>(c.caption);
        QWidget* field = m_layout.GetDlgItem(c.field);
        if (caption && field)
            caption->setBuddy(field);
    }
    // A combo box is read by its current text ("25"); its edit part is what has the
    // focus, and both say what the number is.
    const QString period = ControlText(m_layout.GetDlgItem(IDC_PERIOD_CAPTION));
    m_comboPeriod->setAccessibleName(period);
    m_comboPeriod->lineEdit()->setAccessibleName(period);
    NameFieldsByCaptions();

    for (const ResultCaptions& r : kResultCaptions)
        if (auto* label = m_layout.Item<CColorLabel>(r.result))
            label->SetCopyable(true);
    DescribeResults();

    m_btnIncomeToggle->SetExpanded(m_editIncome->isVisibleTo(this));

    // The usual desktop keys for leaving and for help; they work from anywhere in the
    // window, not only while the menu is open.
    const struct {
        int id;
        QKeySequence keys;
    } shortcuts[] = {{ID_APP_EXIT, QKeySequence(Qt::CTRL | Qt::Key_Q)}, {ID_APP_ABOUT, QKeySequence(Qt::Key_F1)},
                   {ID_SHOW_SCHEDULE, QKeySequence(Qt::CTRL | Qt::Key_R)}};
    for (const auto& s : shortcuts) {
        QAction* action = MenuAction(s.id);
        action->setShortcut(s.keys);
        addAction(action);
    }
}

void CLoanDlg::NameFieldsByCaptions()
{
    // The buddy relation is what screen readers on this desktop follow; the name is
    // said as well for those that read only names. Captions change with the method.
    for (const FieldCaption& c : kFieldCaptions) {
        if (c.field == IDC_PERIOD)
            continue;
        if (QWidget* field = m_layout.GetDlgItem(c.field))
            field->setAccessibleName(ControlText(m_layout.GetDlgItem(c.caption)).simplified());
    }
}

void CLoanDlg::DescribeResults()
{
    for (const ResultCaptions& r : kResultCaptions) {
        QWidget* result = m_layout.GetDlgItem(r.result);
        if (!result)
            continue;
        // "通　常" is spaced for the eye; read, it is one word.
        auto word = [&](int id) {
            QString w = ControlText(m_layout.GetDlgItem(id));
            w.removeIf([](QChar c) { return c.isSpace(); });
            return w;
        };
        QString text = word(r.row);
        if (r.column)
            text += QLatin1Char(' ') + word(r.column);
        if (result->accessibleDescription() != text)
            result->setAccessibleDescription(text);
    }
    NameFieldsByCaptions();
}

bool CLoanDlg::ClickFocusedPushButton()
{
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

} // namespace hn
