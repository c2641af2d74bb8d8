// SPDX-License-Identifier: GPL-3.0-or-later
// What the schedule window shows for each view, decided without the window: heading,
// title, table, chart, totals, notes and the self-check lines, for one loan, a loan
// without a schedule, a schedule built elsewhere and several loans together.
#include "schedule/ScheduleWindowView.h"

#include "calc/schedule/ScheduleTexts.h"
#include "schedule/ScheduleWindowTexts.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

const ScheduleCalendar kCalendar{{2027, 4}, {6, 12}};

LoanInput Loan(RepaymentMethod method, double loanMan, double bonusMan, double years)
{
    return MakeLoanInput({method, loanMan, bonusMan, 2.0, 3.0, years});
}

std::vector<std::pair<std::string, std::optional<std::int64_t>>> Plain(const std::vector<TotalsLine>& lines)
{
    std::vector<std::pair<std::string, std::optional<std::int64_t>>> out;
    for (const TotalsLine& l : lines)
        out.emplace_back(l.caption, l.yen);
    return out;
}

TEST(ScheduleWindowView, ALoanShowsItsReportInTheViewChosen)
{
    const LoanReport r = MakeLoanReport({Loan(CorporationBasic, 3000, 600, 35), 0, "計算結果"}, kCalendar);
    const ScheduleWindowView monthly = MakeScheduleWindowView(ScheduleView::Monthly, &r, {}, {});
    EXPECT_EQ(monthly.heading, "計算結果　" + r.heading);
    EXPECT_EQ(monthly.title, kScheduleTitle);
    EXPECT_EQ(monthly.totalsHeading, TotalsHeading(r));
    EXPECT_TRUE(monthly.message.empty());
    EXPECT_TRUE(monthly.table.isMonthly());
    EXPECT_EQ(monthly.table.rowCount(), 490);
    EXPECT_EQ(monthly.chartYears.size(), 35u);
    EXPECT_EQ(monthly.openingBalance, 30'000'000);
    EXPECT_EQ(Plain(monthly.totals), Plain(TotalsLines(r)));
    EXPECT_EQ(monthly.notes, r.notes);
    // Whether every check passed, first, then each check.
    ASSERT_EQ(monthly.checks.size(), CheckLinesOf(r.checks).size() + 1);
    EXPECT_EQ(monthly.checks[0].text, kAllChecksPassed);
    EXPECT_TRUE(monthly.checks[0].passed);
    EXPECT_EQ(monthly.checks[1].text, CheckLinesOf(r.checks)[0].text);

    const ScheduleWindowView yearly = MakeScheduleWindowView(ScheduleView::Yearly, &r, {}, {});
    EXPECT_FALSE(yearly.table.isMonthly());
    EXPECT_EQ(yearly.table.rowCount(), 35);
    EXPECT_EQ(yearly.table.columnOf(ScheduleColumn::Unpaid), -1); // nothing left unpaid

    // Nothing to show yet: an empty window with the usual captions.
    const ScheduleWindowView none = MakeScheduleWindowView(ScheduleView::Monthly, nullptr, {}, {});
    EXPECT_TRUE(none.heading.empty());
    EXPECT_EQ(none.totalsHeading, kTotalsHeading);
    EXPECT_EQ(none.table.rowCount(), 0);
}

TEST(ScheduleWindowView, ALoanWithoutScheduleShowsItsMessageAndNothingElse)
{
    const LoanReport r = MakeLoanReport({MakeLoanInput({CorporationBasic, 1e12, 0, 99.0, 99.0, 99}), 2, "公庫2"}, kCalendar);
    ASSERT_FALSE(r.ok());
    for (const ScheduleView view : {ScheduleView::Monthly, ScheduleView::Yearly}) {
        const ScheduleWindowView v = MakeScheduleWindowView(view, &r, {}, {});
        EXPECT_EQ(v.message, kMsgScheduleBeyondExact);
        EXPECT_EQ(v.heading, "公庫2　" + r.heading);
        EXPECT_EQ(v.table.rowCount(), 0);
        EXPECT_EQ(v.table.isMonthly(), view == ScheduleView::Monthly);
        EXPECT_TRUE(v.chartYears.empty());
        EXPECT_EQ(v.openingBalance, 0);
        EXPECT_TRUE(v.totals.empty());
        EXPECT_TRUE(v.notes.empty());
        EXPECT_TRUE(v.checks.empty());
    }
}

TEST(ScheduleWindowView, LoansTogetherShowTheirYearsTotalsAndOneCheckLineEach)
{
    const std::vector<ScheduleLoan> loans{{Loan(CorporationBasic, 3000, 600, 35), 1, "公庫1"},
                                          {Loan(BankOther, 1000, 0, 10), 7, "銀行1"}};
    const CombinedReport c = MakeCombinedReport(loans, kCalendar);
    const LoanReport shown = MakeLoanReport(loans[0], kCalendar);
    const ScheduleWindowView v = MakeScheduleWindowView(ScheduleView::Combined, &shown, c, loans);
    EXPECT_EQ(v.heading, "集計結果の合算　公庫1、銀行1");
    EXPECT_EQ(v.title, kScheduleTitle);
    EXPECT_EQ(v.totalsHeading, kTotalsHeading);
    EXPECT_TRUE(v.message.empty());
    EXPECT_FALSE(v.table.isMonthly());
    EXPECT_EQ(v.table.rowCount(), 35);
    EXPECT_EQ(v.openingBalance, 40'000'000);
    using Line = std::pair<std::string, std::optional<std::int64_t>>;
    EXPECT_EQ(Plain(v.totals), (std::vector<Line>{{std::string(kScheduleTotal), c.scheduleTotal},
                                                  {std::string(kWindowTotal), c.windowTotal},
                                                  {std::string(kDifference), c.scheduleTotal - c.windowTotal}}));
    ASSERT_EQ(v.checks.size(), 2u);
    EXPECT_EQ(v.checks[1].text, c.checkLines[1].text);
    EXPECT_EQ(v.notes, c.notes);

    // Loans the calculator window has no total for: the schedule's alone; interest left
    // unpaid in some year: its column; no year at all: no totals.
    CombinedReport unpaid;
    unpaid.captions = {"公庫1"};
    unpaid.yearly = {YearlyRow{1, {}, {}, 100, 120, 0, 1000, 20}};
    unpaid.scheduleTotal = 100;
    const ScheduleWindowView u = MakeScheduleWindowView(ScheduleView::Combined, nullptr, unpaid, {});
    EXPECT_EQ(Plain(u.totals), (std::vector<Line>{{std::string(kScheduleTotal), 100}}));
    EXPECT_GE(u.table.columnOf(ScheduleColumn::Unpaid), 0);
    EXPECT_TRUE(MakeScheduleWindowView(ScheduleView::Combined, nullptr, CombinedReport{}, {}).totals.empty());
}

TEST(ScheduleWindowView, AScheduleBuiltElsewhereIsNamedByItsSourceAndNotShownWithTheSlots)
{
    const LoanInput loan = WholeYenInput(Loan(CorporationBasic, 3000, 0, 35));
    const LoanReport derived = MakeDerivedReport({"繰上げ返済", "公庫基本型", BuildSchedule(loan), false, {}}, kCalendar);
    ASSERT_TRUE(derived.ok());
    EXPECT_EQ(MakeScheduleWindowView(ScheduleView::Monthly, &derived, {}, {}).title, "返済予定表 - 繰上げ返済");

    const std::vector<ScheduleLoan> slots{{loan, 1, "公庫1"}};
    const LoanReport own = MakeLoanReport(slots[0], kCalendar);
    EXPECT_TRUE(CombinedOffered(&own, slots));
    EXPECT_TRUE(CombinedOffered(nullptr, slots));
    EXPECT_FALSE(CombinedOffered(&derived, slots));
    EXPECT_FALSE(CombinedOffered(&own, {}));
}

} // namespace
} // namespace hn
