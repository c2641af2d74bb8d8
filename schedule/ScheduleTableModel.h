// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The schedule table for a QTableView: one model over the rows of a ScheduleTable
// (1,386 rows for a 99-year loan with a bonus part), answering cells as they are
// asked for rather than holding an item per cell.
#include "report/ScheduleTable.h"

#include <QAbstractTableModel>

namespace hn {

class ScheduleTableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces every row (the view keeps no stale row).
    void SetTable(ScheduleTable table);
    const ScheduleTable& Table() const noexcept { return m_table; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    ScheduleTable m_table;
};

} // namespace hn
