// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary fields through the calculate command and arbitrary inputs
// straight into the engine, formats every result, and checks what must hold
// whatever the input: no undefined behaviour (the sanitizers), a known message
// for every refusal, the same figures for the same loan, no negative figure,
// a repayment schedule whose self-checks all hold for every accepted loan,
// and the "."-number reader agreeing with strtod of the C locale.
//
// Input: "T" followed by seven fields separated by ";" (method; loan; bonus;
// rate1; rate2; period text; income) as a window would give them, or any other
// bytes, read as raw doubles, special values and texts.
#include "calc/AmountText.h"
#include "calc/CalculateCommand.h"
#include "calc/CheckMessages.h"
#include "calc/CheckedInt.h"
#include "calc/DecimalText.h"
#include "calc/Repayment.h"
#include "calc/schedule/Schedule.h"
#include "calc/schedule/ScheduleChecks.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Require(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_engine: %s\n", what);
        std::abort();
    }
}

bool SameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

constexpr double kSpecial[] = {
    std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN(),
    std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
    0.0, -0.0, DBL_MAX, -DBL_MAX, DBL_MIN, DBL_TRUE_MIN, -DBL_TRUE_MIN, 1e300, -1e300,
    0.5, 0.99, 0.991, 99.0, 99.1, 0.001, 0.0009, 1e-5, 1e-20, 4999.0, 5000.0, 9999.0, 10000.0,
    2147483647.0, 2147483648.0, -2147483649.0, 4503599627370496.0, 25.0, 10.0, 5.0, 1.0,
};

double PickDouble(FuzzedDataProvider& p)
{
    switch (p.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return std::bit_cast<double>(p.ConsumeIntegral<std::uint64_t>());
    case 1:
        return kSpecial[p.ConsumeIntegralInRange<std::size_t>(0, std::size(kSpecial) - 1)];
    case 2:
        return p.ConsumeFloatingPointInRange<double>(-20000.0, 20000.0);
    default:
        return static_cast<double>(p.ConsumeIntegralInRange<int>(-100, 12000));
    }
}

bool IsKnownMessage(std::string_view m)
{
    for (std::string_view known :
         {hn::kMsgPeriodInvalid, hn::kMsgInputMissing, hn::kMsgIncomeTooLarge, hn::kMsgBonusTooLarge,
          hn::kMsgYutoriPeriod, hn::kMsgStepPeriod, hn::kMsgRate1TooLarge, hn::kMsgRate2TooLarge,
          hn::kMsgLoanInvalid, hn::kMsgBonusInvalid, hn::kMsgIncomeInvalid, hn::kMsgRate1Invalid,
          hn::kMsgRate2Invalid, hn::kMsgLoanTooLarge, hn::kMsgLoanRateUnusable})
        if (m == known)
            return true;
    return false;
}

void CheckFigures(const hn::LoanResult& r)
{
    std::string all;
    for (int b = 0; b < 3; ++b) {
        Require(r.monthly[b] >= 0 && r.bonus[b] >= 0, "negative instalment");
        Require(r.bandUsed[b] || (r.monthly[b] == 0 && r.bonus[b] == 0), "figure in an unused band");
        all += hn::FormatAmount(r.monthly[b]) + hn::FormatAmount(r.bonus[b]);
    }
    Require(r.bandUsed[0], "band 1 unused");
    Require(r.annualYen >= 0 && r.requiredIncomeMan >= 0 && r.totalYen >= 0, "negative total");
    all += hn::FormatAmount(r.annualYen) + hn::FormatAmount(r.requiredIncomeMan) + hn::FormatAmount(r.totalYen);
    Require(!all.empty(), "no text");
}

// Every schedule that is built proves itself; a loan the calculate command
// accepted always has one, agreeing with the window's band figures.
void RequireSoundSchedule(const hn::LoanInput& in, bool accepted)
{
    const hn::LoanInput whole = hn::WholeYenInput(in);
    const hn::Schedule s = hn::BuildSchedule(whole);
    if (!s.ok()) {
        Require(!accepted || s.status == hn::ScheduleStatus::InvalidInput, "accepted loan beyond the exact range");
        Require(s.monthly.rows.empty() && s.bonus.rows.empty(), "rows left in a refused schedule");
        return;
    }
    hn::ScheduleCheckReport report = hn::CheckSchedule(s);
    const hn::RepaymentOutcome window = hn::ComputeRepayment(whole);
    if (window.ok())
        hn::CheckAgainstResult(s, window.result, report);
    Require(report.allPassed(), "schedule self-check failed");
}

void CheckEngine(const hn::LoanInput& in)
{
    const hn::RepaymentOutcome out = hn::ComputeRepayment(in);
    Require(out.ok() == false || hn::IsComputable(in), "computed outside the domain");
    RequireSoundSchedule(in, false);
    if (!out.ok()) {
        Require(out.result == hn::LoanResult{}, "figures left in a refused result");
        return;
    }
    CheckFigures(out.result);
    Require(hn::ComputeRepayment(in).result == out.result, "not repeatable");
    const hn::ResultTexts t = hn::MakeResultTexts(in, out.result);
    Require(!t.monthly[0].empty() && !t.total.empty(), "blank first band");
}

void CheckCommand(const hn::CalcRequest& req)
{
    const hn::CalcOutcome out = hn::RunCalculateCommand(req);
    if (!out.ok) {
        Require(IsKnownMessage(out.failure.message), "unknown message");
        Require(out.failure.periodTo25 == out.failure.showSecondRate, "25-year stop half done");
        Require(out.failure.message != hn::kMsgLoanInvalid || std::isnan(req.loanMan) || req.loanMan < 0,
                "engine refused what the checks passed");
        return;
    }
    Require(hn::IsComputable(out.success.input), "checks passed an input outside the domain");
    Require(out.success.input.rate1 <= hn::kMaxRate, "rate check missed");
    CheckFigures(out.success.result);
    Require(hn::ComputeRepayment(out.success.input).result == out.success.result, "command and engine differ");
    Require(out.success.texts.total == hn::FormatAmount(out.success.result.totalYen), "total text");
    RequireSoundSchedule(out.success.input, true);
}

// The reader must take exactly what strtod takes in the C locale, for every
// text strtod reads as a plain decimal (no hexadecimal, inf or nan forms).
void CheckReader(const std::string& text)
{
    const double mine = hn::ReadDecimalPrefix(text);
    const std::size_t used = hn::ScanDecimalPrefix(text);
    if (text.find_first_of("xXiInNpP") != std::string::npos || text.find('\0') != std::string::npos)
        return;
    char* end = nullptr;
    const double theirs = std::strtod(text.c_str(), &end);
    const auto theirsUsed = static_cast<std::size_t>(end - text.c_str());
    Require(used == theirsUsed, "reader stops elsewhere than strtod");
    Require(SameBits(mine, theirs), "reader value differs from strtod");
}

void CheckText(FuzzedDataProvider& p)
{
    const std::int32_t value = p.ConsumeIntegral<std::int32_t>();
    std::string text = hn::FormatAmount(value);
    std::string digits;
    for (char c : text)
        if (c != ',')
            digits += c;
    Require(digits == std::to_string(value), "amount text loses digits");

    const int n = p.ConsumeIntegralInRange<int>(-2, 6);
    const std::string raw = p.ConsumeRandomLengthString(40);
    const std::string grouped = hn::InsertSeparators(raw, n, '\'');
    const std::size_t extra = (n > 0 && !raw.empty()) ? (raw.size() - 1) / static_cast<std::size_t>(n) : 0;
    Require(grouped.size() == raw.size() + extra, "separator count");
}

void RunText(std::string_view data)
{
    std::vector<std::string> f;
    std::size_t start = 0;
    while (f.size() < 7) {
        const std::size_t semi = data.find(';', start);
        f.emplace_back(data.substr(start, semi == std::string_view::npos ? std::string_view::npos : semi - start));
        if (semi == std::string_view::npos)
            break;
        start = semi + 1;
    }
    f.resize(7);
    for (const std::string& s : f)
        CheckReader(s);

    hn::CalcRequest req;
    req.method = hn::TruncateToInt32(hn::ReadDecimalPrefix(f[0])).value_or(0);
    req.loanMan = hn::ReadDecimalPrefix(f[1]);
    req.bonusMan = hn::ReadDecimalPrefix(f[2]);
    req.rate1Percent = hn::ReadDecimalPrefix(f[3]);
    req.rate2Percent = hn::ReadDecimalPrefix(f[4]);
    req.periodText = f[5];
    req.incomeMan = hn::ReadDecimalPrefix(f[6]);
    CheckCommand(req);
}

void RunBinary(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider p(data, size);
    hn::CalcRequest req;
    req.method = p.ConsumeIntegralInRange<int>(-1, 8);
    req.loanMan = PickDouble(p);
    req.bonusMan = PickDouble(p);
    req.rate1Percent = PickDouble(p);
    req.rate2Percent = PickDouble(p);
    req.incomeMan = PickDouble(p);
    const std::string period = p.ConsumeRandomLengthString(12);
    req.periodText = period;
    CheckReader(period);
    CheckCommand(req);

    hn::LoanInput in;
    in.method = req.method;
    in.loanYen = PickDouble(p);
    in.bonusYen = PickDouble(p);
    in.normalYen = p.ConsumeBool() ? in.loanYen - in.bonusYen : PickDouble(p);
    in.rate1 = PickDouble(p);
    in.rate2 = PickDouble(p);
    in.periodYears = p.ConsumeBool() ? PickDouble(p) : p.ConsumeIntegralInRange<int>(-2, 101);
    in.incomeYen = PickDouble(p);
    CheckEngine(in);

    for (double x : {in.loanYen, in.bonusYen, in.normalYen, in.rate1, in.rate2, in.periodYears}) {
        (void)hn::AnnuityPayment(x, in.rate1, in.periodYears);
        (void)hn::RollBalance(x, in.rate1, in.bonusYen, 12);
    }
    CheckText(p);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 0 && data[0] == 'T')
        RunText(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    else
        RunBinary(data, size);
    return 0;
}
