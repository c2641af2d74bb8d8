// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Request.h"

#include "calc/CalculateCommand.h"
#include "calc/CheckMessages.h"
#include "calc/LoanWindowState.h"
#include "calc/rates/ScenarioTexts.h"
#include "calc/schedule/ScheduleTexts.h"
#include "cli/CliOutput.h"
#include "cli/JsonOutput.h"
#include "cli/PlanningCli.h"
#include "cli/ScenarioCli.h"
#include "cli/ScheduleOutput.h"
#include "report/CalculatorReport.h"
#include "report/PlanFile.h"
#include "report/PlanReport.h"
#include "report/ScheduleCsv.h"

#include <algorithm>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace hn {

namespace {

std::string JoinOptions(const std::vector<std::string>& names)
{
    std::string s;
    for (const std::string& n : names)
        s += (s.empty() ? "" : ", ") + n;
    return s;
}

// The JSON's "mode": which question the options ask.
std::string_view ModeName(const CliOptions& o)
{
    if (o.planGiven)
        return "plan";
    if (o.planning.capacity)
        return "capacity";
    if (o.scenario.requested)
        return "scenario";
    if (!o.planning.prepayments.empty())
        return "prepayment";
    return o.scenario.schedule ? "schedule" : "calculate";
}

// The month of the user's clock, local time.
YearMonth ThisMonth()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || !localtime_r(&now, &local))
        return {2000, 1}; // no clock: any month labels as well; the figures do not depend on it
    return {local.tm_year + 1900, local.tm_mon + 1};
}

// The schedule's calendar: --first-month or next month, --bonus-months or June
// and December.
ScheduleCalendar CalendarOf(const ScenarioCliOptions& so)
{
    ScheduleCalendar calendar;
    calendar.firstMonth = so.firstMonth.value_or(DefaultFirstMonth(ThisMonth()));
    if (so.bonusMonths)
        calendar.bonusMonths = *so.bonusMonths;
    return calendar;
}

// --schedule for a fixed-rate loan, and everything of a rate scenario: the
// figures, the warnings, and the schedule with its self-checks.
Answer RunScheduleOrScenario(const CliOptions& o, const CalcSuccess& success)
{
    const LoanInput loan = WholeYenInput(success.input);
    const ScenarioCliOptions& so = o.scenario;
    Schedule schedule;
    std::string text;
    JsonDocument json(ModeName(o));
    json.AddScheduleInput(success, loan, o.periodText, !so.requested);
    if (so.requested) {
        const ScenarioInput in{loan, so.path, so.review, so.unpaid};
        const ScenarioSchedule s = BuildScenarioSchedule(in);
        if (!s.ok()) {
            const std::string_view message = s.status == ScenarioStatus::ReducedFamily ? kMsgScenarioReduced
                : s.status == ScenarioStatus::BeyondExactRange                     ? kMsgScheduleBeyondExact
                                                                                        : kMsgScheduleInvalid;
            return {kExitCheckFailed, {}, std::string(message) + "\n"};
        }
        schedule = s.schedule;
        text = FormatScenarioLines(in, s, so);
        json.AddScenario(in, s);
    } else {
        schedule = BuildSchedule(loan, ExactRatesFromTexts(loan, o.rate1Text, o.rate2Text));
        if (!schedule.ok()) {
            return {kExitCheckFailed, {}, std::string(schedule.status == ScheduleStatus::BeyondExactRange
                                          ? kMsgScheduleBeyondExact
                                          : kMsgScheduleInvalid) + "\n"};
        }
        text = FormatResultLines(success, Spacing::Attached);
        if (!o.planning.prepayments.empty()) {
            const PrepaymentOutcome prepaid = ApplyPrepayments(schedule, o.planning.prepayments);
            if (!prepaid.ok) {
                return {kExitCheckFailed, {}, std::string(prepaid.message) + "\n"};
            }
            // One prepayment: the three ways side by side as well.
            std::optional<PrepaymentComparison> sideBySide;
            if (o.planning.prepayments.size() == 1)
                sideBySide = ComparePrepayModes(schedule, o.planning.prepayments.front());
            const ScheduleCalendar calendar = CalendarOf(so);
            const PrepaymentComparison* side = sideBySide ? &*sideBySide : nullptr;
            text += "\n" + FormatPrepaymentLines(prepaid, calendar, side);
            json.AddPrepayment(prepaid, calendar, side);
            schedule = prepaid.after;
        }
    }

    ScheduleCheckReport checks = CheckSchedule(schedule);
    std::optional<WindowComparison> comparison;
    const bool prepaid = !o.planning.prepayments.empty();
    // A prepaid schedule no longer follows the window's band figures.
    if (!so.requested && !prepaid) {
        // The window's figures of the loan the schedule is built from (the same
        // as success.result unless a fraction of a yen was rounded away).
        const RepaymentOutcome fixed = ComputeRepayment(loan);
        if (fixed.ok()) {
            CheckAgainstResult(schedule, fixed.result, checks);
            comparison = CompareWithWindow(schedule, fixed.result);
        }
    }
    std::string csv;
    if (so.schedule) {
        ScheduleOutputOptions out;
        out.view = so.view;
        out.calendar = CalendarOf(so);
        out.rateColumns = so.requested;
        out.prepaidColumn = prepaid;
        text += "\n" + FormatScheduleText(schedule, checks, out);
        json.AddSchedule(schedule, checks, &out);
        if (comparison) {
            text += "\n" + FormatComparisonText(schedule, *comparison);
            json.AddComparison(schedule, *comparison);
        }
        if (o.csv)
            csv = ScheduleCsv(schedule, so.view, *out.calendar);
    } else if (prepaid) {
        // The prepaid schedule's self-checks are shown without the table too.
        text += FormatCheckLines(checks);
        json.AddSchedule(schedule, checks, nullptr);
        json.AddTopLevelChecks(checks);
    }
    Answer answer;
    if (o.csv) {
        // Standard output holds the file alone; the checks go beside it.
        answer.out = std::move(csv);
        answer.err = FormatCheckLines(checks);
    } else {
        answer.out = o.json ? json.Text() : std::move(text);
    }
    if (!checks.allPassed()) {
        answer.err += std::string(kMsgCheckFailed) + "\n";
        answer.status = kExitSelfCheckFailed;
    }
    return answer;
}

// --capacity: the largest loan the income carries, and that loan's figures.
Answer RunCapacity(const CliOptions& o)
{
    const PlanningCliOptions& p = o.planning;
    CapacityRequest q;
    q.incomeMan = o.incomeMan;
    q.limit = p.limitKey.empty() ? nullptr : FindBurdenLimitRule(p.limitKey);
    q.screeningRatePercent = p.screeningRatePercent;
    q.otherDebtsMan = p.otherDebtsMan;
    q.periodYears = o.periodText.empty() ? 0.0 : ReadPeriodYears(o.periodText);
    q.method = o.method;
    q.rate1Percent = o.rate1Percent;
    q.rate2Percent = o.rate2Percent;
    q.bonusSharePercent = p.bonusSharePercent;
    const CapacityOutcome out = ComputeCapacity(q);
    if (!out.ok)
        return {kExitCheckFailed, {}, std::string(out.message) + "\n"};
    if (!o.json)
        return {0, FormatCapacityLines(out.result, *q.limit), {}};
    JsonDocument json(ModeName(o));
    json.AddCapacity(out.result, *q.limit, o.periodText);
    return {0, json.Text(), {}};
}

// --plan: a home purchase as one whole, read from its file.
Answer RunPlan(const CliOptions& o)
{
    const PlanFileRead read = ReadPlanFile(o.planFile);
    if (!read.ok)
        return {kExitCheckFailed, {}, read.message + "\n"};
    const PlanReport report = MakePlanReport(read.plan);
    if (!report.ok)
        return {kExitCheckFailed, {}, report.message + "\n"};
    if (o.scenario.schedule) {
        // The loans together a plan year a line (a plan has no single monthly row).
        if (o.csv)
            return {0, YearlyCsv(report.years), {}};
        using C = ScheduleColumn;
        std::vector<C> columns{C::Year, C::Period, C::Payment, C::Interest, C::Principal};
        if (std::any_of(report.years.begin(), report.years.end(), [](const YearlyRow& y) { return y.unpaidInterest > 0; }))
            columns.push_back(C::Unpaid);
        columns.push_back(C::Balance);
        if (!o.json)
            return {0, PlanReportLines(report) + "\n" + FormatTableText(ScheduleTable::Yearly(report.years, columns)), {}};
    }
    if (!o.json)
        return {0, PlanReportLines(report), {}};
    JsonDocument json(ModeName(o));
    json.AddPlan(report);
    return {0, json.Text(), {}};
}

} // namespace

Answer AnswerRequest(const CliOptions& o, bool noArguments)
{
    if (o.planGiven)
        return RunPlan(o);
    if (o.planning.capacity)
        return RunCapacity(o);

    // The calculator window's state as its fields would show these options.
    LoanWindowState state;
    state.selectedMethod = o.method;
    state.loanMan = o.loanMan;
    state.bonusMan = o.bonusMan;
    state.rate1Percent = o.rate1Percent;
    state.rate2Percent = o.rate2Percent;
    if (o.scenario.requested) {
        // The window's checks of the loan, with the path's first rate standing
        // in for the rate fields; the path's own rates are checked already.
        state.rate1Percent = state.rate2Percent = StartPercent(o.scenario.path);
    }
    state.periodText = o.periodText;
    state.incomeMan = o.incomeMan;

    const CalcOutcome outcome = Calculate(state);
    if (!outcome.ok) {
        // The check's own text first, exactly as the window shows it.
        std::string message = std::string(outcome.failure.message) + "\n";
        if (outcome.failure.message == kMsgInputMissing) {
            const auto missing = MissingRequiredOptions(o);
            if (!missing.empty())
                message += std::string("hensai-calc: missing ") + (missing.size() == 1 ? "option " : "options ") +
                           JoinOptions(missing) + "\n";
        }
        if (noArguments)
            message += std::string(kHelpHint);
        return {kExitCheckFailed, {}, message};
    }
    if (!o.scenario.requested && !o.scenario.schedule && o.planning.prepayments.empty()) {
        if (!o.json)
            return {0, FormatResultLines(outcome.success), {}};
        JsonDocument json(ModeName(o));
        json.AddCalculator(MakeCalculatorReport(outcome.success, o.periodText));
        return {0, json.Text(), {}};
    }
    return RunScheduleOrScenario(o, outcome.success);
}

} // namespace hn
