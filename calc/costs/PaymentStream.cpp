// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/costs/PaymentStream.h"

#include <algorithm>

namespace hn {
namespace {

int MonthsBetween(YearMonth from, YearMonth to) noexcept
{
    return (to.year - from.year) * 12 + (to.month - from.month);
}

// Month of bonus instalment `number`, counted like the monthly instalments.
int BonusMonth(const ScheduleCalendar& calendar, int number) noexcept
{
    return MonthsBetween(calendar.firstMonth, MonthOfBonus(calendar, number)) + 1;
}

} // namespace

PaymentStream StreamOf(const Schedule& schedule, const ScheduleCalendar& calendar)
{
    return StreamAfter(schedule, calendar, 0);
}

PaymentStream StreamAfter(const Schedule& schedule, const ScheduleCalendar& calendar, int paid)
{
    PaymentStream out;
    out.reserve(schedule.monthly.rows.size() + schedule.bonus.rows.size());
    for (const ScheduleRow& row : schedule.monthly.rows)
        if (row.number > paid)
            out.push_back({row.number - paid, row.payment});
    for (const ScheduleRow& row : schedule.bonus.rows) {
        const int month = BonusMonth(calendar, row.number);
        if (month > paid)
            out.push_back({month - paid, row.payment});
    }
    return out;
}

std::int64_t BalanceAfter(const Schedule& schedule, const ScheduleCalendar& calendar, int paid)
{
    std::int64_t balance = schedule.monthly.loanYen;
    for (const ScheduleRow& row : schedule.monthly.rows)
        if (row.number <= paid)
            balance = row.balance;
    std::int64_t bonus = schedule.bonus.loanYen;
    for (const ScheduleRow& row : schedule.bonus.rows)
        if (BonusMonth(calendar, row.number) <= paid)
            bonus = row.balance;
    return balance + bonus;
}

std::int64_t NextMonthlyInstalment(const Schedule& schedule, int paid) noexcept
{
    const auto& rows = schedule.monthly.rows;
    if (paid < 0 || paid >= static_cast<int>(rows.size()))
        return 0;
    return rows[static_cast<std::size_t>(paid)].payment;
}

std::int64_t TotalOf(std::span<const Payment> payments) noexcept
{
    std::int64_t sum = 0;
    for (const Payment& p : payments)
        sum += p.yen;
    return sum;
}

} // namespace hn
