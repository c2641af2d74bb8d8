// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Calendar labels for the months of a rate scenario, on top of the schedule's
// calendar (ScheduleCalendar). Labels only: the arithmetic counts instalments
// and never looks at a date.
//
// Many lenders set their variable rate twice a year, on 1 April and
// 1 October, from their short-term prime rate; the April rate is charged from
// the July instalment and the October rate from the January instalment. A
// month of the path can thus be shown with its calendar month and with the
// setting date of the rate it pays.
#include "calc/schedule/ScheduleCalendar.h"

#include <string>

namespace hn {

// The 1 April or 1 October (day 1 of the month returned) whose rate such a
// lender charges in `paid`: 1 April of the same year for July to December,
// 1 October of the year before for January to June.
YearMonth RateSettingFor(YearMonth paid) noexcept;

// Whether such a lender can change the rate in `paid` (a July or a January).
bool IsRateChangeMonth(YearMonth paid) noexcept;

// "第61回 (2031年12月, 2031年4月1日の金利)": the instalment month number, its
// calendar month and the setting date of the rate charged in it.
std::string RateMonthLabel(const ScheduleCalendar& calendar, int month);

} // namespace hn
