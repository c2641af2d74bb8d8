#pragma once
// Calendar labels for the months of a rate scenario. Labels only: the
// arithmetic counts instalments and never looks at a date.
//
// Many lenders set their variable rate twice a year, on 1 April and
// 1 October, from their short-term prime rate; the April rate is charged from
// the July instalment and the October rate from the January instalment. Given
// the calendar month of the first instalment, a month of the path can be shown
// with its date and with the setting date of the rate it pays.
#include <string>

namespace hn {

struct CalendarMonth {
    int year = 0;
    int month = 1; // 1 to 12

    friend bool operator==(const CalendarMonth&, const CalendarMonth&) = default;
};

// The calendar month of instalment month `number` (1-based) when month 1 is
// `first`.
CalendarMonth CalendarMonthOf(CalendarMonth first, int number) noexcept;

// The 1 April or 1 October whose rate a lender of the kind above charges in
// `paid`: 1 April of the same year for July to December, 1 October of the year
// before for January to June.
struct RateSettingDate {
    int year = 0;
    int month = 4; // 4 or 10
    friend bool operator==(const RateSettingDate&, const RateSettingDate&) = default;
};
RateSettingDate RateSettingFor(CalendarMonth paid) noexcept;

// Whether such a lender can change the rate in `paid` (a July or a January).
bool IsRateChangeMonth(CalendarMonth paid) noexcept;

// "第61回 (2031年7月, 2031年4月1日の金利)": the month number, its calendar
// month and the setting date of the rate charged in it.
std::string CalendarLabel(CalendarMonth first, int number);

} // namespace hn
