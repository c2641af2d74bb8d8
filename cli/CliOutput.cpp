// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOutput.h"

#include "calc/DecimalText.h"
#include "calc/ExactRate.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <type_traits>

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

// Length of the valid UTF-8 sequence at the start of `s`, 0 when invalid.
std::size_t Utf8Length(std::string_view s)
{
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const auto cont = [&](std::size_t k) { return k < s.size() && (b(k) & 0xC0) == 0x80; };
    const unsigned char c = b(0);
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return cont(1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        if (!cont(1) || !cont(2))
            return 0;
        if ((c == 0xE0 && b(1) < 0xA0) || (c == 0xED && b(1) > 0x9F))
            return 0; // overlong form or surrogate
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (!cont(1) || !cont(2) || !cont(3))
            return 0;
        if ((c == 0xF0 && b(1) < 0x90) || (c == 0xF4 && b(1) > 0x8F))
            return 0;
        return 4;
    }
    return 0;
}

template <typename T, std::size_t N>
std::string JsonArray(const std::array<T, N>& values)
{
    std::string s = "[";
    for (std::size_t k = 0; k < N; ++k) {
        if (k)
            s += ", ";
        if constexpr (std::is_same_v<T, bool>)
            s += values[k] ? "true" : "false";
        else
            s += std::to_string(values[k]);
    }
    return s + "]";
}

// Amounts in plain digits (30000000, not 3e+07) while they are of a sensible
// size; every double of a successful computation is finite, null guards the rest.
std::string JsonNumber(double v)
{
    if (!std::isfinite(v))
        return "null";
    if (std::fabs(v) >= 1e15)
        return FormatDecimal(v);
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
    return ec == std::errc{} ? std::string(buffer, end) : FormatDecimal(v);
}

// A yearly rate (fraction) as the decimal typed: 0.011 for 1.1 %, not the
// 0.011000000000000001 that 1.1 × 0.01 is in doubles.
std::string JsonRate(double fraction)
{
    return fraction > 0.0 && fraction < 1.0 ? ExactRate::FromFraction(fraction).FractionText() : JsonNumber(fraction);
}

} // namespace

std::string JsonString(std::string_view text)
{
    std::string s = "\"";
    std::size_t p = 0;
    while (p < text.size()) {
        const char c = text[p];
        const std::size_t len = Utf8Length(text.substr(p));
        if (len == 0) {
            s += "\uFFFD";
            ++p;
            continue;
        }
        if (c == '"' || c == '\\') {
            s += '\\';
            s += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", static_cast<unsigned>(c));
            s += esc;
        } else {
            s.append(text.substr(p, len));
        }
        p += len;
    }
    return s + "\"";
}

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

std::string FormatResultJson(const CalcSuccess& success, std::string_view periodText)
{
    const LoanInput& in = success.input;
    const LoanResult& r = success.result;
    std::string s = "{\n  \"input\": {";
    s += "\"method\": " + std::to_string(in.method);
    s += ", \"methodCaption\": " + JsonString(MethodCaption(in.method));
    s += ", \"loanYen\": " + JsonNumber(in.loanYen);
    s += ", \"bonusYen\": " + JsonNumber(in.bonusYen);
    s += ", \"normalYen\": " + JsonNumber(in.normalYen);
    s += ", \"rate1\": " + JsonRate(in.rate1);
    s += ", \"rate2\": " + JsonRate(in.rate2);
    s += ", \"periodText\": " + JsonString(periodText);
    s += ", \"periodYears\": " + JsonNumber(in.periodYears);
    s += ", \"incomeYen\": " + JsonNumber(in.incomeYen);
    s += "},\n";
    s += "  \"monthly\": " + JsonArray(r.monthly) + ",\n";
    s += "  \"bonus\": " + JsonArray(r.bonus) + ",\n";
    s += "  \"bandUsed\": " + JsonArray(r.bandUsed) + ",\n";
    s += "  \"annualYen\": " + std::to_string(r.annualYen) + ",\n";
    s += "  \"requiredIncomeMan\": " + std::to_string(r.requiredIncomeMan) + ",\n";
    s += "  \"totalYen\": " + std::to_string(r.totalYen) + "\n}\n";
    return s;
}

} // namespace hn
