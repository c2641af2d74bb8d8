// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// hensai-calc's JSON: one object per answer, in the same layout in every mode
// (docs/cli.md, docs/schema/hensai-calc.schema.json). The JSON library stays
// inside JsonOutput.cpp; callers add what their mode has, member by member.
#include "calc/CalculateCommand.h"
#include "calc/capacity/Capacity.h"
#include "calc/rates/RateScenario.h"
#include "calc/schedule/Prepayment.h"
#include "calc/schedule/ScheduleCalendar.h"
#include "calc/schedule/ScheduleChecks.h"
#include "calc/schedule/ScheduleViews.h"
#include "cli/ScheduleOutput.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace hn {

struct CalculatorReport;
struct PlanReport;

// Bumped only when a stable key is renamed, removed or changes its meaning.
inline constexpr int kJsonFormat = 1;

class JsonDocument {
public:
    // `mode`: "calculate", "schedule", "prepayment", "scenario", "capacity", "error".
    explicit JsonDocument(std::string_view mode);
    ~JsonDocument();
    JsonDocument(const JsonDocument&) = delete;
    JsonDocument& operator=(const JsonDocument&) = delete;

    // `input` and the calculator window's figures (monthly, bonus, bandUsed,
    // annualYen, requiredIncomeMan, totalYen) of a computed loan.
    void AddCalculator(const CalculatorReport& report);
    // `input` of a schedule: the loan in whole yen, its rates unless a rate path gives them.
    void AddScheduleInput(const CalcSuccess& success, const LoanInput& wholeYen, std::string_view periodText,
                          bool withRates);
    // `schedule`: its checks always; view and rows when a view is printed.
    void AddSchedule(const Schedule& schedule, const ScheduleCheckReport& checks,
                     const ScheduleOutputOptions* view);
    // The prepaid schedule's checks at the top level as well, where they were first put.
    void AddTopLevelChecks(const ScheduleCheckReport& checks);
    void AddComparison(const Schedule& schedule, const WindowComparison& comparison);
    void AddPrepayment(const PrepaymentOutcome& outcome, const ScheduleCalendar& calendar,
                       const PrepaymentComparison* sideBySide);
    void AddScenario(const ScenarioInput& in, const ScenarioSchedule& s);
    // `capacity`, and the loan found as `loan` and at the top level.
    void AddCapacity(const CapacityResult& r, const BurdenLimitRule& rule, std::string_view periodText);

    // `plan` (--plan): each group of the report's figures as an object of its keys,
    // the plan's years and its warnings.
    void AddPlan(const PlanReport& report);

    // `error` (--batch): the request on line `line` failed with this exit status,
    // the message first, as it would be on standard error, and the lines after it.
    void AddError(long line, int status, std::string_view message, const std::vector<std::string>& details);

    // The object on one line, ended by a newline.
    std::string Text() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

} // namespace hn
