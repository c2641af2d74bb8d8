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

namespace {

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\u3000';
}

// Full-width digits and point, as a Japanese input method types them.
char16_t Narrow(char16_t c)
{
    if (c >= u'\uFF10' && c <= u'\uFF19')
        return static_cast<char16_t>(u'0' + (c - u'\uFF10'));
    if (c == u'\uFF0E')
        return u'.';
    return c;
}

bool IsRateText(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return c == u'.' || (c >= u'0' && c <= u'9'); }) &&
           std::count(text.begin(), text.end(), u'.') <= 1;
}

} // namespace

std::optional<std::u16string> RatePaste(std::u16string_view text, std::size_t selStart, std::size_t selEnd,
                                        std::u16string_view pasted, std::size_t maxLength)
{
    while (!pasted.empty() && IsBlank(pasted.front()))
        pasted.remove_prefix(1);
    while (!pasted.empty() && IsBlank(pasted.back()))
        pasted.remove_suffix(1);
    if (!pasted.empty() && (pasted.back() == u'%' || pasted.back() == u'\uFF05'))
        pasted.remove_suffix(1);
    while (!pasted.empty() && IsBlank(pasted.back()))
        pasted.remove_suffix(1);
    std::u16string figure;
    for (char16_t c : pasted)
        figure += Narrow(c);
    if (figure.empty() || !IsRateText(figure))
        return std::nullopt;
    const std::size_t start = std::min({selStart, selEnd, text.size()});
    const std::size_t end = std::min(std::max(selStart, selEnd), text.size());
    std::u16string after(text.substr(0, start));
    after += figure;
    after += text.substr(end);
    if (after.size() > maxLength || !IsRateText(after))
        return std::nullopt;
    return figure;
}

} // namespace hn
