// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the schedule window shows for the view chosen: its heading and title, the
// table, the chart's years, the totals, notes and self-check lines. Worked out here
// from the reports, without a window; CScheduleDlg only puts it into widgets.
#include "report/ScheduleTable.h"
#include "schedule/ScheduleReport.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hn {

enum class ScheduleView { Monthly, Yearly, Combined };

struct ScheduleWindowView {
    std::string heading;       // "公庫1　公庫基本型 …", "集計結果の合算　公庫1、公庫2"
    std::string title;         // the window's title
    std::string totalsHeading; // the totals panel's
    std::string message;       // why the loan has no schedule; empty when it has one
    ScheduleTable table;
    std::vector<YearlyRow> chartYears;
    std::int64_t openingBalance = 0; // the chart's balance before the first year
    std::vector<TotalsLine> totals;
    std::vector<std::string> notes;
    std::vector<CheckLine> checks; // a loan's: first whether all passed, then each check
};

// Whether the loans of the summary window may be shown together beside `report`: not
// beside a schedule built elsewhere, which has nothing to do with them.
bool CombinedOffered(const LoanReport* report, const std::vector<ScheduleLoan>& combinedLoans);

// The window's contents for `view`: the combined view from `combined` (the report of
// `combinedLoans`), the others from `report` (none: an empty window).
ScheduleWindowView MakeScheduleWindowView(ScheduleView view, const LoanReport* report, const CombinedReport& combined,
                                          const std::vector<ScheduleLoan>& combinedLoans);

} // namespace hn
