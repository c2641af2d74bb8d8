// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ScenarioCli.h"

#include "calc/DecimalText.h"
#include "calc/ExactRate.h"
#include "calc/RepaymentMethod.h"
#include "calc/rates/RateCalendar.h"
#include "calc/rates/ScenarioTexts.h"
#include "report/ScenarioReport.h"
#include "report/Units.h"

#include <cmath>

namespace hn {

namespace {

using Q = Quantity;

void Line(std::string& out, std::string_view label, const std::string& value)
{
    out.append(label).append(": ").append(value).push_back('\n');
}

std::string_view ReviewCaption(ReviewRule r)
{
    return r == ReviewRule::EveryChange ? kReviewEveryChange : kReviewFiveYear125;
}

std::string_view UnpaidCaption(UnpaidSettlement u)
{
    return u == UnpaidSettlement::CarryToEnd ? kUnpaidCarryToEnd : kUnpaidPayFirst;
}

} // namespace

bool IsScenarioOption(std::string_view name) noexcept
{
    return name == "--rate-path" || name == "--review" || name == "--unpaid" || name == "--first-month" ||
           name == "--bonus-months" || name == "--schedule";
}

OptionRead ReadScenarioOption(std::string_view name, std::string_view value, ScenarioCliOptions& o,
                              std::string& error)
{
    if (name == "--rate-path") {
        const RatePathParse p = ParseRatePath(value);
        if (!p.check.ok()) {
            error = "option '--rate-path': " + DescribeRatePathProblem(p.check);
            return OptionRead::Bad;
        }
        o.requested = true;
        o.pathText = std::string(value);
        o.path = p.path;
        return OptionRead::Read;
    }
    if (name == "--review") {
        if (value == ReviewName(ReviewRule::EveryChange))
            o.review = ReviewRule::EveryChange;
        else if (value == ReviewName(ReviewRule::FiveYear125))
            o.review = ReviewRule::FiveYear125;
        else {
            error = "option '--review' needs 'every' or '5y125', not '" + std::string(value) + "'";
            return OptionRead::Bad;
        }
        o.reviewGiven = true;
        return OptionRead::Read;
    }
    if (name == "--unpaid") {
        if (value == UnpaidName(UnpaidSettlement::CarryToEnd))
            o.unpaid = UnpaidSettlement::CarryToEnd;
        else if (value == UnpaidName(UnpaidSettlement::PayFirst))
            o.unpaid = UnpaidSettlement::PayFirst;
        else {
            error = "option '--unpaid' needs 'carry' or 'first', not '" + std::string(value) + "'";
            return OptionRead::Bad;
        }
        o.unpaidGiven = true;
        return OptionRead::Read;
    }
    if (name == "--first-month") {
        o.firstMonth = ParseYearMonth(value);
        if (!o.firstMonth) {
            error = "option '--first-month' needs a month as 2027-04, not '" + std::string(value) + "'";
            return OptionRead::Bad;
        }
        return OptionRead::Read;
    }
    if (name == "--bonus-months") {
        o.bonusMonths = ParseBonusMonths(value);
        if (!o.bonusMonths) {
            error = "option '--bonus-months' needs two different months as 6,12, not '" + std::string(value) + "'";
            return OptionRead::Bad;
        }
        return OptionRead::Read;
    }
    if (name == "--schedule") {
        if (value == "monthly")
            o.view = ScheduleViewKind::Monthly;
        else if (value == "yearly")
            o.view = ScheduleViewKind::Yearly;
        else {
            error = "option '--schedule' needs 'monthly' or 'yearly', not '" + std::string(value) + "'";
            return OptionRead::Bad;
        }
        o.schedule = true;
        return OptionRead::Read;
    }
    return OptionRead::NotMine;
}

std::string CheckScenarioOptions(const ScenarioCliOptions& o, bool rate1Given, bool rate2Given)
{
    if (!o.requested && (o.reviewGiven || o.unpaidGiven))
        return "options '--review' and '--unpaid' need '--rate-path'";
    if (o.requested && (rate1Given || rate2Given))
        return "'--rate-path' gives the rates: leave out '--rate1' and '--rate2'";
    if (o.bonusMonths && !o.schedule)
        return "option '--bonus-months' needs '--schedule'";
    return {};
}

double StartPercent(const RatePath& path) noexcept
{
    return std::round(path.steps.front().rate / 0.01 * 1e6) / 1e6;
}

std::string_view ReviewName(ReviewRule review) noexcept
{
    return review == ReviewRule::EveryChange ? "every" : "5y125";
}

std::string_view UnpaidName(UnpaidSettlement unpaid) noexcept
{
    return unpaid == UnpaidSettlement::CarryToEnd ? "carry" : "first";
}

std::string FormatScenarioLines(const ScenarioInput& in, const ScenarioSchedule& s, const ScenarioCliOptions& o)
{
    const ScenarioSummary sum = SummariseScenario(s);
    std::string out;
    Line(out, "返済方法", std::string(MethodCaption(in.loan.method)));
    Line(out, kScenarioPath, FormatRatePath(in.path));
    if (o.firstMonth) {
        ScheduleCalendar calendar;
        calendar.firstMonth = *o.firstMonth;
        for (const RateStep& step : in.path.steps)
            Line(out, "  " + RateMonthLabel(calendar, step.month), Text(Q::Rate(step.rate)));
    }
    const bool level = FamilyOf(in.loan.method) == RepaymentFamily::LevelPayment;
    if (level) {
        Line(out, kReviewCaption, std::string(ReviewCaption(in.review)));
        Line(out, kUnpaidCaption, std::string(UnpaidCaption(in.unpaid)));
    }
    out += FigureLines(ScenarioFigures(sum));
    for (const ScenarioWarning& w : ScenarioWarnings(s, sum))
        Line(out, kSumWarning, ScenarioWarningText(w));
    return out;
}

} // namespace hn
