// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CalculatorReport.h"

#include "report/Captions.h"

namespace hn {

namespace {

// Captions of the result rows and fields as the calculator window labels them.
constexpr std::string_view kRowMonthly = "通　常";
constexpr std::string_view kRowBonus = "ﾎﾞｰﾅｽ";
constexpr std::string_view kRequiredIncome = "必要年収";
constexpr std::string_view kTotal = "借入総返済額";
constexpr std::string_view kMethod = "返済方法";
constexpr std::string_view kOrMore = "以上";

// The caption is moved in rather than copied: a batch builds this report for every loan.
ResultField Field(std::string_view key, std::string&& caption, Quantity value, bool shown, int band = -1)
{
    ResultField field{Figure(key, {}, std::move(value)), band, shown, {}};
    field.figure.caption = std::move(caption);
    return field;
}

// "row band" in one allocation.
std::string Caption(std::string_view row, std::string_view band)
{
    std::string caption;
    caption.reserve(row.size() + 1 + band.size());
    caption.append(row).append(" ").append(band);
    return caption;
}

} // namespace

CalculatorReport MakeCalculatorReport(const CalcSuccess& success, std::string_view periodText)
{
    const LoanInput& in = success.input;
    const LoanResult& r = success.result;
    const CaptionSet& captions = CaptionSetOf(in.method);
    CalculatorReport report;
    report.input = in;
    report.periodText = periodText;
    report.method = Figure("method", kMethod, Quantity::Words(std::string(MethodCaption(in.method))));
    for (std::size_t b = 0; b < 3; ++b)
        report.bandUsed[b] = r.bandUsed[b];
    std::vector<ResultField>& f = report.fields;
    f.reserve(9);
    for (int b = 0; b < 3; ++b)
        f.push_back(Field("monthly", Caption(kRowMonthly, captions.band[b]), Quantity::Yen(r.monthly[b]),
                          ShowsMonthly(r, b), b));
    for (int b = 0; b < 3; ++b)
        f.push_back(Field("bonus", Caption(kRowBonus, captions.band[b]), Quantity::Yen(r.bonus[b]),
                          ShowsBonus(in, r, b), b));
    std::string annual = Caption(kCaptionAnnual, "(");
    annual.append(captions.annual).append(")");
    f.push_back(Field("annualYen", std::move(annual), Quantity::Yen(r.annualYen), true));
    f.push_back(Field("requiredIncomeMan", std::string(kRequiredIncome), Quantity::Man(r.requiredIncomeMan), true));
    f.back().after = kOrMore;
    f.push_back(Field("totalYen", std::string(kTotal), Quantity::Yen(r.totalYen), true));
    return report;
}

std::string CalculatorLines(const CalculatorReport& report, Spacing spacing)
{
    std::string out = report.method.caption + ": " + Text(report.method.value) + "\n";
    for (const ResultField& field : report.fields) {
        if (!field.shown)
            continue;
        out += field.figure.caption + ": " + Text(field.figure.value, spacing);
        if (!field.after.empty())
            out.append(spacing == Spacing::Spaced ? " " : "").append(field.after);
        out += '\n';
    }
    return out;
}

} // namespace hn
