// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/AmountText.h"

#include <charconv>

namespace hn {

std::string InsertSeparators(std::string text, int n, char separator)
{
    if (n <= 0)
        return text;
    // From the right end leftward, so the indices still to visit stay valid.
    for (auto p = static_cast<std::ptrdiff_t>(text.size()) - n; p > 0; p -= n)
        text.insert(static_cast<std::size_t>(p), 1, separator);
    return text;
}

std::string FormatAmount(std::int64_t value)
{
    // The magnitude as unsigned, so that the most negative value has one too.
    const std::uint64_t magnitude =
        value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char digits[24];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, magnitude);
    (void)ec; // 24 characters always hold a uint64
    std::string text = InsertSeparators(std::string(digits, end), 3, ',');
    if (value < 0)
        text.insert(text.begin(), '-');
    return text;
}

} // namespace hn
