// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number conversions of the numeric entry field. Both ignore the C library's locale:
// Qt sets LC_NUMERIC from the environment, and the field's text is always read and
// written with "." whatever the user's locale shows.
#include <string>
#include <string_view>

namespace hn {

// The number that a field text starts with.
struct FieldNumber {
    double value = 0.0;      // always finite; +0.0 for a zero
    bool outOfRange = false; // the text stands for a magnitude beyond the double range
};

// Reads the leading number of text as atof does in the "C" locale (ReadDecimalPrefix of
// calc/DecimalText: blanks, sign, digits with ".", exponent; no number reads 0), except
// that a magnitude beyond the double range reads as the largest double with outOfRange
// set instead of an infinity, so the field never holds a value it cannot show.
FieldNumber ReadFieldNumber(std::string_view text);

// The first `count` significant decimal digits of |v|, correctly rounded, as the
// classic exponential digit conversion gives them, and the position of the decimal
// point: the number of digits before it (0 for the value 0 and for magnitudes from
// 0.1 below 1, negative for smaller ones). v must be finite; count is 1 to 17.
struct DecimalDigits {
    std::string digits;
    int pointPos = 0;
};
DecimalDigits SignificantDigits(double v, int count);

} // namespace hn
