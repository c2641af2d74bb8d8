// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the planning figures' input checks (borrowing capacity, lenders'
// reading, early repayment), in one place. The window shows each in a message
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

inline constexpr std::string_view kMsgPrepayInstalmentInvalid = "繰上げ返済の回数を正しく入力してください";
inline constexpr std::string_view kMsgPrepayAmountInvalid = "繰上げ返済額を正しく入力してください";
inline constexpr std::string_view kMsgPrepayAfterEnd = "その回ではすでに完済しています";
inline constexpr std::string_view kMsgPrepayNoBonus = "ﾎﾞｰﾅｽ返済のない借入です";
inline constexpr std::string_view kMsgPrepayBeforeBonus = "ﾎﾞｰﾅｽ分の繰上げ返済は最初のﾎﾞｰﾅｽ返済の後からです";
inline constexpr std::string_view kMsgPrepayBonusAfterEnd = "ﾎﾞｰﾅｽ分はその回までに完済しています";
inline constexpr std::string_view kMsgPrepayNoSchedule = "この借入の返済予定表は計算できません";

} // namespace hn
