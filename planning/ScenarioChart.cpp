// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/ScenarioChart.h"

#include "calc/AmountText.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <vector>

namespace hn {

namespace {

// Mid-lightness hues that keep 3:1 against both a white and a near-black background.
const QColor kSeriesColours[3] = {QColor(0x1f, 0x8f, 0xd8), QColor(0xe0, 0x6c, 0x1a), QColor(0x3d, 0xa8, 0x4f)};
const Qt::PenStyle kSeriesStyles[3] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};

QString ManLabel(std::int64_t yen)
{
    // Ticks in 万円 once they reach it, otherwise in yen.
    if (yen >= 10000 && yen % 10000 == 0)
        return QString::fromStdString(FormatAmount(yen / 10000)) + QStringLiteral("万");
    return QString::fromStdString(FormatAmount(yen));
}

} // namespace

ScenarioChart::ScenarioChart(bool owed, QWidget* parent) : QWidget(parent), m_owed(owed)
{
    setAccessibleName(owed ? QStringLiteral("残高の推移") : QStringLiteral("毎月の返済額の推移"));
    setMinimumSize(240, 140);
    // Every paint fills the whole chart: what lies behind it need not be painted first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize ScenarioChart::sizeHint() const
{
    return {520, 220};
}

void ScenarioChart::SetSeries(std::vector<ChartSeries> series)
{
    m_series = std::move(series);
    m_axis = AxisFor(m_series, m_owed, true);
    QString description;
    for (std::size_t k = 0; k < m_series.size(); ++k) {
        const auto& points = m_owed ? m_series[k].owed : m_series[k].instalment;
        if (points.empty())
            continue;
        description += QStringLiteral("シナリオ%1: %2回で完済。").arg(k + 1).arg(m_series[k].lastMonth);
    }
    setAccessibleDescription(description);
    update();
}

void ScenarioChart::DrawLegend(QPainter& p, const QRectF& area) const
{
    // One entry per scenario shown, a sample of its line and its name, from the plot's
    // left edge: when the section is wider than the window, the left stays in view.
    const QFontMetrics fm = fontMetrics();
    constexpr double kSample = 28, kGap = 6, kSpacing = 16;
    double at = area.left();
    const double mid = area.top() + area.height() / 2;
    for (std::size_t k = 0; k < m_series.size() && k < 3; ++k) {
        if ((m_owed ? m_series[k].owed : m_series[k].instalment).empty())
            continue;
        p.setPen(QPen(kSeriesColours[k], 2.0, kSeriesStyles[k]));
        p.drawLine(QPointF(at, mid), QPointF(at + kSample, mid));
        at += kSample + kGap;
        const QString name = QStringLiteral("シナリオ%1").arg(k + 1);
        const double w = fm.horizontalAdvance(name);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRectF(at, area.top(), w + 1, area.height()), Qt::AlignLeft | Qt::AlignVCenter, name);
        at += w + kSpacing;
    }
}

void ScenarioChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    p.fillRect(rect(), pal.base());
    if (m_series.empty())
        return;
    const QFontMetrics fm = fontMetrics();
    const int left = fm.horizontalAdvance(QStringLiteral("00,000万")) + 8;
    const int bottom = fm.height() + 6;
    // The legend takes the line above the plot; the top tick label sits beside it at the left.
    const double legendHeight = fm.height() + 4;
    const QRectF plot(left, legendHeight + fm.height() / 2.0, width() - left - 10,
                      height() - bottom - legendHeight - fm.height() / 2.0 - 2);
    if (plot.width() < 10 || plot.height() < 10)
        return;
    const double top = static_cast<double>(m_axis.top);
    auto x = [&](double month) { return plot.left() + plot.width() * month / m_axis.lastMonth; };
    auto y = [&](double yen) { return plot.bottom() - plot.height() * std::min(yen, top * 1.04) / top; };

    p.setFont(font());
    const QPen grid(pal.color(QPalette::Mid), 1, Qt::DotLine);
    const QColor text = pal.color(QPalette::Text);
    for (std::int64_t v = 0; v <= m_axis.top; v += m_axis.step) {
        const double yy = y(static_cast<double>(v));
        p.setPen(grid);
        p.drawLine(QPointF(plot.left(), yy), QPointF(plot.right(), yy));
        p.setPen(text);
        p.drawText(QRectF(0, yy - fm.height() / 2.0, left - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   ManLabel(v));
    }
    // Year labels centred on their tick, except that the first starts at the axis (clear of
    // the "0" beside it) and none runs past the right edge.
    const int yearStep = m_axis.lastMonth > 240 ? 10 : 5;
    for (int year = 0; year * 12 <= m_axis.lastMonth; year += yearStep) {
        const QString label = QStringLiteral("%1年").arg(year);
        const double w = fm.horizontalAdvance(label);
        double from = year == 0 ? plot.left() : x(year * 12) - w / 2;
        from = std::min(from, width() - 1 - w);
        p.drawText(QRectF(from, plot.bottom() + 2, w + 1, fm.height()), Qt::AlignLeft | Qt::AlignTop, label);
    }
    DrawLegend(p, QRectF(left, 0, width() - left - 10, legendHeight));
    p.setPen(QPen(pal.color(QPalette::Text), 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    for (std::size_t k = 0; k < m_series.size() && k < 3; ++k) {
        const ChartSeries& s = m_series[k];
        QPainterPath path;
        if (m_owed) {
            std::vector<PlotPoint> line;
            line.reserve(s.owed.size());
            for (const ChartPoint& pt : s.owed)
                line.push_back({x(pt.month), y(static_cast<double>(pt.yen))});
            // A tenth of a pixel: no difference at any pixel ratio up to 5.
            const std::vector<PlotPoint> kept = SimplifyLine(line, 0.1);
            for (std::size_t i = 0; i < kept.size(); ++i)
                i == 0 ? path.moveTo(kept[i].x, kept[i].y) : path.lineTo(kept[i].x, kept[i].y);
        } else {
            for (std::size_t i = 0; i < s.instalment.size(); ++i) {
                const ChartPoint& pt = s.instalment[i];
                const double from = x(pt.month - 1);
                const double to = x(i + 1 < s.instalment.size() ? s.instalment[i + 1].month - 1 : s.lastMonth);
                const double yy = y(static_cast<double>(pt.yen));
                i == 0 ? path.moveTo(from, yy) : path.lineTo(from, yy);
                path.lineTo(to, yy);
            }
        }
        p.setPen(QPen(kSeriesColours[k], 2.0, kSeriesStyles[k]));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
}

} // namespace hn
