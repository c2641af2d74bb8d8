// SPDX-License-Identifier: GPL-3.0-or-later
// The rate field: its character and paste filters, and typing into a shown CRateEdit.
#include "controls/CRateEdit.h"
#include "controls/RateFilter.h"
#include "tests/controls/NumEditWidgetHarness.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace hn {
namespace {

TEST(RateEditFilter, DigitsBackspaceAndOnePointLeftOfAnyExponent)
{
    EXPECT_TRUE(RateFieldAccepts(U'\b', u"1.5", 3));
    for (char32_t d = U'0'; d <= U'9'; ++d)
        EXPECT_TRUE(RateFieldAccepts(d, u"", 0));

    EXPECT_TRUE(RateFieldAccepts(U'.', u"", 0));
    EXPECT_TRUE(RateFieldAccepts(U'.', u"12", 1));
    EXPECT_FALSE(RateFieldAccepts(U'.', u"1.2", 3));
    EXPECT_FALSE(RateFieldAccepts(U'.', u"1.2", 0)); // one point in the whole text
    // An exponent letter (only from a text written from outside) left of the caret.
    EXPECT_FALSE(RateFieldAccepts(U'.', u"1e5", 3));
    EXPECT_FALSE(RateFieldAccepts(U'.', u"1E5", 2));
    EXPECT_TRUE(RateFieldAccepts(U'.', u"1e5", 1));
    EXPECT_TRUE(RateFieldAccepts(U'.', u"1e5", 0));
    EXPECT_TRUE(RateFieldAccepts(U'.', u"12", 99)); // a caret past the end is the end

    for (const char32_t ch : {U'a', U'e', U',', U'-', U'+', U' ', U'\x16', U'\x7f', U'\r', U'\uFF15', U'\U0001F600'})
        EXPECT_FALSE(RateFieldAccepts(ch, u"1", 1)) << static_cast<unsigned>(ch);
}

struct RateWindow : test::FieldWindow<CRateEdit> {
    RateWindow()
    {
        field->setMaxLength(5);
        field->setFocus();
    }
};

TEST(RateEditWidget, SecondPointIsDroppedAndLettersChangeNothing)
{
    RateWindow w;
    QTest::keyClicks(w.field, "1.2.3");
    EXPECT_EQ(w.field->text(), "1.23");
    EXPECT_DOUBLE_EQ(w.field->GetValue(), 1.23);

    QTest::keyClicks(w.field, "abc-+e ,");
    EXPECT_EQ(w.field->text(), "1.23");

    QTest::keyClick(w.field, Qt::Key_Backspace);
    EXPECT_EQ(w.field->text(), "1.2");
    QTest::keyClick(w.field, Qt::Key_Home);
    QTest::keyClick(w.field, Qt::Key_Delete);
    EXPECT_EQ(w.field->text(), ".2");
}

TEST(RateEditWidget, KeepsToItsLengthLimit)
{
    RateWindow w;
    QTest::keyClicks(w.field, "123456");
    EXPECT_EQ(w.field->text(), "12345");
    QTest::keyClick(w.field, Qt::Key_Home, Qt::ShiftModifier);
    QTest::keyClicks(w.field, "9");
    EXPECT_EQ(w.field->text(), "9");
}

// A paste is a rate or nothing: "3,000万円" must never become 3000, and no part of a
// text goes in where the whole cannot.
TEST(RateEditFilter, APasteIsTakenWholeOrRefused)
{
    EXPECT_EQ(RatePaste(u"", 0, 0, u" 2.5% ", 5), u"2.5");
    EXPECT_EQ(RatePaste(u"", 0, 0, u"\uFF13\uFF0E\uFF12\uFF15\u3000\uFF05", 5), u"3.25"); // full width
    EXPECT_EQ(RatePaste(u"1.5", 0, 3, u"0.75", 5), u"0.75");  // in place of the selection
    EXPECT_EQ(RatePaste(u"1.", 2, 2, u"25", 5), u"25");
    for (const std::u16string_view refused : {u"3,000万円", u"2.5.1", u"-1", u"1e5", u"", u"%", u"年2%", u"12 5"})
        EXPECT_FALSE(RatePaste(u"", 0, 0, refused, 5)) << std::string(refused.begin(), refused.end());
    EXPECT_FALSE(RatePaste(u"1.5", 3, 3, u".2", 5));  // a second point
    EXPECT_FALSE(RatePaste(u"12", 2, 2, u"3456", 5)); // beyond the field's length
}

TEST(RateEditWidget, PasteOfSomethingElseChangesNothing)
{
    RateWindow w;
    QTest::keyClicks(w.field, "1.5");
    ASSERT_NO_FATAL_FAILURE(test::PutOnClipboard(QString::fromUtf8("3,000万円")));
    QTest::keyClick(w.field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(w.field->text(), "1.5");
    ASSERT_NO_FATAL_FAILURE(test::PutOnClipboard(QString::fromUtf8("2.375%")));
    QTest::keyClick(w.field, Qt::Key_Insert, Qt::ShiftModifier); // replaces the selection
    EXPECT_EQ(w.field->text(), "2.375");
    QTest::keyClick(w.field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w.field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "2.375");
}

TEST(RateEditWidget, NoOtherWayIn)
{
    RateWindow w;
    ASSERT_NO_FATAL_FAILURE(test::PutOnClipboard("7.5"));
    QTest::keyClicks(w.field, "2");
    EXPECT_FALSE(test::ContextMenuOpens(w.field));
    test::SendTextDrop(w.field, "9");
    QTest::mouseClick(w.field, Qt::MiddleButton);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("5"));
    QApplication::sendEvent(w.field, &commit);
    EXPECT_EQ(w.field->text(), "2");
    EXPECT_FALSE(w.field->inputMethodQuery(Qt::ImEnabled).toBool());
}

TEST(RateEditWidget, RightButtonChangesNothing)
{
    RateWindow w;
    QTest::keyClicks(w.field, "12");
    QTest::keyClick(w.field, Qt::Key_Home);
    w.plain->setFocus();
    ASSERT_TRUE(w.plain->hasFocus());
    QCoreApplication::processEvents();
    QTest::mouseClick(w.field, Qt::RightButton, Qt::NoModifier, QPoint(w.field->width() - 3, w.field->height() / 2));
    EXPECT_TRUE(w.plain->hasFocus());
    EXPECT_EQ(w.field->cursorPosition(), 0);
}

TEST(RateEditWidget, ValueIsReadWithAPointUnderACommaLocale)
{
    RateWindow w;
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    QTest::keyClicks(w.field, "2.75");
    const double typed = w.field->GetValue();
    w.field->setText("7a"); // a text from outside is read up to the first misfit
    const double outside = w.field->GetValue();
    w.field->setText("");
    const double empty = w.field->GetValue();
    std::setlocale(LC_NUMERIC, saved.c_str());

    EXPECT_DOUBLE_EQ(typed, 2.75);
    EXPECT_DOUBLE_EQ(outside, 7.0);
    EXPECT_EQ(empty, 0.0);
    if (!german)
        GTEST_SKIP() << "de_DE.UTF-8 is not installed: read under the C locale only";
}

} // namespace
} // namespace hn
