// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/ScheduleTableModel.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace hn {

void ScheduleTableModel::SetTable(ScheduleTable table)
{
    beginResetModel();
    m_table = std::move(table);
    endResetModel();
}

int ScheduleTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount();
}

int ScheduleTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_table.columnCount();
}

QVariant ScheduleTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_table.rowCount() || index.column() >= m_table.columnCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(m_table.text(index.row(), index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (IsFigureColumn(m_table.column(index.column())) ? Qt::AlignRight : Qt::AlignLeft));
    case Qt::BackgroundRole:
        // Bonus instalments stand apart from the monthly ones around them, in a shade
        // that follows the palette (light or dark).
        if (m_table.isBonusRow(index.row()))
            return QGuiApplication::palette().brush(QPalette::AlternateBase);
        return {};
    case Qt::FontRole:
        if (m_table.isBonusRow(index.row())) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant ScheduleTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= m_table.columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    return QString::fromStdString(m_table.heading(section));
}

} // namespace hn
