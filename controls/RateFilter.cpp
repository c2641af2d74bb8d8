// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/RateFilter.h"

#include <algorithm>

namespace hn {

bool RateFieldAccepts(char32_t ch, std::u16string_view text, std::size_t caret)
{
    if (ch == U'\b' || (ch >= U'0' && ch <= U'9'))
        return true;
    if (ch != U'.')
        return false;
    if (text.find(u'.') != std::u16string_view::npos)
        return false;
    const std::u16string_view left = text.substr(0, std::min(caret, text.size()));
    return left.find_first_of(u"eE") == std::u16string_view::npos;
}

} // namespace hn
