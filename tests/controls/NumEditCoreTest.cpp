// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric entry field's editing, key by key, without a window.
#include "controls/NumEditCore.h"
#include "tests/controls/NumEditTestText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace hn {
namespace {

using test::Place;
using test::Shown;
using test::Type;

CNumEditCore WholeNumbers(char chDecimal = '.', char chThousand = ',')
{
    CNumEditCore field(chDecimal, chThousand);
    field.SetDecimals(0);
    return field;
}

std::size_t DigitCount(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

TEST(NumEditTyping, GroupsThousandsWhileTyping)
{
    CNumEditCore field = WholeNumbers();
    Type(field, "1234");
    EXPECT_EQ(Shown(field), "1,234|");
    Type(field, "567");
    EXPECT_EQ(Shown(field), "1,234,567|");
    EXPECT_EQ(field.GetValue(), 1234567.0);
}

TEST(NumEditTyping, CaretSkipsTheSeparatorAfterADigit)
{
    CNumEditCore field = WholeNumbers();
    Place(field, "|123");
    Type(field, "4");
    EXPECT_EQ(Shown(field), "4,|123");
    Place(field, "1|,234");
    Type(field, "5");
    EXPECT_EQ(Shown(field), "15,|234");
    EXPECT_EQ(field.GetValue(), 15234.0);
}

TEST(NumEditTyping, LeadingZeroVanishesAtTheNextKey)
{
    CNumEditCore field = WholeNumbers();
    Type(field, "0");
    EXPECT_EQ(Shown(field), "0|");
    Type(field, "5");
    EXPECT_EQ(Shown(field), "5|");
    EXPECT_EQ(field.GetValue(), 5.0);
}

TEST(NumEditTyping, SelectionIsReplacedByTheKey)
{
    CNumEditCore field = WholeNumbers();
    Place(field, "1,[234]");
    Type(field, "9");
    EXPECT_EQ(Shown(field), "19|");
    EXPECT_EQ(field.GetValue(), 19.0);

    Place(field, "1,[234]");
    field.OnChar(U'\b');
    EXPECT_EQ(Shown(field), "1|");
    EXPECT_EQ(field.GetValue(), 1.0);

    Place(field, "1,[23]4");
    field.OnDeleteKey();
    EXPECT_EQ(Shown(field), "14|");
    EXPECT_EQ(field.GetValue(), 14.0);
}

TEST(NumEditTyping, CharactersOutsideTheFieldChangeNothing)
{
    CNumEditCore field = WholeNumbers();
    Type(field, "1234");
    Place(field, "1,2|34");
    for (const char32_t ch : {U'a', U'E', U' ', U',', U'\uFF13', U'\x16', U'\x03', U'\t', U'\r', U'\x7f', U'\0'}) {
        EXPECT_FALSE(field.OnChar(ch)) << static_cast<unsigned>(ch);
        EXPECT_EQ(Shown(field), "1,2|34");
        EXPECT_EQ(field.GetValue(), 1234.0);
    }
}

TEST(NumEditDelete, BackspaceAndDeleteAroundSeparators)
{
    CNumEditCore field = WholeNumbers();
    Place(field, "1,|234");
    field.OnChar(U'\b');
    EXPECT_EQ(Shown(field), "|234");
    EXPECT_EQ(field.GetValue(), 234.0);

    Place(field, "1|,234");
    field.OnDeleteKey();
    EXPECT_EQ(Shown(field), "1|34");
    EXPECT_EQ(field.GetValue(), 134.0);

    Place(field, "1,234,|567");
    field.OnChar(U'\b');
    EXPECT_EQ(Shown(field), "123,|567");

    Place(field, "1,234|,567");
    field.OnDeleteKey();
    EXPECT_EQ(Shown(field), "123,4|67");

    Place(field, "|1,234");
    field.OnChar(U'\b');
    EXPECT_EQ(Shown(field), "|1,234");
    Place(field, "1,234|");
    field.OnDeleteKey();
    EXPECT_EQ(Shown(field), "1,234|");
}

TEST(NumEditDecimalKey, CutsAWholeNumberAtTheCaret)
{
    CNumEditCore field = WholeNumbers();
    Place(field, "1,2|34");
    Type(field, ".");
    EXPECT_EQ(Shown(field), "12|");
    EXPECT_EQ(field.GetValue(), 12.0);

    Place(field, "1,234|");
    Type(field, ".");
    EXPECT_EQ(Shown(field), "1,234|");
}

TEST(NumEditSign, MinusAndPlusKeys)
{
    CNumEditCore field = WholeNumbers();
    Type(field, "-");
    EXPECT_EQ(Shown(field), "-|");
    EXPECT_EQ(field.GetValue(), 0.0);
    Type(field, "5");
    EXPECT_EQ(Shown(field), "5|"); // the lone minus went with the normalisation

    field.SetValue(0);
    Type(field, "500-");
    EXPECT_EQ(Shown(field), "-500|");
    EXPECT_EQ(field.GetValue(), -500.0);
    Type(field, "+");
    EXPECT_EQ(Shown(field), "500|");
    EXPECT_EQ(field.GetValue(), 500.0);
    Type(field, "+");
    EXPECT_EQ(Shown(field), "500|");

    field.SetValue(123456);
    field.SetSel(6, 6);
    Type(field, "-");
    EXPECT_EQ(Shown(field), "-123,45|6"); // no separator right after the minus sign
    Type(field, "-");
    EXPECT_EQ(Shown(field), "123,45|6");
}

TEST(NumEditOutsideText, SetsTheValueAsTheNextKeyWouldReadIt)
{
    CNumEditCore field = WholeNumbers();
    Type(field, "1234");
    field.SetText("3,000");
    EXPECT_EQ(field.GetText(), "3,000");
    EXPECT_EQ(field.GetValue(), 3000.0);

    Type(field, "5");
    EXPECT_EQ(Shown(field), "30,005|");
    EXPECT_EQ(field.GetValue(), 30005.0);

    field.SetText("777");
    EXPECT_EQ(field.GetValue(), 777.0);
    field.SetSel(3, 3);
    field.OnChar(U'\b');
    EXPECT_EQ(Shown(field), "77|");
    EXPECT_EQ(field.GetValue(), 77.0);

    field.SetText("-1,5x");
    EXPECT_EQ(field.GetValue(), -15.0);
    field.SetText("abc");
    EXPECT_EQ(field.GetValue(), 0.0);
}

TEST(NumEditValue, SetValueShowsTheCanonicalTextWithTheCaretAtTheStart)
{
    CNumEditCore field = WholeNumbers();
    field.SetValue(1234.9);
    EXPECT_EQ(Shown(field), "|1,234");
    EXPECT_EQ(field.GetValue(), 1234.0); // the digits the text does not show are gone
    field.SetValue(-1234567);
    EXPECT_EQ(Shown(field), "|-1,234,567");
    field.SetValue(0);
    EXPECT_EQ(Shown(field), "|");
    field.SetValue(-0.4); // no lone minus for a number that shows as 0
    EXPECT_EQ(Shown(field), "|");
    EXPECT_EQ(field.GetValue(), 0.0);
    EXPECT_FALSE(std::signbit(field.GetValue()));

    field.SetValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(field.GetValue(), 0.0);
    field.SetValue(-std::numeric_limits<double>::infinity());
    EXPECT_EQ(field.GetValue(), -DBL_MAX);
    EXPECT_EQ(field.GetText().substr(0, 8), "-179,769");
}

TEST(NumEditValue, MoreThanSeventeenDigitsShowTheSeventeenDigitConversionFromTheNextKeyOn)
{
    CNumEditCore field = WholeNumbers();
    Type(field, "12345678901234567");
    EXPECT_EQ(Shown(field), "12,345,678,901,234,567|");
    Type(field, "8"); // normalises first: 12345678901234567 is held as ...568
    EXPECT_EQ(Shown(field), "123,456,789,012,345,688|");

    field.SetText("12,345,678,901,234,567,890"); // written from outside: no key has normalised it
    field.SetSel(26, 26);
    Type(field, "+");
    EXPECT_EQ(Shown(field), "12,345,678,901,234,567,000|");
    EXPECT_EQ(field.GetValue(), 12345678901234567890.0);
}

TEST(NumEditFraction, TwoFractionDigits)
{
    CNumEditCore field; // 2 fraction digits by default
    EXPECT_EQ(field.GetDecimals(), 2);
    field.SetValue(1234.567);
    EXPECT_EQ(Shown(field), "|1,234.56");
    EXPECT_EQ(field.GetValue(), 1234.56);

    Place(field, "1,234.5|0");
    Type(field, "9");
    EXPECT_EQ(Shown(field), "1,234.59|");
    EXPECT_EQ(field.GetValue(), 1234.59);

    Place(field, "1,234.5|0");
    field.OnChar(U'\b');
    EXPECT_EQ(Shown(field), "1,234.|00");
    EXPECT_EQ(field.GetValue(), 1234.0);

    Place(field, "1,234.|00");
    field.OnChar(U'\b'); // steps over the decimal character and deletes the digit before it
    EXPECT_EQ(Shown(field), "123|.00");

    Place(field, "1,234.|59");
    field.OnDeleteKey();
    EXPECT_EQ(Shown(field), "1,234.|90");
    EXPECT_EQ(field.GetValue(), 1234.9);

    Place(field, "1,234.56|");
    Type(field, "7"); // no digit beyond the shown ones
    EXPECT_EQ(Shown(field), "1,234.56|");

    Place(field, "1,2|34.56");
    Type(field, ".");
    EXPECT_EQ(Shown(field), "12.|56");

    field.SetValue(0);
    EXPECT_EQ(field.GetText(), ".00");
    field.SetValue(0.05);
    EXPECT_EQ(field.GetText(), ".05");
    field.SetValue(-0.5);
    EXPECT_EQ(field.GetText(), "-.50");
    field.SetValue(-0.001);
    EXPECT_EQ(field.GetText(), ".00");
}

TEST(NumEditFraction, TypedFractionsSurviveTheNextKey)
{
    CNumEditCore field;
    field.SetValue(0);
    field.SetSel(0, 0);
    Type(field, "1234.59");
    EXPECT_EQ(Shown(field), "1,234.59|");
    Type(field, "+"); // normalises: a cut 17-digit conversion would show 1,234.58
    EXPECT_EQ(Shown(field), "1,234.59|");
    EXPECT_EQ(field.GetValue(), 1234.59);

    field.SetValue(0.29);
    EXPECT_EQ(field.GetText(), ".29");
    field.SetValue(1234.56);
    EXPECT_EQ(field.GetText(), "1,234.56");

    Place(field, ".|");
    Type(field, "5");
    EXPECT_EQ(Shown(field), ".5|0");
}

TEST(NumEditSeparators, CommaDecimalLocale)
{
    // The C library's numeric locale must not matter: the parse always uses ".".
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;

    CNumEditCore whole = WholeNumbers(',', '.');
    Type(whole, "1234567");
    EXPECT_EQ(Shown(whole), "1.234.567|");
    EXPECT_EQ(whole.GetValue(), 1234567.0);
    EXPECT_FALSE(whole.OnChar(U'.')); // the group separator is not a key

    CNumEditCore fraction(',', '.');
    fraction.SetValue(0);
    Type(fraction, "1234,5");
    EXPECT_EQ(Shown(fraction), "1.234,5|0");
    EXPECT_EQ(fraction.GetValue(), 1234.5);
    fraction.SetValue(1234.567);
    EXPECT_EQ(fraction.GetText(), "1.234,56");

    CNumEditCore dotted; // "." decimal, "," group: "," is ignored
    dotted.SetValue(0);
    EXPECT_FALSE(dotted.OnChar(U','));
    EXPECT_EQ(dotted.GetText(), ".00");

    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!german)
        GTEST_SKIP() << "de_DE.UTF-8 is not installed: checked under the C locale only";
}

TEST(NumEditHugeInput, ValueStaysFiniteAndTheTextSane)
{
    CNumEditCore field = WholeNumbers();
    Type(field, std::string(400, '9'));
    EXPECT_TRUE(std::isfinite(field.GetValue()));
    EXPECT_GT(field.GetValue(), 1e307);
    EXPECT_EQ(field.GetValue(), field.ParseText(field.GetText()));
    EXPECT_GE(DigitCount(field.GetText()), 308u);
    EXPECT_LE(DigitCount(field.GetText()), 309u);

    // The field takes no digit that would carry the number past the largest double.
    field.SetValue(1e308);
    const std::string limit = field.GetText();
    EXPECT_EQ(DigitCount(limit), 309u);
    field.SetSel(limit.size(), limit.size());
    Type(field, "0");
    EXPECT_EQ(field.GetText(), limit);
    EXPECT_EQ(field.GetValue(), 1e308);
    field.SetSel(0, 0);
    Type(field, "2");
    EXPECT_EQ(Shown(field), "|" + limit);
    field.SetSel(limit.size(), limit.size());
    field.OnChar(U'\b'); // one digit less leaves room for one again
    EXPECT_EQ(DigitCount(field.GetText()), 308u);
    Type(field, "9");
    EXPECT_EQ(field.GetText().back(), '9');
    EXPECT_LT(field.GetValue(), DBL_MAX);

    // A huge text from outside reads as the largest double, and the next key shows it.
    field.SetText(std::string(400, '9'));
    EXPECT_EQ(field.GetValue(), DBL_MAX);
    Type(field, "+");
    EXPECT_EQ(field.GetValue(), DBL_MAX);
    EXPECT_EQ(field.GetText().substr(0, 23), "179,769,313,486,231,570");
    EXPECT_EQ(DigitCount(field.GetText()), 309u);

    CNumEditCore fraction;
    fraction.SetValue(DBL_MAX);
    EXPECT_EQ(fraction.GetValue(), DBL_MAX);
    fraction.SetSel(fraction.GetText().size() - 1, fraction.GetText().size() - 1);
    Type(fraction, "5");
    EXPECT_EQ(fraction.GetValue(), DBL_MAX);

    fraction.SetDecimals(1'000'000);
    EXPECT_EQ(fraction.GetDecimals(), CNumEditCore::kMaxDecimals);
    fraction.SetDecimals(-3);
    EXPECT_EQ(fraction.GetDecimals(), 0);
}

// The grouping every edit applies to the text as it stands: Backspace at the very start
// deletes nothing and regroups the rest.
std::string Regrouped(CNumEditCore field, std::string_view text)
{
    field.SetText(text);
    field.SetSel(0, 0);
    field.OnChar(U'\b');
    return field.GetText();
}

TEST(NumEditRoutines, GroupingTrimAndParse)
{
    const CNumEditCore whole = WholeNumbers();
    EXPECT_EQ(Regrouped(whole, "-123456"), "-123,456");
    EXPECT_EQ(Regrouped(whole, "-123"), "-123");
    EXPECT_EQ(Regrouped(whole, "123"), "123");
    EXPECT_EQ(Regrouped(whole, "1,2,3,4"), "1,234");
    EXPECT_EQ(Regrouped(whole, "12.5"), "12"); // no fraction digits: the fraction goes

    const CNumEditCore fraction;
    EXPECT_EQ(Regrouped(fraction, "1234.5"), "1,234.5");
    EXPECT_EQ(Regrouped(fraction, "12"), "12.");
    // Separators go from the integer part, which is grouped afresh; everything after
    // the first point is the fraction.
    EXPECT_EQ(Regrouped(fraction, "1,2,34.5.6"), "1,234.5.6");

    EXPECT_EQ(fraction.ParseText("-"), 0.0);
    EXPECT_EQ(fraction.ParseText(""), 0.0);
    EXPECT_EQ(fraction.ParseText("-1,234.5"), -1234.5);
    EXPECT_EQ(fraction.ParseText("inf"), 0.0);
    EXPECT_EQ(fraction.ParseText("1e400"), DBL_MAX);
}

} // namespace
} // namespace hn
