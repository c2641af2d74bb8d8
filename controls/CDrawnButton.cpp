// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CDrawnButton.h"

#include "platform/Canvas.h"
#include "platform/OffscreenPaint.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace hn {

CDrawnButton::CDrawnButton(DrawnKind kind, QWidget* parent) : QAbstractButton(parent), m_nKind(kind) {}

void CDrawnButton::Attach()
{
    if (m_bAttached)
        return;
    m_bAttached = true;
    OnAttach();
}

DrawItemState CDrawnButton::CurrentItemState() const
{
    return {m_press.IsPushed(), hasFocus()};
}

QImage CDrawnButton::RenderItem(const DrawItemState& state, qreal devicePixelRatio)
{
    return RenderOffscreen(size(), [&](Canvas& canvas) { DrawItem(canvas, state); }, devicePixelRatio);
}

void CDrawnButton::CreatePalettePens()
{
    m_pens = DrawnPens(m_palette, m_nKind);
}

void CDrawnButton::NotifyClick()
{
    emit clicked(isChecked());
}

void CDrawnButton::DrawRecipe(Canvas& canvas, const DrawnRecipe& recipe, const DrawnPens& pens)
{
    for (const RecipeStep& step : recipe) {
        if (step.points.empty())
            continue;
        const ColorRef colour = pens.Colour(step.pen);
        if (step.points.size() == 1) {
            canvas.SetPixel(step.points.front().x, step.points.front().y, colour);
            continue;
        }
        canvas.SelectPen(colour);
        canvas.MoveTo(step.points.front().x, step.points.front().y);
        for (std::size_t i = 1; i < step.points.size(); ++i)
            canvas.LineTo(step.points[i].x, step.points[i].y);
    }
}

void CDrawnButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_press.OnLeftPress();
    OnLeftPressed();
    RedrawPushedLook();
    event->accept();
}

void CDrawnButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_press.IsCaptured()) {
        event->ignore();
        return;
    }
    if (m_press.OnPointerMove(rect().contains(event->position().toPoint())))
        RedrawPushedLook();
    event->accept();
}

void CDrawnButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void CDrawnButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_press.OnSpaceUp())
        OnSpaceClick();
}

void CDrawnButton::focusOutEvent(QFocusEvent* event)
{
    if (m_press.OnFocusLost())
        RedrawPushedLook();
    QAbstractButton::focusOutEvent(event);
}

bool CDrawnButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void CDrawnButton::paintEvent(QPaintEvent*)
{
    const DrawItemState state = CurrentItemState();
    PaintOffscreen(this, [&](Canvas& canvas) { DrawItem(canvas, state); });
}

void CDrawnButton::changeEvent(QEvent* event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        // The system colours changed: new palette, new pens, new picture.
        RecalcPalette();
        CreatePalettePens();
        update();
    }
}

} // namespace hn
