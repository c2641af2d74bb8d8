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
inline constexpr std::string_view kSumPeakMonthly = "毎月の返済額の最大";
inline constexpr std::string_view kSumPeakBonus = "ﾎﾞｰﾅｽ返済額の最大";
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

} // namespace hn
