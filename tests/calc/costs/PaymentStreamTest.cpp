// SPDX-License-Identifier: GPL-3.0-or-later
// A schedule as a list of payments by month, whole and from a switch on.
#include "calc/costs/PaymentStream.h"

#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

// The worked loan (600 万円 of 3,000 in bonus instalments), first instalment in
// April 2025, bonus months June and December.
class WorkedStream : public testing::Test {
protected:
    const Schedule schedule = BuildSchedule(test::WorkedLoan(BankOther));
    const ScheduleCalendar calendar{{2025, 4}, {6, 12}};
};

TEST_F(WorkedStream, EveryInstalmentAtItsMonth)
{
    const PaymentStream all = StreamOf(schedule, calendar);
    ASSERT_EQ(all.size(), schedule.monthly.rows.size() + schedule.bonus.rows.size());
    EXPECT_EQ(all.front(), (Payment{1, schedule.monthly.rows[0].payment}));
    const std::size_t firstBonus = schedule.monthly.rows.size();
    EXPECT_EQ(all[firstBonus], (Payment{3, schedule.bonus.rows[0].payment}));     // June 2025
    EXPECT_EQ(all[firstBonus + 1], (Payment{9, schedule.bonus.rows[1].payment})); // December 2025
    EXPECT_EQ(TotalOf(all), TotalsOf(schedule).payment);
}

TEST_F(WorkedStream, FromASwitchOnCountsMonthsFromIt)
{
    // After 24 instalments (March 2027): bonus 4 (December 2026, month 21) is paid,
    // bonus 5 (June 2027, month 27) is month 3 after the switch.
    const PaymentStream rest = StreamAfter(schedule, calendar, 24);
    EXPECT_EQ(rest.front(), (Payment{1, schedule.monthly.rows[24].payment}));
    const std::size_t firstBonus = schedule.monthly.rows.size() - 24;
    EXPECT_EQ(rest[firstBonus], (Payment{3, schedule.bonus.rows[4].payment}));
    EXPECT_EQ(BalanceAfter(schedule, calendar, 24), schedule.monthly.rows[23].balance + schedule.bonus.rows[3].balance);
    EXPECT_EQ(BalanceAfter(schedule, calendar, 0), 30'000'000);
    // What remains repays the balance with its interest.
    std::int64_t interest = 0;
    for (std::size_t k = 24; k < schedule.monthly.rows.size(); ++k)
        interest += schedule.monthly.rows[k].interest;
    for (std::size_t k = 4; k < schedule.bonus.rows.size(); ++k)
        interest += schedule.bonus.rows[k].interest;
    EXPECT_EQ(TotalOf(rest), BalanceAfter(schedule, calendar, 24) + interest);
    EXPECT_EQ(NextMonthlyInstalment(schedule, 24), schedule.monthly.rows[24].payment);
    EXPECT_EQ(NextMonthlyInstalment(schedule, 420), 0);
}

} // namespace
} // namespace hn
