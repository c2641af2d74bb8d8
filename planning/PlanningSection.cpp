// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PlanningSection.h"

#include "calc/CheckMessages.h"
#include "controls/Utf8Text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace hn {

QPushButton* PlanningSection::AddComputeButton(QVBoxLayout* column, const QString& caption)
{
    m_compute = new QPushButton(caption, this);
    m_compute->setAutoDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(m_compute);
    column->addLayout(row);
    connect(m_compute, &QPushButton::clicked, this, [this] { Compute(Feedback::Tell); });
    return m_compute;
}

void PlanningSection::Refuse(Feedback feedback, std::string_view message)
{
    if (feedback == Feedback::Tell)
        QMessageBox::warning(this, FromUtf8(kCheckCaption), FromUtf8(message));
}

void PlanningSection::InputsChanged()
{
    if (!m_hasFigures || m_clearPending)
        return;
    // Cleared before the next frame rather than now: an edit computed at once (a
    // typed rate, a preset) would otherwise hide every figure and show it again within
    // the frame, laying the whole section out and painting it twice.
    m_clearPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!m_clearPending)
                return;
            ClearFigures();
            SetHasFigures(false);
        },
        Qt::QueuedConnection);
}

void PlanningSection::ClearWhenChanged(QWidget* input)
{
    const auto clear = [this] { InputsChanged(); };
    if (auto* edit = qobject_cast<QLineEdit*>(input))
        connect(edit, &QLineEdit::textChanged, this, clear);
    else if (auto* combo = qobject_cast<QComboBox*>(input))
        connect(combo, &QComboBox::currentIndexChanged, this, clear);
    else if (auto* table = qobject_cast<QTableWidget*>(input)) {
        connect(table, &QTableWidget::itemChanged, this, clear);
        connect(table->model(), &QAbstractItemModel::rowsRemoved, this, clear);
    }
    else if (auto* button = qobject_cast<QAbstractButton*>(input))
        connect(button, &QAbstractButton::toggled, this, clear);
}

} // namespace hn

