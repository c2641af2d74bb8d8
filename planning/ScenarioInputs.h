// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rate-scenario section's inputs as typed, read into rate paths: a preset's
// figures on top of the loan's own rates, and the table of steps the preset fills or
// the user types. Plain C++: the window only shows what this says.
#include "calc/RepaymentMethod.h"
#include "calc/rates/RatePath.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hn {

inline constexpr std::string_view kMsgRiseMonthInvalid = "上がる回は1～1188で入力してください";
inline constexpr std::string_view kMsgRiseYearsInvalid = "間隔は1～99年で入力してください";
inline constexpr std::string_view kMsgRiseInvalid = "上昇幅を入力してください";
inline constexpr std::string_view kMsgCapInvalid = "上限の金利は当初の金利より高く入力してください";
inline constexpr std::string_view kMsgRiseOutOfRange = "上昇後の金利は0.0001～99%になるように入力してください";
inline constexpr std::string_view kNoteRowsNotInOrder = "行が回の順に並んでいません。回の順に並べて計算します。";
// "3行目の第301回は最終回 (第300回) より後のため使われません。"
inline constexpr std::string_view kNoteAfterLastInstalment = "%1行目の第%2回は最終回 (第%3回) より後のため使われません。";

enum class PathPreset { Flat, RiseOnce, RiseEvery, Table };

// The loan's own rates, in percent a year: the first to month 120 and the second after
// where the method and period use two (kSecondRateMonth).
struct LoanRates {
    double rate1Percent = 0.0;
    double rate2Percent = 0.0;
    bool twoRates = false;
};
inline constexpr int kSecondRateMonth = 121;
LoanRates RatesOfLoan(RepaymentMethod method, double periodYears, double rate1Percent, double rate2Percent);

// A preset's own figures as its fields give them (percent a year; instalment; years).
struct PresetFields {
    PathPreset preset = PathPreset::Flat;
    double risePercent = 0.0;
    double riseMonth = 13; // RiseOnce: the instalment from which the rate is higher
    double everyYears = 1; // RiseEvery: a rise every so many years
    double capPercent = 0.0;
    friend bool operator==(const PresetFields&, const PresetFields&) = default;
};
enum class PresetField { None, Rise, Month, Years, Cap };

// One row of a scenario's table as typed: the instalment from which, the rate in percent.
struct PathRowText {
    std::string month;
    std::string ratePercent;
    friend bool operator==(const PathRowText&, const PathRowText&) = default;
};

// The rows a preset puts into the table for a loan of `months` instalments: the loan's
// rates, raised as the preset says (a rise never lowers the loan's own rate and stops
// at the cap). Empty rows with no message for PathPreset::Table: the table is the
// user's. A figure the preset cannot use is named (`field`) with its message.
struct PresetRows {
    std::vector<PathRowText> rows;
    std::string_view message;
    PresetField field = PresetField::None;
    bool ok() const noexcept { return message.empty(); }
};
PresetRows RowsOfPreset(const PresetFields& fields, const LoanRates& rates, int months);

// The table read as a path for a loan of `months` instalments. Empty rows are left
// out; a fault names its row as shown ("2行目: 同じ回が2度あります"), counting empty
// rows too. What was accepted but may surprise (rows out of order, a step after the
// last instalment) is said in `notes`.
struct PathTable {
    RatePath path;
    std::string message;
    int faultyRow = 0; // from 1; 0 when the fault is the whole table's
    std::vector<std::string> notes;
    bool ok() const noexcept { return message.empty(); }
};
PathTable ReadPathTable(std::span<const PathRowText> rows, int months);

} // namespace hn
