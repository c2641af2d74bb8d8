// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CGaugeBar.h"

#include "controls/GaugeDraw.h"
#include "controls/GaugeGeometry.h"
#include "platform/OffscreenPaint.h"
#include "platform/SysColors.h"

#include <QEvent>
#include <QTimerEvent>

namespace hn {

CGaugeBar::CGaugeBar(QWidget* parent) : QProgressBar(parent)
{
    setTextVisible(false);
    // The standard control starts at 0 of 0..100; QProgressBar would start "reset".
    setRange(0, 100);
    setValue(0);
    m_shades.base = GetSysColor(SysColor::Highlight);
    MakeShades();
}

CGaugeBar::CGaugeBar(const DialogItem& item, QWidget* parent) : CGaugeBar(parent)
{
    m_bBorder = (item.style & kBorder) != 0;
}

CGaugeBar::~CGaugeBar() = default;

void CGaugeBar::SetRange(int lower, int upper)
{
    setRange(lower, upper);
    setValue(ClampGaugePos(value(), minimum(), maximum()));
}

void CGaugeBar::GetRange(int& lower, int& upper) const
{
    lower = minimum();
    upper = maximum();
}

int CGaugeBar::SetPos(int pos)
{
    const int previous = value();
    setValue(ClampGaugePos(pos, minimum(), maximum()));
    return previous;
}

void CGaugeBar::SetBarColor(ColorRef colour)
{
    m_shades.base = colour;
    MakeShades();
    repaint();
}

void CGaugeBar::SetAnimate(bool on)
{
    m_bAnimating = on;
    if (on) {
        m_nAnimOffset = 0;
        repaint();
        m_timer.start(kAnimIntervalMs, this);
    } else {
        m_timer.stop();
        repaint();
    }
}

void CGaugeBar::SetValueText(const QString& text)
{
    // The bar's text is never drawn (the text is turned off); as its format it is what
    // the progress bar reports as its value, and the description says it in words.
    QString format = text;
    setFormat(format.replace(QLatin1Char('%'), QLatin1String("%%")));
    setAccessibleDescription(text);
}

void CGaugeBar::SetBorder(bool border)
{
    m_bBorder = border;
    update();
}

void CGaugeBar::MakeShades()
{
    m_shades = MakeGaugeShades(m_shades.base, GetSysColor(SysColor::BtnShadow), GetSysColor(SysColor::DkShadow3D));
}

void CGaugeBar::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timer.timerId()) {
        QProgressBar::timerEvent(event);
        return;
    }
    // Re-armed on every tick, so a slow paint delays the next step instead of queueing
    // steps up.
    m_timer.stop();
    m_nAnimOffset = NextAnimOffset(m_nAnimOffset);
    repaint();
    m_timer.start(kAnimIntervalMs, this);
}

void CGaugeBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        // The shadow tones follow the system colours; the bar colour stays.
        MakeShades();
        update();
    }
    QProgressBar::changeEvent(event);
}

void CGaugeBar::paintEvent(QPaintEvent*)
{
    const int inset = m_bBorder ? 1 : 0;
    GaugePaintState state;
    state.width = width() - 2 * inset;
    state.height = height() - 2 * inset;
    state.vertical = orientation() == Qt::Vertical;
    state.animating = m_bAnimating;
    state.animOffset = m_nAnimOffset;
    state.pos = value();
    state.lower = minimum();
    state.upper = maximum();
    const ColorRef face = GetSysColor(SysColor::BtnFace);
    PaintOffscreen(this, [&](Canvas& canvas) {
        canvas.SetOrigin(inset, inset);
        PaintGauge(canvas, m_shades, face, state);
        if (m_bBorder) {
            // Drawn last: stripes and shadow columns that run past the client area
            // end under the frame.
            canvas.SetOrigin(0, 0);
            canvas.SelectPen(GetSysColor(SysColor::WindowFrame));
            canvas.Polyline({{0, 0}, {width() - 1, 0}, {width() - 1, height() - 1}, {0, height() - 1}, {0, 0}});
        }
    });
}

} // namespace hn
