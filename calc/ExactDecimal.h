// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A non-negative decimal number held exactly, as a person types it: 8.2 is
// 82 × 10^-1, not the double nearest it. Percentages typed as decimals (rates,
// a bonus share, a rise of a rate path) are computed with it wherever a
// floored figure depends on them, so that 8.2 % of 3,000 is 246 and not the
// 245 that the double 8.199999… gives.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hn {

class ExactDecimal {
public:
    ExactDecimal() = default; // 0

    // The whole text as ParseDecimal reads it ("1.5", " .375 ", "1e0", "25e-1"):
    // empty for anything else, for a negative number, and for one so far from 1
    // (beyond 10^±400) that no double holds it.
    static std::optional<ExactDecimal> Parse(std::string_view text);

    // The shortest decimal that reads back as `value` ("0.1" for 0.1, "5e-04"
    // is 0.0005). For every decimal of up to 15 significant digits this is
    // that decimal itself, so a field's number stands for its text exactly.
    // Empty for a negative or non-finite value.
    static std::optional<ExactDecimal> FromDouble(double value);

    // A whole number.
    static ExactDecimal FromInteger(std::uint64_t value);

    bool IsZero() const noexcept { return m_digits.empty(); }

    // The nearest double, as ParseDecimal reads Text().
    double ToDouble() const;

    // Plain decimal notation, never an exponent: "0.0005", "2.375", "3".
    std::string Text() const;

    // Exact sum, difference (empty below 0) and product with a whole number.
    friend ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b);
    std::optional<ExactDecimal> Minus(const ExactDecimal& b) const;
    ExactDecimal Times(std::uint64_t factor) const;
    // × 10^places, exactly (a percent to a fraction: -2).
    ExactDecimal ShiftedBy(int places) const;

    // floor(this × factor ÷ divisor) for a whole-number factor and divisor > 0;
    // empty when the result does not fit 63 bits.
    std::optional<std::int64_t> FloorOfProduct(std::uint64_t factor, std::uint64_t divisor) const;

    // Below 0, 0 or above 0 as this is below, equal to or above `other`. (No
    // operator<=>: Qt's moc reads these headers and cannot parse <compare>.)
    int Compare(const ExactDecimal& other) const noexcept;
    friend bool operator==(const ExactDecimal&, const ExactDecimal&) = default;
    friend bool operator<(const ExactDecimal& a, const ExactDecimal& b) noexcept { return a.Compare(b) < 0; }
    friend bool operator>(const ExactDecimal& a, const ExactDecimal& b) noexcept { return a.Compare(b) > 0; }
    friend bool operator<=(const ExactDecimal& a, const ExactDecimal& b) noexcept { return a.Compare(b) <= 0; }
    friend bool operator>=(const ExactDecimal& a, const ExactDecimal& b) noexcept { return a.Compare(b) >= 0; }

    // The value is Digits() × 10^Exponent(): Digits() has no leading or trailing
    // zero ("" for 0, whose exponent is 0).
    const std::string& Digits() const noexcept { return m_digits; }
    int Exponent() const noexcept { return m_exponent; }

private:
    ExactDecimal(std::string digits, long long exponent);

    std::string m_digits;
    int m_exponent = 0;
};

} // namespace hn
