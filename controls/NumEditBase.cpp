// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/NumEditBase.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace hn {

CNumEditBase::CNumEditBase(QWidget* parent)
    : QLineEdit(parent)
{
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    TakeOverClickFocus();
}

void CNumEditBase::TakeOverClickFocus()
{
    const Qt::FocusPolicy policy = focusPolicy();
    if (policy == m_nOwnPolicy)
        return;
    m_bClickFocus = policy & Qt::ClickFocus;
    m_nOwnPolicy = (policy & Qt::TabFocus) ? Qt::TabFocus : Qt::NoFocus;
    setFocusPolicy(m_nOwnPolicy);
}

bool CNumEditBase::event(QEvent* event)
{
    // A focus policy set after construction is taken over before the field is used.
    if (event->type() == QEvent::Polish || event->type() == QEvent::Show || event->type() == QEvent::Enter)
        TakeOverClickFocus();
    return QLineEdit::event(event);
}

QVariant CNumEditBase::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (query == Qt::ImEnabled)
        return false;
    return QLineEdit::inputMethodQuery(query);
}

void CNumEditBase::keyPressEvent(QKeyEvent* event)
{
    // Selecting all and copying change nothing; a paste goes to the field's own filter.
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Copy)) {
        copy();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        if (!isReadOnly())
            OnPaste(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
        QLineEdit::keyPressEvent(event); // caret moves, with Shift the selection grows
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        event->ignore(); // the dialog's default button, cancel and focus order
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Insert:
        if (!isReadOnly())
            OnEditKey(*event);
        event->accept();
        return;
    default:
        break;
    }

    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool control = modifiers & (Qt::ControlModifier | Qt::MetaModifier);
    const bool alt = modifiers & Qt::AltModifier;
    const QString text = event->text();
    if (text.isEmpty() || (alt && !control)) {
        event->ignore(); // function keys, menu and mnemonic keys belong to the window
        return;
    }
    // Ctrl with a key types a control character (Ctrl+V, Ctrl+C, Ctrl+Z, ...), which
    // the fields drop; Ctrl+Alt is AltGr on some systems and types a real character.
    if (!(control && !alt) && !isReadOnly()) {
        for (const char32_t ch : text.toUcs4())
            OnTypedChar(ch);
    }
    event->accept();
}

void CNumEditBase::inputMethodEvent(QInputMethodEvent* event)
{
    event->ignore(); // input methods are off; nothing they send edits the field
}

void CNumEditBase::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    TakeOverClickFocus();
    if (m_bClickFocus && !hasFocus())
        setFocus(Qt::MouseFocusReason);
    QLineEdit::mousePressEvent(event);
}

void CNumEditBase::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button's release would paste the X11 primary selection.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CNumEditBase::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QLineEdit::mouseDoubleClickEvent(event);
}

void CNumEditBase::contextMenuEvent(QContextMenuEvent* event)
{
    event->accept(); // the menu would offer Paste
}

void CNumEditBase::dragEnterEvent(QDragEnterEvent* event)
{
    event->ignore();
}

void CNumEditBase::dragMoveEvent(QDragMoveEvent* event)
{
    event->ignore();
}

void CNumEditBase::dropEvent(QDropEvent* event)
{
    event->ignore();
}

} // namespace hn
