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
constexpr std::string_view kOrMore = "以上";

void Line(std::string& out, std::string_view label, const Quantity& value, Spacing spacing,
          std::string_view after = {})
{
    out.append(label).append(": ").append(Text(value, spacing));
    if (!after.empty())
        out.append(spacing == Spacing::Spaced ? " " : "").append(after);
    out.push_back('\n');
}

} // namespace

std::string FormatResultLines(const CalcSuccess& success, Spacing spacing)
{
    using Q = Quantity;
    const CaptionSet& captions = CaptionSetOf(success.input.method);
    const ResultTexts& t = success.texts;
    const LoanResult& r = success.result;
    std::string out;
    out.append(kMethod).append(": ").append(MethodCaption(success.input.method)).push_back('\n');
    for (int b = 0; b < 3; ++b)
        if (!t.monthly[b].empty())
            Line(out, std::string(kRowMonthly) + " " + std::string(captions.band[b]), Q::Yen(r.monthly[b]), spacing);
    for (int b = 0; b < 3; ++b)
        if (!t.bonus[b].empty())
            Line(out, std::string(kRowBonus) + " " + std::string(captions.band[b]), Q::Yen(r.bonus[b]), spacing);
    Line(out, std::string(kAnnual) + " (" + std::string(captions.annual) + ")", Q::Yen(r.annualYen), spacing);
    Line(out, kRequiredIncome, Q::Man(r.requiredIncomeMan), spacing, kOrMore);
    Line(out, kTotal, Q::Yen(r.totalYen), spacing);
    return out;
}

} // namespace hn
