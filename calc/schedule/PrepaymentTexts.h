// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Captions of the early-repayment figures, for the planning window, the schedules
// it opens and the command line.
#include <string_view>

namespace hn {

inline constexpr std::string_view kPrepay = "繰上げ返済";
inline constexpr std::string_view kPrepayUsed = "充当額";
inline constexpr std::string_view kPrepayAsked = "指定額";
inline constexpr std::string_view kPrepayNextInstalment = "次回からの返済額";
inline constexpr std::string_view kPrepayNextBonus = "次回からのﾎﾞｰﾅｽ返済額";
inline constexpr std::string_view kPrepayShortenedBy = "短縮";
inline constexpr std::string_view kPrepayEnd = "完済";
// Where a loan's two parts end in different months, each one's end.
inline constexpr std::string_view kPrepayMonthlyEnd = "毎月分の完済";
inline constexpr std::string_view kPrepayBonusEnd = "ﾎﾞｰﾅｽ分の完済";
inline constexpr std::string_view kPrepayPlannedEnd = "予定";
inline constexpr std::string_view kPrepayInterest = "支払利息";
inline constexpr std::string_view kPrepayInterestSaved = "軽減される利息";
inline constexpr std::string_view kPrepayTotal = "総返済額";
inline constexpr std::string_view kPrepayCompare = "同じ額での比較";

} // namespace hn
