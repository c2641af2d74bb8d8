// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ExactDecimal.h"

#include "calc/DecimalText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace hn {

namespace {

__extension__ using U128 = unsigned __int128;

// Further from 1 than this no double reaches (the smallest is about 5e-324).
constexpr long long kMaxMagnitude = 400;

constexpr bool IsDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

constexpr bool IsBlank(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Decimal digit strings of whole numbers, most significant first.
std::string AddDigits(const std::string& a, const std::string& b)
{
    std::string sum;
    int carry = 0;
    for (std::size_t k = 0; k < std::max(a.size(), b.size()) || carry; ++k) {
        int d = carry;
        if (k < a.size())
            d += a[a.size() - 1 - k] - '0';
        if (k < b.size())
            d += b[b.size() - 1 - k] - '0';
        sum.push_back(static_cast<char>('0' + d % 10));
        carry = d / 10;
    }
    std::reverse(sum.begin(), sum.end());
    return sum;
}

// a - b for a >= b, both of the same length.
std::string SubtractDigits(const std::string& a, const std::string& b)
{
    std::string difference(a.size(), '0');
    int borrow = 0;
    for (std::size_t k = a.size(); k-- > 0;) {
        int d = (a[k] - '0') - (b[k] - '0') - borrow;
        borrow = d < 0 ? 1 : 0;
        difference[k] = static_cast<char>('0' + d + 10 * borrow);
    }
    return difference;
}

// Both digit strings at the smaller exponent and the same length.
struct Aligned {
    std::string x, y;
    int exponent;
};

Aligned Align(const std::string& a, int ea, const std::string& b, int eb)
{
    const int e = std::min(ea, eb);
    std::string x = a + std::string(static_cast<std::size_t>(ea - e), '0');
    std::string y = b + std::string(static_cast<std::size_t>(eb - e), '0');
    const std::size_t n = std::max(x.size(), y.size());
    x.insert(0, n - x.size(), '0');
    y.insert(0, n - y.size(), '0');
    return {std::move(x), std::move(y), e};
}

} // namespace

ExactDecimal::ExactDecimal(std::string digits, long long exponent)
{
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return; // zero
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<long long>(digits.size() - 1 - last);
    m_digits = digits.substr(first, last - first + 1);
    m_exponent = static_cast<int>(exponent);
}

std::optional<ExactDecimal> ExactDecimal::Parse(std::string_view text)
{
    if (!ParseDecimal(text))
        return std::nullopt; // the same grammar, checked once
    std::size_t p = 0;
    while (p < text.size() && IsBlank(text[p]))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-'))
        negative = text[p++] == '-';
    std::string digits;
    long long exponent = 0;
    for (; p < text.size() && IsDigit(text[p]); ++p)
        digits.push_back(text[p]);
    if (p < text.size() && text[p] == '.')
        for (++p; p < text.size() && IsDigit(text[p]); ++p) {
            digits.push_back(text[p]);
            --exponent;
        }
    if (p < text.size() && (text[p] == 'e' || text[p] == 'E')) {
        ++p;
        bool expNegative = false;
        if (p < text.size() && (text[p] == '+' || text[p] == '-'))
            expNegative = text[p++] == '-';
        long long e = 0;
        for (; p < text.size() && IsDigit(text[p]); ++p)
            e = std::min(e * 10 + (text[p] - '0'), 1'000'000'000LL); // far beyond any double already
        exponent += expNegative ? -e : e;
    }
    ExactDecimal d(std::move(digits), exponent);
    if (d.IsZero())
        return d;
    if (negative)
        return std::nullopt;
    const long long magnitude = static_cast<long long>(d.m_digits.size()) - 1 + d.m_exponent;
    if (magnitude > kMaxMagnitude || magnitude < -kMaxMagnitude)
        return std::nullopt;
    return d;
}

std::optional<ExactDecimal> ExactDecimal::FromDouble(double value)
{
    if (!std::isfinite(value) || value < 0.0)
        return std::nullopt;
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (ec != std::errc{})
        return std::nullopt;
    return Parse(std::string_view(buffer, static_cast<std::size_t>(end - buffer)));
}

ExactDecimal ExactDecimal::FromInteger(std::uint64_t value)
{
    return ExactDecimal(std::to_string(value), 0);
}

double ExactDecimal::ToDouble() const
{
    if (IsZero())
        return 0.0;
    const long long magnitude = static_cast<long long>(m_digits.size()) - 1 + m_exponent;
    const std::string scientific =
        m_digits.substr(0, 1) + "." + m_digits.substr(1) + "e" + std::to_string(magnitude);
    return ParseDecimal(scientific).value_or(0.0);
}

std::string ExactDecimal::Text() const
{
    if (IsZero())
        return "0";
    if (m_exponent >= 0)
        return m_digits + std::string(static_cast<std::size_t>(m_exponent), '0');
    const long long point = static_cast<long long>(m_digits.size()) + m_exponent; // digits before the point
    if (point > 0)
        return m_digits.substr(0, static_cast<std::size_t>(point)) + "." +
               m_digits.substr(static_cast<std::size_t>(point));
    return "0." + std::string(static_cast<std::size_t>(-point), '0') + m_digits;
}

ExactDecimal operator+(const ExactDecimal& a, const ExactDecimal& b)
{
    if (a.IsZero())
        return b;
    if (b.IsZero())
        return a;
    const Aligned al = Align(a.m_digits, a.m_exponent, b.m_digits, b.m_exponent);
    return ExactDecimal(AddDigits(al.x, al.y), al.exponent);
}

std::optional<ExactDecimal> ExactDecimal::Minus(const ExactDecimal& b) const
{
    if (*this < b)
        return std::nullopt;
    if (b.IsZero())
        return *this;
    const Aligned al = Align(m_digits, m_exponent, b.m_digits, b.m_exponent);
    return ExactDecimal(SubtractDigits(al.x, al.y), al.exponent);
}

ExactDecimal ExactDecimal::ShiftedBy(int places) const
{
    return IsZero() ? ExactDecimal{} : ExactDecimal(m_digits, static_cast<long long>(m_exponent) + places);
}

ExactDecimal ExactDecimal::Times(std::uint64_t factor) const
{
    if (IsZero() || factor == 0)
        return {};
    std::string product;
    U128 carry = 0;
    for (std::size_t k = m_digits.size(); k-- > 0;) {
        carry += static_cast<U128>(m_digits[k] - '0') * factor;
        product.push_back(static_cast<char>('0' + static_cast<int>(carry % 10)));
        carry /= 10;
    }
    for (; carry != 0; carry /= 10)
        product.push_back(static_cast<char>('0' + static_cast<int>(carry % 10)));
    std::reverse(product.begin(), product.end());
    return ExactDecimal(std::move(product), m_exponent);
}

std::optional<std::int64_t> ExactDecimal::FloorOfProduct(std::uint64_t factor, std::uint64_t divisor) const
{
    if (divisor == 0)
        return std::nullopt;
    const ExactDecimal product = Times(factor);
    // Its whole part: floor(floor(x) ÷ d) = floor(x ÷ d) for a whole d.
    std::string whole = product.m_digits;
    if (product.m_exponent >= 0)
        whole += std::string(static_cast<std::size_t>(product.m_exponent), '0');
    else if (static_cast<std::size_t>(-product.m_exponent) >= whole.size())
        whole.clear();
    else
        whole.resize(whole.size() - static_cast<std::size_t>(-product.m_exponent));
    if (whole.size() > 38)
        return std::nullopt;
    U128 value = 0;
    for (char c : whole)
        value = value * 10 + static_cast<U128>(c - '0');
    const U128 quotient = value / divisor;
    if (quotient > static_cast<U128>(std::numeric_limits<std::int64_t>::max()))
        return std::nullopt;
    return static_cast<std::int64_t>(quotient);
}

int ExactDecimal::Compare(const ExactDecimal& other) const noexcept
{
    if (IsZero() || other.IsZero())
        return static_cast<int>(!IsZero()) - static_cast<int>(!other.IsZero());
    const long long mine = static_cast<long long>(m_digits.size()) + m_exponent;
    const long long theirs = static_cast<long long>(other.m_digits.size()) + other.m_exponent;
    if (mine != theirs)
        return mine < theirs ? -1 : 1;
    // Same leading place: digit by digit, a missing digit being a zero.
    return m_digits.compare(other.m_digits);
}

} // namespace hn
