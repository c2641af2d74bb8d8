// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calendar labels of a schedule. The user picks the month of the first
// repayment and two bonus months; instalment 1 falls in the first repayment
// month and bonus instalment 1 in the first bonus month on or after it. The
// labels never change the arithmetic: rows stay in loan years.
#include <array>
#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace hn {

struct YearMonth {
    int year = 0;
    int month = 0; // 1 to 12

    friend auto operator<=>(const YearMonth&, const YearMonth&) = default;
};

inline constexpr int kMinCalendarYear = 1900;
inline constexpr int kMaxCalendarYear = 9999;

struct ScheduleCalendar {
    YearMonth firstMonth{2000, 1};      // month of instalment 1
    std::array<int, 2> bonusMonths{6, 12}; // two different months, 1 to 12, in any order
};

// Months counted from January of year 0, so that division finds the year; inline
// because the monthly view labels every row with it.
constexpr long long MonthIndex(YearMonth ym) noexcept
{
    return static_cast<long long>(ym.year) * 12 + (ym.month - 1);
}

constexpr YearMonth YearMonthAt(long long index) noexcept
{
    // Floor division keeps years before 0 meaningful (never shown, but sound).
    long long year = index / 12;
    long long month = index % 12;
    if (month < 0) {
        month += 12;
        --year;
    }
    return {static_cast<int>(year), static_cast<int>(month) + 1};
}

// A month from 1 to 12 of a year from kMinCalendarYear to kMaxCalendarYear.
bool IsValidYearMonth(YearMonth ym) noexcept;
// A valid first month and two different bonus months from 1 to 12.
bool IsValidCalendar(const ScheduleCalendar& calendar) noexcept;

// `ym` moved by `months` (negative moves back).
YearMonth AddMonths(YearMonth ym, int months) noexcept;

// The month after `today`: where the first repayment falls unless the user
// picks another.
YearMonth DefaultFirstMonth(YearMonth today) noexcept;

// The calendar month of monthly instalment `number` (from 1).
YearMonth MonthOfInstalment(const ScheduleCalendar& calendar, int number) noexcept;
// The calendar month of bonus instalment `number` (from 1).
YearMonth MonthOfBonus(const ScheduleCalendar& calendar, int number) noexcept;

// "2027-04" (the form of --first-month); empty unless a valid YearMonth.
std::optional<YearMonth> ParseYearMonth(std::string_view text) noexcept;
// "6,12": two different months from 1 to 12.
std::optional<std::array<int, 2>> ParseBonusMonths(std::string_view text) noexcept;

// "2027-04", and "2027年4月" as the window shows it.
std::string IsoText(YearMonth ym);
std::string JapaneseText(YearMonth ym);

} // namespace hn
