// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/FigureGrid.h"

#include <QEvent>
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
    // The labels stay and only what changed is set. Labels made and deleted at each
    // computation laid the window out again for each of them; and showing a widget
    // lays out every layout above it at once, so rows are shown or hidden only while
    // the grid itself is hidden, and the grid is shown once.
    if (rows.empty()) {
        hide();
        m_shown = 0;
        return;
    }
    const std::size_t wasVisible = m_visibleRows;
    if (rows.size() != m_visibleRows)
        hide();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (2 * r == m_labels.size()) {
            auto* name = new QLabel(this);
            auto* value = new QLabel(this);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            name->setBuddy(value);
            const int at = static_cast<int>(r);
            m_grid->addWidget(name, at, 0);
            // Right-aligned in its cell at its own size (see FitValue).
            m_grid->addWidget(value, at, 1, Qt::AlignRight | Qt::AlignVCenter);
            m_labels.push_back(name);
            m_labels.push_back(value);
        }
        QLabel* name = m_labels[2 * r];
        QLabel* value = m_labels[2 * r + 1];
        const QString caption = QString::fromStdString(rows[r].caption);
        if (name->text() != caption) {
            name->setText(caption);
            value->setObjectName(caption);
            // Read as the other windows' figures are: the shown text, described by its caption.
            value->setAccessibleDescription(caption);
        }
        const QString text = QString::fromStdString(rows[r].value);
        if (value->text() != text) {
            value->setText(text);
            FitValue(value);
        }
        if (r >= wasVisible) {
            name->show();
            value->show();
        }
    }
    for (std::size_t r = rows.size(); r < wasVisible; ++r) {
        // Hidden with nothing in them, so that no figure outlives its row.
        for (QLabel* label : {m_labels[2 * r], m_labels[2 * r + 1]}) {
            label->hide();
            label->clear();
        }
        m_labels[2 * r + 1]->setObjectName(QString());
        m_labels[2 * r + 1]->setAccessibleDescription(QString());
    }
    m_visibleRows = rows.size();
    m_shown = rows.size();
    show();
}

void FigureGrid::FitValue(QLabel* value)
{
    // A label of fixed size changes its text without asking the layouts above it to
    // run again: a new figure of the same width repaints that label alone, where it
    // used to lay out and repaint the whole window around it. Only a new width or
    // height (a longer figure, another font) lays the window out.
    value->setFixedSize(value->sizeHint());
}

void FigureGrid::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        for (std::size_t r = 1; r < m_labels.size(); r += 2)
            FitValue(m_labels[r]);
}

QString FigureGrid::Value(const QString& caption) const
{
    for (std::size_t r = 0; r < m_shown; ++r)
        if (m_labels[2 * r + 1]->objectName() == caption)
            return m_labels[2 * r + 1]->text();
    return {};
}

QStringList FigureGrid::Lines() const
{
    QStringList lines;
    for (std::size_t r = 0; r < m_shown; ++r)
        lines << m_labels[2 * r]->text() + QStringLiteral(": ") + m_labels[2 * r + 1]->text();
    return lines;
}

} // namespace hn
