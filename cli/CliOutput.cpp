// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOutput.h"

namespace hn {

namespace {

// Captions of the result rows and fields as the main window shows them.
constexpr std::string_view kRowMonthly = "通　常";
constexpr std::string_view kRowBonus = "ﾎﾞｰﾅｽ";
constexpr std::string_view kAnnual = "年間返済額";
constexpr std::string_view kRequiredIncome = "必要年収";
constexpr std::string_view kTotal = "借入総返済額";
constexpr std::string_view kMethod = "返済方法";
constexpr std::string_view kYen = "円";
constexpr std::string_view kMan = "万円";
constexpr std::string_view kOrMore = "以上";

void Line(std::string& out, std::string_view label, std::string_view value, std::string_view unit,
          std::string_view after = {}, UnitSpacing spacing = UnitSpacing::Spaced)
{
    const std::string_view gap = spacing == UnitSpacing::Spaced ? " " : "";
    out.append(label).append(": ").append(value);
    if (!unit.empty())
        out.append(gap).append(unit);
    if (!after.empty())
        out.append(gap).append(after);
    out.push_back('\n');
}

} // namespace

std::string FormatResultLines(const CalcSuccess& success, UnitSpacing spacing)
{
    const CaptionSet& captions = CaptionSetOf(success.input.method);
    const ResultTexts& t = success.texts;
    std::string out;
    Line(out, kMethod, MethodCaption(success.input.method), {});
    for (int b = 0; b < 3; ++b)
        if (!t.monthly[b].empty())
            Line(out, std::string(kRowMonthly) + " " + std::string(captions.band[b]), t.monthly[b], kYen, {}, spacing);
    for (int b = 0; b < 3; ++b)
        if (!t.bonus[b].empty())
            Line(out, std::string(kRowBonus) + " " + std::string(captions.band[b]), t.bonus[b], kYen, {}, spacing);
    Line(out, std::string(kAnnual) + " (" + std::string(captions.annual) + ")", t.annual, kYen, {}, spacing);
    Line(out, kRequiredIncome, t.requiredIncome, kMan, kOrMore, spacing);
    Line(out, kTotal, t.total, kYen, {}, spacing);
    return out;
}

} // namespace hn
