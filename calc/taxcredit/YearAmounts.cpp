// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/taxcredit/YearAmounts.h"

#include <algorithm>

namespace hn {

std::optional<std::int64_t> AmountIn(const YearAmounts& amounts, int year) noexcept
{
    for (const YearAmount& a : amounts)
        if (a.year == year)
            return a.yen;
    return std::nullopt;
}

std::optional<std::int64_t> YearlyFigure::For(int year) const noexcept
{
    if (const auto own = AmountIn(byYear, year))
        return own;
    return everyYear;
}

YearAmounts YearEndBalances(const Schedule& schedule, const ScheduleCalendar& calendar, int fromYear)
{
    // The balance of each part after its last instalment due by the end of a year.
    struct Due {
        int year;
        std::int64_t balance;
    };
    std::vector<Due> monthly;
    for (const ScheduleRow& row : schedule.monthly.rows)
        monthly.push_back({MonthOfInstalment(calendar, row.number).year, row.balance});
    std::vector<Due> bonus;
    for (const ScheduleRow& row : schedule.bonus.rows)
        bonus.push_back({MonthOfBonus(calendar, row.number).year, row.balance});

    int lastYear = calendar.firstMonth.year;
    if (!monthly.empty())
        lastYear = std::max(lastYear, monthly.back().year);
    if (!bonus.empty())
        lastYear = std::max(lastYear, bonus.back().year);

    YearAmounts out;
    std::size_t m = 0, b = 0;
    std::int64_t monthlyBalance = schedule.monthly.loanYen;
    std::int64_t bonusBalance = schedule.bonus.loanYen;
    for (int year = std::min(fromYear, calendar.firstMonth.year); year <= lastYear; ++year) {
        for (; m < monthly.size() && monthly[m].year <= year; ++m)
            monthlyBalance = monthly[m].balance;
        for (; b < bonus.size() && bonus[b].year <= year; ++b)
            bonusBalance = bonus[b].balance;
        out.push_back({year, monthlyBalance + bonusBalance});
    }
    return out;
}

} // namespace hn
