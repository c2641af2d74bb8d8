// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the borrowing-capacity and lenders'-reading input checks, in one place. The window shows each in a message
// box captioned kCheckCaption; the command-line tool prints it.
#include <string_view>

namespace hn {

inline constexpr std::string_view kMsgIncomeMissing = "年収を入力してください";
inline constexpr std::string_view kMsgLimitMissing = "返済負担率の上限を選んでください";
inline constexpr std::string_view kMsgScreeningRateMissing = "審査金利を入力してください";
inline constexpr std::string_view kMsgScreeningRateInvalid = "審査金利を正しく入力してください";
inline constexpr std::string_view kMsgScreeningRateTooLarge = "審査金利が多すぎます";
inline constexpr std::string_view kMsgOtherDebtsInvalid = "他の借入の年間返済額を正しく入力してください";
inline constexpr std::string_view kMsgBonusShareInvalid = "ﾎﾞｰﾅｽ割合は0～50%で入力してください";
// The other debts' repayment alone takes the whole allowance.
inline constexpr std::string_view kMsgOtherDebtsOverLimit =
    "他の借入の返済額だけで返済負担率の上限に達しています";
// The allowance does not carry even a loan of 1 万円.
inline constexpr std::string_view kMsgIncomeTooSmall = "この年収と返済負担率では借りられる額がありません";
inline constexpr std::string_view kMsgNoLoans = "借入がありません";

} // namespace hn
