// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Editing core of the numeric entry field (CNumEdit): text, caret, selection and the
// number the field stands for. Every key is applied here; the widget only maps Qt's
// events onto these calls and mirrors the text and caret. Plain C++ so tests and the
// fuzzer drive it without a window.
//
// The text is ASCII. Positions are character indexes into it; the caret is the start
// of the selection (the selection is empty after every key action).
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace hn {

class CNumEditCore {
public:
    // More fraction digits than this carry nothing a double can hold.
    static constexpr int kMaxDecimals = 100;

    // The separators must be two different printable ASCII characters that are neither
    // digits nor signs (ChooseSeparators in platform/ picks such a pair from the locale).
    explicit CNumEditCore(char chDecimal = '.', char chThousand = ',');

    // State as the control shows it.
    const std::string& GetText() const { return m_strText; }
    std::size_t GetSelStart() const { return m_nSelStart; }
    std::size_t GetSelEnd() const { return m_nSelEnd; }
    std::size_t GetCaret() const { return m_nSelStart; }
    char GetDecimalChar() const { return m_chDecimal; }
    char GetThousandChar() const { return m_chThousand; }
    int GetDecimals() const { return m_nDecimals; }

    // Text written from outside (the window's data exchange, a slot recall). The value
    // follows it, read as the next key action would read it: a field that shows one
    // number must never compute with another.
    void SetText(std::string_view text);
    // The selection as the control reports it; clamped to the text, either order.
    void SetSel(std::size_t start, std::size_t end);

    double GetValue() const { return m_dValue; }
    // Shows the canonical text of v, caret at 0, and keeps the number read back from
    // that text. NaN counts as 0 and infinities as the largest double.
    void SetValue(double v);
    // Clamped to 0..kMaxDecimals; re-shows the value.
    void SetDecimals(int n);

    // A typed character. Returns false when the field ignores it (letters, space, the
    // thousands separator, control characters, anything outside ASCII).
    bool OnChar(char32_t ch);
    // The Delete key, with or without Shift or Ctrl.
    void OnDeleteKey();

    // The rules every key action keeps, which tests and the fuzzer check states against.
    // The canonical text of a value (what SetValue shows).
    std::string FormatValue(double v) const;
    // The value the field reads from a text: the integer digits, ".", the fraction
    // digits, thousands separators left out.
    double ParseText(std::string_view text) const;
    // Text and caret as a key action leaves them, the value read from the text.
    void SetTextAndParse(std::string text, std::ptrdiff_t caret);
    // What every key does first: the selection deleted and the text rewritten as the
    // canonical text of its value, the caret kept where it was.
    void Normalize();

private:
    // The routines the key actions are built from.
    std::string StripSeparators(std::string_view text) const;
    std::pair<std::string, std::string> SplitParts(std::string_view text) const;
    std::string Regroup(std::string_view text) const;
    void InsertDigit(char digit);
    void DeleteBackward();
    void DeleteForward();
    void OnDecimalKey();
    void OnSignKey(char sign);

    bool IsInIntegerPart(std::string_view text, std::size_t caret) const;
    bool IsOutOfRange(std::string_view text) const;
    std::string TrimLeadingSeparator(std::string text) const;

    std::string m_strText;
    std::size_t m_nSelStart = 0;
    std::size_t m_nSelEnd = 0;
    double m_dValue = 0.0;
    char m_chThousand = ',';
    char m_chDecimal = '.';
    int m_nDecimals = 2;
};

} // namespace hn
