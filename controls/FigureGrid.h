// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Caption/value rows of figures, as the planning window and the schedule window's
// totals show them. Each value label is described by its caption, so a screen reader
// reads "3,750 万円, 借入可能額"; values can be selected and copied.
#include "controls/FigureRow.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class QGridLayout;
class QLabel;

namespace hn {

class FigureGrid : public QWidget {
    Q_OBJECT
public:
    explicit FigureGrid(QWidget* parent = nullptr);
    void SetRows(const std::vector<FigureRow>& rows);
    // The value shown under a caption; empty when there is none.
    QString Value(const QString& caption) const;
    // Every row as "caption: value".
    QStringList Lines() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    static void FitValue(QLabel* value);

    QGridLayout* m_grid = nullptr;
    // Caption and value of each row ever shown. The first m_visibleRows pairs are
    // not hidden (the rest wait for more rows); the first m_shown hold figures on
    // show: none while the grid is cleared and hidden.
    std::vector<QLabel*> m_labels;
    std::size_t m_visibleRows = 0;
    std::size_t m_shown = 0;
};

} // namespace hn
