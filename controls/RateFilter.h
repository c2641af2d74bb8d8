// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which typed characters the rate field takes: Backspace, the digits, and one "." as
// long as no exponent letter stands left of the caret. Everything else is dropped,
// control characters included.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace hn {

// text: the field's text as it stands; caret: the character index of the caret.
bool RateFieldAccepts(char32_t ch, std::u16string_view text, std::size_t caret);

// A paste is taken whole or not at all: the pasted text must be a rate (digits with at
// most one point; blanks around it and a "%" after it are left out, full-width digits and
// point read as theirs), and the field's text with it in place of the selection
// [selStart, selEnd) must still be one, within maxLength. The figure to insert, or empty
// when the field refuses the paste ("3,000万円" is no rate: it never becomes 3000).
std::optional<std::u16string> RatePaste(std::u16string_view text, std::size_t selStart, std::size_t selEnd,
                                        std::u16string_view pasted, std::size_t maxLength);

} // namespace hn
