// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Several loans' schedules as one: the plan's years, its totals, its largest
// monthly instalment and its last month. The loans may start in different
// months (a second loan drawn later), so they are aligned by calendar, not by
// loan year: plan year 1 is the twelve months from the earliest first
// instalment. Loans that all start together give CombinedYearlyView's rows.
#include "calc/schedule/Schedule.h"
#include "calc/schedule/ScheduleCalendar.h"
#include "calc/schedule/ScheduleViews.h"

#include <cstdint>
#include <span>
#include <vector>

namespace hn {

// One loan of a plan: its schedule, built by whatever computes its product, and
// the calendar its instalments fall in.
struct PlanSchedule {
    Schedule schedule;
    ScheduleCalendar calendar;
};

struct PlanScheduleSummary {
    YearMonth firstMonth;                // the earliest first instalment
    YearMonth lastMonth;                 // the latest instalment of any loan
    std::vector<YearlyRow> years;        // one row per plan year, up to the last instalment
    ScheduleTotals totals;               // every instalment of every loan
    // The largest sum of monthly instalments in one month, each loan's settling
    // last instalment left out (as a rate scenario's peak), and its first month.
    std::int64_t peakMonthlyYen = 0;
    YearMonth peakMonth;
};

// Plan year of a month: 1 for the twelve months from `first`.
int PlanYearOf(YearMonth first, YearMonth when) noexcept;

// The loans together. Expects each schedule ok() and each calendar valid (the
// plan checks both); none gives an empty summary. A year's balance is every
// loan's at its end, a loan not yet started counting what it borrows.
PlanScheduleSummary SummarisePlanSchedules(std::span<const PlanSchedule> loans);
// The same for loans held elsewhere, without copying their schedules.
PlanScheduleSummary SummarisePlanSchedules(std::span<const PlanSchedule* const> loans);

} // namespace hn
