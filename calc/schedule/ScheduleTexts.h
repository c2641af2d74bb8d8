// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text the schedule shows, in one place: column headings (the table, the
// CSV file, the command line), part names, and the notes that explain why the
// schedule and the calculator window may differ.
#include <string_view>

namespace hn {

inline constexpr std::string_view kScheduleTitle = "返済予定表";

// Column headings.
inline constexpr std::string_view kColNumber = "回";
inline constexpr std::string_view kColYear = "年目";
inline constexpr std::string_view kColMonth = "年月";
inline constexpr std::string_view kColPart = "区分";
inline constexpr std::string_view kColPayment = "返済額";
inline constexpr std::string_view kColInterest = "利息";       // charged for the period
inline constexpr std::string_view kColInterestPaid = "支払利息"; // what the payment paid of it
inline constexpr std::string_view kColPrincipal = "元金";
inline constexpr std::string_view kColBalance = "残高";
inline constexpr std::string_view kColTotalBalance = "残高合計";
inline constexpr std::string_view kColRate = "金利";
inline constexpr std::string_view kColUnpaid = "未払利息";
inline constexpr std::string_view kColPeriod = "期間";
inline constexpr std::string_view kColFrom = "開始年月";
inline constexpr std::string_view kColTo = "終了年月";
inline constexpr std::string_view kColRatePercent = "金利(%)";
// The schedule window's heading of the same column, its cells with their unit.
inline constexpr std::string_view kColRateInForce = "適用金利";
inline constexpr std::string_view kColPrepaid = "繰上げ返済"; // paid ahead after the instalment

// The two parts of a loan.
inline constexpr std::string_view kPartMonthly = "毎月";
inline constexpr std::string_view kPartBonus = "ﾎﾞｰﾅｽ";

// Totals beside the window's.
inline constexpr std::string_view kScheduleTotal = "返済予定表の総返済額";
inline constexpr std::string_view kWindowTotal = "計算結果の借入総返済額";
inline constexpr std::string_view kDifference = "差";
inline constexpr std::string_view kScheduleFirstYear = "返済予定表の1年目";
inline constexpr std::string_view kWindowAnnual = "計算結果の年間返済額";
// An equal principal instalment beside the window's band figure.
inline constexpr std::string_view kScheduleOf = "返済予定表の";
inline constexpr std::string_view kWindowMonthlyBand = "計算結果の返済額";
inline constexpr std::string_view kWindowBonusBand = "計算結果のﾎﾞｰﾅｽ返済額";
// The calculator window's band captions.
inline constexpr std::string_view kBandYears[3] = {"1～5年目", "6～10年目", "11年目以降"};

// Why the totals differ (level and reduced families): the window multiplies
// each band's first instalment by its number of instalments; the schedule
// settles the exact balance with the last instalment.
inline constexpr std::string_view kNoteTotalDiffers =
    "計算結果の借入総返済額は、各期間の初回返済額×回数の概算です。"
    "返済予定表は毎回の利息を計算し、最終回で残高を精算するため、差が出ます。";
// Why an equal principal schedule differs from the window: the window floors a
// double product, which falls a yen short where the exact interest is whole.
inline constexpr std::string_view kNoteExactInterest =
    "返済予定表の利息は、残高×年利÷12（ﾎﾞｰﾅｽ回は÷2）を入力した金利どおりに計算し、円未満を切り捨てます。"
    "計算結果の元金均等型の返済額は小数の計算で切り捨てるため、1円少ない回があります。";
// Why year 1 differs (equal principal with a bonus part): the window's annual
// repayment counts the first bonus instalment twice.
inline constexpr std::string_view kNoteFirstYearDiffers =
    "計算結果の年間返済額は、ﾎﾞｰﾅｽ初回の返済額を2回分として数えます。"
    "返済予定表の1年目は、ﾎﾞｰﾅｽ2回目の実際の返済額で数えます。";
// A part repaid before the end of its term.
inline constexpr std::string_view kNoteEndedEarly =
    "端数の切り捨てにより、返済期間より早く完済します。最終回で残高を精算します。";
// Where a part ended before its term.
inline constexpr std::string_view kEndedEarlyMonthly = "毎月分は第%1回で完済します（返済期間は%2回）。";
inline constexpr std::string_view kEndedEarlyBonus = "ﾎﾞｰﾅｽ分は第%1回で完済します（返済期間は%2回）。";
// An instalment below the interest charged.
inline constexpr std::string_view kNoteUnpaidInterest =
    "返済額が利息に満たない回は、不足分を未払利息とし、次回以降に元金より先に支払います。";

// The conventions, one line each, for a user comparing with a bank statement.
inline constexpr std::string_view kConventionInterest =
    "利息 = 返済前の残高 × 年利 ÷ 12（ﾎﾞｰﾅｽ回は ÷ 2）、入力した金利どおりに計算して円未満切り捨て";
inline constexpr std::string_view kConventionLast = "最終回の元金 = 返済前の残高（残高はちょうど0円になります）";

// Messages when no schedule can be shown.
inline constexpr std::string_view kMsgScheduleBeyondExact =
    "金額が大きすぎるため、返済予定表を1円単位で正確に計算できません（2の53乗円を超えます）";
inline constexpr std::string_view kMsgScheduleInvalid = "この入力では返済予定表を作成できません";
inline constexpr std::string_view kMsgCheckFailed = "返済予定表の検算に失敗しました（プログラムの誤りです）";

} // namespace hn
