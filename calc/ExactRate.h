// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A yearly interest rate exactly as it was typed, and the interest it charges
// as a lender computes it: floor(balance × rate ÷ 12) for a month and
// floor(balance × rate ÷ 2) for a half-year, in whole numbers. The double
// product the engine forms (balance × (rate × the double nearest 1/12)) falls
// a yen short whenever the exact product is a whole number (1,094,400 at 2 %:
// 1,824 exactly, 1,823 in doubles); schedules charge this instead. Instalments
// stay the engine's, formed from Fraction().
#include "calc/ExactDecimal.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hn {

class ExactRate {
public:
    ExactRate() = default; // 0 %

    // A percent a year; empty at 100 % or more.
    static std::optional<ExactRate> FromPercent(const ExactDecimal& percent);
    // The whole text read as a percent ("2", "1.23456", "1e0"); empty when it is
    // not a decimal number ExactDecimal::Parse takes, or 100 % or more.
    static std::optional<ExactRate> FromPercentText(std::string_view text);

    // The rate a person typed to get this fraction, which the fields and the
    // command line form as (percent read as a double) × 0.01: the decimal
    // percent with the fewest digits that gives this very fraction. For every
    // percent of up to 15 significant digits (every rate field holds five
    // characters) that is the percent typed. A fraction no percent gives this
    // way stands for its own shortest decimal. Fraction() is `fraction`.
    static ExactRate FromFraction(double fraction);

    const ExactDecimal& Percent() const noexcept { return m_percent; }
    // The percent in plain decimals ("0.0005", "2.375"), as every rate is shown.
    std::string PercentText() const { return m_percent.Text(); }
    // The yearly fraction in plain decimals ("0.02375", "0.000001"), for machine output.
    std::string FractionText() const { return m_percent.ShiftedBy(-2).Text(); }
    // The yearly fraction in the engine's double: percent × 0.01.
    double Fraction() const noexcept { return m_fraction; }

    // floor(balance × rate ÷ 12) and floor(balance × rate ÷ 2), exact for every
    // balance from 0 to 2^63 (0 below it).
    std::int64_t MonthlyInterest(std::int64_t balance) const noexcept { return Interest(balance, 0); }
    std::int64_t HalfYearInterest(std::int64_t balance) const noexcept { return Interest(balance, 1); }
    std::int64_t PeriodInterest(std::int64_t balance, bool halfYear) const noexcept
    {
        return Interest(balance, halfYear ? 1 : 0);
    }

    // The same for a balance held as a double of whole yen (0 to 2^62; quickest
    // to 2^53), as the schedule loops hold it: the double quotient, checked in whole numbers
    // beside it, so that the chain from one balance to the next waits on no
    // more than the double product and its floor.
    double PeriodInterest(double balance, bool halfYear) const noexcept;

    friend bool operator==(const ExactRate& a, const ExactRate& b) noexcept { return a.m_percent == b.m_percent; }

private:
    __extension__ using U128 = unsigned __int128;

    // Below this the double estimate of the quotient is within a unit or two.
    static constexpr std::int64_t kEstimateLimit = std::int64_t{1} << 53;

    void Prepare(); // m_head, m_scale, m_tail and the divisors from m_percent
    std::int64_t Interest(std::int64_t balance, int period) const noexcept;
    bool TailCarries(std::uint64_t balance, std::uint64_t shortfall) const noexcept;

    ExactDecimal m_percent;
    double m_fraction = 0.0;
    // The yearly fraction is (m_head + 0.m_tail) ÷ 10^m_scale: its first 19
    // decimals, and the rest (then m_scale is 19), which a text of more than 17
    // significant digits can have.
    std::uint64_t m_head = 0;
    int m_scale = 0;
    std::string m_tail;
    U128 m_divisor[2] = {12, 2}; // 12 × 10^m_scale, 2 × 10^m_scale
    double m_estimate[2] = {0.0, 0.0}; // m_head ÷ m_divisor
};

inline double ExactRate::PeriodInterest(double balance, bool halfYear) const noexcept
{
    const int period = halfYear ? 1 : 0;
    if (!(balance >= 0.0 && balance <= static_cast<double>(kEstimateLimit))) [[unlikely]]
        return balance > 0.0 && balance < 0x1p62 ? static_cast<double>(Interest(static_cast<std::int64_t>(balance), period))
                                                 : 0.0;
    const double q = std::floor(balance * m_estimate[period]);
    const auto b = static_cast<std::int64_t>(balance);
    const U128 x = static_cast<U128>(static_cast<std::uint64_t>(b)) * m_head;
    const U128 t = static_cast<U128>(static_cast<std::uint64_t>(q)) * m_divisor[period];
    if (m_tail.empty() && b >= 0 && t <= x && x - t < m_divisor[period]) [[likely]]
        return q;
    return static_cast<double>(Interest(b, period));
}

inline std::int64_t ExactRate::Interest(std::int64_t balance, int period) const noexcept
{
    if (balance <= 0 || (m_head == 0 && m_tail.empty()))
        return 0;
    const U128 d = m_divisor[period];
    const U128 x = static_cast<U128>(static_cast<std::uint64_t>(balance)) * m_head;
    std::uint64_t q = 0;
    U128 r = 0;
    if (balance <= kEstimateLimit) {
        // The double quotient, put right in whole numbers: no division in the
        // chain from one balance to the next.
        q = static_cast<std::uint64_t>(static_cast<double>(balance) * m_estimate[period]);
        U128 t = static_cast<U128>(q) * d;
        while (t > x) {
            --q;
            t -= d;
        }
        r = x - t;
        while (r >= d) {
            ++q;
            r -= d;
        }
    } else {
        q = static_cast<std::uint64_t>(x / d);
        r = x % d;
    }
    // Digits beyond the 19th add less than the balance to the numerator.
    if (!m_tail.empty() && d - r <= static_cast<U128>(balance)
        && TailCarries(static_cast<std::uint64_t>(balance), static_cast<std::uint64_t>(d - r)))
        ++q;
    return static_cast<std::int64_t>(q);
}

} // namespace hn
