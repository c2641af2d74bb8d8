// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/HeadingLines.h"

#include <array>

namespace hn {

namespace {

// U+3000 IDEOGRAPHIC SPACE, U+3001 IDEOGRAPHIC COMMA, U+2192 RIGHTWARDS ARROW.
constexpr std::array<std::string_view, 3> kBreakAfter = {"\xE3\x80\x80", "\xE3\x80\x81", "\xE2\x86\x92"};

} // namespace

std::vector<std::string> HeadingPieces(std::string_view heading)
{
    std::vector<std::string> pieces;
    std::size_t start = 0;
    for (std::size_t at = 0; at < heading.size();) {
        std::size_t mark = 0;
        for (std::string_view b : kBreakAfter)
            if (heading.substr(at, b.size()) == b)
                mark = b.size();
        if (mark == 0) {
            ++at;
            continue;
        }
        at += mark;
        pieces.emplace_back(heading.substr(start, at - start));
        start = at;
    }
    if (start < heading.size())
        pieces.emplace_back(heading.substr(start));
    return pieces;
}

std::vector<std::size_t> PackLines(const std::vector<int>& widths, int lineWidth)
{
    std::vector<std::size_t> starts;
    int used = 0;
    for (std::size_t k = 0; k < widths.size(); ++k) {
        if (starts.empty() || used + widths[k] > lineWidth) {
            starts.push_back(k);
            used = 0;
        }
        used += widths[k];
    }
    return starts;
}

} // namespace hn
