// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CDrawnOptionButton.h"

#include "controls/DrawnButtonAccessible.h"
#include "platform/Canvas.h"
#include "platform/DialogFont.h"
#include "platform/DialogGroup.h"
#include "platform/DialogTemplate.h"
#include "platform/SysColors.h"

#include <QFocusEvent>
#include <algorithm>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace hn {

namespace {

// A walk of the dialog group never needs more steps than there are sibling controls;
// the bound keeps it finite even when this control itself is skipped (hidden, disabled).
int GroupWalkLimit(const QWidget* w)
{
    return w->parentWidget() ? static_cast<int>(w->parentWidget()->children().size()) + 1 : 0;
}

} // namespace

CDrawnOptionButton::CDrawnOptionButton(QWidget* parent) : CDrawnButton(DrawnKind::Option, parent)
{
    InstallDrawnButtonAccessibility();
    // The checked state is mirrored into the button underneath for screen readers; its own
    // exclusivity stays off, the group is handled here.
    setCheckable(true);
    setAutoExclusive(false);
    setFocusPolicy(Qt::ClickFocus);
    // The caption is the dialog's: a platform theme's own button font (often larger)
    // would not fit the place the dialog gives the option.
    setFont(DialogFont());
    RecalcPalette();
    CreatePalettePens();
}

CDrawnOptionButton::CDrawnOptionButton(const QString& caption, QWidget* parent) : CDrawnOptionButton(parent)
{
    setText(caption);
}

CDrawnOptionButton::CDrawnOptionButton(const DialogItem& item, QWidget* parent)
    : CDrawnOptionButton(QString::fromUtf8(item.text ? item.text : ""), parent)
{
}

int CDrawnOptionButton::SetCheck(int state)
{
    const int previous = m_nChecked;
    m_nChecked = state;
    if (previous != state) {
        setChecked(state != 0);
        InvalidateBullet();
        UpdateGroupTabStop();
    }
    return previous;
}

std::vector<CDrawnOptionButton*> CDrawnOptionButton::GroupOptions()
{
    // One pass over the siblings in creation order: a group runs from a group start to
    // the next (the first control starts one). The walk of the dialog group would give
    // the same members one step at a time, each step a pass of its own.
    QWidget* parent = parentWidget();
    if (!parent)
        return {this};
    std::vector<CDrawnOptionButton*> group;
    bool mine = false;
    bool first = true;
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow())
            continue;
        if ((first || IsGroupStart(w)) && !group.empty() && mine)
            break; // this control's group has ended
        if (first || IsGroupStart(w))
            group.clear();
        first = false;
        if (w == this)
            mine = true;
        if (auto* option = qobject_cast<CDrawnOptionButton*>(w))
            group.push_back(option);
    }
    return group;
}

void CDrawnOptionButton::UpdateGroupTabStop()
{
    const std::vector<CDrawnOptionButton*> options = GroupOptions();
    CDrawnOptionButton* stop = nullptr;
    for (CDrawnOptionButton* option : options)
        if (option->GetCheck() != 0 && option->isEnabled() && !option->isHidden()) {
            stop = option;
            break;
        }
    if (!stop)
        for (CDrawnOptionButton* option : options)
            if (option->isEnabled() && !option->isHidden()) {
                stop = option;
                break;
            }
    for (CDrawnOptionButton* option : options)
        option->setFocusPolicy(option == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void CDrawnOptionButton::showEvent(QShowEvent* event)
{
    CDrawnButton::showEvent(event);
    // The dialog has placed every control by now: the group is complete.
    UpdateGroupTabStop();
}

DrawnRect CDrawnOptionButton::BulletRectangle() const
{
    return BulletRect(height());
}

DrawnRect CDrawnOptionButton::CaptionRectangle() const
{
    const QFontMetrics metrics(font());
    return CaptionRect(height(), metrics.horizontalAdvance(text()), metrics.height());
}

QSize CDrawnOptionButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {kCaptionLeft + metrics.horizontalAdvance(text()) + 2, std::max(kBulletSize + 4, metrics.height() + 4)};
}

void CDrawnOptionButton::RecalcPalette()
{
    m_palette = MakeOptionPalette({GetSysColor(SysColor::BtnHighlight), GetSysColor(SysColor::Light3D),
                                   GetSysColor(SysColor::BtnFace), GetSysColor(SysColor::BtnShadow),
                                   GetSysColor(SysColor::DkShadow3D)});
}

void CDrawnOptionButton::InvalidateBullet()
{
    const DrawnRect b = BulletRectangle();
    update(b.left, b.top, b.Width(), b.Height());
}

void CDrawnOptionButton::DrawItem(Canvas& canvas, const DrawItemState& state)
{
    const DrawnRect item{0, 0, width(), height()};
    // The option sits on the dialog without a frame of its own: the window's background,
    // and the window's text on it, whatever the scheme.
    canvas.FillRect(item.left, item.top, item.right, item.bottom, GetSysColor(SysColor::DialogBack));

    const DrawnRect caption = CaptionRectangle();
    if (!text().isEmpty()) {
        // The painter takes the image's device pixel ratio: the text is drawn at the
        // screen's resolution, not enlarged from a 1× picture.
        QPainter painter(&canvas.Image());
        painter.setFont(font());
        painter.setPen(palette().color(QPalette::WindowText));
        // From the caption's left edge, measured in the font it is drawn in: a caption
        // wider than the control is cut at the right, never pushed over the ball.
        painter.drawText(QRect(caption.left, caption.top, std::max(caption.Width(), width() - caption.left),
                               caption.Height()),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text());
    }
    if (state.focused) {
        const DrawnRect frame = FocusFrameRect(caption, item);
        canvas.DrawFocusRect(frame.left, frame.top, frame.right, frame.bottom);
    }
    DrawBullet(canvas);
}

void CDrawnOptionButton::DrawBullet(Canvas& canvas) const
{
    const bool pressed = m_press.IsPushed();
    const bool sunken = m_nChecked != 0 || pressed;
    // A held ball is drawn with a darkened copy; the palette itself is never touched, so
    // the colours after release are exactly those before the press.
    const DrawnPens pens = pressed ? DrawnPens(DarkenPressedOption(m_palette), DrawnKind::Option) : m_pens;

    const DrawnRect b = BulletRectangle();
    const QPoint origin = canvas.Origin();
    canvas.SetOrigin(origin.x() + b.left, origin.y() + b.top);

    canvas.SelectPen(GetSysColor(SysColor::WindowFrame));
    canvas.SelectBrush(pens.Colour(DrawnPen::Face));
    canvas.RoundRect(0, 0, kBulletSize, kBulletSize, 10, 10);
    DrawRecipe(canvas, BulletCornerCuts(), pens);
    DrawRecipe(canvas, sunken ? SunkenBallShading() : RaisedBallShading(), pens);
    DrawRecipe(canvas, BulletCornerPixels(), pens);
    if (m_nChecked != 0) {
        const ColorRef dark = pens.Colour(DrawnPen::Dark);
        canvas.SelectPen(dark);
        canvas.SelectBrush(dark);
        canvas.RoundRect(3, 3, kBulletSize - 3, kBulletSize - 3, 2, 2);
    }

    canvas.SetOrigin(origin.x(), origin.y());
}

void CDrawnOptionButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_press.IsCaptured()) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_press.OnLeftRelease(rect().contains(event->position().toPoint()))) {
        const QPointer<CDrawnOptionButton> guard(this);
        SetCheck(1);
        UncheckGroupSiblings();
        NotifyClick();
        if (!guard)
            return;
    }
    m_press.Unpush();
    InvalidateBullet();
}

void CDrawnOptionButton::keyPressEvent(QKeyEvent* event)
{
    if (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Space:
        if (m_press.OnSpaceDown())
            InvalidateBullet();
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        m_bArrowsMoveFocusOnly ? MoveFocusInGroup(true) : MoveInGroup(true);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        m_bArrowsMoveFocusOnly ? MoveFocusInGroup(false) : MoveInGroup(false);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_bArrowsMoveFocusOnly || event->isAutoRepeat()) {
            event->ignore(); // the dialog's default command
            return;
        }
        {
            const QPointer<CDrawnOptionButton> guard(this);
            SetCheck(1);
            UncheckGroupSiblings();
            NotifyClick();
            if (!guard)
                return;
        }
        break;
    default:
        // Enter, Escape and the rest belong to the dialog.
        event->ignore();
        return;
    }
    event->accept();
}

void CDrawnOptionButton::OnSpaceClick()
{
    const QPointer<CDrawnOptionButton> guard(this);
    SetCheck(1);
    NotifyClick();
    if (!guard)
        return;
    UncheckGroupSiblings();
    m_press.Unpush();
    InvalidateBullet();
}

void CDrawnOptionButton::focusInEvent(QFocusEvent* event)
{
    CDrawnButton::focusInEvent(event);
    // A click that takes the focus keeps it, and so does a checked option; where the
    // arrows move the focus by themselves, so does the option they moved it to.
    if (m_nChecked != 0 || m_press.IsPushed() || event->reason() == Qt::MouseFocusReason || m_bArrowsMoveFocusOnly)
        return;
    // Otherwise the focus belongs to the checked option of this run of drawn options.
    QWidget* item = this;
    for (int steps = GroupWalkLimit(this); steps > 0; --steps) {
        item = GetNextDlgGroupItem(item, false);
        if (!item || item == this)
            return;
        auto* option = qobject_cast<CDrawnOptionButton*>(item);
        if (!option)
            return;
        if (option->GetCheck() != 0) {
            option->setFocus(event->reason());
            return;
        }
    }
}

void CDrawnOptionButton::nextCheckState()
{
    SetCheck(1);
    UncheckGroupSiblings();
}

void CDrawnOptionButton::UncheckGroupSiblings()
{
    QWidget* item = this;
    for (int steps = GroupWalkLimit(this); steps > 0; --steps) {
        item = GetNextDlgGroupItem(item, false);
        if (!item || item == this)
            return;
        if (auto* option = qobject_cast<CDrawnOptionButton*>(item))
            option->SetCheck(0);
    }
}

void CDrawnOptionButton::MoveFocusInGroup(bool previous)
{
    const std::vector<CDrawnOptionButton*> options = GroupOptions();
    const auto here = std::find(options.begin(), options.end(), this);
    if (here == options.end() || options.size() < 2)
        return;
    // Wrapping, past options that cannot take the focus now.
    const auto n = static_cast<std::ptrdiff_t>(options.size());
    std::ptrdiff_t i = here - options.begin();
    for (std::ptrdiff_t step = 1; step < n; ++step) {
        i = (i + (previous ? n - 1 : 1)) % n;
        CDrawnOptionButton* next = options[static_cast<std::size_t>(i)];
        if (next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void CDrawnOptionButton::MoveInGroup(bool previous)
{
    QWidget* neighbour = GetNextDlgGroupItem(this, previous);
    if (!neighbour)
        return; // not in a dialog: no group to move in
    // At the end of a run of options the neighbour is another kind of control: the
    // option stays checked rather than leaving the group with none.
    if (neighbour != this && !qobject_cast<CDrawnOptionButton*>(neighbour))
        return;
    UncheckGroupSiblings();
    if (neighbour == this) {
        // Alone in its group: the arrow selects this option again rather than leaving a
        // notified option unchecked.
        SetCheck(1);
        NotifyClick();
        return;
    }
    const QPointer<CDrawnOptionButton> guard(this);
    const QPointer<QWidget> target(neighbour);
    if (auto* option = qobject_cast<CDrawnOptionButton*>(neighbour)) {
        option->SetCheck(1);
        option->NotifyClick();
        if (!guard)
            return;
    }
    SetCheck(0);
    // The dialog's arrow handling: the focus follows to the same neighbour.
    if (target && target->focusPolicy() != Qt::NoFocus)
        target->setFocus(Qt::OtherFocusReason);
}

} // namespace hn
