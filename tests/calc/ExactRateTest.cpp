// SPDX-License-Identifier: GPL-3.0-or-later
// The exact rate against an independent computation: the typed percent read
// as a whole number of digits, the product with the balance formed digit by
// digit, and the quotient taken by long division; nothing shared with the
// code under test.
#include "calc/ExactDecimal.h"
#include "calc/ExactRate.h"

#include "calc/DecimalText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace hn {
namespace {

__extension__ using U128 = unsigned __int128;

// floor(balance × percent ÷ 100 ÷ periodsPerYear) from the text of the percent.
std::int64_t ReferenceInterest(std::int64_t balance, const std::string& text, int periodsPerYear)
{
    std::string digits;
    long long decimals = 0;
    long long exponent = 0;
    bool point = false;
    std::size_t k = 0;
    for (; k < text.size() && text[k] != 'e' && text[k] != 'E'; ++k) {
        if (text[k] == '.') {
            point = true;
        } else {
            digits.push_back(text[k]);
            decimals += point ? 1 : 0;
        }
    }
    if (k < text.size())
        exponent = std::stoll(text.substr(k + 1));
    long long places = decimals - exponent + 2; // the fraction is digits ÷ 10^places
    if (places < 0) {
        digits.append(static_cast<std::size_t>(-places), '0');
        places = 0;
    }
    // digits × balance, in decimal.
    const std::string b = std::to_string(balance);
    std::vector<int> cells(digits.size() + b.size(), 0);
    for (std::size_t i = 0; i < digits.size(); ++i)
        for (std::size_t j = 0; j < b.size(); ++j)
            cells[i + j + 1] += (digits[i] - '0') * (b[j] - '0');
    for (std::size_t k = cells.size(); k-- > 1;) {
        cells[k - 1] += cells[k] / 10;
        cells[k] %= 10;
    }
    std::string product;
    for (int c : cells)
        product.push_back(static_cast<char>('0' + c));
    // Drop `places` digits (floor), then divide by the periods.
    if (static_cast<long long>(product.size()) <= places)
        return 0;
    product.resize(product.size() - static_cast<std::size_t>(places));
    std::int64_t quotient = 0;
    std::int64_t remainder = 0;
    for (char c : product) {
        remainder = remainder * 10 + (c - '0');
        quotient = quotient * 10 + remainder / periodsPerYear;
        remainder %= periodsPerYear;
    }
    return quotient;
}

ExactRate Rate(std::string_view text)
{
    const auto r = ExactRate::FromPercentText(text);
    EXPECT_TRUE(r.has_value()) << text;
    return r.value_or(ExactRate{});
}

TEST(ExactDecimal, ReadsAndWritesPlainDecimals)
{
    struct Case {
        const char* text;
        const char* plain;
    };
    for (const Case& c : {Case{"2", "2"}, Case{"2.0", "2"}, Case{".375", "0.375"}, Case{"1e0", "1"},
                          Case{"25e-1", "2.5"}, Case{" 0.0005 ", "0.0005"}, Case{"5e-04", "0.0005"},
                          Case{"1.5E+2", "150"}, Case{"-0", "0"}, Case{"000123.4500", "123.45"},
                          Case{"1.0000000000000000000000001", "1.0000000000000000000000001"}}) {
        const auto d = ExactDecimal::Parse(c.text);
        ASSERT_TRUE(d.has_value()) << c.text;
        EXPECT_EQ(d->Text(), c.plain) << c.text;
        EXPECT_EQ(d->ToDouble(), ParseDecimal(c.text).value()) << c.text;
    }
    for (const char* bad : {"", "-1", "abc", "1,5", "1e", "1e999999", "0x10", "inf"})
        EXPECT_FALSE(ExactDecimal::Parse(bad).has_value()) << bad;
    EXPECT_EQ(ExactDecimal::FromDouble(5e-4)->Text(), "0.0005");
    EXPECT_EQ(ExactDecimal::FromDouble(0.1)->Text(), "0.1");
    EXPECT_FALSE(ExactDecimal::FromDouble(-1.0).has_value());
}

TEST(ExactDecimal, AddsSubtractsMultipliesAndComparesExactly)
{
    const auto d = [](const char* t) { return ExactDecimal::Parse(t).value(); };
    EXPECT_EQ((d("0.1") + d("0.2")).Text(), "0.3");
    EXPECT_EQ((d("99.999") + d("0.001")).Text(), "100");
    EXPECT_EQ(d("1.5").Minus(d("0.25"))->Text(), "1.25");
    EXPECT_EQ(d("1").Minus(d("1"))->Text(), "0");
    EXPECT_FALSE(d("1").Minus(d("1.0001")).has_value());
    EXPECT_EQ(d("0.3").Times(7).Text(), "2.1");
    EXPECT_LT(d("0.0999"), d("0.1"));
    EXPECT_LT(d("0.1"), d("0.10001"));
    EXPECT_EQ(d("2.50"), d("2.5"));
    EXPECT_GT(d("10"), d("9.99999"));
    // 8.2 % of 3,000 万円 is 246 whole 万円; the double product gives 245.99….
    EXPECT_EQ(d("8.2").FloorOfProduct(3000, 100), 246);
    EXPECT_EQ(d("0.5").FloorOfProduct(3, 1), 1);
    EXPECT_EQ(d("1e30").FloorOfProduct(1000000000, 1), std::nullopt);
}

TEST(ExactRate, ChargesWhatALenderCharges)
{
    // 1,094,400 at 2 %: exactly 1,824 a month, which the double product floors to 1,823.
    EXPECT_EQ(Rate("2").MonthlyInterest(1094400), 1824);
    EXPECT_EQ(Rate("2.0").HalfYearInterest(1094400), 10944);
    EXPECT_EQ(Rate("1.5").MonthlyInterest(800), 1);
    EXPECT_EQ(Rate("1e0").MonthlyInterest(1200), 1);
    EXPECT_EQ(Rate("1e0").MonthlyInterest(1199), 0);
    EXPECT_EQ(Rate("99").MonthlyInterest(std::int64_t{1} << 53), 743093938516131);
    EXPECT_EQ(Rate("2").MonthlyInterest(0), 0);
    EXPECT_EQ(Rate("2").MonthlyInterest(-5), 0);
    EXPECT_EQ(ExactRate{}.MonthlyInterest(1000000), 0);
    EXPECT_FALSE(ExactRate::FromPercentText("100").has_value());
    EXPECT_EQ(Rate("2.375").Fraction(), 2.375 * 0.01);
    EXPECT_EQ(Rate(".0005").PercentText(), "0.0005");
}

// Random rates as a person or a script might type them (up to 30 digits, in
// plain or exponent form) and random balances up to 2^53, in both periods.
TEST(ExactRate, AgreesWithLongDivisionOverRandomRatesAndBalances)
{
    std::mt19937_64 rng(20270101);
    const auto below = [&](std::uint64_t n) { return rng() % n; };
    int checked = 0;
    while (checked < 200000) {
        std::string mantissa;
        const std::size_t length = 1 + below(below(4) == 0 ? 30 : 6);
        for (std::size_t k = 0; k < length; ++k)
            mantissa.push_back(static_cast<char>('0' + below(10)));
        const std::size_t pointAt = below(length + 1);
        std::string text = mantissa.substr(0, pointAt) + "." + mantissa.substr(pointAt);
        if (below(5) == 0)
            text += "e" + std::to_string(static_cast<int>(below(7)) - 3);
        const double percent = ParseDecimal(text).value();
        if (!(percent >= 0.0001 && percent <= 99.0))
            continue;
        const ExactRate rate = Rate(text);
        // Balances of every size, and multiples of 12 × 10^k, where the exact
        // product is most often a whole number.
        std::int64_t balance = static_cast<std::int64_t>(below((std::uint64_t{1} << (1 + below(53))) + 1));
        if (below(3) == 0)
            balance = 12 * static_cast<std::int64_t>(below(1000000)) * (below(2) ? 10000 : 1);
        const std::int64_t monthly = ReferenceInterest(balance, text, 12);
        const std::int64_t halfYear = ReferenceInterest(balance, text, 2);
        ASSERT_EQ(rate.MonthlyInterest(balance), monthly) << text << " on " << balance;
        ASSERT_EQ(rate.HalfYearInterest(balance), halfYear) << text << " on " << balance;
        // The schedules' form, on a balance held as a double.
        ASSERT_EQ(rate.PeriodInterest(static_cast<double>(balance), false), static_cast<double>(monthly));
        ASSERT_EQ(rate.PeriodInterest(static_cast<double>(balance), true), static_cast<double>(halfYear));
        ++checked;
    }
}

// Rates just below and just above a whole interest, written with 40 digits:
// only the digits after the 19th decide, so the carry from them is tested.
TEST(ExactRate, DigitsBeyondTheNineteenthDecideAtAWholeNumber)
{
    std::mt19937_64 rng(7);
    int reached = 0;
    int fellShort = 0;
    for (int n = 0; n < 20000; ++n) {
        const std::int64_t balance = 1 + static_cast<std::int64_t>(rng() % (std::uint64_t{1} << (1 + rng() % 53)));
        const std::int64_t q = 1 + static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(balance / 13 + 1));
        // percent = q × 12 × 100 ÷ balance, to 40 decimals, rounded down or up.
        std::int64_t whole = q * 1200 / balance;
        U128 rem = static_cast<U128>(q) * 1200 % static_cast<U128>(balance);
        std::string text = std::to_string(whole) + ".";
        for (int k = 0; k < 40; ++k) {
            rem *= 10;
            text.push_back(static_cast<char>('0' + static_cast<int>(rem / static_cast<U128>(balance))));
            rem %= static_cast<U128>(balance);
        }
        if (rng() % 2 == 0 && rem != 0) {
            // Round the last digit up (carrying through nines).
            std::size_t k = text.size();
            while (k-- > 0) {
                if (text[k] == '.')
                    continue;
                if (text[k] == '9') {
                    text[k] = '0';
                } else {
                    ++text[k];
                    break;
                }
            }
        }
        const double percent = ParseDecimal(text).value();
        if (!(percent >= 0.0001 && percent < 99.0))
            continue;
        const std::int64_t interest = Rate(text).MonthlyInterest(balance);
        ASSERT_EQ(interest, ReferenceInterest(balance, text, 12)) << text << " on " << balance;
        ASSERT_EQ(Rate(text).PeriodInterest(static_cast<double>(balance), false), static_cast<double>(interest));
        reached += interest == q;
        fellShort += interest == q - 1;
    }
    // Both sides of the whole number are met.
    EXPECT_GT(reached, 5000);
    EXPECT_GT(fellShort, 5000);
}

// A rate field holds five characters; every text it can hold comes back from
// the fraction the calculate command forms from it.
TEST(ExactRate, RecoversEveryRateFieldTextFromItsFraction)
{
    const std::string alphabet = "0123456789.";
    int recovered = 0;
    std::string text;
    const auto visit = [&](const auto& self, std::size_t length) -> void {
        if (text.size() == length) {
            if (std::count(text.begin(), text.end(), '.') > 1)
                return;
            const auto percent = ParseDecimal(text);
            if (!percent || !(*percent >= 0.0001 && *percent <= 99.0))
                return;
            const ExactRate r = ExactRate::FromFraction(*percent * 0.01);
            ASSERT_EQ(r.Percent(), ExactDecimal::Parse(text).value()) << text;
            ASSERT_EQ(r.Fraction(), *percent * 0.01);
            ++recovered;
            return;
        }
        for (char c : alphabet) {
            text.push_back(c);
            self(self, length);
            text.pop_back();
        }
    };
    for (std::size_t length = 1; length <= 5; ++length)
        visit(visit, length);
    EXPECT_GT(recovered, 30000);

    // Any percent of up to 15 significant digits.
    std::mt19937_64 rng(15);
    for (int n = 0; n < 100000; ++n) {
        const int digits = 1 + static_cast<int>(rng() % 15);
        std::string m;
        for (int k = 0; k < digits; ++k)
            m.push_back(static_cast<char>('1' + rng() % 9));
        const int point = static_cast<int>(rng() % 7) - 4; // digits before the point, from -4 to 2
        const std::string t = point <= 0 ? "0." + std::string(static_cast<std::size_t>(-point), '0') + m
                              : point >= digits ? m
                                                : m.substr(0, static_cast<std::size_t>(point)) + "." +
                                                      m.substr(static_cast<std::size_t>(point));
        const double percent = ParseDecimal(t).value();
        if (!(percent >= 0.0001 && percent <= 99.0))
            continue;
        ASSERT_EQ(ExactRate::FromFraction(percent * 0.01).Percent(), ExactDecimal::Parse(t).value()) << t;
    }
}

} // namespace
} // namespace hn
