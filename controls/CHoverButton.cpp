// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CHoverButton.h"

#include "controls/HoverFrame.h"
#include "platform/OffscreenPaint.h"
#include "platform/SysColors.h"

#include <QApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QFocusEvent>
#include <QMouseEvent>

namespace hn {

CHoverButton::CHoverButton(QWidget* parent)
    : QPushButton(parent), m_crNormalBk(GetSysColor(SysColor::BtnFace)), m_crActiveBk(GetSysColor(SysColor::BtnFace))
{
    setFlat(true);
    setAutoDefault(false);
    // Moves without a button held are needed to light the button when the program
    // becomes active while the pointer rests on it.
    setMouseTracking(true);
}

CHoverButton::CHoverButton(const DialogItem&, QWidget* parent) : CHoverButton(parent) {}

CHoverButton::~CHoverButton() = default;

void CHoverButton::SetIcon(const QImage& hoverAndPress, const QImage& rest)
{
    SetIcon(IconSizes{hoverAndPress}, rest.isNull() ? IconSizes{} : IconSizes{rest});
}

void CHoverButton::SetIcon(const IconSizes& hoverAndPress, const IconSizes& rest)
{
    m_iconHover = hoverAndPress;
    m_iconRest = rest.empty() ? hoverAndPress : rest;
    m_drawnRatio = 0;
    repaint();
}

const QImage& CHoverButton::IconToDraw(bool lit)
{
    const qreal ratio = devicePixelRatioF();
    if (ratio != m_drawnRatio) {
        m_drawnHover = IconForRatio(m_iconHover, ratio);
        m_drawnRest = IconForRatio(m_iconRest, ratio);
        m_drawnRatio = ratio;
    }
    return lit ? m_drawnHover : m_drawnRest;
}

bool CHoverButton::SetBtnCursor(const std::optional<QCursor>& cursor)
{
    m_cursor = cursor;
    if (cursor)
        setCursor(*cursor);
    else
        unsetCursor();
    return cursor.has_value();
}

void CHoverButton::SetNormalBkColor(ColorRef colour, int repaint)
{
    m_crNormalBk = colour;
    if (repaint == 1)
        update();
}

void CHoverButton::SetActiveBkColor(ColorRef colour, int repaint)
{
    m_crActiveBk = colour;
    if (repaint == 1)
        update();
}

void CHoverButton::PointerAt(QPointF pos, Qt::MouseButtons buttons)
{
    const bool inside = rect().contains(pos.toPoint());
    m_hover.SetEnabled(isEnabled()); // also disabled through a parent
    if (m_hover.OnPointerMove(inside, buttons & Qt::LeftButton, QApplication::activeWindow() != nullptr))
        update();
}

void CHoverButton::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    PointerAt(event->position(), QApplication::mouseButtons());
}

void CHoverButton::mouseMoveEvent(QMouseEvent* event)
{
    // The press handling first: it decides whether the button still shows as held.
    QPushButton::mouseMoveEvent(event);
    PointerAt(event->position(), event->buttons());
}

void CHoverButton::leaveEvent(QEvent* event)
{
    if (m_hover.OnPointerLeave())
        update();
    QPushButton::leaveEvent(event);
}

void CHoverButton::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    m_hover.OnFocusLost();
    update(); // the focus frame goes in any case
}

bool CHoverButton::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTipChange:
        // Follow the tool tip unless the name has been set to something else since.
        if (accessibleName() == m_strNameFromTip) {
            m_strNameFromTip = toolTip();
            setAccessibleName(m_strNameFromTip);
        }
        break;
    case QEvent::PaletteChange:
        update();
        break;
    case QEvent::EnabledChange:
        if (m_hover.SetEnabled(isEnabled()))
            update();
        break;
    default:
        break;
    }
    return QPushButton::event(event);
}

void CHoverButton::paintEvent(QPaintEvent*)
{
    const bool hover = m_hover.IsLit();
    const bool pressed = isDown();
    const int L = 0, T = 0, R = width(), B = height();
    PaintOffscreen(this, [&](Canvas& cv) {
        cv.FillRect(L, T, R, B, UsesActiveBackground(hover, pressed) ? m_crActiveBk : m_crNormalBk);

        const HoverFrameLook look = FrameLookFor(hover, pressed);
        if (look != HoverFrameLook::None) {
            const ColorRef highlight = GetSysColor(SysColor::BtnHighlight);
            const ColorRef shadow = GetSysColor(SysColor::BtnShadow);
            const bool sunken = look == HoverFrameLook::Sunken;
            cv.SelectPen(sunken ? shadow : highlight);
            cv.Polyline({{L, B - 1}, {L, T}, {R, T}});
            cv.SelectPen(sunken ? highlight : shadow);
            cv.Polyline({{L, B - 1}, {R - 1, B - 1}, {R - 1, T - 1}});
        }

        if (hasFocus()) {
            const FocusFrame f = HoverFocusFrame(L, T, R, B);
            cv.DrawFocusRect(f.left, f.top, f.right, f.bottom);
        }

        const QImage& icon = IconToDraw(hover || pressed);
        if (!icon.isNull()) {
            // Placed by its size in drawing pixels; the canvas puts its device pixels.
            const QSizeF place = icon.deviceIndependentSize();
            const IconOrigin at = CentredIconOrigin(L, T, R, B, qRound(place.width()), qRound(place.height()), pressed);
            cv.DrawIcon(at.x, at.y, icon, !isEnabled(), GetSysColor(SysColor::BtnHighlight),
                        GetSysColor(SysColor::BtnShadow));
        }
    });
}

} // namespace hn
