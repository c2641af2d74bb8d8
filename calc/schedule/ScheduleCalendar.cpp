// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/schedule/ScheduleCalendar.h"

#include <algorithm>
#include <charconv>

namespace hn {

namespace {

// Whole digits only (no sign, no blanks), as from_chars reads them.
std::optional<int> ReadNumber(std::string_view text) noexcept
{
    if (text.empty() || text.size() > 4)
        return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

} // namespace

bool IsValidYearMonth(YearMonth ym) noexcept
{
    return ym.year >= kMinCalendarYear && ym.year <= kMaxCalendarYear && ym.month >= 1 && ym.month <= 12;
}

bool IsValidCalendar(const ScheduleCalendar& calendar) noexcept
{
    const auto [a, b] = calendar.bonusMonths;
    return IsValidYearMonth(calendar.firstMonth) && a >= 1 && a <= 12 && b >= 1 && b <= 12 && a != b;
}

YearMonth AddMonths(YearMonth ym, int months) noexcept
{
    return YearMonthAt(MonthIndex(ym) + months);
}

YearMonth DefaultFirstMonth(YearMonth today) noexcept
{
    return AddMonths(today, 1);
}

YearMonth MonthOfInstalment(const ScheduleCalendar& calendar, int number) noexcept
{
    return AddMonths(calendar.firstMonth, number - 1);
}

YearMonth MonthOfBonus(const ScheduleCalendar& calendar, int number) noexcept
{
    const int early = std::min(calendar.bonusMonths[0], calendar.bonusMonths[1]);
    const int late = std::max(calendar.bonusMonths[0], calendar.bonusMonths[1]);
    // Bonus months in order: (year, early), (year, late), (year + 1, early) ...
    // Slot 0 is the early month of the first repayment's year.
    const YearMonth first = calendar.firstMonth;
    int slot = first.month <= early ? 0 : first.month <= late ? 1 : 2;
    slot += number - 1;
    return {first.year + slot / 2, slot % 2 == 0 ? early : late};
}

std::optional<YearMonth> ParseYearMonth(std::string_view text) noexcept
{
    const auto dash = text.find('-');
    if (dash == std::string_view::npos)
        return std::nullopt;
    const auto year = ReadNumber(text.substr(0, dash));
    const auto month = ReadNumber(text.substr(dash + 1));
    if (!year || !month || dash != 4)
        return std::nullopt;
    const YearMonth ym{*year, *month};
    if (!IsValidYearMonth(ym))
        return std::nullopt;
    return ym;
}

std::optional<std::array<int, 2>> ParseBonusMonths(std::string_view text) noexcept
{
    const auto comma = text.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const auto a = ReadNumber(text.substr(0, comma));
    const auto b = ReadNumber(text.substr(comma + 1));
    if (!a || !b || *a < 1 || *a > 12 || *b < 1 || *b > 12 || *a == *b)
        return std::nullopt;
    return std::array<int, 2>{*a, *b};
}

std::string IsoText(YearMonth ym)
{
    std::string s = std::to_string(ym.year);
    s.insert(0, s.size() < 4 ? 4 - s.size() : 0, '0');
    s += ym.month < 10 ? "-0" : "-";
    s += std::to_string(ym.month);
    return s;
}

std::string JapaneseText(YearMonth ym)
{
    return std::to_string(ym.year) + "年" + std::to_string(ym.month) + "月";
}

} // namespace hn
