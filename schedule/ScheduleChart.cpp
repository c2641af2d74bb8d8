// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/ScheduleChart.h"

#include "calc/schedule/ScheduleTexts.h"
#include "controls/Utf8Text.h"
#include "report/Units.h"
#include "schedule/ChartScale.h"
#include "schedule/ScheduleReport.h"
#include "schedule/ScheduleWindowTexts.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>

namespace hn {

namespace {

constexpr int kMargin = 8;
constexpr int kLegendHeight = 22;
constexpr int kAxisGap = 6;   // between a scale's figures and the plot
constexpr int kMaxTicks = 5;
constexpr double kBarShare = 0.7; // of a year's width

bool IsDark(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < 128;
}

} // namespace

// Fixed hues for the two shares, readable on a light and on a dark base; the balance
// line and the text follow the palette.
struct ScheduleChart::Colours {
    QColor background, text, grid, interest, principal, balance;
};

ScheduleChart::ScheduleChart(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    setAccessibleName(FromUtf8(kChartName));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(false);
}

void ScheduleChart::SetYears(std::vector<YearlyRow> years, std::int64_t openingBalance)
{
    m_years = std::move(years);
    m_openingBalance = openingBalance;
    update();
}

QSize ScheduleChart::sizeHint() const
{
    return {640, 240};
}

QSize ScheduleChart::minimumSizeHint() const
{
    return {320, 160};
}

ScheduleChart::Colours ScheduleChart::ChartColours() const
{
    const QPalette& pal = palette();
    const bool dark = IsDark(pal);
    Colours c;
    c.background = pal.color(QPalette::Base);
    c.text = pal.color(QPalette::Text);
    c.grid = pal.color(QPalette::Mid);
    c.interest = dark ? QColor(240, 150, 70) : QColor(222, 120, 30);
    c.principal = dark ? QColor(100, 160, 235) : QColor(50, 110, 190);
    c.balance = dark ? QColor(255, 120, 150) : QColor(180, 20, 60);
    return c;
}

QRectF ScheduleChart::PlotArea() const
{
    const QFontMetrics fm(font());
    // Room for the widest figure of either scale ("99,999") and the axis captions.
    const int figures = fm.horizontalAdvance(QStringLiteral("99,999")) + kAxisGap;
    // Legend, then the scales' captions, then half a line for the top figures.
    const int top = kMargin + kLegendHeight + fm.height() + fm.height() / 2 + 2;
    const int bottom = height() - kMargin - 2 * fm.height();
    return QRectF(QPointF(kMargin + figures, top), QPointF(width() - kMargin - figures, bottom));
}

int ScheduleChart::YearAt(QPoint point) const
{
    const QRectF plot = PlotArea();
    if (m_years.empty() || !plot.contains(point))
        return 0;
    const double perYear = plot.width() / static_cast<double>(m_years.size());
    const int year = static_cast<int>((point.x() - plot.left()) / perYear) + 1;
    return std::clamp(year, 1, static_cast<int>(m_years.size()));
}

void ScheduleChart::DrawLegend(QPainter& p, const Colours& c) const
{
    const QFontMetrics fm(font());
    int x = kMargin;
    const int y = kMargin;
    const int box = fm.height() - 4;
    const auto swatch = [&](const QColor& colour, std::string_view caption, bool line) {
        if (line) {
            p.setPen(QPen(colour, 2));
            p.drawLine(QPointF(x, y + box / 2.0 + 2), QPointF(x + box * 2, y + box / 2.0 + 2));
            x += box * 2 + 4;
        } else {
            p.fillRect(QRectF(x, y + 2, box, box), colour);
            x += box + 4;
        }
        p.setPen(c.text);
        const QString t = FromUtf8(caption);
        p.drawText(QPointF(x, y + fm.ascent()), t);
        x += fm.horizontalAdvance(t) + 16;
    };
    swatch(c.interest, kLegendInterest, false);
    swatch(c.principal, kLegendPrincipal, false);
    swatch(c.balance, kLegendBalance, true);
}

void ScheduleChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const Colours c = ChartColours();
    p.fillRect(rect(), c.background);
    p.setFont(font());
    DrawLegend(p, c);
    if (m_years.empty())
        return;

    const QFontMetrics fm(font());
    const QRectF plot = PlotArea();
    std::int64_t maxPayment = 0;
    std::int64_t maxBalance = m_openingBalance;
    for (const YearlyRow& y : m_years) {
        maxPayment = std::max(maxPayment, y.payment);
        maxBalance = std::max(maxBalance, y.balance);
    }
    // Scales in 万円, the unit the calculator window's inputs use.
    const AxisScale left = NiceScale(std::max<std::int64_t>(1, (maxPayment + 9999) / 10000), kMaxTicks);
    const AxisScale right = NiceScale(std::max<std::int64_t>(1, (maxBalance + 9999) / 10000), kMaxTicks);
    const auto yLeft = [&](double yen) { return plot.bottom() - yen / 10000.0 / left.top * plot.height(); };
    const auto yRight = [&](double yen) { return plot.bottom() - yen / 10000.0 / right.top * plot.height(); };

    // Scales and grid: the left scale's ticks draw the grid; the right scale's figures
    // stand at the same heights when both have as many steps, else at their own.
    p.setPen(c.text);
    for (int i = 0; i <= left.ticks(); ++i) {
        const double y = plot.bottom() - plot.height() * i / left.ticks();
        p.setPen(QPen(c.grid, 0, i == 0 ? Qt::SolidLine : Qt::DotLine));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(c.text);
        const QString figure = QString::fromStdString(Bare(Quantity::Yen(left.step * i)));
        p.drawText(QRectF(kMargin, y - fm.height() / 2.0, plot.left() - kMargin - kAxisGap, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, figure);
    }
    for (int i = 0; i <= right.ticks(); ++i) {
        const double y = plot.bottom() - plot.height() * i / right.ticks();
        const QString figure = QString::fromStdString(Bare(Quantity::Yen(right.step * i)));
        p.drawText(QRectF(plot.right() + kAxisGap, y - fm.height() / 2.0, width(), fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, figure);
    }
    const double captionTop = plot.top() - fm.height() - fm.height() / 2.0 - 2;
    p.drawText(QRectF(kMargin, captionTop, plot.width(), fm.height()), Qt::AlignLeft, FromUtf8(kAxisYearly));
    p.drawText(QRectF(plot.left(), captionTop, width() - kMargin - plot.left(), fm.height()), Qt::AlignRight,
               FromUtf8(kAxisBalance));

    // Bars: what was paid, interest from the axis up and principal on top of it; interest
    // left unpaid is not part of the year's payment.
    const double perYear = plot.width() / static_cast<double>(m_years.size());
    const double barWidth = std::max(1.0, perYear * kBarShare);
    for (std::size_t k = 0; k < m_years.size(); ++k) {
        const YearlyRow& y = m_years[k];
        const double x = plot.left() + perYear * static_cast<double>(k) + (perYear - barWidth) / 2.0;
        const double interestTop = yLeft(static_cast<double>(y.interestPaid()));
        const double paymentTop = yLeft(static_cast<double>(y.payment));
        p.fillRect(QRectF(x, interestTop, barWidth, plot.bottom() - interestTop), c.interest);
        p.fillRect(QRectF(x, paymentTop, barWidth, interestTop - paymentTop), c.principal);
    }

    // Year labels under the axis.
    p.setPen(c.text);
    const double labelWidth = fm.horizontalAdvance(QStringLiteral("99")) + 8.0;
    for (const int year : YearLabels(static_cast<int>(m_years.size()), plot.width(), labelWidth)) {
        const double cx = plot.left() + perYear * (year - 0.5);
        p.drawText(QRectF(cx - labelWidth, plot.bottom() + 2, 2 * labelWidth, fm.height()), Qt::AlignHCenter,
                   QString::number(year));
    }
    p.drawText(QRectF(plot.left(), plot.bottom() + 2 + fm.height(), plot.width(), fm.height()), Qt::AlignHCenter,
               FromUtf8(kAxisYears));

    // The balance: from the loan at the start to each year's end.
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath line;
    line.moveTo(plot.left(), yRight(static_cast<double>(m_openingBalance)));
    for (std::size_t k = 0; k < m_years.size(); ++k)
        line.lineTo(plot.left() + perYear * static_cast<double>(k + 1), yRight(static_cast<double>(m_years[k].balance)));
    p.setPen(QPen(c.balance, 2));
    p.drawPath(line);
}

void ScheduleChart::mouseMoveEvent(QMouseEvent* event)
{
    const int year = YearAt(event->position().toPoint());
    if (year == 0) {
        QToolTip::hideText();
        return;
    }
    const YearlyRow& y = m_years[static_cast<std::size_t>(year - 1)];
    const auto line = [](std::string_view caption, std::int64_t yen) {
        return QLatin1Char('\n') + FromUtf8(caption) + QLatin1Char(' ') + QString::fromStdString(Text(Quantity::Yen(yen)));
    };
    QString tip = QString::number(year) + FromUtf8(kAxisYears) + line(kColPayment, y.payment) +
                  line(kLegendInterest, y.interestPaid()) + line(kLegendPrincipal, y.principal);
    if (y.unpaidInterest != 0)
        tip += line(kColUnpaid, y.unpaidInterest);
    tip += line(kColBalance, y.balance);
    QToolTip::showText(event->globalPosition().toPoint(), tip, this);
}

void ScheduleChart::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange)
        update();
    QWidget::changeEvent(event);
}

} // namespace hn
