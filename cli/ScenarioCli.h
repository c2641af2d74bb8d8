// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rate-scenario options of hensai-calc (--rate-path, --review, --unpaid,
// --first-month) and the --schedule option, and what they print.
#include "calc/rates/RateScenario.h"
#include "calc/rates/ScenarioSummary.h"
#include "calc/schedule/ScheduleCalendar.h"
#include "cli/ScheduleOutput.h"

#include <optional>
#include <string>
#include <string_view>

namespace hn {

struct ScenarioCliOptions {
    bool requested = false; // --rate-path given
    std::string pathText;
    RatePath path;
    ReviewRule review = ReviewRule::FiveYear125;
    UnpaidSettlement unpaid = UnpaidSettlement::CarryToEnd;
    bool reviewGiven = false;
    bool unpaidGiven = false;
    std::optional<YearMonth> firstMonth; // --first-month: calendar labels
    std::optional<std::array<int, 2>> bonusMonths; // --bonus-months (with --schedule)
    bool schedule = false; // --schedule given
    ScheduleViewKind view = ScheduleViewKind::Monthly;
};

enum class OptionRead {
    NotMine, // not one of these options
    Read,
    Bad,     // one of them with a value it cannot take; see the error
};

// Whether `name` ("--rate-path" ...) is one of these options; each takes a value.
bool IsScenarioOption(std::string_view name) noexcept;

OptionRead ReadScenarioOption(std::string_view name, std::string_view value, ScenarioCliOptions& options,
                              std::string& error);

// Checks that need all options: --review and --unpaid only with --rate-path,
// no --rate1 / --rate2 beside it (the path gives the rates), --bonus-months
// only with --schedule. Empty when fine.
std::string CheckScenarioOptions(const ScenarioCliOptions& options, bool rate1Given, bool rate2Given);

// The rate the calculate command's checks see for a scenario: the path's
// month-1 rate in percent, as the user typed it.
double StartPercent(const RatePath& path) noexcept;

// "every" / "5y125", "carry" / "first": the option values, also the JSON values.
std::string_view ReviewName(ReviewRule review) noexcept;
std::string_view UnpaidName(UnpaidSettlement unpaid) noexcept;

// The scenario's figures and warnings as text lines (path steps with calendar
// labels under --first-month).
std::string FormatScenarioLines(const ScenarioInput& in, const ScenarioSchedule& s, const ScenarioCliOptions& o);

} // namespace hn
