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

std::string FormatAmount(std::int32_t value)
{
    char digits[16];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    (void)ec; // 16 characters always hold an int32
    const bool negative = value < 0;
    const char* first = digits + (negative ? 1 : 0);
    std::string text = InsertSeparators(std::string(first, static_cast<const char*>(end)), 3, ',');
    if (negative)
        text.insert(text.begin(), '-');
    return text;
}

} // namespace hn
