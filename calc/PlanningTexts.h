// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every caption of the planning figures (borrowing capacity, lenders' reading,
// early repayment), in one place for the planning window and the command line.
// Messages of their input checks are in PlanningMessages.h.
#include <string_view>

namespace hn {

inline constexpr std::string_view kPlanningTitle = "借入可能額・繰上げ返済";

// Borrowing capacity.
inline constexpr std::string_view kCapCapacity = "借入可能額";
inline constexpr std::string_view kCapIncome = "年収";
inline constexpr std::string_view kCapLimit = "返済負担率の上限";
inline constexpr std::string_view kCapOtherDebts = "他の借入の年間返済額";
inline constexpr std::string_view kCapAllowance = "年間返済額の上限";
inline constexpr std::string_view kCapScreeningRate = "審査金利";
inline constexpr std::string_view kCapScreeningMonthly = "審査金利での毎月返済額";
inline constexpr std::string_view kCapScreeningAnnual = "審査金利での年間返済額";
inline constexpr std::string_view kCapScreeningRatio = "審査上の返済負担率";
inline constexpr std::string_view kCapBonusPart = "内ﾎﾞｰﾅｽ";
inline constexpr std::string_view kCapRatio = "年収に対する返済負担率";
inline constexpr std::string_view kCapCappedBy = "入力チェックによる上限";
inline constexpr std::string_view kCapLargestFitting = "返済負担率だけで見た借入可能額";
// Typical screening rates of banks, offered beside the field.
inline constexpr std::string_view kCapScreeningHint = "銀行の審査金利は年3～4%程度が一般的です";

// The lenders' reading.
inline constexpr std::string_view kReadAtRealRates = "実際の金利で";
inline constexpr std::string_view kReadAtScreeningRate = "審査金利で";
inline constexpr std::string_view kReadWithin = "上限内";
inline constexpr std::string_view kReadOver = "上限超過";
inline constexpr std::string_view kReadIncomeNeeded = "必要な年収";

// Early repayment.
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
