// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/DecimalText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace hn {

namespace {

constexpr bool IsBlank(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsDigit(char c) noexcept
{
    return c >= '0' && c <= '9';
}

// The parts of a decimal number found at the start of a text.
struct Scan {
    std::size_t end = 0;        // one past the last character taken; 0: no number
    std::size_t body = 0;       // first character after blanks and sign
    bool negative = false;
    std::int64_t magnitude = 0; // rough decimal exponent of the value
    bool allZero = true;        // no non-zero mantissa digit
};

Scan ScanNumber(std::string_view t) noexcept
{
    Scan s;
    std::size_t p = 0;
    while (p < t.size() && IsBlank(t[p]))
        ++p;
    if (p < t.size() && (t[p] == '+' || t[p] == '-')) {
        s.negative = t[p] == '-';
        ++p;
    }
    s.body = p;

    // Mantissa. The magnitude is the power of ten of the first non-zero digit,
    // needed only to tell an overflow from an underflow.
    std::size_t digits = 0;
    std::int64_t intDigits = 0;     // significant digits before the point
    std::int64_t leadingFrac = 0;   // zeros after the point before a non-zero one
    while (p < t.size() && IsDigit(t[p])) {
        if (t[p] != '0' || !s.allZero) {
            s.allZero = false;
            if (intDigits < (std::int64_t{1} << 40))
                ++intDigits;
        }
        ++p;
        ++digits;
    }
    if (p < t.size() && t[p] == '.') {
        ++p;
        while (p < t.size() && IsDigit(t[p])) {
            if (s.allZero) {
                if (t[p] == '0') {
                    if (leadingFrac < (std::int64_t{1} << 40))
                        ++leadingFrac;
                } else {
                    s.allZero = false;
                }
            }
            ++p;
            ++digits;
        }
    }
    if (digits == 0)
        return Scan{};

    std::int64_t exponent = 0;
    if (p < t.size() && (t[p] == 'e' || t[p] == 'E')) {
        std::size_t q = p + 1;
        bool expNegative = false;
        if (q < t.size() && (t[q] == '+' || t[q] == '-')) {
            expNegative = t[q] == '-';
            ++q;
        }
        if (q < t.size() && IsDigit(t[q])) {
            while (q < t.size() && IsDigit(t[q])) {
                if (exponent < (std::int64_t{1} << 40))
                    exponent = exponent * 10 + (t[q] - '0');
                ++q;
            }
            if (expNegative)
                exponent = -exponent;
            p = q;
        }
    }
    s.end = p;
    s.magnitude = (intDigits > 0 ? intDigits - 1 : -(leadingFrac + 1)) + exponent;
    return s;
}

double Convert(std::string_view t, const Scan& s) noexcept
{
    if (s.end == 0)
        return 0.0;
    double value = 0.0;
    const char* first = t.data() + s.body;
    const char* last = t.data() + s.end;
    const auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range)
        value = s.magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    else if (ec != std::errc{})
        value = 0.0; // the scan admits only what from_chars reads; kept total anyway
    return s.negative ? -value : value;
}

} // namespace

std::size_t ScanDecimalPrefix(std::string_view text) noexcept
{
    return ScanNumber(text).end;
}

double ReadDecimalPrefix(std::string_view text) noexcept
{
    return Convert(text, ScanNumber(text));
}

std::optional<double> ParseDecimal(std::string_view text) noexcept
{
    const Scan s = ScanNumber(text);
    if (s.end == 0)
        return std::nullopt;
    for (std::size_t p = s.end; p < text.size(); ++p)
        if (!IsBlank(text[p]))
            return std::nullopt;
    return Convert(text, s);
}

std::string FormatDecimal(double value)
{
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    (void)ec; // 64 characters hold any shortest double
    return std::string(buffer, end);
}

} // namespace hn
