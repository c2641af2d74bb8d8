// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/PlanningMessages.h"
#include "calc/PlanningTexts.h"
#include "calc/ScenarioTexts.h"
#include "controls/CNumEdit.h"
#include "planning/CPlanningDlg.h"
#include "planning/FigureGrid.h"
#include "planning/PlanningFields.h"
#include "planning/PlanningPages.h"
#include "planning/ScenarioChart.h"
#include "planning/ScenarioPage.h"
#include "schedule/CScheduleDlg.h"
#include "schedule/ScheduleTableModel.h"
#include "tests/support/MessageBoxCatcher.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace hn {
namespace {

QString Q(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

LoanInput Level(double man, double ratePercent, double years)
{
    LoanInput in;
    in.method = BankOther;
    in.loanYen = in.normalYen = man * 10000;
    in.rate1 = ratePercent * 0.01;
    in.periodYears = years;
    return in;
}

// The calculator's loan: 2,000 万円 at 3 % over 35 years, income 400 万円; two slots.
PlanningSeed Seed()
{
    PlanningSeed seed;
    seed.loan = {BankOther, 2000, 0, 3, 0, 35, 400};
    seed.slotLoans = {{"銀行1", Level(2000, 0.5, 35)}, {"公庫1", Level(1000, 1.8, 35)}};
    return seed;
}

class PlanningDlgTest : public ::testing::Test {
protected:
    test::MessageBoxCatcher boxes;
    CPlanningDlg dlg{[] { return Seed(); }, nullptr};
};

TEST_F(PlanningDlgTest, OpensWithTheCalculatorsValuesInEverySection)
{
    EXPECT_EQ(dlg.windowTitle(), Q(kPlanningTitle));
    EXPECT_EQ(dlg.Sections()->count(), 4);
    EXPECT_DOUBLE_EQ(dlg.Capacity()->m_income->GetValue(), 400);
    EXPECT_DOUBLE_EQ(dlg.Capacity()->m_screening->GetValue(), 3);
    EXPECT_DOUBLE_EQ(dlg.Prepay()->m_loan->LoanMan()->GetValue(), 2000);
    EXPECT_EQ(dlg.Reading()->LoanChecks().size(), 2u);
    // Every scenario's table starts from the loan's rate.
    EXPECT_EQ(dlg.Scenario()->Path(0)->PathText(), "1:3");
}

TEST_F(PlanningDlgTest, CapacityShowsThePublishedFigureUnderItsCaption)
{
    CapacityPage* page = dlg.Capacity();
    page->m_screening->SetValue(1.6);
    page->m_limit->SelectKey("35");
    ASSERT_TRUE(page->Compute());
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(page->Figures()->Value(Q(kCapCapacity)), QStringLiteral("3,750 万円"));
    EXPECT_EQ(page->Figures()->Value(Q(kCapScreeningMonthly)), QStringLiteral("116,664 円"));
    // The value labels carry their captions for screen readers.
    auto* label = page->Figures()->findChild<QLabel*>(Q(kCapCapacity));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->accessibleDescription(), Q(kCapCapacity));
}

TEST_F(PlanningDlgTest, RefusedInputsSayWhyAndClearTheOldFigures)
{
    CapacityPage* page = dlg.Capacity();
    ASSERT_TRUE(page->Compute());
    page->m_income->SetValue(0);
    EXPECT_FALSE(page->Compute());
    EXPECT_EQ(boxes.OnlyText(), Q(kMsgIncomeMissing));
    EXPECT_TRUE(page->Figures()->Value(Q(kCapCapacity)).isEmpty());
    boxes.Clear();
    page->m_income->SetValue(400);
    page->m_otherDebts->SetValue(200); // above 35 % of the income on their own
    EXPECT_FALSE(page->Compute());
    EXPECT_EQ(boxes.OnlyText(), Q(kMsgOtherDebtsOverLimit));
}

TEST_F(PlanningDlgTest, LendersReadingLeavesExcludedLoansAtTheirRealRate)
{
    ReadingPage* page = dlg.Reading();
    page->m_screening->SetValue(3.5);
    ASSERT_TRUE(page->Compute());
    const QString bothScreened = page->AtScreeningRate()->Value(QStringLiteral("年間返済額"));
    const QString real = page->AtRealRates()->Value(QStringLiteral("年間返済額"));
    EXPECT_NE(bothScreened, real);
    page->LoanChecks()[0]->setChecked(false);
    page->LoanChecks()[1]->setChecked(false);
    ASSERT_TRUE(page->Compute());
    EXPECT_EQ(page->AtScreeningRate()->Value(QStringLiteral("年間返済額")), real);
    EXPECT_EQ(page->AtRealRates()->Value(Q(kReadIncomeNeeded)).isEmpty(), false);
}

TEST_F(PlanningDlgTest, ReadingWithoutSlotsSaysSo)
{
    CPlanningDlg empty([] { return PlanningSeed{}; }, nullptr);
    empty.Reading()->m_income->SetValue(400);
    empty.Reading()->m_screening->SetValue(3);
    EXPECT_FALSE(empty.Reading()->Compute());
    EXPECT_EQ(boxes.OnlyText(), Q(kMsgNoLoans));
}

TEST_F(PlanningDlgTest, PrepaymentComparesTheWaysSideBySide)
{
    PrepayPage* page = dlg.Prepay();
    page->SetListRows({{"120", "100", ""}});
    ASSERT_TRUE(page->Compute());
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(page->Comparison().shorten.monthsAfter(), 394);
    EXPECT_TRUE(page->Comparison().shorten.checks.allPassed());
    EXPECT_TRUE(page->Column(PrepayMode::Shorten)->Value(Q(kPrepayEnd)).startsWith(QStringLiteral("第394回")));
    EXPECT_TRUE(page->Column(PrepayMode::Reduce)->Value(Q(kPrepayEnd)).startsWith(QStringLiteral("第420回")));
    EXPECT_FALSE(page->Column(PrepayMode::ShortenWhole)->Value(Q(kPrepayUsed)).isEmpty());
    // After the last instalment there is nothing to prepay.
    page->SetListRows({{"120", "100", ""}, {"420", "10", ""}});
    EXPECT_FALSE(page->Compute());
    EXPECT_EQ(boxes.OnlyText(), QStringLiteral("2行目: ") + Q(kMsgPrepayAfterEnd));
    EXPECT_TRUE(page->Column(PrepayMode::Shorten)->Value(Q(kPrepayEnd)).isEmpty());
    // Nothing typed is lost to a refusal.
    EXPECT_EQ(page->ListRows()[1].instalment, "420");
}

TEST_F(PlanningDlgTest, SeveralPrepaymentsGoEachWayAndAWayThatCannotTakeOneSaysWhich)
{
    PrepayPage* page = dlg.Prepay();
    // Rows are added with the button and typed into.
    QPushButton* add = nullptr;
    for (QPushButton* b : page->findChildren<QPushButton*>())
        if (b->text() == QStringLiteral("行を追加(&A)"))
            add = b;
    ASSERT_NE(add, nullptr);
    add->click();
    ASSERT_EQ(page->List()->rowCount(), 4);
    page->List()->setItem(3, 0, new QTableWidgetItem(QStringLiteral("12")));
    page->List()->setItem(3, 1, new QTableWidgetItem(QStringLiteral("1900")));
    page->List()->setItem(0, 0, new QTableWidgetItem(QStringLiteral("100")));
    page->List()->setItem(0, 1, new QTableWidgetItem(QStringLiteral("10")));
    ASSERT_TRUE(page->Compute());
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(page->Comparison().reduce.applied.size(), 2u);
    EXPECT_EQ(page->Column(PrepayMode::Shorten)->Value(Q(PrepayModeCaption(PrepayMode::Shorten))),
              QStringLiteral("1行目: ") + Q(kMsgPrepayAfterEnd));
    EXPECT_TRUE(page->ScheduleButton(PrepayMode::Reduce)->isEnabled());
    EXPECT_FALSE(page->ScheduleButton(PrepayMode::Shorten)->isEnabled());

    // A row that cannot be read: the message names it, the focus goes to it.
    page->List()->setItem(3, 1, new QTableWidgetItem(QStringLiteral("0")));
    EXPECT_FALSE(page->ScheduleButton(PrepayMode::Reduce)->isEnabled()); // the list changed
    EXPECT_FALSE(page->Compute());
    EXPECT_EQ(boxes.OnlyText(), QStringLiteral("4行目: ") + Q(kMsgPrepayAmountInvalid));
    EXPECT_EQ(page->List()->currentRow(), 3);
}

TEST_F(PlanningDlgTest, ScheduleButtonsOpenOneScheduleWindowOfThePlanningWindow)
{
    PrepayPage* prepay = dlg.Prepay();
    for (PrepayMode mode : {PrepayMode::Reduce, PrepayMode::Shorten, PrepayMode::ShortenWhole}) {
        EXPECT_FALSE(prepay->ScheduleButton(mode)->isEnabled());
        EXPECT_FALSE(prepay->ScheduleButton(mode)->accessibleName().isEmpty());
    }
    EXPECT_EQ(prepay->ScheduleButton(PrepayMode::Shorten)->accessibleName(), QStringLiteral("期間短縮型の返済予定表"));
    prepay->SetListRows({{"120", "100", ""}});
    ASSERT_TRUE(prepay->Compute());
    prepay->ScheduleButton(PrepayMode::Shorten)->click();
    CScheduleDlg* window = dlg.ScheduleWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->parentWidget(), &dlg);
    EXPECT_TRUE(window->HeadingText().startsWith(QStringLiteral("繰上げ返済　銀行型・他")));
    EXPECT_TRUE(window->HeadingText().endsWith(QStringLiteral("繰上げ返済 100万円（120回目の後）・期間短縮型")));
    EXPECT_EQ(window->Model()->rowCount(), 394);
    const ScheduleTable& table = window->Model()->Table();
    EXPECT_EQ(table.text(119, table.columnOf(ScheduleColumn::Prepaid)), "1,000,000");
    EXPECT_TRUE(window->Report()->checks.allPassed());
    EXPECT_FALSE(window->SourceSlot().has_value());

    // A changed loan makes the figures shown old: compare again before opening.
    prepay->m_loan->LoanMan()->SetValue(2500);
    EXPECT_FALSE(prepay->ScheduleButton(PrepayMode::Shorten)->isEnabled());
    prepay->m_loan->LoanMan()->SetValue(2000);
    ASSERT_TRUE(prepay->Compute());

    // Another way replaces what the same window shows.
    prepay->ScheduleButton(PrepayMode::Reduce)->click();
    EXPECT_EQ(dlg.ScheduleWindow(), window);
    EXPECT_EQ(window->Model()->rowCount(), 420);
    EXPECT_TRUE(window->HeadingText().endsWith(QStringLiteral("・返済額軽減型")));

    // A scenario's schedule, in the same window, with its rate and unpaid interest.
    ScenarioPage* scenario = dlg.Scenario();
    scenario->Loan()->SetLoan({BankOther, 1000, 0, 2.375, 0, 30, 0});
    for (int k = 0; k < 3; ++k) {
        scenario->Path(k)->SetStartRate(2.375);
        EXPECT_FALSE(scenario->ScheduleButton(k)->isEnabled());
    }
    scenario->Path(1)->m_rise->SetValue(3);
    scenario->Path(1)->Use()->setChecked(true);
    ASSERT_TRUE(scenario->Compute());
    EXPECT_TRUE(scenario->ScheduleButton(0)->isEnabled());
    EXPECT_TRUE(scenario->ScheduleButton(1)->isEnabled());
    EXPECT_FALSE(scenario->ScheduleButton(2)->isEnabled()); // not used
    EXPECT_EQ(scenario->ScheduleButton(1)->accessibleName(), QStringLiteral("シナリオ2の返済予定表"));
    scenario->ScheduleButton(1)->click();
    EXPECT_EQ(dlg.ScheduleWindow(), window);
    EXPECT_TRUE(window->HeadingText().startsWith(QStringLiteral("金利シナリオ2　銀行型・他")));
    const ScheduleTable& rates = window->Model()->Table();
    ASSERT_GE(rates.columnOf(ScheduleColumn::Rate), 0);
    EXPECT_EQ(rates.text(12, rates.columnOf(ScheduleColumn::Rate)), "5.375%");
    EXPECT_EQ(rates.text(59, rates.columnOf(ScheduleColumn::Unpaid)), "234,720");
    EXPECT_TRUE(window->TotalsTexts().contains(QStringLiteral("返済予定表の総返済額: 21,043,742円")));
    EXPECT_EQ(window->TotalsHeadingText(), QStringLiteral("総返済額"));
    EXPECT_TRUE(window->Report()->checks.allPassed());

    // A refused computation leaves nothing to open.
    scenario->Loan()->SetLoan({PensionStep, 2000, 0, 3, 3, 35, 0});
    EXPECT_FALSE(scenario->Compute());
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(scenario->ScheduleButton(k)->isEnabled());

    // Closed, it is opened afresh.
    window->close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dlg.ScheduleWindow(), nullptr);
    prepay->ScheduleButton(PrepayMode::Shorten)->click();
    ASSERT_NE(dlg.ScheduleWindow(), nullptr);
    EXPECT_EQ(dlg.ScheduleWindow()->Model()->rowCount(), 394);
}

// The bank's illustration: 1,000 万円 over 30 years at 2.375 %, +3 points from month 13.
TEST_F(PlanningDlgTest, ScenariosShowTotalsWarningsAndCharts)
{
    ScenarioPage* page = dlg.Scenario();
    page->Loan()->SetLoan({BankOther, 1000, 0, 2.375, 0, 30, 0});
    for (int k = 0; k < 3; ++k)
        page->Path(k)->SetStartRate(2.375);
    page->Path(1)->m_rise->SetValue(3);
    page->Path(1)->Use()->setChecked(true);
    ASSERT_TRUE(page->Compute());
    ASSERT_EQ(page->Scenarios().size(), 2u);
    EXPECT_EQ(page->Figures(0)->Value(Q(kSumTotalRepaid)), QStringLiteral("13,991,280 円"));
    EXPECT_EQ(page->Figures(1)->Value(Q(kSumTotalRepaid)), QStringLiteral("21,043,742 円"));
    EXPECT_TRUE(page->Warnings(0)->text().isEmpty());
    EXPECT_TRUE(page->Warnings(1)->text().contains(Q(kSumWarning)));
    EXPECT_TRUE(page->Figures(2)->Value(Q(kSumTotalRepaid)).isEmpty());
    EXPECT_EQ(page->InstalmentChart()->Axis().lastMonth, 360);
    EXPECT_GE(page->OwedChart()->Axis().top, 10'000'000);
    EXPECT_FALSE(page->InstalmentChart()->accessibleDescription().isEmpty());
}

TEST_F(PlanningDlgTest, ATypedTableIsThePathAndItsFaultsAreNamedByRow)
{
    ScenarioPage* page = dlg.Scenario();
    QTableWidget* table = page->Path(0)->Table();
    table->setItem(1, 0, new QTableWidgetItem(QStringLiteral("1")));
    table->setItem(1, 1, new QTableWidgetItem(QStringLiteral("4")));
    EXPECT_EQ(page->Path(0)->m_preset->currentText(), QStringLiteral("表で指定"));
    EXPECT_FALSE(page->Compute());
    EXPECT_EQ(boxes.OnlyText(), QStringLiteral("シナリオ1: 2行目: ") + Q(kMsgPathMonthRepeated));
    boxes.Clear();
    table->item(1, 0)->setText(QStringLiteral("61"));
    ASSERT_TRUE(page->Compute());
    EXPECT_EQ(page->Path(0)->PathText(), "1:3,61:4");
    EXPECT_TRUE(boxes.Boxes().empty());
}

// Methods with reduced early instalments have no variable-rate form.
TEST_F(PlanningDlgTest, ScenariosRefuseTheReducedMethods)
{
    ScenarioPage* page = dlg.Scenario();
    page->Loan()->SetLoan({PensionStep, 2000, 0, 3, 3, 35, 0});
    EXPECT_FALSE(page->Compute());
    EXPECT_EQ(boxes.OnlyText(), Q(kMsgScenarioReduced));
    EXPECT_TRUE(page->Scenarios().empty());
}

} // namespace
} // namespace hn
