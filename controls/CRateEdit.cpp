// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CRateEdit.h"

#include "calc/DecimalText.h"
#include "controls/RateFilter.h"

#include <QApplication>
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
    const QString current = this->text();
    const auto view = [](const QString& s) {
        return std::u16string_view(reinterpret_cast<const char16_t*>(s.utf16()), static_cast<std::size_t>(s.size()));
    };
    const std::size_t start = static_cast<std::size_t>(hasSelectedText() ? selectionStart() : cursorPosition());
    const std::size_t end = start + static_cast<std::size_t>(hasSelectedText() ? selectedText().size() : 0);
    const std::optional<std::u16string> figure =
        RatePaste(view(current), start, end, view(text), static_cast<std::size_t>(maxLength()));
    if (!figure) {
        QApplication::beep(); // nothing of it goes in: a part of a figure is a wrong figure
        return;
    }
    insert(QString::fromStdU16String(*figure)); // replaces the selection
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
