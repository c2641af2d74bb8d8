// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/ScenarioInputs.h"

#include "calc/CheckedInt.h"
#include "calc/DecimalText.h"
#include "calc/Repayment.h"
#include "calc/rates/ScenarioTexts.h"
#include "report/Units.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace hn {

namespace {

// Sums of percents such as 0.1 + 0.2 land a hair off the figure a user would type.
double RoundPercent(double percent) noexcept
{
    return std::round(percent * 1e6) / 1e6;
}

bool RateInRange(double percent) noexcept
{
    const double fraction = percent * 0.01;
    return fraction >= kMinRate && fraction <= kMaxRate;
}

std::string Trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::string InRow(int row, std::string_view message)
{
    return std::to_string(row) + "行目: " + std::string(message);
}

std::string FillIn(std::string_view pattern, std::initializer_list<int> numbers)
{
    std::string text(pattern);
    int k = 1;
    for (int n : numbers) {
        const std::string mark = "%" + std::to_string(k++);
        const std::size_t at = text.find(mark);
        if (at != std::string::npos)
            text.replace(at, mark.size(), std::to_string(n));
    }
    return text;
}

} // namespace

LoanRates RatesOfLoan(RepaymentMethod method, double periodYears, double rate1Percent, double rate2Percent)
{
    // As the calculate command reads them: a second rate only beyond ten years, and
    // never for 銀行型・他.
    const bool two = method != BankOther && periodYears > 10 && rate2Percent != rate1Percent;
    return {rate1Percent, two ? rate2Percent : rate1Percent, two};
}

PresetRows RowsOfPreset(const PresetFields& f, const LoanRates& rates, int months)
{
    PresetRows out;
    // The table is the user's; a loan without a rate has no path to show yet.
    if (f.preset == PathPreset::Table || !(rates.rate1Percent > 0.0))
        return out;
    const auto refuse = [&](std::string_view message, PresetField field) {
        out.rows.clear();
        out.message = message;
        out.field = field;
        return out;
    };
    const auto base = [&](int month) {
        return rates.twoRates && month >= kSecondRateMonth ? rates.rate2Percent : rates.rate1Percent;
    };
    std::vector<int> at{1};
    if (rates.twoRates)
        at.push_back(kSecondRateMonth);
    std::function<double(int)> rate = base;
    if (f.preset != PathPreset::Flat && !(f.risePercent >= 0.0 && f.risePercent <= kMaxRate * 100.0))
        return refuse(kMsgRiseInvalid, PresetField::Rise);
    if (f.preset == PathPreset::RiseOnce) {
        const std::optional<int> from = WholeNumberIn(f.riseMonth, 1, kMaxPathMonth);
        if (!from)
            return refuse(kMsgRiseMonthInvalid, PresetField::Month);
        at.push_back(*from);
        rate = [&, from = *from](int month) { return base(month) + (month >= from ? f.risePercent : 0.0); };
    } else if (f.preset == PathPreset::RiseEvery) {
        const std::optional<int> years = WholeNumberIn(f.everyYears, 1, kMaxPathMonth / 12);
        if (!years)
            return refuse(kMsgRiseYearsInvalid, PresetField::Years);
        if (f.risePercent > 0.0 && !(f.capPercent > rates.rate1Percent && RateInRange(f.capPercent)))
            return refuse(kMsgCapInvalid, PresetField::Cap);
        const int every = *years * 12;
        for (int m = every + 1; m <= std::min(months, kMaxPathMonth); m += every)
            at.push_back(m);
        rate = [&, every](int month) {
            const double b = base(month);
            const int rises = (month - 1) / every;
            return std::max(b, std::min(RoundPercent(b + rises * f.risePercent), f.capPercent));
        };
    }
    std::sort(at.begin(), at.end());
    at.erase(std::unique(at.begin(), at.end()), at.end());
    double last = std::nan("");
    for (int month : at) {
        const double percent = RoundPercent(rate(month));
        // The loan's own rates are the calculate command's to refuse; a rise is ours.
        if (RateInRange(base(month)) && !RateInRange(percent))
            return refuse(kMsgRiseOutOfRange, PresetField::Rise);
        if (percent == last)
            continue; // a step that repeats the rate before it changes nothing
        // A rate is formed as percent × 0.01 everywhere, and the units module reads the
        // percent typed back from that product.
        out.rows.push_back({std::to_string(month), Bare(Quantity::Rate(percent * 0.01))});
        last = percent;
    }
    return out;
}

PathTable ReadPathTable(std::span<const PathRowText> rows, int months)
{
    PathTable out;
    const auto refuse = [&](int row, std::string_view message) {
        out.path = {};
        out.notes.clear();
        out.faultyRow = row;
        out.message = row > 0 ? InRow(row, message) : std::string(message);
        return out;
    };
    struct Step {
        int month = 0;
        std::string rate;
        int row = 0;
    };
    std::vector<Step> steps;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        const std::string month = Trimmed(rows[i].month);
        const std::string rate = Trimmed(rows[i].ratePercent);
        if (month.empty() && rate.empty())
            continue;
        const std::optional<double> m = ParseDecimal(month);
        if (!m || !ParseDecimal(rate))
            return refuse(row, kMsgPathBadText);
        const std::optional<int> whole = WholeNumberIn(*m, 1, kMaxPathMonth);
        if (!whole)
            return refuse(row, kMsgPathMonthOutOfRange);
        steps.push_back({*whole, rate, row});
    }
    if (steps.empty())
        return refuse(0, kMsgPathEmpty);
    const bool inOrder = std::is_sorted(steps.begin(), steps.end(),
                                        [](const Step& a, const Step& b) { return a.month < b.month; });
    std::stable_sort(steps.begin(), steps.end(), [](const Step& a, const Step& b) { return a.month < b.month; });
    for (std::size_t k = 1; k < steps.size(); ++k)
        if (steps[k].month == steps[k - 1].month)
            return refuse(std::max(steps[k].row, steps[k - 1].row), kMsgPathMonthRepeated);
    if (steps.front().month != 1)
        return refuse(0, kMsgPathNoFirstMonth);
    // The path itself is read as the command line reads --rate-path.
    std::string text;
    for (const Step& s : steps)
        text += (text.empty() ? "" : ",") + std::to_string(s.month) + ":" + s.rate;
    const RatePathParse parsed = ParseRatePath(text);
    if (!parsed.check.ok()) {
        const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(std::max(parsed.check.step, 0)),
                                                    steps.size() - 1);
        RatePathCheck check = parsed.check;
        check.step = steps[k].row - 1;
        out.path = {};
        out.faultyRow = steps[k].row;
        out.message = RatePathProblemText(check); // "3行目: …"
        return out;
    }
    out.path = parsed.path;
    if (!inOrder)
        out.notes.emplace_back(kNoteRowsNotInOrder);
    for (const Step& s : steps)
        if (s.month > months)
            out.notes.push_back(FillIn(kNoteAfterLastInstalment, {s.row, s.month, months}));
    return out;
}

} // namespace hn
