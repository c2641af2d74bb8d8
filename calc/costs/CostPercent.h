// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A percentage as typed ("2.2", "0.18", "-0.2"), kept exactly: the decimal typed
// (ExactDecimal) and its sign, so that 2.2 % of a loan is floor(loan × 2.2 ÷ 100) in
// whole numbers and never the double nearest 0.022. Fees, tax rates and the rate
// points of a cost ledger all go through this one type; points added to a rate give
// an ExactRate, which charges its interest exactly.
#include "calc/ExactDecimal.h"
#include "calc/ExactRate.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hn {

class CostPercent {
public:
    CostPercent() = default; // 0 %

    // A whole number of hundredths of a percent (-20 is −0.2 %): the form the
    // tables are written in.
    static CostPercent FromHundredths(std::int64_t hundredths);
    // The decimal with a sign (a zero is never negative).
    static CostPercent FromMagnitude(ExactDecimal magnitude, bool negative);

    bool IsNegative() const noexcept { return m_negative; }
    const ExactDecimal& Magnitude() const noexcept { return m_magnitude; }

    // The fraction it stands for (0.022 for 2.2 %), for the engine's double arithmetic.
    double Fraction() const;

    friend CostPercent operator+(const CostPercent& a, const CostPercent& b);
    friend bool operator==(const CostPercent&, const CostPercent&) = default;

private:
    ExactDecimal m_magnitude;
    bool m_negative = false; // never for 0
};

// The whole text: an optional sign, then a decimal ExactDecimal::Parse takes ("2.2",
// " -0.2 ", "+0.18", "3"); empty for anything else.
std::optional<CostPercent> ParseCostPercent(std::string_view text);

// "2.2", "-0.2", "0.1": the decimal in plain notation.
std::string CostPercentText(const CostPercent& p);

// floor(yen × p ÷ 100) exactly, for yen >= 0 and p >= 0; empty when either is
// negative or the result does not fit.
std::optional<std::int64_t> PercentOfYen(std::int64_t yen, const CostPercent& p);

// The yearly rate raised (or lowered) by the points: 1.5 % with −0.2 points is
// exactly 1.3 %. Empty below 0 % or at 100 % or more.
std::optional<ExactRate> RateWithPoints(const ExactRate& rate, const CostPercent& points);

} // namespace hn
