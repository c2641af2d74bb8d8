// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/ScenarioChart.h"

#include "calc/AmountText.h"

#include <QPainter>
#include <QPainterPath>

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
    const QRectF plot(left, fm.height() / 2.0 + 4, width() - left - 10, height() - bottom - fm.height() / 2.0 - 8);
    if (plot.width() < 10 || plot.height() < 10)
        return;
    const double top = static_cast<double>(m_axis.top);
    auto x = [&](double month) { return plot.left() + plot.width() * month / m_axis.lastMonth; };
    auto y = [&](double yen) { return plot.bottom() - plot.height() * std::min(yen, top * 1.04) / top; };

    p.setPen(QPen(pal.color(QPalette::Mid), 1));
    p.setFont(font());
    for (std::int64_t v = 0; v <= m_axis.top; v += m_axis.step) {
        const double yy = y(static_cast<double>(v));
        p.setPen(QPen(pal.color(QPalette::Mid), 1, Qt::DotLine));
        p.drawLine(QPointF(plot.left(), yy), QPointF(plot.right(), yy));
        p.setPen(pal.color(QPalette::Text));
        p.drawText(QRectF(0, yy - fm.height() / 2.0, left - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                   ManLabel(v));
    }
    const int yearStep = m_axis.lastMonth > 240 ? 10 : 5;
    for (int year = 0; year * 12 <= m_axis.lastMonth; year += yearStep) {
        const double xx = x(year * 12);
        p.drawText(QRectF(xx - 30, plot.bottom() + 2, 60, fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                   QStringLiteral("%1年").arg(year));
    }
    p.setPen(QPen(pal.color(QPalette::Text), 1));
    p.drawLine(plot.bottomLeft(), plot.bottomRight());
    p.drawLine(plot.bottomLeft(), plot.topLeft());

    for (std::size_t k = 0; k < m_series.size() && k < 3; ++k) {
        const ChartSeries& s = m_series[k];
        QPainterPath path;
        if (m_owed) {
            for (std::size_t i = 0; i < s.owed.size(); ++i) {
                const QPointF pt(x(s.owed[i].month), y(static_cast<double>(s.owed[i].yen)));
                i == 0 ? path.moveTo(pt) : path.lineTo(pt);
            }
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
