// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every caption of the borrowing-capacity and lenders'-reading figures, in one place
// for the planning window and the command line. Messages of their input checks are in
// PlanningMessages.h; early repayment's are beside the prepayment in calc/schedule/.
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

} // namespace hn
