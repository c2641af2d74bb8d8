// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts of a plan's input checks, in one place; a view shows them as they are.
#include <string_view>

namespace hn {

inline constexpr std::string_view kMsgPriceMissing = "物件価格を入力してください";
inline constexpr std::string_view kMsgPriceInvalid = "物件価格を正しく入力してください";
inline constexpr std::string_view kMsgDownPaymentInvalid = "頭金を正しく入力してください";
inline constexpr std::string_view kMsgPurchaseCostsInvalid = "諸費用を正しく入力してください";
inline constexpr std::string_view kMsgDownPaymentTooLarge = "頭金が物件価格と借り入れる諸費用の合計を超えています";
inline constexpr std::string_view kMsgBorrowerCount = "借りる人は1人か2人で入力してください";
inline constexpr std::string_view kMsgBorrowerIncomeInvalid = "借りる人の年収を正しく入力してください";
inline constexpr std::string_view kMsgBorrowerAgeInvalid = "借りる人の年齢を正しく入力してください";
inline constexpr std::string_view kMsgArrangementBorrowers =
    "単独は1人、ペアローン・収入合算・連帯債務は2人で借ります";
inline constexpr std::string_view kMsgTooManyLoans = "借入の数が多すぎます";
inline constexpr std::string_view kMsgLoanNotComputed = "計算できない借入があります";
inline constexpr std::string_view kMsgLoanCalendarInvalid = "借入の返済開始月を正しく入力してください";
inline constexpr std::string_view kMsgShareInvalid = "持分は0～100%で、小数点以下2桁までで入力してください";
inline constexpr std::string_view kMsgSharesNotWhole = "各借入の持分の合計を100%にしてください";
inline constexpr std::string_view kMsgPairLoanSoleOwner = "ペアローンでは各借入を1人で借ります";
inline constexpr std::string_view kMsgPairLoanBothBorrow = "ペアローンでは2人ともそれぞれの借入が必要です";

} // namespace hn
