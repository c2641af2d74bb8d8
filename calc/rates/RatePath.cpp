// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/rates/RatePath.h"

#include "calc/DecimalText.h"
#include "calc/Repayment.h"
#include "calc/rates/ScenarioTexts.h"

#include <algorithm>
#include <charconv>

namespace hn {

namespace {

// A step at a percent a year, exactly; a percent no rate has (100 % or more)
// keeps its double, which CheckRatePath refuses.
RateStep StepAt(int month, const ExactDecimal& percent)
{
    RateStep step{month, percent.ToDouble() * 0.01, ExactRate::FromPercent(percent)};
    return step;
}

// A field's percent as the decimal it shows; a negative or non-finite one (which
// no field gives) as 0.
ExactDecimal FieldPercent(double percent)
{
    return ExactDecimal::FromDouble(percent).value_or(ExactDecimal{});
}

std::string_view Trim(std::string_view s) noexcept
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

RatePathCheck CheckRatePath(const RatePath& path) noexcept
{
    if (path.steps.empty())
        return {RatePathProblem::Empty, 0};
    for (std::size_t k = 0; k < path.steps.size(); ++k) {
        const RateStep& s = path.steps[k];
        const int step = static_cast<int>(k);
        if (s.month < 1 || s.month > kMaxPathMonth)
            return {RatePathProblem::MonthOutOfRange, step};
        if (k == 0 && s.month != 1)
            return {RatePathProblem::NoFirstMonth, step};
        if (k > 0 && s.month == path.steps[k - 1].month)
            return {RatePathProblem::MonthRepeated, step};
        if (k > 0 && s.month < path.steps[k - 1].month)
            return {RatePathProblem::MonthsNotRising, step};
        if (!(s.rate >= kMinRate && s.rate <= kMaxRate))
            return {RatePathProblem::RateOutOfRange, step};
    }
    return {};
}

std::string DescribeRatePathProblem(const RatePathCheck& check)
{
    const std::string entry = "entry " + std::to_string(check.step + 1) + " of the rate path";
    switch (check.problem) {
    case RatePathProblem::None:
        return {};
    case RatePathProblem::Empty:
        return "the rate path has no entry";
    case RatePathProblem::NoFirstMonth:
        return "the rate path must give the rate of month 1";
    case RatePathProblem::MonthOutOfRange:
        return entry + ": the month must be a whole number from 1 to " + std::to_string(kMaxPathMonth);
    case RatePathProblem::MonthRepeated:
        return entry + ": the month is given twice";
    case RatePathProblem::MonthsNotRising:
        return entry + ": the months must rise";
    case RatePathProblem::RateOutOfRange:
        return entry + ": the rate must be from " + std::string(kMinRatePercentText) + " to " +
               std::string(kMaxRatePercentText) + " percent";
    case RatePathProblem::BadText:
        return entry + ": expected month:percent, as in 13:1.5";
    }
    return {};
}

std::string RatePathProblemText(const RatePathCheck& check)
{
    const auto inRow = [&](std::string_view text) {
        return std::to_string(check.step + 1) + "行目: " + std::string(text);
    };
    switch (check.problem) {
    case RatePathProblem::None:
        return {};
    case RatePathProblem::Empty:
        return std::string(kMsgPathEmpty);
    case RatePathProblem::NoFirstMonth:
        return std::string(kMsgPathNoFirstMonth);
    case RatePathProblem::MonthOutOfRange:
        return inRow(kMsgPathMonthOutOfRange);
    case RatePathProblem::MonthRepeated:
        return inRow(kMsgPathMonthRepeated);
    case RatePathProblem::MonthsNotRising:
        return inRow(kMsgPathMonthsNotRising);
    case RatePathProblem::RateOutOfRange:
        return inRow(kMsgPathRateOutOfRange);
    case RatePathProblem::BadText:
        return inRow(kMsgPathBadText);
    }
    return {};
}

ExactRate StepRate(const RateStep& step)
{
    return step.exact ? *step.exact : ExactRate::FromFraction(step.rate);
}

bool operator==(const RateStep& a, const RateStep& b)
{
    return a.month == b.month && a.rate == b.rate && StepRate(a) == StepRate(b);
}

double RateAt(const RatePath& path, int month) noexcept
{
    // Paths are short (a change every 6 months over 99 years is 198 steps);
    // the scenario loop walks them in order instead of calling this per month.
    auto it = std::upper_bound(path.steps.begin(), path.steps.end(), month,
                               [](int m, const RateStep& s) { return m < s.month; });
    if (it == path.steps.begin())
        return path.steps.front().rate;
    return std::prev(it)->rate;
}

RatePath FlatRatePath(double percent)
{
    if (!(percent >= 0.0))
        return RatePath{{{1, percent * 0.01}}}; // refused by CheckRatePath
    return RatePath{{StepAt(1, FieldPercent(percent))}};
}

RatePath RiseOnceRatePath(double percent, double risePercent, int month)
{
    RatePath path = FlatRatePath(percent);
    if (month <= 1 || risePercent == 0.0 || !(percent >= 0.0))
        return path;
    const ExactDecimal start = FieldPercent(percent);
    if (risePercent > 0.0) {
        path.steps.push_back(StepAt(month, start + FieldPercent(risePercent)));
    } else if (const auto fallen = start.Minus(FieldPercent(-risePercent))) {
        path.steps.push_back(StepAt(month, *fallen));
    } else {
        path.steps.push_back({month, (percent + risePercent) * 0.01, std::nullopt}); // below 0: refused
    }
    return path;
}

RatePath RiseEveryRatePath(double percent, double risePercent, int everyYears, double capPercent,
                           int months)
{
    RatePath path = FlatRatePath(percent);
    if (everyYears < 1 || !(risePercent > 0.0) || !(capPercent > percent) || !(percent >= 0.0))
        return path;
    const ExactDecimal start = FieldPercent(percent);
    const ExactDecimal rise = FieldPercent(risePercent);
    const ExactDecimal cap = FieldPercent(capPercent);
    const int every = std::min(everyYears, kMaxPathMonth) * 12;
    const int last = std::min(months, kMaxPathMonth);
    for (int k = 1; k * every + 1 <= last; ++k) {
        const ExactDecimal p = std::min(start + rise.Times(static_cast<std::uint64_t>(k)), cap);
        path.steps.push_back(StepAt(k * every + 1, p));
        if (p >= cap)
            break;
    }
    return path;
}

RatePathParse ParseRatePath(std::string_view text)
{
    RatePathParse out;
    std::vector<RateStep> steps;
    int entry = 0;
    std::size_t pos = 0;
    const auto fail = [&](RatePathProblem problem) {
        out.path = {};
        out.check = {problem, entry};
        return out;
    };
    while (true) {
        const std::size_t comma = text.find(',', pos);
        const std::string_view item =
            Trim(text.substr(pos, comma == std::string_view::npos ? std::string_view::npos : comma - pos));
        const std::size_t colon = item.find(':');
        if (colon == std::string_view::npos)
            return fail(RatePathProblem::BadText);
        const std::string_view monthText = Trim(item.substr(0, colon));
        int month = 0;
        const auto [end, ec] = std::from_chars(monthText.data(), monthText.data() + monthText.size(), month);
        if (monthText.empty() || ec == std::errc::invalid_argument || end != monthText.data() + monthText.size())
            return fail(RatePathProblem::BadText);
        if (ec == std::errc::result_out_of_range || month < 1 || month > kMaxPathMonth)
            return fail(RatePathProblem::MonthOutOfRange);
        const std::string_view percentText = item.substr(colon + 1);
        const auto percent = ParseDecimal(percentText);
        if (!percent)
            return fail(RatePathProblem::BadText);
        // The rate charged is the text's exact decimal; a text no rate has is
        // refused below by its double.
        steps.push_back({month, *percent * 0.01, ExactRate::FromPercentText(percentText)});
        ++entry;
        if (comma == std::string_view::npos)
            break;
        pos = comma + 1;
    }

    // Sorted by month, remembering each step's entry so that a problem names
    // the entry the user typed.
    std::vector<int> order(steps.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = static_cast<int>(k);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return steps[a].month < steps[b].month; });
    RatePath path;
    for (int k : order)
        path.steps.push_back(steps[k]);
    RatePathCheck check = CheckRatePath(path);
    if (!check.ok()) {
        entry = order[check.step];
        return fail(check.problem);
    }
    out.path = std::move(path);
    return out;
}

std::string FormatRatePath(const RatePath& path)
{
    std::string text;
    for (const RateStep& s : path.steps) {
        if (!text.empty())
            text += ',';
        text += std::to_string(s.month) + ':' + StepRate(s).PercentText();
    }
    return text;
}

} // namespace hn
