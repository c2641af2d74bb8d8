// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every caption of the rate scenarios in one place: the planning window's
// section and the command line show the same words.
#include <string_view>

namespace hn {

inline constexpr std::string_view kScenarioTitle = "金利シナリオ";
inline constexpr std::string_view kScenarioPath = "金利の推移";

// Review rules and settlements of unpaid interest.
inline constexpr std::string_view kReviewCaption = "返済額の見直し";
inline constexpr std::string_view kReviewEveryChange = "金利が変わるたびに見直す";
inline constexpr std::string_view kReviewFiveYear125 = "5年ルール・125%ルール";
inline constexpr std::string_view kUnpaidCaption = "未払利息";
inline constexpr std::string_view kUnpaidCarryToEnd = "最終回にまとめて支払う";
inline constexpr std::string_view kUnpaidPayFirst = "次回以降に先に支払う";

// Summary figures.
inline constexpr std::string_view kSumTotalRepaid = "総返済額";
inline constexpr std::string_view kSumTotalInterest = "利息の合計";
// The highest regular instalment: the settling last one, shown on its own below, is
// left out, and the caption says so (recomputed at every change, the last can be a
// little higher than every other).
inline constexpr std::string_view kSumPeakMonthly = "毎月の返済額の最大 (最終回を除く)";
inline constexpr std::string_view kSumPeakBonus = "ﾎﾞｰﾅｽ返済額の最大 (最終回を除く)";
inline constexpr std::string_view kSumLastMonthly = "毎月の最終回";
inline constexpr std::string_view kSumLastBonus = "ﾎﾞｰﾅｽの最終回";
inline constexpr std::string_view kSumMonthsWithUnpaid = "未払利息のある月数";
inline constexpr std::string_view kSumLargestUnpaid = "未払利息の最大";
inline constexpr std::string_view kSumUnpaidAtEnd = "最終回に精算する未払利息";
inline constexpr std::string_view kSumEnd = "完済";
inline constexpr std::string_view kSumWarning = "注意";

// Why a scenario cannot be computed.
inline constexpr std::string_view kMsgScenarioReduced =
    "公庫（ゆとり)型と年金(ｽﾃｯﾌﾟ)型には金利シナリオを計算できません";

// A scenario whose figures leave the range the engine computes exactly.
inline constexpr std::string_view kMsgScenarioNotComputed = "この借入と金利の推移では計算できません";
// Why a rate path cannot drive a scenario, for the window; the entry is named
// by its row ("3行目: ...") where one is at fault.
inline constexpr std::string_view kMsgPathEmpty = "金利の推移を入力してください";
inline constexpr std::string_view kMsgPathNoFirstMonth = "金利の推移は1回目の金利から入力してください";
inline constexpr std::string_view kMsgPathMonthOutOfRange = "回は1～1188で入力してください";
inline constexpr std::string_view kMsgPathMonthRepeated = "同じ回が2度あります";
inline constexpr std::string_view kMsgPathMonthsNotRising = "回は小さい順に入力してください";
// The bounds as kMinRatePercentText and kMaxRatePercentText state them.
inline constexpr std::string_view kMsgPathRateOutOfRange = "金利は0.0001～99%で入力してください";
inline constexpr std::string_view kMsgPathBadText = "回と金利を正しく入力してください";

} // namespace hn
