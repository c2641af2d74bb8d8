// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A percentage as typed ("2.2", "0.18", "-0.2"), kept exactly as a whole number of
// ten-thousandths of a percent, so that 2.2 % of a loan is 22,000 / 1,000,000 of it
// in whole numbers and never the double nearest 0.022. Fees, tax rates and the rate
// points of a cost ledger all go through this one type.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hn {

struct CostPercent {
    // Decimal places a percentage may have; 1 % is 10,000 units.
    static constexpr int kDecimals = 4;
    static constexpr std::int64_t kUnitsPerPercent = 10'000;

    std::int64_t units = 0; // ten-thousandths of a percent; negative for points taken off

    static constexpr CostPercent FromUnits(std::int64_t u) noexcept { return CostPercent{u}; }
    // Whole hundredths of a percent (0.18 % is 18): the form the presets are written in.
    static constexpr CostPercent FromHundredths(std::int64_t h) noexcept { return CostPercent{h * 100}; }

    // The fraction it stands for (0.022 for 2.2 %), for the rate arithmetic of the engine.
    constexpr double Fraction() const noexcept { return static_cast<double>(units) / (kUnitsPerPercent * 100.0); }

    friend constexpr auto operator<=>(const CostPercent&, const CostPercent&) = default;
    friend constexpr CostPercent operator+(CostPercent a, CostPercent b) noexcept { return {a.units + b.units}; }
};

// "2.2", "-0.2", "+0.18", "3" (blanks around allowed, at most four decimals, no
// exponent, magnitude below 10^9 %); empty for anything else.
std::optional<CostPercent> ParseCostPercent(std::string_view text) noexcept;

// "2.2", "-0.2", "0.1": the shortest exact decimal.
std::string CostPercentText(CostPercent p);

// floor(yen × p / 100) exactly, for yen >= 0 and p >= 0; empty when either is
// negative or the result does not fit.
std::optional<std::int64_t> PercentOfYen(std::int64_t yen, CostPercent p) noexcept;

} // namespace hn
