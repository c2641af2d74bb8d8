// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/LimitChoice.h"

#include "calc/capacity/PlanningTexts.h"
#include "controls/DialogSetUp.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace hn {

LimitChoice::LimitChoice(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_combo = new QComboBox(this);
    m_combo->setAccessibleName(FromUtf8(kCapLimit));
    for (const BurdenLimitRule& rule : BurdenLimitRules())
        m_combo->addItem(FromUtf8(rule.caption), FromUtf8(rule.key));
    m_wording = new QLabel(this);
    m_wording->setWordWrap(true);
    layout->addWidget(m_combo, 0, Qt::AlignLeft);
    layout->addWidget(m_wording);
    connect(m_combo, &QComboBox::currentIndexChanged, this, [this] {
        const BurdenLimitRule* rule = Rule();
        m_wording->setText(rule ? FromUtf8(rule->wording) : QString());
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
    const int index = m_combo->findData(FromUtf8(key));
    if (index >= 0)
        m_combo->setCurrentIndex(index);
}

LimitChoice* AddLimitRow(QFormLayout* form)
{
    auto* choice = new LimitChoice(form->parentWidget());
    auto* label = new QLabel(FromUtf8(kCapLimit), form->parentWidget());
    label->setBuddy(choice->Combo());
    form->addRow(label, choice);
    return choice;
}

} // namespace hn
