// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The messages, reasons and captions of the mortgage tax credit, in one place.
#include <string_view>

namespace hn {

// Input checks.
inline constexpr std::string_view kMsgCreditYearOutsideTable =
    "その入居年の住宅ローン控除の借入限度額は表にありません（2022年～2030年の入居に対応）";
inline constexpr std::string_view kMsgCreditNotEligible = "この住宅は住宅ローン控除の対象になりません";
inline constexpr std::string_view kMsgCreditFloorAreaTooSmall = "床面積40㎡未満の住宅は住宅ローン控除の対象になりません";
inline constexpr std::string_view kMsgCreditSmallHomeNotCovered =
    "この住宅は床面積50㎡未満では住宅ローン控除の対象になりません";
inline constexpr std::string_view kMsgCreditFloorAreaInvalid = "床面積を正しく入力してください";
inline constexpr std::string_view kMsgCreditPriceInvalid = "取得価額と補助金を正しく入力してください";
inline constexpr std::string_view kMsgCreditAmountInvalid = "金額を正しく入力してください（0円以上）";
inline constexpr std::string_view kMsgCreditTaxableIncomeMissing =
    "住民税からの控除には課税総所得金額等を入力してください";
// For a share JointShare refuses.
inline constexpr std::string_view kMsgCreditShareInvalid = "持分・負担割合を正しく入力してください";

// Notes shown with the figures.
inline constexpr std::string_view kNoteCreditToBeConfirmed =
    "要確認：2026年以降の入居の借入限度額は税制改正大綱を伝える二次資料によるものです。国税庁・国土交通省の資料で確認してください";
inline constexpr std::string_view kNoteCreditSmallHome =
    "床面積40㎡以上50㎡未満：合計所得金額1,000万円以下の年だけ控除を受けられます";
inline constexpr std::string_view kNoteCreditSmallHomeNoUplift =
    "床面積50㎡未満では子育て世帯・若者夫婦世帯の上乗せは受けられないため、通常の借入限度額で計算しています";

// Why a year gets no credit.
inline constexpr std::string_view kReasonCreditIncomeOverCeiling = "合計所得金額が所得要件を超えています";
inline constexpr std::string_view kReasonCreditEndedByShortening =
    "繰上げ返済で償還期間が10年未満になったため、この年から控除を受けられません";
inline constexpr std::string_view kReasonCreditNoBalance = "年末残高がありません";

// Households and homes.
inline constexpr std::string_view kCaptionHouseholdNormal = "通常";
inline constexpr std::string_view kCaptionHouseholdChildRearing = "子育て世帯・若者夫婦世帯";

} // namespace hn
