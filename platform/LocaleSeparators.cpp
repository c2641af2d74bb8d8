// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LocaleSeparators.h"

#include <QLocale>
#include <QString>

namespace hn {

namespace {

// The first character of a separator string, or `fallback` when the field cannot use it.
char FirstUsable(QStringView text, char fallback)
{
    if (text.isEmpty())
        return fallback;
    const char16_t c = text.front().unicode();
    const bool printableAscii = c >= 0x20 && c < 0x7F;
    const bool digitOrSign = (c >= u'0' && c <= u'9') || c == u'-' || c == u'+';
    return printableAscii && !digitOrSign ? static_cast<char>(c) : fallback;
}

} // namespace

LocaleSeparators ChooseSeparators(QStringView decimal, QStringView group)
{
    LocaleSeparators result;
    result.chDecimal = FirstUsable(decimal, '.');
    result.chThousand = FirstUsable(group, ',');
    if (result.chThousand == result.chDecimal)
        result.chThousand = result.chDecimal == ',' ? '.' : ',';
    return result;
}

LocaleSeparators SystemSeparators()
{
    const QLocale locale = QLocale::system();
    return ChooseSeparators(locale.decimalPoint(), locale.groupSeparator());
}

} // namespace hn
