// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A schedule's totals beside the calculator window's, and the notes that explain where
// they differ, as the schedule window's totals panel and the command line's --schedule
// show them.
#include "calc/schedule/Schedule.h"
#include "calc/schedule/ScheduleViews.h"
#include "report/Figure.h"

#include <string>
#include <vector>

namespace hn {

struct ComparisonReport {
    // The schedule's total, the window's and their difference; each band that differs
    // likewise; year 1 beside 年間返済額 and their difference. A difference's caption
    // is 差 and its figure signed.
    std::vector<Figure> figures;
    std::vector<std::string> notes; // the schedule's own (ScheduleNotes), then why the totals differ
};

ComparisonReport MakeComparisonReport(const Schedule& schedule, const WindowComparison& comparison);

// What a schedule says of itself: a part that ended before its term, interest left
// unpaid by an instalment.
std::vector<std::string> ScheduleNotes(const Schedule& schedule);

// Where a part ended before its term: `lead` (why it did), then each such part's last
// instalment and its term.
void AddEndedEarlyNotes(const Schedule& schedule, std::string_view lead, std::vector<std::string>& notes);

// Whether the figure is the difference of the two before it.
bool IsDifference(const Figure& figure);

} // namespace hn
