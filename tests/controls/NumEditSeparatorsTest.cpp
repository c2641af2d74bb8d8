// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the entry field's separators from a locale's decimal and group strings.
#include "platform/LocaleSeparators.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace hn {
namespace {

void ExpectPair(const LocaleSeparators& s, char chDecimal, char chThousand)
{
    EXPECT_EQ(s.chDecimal, chDecimal);
    EXPECT_EQ(s.chThousand, chThousand);
}

LocaleSeparators Of(const QLocale& locale)
{
    return ChooseSeparators(locale.decimalPoint(), locale.groupSeparator());
}

TEST(NumEditSeparators, FirstCharacterOfEachString)
{
    ExpectPair(ChooseSeparators(u".", u","), '.', ',');
    ExpectPair(ChooseSeparators(u",", u"."), ',', '.');
    ExpectPair(ChooseSeparators(u".", u"'"), '.', '\'');
    ExpectPair(ChooseSeparators(u"..", u",x"), '.', ',');
    ExpectPair(ChooseSeparators(u",", u" "), ',', ' ');
}

TEST(NumEditSeparators, FallbacksNeverGiveTwoEqualCharacters)
{
    ExpectPair(ChooseSeparators(u".", u"."), '.', ',');
    // With "," as the decimal the usual fallback "," would make both the same.
    ExpectPair(ChooseSeparators(u",", u","), ',', '.');
    ExpectPair(ChooseSeparators(u",", u""), ',', '.');
    ExpectPair(ChooseSeparators(u",", u"\u202F"), ',', '.');
    ExpectPair(ChooseSeparators(u"", u""), '.', ',');
    ExpectPair(ChooseSeparators(u"\u066B", u"\u066C"), '.', ',');
    // Characters the field would mistake for part of a number.
    ExpectPair(ChooseSeparators(u"0", u"-"), '.', ',');
    ExpectPair(ChooseSeparators(u"+", u"7"), '.', ',');
    ExpectPair(ChooseSeparators(u"\t", u"\x7f"), '.', ',');
}

TEST(NumEditSeparators, RealLocales)
{
    ExpectPair(Of(QLocale(QLocale::Japanese, QLocale::Japan)), '.', ',');
    ExpectPair(Of(QLocale(QLocale::English, QLocale::UnitedStates)), '.', ',');
    ExpectPair(Of(QLocale(QLocale::German, QLocale::Germany)), ',', '.');
    ExpectPair(Of(QLocale(QLocale::French, QLocale::France)), ',', '.'); // its group is a narrow no-break space
    ExpectPair(Of(QLocale::c()), '.', ',');
}

} // namespace
} // namespace hn
