// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ExactRate.h"

#include <cmath>

namespace hn {

namespace {

constexpr int kHeadDigits = 19; // 10^19 < 2^64

} // namespace

std::optional<ExactRate> ExactRate::FromPercent(const ExactDecimal& percent)
{
    if (percent >= ExactDecimal::FromInteger(100))
        return std::nullopt;
    ExactRate rate;
    rate.m_percent = percent;
    rate.m_fraction = percent.ToDouble() * 0.01; // as the fields form it
    rate.Prepare();
    return rate;
}

std::optional<ExactRate> ExactRate::FromPercentText(std::string_view text)
{
    const auto percent = ExactDecimal::Parse(text);
    return percent ? FromPercent(*percent) : std::nullopt;
}

ExactRate ExactRate::FromFraction(double fraction)
{
    if (!std::isfinite(fraction) || !(fraction > 0.0) || fraction >= 1.0)
        return {};
    // The percent doubles whose × 0.01 gives `fraction` lie within a few units
    // of the last place around fraction ÷ 0.01; of those, the one written with
    // the fewest digits. Two decimals of up to 15 significant digits are more
    // than four units apart, so a typed one is never displaced by a shorter.
    const double estimate = fraction / 0.01;
    std::optional<ExactDecimal> best;
    // Usually the quotient itself is the percent typed, and with at most 15
    // digits no other candidate can be as short: no search.
    if (estimate * 0.01 == fraction) {
        const auto percent = ExactDecimal::FromDouble(estimate);
        if (percent && percent->Digits().size() <= 15)
            best = percent;
    }
    const bool search = !best;
    double below = estimate;
    double above = estimate;
    for (int k = 0; search && k <= 4; ++k) {
        for (const double candidate : {below, above}) {
            if (candidate * 0.01 != fraction)
                continue;
            const auto percent = ExactDecimal::FromDouble(candidate);
            if (percent && (!best || percent->Digits().size() < best->Digits().size()))
                best = percent;
        }
        below = std::nextafter(below, 0.0);
        above = std::nextafter(above, 100.0);
    }
    ExactRate rate;
    if (best && *best < ExactDecimal::FromInteger(100)) {
        rate.m_percent = *best;
    } else if (const auto own = ExactDecimal::FromDouble(fraction)) {
        rate.m_percent = own->Times(100);
    }
    rate.m_fraction = fraction;
    rate.Prepare();
    return rate;
}

void ExactRate::Prepare()
{
    // The fraction's digits: the percent's, two places further right.
    const std::string& digits = m_percent.Digits();
    const long long exponent = static_cast<long long>(m_percent.Exponent()) - 2;
    const long long n = static_cast<long long>(digits.size());
    m_head = 0;
    m_tail.clear();
    for (long long i = 0; i < n; ++i) {
        const long long place = -(exponent + (n - 1 - i)); // 1 = first decimal
        const auto digit = static_cast<std::uint64_t>(digits[static_cast<std::size_t>(i)] - '0');
        if (place <= kHeadDigits) {
            std::uint64_t power = 1;
            for (long long k = place; k < kHeadDigits; ++k)
                power *= 10;
            m_head += digit * power;
        } else {
            const auto at = static_cast<std::size_t>(place - kHeadDigits - 1);
            if (m_tail.size() <= at)
                m_tail.resize(at + 1, '0');
            m_tail[at] = static_cast<char>('0' + digit);
        }
    }
    m_scale = kHeadDigits;
    if (m_tail.empty()) {
        while (m_scale > 0 && m_head % 10 == 0) {
            m_head /= 10;
            --m_scale;
        }
    }
    U128 power = 1;
    for (int k = 0; k < m_scale; ++k)
        power *= 10;
    m_divisor[0] = 12 * power;
    m_divisor[1] = 2 * power;
    for (int p = 0; p < 2; ++p)
        m_estimate[p] = static_cast<double>(m_head) / static_cast<double>(m_divisor[p]);
}

// Whether balance × 0.tail ≥ shortfall (shortfall ≤ balance), read a chunk of
// 19 digits at a time: balance × (G + rest) ÷ 10^c ≥ K exactly when
// balance × rest ≥ K × 10^c − balance × G, and balance × rest < balance.
bool ExactRate::TailCarries(std::uint64_t balance, std::uint64_t shortfall) const noexcept
{
    U128 need = shortfall;
    for (std::size_t at = 0; at < m_tail.size(); at += kHeadDigits) {
        std::uint64_t chunk = 0;
        U128 scale = 1;
        for (std::size_t k = at; k < m_tail.size() && k < at + kHeadDigits; ++k) {
            chunk = chunk * 10 + static_cast<std::uint64_t>(m_tail[k] - '0');
            scale *= 10;
        }
        const U128 have = static_cast<U128>(balance) * chunk;
        const U128 target = need * scale;
        if (have >= target)
            return true;
        need = target - have;
        if (need >= balance)
            return false;
    }
    return false;
}

} // namespace hn
