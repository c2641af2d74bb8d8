// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's state without the window: what a calculation writes into it
// and what it leaves, and the loan the window shows.
#include "calc/LoanWindowState.h"

#include "calc/CheckMessages.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

using test::kWorkedBasic;

// The worked loan as the fields show it.
LoanWindowState WorkedState()
{
    LoanWindowState s;
    s.selectedMethod = CorporationBasic;
    s.loanMan = test::kWorkedLoanMan;
    s.bonusMan = test::kWorkedBonusMan;
    s.rate1Percent = test::kWorkedRate1Percent;
    s.rate2Percent = test::kWorkedRate2Percent;
    s.incomeMan = test::kWorkedIncomeMan;
    s.periodText = "35";
    s.m_strLoan = "3,000";
    s.m_strBonusPart = "600";
    return s;
}

TEST(LoanWindowState, ACalculationFillsTheResultTextsAndKeepsItsFigures)
{
    LoanWindowState s = WorkedState();
    const CalcOutcome out = Calculate(s);
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(s.m_strMonthly1, "79,503");
    EXPECT_EQ(s.m_strMonthly3, "88,948");
    EXPECT_EQ(s.m_strBonus1, "119,596");
    EXPECT_EQ(s.m_strAnnual, "1,193,228");
    EXPECT_EQ(s.m_strRequiredIncome, "596");
    EXPECT_EQ(s.m_strTotal, "45,313,480");
    EXPECT_EQ(s.m_nMethod, CorporationBasic);
    EXPECT_EQ(s.m_nFirstMonthly, kWorkedBasic.monthly[0]);
    EXPECT_EQ(s.m_nFirstBonus, kWorkedBasic.bonus[0]);
    EXPECT_EQ(s.m_nIncome, 6000000);
    EXPECT_EQ(s.m_nLoanMan, 3000);
    EXPECT_EQ(s.m_nTotal, kWorkedBasic.total);
    EXPECT_EQ(s.m_strLoan, "3,000") << "the inputs are the window's to change";

    ClearResultTexts(s);
    EXPECT_EQ(s.m_strMonthly1, "");
    EXPECT_EQ(s.m_strTotal, "");
    EXPECT_EQ(s.m_nTotal, kWorkedBasic.total) << "the kept figures stay for the summary window";
    EXPECT_EQ(s.m_strBonusPart, "600");
}

TEST(LoanWindowState, AFailedCheckChangesNothing)
{
    LoanWindowState s = WorkedState();
    ASSERT_TRUE(Calculate(s).ok);
    const LoanWindowState before = s;
    s.periodText = "";
    const CalcOutcome out = Calculate(s);
    ASSERT_FALSE(out.ok);
    EXPECT_EQ(out.failure.message, kMsgPeriodInvalid);
    EXPECT_EQ(s.m_strMonthly1, before.m_strMonthly1);
    EXPECT_EQ(s.m_nFirstMonthly, before.m_nFirstMonthly);
}

TEST(LoanWindowState, WithNoOptionCheckedTheKeptMethodStays)
{
    LoanWindowState s = WorkedState();
    s.selectedMethod = EqualPrincipal;
    ASSERT_TRUE(Calculate(s).ok);
    s.selectedMethod = 0;
    ASSERT_TRUE(Calculate(s).ok);
    EXPECT_EQ(s.m_nMethod, EqualPrincipal);
    EXPECT_EQ(s.m_nFirstMonthly, kWorkedBasic.monthly[0]) << "computed as 公庫基本型";
}

TEST(LoanWindowState, TheLoanItShowsIsTheOneTheCommandComputes)
{
    LoanWindowState s = WorkedState();
    s.selectedMethod = BankOther;
    const CalcOutcome out = Calculate(s);
    ASSERT_TRUE(out.ok);
    const LoanInput shown = MakeLoanInput(s);
    EXPECT_EQ(shown.method, out.success.input.method);
    EXPECT_EQ(shown.loanYen, 30000000.0);
    EXPECT_EQ(shown.normalYen, 24000000.0);
    EXPECT_EQ(shown.rate2, out.success.input.rate2);
    EXPECT_EQ(shown.periodYears, 35);
    EXPECT_EQ(shown.incomeYen, 6000000.0);

    // Ten years or less: one rate throughout, as the command computes it.
    s.periodText = "10";
    EXPECT_EQ(MakeLoanInput(s).rate2, 0.02);
    s.selectedMethod = 0;
    EXPECT_EQ(MakeLoanInput(s).method, CorporationBasic);
}

} // namespace
} // namespace hn
