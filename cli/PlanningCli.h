// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planning options of hensai-calc: --capacity with --limit,
// --screening-rate, --other-debts and --bonus-share (borrowing capacity), and
// --prepay K:AMOUNT:MODE[:BONUS] (early repayment, repeatable), and what they print.
#include "calc/capacity/Capacity.h"
#include "calc/schedule/Prepayment.h"
#include "calc/schedule/ScheduleCalendar.h"
#include "cli/ScenarioCli.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hn {

struct PlanningCliOptions {
    bool capacity = false;             // --capacity
    std::string limitKey;              // --limit: 20, 25, 30, 35, 40, public, bank
    double screeningRatePercent = 0.0; // --screening-rate
    double otherDebtsMan = 0.0;        // --other-debts
    double bonusSharePercent = 0.0;    // --bonus-share
    bool capacityOptionGiven = false;  // any of the four above
    std::vector<Prepayment> prepayments; // --prepay, in the order given
};

// "--capacity": the one planning option without a value.
bool IsPlanningFlag(std::string_view name) noexcept;
// The planning options that take a value.
bool IsPlanningOption(std::string_view name) noexcept;

OptionRead ReadPlanningOption(std::string_view name, std::string_view value, PlanningCliOptions& options,
                              std::string& error);

// K:AMOUNT:MODE[:BONUS]: after monthly instalment K, AMOUNT 万円, MODE one of
// reduce, shorten, shorten-whole; BONUS 万円 of the amount go to the bonus part.
std::optional<Prepayment> ParsePrepayOption(std::string_view text, std::string& error);

// Borrowing capacity as labelled lines.
std::string FormatCapacityLines(const CapacityResult& r, const BurdenLimitRule& rule);

// The prepayments' effect as labelled lines (and, for one prepayment, the three
// ways side by side).
std::string FormatPrepaymentLines(const PrepaymentOutcome& out, const ScheduleCalendar& calendar,
                                  const PrepaymentComparison* sideBySide);

} // namespace hn
