// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CDrawnToggleButton.h"

#include "controls/DrawnButtonAccessible.h"
#include "controls/DrawnButtonGeometry.h"
#include "platform/Canvas.h"
#include "platform/SysColors.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace hn {

CDrawnToggleButton::CDrawnToggleButton(QWidget* parent) : CDrawnButton(DrawnKind::Toggle, parent)
{
    InstallDrawnButtonAccessibility();
    m_finalFrameTimer.setObjectName(QStringLiteral("finalFrameTimer"));
    m_finalFrameTimer.setSingleShot(true);
    m_finalFrameTimer.setInterval(kIntermediateFrameMs);
    connect(&m_finalFrameTimer, &QTimer::timeout, this, [this] { update(); });
    SetFaceColor(GetSysColor(SysColor::BtnFace));
}

CDrawnToggleButton::CDrawnToggleButton(const DialogItem&, QWidget* parent) : CDrawnToggleButton(parent)
{
    // The template's push button has no caption; nothing else of the row is the button's.
}

void CDrawnToggleButton::SetFaceColor(ColorRef face)
{
    m_face = face;
    RecalcPalette();
    CreatePalettePens();
    update();
}

void CDrawnToggleButton::SetExpanded(bool expanded)
{
    if (m_bExpanded == expanded)
        return;
    m_bExpanded = expanded;
    QAccessible::State changed;
    changed.expanded = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

QSize CDrawnToggleButton::sizeHint() const
{
    return {kToggleTriangleInset + 2 + kToggleAttachWidening, 12};
}

void CDrawnToggleButton::RecalcPalette()
{
    m_palette = MakeTogglePalette(m_face, GetSysColor(SysColor::BtnShadow), GetSysColor(SysColor::WindowFrame));
}

void CDrawnToggleButton::OnAttach()
{
    setGeometry(x(), y(), width() + kToggleAttachWidening, height());
    update();
}

void CDrawnToggleButton::DrawItem(Canvas& canvas, const DrawItemState& state)
{
    // The dialog's own background, not the triangle's face colour: the toggle has no
    // frame and sits on the window.
    canvas.FillRect(0, 0, width(), height(), GetSysColor(SysColor::DialogBack));
    if (state.focused) {
        // A dotted frame round the triangle's place, as the dialog's other controls show
        // the keyboard focus; the triangle is drawn over it.
        const DrawnRect frame = ToggleFocusFrameRect(width(), height());
        canvas.DrawFocusRect(frame.left, frame.top, frame.right, frame.bottom);
    }

    const QPoint origin = canvas.Origin();
    canvas.SetOrigin(origin.x() + ToggleTriangleLeft(0), origin.y() + ToggleTriangleTop(height()));
    if (m_bAnimate) {
        m_bAnimate = false;
        DrawRecipe(canvas, ToggleIntermediateTriangle(), m_pens);
        m_finalFrameTimer.start();
    } else {
        const DrawnPens pens = state.selected ? DrawnPens(MakePressedTogglePalette(m_face, m_palette.shadow,
                                                                                   m_palette.dark),
                                                          DrawnKind::Toggle)
                                              : m_pens;
        DrawRecipe(canvas, m_bOpen ? ToggleOpenTriangle() : ToggleClosedTriangle(), pens);
    }
    canvas.SetOrigin(origin.x(), origin.y());
}

void CDrawnToggleButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    event->accept();
    // Only a press that started here and a release over the control make a click.
    const bool click = m_press.OnLeftRelease(rect().contains(event->position().toPoint()));
    if (m_press.Unpush())
        update();
    if (!click)
        return;
    const QPointer<CDrawnToggleButton> guard(this);
    NotifyClick();
    if (guard)
        Flip();
}

void CDrawnToggleButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier))) {
        event->ignore();
        return;
    }
    event->accept();
    if (event->isAutoRepeat())
        return;
    if (m_press.OnSpaceDown())
        update();
}

void CDrawnToggleButton::OnSpaceClick()
{
    // Space is a click like the mouse's: the parent hears of it first, then the flip, so
    // the state and what the parent did with it stay in step.
    if (!m_press.IsCaptured()) {
        m_press.Unpush();
        update();
    }
    const QPointer<CDrawnToggleButton> guard(this);
    NotifyClick();
    if (guard)
        Flip();
}

void CDrawnToggleButton::nextCheckState()
{
    // click() sends clicked() right after this; a connection made now runs after every
    // handler connected before it.
    connect(this, &QAbstractButton::clicked, this, [this] { Flip(); }, Qt::SingleShotConnection);
}

void CDrawnToggleButton::Flip()
{
    m_bOpen = !m_bOpen;
    m_bAnimate = true;
    // The diagonal frame now; its paint asks for the final frame 50 ms later.
    repaint();
}

} // namespace hn
