#pragma once
// A repayment schedule on the command line: a text table of the monthly or the
// yearly view with its self-checks, or the same as JSON members.
#include "calc/Schedule.h"
#include "calc/ScheduleCalendar.h"
#include "calc/ScheduleChecks.h"

#include <optional>
#include <string>

namespace hn {

enum class ScheduleViewKind { Monthly, Yearly };

struct ScheduleOutputOptions {
    ScheduleViewKind view = ScheduleViewKind::Monthly;
    std::optional<ScheduleCalendar> calendar; // calendar months beside the numbers
    bool rateColumns = false;                 // rate and unpaid interest (rate scenarios)
};

// The table, then one line per self-check ("検算 ...: OK" or "NG").
std::string FormatScheduleText(const Schedule& schedule, const ScheduleCheckReport& checks,
                               const ScheduleOutputOptions& options);

// `"schedule": {...}` without surrounding braces: view, rows, checks.
std::string FormatScheduleJsonMember(const Schedule& schedule, const ScheduleCheckReport& checks,
                                     const ScheduleOutputOptions& options);

} // namespace hn
