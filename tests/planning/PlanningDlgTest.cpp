// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/capacity/PlanningMessages.h"
#include "calc/capacity/PlanningTexts.h"
#include "calc/rates/ScenarioTexts.h"
#include "calc/schedule/PrepaymentMessages.h"
#include "calc/schedule/PrepaymentTexts.h"
#include "controls/CNumEdit.h"
#include "controls/CRateEdit.h"
#include "controls/FigureGrid.h"
#include "controls/Utf8Text.h"
#include "planning/CPlanningDlg.h"
#include "planning/CapacityPage.h"
#include "planning/LimitChoice.h"
#include "planning/PlanningFields.h"
#include "planning/PrepayPage.h"
#include "planning/ReadingPage.h"
#include "planning/ScenarioChart.h"
#include "planning/ScenarioInputs.h"
#include "planning/ScenarioPage.h"
#include "report/Units.h"
#include "schedule/CScheduleDlg.h"
#include "schedule/ScheduleTableModel.h"
#include "tests/support/MessageBoxCatcher.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace hn {
namespace {

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
    seed.slotLoans = {{7, "銀行1　銀行型・他 2,000万円", Level(2000, 0.5, 35)},
                      {8, "銀行2　銀行型・他 1,000万円", Level(1000, 1.8, 35)}};
    return seed;
}

class PlanningDlgTest : public ::testing::Test {
protected:
    test::MessageBoxCatcher boxes;
    CPlanningDlg dlg{[] { return Seed(); }, nullptr};
};

TEST_F(PlanningDlgTest, OpensWithTheCalculatorsValuesInEverySection)
{
    EXPECT_EQ(dlg.windowTitle(), FromUtf8(kPlanningTitle));
    EXPECT_EQ(dlg.Sections()->count(), 4);
    EXPECT_DOUBLE_EQ(dlg.Capacity()->m_income->GetValue(), 400);
    EXPECT_DOUBLE_EQ(PercentOf(dlg.Capacity()->m_screening), 3);
    EXPECT_DOUBLE_EQ(dlg.Prepay()->m_loan->LoanMan()->GetValue(), 2000);
    EXPECT_EQ(dlg.Reading()->LoanChecks().size(), 2u);
    // Every scenario's table starts from the loan's rate.
    EXPECT_EQ(dlg.Scenario()->Path(0)->Rows(), (std::vector<PathRowText>{{"1", "3"}}));
}

TEST_F(PlanningDlgTest, CapacityShowsThePublishedFigureUnderItsCaption)
{
    CapacityPage* page = dlg.Capacity();
    SetPercent(page->m_screening, 1.6);
    page->m_limit->SelectKey("35");
    ASSERT_TRUE(page->Compute());
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(page->Figures()->Value(FromUtf8(kCapCapacity)), QStringLiteral("3,750万円"));
    EXPECT_EQ(page->Figures()->Value(FromUtf8(kCapScreeningMonthly)), QStringLiteral("116,664円"));
    // The value labels carry their captions for screen readers.
    auto* label = page->Figures()->findChild<QLabel*>(FromUtf8(kCapCapacity));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->accessibleDescription(), FromUtf8(kCapCapacity));
}

TEST_F(PlanningDlgTest, RefusedInputsSayWhyAndClearTheOldFigures)
{
    CapacityPage* page = dlg.Capacity();
    ASSERT_TRUE(page->Compute());
    page->m_income->SetValue(0);
    EXPECT_FALSE(page->Compute());
    EXPECT_EQ(boxes.OnlyText(), FromUtf8(kMsgIncomeMissing));
    EXPECT_TRUE(page->Figures()->Value(FromUtf8(kCapCapacity)).isEmpty());
    boxes.Clear();
    page->m_income->SetValue(400);
    page->m_otherDebts->SetValue(200); // above 35 % of the income on their own
    EXPECT_FALSE(page->Compute());
    EXPECT_EQ(boxes.OnlyText(), FromUtf8(kMsgOtherDebtsOverLimit));
}

TEST_F(PlanningDlgTest, LendersReadingLeavesExcludedLoansAtTheirRealRate)
{
    ReadingPage* page = dlg.Reading();
    SetPercent(page->m_screening, 3.5);
    ASSERT_TRUE(page->Compute());
    const QString bothScreened = page->AtScreeningRate()->Value(QStringLiteral("年間返済額"));
    const QString real = page->AtRealRates()->Value(QStringLiteral("年間返済額"));
    EXPECT_NE(bothScreened, real);
    page->LoanChecks()[0]->setChecked(false);
    page->LoanChecks()[1]->setChecked(false);
    ASSERT_TRUE(page->Compute());
    EXPECT_EQ(page->AtScreeningRate()->Value(QStringLiteral("年間返済額")), real);
    EXPECT_EQ(page->AtRealRates()->Value(FromUtf8(kReadIncomeNeeded)).isEmpty(), false);
}

TEST_F(PlanningDlgTest, ReadingWithoutSlotsSaysSo)
{
    CPlanningDlg empty([] { return PlanningSeed{}; }, nullptr);
    empty.Reading()->m_income->SetValue(400);
    SetPercent(empty.Reading()->m_screening, 3);
    EXPECT_FALSE(empty.Reading()->Compute());
    EXPECT_EQ(boxes.OnlyText(), FromUtf8(kMsgNoLoans));
}

TEST_F(PlanningDlgTest, PrepaymentComparesTheWaysSideBySide)
{
    PrepayPage* page = dlg.Prepay();
    page->SetListRows({{"120", "100", ""}});
    ASSERT_TRUE(page->Compute());
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(page->Comparison().shorten.monthsAfter(), 394);
    EXPECT_TRUE(page->Comparison().shorten.checks.allPassed());
    EXPECT_TRUE(page->Column(PrepayMode::Shorten)->Value(FromUtf8(kPrepayEnd)).startsWith(QStringLiteral("第394回")));
    EXPECT_TRUE(page->Column(PrepayMode::Reduce)->Value(FromUtf8(kPrepayEnd)).startsWith(QStringLiteral("第420回")));
    EXPECT_FALSE(page->Column(PrepayMode::ShortenWhole)->Value(FromUtf8(kPrepayUsed)).isEmpty());
    // After the last instalment there is nothing to prepay.
    page->SetListRows({{"120", "100", ""}, {"420", "10", ""}});
    EXPECT_FALSE(page->Compute());
    EXPECT_EQ(boxes.OnlyText(), QStringLiteral("2行目: ") + FromUtf8(kMsgPrepayAfterEnd));
    EXPECT_TRUE(page->Column(PrepayMode::Shorten)->Value(FromUtf8(kPrepayEnd)).isEmpty());
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
    EXPECT_EQ(page->Column(PrepayMode::Shorten)->Value(FromUtf8(PrepayModeCaption(PrepayMode::Shorten))),
              QStringLiteral("1行目: ") + FromUtf8(kMsgPrepayAfterEnd));
    EXPECT_TRUE(page->ScheduleButton(PrepayMode::Reduce)->isEnabled());
    EXPECT_FALSE(page->ScheduleButton(PrepayMode::Shorten)->isEnabled());

    // A row that cannot be read: the message names it, the focus goes to it.
    page->List()->setItem(3, 1, new QTableWidgetItem(QStringLiteral("0")));
    QCoreApplication::processEvents(); // old figures go before the next frame
    EXPECT_FALSE(page->ScheduleButton(PrepayMode::Reduce)->isEnabled()); // the list changed
    EXPECT_FALSE(page->Compute());
    EXPECT_EQ(boxes.OnlyText(), QStringLiteral("4行目: ") + FromUtf8(kMsgPrepayAmountInvalid));
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
    QCoreApplication::processEvents();
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
    for (int k = 0; k < 3; ++k)
        EXPECT_FALSE(scenario->ScheduleButton(k)->isEnabled());
    SetPercent(scenario->Path(1)->m_rise, 3);
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
    SetPercent(page->Path(1)->m_rise, 3);
    page->Path(1)->Use()->setChecked(true);
    ASSERT_TRUE(page->Compute());
    ASSERT_EQ(page->Scenarios().size(), 2u);
    EXPECT_EQ(page->Figures(0)->Value(FromUtf8(kSumTotalRepaid)), QStringLiteral("13,991,280円"));
    EXPECT_EQ(page->Figures(1)->Value(FromUtf8(kSumTotalRepaid)), QStringLiteral("21,043,742円"));
    EXPECT_TRUE(page->Warnings(0)->text().isEmpty());
    EXPECT_TRUE(page->Warnings(1)->text().contains(FromUtf8(kSumWarning)));
    EXPECT_TRUE(page->Figures(2)->Value(FromUtf8(kSumTotalRepaid)).isEmpty());
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
    EXPECT_EQ(boxes.OnlyText(), QStringLiteral("シナリオ1: 2行目: ") + FromUtf8(kMsgPathMonthRepeated));
    boxes.Clear();
    table->item(1, 0)->setText(QStringLiteral("61"));
    ASSERT_TRUE(page->Compute());
    EXPECT_EQ(page->Path(0)->Rows(), (std::vector<PathRowText>{{"1", "3"}, {"61", "4"}}));
    EXPECT_TRUE(boxes.Boxes().empty());
}

// Methods with reduced early instalments have no variable-rate form.
TEST_F(PlanningDlgTest, ScenariosRefuseTheReducedMethods)
{
    ScenarioPage* page = dlg.Scenario();
    page->Loan()->SetLoan({PensionStep, 2000, 0, 3, 3, 35, 0});
    EXPECT_FALSE(page->Compute());
    EXPECT_EQ(boxes.OnlyText(), FromUtf8(kMsgScenarioReduced));
    EXPECT_TRUE(page->Scenarios().empty());
}

// Every rate field of the section takes part: the scenarios start from the loan's own
// rates, the second from month 121 where the method has one, and follow them.
TEST_F(PlanningDlgTest, ScenariosStartFromTheLoansRatesAndFollowThem)
{
    ScenarioPage* page = dlg.Scenario();
    page->Loan()->SetLoan({CorporationBasic, 2000, 0, 2, 3, 35, 0});
    EXPECT_EQ(page->Path(0)->Rows(), (std::vector<PathRowText>{{"1", "2"}, {"121", "3"}}));
    EXPECT_EQ(page->Path(1)->Rows(), (std::vector<PathRowText>{{"1", "2"}, {"13", "3"}, {"121", "4"}}));
    ASSERT_TRUE(page->Compute());
    const QString before = page->Figures(0)->Value(FromUtf8(kSumTotalRepaid));
    SetPercent(page->Loan()->Rate1(), 9);
    QCoreApplication::processEvents();
    EXPECT_TRUE(page->Figures(0)->Value(FromUtf8(kSumTotalRepaid)).isEmpty()); // figures of other rates go
    EXPECT_EQ(page->Path(0)->Rows(), (std::vector<PathRowText>{{"1", "9"}, {"121", "3"}}));
    ASSERT_TRUE(page->Compute());
    const std::vector<ScheduleRow>& rows = page->Scenarios()[0].schedule.monthly.rows;
    EXPECT_DOUBLE_EQ(rows[119].yearlyRate, 0.09); // the loan's first rate to month 120
    EXPECT_DOUBLE_EQ(rows[120].yearlyRate, 0.03); // its second after
    EXPECT_NE(page->Figures(0)->Value(FromUtf8(kSumTotalRepaid)), before);
    // Changed and computed again before the event loop runs: the new figures stay.
    SetPercent(page->Loan()->Rate1(), 8);
    ASSERT_TRUE(page->Compute());
    QCoreApplication::processEvents();
    EXPECT_TRUE(page->HasFigures());
    EXPECT_FALSE(page->Figures(0)->Value(FromUtf8(kSumTotalRepaid)).isEmpty());
    SetPercent(page->Loan()->Rate1(), 9);
    // 銀行型・他 has one rate: the second rate's field goes, and the path is flat.
    page->Loan()->Method()->setCurrentIndex(page->Loan()->Method()->findData(BankOther));
    EXPECT_TRUE(page->Loan()->Rate2()->isHidden());
    EXPECT_EQ(page->Path(0)->Rows(), (std::vector<PathRowText>{{"1", "9"}}));
    // Only the chosen preset's own figures show.
    PathEditor* path = page->Path(1);
    EXPECT_FALSE(path->m_month->isHidden());
    EXPECT_TRUE(path->m_years->isHidden() && path->m_cap->isHidden());
    path->m_preset->setCurrentIndex(static_cast<int>(PathPreset::Flat));
    EXPECT_TRUE(path->m_rise->isHidden() && path->m_month->isHidden());
}

// A number too large for an int is refused by name, not taken as no rise at all.
TEST_F(PlanningDlgTest, ARiseAtAnInstalmentBeyondAnyIntIsRefused)
{
    ScenarioPage* page = dlg.Scenario();
    page->Path(1)->Use()->setChecked(true);
    for (double month : {2147483648.0, 99999999999.0}) {
        boxes.Clear();
        page->Path(1)->m_month->SetValue(month);
        EXPECT_FALSE(page->Compute());
        EXPECT_EQ(boxes.OnlyText(), QStringLiteral("シナリオ2: ") + FromUtf8(kMsgRiseMonthInvalid));
        EXPECT_TRUE(page->Scenarios().empty());
        EXPECT_EQ(page->Path(1)->Notes()->text(), FromUtf8(kMsgRiseMonthInvalid));
    }
}

// Said beside the table: rows out of order, a step after the loan's last instalment.
TEST_F(PlanningDlgTest, TheTableSaysWhatItDoesWithSurprisingRows)
{
    ScenarioPage* page = dlg.Scenario();
    page->Loan()->Period()->SetValue(25);
    PathEditor* path = page->Path(0);
    path->SetRows({{"13", "4"}, {"1", "3"}, {"301", "5"}});
    path->m_preset->setCurrentIndex(static_cast<int>(PathPreset::Table));
    path->Table()->item(0, 1)->setText(QStringLiteral("4.5")); // typed: the notes follow
    ASSERT_TRUE(page->Compute());
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(path->Notes()->text(), FromUtf8(kNoteRowsNotInOrder) + QStringLiteral("\n3行目の第301回は最終回 (第300回) より後のため使われません。"));
}

// A wrong bonus part is named as the bonus part, and the cursor goes to its cell.
TEST_F(PlanningDlgTest, AWrongBonusPartIsNamed)
{
    PrepayPage* page = dlg.Prepay();
    page->SetListRows({{"120", "100", "-1"}});
    EXPECT_FALSE(page->Compute());
    EXPECT_EQ(boxes.OnlyText(), QStringLiteral("1行目: ") + FromUtf8(kMsgPrepayBonusInvalid));
    EXPECT_EQ(page->List()->currentColumn(), 2);
}

// 計算画面の値を取り込む: sections that showed figures show the new loan's, never the old.
TEST_F(PlanningDlgTest, TakingNewValuesNeverLeavesTheOldLoansFigures)
{
    PlanningSeed current = Seed();
    CPlanningDlg window([&] { return current; }, nullptr);
    PrepayPage* prepay = window.Prepay();
    prepay->SetListRows({{"120", "100", ""}});
    ASSERT_TRUE(prepay->Compute());
    const QString oldTotal = prepay->Planned()->Value(FromUtf8(kPrepayTotal));
    ASSERT_TRUE(window.Capacity()->Compute());

    current.loan = {BankOther, 3000, 0, 1, 0, 35, 600};
    window.Reseed();
    const Schedule fresh = BuildSchedule(WholeYenInput(PlanLoan(current.loan).input));
    EXPECT_EQ(prepay->Planned()->Value(FromUtf8(kPrepayTotal)).toStdString(), Text(Quantity::Yen(TotalsOf(fresh).payment)));
    EXPECT_NE(prepay->Planned()->Value(FromUtf8(kPrepayTotal)), oldTotal);
    EXPECT_EQ(prepay->Comparison().reduce.before.monthly.rows.front().payment,
              fresh.monthly.rows.front().payment);
    EXPECT_TRUE(window.Capacity()->HasFigures());
    // New values the sections refuse: nothing of the old loan is left.
    current.loan.loanMan = 0;
    window.Reseed();
    EXPECT_FALSE(prepay->HasFigures());
    EXPECT_TRUE(prepay->Planned()->Value(FromUtf8(kPrepayTotal)).isEmpty());
    EXPECT_TRUE(boxes.Boxes().empty()); // nobody pressed 計算
}

// Everything typed goes into the state and comes back from it in a new window, with the
// figures of the sections that showed them.
TEST_F(PlanningDlgTest, TheStateKeepsEverythingTyped)
{
    dlg.Capacity()->m_otherDebts->SetValue(24);
    dlg.Capacity()->m_limit->SelectKey("bank");
    ASSERT_TRUE(dlg.Capacity()->Compute());
    dlg.Reading()->LoanChecks()[1]->setChecked(false);
    dlg.Prepay()->SetListRows({{"120", "100", ""}, {"", "", ""}, {"240", "50", "10"}});
    ScenarioPage* scenario = dlg.Scenario();
    scenario->Path(2)->Use()->setChecked(true);
    scenario->Path(2)->m_preset->setCurrentIndex(static_cast<int>(PathPreset::RiseEvery));
    SetPercent(scenario->Path(2)->m_cap, 5);
    scenario->Path(1)->SetRows({{"1", "3"}, {"61", "6"}});
    scenario->Path(1)->m_preset->setCurrentIndex(static_cast<int>(PathPreset::Table));
    scenario->Unpaid()->setCurrentIndex(1);
    dlg.Sections()->setCurrentIndex(2);
    const PlanningState state = dlg.State();
    EXPECT_EQ(state.reading.unscreenedSlots, std::vector<int>{8});
    EXPECT_EQ(state.prepay.rows.size(), 3u);
    EXPECT_EQ(state.scenario.paths[1].table, (std::vector<PathRowText>{{"1", "3"}, {"61", "6"}}));
    EXPECT_TRUE(state.computed[0]);

    CPlanningDlg again([] { return Seed(); }, nullptr, &state);
    EXPECT_EQ(again.State(), state);
    EXPECT_EQ(again.Sections()->currentIndex(), 2);
    EXPECT_FALSE(again.Reading()->LoanChecks()[1]->isChecked());
    EXPECT_EQ(again.Capacity()->Figures()->Value(FromUtf8(kCapCapacity)), dlg.Capacity()->Figures()->Value(FromUtf8(kCapCapacity)));
}

// One wording: slots as the summary names them, no ".000" for an empty rate, fields that
// do not stretch away from their captions, rate tables with whole rows.
TEST_F(PlanningDlgTest, FieldsAndNamesReadOneWay)
{
    EXPECT_EQ(dlg.Reading()->LoanChecks()[0]->text(), QStringLiteral("銀行1　銀行型・他 2,000万円"));
    EXPECT_TRUE(dlg.Capacity()->m_rate2->text().isEmpty()); // the calculator's loan has no second rate
    EXPECT_TRUE(dlg.Prepay()->m_loan->Rate2()->text().isEmpty());
    dlg.resize(1300, 700);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    for (QLineEdit* field : dlg.findChildren<QLineEdit*>()) {
        if (qobject_cast<QComboBox*>(field->parentWidget()))
            continue;
        EXPECT_LT(field->maximumWidth(), 200) << field->accessibleName().toStdString();
    }
    QTableWidget* table = dlg.Scenario()->Path(0)->Table();
    const int rows = table->height() - table->horizontalHeader()->height() - 2 * table->frameWidth();
    EXPECT_EQ(rows % table->verticalHeader()->defaultSectionSize(), 0);
}

} // namespace
} // namespace hn
