// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/CNumEdit.h"

#include <QKeyEvent>
#include <string>

namespace hn {

namespace {

// The core works on ASCII. A character outside it can only come from a text written
// from outside; it stands in the core as this placeholder, which no key action treats
// as part of a number, and shows as U+FFFD should an edit keep it.
constexpr char kForeignChar = '\x1a';

std::string ToCoreText(const QString& text)
{
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text)
        result += c.unicode() < 0x80 ? static_cast<char>(c.unicode()) : kForeignChar;
    return result;
}

QString FromCoreText(const std::string& text)
{
    QString result;
    result.reserve(static_cast<qsizetype>(text.size()));
    for (const char c : text)
        result += c == kForeignChar ? QChar(QChar::ReplacementCharacter) : QChar::fromLatin1(c);
    return result;
}

} // namespace

CNumEdit::CNumEdit(QWidget* parent)
    : CNumEdit(SystemSeparators(), parent)
{
}

CNumEdit::CNumEdit(const LocaleSeparators& separators, QWidget* parent)
    : CNumEditBase(parent)
    , m_core(separators.chDecimal, separators.chThousand)
{
    setAlignment(Qt::AlignRight);
    connect(this, &QLineEdit::textChanged, this, &CNumEdit::OnTextChanged);
}

void CNumEdit::SetValue(double v)
{
    m_core.SetValue(v);
    PushState();
}

double CNumEdit::GetValue() const
{
    return m_core.GetValue();
}

void CNumEdit::SetDecimals(int n)
{
    m_core.SetDecimals(n);
    PushState();
}

int CNumEdit::GetDecimals() const
{
    return m_core.GetDecimals();
}

char CNumEdit::GetDecimalChar() const
{
    return m_core.GetDecimalChar();
}

char CNumEdit::GetThousandChar() const
{
    return m_core.GetThousandChar();
}

void CNumEdit::OnTypedChar(char32_t ch)
{
    PullState();
    if (m_core.OnChar(ch))
        PushState();
}

void CNumEdit::OnEditKey(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Backspace:
        // With Ctrl the platform types DEL and with Alt it means undo: neither edits.
        if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier))
            return;
        PullState();
        m_core.OnChar(U'\b');
        PushState();
        return;
    case Qt::Key_Delete:
        PullState();
        m_core.OnDeleteKey();
        PushState();
        return;
    default:
        return; // Insert: nothing, so Shift+Insert does not paste and Ctrl+Insert does not copy
    }
}

void CNumEdit::OnTextChanged(const QString& text)
{
    if (m_bPushing)
        return;
    m_core.SetText(ToCoreText(text));
}

void CNumEdit::PullState()
{
    const std::string text = ToCoreText(this->text());
    if (text != m_core.GetText())
        m_core.SetText(text);
    int start = cursorPosition();
    int end = start;
    if (hasSelectedText()) {
        start = selectionStart();
        end = selectionEnd();
    }
    m_core.SetSel(static_cast<std::size_t>(start), static_cast<std::size_t>(end));
}

void CNumEdit::PushState()
{
    const QString text = FromCoreText(m_core.GetText());
    if (text != this->text()) {
        m_bPushing = true;
        setText(text);
        m_bPushing = false;
    }
    setCursorPosition(static_cast<int>(m_core.GetCaret()));
}

} // namespace hn
