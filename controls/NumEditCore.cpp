// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/NumEditCore.h"

#include "controls/NumEditNumber.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

namespace hn {

namespace {

using Index = std::ptrdiff_t;

Index Length(const std::string& text)
{
    return static_cast<Index>(text.size());
}

// The digit at index k of the significant digits, zeros beyond them on both sides.
char DigitAt(const DecimalDigits& d, Index k)
{
    return k >= 0 && k < static_cast<Index>(d.digits.size()) ? d.digits[static_cast<std::size_t>(k)] : '0';
}

} // namespace

CNumEditCore::CNumEditCore(char chDecimal, char chThousand)
    : m_chThousand(chThousand)
    , m_chDecimal(chDecimal)
{
}

void CNumEditCore::SetText(std::string_view text)
{
    m_strText.assign(text);
    SetSel(m_nSelStart, m_nSelEnd);
    m_dValue = ParseText(m_strText);
}

void CNumEditCore::SetSel(std::size_t start, std::size_t end)
{
    start = std::min(start, m_strText.size());
    end = std::min(end, m_strText.size());
    m_nSelStart = std::min(start, end);
    m_nSelEnd = std::max(start, end);
}

void CNumEditCore::SetValue(double v)
{
    m_strText = FormatValue(v);
    m_nSelStart = m_nSelEnd = 0;
    m_dValue = ParseText(m_strText);
}

void CNumEditCore::SetDecimals(int n)
{
    m_nDecimals = std::clamp(n, 0, kMaxDecimals);
    SetValue(m_dValue);
}

bool CNumEditCore::OnChar(char32_t ch)
{
    if (ch == U'-' || ch == U'+') {
        Normalize();
        OnSignKey(static_cast<char>(ch));
        return true;
    }
    if (ch >= U'0' && ch <= U'9') {
        Normalize();
        InsertDigit(static_cast<char>(ch));
        return true;
    }
    if (ch == U'\b') {
        if (m_nSelEnd > m_nSelStart)
            Normalize(); // deletes the selection
        else
            DeleteBackward();
        return true;
    }
    if (ch == static_cast<unsigned char>(m_chDecimal)) {
        Normalize();
        OnDecimalKey();
        return true;
    }
    return false;
}

void CNumEditCore::OnDeleteKey()
{
    if (m_nSelEnd > m_nSelStart)
        Normalize();
    else
        DeleteForward();
}

std::string CNumEditCore::StripSeparators(std::string_view text) const
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        if (c != m_chThousand)
            result += c;
    }
    return result;
}

std::pair<std::string, std::string> CNumEditCore::SplitParts(std::string_view text) const
{
    std::string stripped = StripSeparators(text);
    const std::size_t point = stripped.find(m_chDecimal);
    if (point == std::string::npos)
        return {std::move(stripped), std::string()};
    return {stripped.substr(0, point), stripped.substr(point + 1)};
}

std::string CNumEditCore::Regroup(std::string_view text) const
{
    const auto [integer, fraction] = SplitParts(text);
    // Grouped from the right: a separator between every third character and the next.
    std::string grouped;
    grouped.reserve(integer.size() + integer.size() / 3 + fraction.size() + 1);
    const std::size_t n = integer.size();
    for (std::size_t taken = 0; taken < n; ++taken) {
        if (taken > 0 && taken % 3 == 0)
            grouped += m_chThousand;
        grouped += integer[n - 1 - taken];
    }
    std::reverse(grouped.begin(), grouped.end());
    if (m_nDecimals > 0) {
        grouped += m_chDecimal;
        grouped += fraction;
    }
    return TrimLeadingSeparator(std::move(grouped));
}

std::string CNumEditCore::TrimLeadingSeparator(std::string text) const
{
    // The minus sign is grouped like a digit; a separator right after it goes.
    if (text.size() >= 2 && text[0] == '-' && text[1] == m_chThousand)
        text.erase(1, 1);
    return text;
}

std::string CNumEditCore::FormatValue(double v) const
{
    if (std::isnan(v))
        v = 0.0;
    else if (std::isinf(v))
        v = v < 0 ? -DBL_MAX : DBL_MAX;
    // Whole numbers show the full 17-digit conversion, so every typed integer that a
    // double holds comes back digit for digit. With fraction digits, 15 significant
    // digits: cutting a 17-digit conversion would show a typed 0.29 (0.28999999999999998)
    // as 0.28 and walk a typed fraction down by one unit at every key; any text of 15
    // significant digits reads back to a double that shows the same text.
    const DecimalDigits d = SignificantDigits(v, m_nDecimals > 0 ? 15 : 17);
    std::string text;
    for (Index k = 0; k < d.pointPos; ++k)
        text += DigitAt(d, k);
    if (m_nDecimals > 0) {
        text += m_chDecimal;
        for (Index j = 0; j < m_nDecimals; ++j)
            text += DigitAt(d, d.pointPos + j);
    }
    // A minus sign in front of nothing but zeros would show a sign the value read back
    // from the text does not have (-0.4 with no fraction digits would show a lone "-").
    const bool showsDigit = text.find_first_of("123456789") != std::string::npos;
    text = Regroup(text);
    if (v < 0 && showsDigit)
        text.insert(0, 1, '-');
    return text;
}

double CNumEditCore::ParseText(std::string_view text) const
{
    const auto [integer, fraction] = SplitParts(text);
    return ReadFieldNumber(integer + "." + fraction).value;
}

bool CNumEditCore::IsOutOfRange(std::string_view text) const
{
    const auto [integer, fraction] = SplitParts(text);
    return ReadFieldNumber(integer + "." + fraction).outOfRange;
}

void CNumEditCore::SetTextAndParse(std::string text, std::ptrdiff_t caret)
{
    m_strText = std::move(text);
    const std::size_t p = static_cast<std::size_t>(std::clamp<Index>(caret, 0, Length(m_strText)));
    m_nSelStart = m_nSelEnd = p;
    m_dValue = ParseText(m_strText);
}

void CNumEditCore::Normalize()
{
    const std::size_t s = m_nSelStart;
    std::string text = m_strText;
    if (m_nSelEnd > s)
        text.erase(s, m_nSelEnd - s);
    SetTextAndParse(std::move(text), static_cast<Index>(s));
    SetValue(m_dValue);
    m_nSelStart = m_nSelEnd = std::min(s, m_strText.size());
}

bool CNumEditCore::IsInIntegerPart(std::string_view text, std::size_t caret) const
{
    const std::size_t point = text.find(m_chDecimal);
    return point == std::string_view::npos || caret <= point;
}

void CNumEditCore::InsertDigit(char digit)
{
    std::string text = m_strText;
    Index p = static_cast<Index>(m_nSelStart);
    if (IsInIntegerPart(text, m_nSelStart)) {
        const Index r = Length(text) - p;
        std::string grown = text;
        grown.insert(static_cast<std::size_t>(p), 1, digit);
        grown = Regroup(grown);
        // The field takes no digit that carries the number past the double range: the
        // text would show a number the value cannot hold.
        if (!IsOutOfRange(grown) || IsOutOfRange(text)) {
            p = Length(grown) - r;
            text = std::move(grown);
        }
    } else if (p < Length(text)) {
        text[static_cast<std::size_t>(p)] = digit;
        ++p;
    }
    p = std::clamp<Index>(p, 0, Length(text));
    // The caret never rests just before a separator.
    if (p < Length(text) && text[static_cast<std::size_t>(p)] == m_chThousand)
        ++p;
    SetTextAndParse(std::move(text), p);
}

void CNumEditCore::DeleteBackward()
{
    std::string text = m_strText;
    Index p = static_cast<Index>(m_nSelStart);
    // The decimal character itself is never deleted: step over it.
    if (p > 0 && text[static_cast<std::size_t>(p - 1)] == m_chDecimal)
        --p;
    if (IsInIntegerPart(text, static_cast<std::size_t>(p))) {
        const Index r = Length(text) - p;
        Index n = (p > 0 && text[static_cast<std::size_t>(p - 1)] == m_chThousand) ? 2 : 1;
        n = std::min(n, p);
        text.erase(static_cast<std::size_t>(p - n), static_cast<std::size_t>(n));
        text = Regroup(text);
        p = Length(text) - r;
    } else {
        // In the fraction: the digits right of the caret move left, a 0 fills the end.
        text.erase(static_cast<std::size_t>(p - 1), 1);
        text += '0';
        --p;
    }
    SetTextAndParse(std::move(text), p);
}

void CNumEditCore::DeleteForward()
{
    std::string text = m_strText;
    Index p = static_cast<Index>(m_nSelStart);
    if (p < Length(text) && text[static_cast<std::size_t>(p)] == m_chDecimal)
        ++p;
    if (IsInIntegerPart(text, static_cast<std::size_t>(p))) {
        Index r = Length(text) - p;
        if (p < Length(text)) {
            // A separator goes together with the digit after it.
            const Index n = std::min<Index>(text[static_cast<std::size_t>(p)] == m_chThousand ? 2 : 1, r);
            text.erase(static_cast<std::size_t>(p), static_cast<std::size_t>(n));
            r -= n;
        }
        text = Regroup(text);
        p = Length(text) - r;
    } else if (p < Length(text)) {
        text.erase(static_cast<std::size_t>(p), 1);
        text += '0';
    }
    SetTextAndParse(std::move(text), p);
}

void CNumEditCore::OnDecimalKey()
{
    std::string text = m_strText;
    const Index p = static_cast<Index>(m_nSelStart);
    const std::size_t point = std::min(text.find(m_chDecimal), text.size());
    if (IsInIntegerPart(text, m_nSelStart))
        text = text.substr(0, static_cast<std::size_t>(p)) + text.substr(point);
    text = Regroup(text);
    const Index newPoint = static_cast<Index>(std::min(text.find(m_chDecimal), text.size()));
    SetTextAndParse(std::move(text), newPoint + 1);
}

void CNumEditCore::OnSignKey(char sign)
{
    std::string text = m_strText;
    Index p = static_cast<Index>(m_nSelStart);
    if (!text.empty() && text[0] == '-') {
        text.erase(0, 1);
        --p;
    } else if (sign == '-') {
        text.insert(0, 1, '-');
        ++p;
    }
    SetTextAndParse(std::move(text), p);
}

} // namespace hn
