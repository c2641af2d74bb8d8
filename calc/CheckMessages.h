// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every text of the calculate command's input checks, in one place. The window
// shows each in a message box captioned kCheckCaption with one OK button; the
// command-line tool prints it.
#include <string_view>

namespace hn {

inline constexpr std::string_view kCheckCaption = "入力チェック";

inline constexpr std::string_view kMsgPeriodInvalid = "返済期間を正しく入力してください";
inline constexpr std::string_view kMsgInputMissing = "入力項目が不足しています";
inline constexpr std::string_view kMsgIncomeTooLarge = "年収が多すぎます";
inline constexpr std::string_view kMsgBonusTooLarge = "ﾎﾞｰﾅｽ額が多すぎます";
inline constexpr std::string_view kMsgYutoriPeriod = "ゆとりは25年以上で利用できます";
inline constexpr std::string_view kMsgStepPeriod = "ｽﾃｯﾌﾟは25年以上で利用できます";
inline constexpr std::string_view kMsgRate1TooLarge = "金利1が多すぎます";
inline constexpr std::string_view kMsgRate2TooLarge = "金利2が多すぎます";

// Inputs that cannot give a meaningful loan: negative amounts, negative or
// vanishing rates, and loans whose figures do not fit the result fields.
inline constexpr std::string_view kMsgLoanInvalid = "借入額を正しく入力してください";
inline constexpr std::string_view kMsgBonusInvalid = "ﾎﾞｰﾅｽ額を正しく入力してください";
inline constexpr std::string_view kMsgIncomeInvalid = "年収を正しく入力してください";
inline constexpr std::string_view kMsgRate1Invalid = "金利1を正しく入力してください";
inline constexpr std::string_view kMsgRate2Invalid = "金利2を正しく入力してください";
inline constexpr std::string_view kMsgLoanTooLarge = "借入額が多すぎます";
// A small loan at an extreme rate, whose floored schedule goes below zero.
inline constexpr std::string_view kMsgLoanRateUnusable = "この借入額と金利では計算できません";

} // namespace hn
