// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CRateEdit.h"

#include "calc/DecimalText.h"
#include "controls/RateFilter.h"

#include <QKeyEvent>

namespace hn {

CRateEdit::CRateEdit(QWidget* parent)
    : CNumEditBase(parent)
{
}

double CRateEdit::GetValue() const
{
    return ReadDecimalPrefix(text().toStdString());
}

void CRateEdit::OnTypedChar(char32_t ch)
{
    const QString current = text();
    const std::u16string_view view(reinterpret_cast<const char16_t*>(current.utf16()),
                                   static_cast<std::size_t>(current.size()));
    if (!RateFieldAccepts(ch, view, static_cast<std::size_t>(cursorPosition())))
        return;
    // insert() replaces the selection and keeps to maxLength, as typing does.
    insert(QString(QChar(static_cast<char16_t>(ch))));
}

void CRateEdit::OnPaste(const QString& text)
{
    for (const char32_t ch : text.toUcs4())
        OnTypedChar(ch);
}

void CRateEdit::OnEditKey(const QKeyEvent& event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    switch (event.key()) {
    case Qt::Key_Backspace:
        // With Ctrl the platform types DEL, which the filter drops; Alt means undo.
        if (!(modifiers & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)))
            backspace();
        return;
    case Qt::Key_Delete:
        if (modifiers & Qt::ShiftModifier)
            cut();
        else
            del();
        return;
    case Qt::Key_Insert:
        if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::ShiftModifier))
            copy();
        return; // Shift+Insert would paste
    default:
        return;
    }
}

} // namespace hn
