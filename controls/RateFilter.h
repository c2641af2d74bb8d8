// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which typed characters the rate field takes: Backspace, the digits, and one "." as
// long as no exponent letter stands left of the caret. Everything else is dropped,
// control characters included.
#include <cstddef>
#include <string_view>

namespace hn {

// text: the field's text as it stands; caret: the character index of the caret.
bool RateFieldAccepts(char32_t ch, std::u16string_view text, std::size_t caret);

} // namespace hn
