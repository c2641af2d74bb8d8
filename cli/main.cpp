// SPDX-License-Identifier: GPL-3.0-or-later
// hensai-calc: the loan calculation of Hensai Navi on the command line.
#include "calc/CalculateCommand.h"
#include "calc/CheckMessages.h"
#include "calc/LoanWindowState.h"
#include "calc/ScenarioTexts.h"
#include "calc/ScheduleTexts.h"
#include "cli/CliOptions.h"
#include "cli/CliOutput.h"
#include "cli/JsonOutput.h"
#include "cli/PlanningCli.h"
#include "cli/ProgramOutput.h"
#include "cli/ScenarioCli.h"
#include "calc/ScheduleCsv.h"
#include "cli/ScheduleOutput.h"

#include "Version.h"

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kExitWriteFailed = 1;
constexpr int kExitCheckFailed = 2;
constexpr int kExitUsage = 2;
constexpr int kExitSelfCheckFailed = 3;

constexpr const char* kHelpHint = "Try 'hensai-calc --help'.\n";

// Everything on standard output has to reach its destination: a full disk or a
// closed pipe is a failure, not a silent success with half a result.
int FinishOutput(int status)
{
    return hn::FinishOut() ? status : kExitWriteFailed;
}

std::string JoinOptions(const std::vector<std::string>& names)
{
    std::string s;
    for (const std::string& n : names)
        s += (s.empty() ? "" : ", ") + n;
    return s;
}

// The JSON's "mode": which question the options ask.
std::string_view ModeName(const hn::CliOptions& o)
{
    if (o.planning.capacity)
        return "capacity";
    if (o.scenario.requested)
        return "scenario";
    if (!o.planning.prepayments.empty())
        return "prepayment";
    return o.scenario.schedule ? "schedule" : "calculate";
}

// The month of the user's clock, local time.
hn::YearMonth ThisMonth()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || !localtime_r(&now, &local))
        return {2000, 1}; // no clock: any month labels as well; the figures do not depend on it
    return {local.tm_year + 1900, local.tm_mon + 1};
}

// The schedule's calendar: --first-month or next month, --bonus-months or June
// and December.
hn::ScheduleCalendar CalendarOf(const hn::ScenarioCliOptions& so)
{
    hn::ScheduleCalendar calendar;
    calendar.firstMonth = so.firstMonth.value_or(hn::DefaultFirstMonth(ThisMonth()));
    if (so.bonusMonths)
        calendar.bonusMonths = *so.bonusMonths;
    return calendar;
}

// --schedule for a fixed-rate loan, and everything of a rate scenario: the
// figures, the warnings, and the schedule with its self-checks.
int RunScheduleOrScenario(const hn::CliOptions& o, const hn::CalcSuccess& success)
{
    const hn::LoanInput loan = hn::WholeYenInput(success.input);
    const hn::ScenarioCliOptions& so = o.scenario;
    hn::Schedule schedule;
    std::string text;
    hn::JsonDocument json(ModeName(o));
    json.AddScheduleInput(success, loan, o.periodText, !so.requested);
    if (so.requested) {
        const hn::ScenarioInput in{loan, so.path, so.review, so.unpaid};
        const hn::ScenarioSchedule s = hn::BuildScenarioSchedule(in);
        if (!s.ok()) {
            const std::string_view message = s.status == hn::ScenarioStatus::ReducedFamily ? hn::kMsgScenarioReduced
                : s.status == hn::ScenarioStatus::BeyondExactRange                     ? hn::kMsgScheduleBeyondExact
                                                                                        : hn::kMsgScheduleInvalid;
            hn::WriteErr(std::string(message) + "\n");
            return kExitCheckFailed;
        }
        schedule = s.schedule;
        text = hn::FormatScenarioLines(in, s, so);
        json.AddScenario(in, s);
    } else {
        schedule = hn::BuildSchedule(loan, hn::ExactRatesFromTexts(loan, o.rate1Text, o.rate2Text));
        if (!schedule.ok()) {
            hn::WriteErr(std::string(schedule.status == hn::ScheduleStatus::BeyondExactRange
                                          ? hn::kMsgScheduleBeyondExact
                                          : hn::kMsgScheduleInvalid) + "\n");
            return kExitCheckFailed;
        }
        text = hn::FormatResultLines(success, hn::UnitSpacing::Attached);
        if (!o.planning.prepayments.empty()) {
            const hn::PrepaymentOutcome prepaid = hn::ApplyPrepayments(schedule, o.planning.prepayments);
            if (!prepaid.ok) {
                hn::WriteErr(std::string(prepaid.message) + "\n");
                return kExitCheckFailed;
            }
            // One prepayment: the three ways side by side as well.
            std::optional<hn::PrepaymentComparison> sideBySide;
            if (o.planning.prepayments.size() == 1)
                sideBySide = hn::ComparePrepayModes(schedule, o.planning.prepayments.front());
            const hn::ScheduleCalendar calendar = CalendarOf(so);
            const hn::PrepaymentComparison* side = sideBySide ? &*sideBySide : nullptr;
            text += "\n" + hn::FormatPrepaymentLines(prepaid, calendar, side);
            json.AddPrepayment(prepaid, calendar, side);
            schedule = prepaid.after;
        }
    }

    hn::ScheduleCheckReport checks = hn::CheckSchedule(schedule);
    std::optional<hn::WindowComparison> comparison;
    const bool prepaid = !o.planning.prepayments.empty();
    // A prepaid schedule no longer follows the window's band figures.
    if (!so.requested && !prepaid) {
        // The window's figures of the loan the schedule is built from (the same
        // as success.result unless a fraction of a yen was rounded away).
        const hn::RepaymentOutcome fixed = hn::ComputeRepayment(loan);
        if (fixed.ok()) {
            hn::CheckAgainstResult(schedule, fixed.result, checks);
            comparison = hn::CompareWithWindow(schedule, fixed.result);
        }
    }
    std::string csv;
    if (so.schedule) {
        hn::ScheduleOutputOptions out;
        out.view = so.view;
        out.calendar = CalendarOf(so);
        out.rateColumns = so.requested;
        out.prepaidColumn = prepaid;
        text += "\n" + hn::FormatScheduleText(schedule, checks, out);
        json.AddSchedule(schedule, checks, &out);
        if (comparison) {
            text += "\n" + hn::FormatComparisonText(schedule, *comparison);
            json.AddComparison(schedule, *comparison);
        }
        if (o.csv)
            csv = hn::ScheduleCsv(schedule, so.view, *out.calendar);
    } else if (prepaid) {
        // The prepaid schedule's self-checks are shown without the table too.
        text += hn::FormatCheckLines(checks);
        json.AddSchedule(schedule, checks, nullptr);
        json.AddTopLevelChecks(checks);
    }
    if (o.csv) {
        // Standard output holds the file alone; the checks go beside it.
        hn::WriteOut(csv);
        hn::WriteErr(hn::FormatCheckLines(checks));
    } else {
        hn::WriteOut(o.json ? json.Text() : text);
    }
    if (const int status = FinishOutput(0); status != 0)
        return status;
    if (!checks.allPassed()) {
        hn::WriteErr(std::string(hn::kMsgCheckFailed) + "\n");
        return kExitSelfCheckFailed;
    }
    return 0;
}

// --capacity: the largest loan the income carries, and that loan's figures.
int RunCapacity(const hn::CliOptions& o)
{
    const hn::PlanningCliOptions& p = o.planning;
    hn::CapacityRequest q;
    q.incomeMan = o.incomeMan;
    q.limit = p.limitKey.empty() ? nullptr : hn::FindBurdenLimitRule(p.limitKey);
    q.screeningRatePercent = p.screeningRatePercent;
    q.otherDebtsMan = p.otherDebtsMan;
    q.periodYears = o.periodText.empty() ? 0.0 : hn::ReadPeriodYears(o.periodText);
    q.method = o.method;
    q.rate1Percent = o.rate1Percent;
    q.rate2Percent = o.rate2Percent;
    q.bonusSharePercent = p.bonusSharePercent;
    const hn::CapacityOutcome out = hn::ComputeCapacity(q);
    if (!out.ok) {
        hn::WriteErr(std::string(out.message) + "\n");
        return kExitCheckFailed;
    }
    if (o.json) {
        hn::JsonDocument json(ModeName(o));
        json.AddCapacity(out.result, *q.limit, o.periodText);
        hn::WriteOut(json.Text());
    } else {
        hn::WriteOut(hn::FormatCapacityLines(out.result, *q.limit));
    }
    return FinishOutput(0);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const hn::CliParse parse = hn::ParseCliOptions(args);
    if (!parse.ok) {
        hn::WriteErr("hensai-calc: " + parse.error + "\n" + kHelpHint);
        return kExitUsage;
    }
    const hn::CliOptions& o = parse.options;
    if (o.help) {
        hn::WriteOut(hn::CliHelpText());
        return FinishOutput(0);
    }
    if (o.version) {
        hn::WriteOut("hensai-calc " HENSAI_VERSION "\n" HENSAI_VERSION_NOTICE);
        return FinishOutput(0);
    }

    if (o.planning.capacity)
        return RunCapacity(o);

    // The calculator window's state as its fields would show these options.
    hn::LoanWindowState state;
    state.selectedMethod = o.method;
    state.loanMan = o.loanMan;
    state.bonusMan = o.bonusMan;
    state.rate1Percent = o.rate1Percent;
    state.rate2Percent = o.rate2Percent;
    if (o.scenario.requested) {
        // The window's checks of the loan, with the path's first rate standing
        // in for the rate fields; the path's own rates are checked already.
        state.rate1Percent = state.rate2Percent = hn::StartPercent(o.scenario.path);
    }
    state.periodText = o.periodText;
    state.incomeMan = o.incomeMan;

    const hn::CalcOutcome outcome = hn::Calculate(state);
    if (!outcome.ok) {
        // The check's own text first, exactly as the window shows it.
        std::string message = std::string(outcome.failure.message) + "\n";
        if (outcome.failure.message == hn::kMsgInputMissing) {
            const auto missing = hn::MissingRequiredOptions(o);
            if (!missing.empty())
                message += std::string("hensai-calc: missing ") + (missing.size() == 1 ? "option " : "options ") +
                           JoinOptions(missing) + "\n";
        }
        if (args.empty())
            message += kHelpHint;
        hn::WriteErr(message);
        return kExitCheckFailed;
    }
    if (!o.scenario.requested && !o.scenario.schedule && o.planning.prepayments.empty()) {
        if (o.json) {
            hn::JsonDocument json(ModeName(o));
            json.AddCalculator(outcome.success, o.periodText);
            hn::WriteOut(json.Text());
        } else {
            hn::WriteOut(hn::FormatResultLines(outcome.success));
        }
        return FinishOutput(0);
    }
    return RunScheduleOrScenario(o, outcome.success);
}
