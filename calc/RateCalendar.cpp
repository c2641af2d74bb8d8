#include "calc/RateCalendar.h"

namespace hn {

CalendarMonth CalendarMonthOf(CalendarMonth first, int number) noexcept
{
    const int index = first.year * 12 + (first.month - 1) + (number - 1);
    return {index / 12, index % 12 + 1};
}

RateSettingDate RateSettingFor(CalendarMonth paid) noexcept
{
    if (paid.month >= 7)
        return {paid.year, 4};
    return {paid.year - 1, 10};
}

bool IsRateChangeMonth(CalendarMonth paid) noexcept
{
    return paid.month == 1 || paid.month == 7;
}

std::string CalendarLabel(CalendarMonth first, int number)
{
    const CalendarMonth c = CalendarMonthOf(first, number);
    const RateSettingDate d = RateSettingFor(c);
    return "第" + std::to_string(number) + "回 (" + std::to_string(c.year) + "年" + std::to_string(c.month) +
           "月, " + std::to_string(d.year) + "年" + std::to_string(d.month) + "月1日の金利)";
}

} // namespace hn
