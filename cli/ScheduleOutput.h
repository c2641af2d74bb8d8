// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A repayment schedule on the command line: a text table of the monthly or the
// yearly view with its self-checks.
#include "calc/schedule/Schedule.h"
#include "calc/schedule/ScheduleCalendar.h"
#include "calc/schedule/ScheduleChecks.h"
#include "calc/schedule/ScheduleViews.h"
#include "report/ScheduleTable.h"

#include <optional>
#include <string>

namespace hn {

struct ScheduleOutputOptions {
    ScheduleViewKind view = ScheduleViewKind::Monthly;
    std::optional<ScheduleCalendar> calendar; // calendar months beside the numbers
    bool rateColumns = false;                 // rate and unpaid interest (rate scenarios)
    bool prepaidColumn = false;               // what was paid ahead after each instalment
};

// The rows the command line shows, as its text and its JSON both read them.
ScheduleTable ScheduleOutputTable(const Schedule& schedule, const ScheduleOutputOptions& options);

// The table, then one line per self-check ("検算 ...: OK" or "NG").
std::string FormatScheduleText(const Schedule& schedule, const ScheduleCheckReport& checks,
                               const ScheduleOutputOptions& options);

// Any table's rows as the command line lists them: a heading line, then a line a
// row, each column as wide as its widest cell, figures flush right.
std::string FormatTableText(const ScheduleTable& table);

// One line per self-check: "検算 元金の合計 = 借入額 (毎月分): OK" or "NG" with
// the first failing instalment or the two sides compared.
std::string FormatCheckLines(const ScheduleCheckReport& checks);

// A fixed-rate schedule beside the window's figures: both totals and their
// difference, year 1 beside 年間返済額 where they differ, each difference with
// the note that explains it; then an early end and interest left unpaid by an
// instalment, where they happen.
std::string FormatComparisonText(const Schedule& schedule, const WindowComparison& comparison);

} // namespace hn
