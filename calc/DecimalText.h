// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing decimal numbers with "." whatever the C locale says.
// Qt sets LC_NUMERIC from the environment, and under, say, de_DE.UTF-8 strtod
// would stop at "." and printf would write ",". Every rate, period and other
// "."-number of the program goes through here instead.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace hn {

// Reads a number at the start of `text` the way strtod does in the "C" locale,
// restricted to plain decimals: leading blanks (space, \t, \n, \v, \f, \r)
// skipped, an optional sign, digits with an optional ".", an optional exponent
// ("e" or "E", optional sign, digits). Reading stops at the first character
// that does not fit ("7a" reads 7, "1e" reads 1); a text without a number reads
// 0. No hexadecimal, "inf" or "nan" forms. A value beyond the double range
// reads as an infinity of its sign, one below it as a zero of its sign.
double ReadDecimalPrefix(std::string_view text) noexcept;

// How many characters ReadDecimalPrefix takes from `text` (blanks and sign
// included); 0 when the text holds no number.
std::size_t ScanDecimalPrefix(std::string_view text) noexcept;

// The whole text as one decimal number (surrounding blanks allowed); empty
// when anything else is in it or there is no number at all.
std::optional<double> ParseDecimal(std::string_view text) noexcept;

// Shortest text that reads back as the same double, with "." ("2", "0.1",
// "1e+300"); "nan", "inf" or "-inf" for the values without digits.
std::string FormatDecimal(double value);

} // namespace hn
