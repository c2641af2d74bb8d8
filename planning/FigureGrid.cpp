// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/FigureGrid.h"

#include <QGridLayout>
#include <QLabel>

namespace hn {

FigureGrid::FigureGrid(QWidget* parent) : QWidget(parent), m_grid(new QGridLayout(this))
{
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setColumnStretch(1, 1);
}

void FigureGrid::SetRows(const std::vector<FigureRow>& rows)
{
    for (QLabel* label : m_labels)
        delete label;
    m_labels.clear();
    int r = 0;
    for (const FigureRow& row : rows) {
        const QString caption = QString::fromStdString(row.caption);
        auto* name = new QLabel(caption, this);
        auto* value = new QLabel(QString::fromStdString(row.value), this);
        value->setObjectName(caption);
        // Read as the other windows' figures are: the shown text, described by its caption.
        value->setAccessibleDescription(caption);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        name->setBuddy(value);
        m_grid->addWidget(name, r, 0);
        m_grid->addWidget(value, r, 1);
        m_labels.push_back(name);
        m_labels.push_back(value);
        ++r;
    }
}

QString FigureGrid::Value(const QString& caption) const
{
    for (std::size_t k = 1; k < m_labels.size(); k += 2)
        if (m_labels[k]->objectName() == caption)
            return m_labels[k]->text();
    return {};
}

} // namespace hn
