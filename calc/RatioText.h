// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The burden ratio as the summary window writes it (and the planning figures
// after it): four significant digits, trailing
// zeros after the point dropped but the point itself kept ("25.", "18.46", "5.5",
// "100."), and exponent form with a signed three-digit exponent ("1.235e+004") when
// the rounded value lies outside 0.1 … 10,000. Always with ".", whatever the locale.
#include <string>

namespace hn {

// The number alone, without the "%".
std::string FormatRatioNumber(double ratio);

// The text of the ratio label: the number followed by "%".
std::string FormatRatioText(double ratio);

} // namespace hn
