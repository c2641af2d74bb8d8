// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of the early-repayment input checks. The window shows each in a message
// box captioned kCheckCaption; the command-line tool prints it.
#include <string_view>

namespace hn {

inline constexpr std::string_view kMsgPrepayInstalmentInvalid = "繰上げ返済の回数を正しく入力してください";
inline constexpr std::string_view kMsgPrepayAmountInvalid = "繰上げ返済額を正しく入力してください";
inline constexpr std::string_view kMsgPrepayAfterEnd = "その回ではすでに完済しています";
inline constexpr std::string_view kMsgPrepayNoBonus = "ﾎﾞｰﾅｽ返済のない借入です";
inline constexpr std::string_view kMsgPrepayBeforeBonus = "ﾎﾞｰﾅｽ分の繰上げ返済は最初のﾎﾞｰﾅｽ返済の後からです";
inline constexpr std::string_view kMsgPrepayBonusAfterEnd = "ﾎﾞｰﾅｽ分はその回までに完済しています";
inline constexpr std::string_view kMsgPrepayNoSchedule = "この借入の返済予定表は計算できません";

} // namespace hn
