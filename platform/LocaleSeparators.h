// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decimal and thousands separators of the numeric entry field, taken from the
// user's locale (the desktop's stand-in for the system locale query).
#include <QStringView>

namespace hn {

struct LocaleSeparators {
    char chDecimal = '.';
    char chThousand = ',';
};

// Picks the field's two characters from the locale's decimal and group strings: the
// first character of each. A string that is empty or starts with a character the field
// cannot use (outside printable ASCII, a digit or a sign) gives the default "." or ",".
// When the thousands character equals the decimal one it falls back to ",", and to "."
// when the decimal character is itself ",": two equal separators would make the field
// drop every decimal character it is given.
LocaleSeparators ChooseSeparators(QStringView decimal, QStringView group);

// ChooseSeparators on QLocale::system().
LocaleSeparators SystemSeparators();

} // namespace hn
