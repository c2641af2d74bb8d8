// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages and captions of the cost computations, in one place.
#include <string_view>

namespace hn {

inline constexpr std::string_view kMsgCostAmountInvalid = "金額を正しく入力してください";
inline constexpr std::string_view kMsgCostPercentInvalid = "率を正しく入力してください";
inline constexpr std::string_view kMsgAdminMinimumInvalid = "事務手数料の最低額を正しく入力してください";
inline constexpr std::string_view kMsgLoanAmountInvalid = "借入額を正しく入力してください";
inline constexpr std::string_view kMsgGuaranteePeriodInvalid = "返済期間を正しく入力してください";
// The table has no row for a period longer than its last.
inline constexpr std::string_view kMsgGuaranteeBeyondTable =
    "保証料の表は35年までです。保証料の金額を入力してください";
// The table is for level payments; an equal-principal loan's guarantee differs.
inline constexpr std::string_view kMsgGuaranteeNotLevel =
    "保証料の表は元利均等返済のものです。元金均等返済では保証料の金額を入力してください";
// The refund of a prepaid guarantee is the lender's figure, never derived.
inline constexpr std::string_view kNoteGuaranteeRefund =
    "保証料の戻しは金融機関から示される額です（計算では求められません）";

inline constexpr std::string_view kMsgRateNoPayments = "返済がありません";
inline constexpr std::string_view kMsgRateNothingReceived = "受け取る額がありません（費用が借入額以上です）";
inline constexpr std::string_view kMsgRateBadPayment = "返済の月または額が正しくありません";

inline constexpr std::string_view kMsgRefinanceBadPayment = "借り換えの返済の月または額が正しくありません";

// Cost item captions.
inline constexpr std::string_view kCaptionAdminFee = "事務手数料";
inline constexpr std::string_view kCaptionGuaranteeFee = "保証料";
inline constexpr std::string_view kCaptionStampDuty = "印紙税";
inline constexpr std::string_view kCaptionRegistrationTax = "登録免許税";
inline constexpr std::string_view kCaptionScrivenerFee = "司法書士報酬";
inline constexpr std::string_view kCaptionFireInsurance = "火災保険";
inline constexpr std::string_view kCaptionOtherCost = "その他";
inline constexpr std::string_view kCaptionGuaranteeRate = "保証料（金利上乗せ）";
inline constexpr std::string_view kCaptionInsuranceRate = "団信";

} // namespace hn
