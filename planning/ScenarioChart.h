// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two charts of up to three scenarios over the months: the monthly instalment
// as steps, and what is owed (balance and unpaid interest). Drawn with
// QPainter in the palette's colours; the series colours are chosen to read on
// light and dark backgrounds alike, and each series is also told apart by its
// line style, so colour is never the only cue.
#include "planning/ChartSeries.h"

#include <QWidget>

class QPainter;

namespace hn {

class ScenarioChart : public QWidget {
    Q_OBJECT
public:
    explicit ScenarioChart(bool owed, QWidget* parent = nullptr);
    void SetSeries(std::vector<ChartSeries> series);
    const ChartAxis& Axis() const { return m_axis; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void DrawLegend(QPainter& p, const QRectF& area) const;

    bool m_owed = false;
    std::vector<ChartSeries> m_series;
    ChartAxis m_axis;
};

} // namespace hn
