// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window driven through its real fields, options and buttons.
#include "tests/app/LoanDlgFixture.h"

#include "calc/CheckMessages.h"
#include "calc/RepaymentMethod.h"
#include "controls/CDrawnOptionButton.h"
#include "controls/Utf8Text.h"
#include "platform/LocaleSeparators.h"
#include "tests/support/WorkedLoan.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>

namespace hn::test {
namespace {

struct Expected {
    int option;
    const char* monthly[3];
    const char* bonus[3];
    const char* annual;
    const char* required;
    const char* total;
};

const Expected kWorked[] = {
    {IDC_METHOD_CORPORATION_BASIC, {"79,503", "79,503", "88,948"}, {"119,596", "119,596", "133,936"}, "1,193,228", "596", "45,313,480"},
    {IDC_METHOD_CORPORATION_YUTORI, {"63,309", "83,276", "93,170"}, {"95,194", "125,275", "140,296"}, "950,096", "596", "45,965,590"},
    {IDC_METHOD_PENSION_BASIC, {"79,503", "79,503", "88,948"}, {"119,596", "119,596", "133,936"}, "1,193,228", "596", "45,313,480"},
    {IDC_METHOD_PENSION_STEP, {"63,309", "83,276", "93,170"}, {"95,194", "125,275", "140,296"}, "950,096", "596", "45,965,590"},
    {IDC_METHOD_EQUAL_PRINCIPAL, {"97,142", "91,427", "99,999"}, {"145,714", "137,142", "149,999"}, "1,450,841", "728", "43,246,377"},
    {IDC_METHOD_BANK, {"79,503", "79,503", "79,503"}, {"119,596", "119,596", "119,596"}, "1,193,228", "596", "41,762,980"},
};

const int kResultIds[] = {IDC_MONTHLY1, IDC_MONTHLY2, IDC_MONTHLY3, IDC_BONUS1, IDC_BONUS2,
                          IDC_BONUS3,   IDC_ANNUAL,   IDC_REQUIRED_INCOME, IDC_TOTAL};

// The amount fields group with the user's locale ("3,000", or "3.000" under de_DE).
QString Grouped3000()
{
    return QLatin1Char('3') + QChar::fromLatin1(SystemSeparators().chThousand) + QStringLiteral("000");
}

class CalculatorWindow : public LoanDlgTest {
protected:
    std::vector<QString> Results() const
    {
        std::vector<QString> texts;
        for (int id : kResultIds)
            texts.push_back(Text(id));
        return texts;
    }
    bool HasFocus(int id) const
    {
        QWidget* f = Focused();
        return f && (f == Item(id) || Item(id)->isAncestorOf(f));
    }
    bool WholeTextSelected(int id) const
    {
        auto* edit = qobject_cast<QLineEdit*>(Item(id));
        return edit && !edit->text().isEmpty() && edit->selectedText() == edit->text();
    }
    void Unfix() { dlg->MenuAction(ID_FIX_PERIOD)->trigger(); }
    void ExpectCaptions(const CaptionSet& c)
    {
        EXPECT_EQ(Text(IDC_BAND1_CAPTION), FromUtf8(c.band[0]));
        EXPECT_EQ(Text(IDC_BAND2_CAPTION), FromUtf8(c.band[1]));
        EXPECT_EQ(Text(IDC_BAND3_CAPTION), FromUtf8(c.band[2]));
        EXPECT_EQ(Text(IDC_RATE1_CAPTION), FromUtf8(c.rate1));
        EXPECT_EQ(Text(IDC_ANNUAL_YEAR_CAPTION), FromUtf8(c.annual));
    }
    bool SecondRateRowShown() const
    {
        const bool field = Visible(IDC_RATE2);
        EXPECT_EQ(Visible(IDC_RATE2_CAPTION), field);
        EXPECT_EQ(Visible(IDC_RATE2_UNIT), field);
        return field;
    }
};

TEST_F(CalculatorWindow, StartsEmptyWithTheFirstMethodAndTwentyFiveYears)
{
    EXPECT_EQ(dlg->windowTitle(), "Hensai Navi");
    EXPECT_TRUE(HasFocus(IDC_LOAN));
    EXPECT_EQ(Text(IDC_PERIOD), "25");
    EXPECT_TRUE(SecondRateRowShown());
    EXPECT_TRUE(Visible(IDC_INCOME));
    for (int id : {IDC_LOAN, IDC_BONUS_PART, IDC_RATE1, IDC_RATE2, IDC_INCOME})
        EXPECT_EQ(Text(id), "") << id;
    for (QString& t : Results())
        EXPECT_EQ(t, "");
    EXPECT_EQ(dlg->State().m_nMethod, 1);
    EXPECT_TRUE(dlg->MenuAction(ID_FIX_PERIOD)->isChecked());
    EXPECT_FALSE(dlg->MenuAction(ID_ALWAYS_ON_TOP)->isChecked());
    EXPECT_FALSE(dlg->MenuAction(ID_TOGGLE_SUMMARY)->isChecked());
    ExpectCaptions(kStandardCaptions);
}

TEST_F(CalculatorWindow, WorkedExampleForEverySixMethods)
{
    EnterWorkedExample();
    for (const Expected& e : kWorked) {
        SelectMethod(e.option);
        Calculate();
        ASSERT_TRUE(boxes.Boxes().empty()) << boxes.OnlyText().toStdString();
        const std::vector<QString> r = Results();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(r[static_cast<std::size_t>(i)], e.monthly[i]) << e.option;
            EXPECT_EQ(r[static_cast<std::size_t>(3 + i)], e.bonus[i]) << e.option;
        }
        EXPECT_EQ(r[6], e.annual) << e.option;
        EXPECT_EQ(r[7], e.required) << e.option;
        EXPECT_EQ(r[8], e.total) << e.option;
        EXPECT_EQ(dlg->State().m_nMethod, e.option - IDC_METHOD_FIRST + 1);
    }
    // Kept for the summary window: the last calculation (銀行型・他).
    EXPECT_EQ(dlg->State().m_nFirstMonthly, test::kWorkedBank.monthly[0]);
    EXPECT_EQ(dlg->State().m_nFirstBonus, test::kWorkedBank.bonus[0]);
    EXPECT_EQ(dlg->State().m_nLoanMan, 3000);
    EXPECT_EQ(dlg->State().m_nTotal, test::kWorkedBank.total);
    EXPECT_EQ(dlg->State().m_nIncome, 0);
}

TEST_F(CalculatorWindow, EnterCalculatesAndNoBonusLeavesTheBonusRowBlank)
{
    Type(IDC_LOAN, "3000");
    Type(IDC_RATE1, "2");
    Type(IDC_RATE2, "3");
    Type(IDC_INCOME, "600");
    PickPeriod("35");
    Item(IDC_INCOME)->setFocus();
    QTest::keyClick(Item(IDC_INCOME), Qt::Key_Return);
    EXPECT_EQ(Text(IDC_MONTHLY1), "99,378");
    EXPECT_EQ(Text(IDC_MONTHLY3), "111,185");
    EXPECT_EQ(Text(IDC_BONUS1), "");
    EXPECT_EQ(Text(IDC_BONUS3), "");
    EXPECT_EQ(Text(IDC_ANNUAL), "1,192,536");
    EXPECT_EQ(Text(IDC_TOTAL), "45,280,860");
    EXPECT_EQ(dlg->State().m_nIncome, 6000000);
    EXPECT_EQ(dlg->State().m_nFirstBonus, 0);
}

TEST_F(CalculatorWindow, ShortPeriodsLeaveLaterBandsBlank)
{
    Type(IDC_LOAN, "1000");
    Type(IDC_BONUS_PART, "200");
    Type(IDC_RATE1, "2");
    PickPeriod("5");
    EXPECT_FALSE(SecondRateRowShown());
    Calculate();
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_NE(Text(IDC_MONTHLY1), "");
    EXPECT_NE(Text(IDC_BONUS1), "");
    for (int id : {IDC_MONTHLY2, IDC_MONTHLY3, IDC_BONUS2, IDC_BONUS3})
        EXPECT_EQ(Text(id), "") << id;
    PickPeriod("10");
    Calculate();
    EXPECT_EQ(Text(IDC_MONTHLY2), Text(IDC_MONTHLY1));
    EXPECT_EQ(Text(IDC_MONTHLY3), "");
}

TEST_F(CalculatorWindow, EmptyFieldsStopAtTheMissingInputCheck)
{
    Calculate();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    const CaughtBox& box = boxes.Boxes()[0];
    EXPECT_EQ(box.caption, FromUtf8(kCheckCaption));
    EXPECT_EQ(box.text, FromUtf8(kMsgInputMissing));
    EXPECT_EQ(box.buttonCount, 1);
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.owner, dlg.get());
    EXPECT_TRUE(HasFocus(IDC_LOAN));
}

struct FailureCase {
    const char* name;
    std::function<void(CalculatorWindow&)> enter;
    std::string_view message;
    int focus;
    bool selected;
};

class CheckFailures : public CalculatorWindow {
protected:
    // A valid loan first, so that a failure has a previous result to keep.
    void CalculateValidLoan()
    {
        EnterWorkedExample();
        Calculate();
        ASSERT_TRUE(boxes.Boxes().empty());
        m_before = Results();
        m_kept = dlg->GetKeptFigures();
    }
    void SetField(int id, const QString& keys)
    {
        auto* edit = qobject_cast<QLineEdit*>(Item(id));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, keys);
    }
    void ExpectFailure(std::string_view message, int focus, bool selected)
    {
        Calculate();
        EXPECT_EQ(boxes.OnlyText(), FromUtf8(message));
        EXPECT_TRUE(HasFocus(focus)) << "focus on " << (Focused() ? Focused()->objectName().toStdString() : "none");
        if (selected) {
            EXPECT_TRUE(WholeTextSelected(focus));
        }
        EXPECT_EQ(Results(), m_before);
        const KeptFigures k = dlg->GetKeptFigures();
        EXPECT_EQ(k.firstMonthly, m_kept.firstMonthly);
        EXPECT_EQ(k.total, m_kept.total);
        EXPECT_EQ(k.method, m_kept.method);
        boxes.Clear();
    }
    std::vector<QString> m_before;
    KeptFigures m_kept;
};

TEST_F(CheckFailures, EachCheckNamesItsFieldAndKeepsThePreviousResult)
{
    CalculateValidLoan();

    SetField(IDC_INCOME, "10000");
    ExpectFailure(kMsgIncomeTooLarge, IDC_INCOME, true);
    SetField(IDC_INCOME, "9999");

    SetField(IDC_LOAN, "2000");
    SetField(IDC_BONUS_PART, "1001");
    ExpectFailure(kMsgBonusTooLarge, IDC_BONUS_PART, true);
    SetField(IDC_LOAN, "10000");
    SetField(IDC_BONUS_PART, "5000");
    ExpectFailure(kMsgBonusTooLarge, IDC_BONUS_PART, true);
    SetField(IDC_LOAN, "3000");
    SetField(IDC_BONUS_PART, "600");

    SetField(IDC_RATE1, "99.1");
    ExpectFailure(kMsgRate1TooLarge, IDC_RATE1, true);
    SetField(IDC_RATE1, "2");
    SetField(IDC_RATE2, "99.1");
    ExpectFailure(kMsgRate2TooLarge, IDC_RATE2, true);
    SetField(IDC_RATE2, "");
    ExpectFailure(kMsgInputMissing, IDC_LOAN, false);
}

TEST_F(CheckFailures, ReducedPaymentMethodsNeedTwentyFiveYears)
{
    CalculateValidLoan();
    for (int option : {IDC_METHOD_CORPORATION_YUTORI, IDC_METHOD_PENSION_STEP}) {
        SelectMethod(option);
        m_before = Results(); // the method switch blanked them
        m_kept = dlg->GetKeptFigures();
        PickPeriod("20");
        EXPECT_TRUE(SecondRateRowShown());
        PickPeriod("10");
        EXPECT_FALSE(SecondRateRowShown());
        ExpectFailure(option == IDC_METHOD_CORPORATION_YUTORI ? kMsgYutoriPeriod : kMsgStepPeriod, IDC_LOAN, false);
        EXPECT_EQ(Text(IDC_PERIOD), "25");
        EXPECT_TRUE(SecondRateRowShown());
        Calculate(); // now computes the 25-year result
        EXPECT_TRUE(boxes.Boxes().empty());
        EXPECT_NE(Text(IDC_MONTHLY1), "");
    }
}

TEST_F(CheckFailures, BoundariesThatPass)
{
    Type(IDC_LOAN, "2000");
    Type(IDC_BONUS_PART, "1000"); // exactly half
    Type(IDC_RATE1, "99");        // 99 % passes
    Type(IDC_RATE2, "99");
    Calculate();
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.OnlyText().toStdString();
    EXPECT_NE(Text(IDC_MONTHLY1), "");
}

TEST_F(CheckFailures, EmptyOrZeroPeriodIsReportedOnThePeriodBox)
{
    CalculateValidLoan();
    Unfix();
    TypePeriod("");
    ExpectFailure(kMsgPeriodInvalid, IDC_PERIOD, false);
    TypePeriod("0");
    ExpectFailure(kMsgPeriodInvalid, IDC_PERIOD, false);
    TypePeriod("7a"); // read up to the first character that does not fit
    Calculate();
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.OnlyText().toStdString();
    EXPECT_NE(Text(IDC_MONTHLY2), "");
    EXPECT_EQ(Text(IDC_MONTHLY3), "");
}

TEST_F(CalculatorWindow, BankLoansNeedNoSecondRateAndShortPeriodsIgnoreIt)
{
    Type(IDC_LOAN, "3000");
    Type(IDC_RATE1, "2");
    SelectMethod(IDC_METHOD_BANK);
    EXPECT_EQ(Text(IDC_LOAN), Grouped3000()); // a method switch before any calculation keeps the inputs
    Calculate();
    EXPECT_TRUE(boxes.Boxes().empty()) << boxes.OnlyText().toStdString();
    EXPECT_EQ(Text(IDC_MONTHLY3), Text(IDC_MONTHLY1));

    SelectMethod(IDC_METHOD_CORPORATION_BASIC);
    Calculate();
    EXPECT_EQ(boxes.OnlyText(), FromUtf8(kMsgInputMissing));
    boxes.Clear();
    PickPeriod("10");
    Calculate();
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(CalculatorWindow, NoOptionOnComputesTheFirstMethodAndKeepsTheKeptMethod)
{
    EnterWorkedExample();
    Item(IDC_METHOD_CORPORATION_BASIC)->setFocus();
    // An arrow off the end of the run keeps the method: the keyboard never leaves none.
    QTest::keyClick(Item(IDC_METHOD_CORPORATION_BASIC), Qt::Key_Up);
    ASSERT_TRUE(qobject_cast<QAbstractButton*>(Item(IDC_METHOD_CORPORATION_BASIC))->isChecked());
    // A program may still clear the check through the standard check request.
    qobject_cast<CDrawnOptionButton*>(Item(IDC_METHOD_CORPORATION_BASIC))->SetCheck(0);
    for (int id = IDC_METHOD_CORPORATION_BASIC; id <= IDC_METHOD_BANK; ++id)
        ASSERT_FALSE(qobject_cast<QAbstractButton*>(Item(id))->isChecked()) << id;
    Calculate();
    EXPECT_EQ(Text(IDC_MONTHLY1), "79,503");
    EXPECT_EQ(Text(IDC_MONTHLY3), "88,948");
    EXPECT_EQ(dlg->State().m_nMethod, 1);
}

TEST_F(CalculatorWindow, MethodsSwitchCaptionsAndTheSecondRateRow)
{
    EnterWorkedExample();
    PickPeriod("25");
    Calculate();
    ASSERT_NE(Text(IDC_MONTHLY1), "");

    SelectMethod(IDC_METHOD_EQUAL_PRINCIPAL);
    ExpectCaptions(kEqualPrincipalCaptions);
    EXPECT_TRUE(SecondRateRowShown());
    for (QString& t : Results())
        EXPECT_EQ(t, ""); // switching method blanks the results...
    EXPECT_EQ(Text(IDC_LOAN), Grouped3000()); // ...and keeps the inputs
    EXPECT_EQ(Text(IDC_RATE2), "3.0");
    EXPECT_TRUE(HasFocus(IDC_LOAN));

    SelectMethod(IDC_METHOD_BANK);
    ExpectCaptions(kBankCaptions);
    EXPECT_FALSE(SecondRateRowShown());
    PickPeriod("30");
    EXPECT_FALSE(SecondRateRowShown());

    PickPeriod("10");
    SelectMethod(IDC_METHOD_CORPORATION_YUTORI);
    ExpectCaptions(kStandardCaptions);
    EXPECT_TRUE(SecondRateRowShown());
    PickPeriod("5");
    EXPECT_FALSE(SecondRateRowShown());
    SelectMethod(IDC_METHOD_PENSION_BASIC);
    EXPECT_FALSE(SecondRateRowShown());
    PickPeriod("15");
    EXPECT_TRUE(SecondRateRowShown());
}

TEST_F(CalculatorWindow, UnfixedPeriodDecidesTheRowAsItIsTyped)
{
    auto* periodEdit = qobject_cast<QComboBox*>(Item(IDC_PERIOD))->lineEdit();
    EXPECT_TRUE(periodEdit->isReadOnly());
    Unfix();
    EXPECT_FALSE(dlg->MenuAction(ID_FIX_PERIOD)->isChecked());
    EXPECT_FALSE(periodEdit->isReadOnly());
    TypePeriod("7");
    EXPECT_FALSE(SecondRateRowShown());
    TypePeriod("12");
    EXPECT_TRUE(SecondRateRowShown());
    TypePeriod("123");
    EXPECT_EQ(Text(IDC_PERIOD), "12");

    SelectMethod(IDC_METHOD_BANK);
    TypePeriod("20");
    EXPECT_FALSE(SecondRateRowShown());

    dlg->MenuAction(ID_FIX_PERIOD)->trigger();
    EXPECT_TRUE(periodEdit->isReadOnly());
    EXPECT_EQ(Text(IDC_PERIOD), "20"); // fixing leaves the text as it is
}

// A typed period stays as typed (no completion from the list) and the first Enter
// calculates with it; the list keeps its seven entries.
TEST_F(CalculatorWindow, TypedPeriodStaysAsTypedAndTheFirstEnterCalculates)
{
    EnterWorkedExample();
    Unfix();
    auto* combo = qobject_cast<QComboBox*>(Item(IDC_PERIOD));
    const struct {
        const char* typed;
        const char* monthly;
        const char* total;
    } periods[] = {{"1", "2,021,732", "30,350,932"}, {"2", "1,020,966", "30,653,928"}, {"3", "687,421", "30,958,896"}};
    for (const auto& p : periods) {
        SCOPED_TRACE(p.typed);
        TypePeriod(QString::fromLatin1(p.typed));
        EXPECT_EQ(Text(IDC_PERIOD), p.typed);
        EXPECT_FALSE(SecondRateRowShown());
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(boxes.OnlyText(), "");
        EXPECT_EQ(Text(IDC_PERIOD), p.typed);
        EXPECT_EQ(Text(IDC_MONTHLY1), p.monthly);
        EXPECT_EQ(Text(IDC_MONTHLY2), "");
        EXPECT_EQ(Text(IDC_TOTAL), p.total);
        EXPECT_EQ(combo->count(), 7);
    }
}

TEST_F(CalculatorWindow, IncomeToggleHidesAndShowsTheIncomeRow)
{
    Type(IDC_INCOME, "600");
    Click(IDC_INCOME_TOGGLE);
    for (int id : {IDC_INCOME, IDC_INCOME_CAPTION, IDC_INCOME_UNIT})
        EXPECT_FALSE(Visible(id)) << id;
    EXPECT_TRUE(HasFocus(IDC_LOAN));
    QTest::qWait(80); // let the toggle finish its swing before the next click
    Click(IDC_INCOME_TOGGLE);
    for (int id : {IDC_INCOME, IDC_INCOME_CAPTION, IDC_INCOME_UNIT})
        EXPECT_TRUE(Visible(id)) << id;
    EXPECT_TRUE(HasFocus(IDC_INCOME));
    EXPECT_EQ(Text(IDC_INCOME), "600"); // hiding keeps the income
}

TEST_F(CalculatorWindow, AlwaysOnTopTogglesItsTickAndKeepsThePlace)
{
    dlg->move(40, 50);
    const QSize size = dlg->size();
    QAction* onTop = dlg->MenuAction(ID_ALWAYS_ON_TOP);
    onTop->trigger();
    EXPECT_TRUE(onTop->isChecked());
    EXPECT_TRUE(dlg->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(dlg->pos(), QPoint(40, 50));
    EXPECT_EQ(dlg->size(), size);
    EXPECT_TRUE(dlg->isVisible());
    onTop->trigger();
    EXPECT_FALSE(onTop->isChecked());
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(CalculatorWindow, EscapeAndExitCloseTheWindow)
{
    QSignalSpy rejected(dlg.get(), &QDialog::rejected);
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
    EXPECT_FALSE(dlg->isVisible());
    dlg->show();
    dlg->MenuAction(ID_APP_EXIT)->trigger();
    EXPECT_EQ(rejected.count(), 2);
}

TEST_F(CalculatorWindow, WindowHasAFixedSizeAndNoMaximiseBox)
{
    EXPECT_EQ(dlg->minimumSize(), dlg->maximumSize());
    EXPECT_FALSE(dlg->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(dlg->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dlg->windowIcon().isNull());
    EXPECT_EQ(dlg->ClientArea()->size(), QSize(404, 536));
}

// The window with the keyboard alone: Tab reaches the method group at its checked
// option, in window order; the arrows choose within it; Enter on a focused push button
// presses that button, Enter elsewhere calculates; Ctrl+Q leaves.
TEST_F(CalculatorWindow, KeyboardReachesEveryGroupAndButton)
{
    auto next = [&] {
        QTest::keyClick(Focused(), Qt::Key_Tab);
        return Focused() ? Focused()->objectName().toInt() : 0;
    };
    Item(IDC_INCOME)->setFocus(Qt::TabFocusReason);
    std::vector<int> order{IDC_INCOME};
    for (int i = 0; i < 11; ++i)
        order.push_back(next());
    EXPECT_EQ(order, (std::vector<int>{IDC_INCOME, IDC_LOAN, IDC_BONUS_PART, IDC_RATE1, IDC_RATE2, IDC_PERIOD,
                                       IDC_METHOD_CORPORATION_BASIC, IDC_DESK_CALCULATOR, IDC_SHOW_SUMMARY,
                                       IDC_CALCULATE, IDC_INCOME_TOGGLE, IDC_INCOME}));

    Item(IDC_METHOD_CORPORATION_BASIC)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Focused(), Qt::Key_Right);
    EXPECT_EQ(Focused(), Item(IDC_METHOD_CORPORATION_YUTORI));
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(Item(IDC_METHOD_CORPORATION_YUTORI))->isChecked());
    // The handler of the method ran: the focus went on to the loan field as a click's does.
    Item(IDC_METHOD_CORPORATION_YUTORI)->setFocus(Qt::TabFocusReason);
    // The new choice is the group's stop now.
    Item(IDC_PERIOD)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(next(), IDC_METHOD_CORPORATION_YUTORI);

    // Enter on the summary button opens the summary window; in a field it calculates.
    Item(IDC_SHOW_SUMMARY)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Item(IDC_SHOW_SUMMARY), Qt::Key_Return);
    EXPECT_NE(dlg->SummaryDlg(), nullptr);
    EnterWorkedExample();
    Item(IDC_LOAN)->setFocus();
    QTest::keyClick(Item(IDC_LOAN), Qt::Key_Return);
    EXPECT_EQ(Text(IDC_MONTHLY1), "63,309");

    QSignalSpy rejected(dlg.get(), &QDialog::rejected);
    QTest::keySequence(dlg.get(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(rejected.count(), 1);
}

TEST_F(CalculatorWindow, MenusHaveMnemonicsAndTheUsualShortcuts)
{
    QStringList titles;
    for (QAction* menu : dlg->findChild<QMenuBar*>()->actions())
        titles << menu->text();
    EXPECT_EQ(titles, (QStringList{QString::fromUtf8("ﾌｧｲﾙ(&F)"), QString::fromUtf8("表示(&V)"),
                                   QString::fromUtf8("ﾍﾙﾌﾟ(&H)")}));
    EXPECT_EQ(dlg->MenuAction(ID_APP_EXIT)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(dlg->MenuAction(ID_APP_ABOUT)->shortcut(), QKeySequence(Qt::Key_F1));
}

// What a screen reader hears: fields named by their captions (the first rate's follows
// the method), results described by the captions over them, the toggle's state.
TEST_F(CalculatorWindow, ScreenReaderNamesFollowTheCaptions)
{
    auto name = [&](int id) { return QAccessible::queryAccessibleInterface(Item(id))->text(QAccessible::Name); };
    EXPECT_EQ(name(IDC_LOAN), QString::fromUtf8("借入額"));
    EXPECT_EQ(name(IDC_BONUS_PART), QString::fromUtf8("内ﾎﾞｰﾅｽ"));
    EXPECT_EQ(name(IDC_INCOME), QString::fromUtf8("年収"));
    EXPECT_EQ(name(IDC_RATE1), QString::fromUtf8("金利 当初10年間"));
    EXPECT_EQ(qobject_cast<QComboBox*>(Item(IDC_PERIOD))->lineEdit()->accessibleName(), QString::fromUtf8("返済期間"));
    EXPECT_EQ(Item(IDC_MONTHLY1)->accessibleDescription(), QString::fromUtf8("通常 1～5年目"));
    EXPECT_EQ(Item(IDC_BONUS3)->accessibleDescription(), QString::fromUtf8("ﾎﾞｰﾅｽ 11年目以降"));
    SelectMethod(IDC_METHOD_EQUAL_PRINCIPAL);
    EXPECT_EQ(Item(IDC_MONTHLY2)->accessibleDescription(), QString::fromUtf8("通常 6年目第1回"));
    EXPECT_EQ(Item(IDC_ANNUAL)->accessibleDescription(), QString::fromUtf8("年間返済額 1年目"));
    SelectMethod(IDC_METHOD_BANK);
    EXPECT_EQ(name(IDC_RATE1), QString::fromUtf8("金利 一定"));

    QAccessibleInterface* toggle = QAccessible::queryAccessibleInterface(Item(IDC_INCOME_TOGGLE));
    EXPECT_TRUE(toggle->state().expandable);
    EXPECT_TRUE(toggle->state().expanded);
    Click(IDC_INCOME_TOGGLE);
    EXPECT_FALSE(toggle->state().expanded);
}

} // namespace
} // namespace hn::test
