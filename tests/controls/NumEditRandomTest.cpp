// SPDX-License-Identifier: GPL-3.0-or-later
// Long random key sequences through the numeric entry field's core. After every key:
// the caret lies inside the text, a digit never leaves it just before a separator, the
// value is the number read from the text, and every key starts from the canonical text
// of the value (normalising is a fixed point). Seeded, so a failure repeats exactly.
#include "controls/NumEditCore.h"
#include "tests/controls/NumEditTestText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace hn {
namespace {

struct FieldSetup {
    char chDecimal;
    char chThousand;
    int decimals;
};

class NumEditRandom : public ::testing::TestWithParam<FieldSetup> {};

// What a key may be: mostly digits, so the numbers grow long; sometimes a caret move or
// a selection, as with the mouse and the arrow keys; now and then a text from outside.
char32_t RandomChar(std::mt19937& rng, const FieldSetup& setup)
{
    static constexpr char32_t kOthers[] = {U'-', U'+', U'\b', U'a', U' ', U'\x16', U'\uFF15'};
    std::uniform_int_distribution<int> kind(0, 9);
    const int k = kind(rng);
    if (k < 5)
        return static_cast<char32_t>(U'0' + std::uniform_int_distribution<int>(0, 9)(rng));
    if (k == 5)
        return static_cast<unsigned char>(setup.chDecimal);
    if (k == 6)
        return static_cast<unsigned char>(setup.chThousand);
    return kOthers[std::uniform_int_distribution<std::size_t>(0, std::size(kOthers) - 1)(rng)];
}

std::string RandomOutsideText(std::mt19937& rng, const FieldSetup& setup)
{
    const std::string alphabet = std::string("0123456789-+e ") + setup.chDecimal + setup.chThousand;
    std::string text;
    const int length = std::uniform_int_distribution<int>(0, 30)(rng);
    for (int i = 0; i < length; ++i)
        text += alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
    return text;
}

void CheckCanonicalStart(const CNumEditCore& field)
{
    CNumEditCore normalised = field;
    normalised.Normalize();
    ASSERT_EQ(normalised.GetText(), normalised.FormatValue(normalised.GetValue()))
        << "normalising " << test::Shown(field) << " does not give the canonical text of its value";
    ASSERT_EQ(normalised.GetValue(), normalised.ParseText(normalised.GetText()));
}

TEST_P(NumEditRandom, InvariantsHoldAfterEveryKey)
{
    const FieldSetup setup = GetParam();
    constexpr int kRuns = 60;
    constexpr int kKeys = 400;
    for (int run = 0; run < kRuns; ++run) {
        std::mt19937 rng(static_cast<unsigned>(run * 7919 + setup.decimals * 31 + setup.chDecimal));
        CNumEditCore field(setup.chDecimal, setup.chThousand);
        field.SetDecimals(setup.decimals);
        for (int step = 0; step < kKeys; ++step) {
            SCOPED_TRACE("run " + std::to_string(run) + " step " + std::to_string(step) + " at " + test::Shown(field));
            const int action = std::uniform_int_distribution<int>(0, 19)(rng);
            const std::size_t length = field.GetText().size();
            if (action == 0) {
                const std::size_t a = std::uniform_int_distribution<std::size_t>(0, length)(rng);
                const std::size_t b = std::uniform_int_distribution<std::size_t>(0, length)(rng);
                field.SetSel(a, b);
                continue;
            }
            if (action == 1) {
                const std::size_t p = std::uniform_int_distribution<std::size_t>(0, length)(rng);
                field.SetSel(p, p);
                continue;
            }
            if (action == 2 && step % 40 == 0) {
                field.SetText(RandomOutsideText(rng, setup));
                ASSERT_EQ(field.GetValue(), field.ParseText(field.GetText()));
                continue;
            }

            ASSERT_NO_FATAL_FAILURE(CheckCanonicalStart(field));
            bool applied = true;
            bool digit = false;
            if (action == 3) {
                field.OnDeleteKey();
            } else {
                const char32_t ch = RandomChar(rng, setup);
                digit = ch >= U'0' && ch <= U'9';
                applied = field.OnChar(ch);
            }

            const std::string& text = field.GetText();
            ASSERT_LE(field.GetSelEnd(), text.size());
            ASSERT_LE(field.GetSelStart(), field.GetSelEnd());
            if (applied) {
                ASSERT_EQ(field.GetSelStart(), field.GetSelEnd());
            }
            if (digit && field.GetCaret() < text.size()) {
                ASSERT_NE(text[field.GetCaret()], setup.chThousand);
            }
            ASSERT_TRUE(std::isfinite(field.GetValue()));
            ASSERT_EQ(field.GetValue(), field.ParseText(text));
            ASSERT_LE(text.size(), 420u + static_cast<std::size_t>(setup.decimals)); // 309 digits, separators, sign
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Separators, NumEditRandom,
                         ::testing::Values(FieldSetup{'.', ',', 0}, FieldSetup{'.', ',', 2}, FieldSetup{',', '.', 0},
                                           FieldSetup{',', '.', 3}, FieldSetup{'.', ' ', 1}));

} // namespace
} // namespace hn
