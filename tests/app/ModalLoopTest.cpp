// SPDX-License-Identifier: GPL-3.0-or-later
// Both windows run the way the program runs them: the calculator window through its own
// modal loop, every menu item and every button used as a person uses them (menus opened
// and items clicked with the mouse), outside programs replaced by a recorder. After each
// use the loop still runs, the window is still shown on the same native window and what
// the user typed is still there; only 終了, Esc and the close box end the run.
#include "app/CLoanDlg.h"
#include "app/HelpAddresses.h"
#include "calc/CheckMessages.h"
#include "controls/CDrawnOptionButton.h"
#include "controls/CNumEdit.h"
#include "platform/LocaleSeparators.h"
#include "res/MainDialogIds.h"
#include "res/SummaryDialogIds.h"
#include "summary/CSummaryDlg.h"
#include "tests/support/LaunchRecorder.h"
#include "tests/support/MessageBoxCatcher.h"
#include "tests/support/ModalRun.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "AppConfig.h"

namespace hn::test {
namespace {

// What the user has typed, as the fields show it and as the program reads it.
struct Inputs {
    QStringList texts;
    std::vector<double> values;
    bool operator==(const Inputs&) const = default;
};

class RunThroughItsLoop : public ::testing::Test {
protected:
    QWidget* Item(int id) const { return dlg.GetDlgItem(id); }
    QString Text(int id) const
    {
        QWidget* w = Item(id);
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text();
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            return edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            return combo->currentText();
        return {};
    }
    static void ClickAt(QWidget* w, QPoint at = {})
    {
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at.isNull() ? w->rect().center() : at);
    }
    void Click(int id) { ClickAt(Item(id)); }
    void Type(int id, const QString& keys)
    {
        Item(id)->setFocus();
        QTest::keyClicks(Item(id), keys);
    }
    // Opens the item's menu from the menu bar and clicks the item, as with the mouse.
    void Choose(int id)
    {
        QAction* action = dlg.MenuAction(id);
        ASSERT_NE(action, nullptr) << id;
        auto* bar = dlg.findChild<QMenuBar*>();
        for (QAction* title : bar->actions()) {
            QMenu* menu = title->menu();
            if (!menu->actions().contains(action))
                continue;
            ClickAt(bar, bar->actionGeometry(title).center());
            ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, 2000)) << "menu did not open";
            ClickAt(menu, menu->actionGeometry(action).center());
            ASSERT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }, 2000)) << "menu did not close";
            // The offscreen platform makes an opening menu the active window and does
            // not hand the activation back when it closes, as a desktop does.
            QTest::qWait(20);
            if (QWidget* active = QApplication::activeWindow(); !active || qobject_cast<QMenu*>(active))
                QApplication::setActiveWindow(&dlg);
            return;
        }
        FAIL() << "no menu holds " << id;
    }
    Inputs Typed() const
    {
        Inputs in;
        for (int id : {IDC_LOAN, IDC_BONUS_PART, IDC_RATE1, IDC_RATE2, IDC_PERIOD, IDC_INCOME})
            in.texts << Text(id);
        for (int id : {IDC_LOAN, IDC_BONUS_PART, IDC_INCOME})
            in.values.push_back(qobject_cast<CNumEdit*>(Item(id))->GetValue());
        return in;
    }
    // The worked example with an income of 600.
    void TypeWorkedExample()
    {
        Type(IDC_LOAN, "3000");
        Type(IDC_BONUS_PART, "600");
        Type(IDC_RATE1, "2.0");
        Type(IDC_RATE2, "3.0");
        Type(IDC_INCOME, "600");
        auto* combo = qobject_cast<QComboBox*>(Item(IDC_PERIOD));
        combo->setCurrentIndex(combo->findText("35"));
        typed = Typed();
    }
    void ExpectInputsKept() const { EXPECT_EQ(Typed(), typed) << "the typed inputs changed"; }
    void ExpectWorkedResults() const
    {
        EXPECT_EQ(Text(IDC_MONTHLY1), "79,503");
        EXPECT_EQ(Text(IDC_BONUS1), "119,596");
        EXPECT_EQ(Text(IDC_TOTAL), "45,313,480");
    }

    CSummaryDlg* Summary() const { return dlg.SummaryDlg(); }
    void ClickInSummary(int id) { ClickAt(Summary()->GetDlgItem(id)); }
    void ClickSlotOption(int slot)
    {
        QWidget* w = Summary()->GetDlgItem(kSlotControls[static_cast<std::size_t>(slot - 1)].option);
        ClickAt(w, QPoint(5, w->height() / 2));
    }
    QString SummaryText(int id) const { return qobject_cast<QLabel*>(Summary()->GetDlgItem(id))->text(); }

    MessageBoxCatcher boxes;
    LaunchRecorder desktop;
    CLoanDlg dlg;
    ModalRun run{dlg};
    Inputs typed;
};

TEST_F(RunThroughItsLoop, EveryMenuItemKeepsTheRunGoingAndExitEndsIt)
{
    QPoint place;
    QSize size;
    run.Step("type the inputs", [&] {
        TypeWorkedExample();
        Click(IDC_CALCULATE);
        ExpectWorkedResults();
        place = dlg.pos();
        size = dlg.size();
    });
    for (const bool on : {true, false}) {
        run.Step(on ? "常に手前に表示 ticked" : "常に手前に表示 unticked", [&, on] {
            Choose(ID_ALWAYS_ON_TOP);
            EXPECT_EQ(dlg.MenuAction(ID_ALWAYS_ON_TOP)->isChecked(), on);
            EXPECT_EQ(dlg.windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
            ASSERT_NE(dlg.windowHandle(), nullptr);
            EXPECT_EQ(dlg.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), on);
            EXPECT_EQ(dlg.pos(), place);
            EXPECT_EQ(dlg.size(), size);
            EXPECT_EQ(QApplication::activeWindow(), &dlg);
            ExpectInputsKept();
            ExpectWorkedResults();
        });
    }
    run.Step("返済期間を固定 unticked and ticked", [&] {
        auto* periodEdit = qobject_cast<QComboBox*>(Item(IDC_PERIOD))->lineEdit();
        Choose(ID_FIX_PERIOD);
        EXPECT_FALSE(dlg.MenuAction(ID_FIX_PERIOD)->isChecked());
        EXPECT_FALSE(periodEdit->isReadOnly());
        Choose(ID_FIX_PERIOD);
        EXPECT_TRUE(periodEdit->isReadOnly());
        ExpectInputsKept();
    });
    run.Step("集計結果表示 opens the summary window", [&] {
        Choose(ID_TOGGLE_SUMMARY);
        ASSERT_NE(Summary(), nullptr);
        EXPECT_TRUE(Summary()->isVisible());
        EXPECT_TRUE(dlg.MenuAction(ID_TOGGLE_SUMMARY)->isChecked());
        ExpectInputsKept();
    });
    run.Step("集計結果表示 closes it", [&] {
        Choose(ID_TOGGLE_SUMMARY);
        EXPECT_EQ(Summary(), nullptr);
        EXPECT_FALSE(dlg.MenuAction(ID_TOGGLE_SUMMARY)->isChecked());
        EXPECT_TRUE(Item(IDC_SHOW_SUMMARY)->isEnabled());
        ExpectInputsKept();
    });
    run.Step("ﾎｰﾑﾍﾟｰｼﾞへ and ﾒｰﾙを送る", [&] {
        Choose(ID_HOME_PAGE);
        Choose(ID_SEND_MAIL);
        // What they open follows the addresses the build names (none by default) and an
        // installed README (none beside a test program): without them, nothing.
        QStringList expected;
        if (const QUrl home = HomePageUrl(QStringLiteral(HENSAI_HOMEPAGE_URL), InstalledReadmePath()); !home.isEmpty())
            expected << home.toString();
        if (const QUrl mail = SupportMailUrl(QStringLiteral(HENSAI_SUPPORT_MAIL)); !mail.isEmpty())
            expected << mail.toString();
        EXPECT_EQ(desktop.opened, expected);
        EXPECT_TRUE(desktop.started.isEmpty());
        EXPECT_EQ(boxes.Boxes().size(), 0u);
        ExpectInputsKept();
    });
    run.Step("ﾊﾞｰｼﾞｮﾝ情報", [&] {
        Choose(ID_APP_ABOUT);
        EXPECT_EQ(run.OtherModals(), QStringList{QString::fromUtf8("ﾊﾞｰｼﾞｮﾝ情報")});
        ExpectInputsKept();
        ExpectWorkedResults();
    });
    run.StepThatEnds("終了", [&] { Choose(ID_APP_EXIT); });

    EXPECT_EQ(run.Exec(), QDialog::Rejected);
    EXPECT_EQ(run.StepsSurvived(), 8u);
}

TEST_F(RunThroughItsLoop, EveryButtonOfTheCalculatorWindowKeepsTheRunGoing)
{
    run.Step("結果を算出します", [&] {
        TypeWorkedExample();
        Click(IDC_CALCULATE);
        ExpectWorkedResults();
        EXPECT_EQ(boxes.Boxes().size(), 0u);
    });
    run.Step("Enter", [&] {
        Click(IDC_METHOD_BANK);
        EXPECT_EQ(Text(IDC_MONTHLY1), "");
        QTest::keyClick(Item(IDC_LOAN), Qt::Key_Return);
        EXPECT_EQ(Text(IDC_TOTAL), "41,762,980");
        Click(IDC_METHOD_CORPORATION_BASIC);
        ExpectInputsKept();
    });
    run.Step("電卓 with a desk calculator installed", [&] {
        desktop.installed = {QStringLiteral("galculator"), QStringLiteral("xcalc")};
        Click(IDC_DESK_CALCULATOR);
        EXPECT_EQ(desktop.started, QStringList{QStringLiteral("/usr/bin/galculator")});
        EXPECT_EQ(boxes.Boxes().size(), 0u) << "a calculator that is there starts silently";
        ExpectInputsKept();
    });
    run.Step("電卓 with none installed", [&] {
        desktop.installed.clear();
        Click(IDC_DESK_CALCULATOR);
        EXPECT_EQ(desktop.started.size(), 1);
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        const CaughtBox& box = boxes.Boxes()[0];
        EXPECT_EQ(box.caption, QString::fromUtf8("電卓"));
        EXPECT_EQ(box.owner, &dlg);
        EXPECT_EQ(box.buttonCount, 1);
        for (const char* program : {"gnome-calculator", "kcalc", "galculator", "xcalc"})
            EXPECT_TRUE(box.text.contains(QLatin1String(program))) << program;
        ExpectInputsKept();
        boxes.Clear();
    });
    run.Step("the income toggle, twice", [&] {
        Click(IDC_INCOME_TOGGLE);
        EXPECT_TRUE(Item(IDC_INCOME)->isHidden());
        QTest::qWait(80); // the toggle's swing
        Click(IDC_INCOME_TOGGLE);
        EXPECT_FALSE(Item(IDC_INCOME)->isHidden());
        ExpectInputsKept();
    });
    run.Step("each of the six methods", [&] {
        for (int id = IDC_METHOD_CORPORATION_BASIC; id <= IDC_METHOD_BANK; ++id) {
            Click(id);
            EXPECT_EQ(qobject_cast<CDrawnOptionButton*>(Item(id))->GetCheck(), 1) << id;
            EXPECT_EQ(Text(IDC_MONTHLY1), "") << id;
            Click(IDC_CALCULATE);
            EXPECT_FALSE(Text(IDC_MONTHLY1).isEmpty()) << id;
        }
        EXPECT_EQ(boxes.Boxes().size(), 0u);
        Click(IDC_METHOD_CORPORATION_BASIC);
        ExpectInputsKept();
    });
    run.Step("詳細を表示, then a digit typed", [&] {
        Click(IDC_SHOW_SUMMARY);
        ASSERT_NE(Summary(), nullptr);
        EXPECT_FALSE(Item(IDC_SHOW_SUMMARY)->isEnabled());
        // The keyboard comes back to this window, also once the activations that showing
        // the summary window queued have arrived: the next digit goes to the income field.
        QTest::qWait(50);
        EXPECT_EQ(QApplication::activeWindow(), &dlg);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
        EXPECT_EQ(Text(IDC_INCOME), QLatin1Char('6') + QChar::fromLatin1(SystemSeparators().chThousand) + "005");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        ExpectInputsKept();
    });
    run.StepThatEnds("Esc", [&] { QTest::keyClick(Item(IDC_LOAN), Qt::Key_Escape); });

    EXPECT_EQ(run.Exec(), QDialog::Rejected);
    EXPECT_EQ(run.StepsSurvived(), 7u);
}

TEST_F(RunThroughItsLoop, EveryButtonOfTheSummaryWindowKeepsTheRunGoing)
{
    run.Step("open the summary window and add two results", [&] {
        TypeWorkedExample();
        Click(IDC_SHOW_SUMMARY);
        ASSERT_NE(Summary(), nullptr);
        Click(IDC_CALCULATE);
        ClickInSummary(IDC_ADD_RESULT);
        Click(IDC_CALCULATE);
        ClickInSummary(IDC_ADD_RESULT);
        EXPECT_EQ(SummaryText(kSlotControls[0].monthly), "79,503");
        EXPECT_EQ(SummaryText(kSlotControls[1].monthly), "79,503");
        EXPECT_EQ(SummaryText(IDC_SUM_MONTHLY), "159,006");
        ExpectInputsKept();
    });
    run.Step("every slot option", [&] {
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            ClickSlotOption(slot);
            EXPECT_EQ(QApplication::activeModalWidget(), &dlg) << slot;
        }
        ClickSlotOption(1); // a stored slot: its inputs come back as they were typed
        ExpectInputsKept();
        ExpectWorkedResults();
    });
    run.Step("Enter in the summary window", [&] {
        QTest::keyClick(Summary(), Qt::Key_Return);
        ASSERT_NE(Summary(), nullptr);
        EXPECT_TRUE(Summary()->isVisible());
    });
    run.Step("every clear button", [&] {
        for (const SlotControlIds& slot : kSlotControls) {
            ClickInSummary(slot.clear);
            EXPECT_EQ(SummaryText(slot.monthly), "") << slot.clear;
        }
        EXPECT_EQ(SummaryText(IDC_SUM_MONTHLY), "");
        EXPECT_EQ(SummaryText(IDC_RATIO_TEXT), "0%");
        ExpectInputsKept();
    });
    run.Step("the close button", [&] {
        ClickInSummary(IDC_SUMMARY_CLOSE);
        EXPECT_EQ(Summary(), nullptr);
        EXPECT_TRUE(Item(IDC_SHOW_SUMMARY)->isEnabled());
        ExpectInputsKept();
    });
    run.Step("Esc in the summary window", [&] {
        Choose(ID_TOGGLE_SUMMARY);
        ASSERT_NE(Summary(), nullptr);
        QTest::keyClick(Summary(), Qt::Key_Escape);
        EXPECT_EQ(Summary(), nullptr);
        EXPECT_FALSE(dlg.MenuAction(ID_TOGGLE_SUMMARY)->isChecked());
        ExpectInputsKept();
    });
    run.Step("常に手前に表示 with the summary window opening", [&] {
        Choose(ID_ALWAYS_ON_TOP);
        Click(IDC_SHOW_SUMMARY);
        ASSERT_NE(Summary(), nullptr);
        EXPECT_TRUE(dlg.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
        ExpectInputsKept();
    });

    EXPECT_EQ(run.Exec(), QDialog::Rejected);
    EXPECT_EQ(run.StepsSurvived(), 7u);
}

TEST_F(RunThroughItsLoop, TheCloseBoxEndsTheRun)
{
    run.StepThatEnds("close box", [&] { dlg.close(); });
    EXPECT_EQ(run.Exec(), QDialog::Rejected);
    EXPECT_EQ(run.StepsSurvived(), 0u);
}

} // namespace
} // namespace hn::test
