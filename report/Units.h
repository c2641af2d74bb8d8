// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How every figure the program shows reads: a quantity is a value and its unit, and
// this is the one place that spells them (docs/wording.md). The windows beside the
// calculator and the command line's modes write the unit right after the figure
// ("79,503円"); the plain command-line mode keeps its space before it ("79,503 円").
#include "calc/schedule/ScheduleCalendar.h"

#include <cstdint>
#include <string>

namespace hn {

enum class Unit {
    Yen,            // "79,503円"
    Man,            // "3,000万円"
    Percent,        // a ratio or share to hundredths: "35%", "30.14%", "19.5%"
    SummaryPercent, // the summary window's ratio, four significant digits: "35.%", "19.47%"
    Rate,           // a yearly rate as typed, exactly: "2.375%", "3%", "0%"
    Instalment,     // "第369回"
    Month,          // "2057年9月"
    Span,           // months as years and months: "4年3か月", "2年", "9か月"
    Months,         // "347か月"
    LoanYear,       // "30年目"
    Count,          // a plain number: "12"
    Text,           // a text that carries no unit
};

struct Quantity {
    Unit unit = Unit::Text;
    std::int64_t whole = 0; // Yen, Man, Instalment, Span, Months, LoanYear, Count
    double number = 0.0;    // Percent and SummaryPercent in percent; Rate as a fraction
    YearMonth month{};      // Month; year 0 reads as nothing
    std::string text;       // Text
    bool plusSign = false;  // a difference: "+1,000円"

    static Quantity Yen(std::int64_t yen) { return OfWhole(Unit::Yen, yen); }
    static Quantity Man(std::int64_t man) { return OfWhole(Unit::Man, man); }
    static Quantity Percent(double percent) { return OfNumber(Unit::Percent, percent); }
    static Quantity SummaryPercent(double percent) { return OfNumber(Unit::SummaryPercent, percent); }
    static Quantity Rate(double fraction) { return OfNumber(Unit::Rate, fraction); }
    static Quantity Instalment(std::int64_t number) { return OfWhole(Unit::Instalment, number); }
    static Quantity Month(YearMonth ym);
    static Quantity Span(std::int64_t months) { return OfWhole(Unit::Span, months); }
    static Quantity Months(std::int64_t months) { return OfWhole(Unit::Months, months); }
    static Quantity LoanYear(std::int64_t year) { return OfWhole(Unit::LoanYear, year); }
    static Quantity Count(std::int64_t n) { return OfWhole(Unit::Count, n); }
    static Quantity Words(std::string text);
    // The difference of two amounts in yen, its sign always shown but for zero.
    static Quantity YenDifference(std::int64_t yen);
    // An amount in yen as the entry fields show it: whole 万円 as 万円, anything finer in
    // yen; a value beyond 64 bits reads "?".
    static Quantity Amount(double yen);

    static Quantity OfWhole(Unit unit, std::int64_t value);
    static Quantity OfNumber(Unit unit, double value);

    friend bool operator==(const Quantity&, const Quantity&) = default;
};

enum class Spacing { Attached, Spaced };

// The quantity with its unit: "79,503円", or "79,503 円" spaced.
std::string Text(const Quantity& q, Spacing spacing = Spacing::Attached);
// The figure alone, for a field whose caption names the unit: "79,503", "35", "2.375",
// "369"; a month, a span or a text reads as in Text.
std::string Bare(const Quantity& q);

} // namespace hn
