// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the numeric entry field's editing core with arbitrary key sequences, caret
// moves, selections, texts written from outside, SetValue with any double (NaN and
// infinities included) and SetDecimals with any count, and checks what must hold after
// every step: the caret and selection lie inside the text, the value is finite and is
// the number read from the text after every key, a digit never leaves the caret just
// before a separator, every key starts from the canonical text of the value, and the
// text stays bounded. A violation aborts.
#include "controls/NumEditCore.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>

namespace {

// Reads the input from the front, so a seed reads like the keys it types: byte 0 picks
// the separators, byte 1 the fraction digits, then one operation after another.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : m_p(data)
        , m_n(size)
    {
    }
    bool Empty() const { return m_n == 0; }
    std::uint8_t Byte()
    {
        if (m_n == 0)
            return 0;
        --m_n;
        return *m_p++;
    }
    template <typename T>
    T Raw()
    {
        unsigned char bytes[sizeof(T)] = {};
        for (unsigned char& b : bytes)
            b = Byte();
        T value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }
    std::string Text(std::size_t length)
    {
        std::string text;
        while (text.size() < length && m_n > 0)
            text += static_cast<char>(Byte() & 0x7F); // the widget hands over ASCII only
        return text;
    }

private:
    const std::uint8_t* m_p;
    std::size_t m_n;
};

void Require(bool condition, const char* what, const hn::CNumEditCore& field)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_numedit: %s (text \"%s\", selection %zu..%zu, decimals %d)\n", what,
                     field.GetText().c_str(), field.GetSelStart(), field.GetSelEnd(), field.GetDecimals());
        std::abort();
    }
}

struct SeparatorPair {
    char chDecimal;
    char chThousand;
};

constexpr SeparatorPair kPairs[] = {{'.', ','}, {',', '.'}, {'.', ' '}, {',', '\''}, {'.', '\''}};

// Outside texts are at most this long; with the 309 digits of the largest double, its
// separators, a sign and up to kMaxDecimals fraction digits this bounds every text.
constexpr std::size_t kMaxOutside = 200;
constexpr std::size_t kMaxText = 2 * kMaxOutside + 420 + hn::CNumEditCore::kMaxDecimals;

void CheckCanonicalStart(const hn::CNumEditCore& field)
{
    hn::CNumEditCore normalised = field;
    normalised.Normalize();
    Require(normalised.GetText() == normalised.FormatValue(normalised.GetValue()),
            "normalising does not give the canonical text of the value", field);
    Require(normalised.GetValue() == normalised.ParseText(normalised.GetText()),
            "normalising leaves a value out of step", field);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input input(data, size);
    const SeparatorPair pair = kPairs[input.Byte() % std::size(kPairs)];
    hn::CNumEditCore field(pair.chDecimal, pair.chThousand);
    field.SetDecimals(input.Byte() % 5);

    while (!input.Empty()) {
        const std::uint8_t op = input.Byte();
        bool key = false;
        bool applied = false;
        bool digit = false;
        if (op < 0x80) {
            CheckCanonicalStart(field);
            key = true;
            digit = op >= '0' && op <= '9';
            applied = field.OnChar(op);
        } else if (op < 0x90) {
            CheckCanonicalStart(field);
            key = applied = true;
            field.OnDeleteKey();
        } else if (op < 0xA0) {
            const std::size_t span = field.GetText().size() + 3;
            const std::size_t start = input.Byte() % span;
            field.SetSel(start, input.Byte() % span);
        } else if (op < 0xB0) {
            field.SetText(input.Text(input.Byte() % (kMaxOutside + 1)));
        } else if (op < 0xC0) {
            field.SetValue(input.Raw<double>());
            Require(field.GetText() == field.FormatValue(field.GetValue()), "SetValue shows a text that is not canonical", field);
            Require(field.GetCaret() == 0 && field.GetSelEnd() == 0, "SetValue leaves the caret away from 0", field);
        } else if (op < 0xC8) {
            field.SetDecimals(input.Raw<int>());
            Require(field.GetDecimals() >= 0 && field.GetDecimals() <= hn::CNumEditCore::kMaxDecimals,
                    "decimals out of range", field);
        } else {
            // Characters beyond ASCII (full-width digits, emoji) are never taken.
            CheckCanonicalStart(field);
            const char32_t ch = 0x80 + input.Raw<std::uint32_t>() % 0x10FF80;
            const std::string before = field.GetText();
            Require(!field.OnChar(ch), "a character beyond ASCII was taken", field);
            Require(field.GetText() == before, "an ignored character changed the text", field);
        }

        const std::string& text = field.GetText();
        Require(field.GetSelStart() <= field.GetSelEnd() && field.GetSelEnd() <= text.size(),
                "selection outside the text", field);
        Require(std::isfinite(field.GetValue()), "value not finite", field);
        Require(text.size() <= kMaxText, "text grows without bound", field);
        if (key && applied) {
            Require(field.GetSelStart() == field.GetSelEnd(), "a key left a selection", field);
            Require(field.GetValue() == field.ParseText(text), "value out of step with the text", field);
        }
        if (digit && field.GetCaret() < text.size())
            Require(text[field.GetCaret()] != pair.chThousand, "a digit left the caret before a separator", field);
        Require(field.GetValue() == field.ParseText(text), "value differs from the text", field);
    }
    return 0;
}
