// SPDX-License-Identifier: GPL-3.0-or-later
// The self-checks must fail on a broken schedule, or they prove nothing: each
// case below breaks one rule of a sound schedule and expects that rule's check
// (and only checks that depend on it) to fail.
#include "calc/schedule/ScheduleChecks.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

#include <functional>

namespace hn {
namespace {

using test::Loan;
using test::WorkedLoan;

const ScheduleCheckResult* Find(const ScheduleCheckReport& report, ScheduleCheck check, CheckScope scope)
{
    for (const ScheduleCheckResult& c : report.items)
        if (c.check == check && c.scope == scope)
            return &c;
    return nullptr;
}

std::vector<ScheduleCheck> Failed(const ScheduleCheckReport& report)
{
    std::vector<ScheduleCheck> failed;
    for (const ScheduleCheckResult& c : report.items)
        if (!c.passed)
            failed.push_back(c.check);
    return failed;
}

TEST(CheckSchedule, ASoundScheduleReportsEveryCheckPerPart)
{
    const Schedule s = BuildSchedule(WorkedLoan(CorporationBasic));
    const ScheduleCheckReport report = CheckSchedule(s);
    EXPECT_TRUE(report.allPassed());
    for (CheckScope scope : {CheckScope::MonthlyPart, CheckScope::BonusPart}) {
        for (ScheduleCheck check : {ScheduleCheck::RowsAddUp, ScheduleCheck::PrincipalRepaysLoan,
                                    ScheduleCheck::BalanceEndsAtZero, ScheduleCheck::NothingUnpaid,
                                    ScheduleCheck::NoNegativeFigure})
            EXPECT_NE(Find(report, check, scope), nullptr) << CheckName(check) << " " << ScopeName(scope);
    }
    const ScheduleCheckResult* sum =
        Find(report, ScheduleCheck::PaymentsCoverLoanAndInterest, CheckScope::WholeSchedule);
    ASSERT_NE(sum, nullptr);
    EXPECT_EQ(sum->actual, 45313439);
    EXPECT_EQ(sum->expected, sum->actual);
}

TEST(CheckSchedule, CatchesEachKindOfFault)
{
    using Break = std::function<void(Schedule&)>;
    struct Case {
        const char* what;
        Break change;
        std::vector<ScheduleCheck> failing;
    };
    const Case cases[] = {
        {"payment one yen off",
         [](Schedule& s) { s.monthly.rows[100].payment += 1; },
         {ScheduleCheck::RowsAddUp, ScheduleCheck::PaymentsCoverLoanAndInterest}},
        {"balance does not follow the principal",
         [](Schedule& s) { s.bonus.rows[10].balance -= 1; },
         {ScheduleCheck::RowsAddUp}},
        {"principal and interest swapped a yen",
         [](Schedule& s) {
             s.monthly.rows[5].principal += 1;
             s.monthly.rows[5].interest -= 1;
         },
         {ScheduleCheck::RowsAddUp, ScheduleCheck::PrincipalRepaysLoan, ScheduleCheck::PaymentsCoverLoanAndInterest}},
        {"last instalment missing",
         [](Schedule& s) { s.bonus.rows.pop_back(); },
         {ScheduleCheck::PrincipalRepaysLoan, ScheduleCheck::BalanceEndsAtZero,
          ScheduleCheck::PaymentsCoverLoanAndInterest}},
        {"rows out of order",
         [](Schedule& s) { std::swap(s.monthly.rows[3], s.monthly.rows[4]); },
         {ScheduleCheck::RowsAddUp}},
        {"interest left unpaid at the end",
         [](Schedule& s) { s.monthly.rows.back().unpaidInterest = 5; },
         {ScheduleCheck::RowsAddUp, ScheduleCheck::NothingUnpaid}},
        {"a negative interest",
         [](Schedule& s) {
             ScheduleRow& r = s.monthly.rows[200];
             r.interest = -r.interest;
             r.payment = r.interest + r.principal;
         },
         {ScheduleCheck::NoNegativeFigure}},
    };
    const Schedule sound = BuildSchedule(WorkedLoan(CorporationBasic));
    ASSERT_TRUE(CheckSchedule(sound).allPassed());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Schedule s = sound;
        c.change(s);
        const ScheduleCheckReport report = CheckSchedule(s);
        EXPECT_FALSE(report.allPassed());
        std::vector<ScheduleCheck> failed = Failed(report);
        EXPECT_EQ(failed, c.failing);
    }
}

TEST(CheckSchedule, NamesTheFirstBrokenRow)
{
    Schedule s = BuildSchedule(WorkedLoan(CorporationBasic));
    s.monthly.rows[100].payment += 1;
    s.monthly.rows[300].payment += 1;
    const ScheduleCheckReport report = CheckSchedule(s); // Find points into it
    const ScheduleCheckResult* c = Find(report, ScheduleCheck::RowsAddUp, CheckScope::MonthlyPart);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->failedRow, 101);
}

// Unpaid interest (a payment below the interest charged, settled later) keeps
// the rows adding up as long as what is unpaid is carried and then paid.
TEST(CheckSchedule, AcceptsInterestCarriedUnpaidAndPaidLater)
{
    Schedule s;
    s.status = ScheduleStatus::Ok;
    s.monthly.loanYen = 1000;
    s.monthly.termCount = 2;
    // Interest 30 charged, 20 paid: 10 unpaid. Then 1,000 principal + 25
    // interest + the 10 carried.
    s.monthly.rows = {{1, 20, 30, 0, 1000, 0.36, 10}, {2, 1035, 25, 1000, 0, 0.30, 0}};
    EXPECT_TRUE(CheckSchedule(s).allPassed());
    s.monthly.rows[1].payment = 1025; // the carried interest forgotten
    EXPECT_FALSE(CheckSchedule(s).allPassed());
}

TEST(CheckAgainstResult, ComparesTheBandFiguresOfTheLevelAndReducedFamilies)
{
    for (RepaymentMethod method : {CorporationBasic, CorporationYutori, BankOther}) {
        SCOPED_TRACE(MethodName(method));
        const LoanInput in = WorkedLoan(method);
        const Schedule s = BuildSchedule(in);
        const LoanResult window = ComputeRepayment(in).result;
        ScheduleCheckReport report;
        CheckAgainstResult(s, window, report);
        EXPECT_EQ(report.items.size(), 6u); // three bands of two parts
        EXPECT_TRUE(report.allPassed());

        LoanResult other = window;
        other.bonus[1] += 1;
        ScheduleCheckReport wrong;
        CheckAgainstResult(s, other, wrong);
        EXPECT_EQ(Failed(wrong), std::vector<ScheduleCheck>{ScheduleCheck::BandFiguresMatch});
        const ScheduleCheckResult* bonus = Find(wrong, ScheduleCheck::BandFiguresMatch, CheckScope::BonusPart);
        ASSERT_NE(bonus, nullptr);
    }

    // Equal principal rows charge the exact interest, which the window's band
    // figures may miss by a yen: they are set side by side (CompareWithWindow),
    // not checked.
    const LoanInput ep = Loan(EqualPrincipal, 2000, 0, 0.36, 0.36, 35);
    ScheduleCheckReport report;
    CheckAgainstResult(BuildSchedule(ep), ComputeRepayment(ep).result, report);
    EXPECT_TRUE(report.items.empty());
}

TEST(CheckAgainstResult, LeavesOutBandsThatAreNotUsed)
{
    LoanInput in = WorkedLoan(CorporationBasic);
    in.periodYears = 5;
    const Schedule s = BuildSchedule(in);
    ScheduleCheckReport report;
    CheckAgainstResult(s, ComputeRepayment(in).result, report);
    EXPECT_EQ(report.items.size(), 2u); // month 1 and bonus 1
    EXPECT_TRUE(report.allPassed());
}

TEST(ScheduleCheckText, EveryCheckHasACaptionAndAName)
{
    for (int k = 0; k <= static_cast<int>(ScheduleCheck::BandFiguresMatch); ++k) {
        const auto check = static_cast<ScheduleCheck>(k);
        EXPECT_FALSE(CheckCaption(check).empty()) << k;
        EXPECT_FALSE(CheckName(check).empty()) << k;
    }
}

} // namespace
} // namespace hn
