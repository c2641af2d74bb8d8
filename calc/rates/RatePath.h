// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The annual rate of a variable-rate loan over time: the rate from month 1 and
// the months at which it changes. Rates are fractions per year, as in LoanInput;
// month m is the m-th monthly instalment, whose interest is charged at the rate
// in force in that month.
#include "calc/ExactRate.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hn {

struct RateStep {
    int month = 1;     // in force from this instalment on
    double rate = 0.0; // fraction per year
    // The same rate exactly as typed, where the step was read from a text or
    // made by a preset; without it the rate is recovered from `rate` (StepRate).
    std::optional<ExactRate> exact{};

    // The same month and the same rate charged, however the rate was given.
    friend bool operator==(const RateStep& a, const RateStep& b);
};

// The step's rate exactly: `exact`, or the rate `rate` was typed as.
ExactRate StepRate(const RateStep& step);

struct RatePath {
    std::vector<RateStep> steps; // months strictly increasing, the first at month 1

    friend bool operator==(const RatePath&, const RatePath&) = default;
};

// The longest loan has 99 years of monthly instalments.
inline constexpr int kMaxPathMonth = 99 * 12;

enum class RatePathProblem {
    None,
    Empty,           // no step at all
    NoFirstMonth,    // the first step is not at month 1
    MonthOutOfRange, // a month below 1 or above kMaxPathMonth
    MonthRepeated,   // two steps name the same month
    MonthsNotRising, // steps out of order
    RateOutOfRange,  // a rate outside kMinRate ... kMaxRate (or not a number)
    BadText,         // the text form could not be read (ParseRatePath only)
};

struct RatePathCheck {
    RatePathProblem problem = RatePathProblem::None;
    int step = 0; // 0-based index of the offending step (or entry of the text)

    bool ok() const noexcept { return problem == RatePathProblem::None; }
};

// Whether a path can drive a scenario: steps in rising months starting at 1,
// every rate one the engine computes with.
RatePathCheck CheckRatePath(const RatePath& path) noexcept;

// One line for the command line, naming the entry (1-based) where it helps.
std::string DescribeRatePathProblem(const RatePathCheck& check);

// The same in the window's words ("2行目: 同じ回が2度あります").
std::string RatePathProblemText(const RatePathCheck& check);

// The rate in force at `month` (the last step at or before it); the first
// step's rate before month 1. The path must not be empty.
double RateAt(const RatePath& path, int month) noexcept;

// Presets. Their figures are percent per year, as the user types them; sums
// of percents are exact decimals (0.1 + 0.2 is 0.3), and each rate becomes
// (percent) x 0.01 as the rate fields' do: a preset and the same path typed as
// text give identical rates.
RatePath FlatRatePath(double percent);
// `percent` until month `month` - 1, percent + rise from `month` on.
RatePath RiseOnceRatePath(double percent, double risePercent, int month);
// `percent`, raised by `risePercent` every `everyYears` years (from months
// 12y + 1, 24y + 1, ...) until `capPercent` is reached (the last rise stops at
// the cap), for a loan of `months` instalments. A cap at or below the start
// gives a flat path.
RatePath RiseEveryRatePath(double percent, double risePercent, int everyYears, double capPercent,
                           int months);

// The text form "month:percent,month:percent,..." ("1:0.5,13:1.5"): percent
// per year with "." as decimal point whatever the locale, blanks around the
// figures allowed. Entries may come in any order; they are sorted by month.
// On failure the path is empty and `check` says what was wrong (step = entry).
struct RatePathParse {
    RatePath path;
    RatePathCheck check;
};
RatePathParse ParseRatePath(std::string_view text);

// The text form of a path, each rate as typed in plain decimals
// ("1:0.5,13:1.5", "1:0.0005").
std::string FormatRatePath(const RatePath& path);

} // namespace hn
