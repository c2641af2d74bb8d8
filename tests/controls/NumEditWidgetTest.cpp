// SPDX-License-Identifier: GPL-3.0-or-later
// The numeric entry field as a user meets it: real key and mouse events into a shown
// CNumEdit, text and value read back.
#include "controls/CNumEdit.h"
#include "tests/controls/NumEditWidgetHarness.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace hn {
namespace {

using test::FieldWindow;

constexpr LocaleSeparators kDotComma{'.', ','};

struct WholeNumberField : FieldWindow<CNumEdit> {
    WholeNumberField()
        : FieldWindow<CNumEdit>(kDotComma)
    {
        field->SetDecimals(0);
        field->setFocus();
    }
};

// Whether the field left a key to its dialog.
bool PassesOn(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(w, &event);
    return !event.isAccepted();
}

TEST(NumEditWidget, TypingShowsGroupedDigitsAndKeepsTheValue)
{
    WholeNumberField w;
    QTest::keyClicks(w.field, "1234567");
    EXPECT_EQ(w.field->text(), "1,234,567");
    EXPECT_EQ(w.field->cursorPosition(), 9);
    EXPECT_EQ(w.field->GetValue(), 1234567.0);
    EXPECT_EQ(w.field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);

    QTest::keyClicks(w.field, "abc ,x");
    EXPECT_EQ(w.field->text(), "1,234,567");
    EXPECT_EQ(w.field->GetValue(), 1234567.0);
}

TEST(NumEditWidget, CaretKeysMoveAndEditKeysFollowTheCaret)
{
    WholeNumberField w;
    QTest::keyClicks(w.field, "1234");
    QTest::keyClick(w.field, Qt::Key_Home);
    EXPECT_EQ(w.field->cursorPosition(), 0);
    QTest::keyClick(w.field, Qt::Key_Right);
    QTest::keyClick(w.field, Qt::Key_Delete); // 1|,234: the separator goes with the 2
    EXPECT_EQ(w.field->text(), "134");
    EXPECT_EQ(w.field->cursorPosition(), 1);
    EXPECT_EQ(w.field->GetValue(), 134.0);

    QTest::keyClick(w.field, Qt::Key_End);
    QTest::keyClick(w.field, Qt::Key_Backspace);
    EXPECT_EQ(w.field->text(), "13");

    QTest::keyClick(w.field, Qt::Key_Home, Qt::ShiftModifier); // select all, then replace
    QTest::keyClicks(w.field, "9");
    EXPECT_EQ(w.field->text(), "9");
    EXPECT_EQ(w.field->GetValue(), 9.0);

    QTest::keyClick(w.field, Qt::Key_Left);
    QTest::keyClick(w.field, Qt::Key_Delete, Qt::ShiftModifier); // a delete, not a cut
    EXPECT_EQ(w.field->text(), "");
    EXPECT_EQ(w.field->GetValue(), 0.0);
}

TEST(NumEditWidget, TabEnterAndEscapeGoToTheDialog)
{
    WholeNumberField w;
    EXPECT_TRUE(PassesOn(w.field, Qt::Key_Return));
    EXPECT_TRUE(PassesOn(w.field, Qt::Key_Enter));
    EXPECT_TRUE(PassesOn(w.field, Qt::Key_Escape));
    EXPECT_FALSE(PassesOn(w.field, Qt::Key_Insert));
    EXPECT_FALSE(PassesOn(w.field, Qt::Key_Delete, Qt::ControlModifier));
    QTest::keyClick(w.field, Qt::Key_Tab);
    EXPECT_TRUE(w.plain->hasFocus());
}

TEST(NumEditWidget, NoPastePath)
{
    WholeNumberField w;
    ASSERT_NO_FATAL_FAILURE(test::PutOnClipboard("999"));
    test::ExpectPasteChangesPlainField(w.plain);

    QTest::keyClicks(w.field, "12");
    QTest::keyClick(w.field, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(w.field, Qt::Key_Insert, Qt::ShiftModifier);
    QTest::sendKeyEvent(QTest::Click, w.field, Qt::Key_Paste, QString(), Qt::NoModifier);
    EXPECT_EQ(w.field->text(), "12");

    EXPECT_TRUE(test::ContextMenuOpens(w.plain));
    EXPECT_FALSE(test::ContextMenuOpens(w.field));

    test::SendTextDrop(w.plain, "555");
    EXPECT_EQ(w.plain->text(), "555");
    test::SendTextDrop(w.field, "555");
    EXPECT_EQ(w.field->text(), "12");
    EXPECT_FALSE(w.field->acceptDrops());

    QTest::mouseClick(w.field, Qt::MiddleButton);
    EXPECT_EQ(w.field->text(), "12");
    EXPECT_EQ(w.field->GetValue(), 12.0);

    // Copying is no way in: Ctrl+A selects everything, Ctrl+C copies it, and the text
    // stays as it was.
    QTest::keyClick(w.field, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w.field->selectedText(), "12");
    QTest::keyClick(w.field, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "12");
    EXPECT_EQ(w.field->text(), "12");
}

TEST(NumEditWidget, InputMethodsAreOff)
{
    WholeNumberField w;
    EXPECT_FALSE(w.field->testAttribute(Qt::WA_InputMethodEnabled));
    EXPECT_FALSE(w.field->inputMethodQuery(Qt::ImEnabled).toBool());
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("５5"));
    QApplication::sendEvent(w.field, &commit);
    EXPECT_EQ(w.field->text(), "");
}

TEST(NumEditWidget, RightButtonChangesNothing)
{
    WholeNumberField w;
    QTest::keyClicks(w.field, "1234");
    QTest::keyClick(w.field, Qt::Key_Home);
    w.plain->setFocus();
    ASSERT_TRUE(w.plain->hasFocus());
    QCoreApplication::processEvents(); // paints: a line edit maps clicks with its last painted scroll

    const QPoint nearEnd(w.field->width() - 3, w.field->height() / 2);
    QTest::mouseClick(w.field, Qt::RightButton, Qt::NoModifier, nearEnd);
    EXPECT_TRUE(w.plain->hasFocus());
    EXPECT_EQ(w.field->cursorPosition(), 0);
    EXPECT_EQ(w.field->text(), "1,234");

    QTest::mouseClick(w.field, Qt::LeftButton, Qt::NoModifier, nearEnd); // the left one does both
    EXPECT_TRUE(w.field->hasFocus());
    EXPECT_EQ(w.field->cursorPosition(), 5);
}

TEST(NumEditWidget, FocusPolicySetAfterConstructionKeepsTheRightButtonOut)
{
    // The dialog builder sets each control's focus policy from its template row.
    QWidget window;
    auto* strong = new CNumEdit(kDotComma, &window);
    auto* never = new CNumEdit(kDotComma, &window);
    auto* plain = new QLineEdit(&window);
    strong->setFocusPolicy(Qt::StrongFocus);
    never->setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(strong);
    layout->addWidget(never);
    layout->addWidget(plain);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    plain->setFocus();

    QTest::mouseClick(strong, Qt::RightButton);
    EXPECT_TRUE(plain->hasFocus());
    QTest::mouseClick(never, Qt::LeftButton);
    EXPECT_TRUE(plain->hasFocus());
    QTest::mouseClick(strong, Qt::LeftButton);
    EXPECT_TRUE(strong->hasFocus());
    plain->setFocus();
    QTest::keyClick(plain, Qt::Key_Tab); // still a tab stop
    EXPECT_TRUE(strong->hasFocus());
}

// A text the window writes into the field (its data exchange, a slot recall) sets the
// value too: a field must never compute with a number other than the one it shows.
TEST(NumEditWidget, OutsideTextSetsTheValue)
{
    WholeNumberField w;
    QTest::keyClicks(w.field, "1234");
    w.field->setText("3,000");
    EXPECT_EQ(w.field->GetValue(), 3000.0);
    QTest::keyClick(w.field, Qt::Key_End);
    QTest::keyClicks(w.field, "5");
    EXPECT_EQ(w.field->text(), "30,005");
    EXPECT_EQ(w.field->GetValue(), 30005.0);

    w.field->setText("");
    EXPECT_EQ(w.field->GetValue(), 0.0);
    w.field->setText(QStringLiteral("１2")); // a full-width digit written from outside: no number
    EXPECT_EQ(w.field->GetValue(), 0.0);
    QTest::keyClick(w.field, Qt::Key_End);
    QTest::keyClicks(w.field, "+");
    EXPECT_EQ(w.field->text(), "");
    EXPECT_EQ(w.field->GetValue(), 0.0);

    // The field's own keys and SetValue leave the caret where they put it.
    w.field->SetValue(42);
    EXPECT_EQ(w.field->cursorPosition(), 0);
    EXPECT_EQ(w.field->GetValue(), 42.0);
}

TEST(NumEditWidget, FractionDigitsAndSetValue)
{
    FieldWindow<CNumEdit> w(kDotComma);
    EXPECT_EQ(w.field->GetDecimals(), 2);
    w.field->SetValue(1234.567);
    EXPECT_EQ(w.field->text(), "1,234.56");
    EXPECT_EQ(w.field->cursorPosition(), 0);
    EXPECT_EQ(w.field->GetValue(), 1234.56);

    QTest::keyClick(w.field, Qt::Key_End);
    QTest::keyClick(w.field, Qt::Key_Left);
    QTest::keyClicks(w.field, "9");
    EXPECT_EQ(w.field->text(), "1,234.59");
    EXPECT_EQ(w.field->GetValue(), 1234.59);

    w.field->SetDecimals(0);
    EXPECT_EQ(w.field->text(), "1,234");
    EXPECT_EQ(w.field->GetValue(), 1234.0);
}

TEST(NumEditWidget, CommaDecimalSeparators)
{
    FieldWindow<CNumEdit> w(LocaleSeparators{',', '.'});
    w.field->SetValue(0);
    QTest::keyClicks(w.field, "1234,5.");
    EXPECT_EQ(w.field->text(), "1.234,50");
    EXPECT_EQ(w.field->GetValue(), 1234.5);
}

} // namespace
} // namespace hn
