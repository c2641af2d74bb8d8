// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PlanningCli.h"

#include "calc/DecimalText.h"
#include "calc/schedule/PrepaymentSummary.h"
#include "calc/schedule/PrepaymentTexts.h"
#include "calc/schedule/ScheduleTexts.h"
#include "cli/CliOutput.h"
#include "report/CapacityReport.h"
#include "report/PrepaymentReport.h"
#include "report/Units.h"

#include <charconv>

namespace hn {

namespace {

using Q = Quantity;

void Line(std::string& out, std::string_view label, const std::string& value)
{
    out.append(label).append(": ").append(value).push_back('\n');
}

bool ReadDecimalValue(std::string_view name, std::string_view value, double& out, std::string& error)
{
    const auto v = value.empty() ? std::optional<double>(0.0) : ParseDecimal(value);
    if (!v) {
        error = "option '" + std::string(name) + "' needs a number, not '" + std::string(value) + "'";
        return false;
    }
    out = *v;
    return true;
}

std::string CompareLine(PrepayMode mode, const PrepaymentOutcome& o, const ScheduleCalendar& calendar)
{
    // The planning window's column on one line: the whole loan's summary, what it saves
    // and, where whole instalments decide it, what was used.
    const std::vector<Figure> column = PrepaymentColumnFigures(mode, o, calendar);
    std::string s = "  " + std::string(PrepayModeCaption(mode)) + ": ";
    if (!o.ok)
        return s + Text(column.front().value) + "\n";
    for (const Figure& f : column)
        if (f.value.unit == Unit::Text) // the summary's lines
            s += f.caption + " " + Text(f.value) + "、";
    s += std::string(kPrepayInterestSaved) + " " + Text(FindFigure(column, "interestSavedYen")->value);
    if (mode == PrepayMode::ShortenWhole)
        s += "、" + std::string(kPrepayUsed) + " " + Text(FindFigure(column, "usedYen")->value);
    return s + "\n";
}

} // namespace

bool IsPlanningFlag(std::string_view name) noexcept
{
    return name == "--capacity";
}

bool IsPlanningOption(std::string_view name) noexcept
{
    return name == "--limit" || name == "--screening-rate" || name == "--other-debts" || name == "--bonus-share" ||
           name == "--prepay";
}

OptionRead ReadPlanningOption(std::string_view name, std::string_view value, PlanningCliOptions& o,
                              std::string& error)
{
    if (name == "--prepay") {
        const auto p = ParsePrepayOption(value, error);
        if (!p)
            return OptionRead::Bad;
        o.prepayments.push_back(*p);
        return OptionRead::Read;
    }
    if (name == "--limit") {
        if (!FindBurdenLimitRule(value)) {
            error = "option '--limit' needs 20, 25, 30, 35, 40, public or bank, not '" + std::string(value) + "'";
            return OptionRead::Bad;
        }
        o.limitKey = std::string(value);
    } else if (name == "--screening-rate") {
        if (!ReadDecimalValue(name, value, o.screeningRatePercent, error))
            return OptionRead::Bad;
    } else if (name == "--other-debts") {
        if (!ReadDecimalValue(name, value, o.otherDebtsMan, error))
            return OptionRead::Bad;
    } else if (name == "--bonus-share") {
        if (!ReadDecimalValue(name, value, o.bonusSharePercent, error))
            return OptionRead::Bad;
    } else {
        return OptionRead::NotMine;
    }
    o.capacityOptionGiven = true;
    return OptionRead::Read;
}

std::optional<Prepayment> ParsePrepayOption(std::string_view text, std::string& error)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t colon = text.find(':', start);
        fields.push_back(text.substr(start, colon == std::string_view::npos ? std::string_view::npos : colon - start));
        if (colon == std::string_view::npos)
            break;
        start = colon + 1;
    }
    const std::string quoted = "'" + std::string(text) + "'";
    if (fields.size() < 3 || fields.size() > 4) {
        error = "option '--prepay' needs K:AMOUNT:MODE or K:AMOUNT:MODE:BONUS, not " + quoted;
        return std::nullopt;
    }
    Prepayment p;
    const std::string_view k = fields[0];
    const auto [end, ec] = std::from_chars(k.data(), k.data() + k.size(), p.instalment);
    if (k.empty() || ec != std::errc{} || end != k.data() + k.size() || p.instalment < 1) {
        error = "option '--prepay': K must be an instalment number from 1, in " + quoted;
        return std::nullopt;
    }
    const auto amount = ParseDecimal(fields[1]);
    const auto amountYen = amount ? ManToWholeYen(*amount) : std::nullopt;
    if (!amountYen) {
        error = "option '--prepay': AMOUNT must be 万円 of 0 or more, in " + quoted;
        return std::nullopt;
    }
    const auto mode = PrepayModeFromName(fields[2]);
    if (!mode) {
        error = "option '--prepay': MODE must be reduce, shorten or shorten-whole, in " + quoted;
        return std::nullopt;
    }
    p.mode = *mode;
    std::int64_t bonusYen = 0;
    if (fields.size() == 4) {
        const auto bonus = ParseDecimal(fields[3]);
        const auto b = bonus ? ManToWholeYen(*bonus) : std::nullopt;
        if (!b || *b > *amountYen) {
            error = "option '--prepay': BONUS must be 万円 from 0 up to AMOUNT, in " + quoted;
            return std::nullopt;
        }
        bonusYen = *b;
    }
    p.amountYen = *amountYen - bonusYen;
    p.bonusAmountYen = bonusYen;
    return p;
}

std::string FormatCapacityLines(const CapacityResult& r, const BurdenLimitRule& rule)
{
    // The calculator's figures as the plain mode lists them, where the window has them in brief.
    const CapacityReport report = MakeCapacityReport(r, rule.wording);
    return FigureLines(report.figures) + "\n" + FigureLine(report.bonusPart) +
           FormatResultLines(r.loan, Spacing::Attached) + FigureLine(report.ratio);
}

std::string FormatPrepaymentLines(const PrepaymentOutcome& out, const ScheduleCalendar& calendar,
                                  const PrepaymentComparison* sideBySide)
{
    std::string s;
    for (const AppliedPrepayment& a : out.applied) {
        const Prepayment& p = a.asked;
        s += std::string(kPrepay) + " (" + std::string(PrepayModeCaption(p.mode)) + "): " + Text(Q::Instalment(p.instalment)) +
             "の後 (" + Text(Q::Month(MonthOfInstalment(calendar, p.instalment))) + ") " + Text(Q::Yen(a.usedYen));
        if (a.usedYen != p.amountYen)
            s += " (" + std::string(kPrepayAsked) + " " + Text(Q::Yen(p.amountYen)) + ")";
        s += "\n";
        if (p.bonusAmountYen > 0) {
            s += "  " + std::string(kPartBonus) + ": " + Text(Q::Instalment(a.bonusInstalment)) + "の後 " + Text(Q::Yen(a.bonusUsedYen));
            if (a.bonusUsedYen != p.bonusAmountYen)
                s += " (" + std::string(kPrepayAsked) + " " + Text(Q::Yen(p.bonusAmountYen)) + ")";
            s += "\n";
        }
        std::string next = a.nextInstalmentYen != 0 ? Text(Q::Yen(a.nextInstalmentYen)) : std::string(kPrepayEnd);
        if (a.bonusInstalment != 0)
            next += " (" + std::string(kPartBonus) + " " + (a.nextBonusYen != 0 ? Text(Q::Yen(a.nextBonusYen)) : std::string(kPrepayEnd)) + ")";
        Line(s, "  " + std::string(kPrepayNextInstalment), next);
        if (a.droppedInstalments != 0 || a.droppedBonus != 0) {
            std::string dropped = std::to_string(a.droppedInstalments) + "回";
            if (a.droppedBonus != 0)
                dropped += " (" + std::string(kPartBonus) + " " + std::to_string(a.droppedBonus) + "回)";
            Line(s, "  " + std::string(kPrepayShortenedBy), dropped);
        }
    }
    // The whole loan, both parts, with what was planned beside it.
    for (const PrepaymentLine& line : PrepaymentSummaryLines(SummarisePrepayments(out, calendar)))
        Line(s, line.caption,
             line.value + (line.planned.empty() ? std::string() : "、" + std::string(kPrepayPlannedEnd) + " " + line.planned));
    Line(s, kPrepayInterest, Text(Q::Yen(out.totalsBefore.interest)) + " → " + Text(Q::Yen(out.totalsAfter.interest)));
    Line(s, kPrepayInterestSaved, Text(Q::Yen(out.interestSaved)));
    Line(s, kPrepayTotal, Text(Q::Yen(out.totalsBefore.payment)) + " → " + Text(Q::Yen(out.totalsAfter.payment)));
    if (sideBySide) {
        s += std::string(kPrepayCompare) + ":\n";
        s += CompareLine(PrepayMode::Reduce, sideBySide->reduce, calendar);
        s += CompareLine(PrepayMode::Shorten, sideBySide->shorten, calendar);
        s += CompareLine(PrepayMode::ShortenWhole, sideBySide->shortenWhole, calendar);
    }
    return s;
}

} // namespace hn
