// SPDX-License-Identifier: GPL-3.0-or-later
// The monthly view of a schedule: every instalment of both parts once, in date order,
// each bonus instalment right after the monthly instalment of its month, for any
// first repayment month and any two bonus months.
#include "calc/schedule/ScheduleCalendar.h"
#include "calc/schedule/ScheduleViews.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

using test::Loan;
using test::Calendar;
using test::WorkedLoan;

TEST(MonthlyView, ABonusInstalmentFollowsTheMonthlyInstalmentOfItsMonth)
{
    const Schedule s = BuildSchedule(WorkedLoan(CorporationBasic));
    const std::vector<MonthlyViewRow> view = MonthlyView(s, Calendar(2027, 4));
    ASSERT_EQ(view.size(), 490u);

    // From April: months 1-3, bonus 1 in June, months 4-9, bonus 2 in December, ...
    const auto at = [&](std::size_t k) { return std::pair{view[k].part, view[k].row.number}; };
    using enum SchedulePartKind;
    EXPECT_EQ(at(2), std::pair(Monthly, 3));
    EXPECT_EQ(at(3), std::pair(Bonus, 1));
    EXPECT_EQ(at(4), std::pair(Monthly, 4));
    EXPECT_EQ(at(10), std::pair(Bonus, 2));
    EXPECT_EQ(view[3].when, (YearMonth{2027, 6}));
    EXPECT_EQ(view[3].year, 1);
    // ... and the last bonus (December 2061) before the last three months of 2062.
    EXPECT_EQ(at(486), std::pair(Bonus, 70));
    EXPECT_EQ(at(489), std::pair(Monthly, 420));

    // The balance of both parts follows each instalment; at the end of each loan
    // year it is the yearly view's balance.
    EXPECT_EQ(view[0].totalBalance, view[0].row.balance + 6000000);
    EXPECT_EQ(view[3].totalBalance, view[2].row.balance + view[3].row.balance);
    const std::vector<YearlyRow> years = YearlyView(s, Calendar(2027, 4));
    for (const MonthlyViewRow& v : view) {
        if (v.part == Monthly && v.row.number % 12 == 0) {
            EXPECT_EQ(v.totalBalance, years[static_cast<std::size_t>(v.year - 1)].balance) << v.row.number;
        }
    }
    EXPECT_EQ(view.back().totalBalance, 0);
}

TEST(MonthlyView, IsInDateOrderForEveryCalendar)
{
    // The worked loan, and a bonus part that runs on after its monthly part has ended.
    const Schedule loans[] = {BuildSchedule(WorkedLoan(CorporationBasic, 3)),
                              BuildSchedule(Loan(CorporationBasic, 1, 0.5, 99.0, 99.0, 5))};
    ASSERT_TRUE(loans[1].monthly.endedEarly());
    ASSERT_FALSE(loans[1].bonus.endedEarly());
    const std::pair<int, int> bonusMonths[] = {{6, 12}, {12, 7}, {1, 8}, {3, 4}};
    for (const Schedule& s : loans)
        for (int first = 1; first <= 12; ++first)
            for (const auto& [a, b] : bonusMonths) {
                const ScheduleCalendar calendar = Calendar(2027, first, a, b);
                SCOPED_TRACE(IsoText(calendar.firstMonth) + " bonus " + std::to_string(a) + "," + std::to_string(b));
                const std::vector<MonthlyViewRow> view = MonthlyView(s, calendar);
                ASSERT_EQ(view.size(), s.monthly.rows.size() + s.bonus.rows.size());
                int nextMonthly = 1, nextBonus = 1;
                std::int64_t monthlyOwed = s.monthly.loanYen, bonusOwed = s.bonus.loanYen;
                for (std::size_t k = 0; k < view.size(); ++k) {
                    const MonthlyViewRow& v = view[k];
                    // Each part's rows once, in their own order, in the calendar's month
                    // and loan year of their instalment.
                    if (v.part == SchedulePartKind::Monthly) {
                        ASSERT_EQ(v.row.number, nextMonthly++);
                        ASSERT_EQ(v.when, MonthOfInstalment(calendar, v.row.number));
                        ASSERT_EQ(v.year, (v.row.number + 11) / 12);
                        monthlyOwed = v.row.balance;
                    } else {
                        ASSERT_EQ(v.row.number, nextBonus++);
                        ASSERT_EQ(v.when, MonthOfBonus(calendar, v.row.number));
                        ASSERT_EQ(v.year, (v.row.number + 1) / 2);
                        bonusOwed = v.row.balance;
                    }
                    ASSERT_EQ(v.totalBalance, monthlyOwed + bonusOwed);
                    if (k == 0)
                        continue;
                    // Months never go back; within a month the monthly instalment comes first.
                    const MonthlyViewRow& before = view[k - 1];
                    ASSERT_LE(before.when, v.when) << k;
                    if (before.when == v.when) {
                        ASSERT_TRUE(before.part == SchedulePartKind::Monthly && v.part == SchedulePartKind::Bonus) << k;
                    }
                }
            }
}

} // namespace
} // namespace hn
