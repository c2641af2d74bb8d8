// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Field states written as text with the caret as "|" or the selection in "[...]", so
// that a test reads like the field looks: "1,|234", "1,[234]".
#include "controls/NumEditCore.h"

#include <string>
#include <string_view>

namespace hn::test {

// Puts a state into the field as its own key actions leave it: text, caret or
// selection, and the value read from the text.
inline void Place(CNumEditCore& field, std::string_view shown)
{
    std::string text;
    std::size_t start = std::string::npos;
    std::size_t end = std::string::npos;
    for (const char c : shown) {
        if (c == '|')
            start = end = text.size();
        else if (c == '[')
            start = text.size();
        else if (c == ']')
            end = text.size();
        else
            text += c;
    }
    field.SetTextAndParse(text, 0);
    if (start != std::string::npos)
        field.SetSel(start, end);
}

// The field's text with the caret or selection marked the same way.
inline std::string Shown(const CNumEditCore& field)
{
    std::string text = field.GetText();
    if (field.GetSelStart() == field.GetSelEnd()) {
        text.insert(field.GetCaret(), 1, '|');
    } else {
        text.insert(field.GetSelEnd(), 1, ']');
        text.insert(field.GetSelStart(), 1, '[');
    }
    return text;
}

inline void Type(CNumEditCore& field, std::string_view keys)
{
    for (const char c : keys)
        field.OnChar(static_cast<unsigned char>(c));
}

} // namespace hn::test
