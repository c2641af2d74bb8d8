// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/rates/RateCalendar.h"

namespace hn {

YearMonth RateSettingFor(YearMonth paid) noexcept
{
    if (paid.month >= 7)
        return {paid.year, 4};
    return {paid.year - 1, 10};
}

bool IsRateChangeMonth(YearMonth paid) noexcept
{
    return paid.month == 1 || paid.month == 7;
}

std::string RateMonthLabel(const ScheduleCalendar& calendar, int month)
{
    const YearMonth paid = MonthOfInstalment(calendar, month);
    const YearMonth set = RateSettingFor(paid);
    return "第" + std::to_string(month) + "回 (" + JapaneseText(paid) + ", " + JapaneseText(set) + "1日の金利)";
}

} // namespace hn
