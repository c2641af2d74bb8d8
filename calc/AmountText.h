// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Amount text of the result fields: decimal digits with a comma every three
// characters from the right, no unit. The user's regional settings play no
// part here (unlike the entry fields).
#include <cstdint>
#include <string>

namespace hn {

// 1234567 -> "1,234,567". A negative value keeps its sign in front of the
// grouped digits ("-1,234"); the program itself passes no negative amounts.
// 64 bits wide, so that the summary window's sums of 32-bit figures fit.
std::string FormatAmount(std::int64_t value);

// Inserts `separator` before every n-th character counted from the right end,
// whatever the characters are. A text of at most n characters, and any text
// when n is not positive, comes back unchanged.
std::string InsertSeparators(std::string text, int n, char separator);

} // namespace hn
