// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The schedule at a glance: each loan year's payment as a bar split into the interest
// it paid (below) and principal (above) against the left scale, and the balance still owed at
// each year's end as a line against the right scale. Drawn with QPainter in the
// palette's colours, at the screen's pixel ratio.
#include "calc/schedule/ScheduleViews.h"

#include <QWidget>
#include <vector>

namespace hn {

class ScheduleChart : public QWidget {
public:
    explicit ScheduleChart(QWidget* parent = nullptr);

    // The years to draw and the balance before the first of them (the loan).
    void SetYears(std::vector<YearlyRow> years, std::int64_t openingBalance);
    const std::vector<YearlyRow>& Years() const noexcept { return m_years; }

    // The loan year under a point of the widget, 0 outside the bars.
    int YearAt(QPoint point) const;
    // The plot area inside the axes.
    QRectF PlotArea() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Colours;
    Colours ChartColours() const;
    void DrawLegend(QPainter& p, const Colours& c) const;

    std::vector<YearlyRow> m_years;
    std::int64_t m_openingBalance = 0;
};

} // namespace hn
