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

// Notes shown with the figures.
inline constexpr std::string_view kNoteCreditToBeConfirmed =
    "要確認：2026年以降の入居の借入限度額は税制改正大綱を伝える二次資料によるものです。国税庁・国土交通省の資料で確認してください";
inline constexpr std::string_view kNoteCreditSmallHome =
    "床面積40㎡以上50㎡未満：合計所得金額1,000万円以下の年だけ控除を受けられます";
inline constexpr std::string_view kNoteCreditSmallHomeNoUplift =
    "床面積50㎡未満では子育て世帯・若者夫婦世帯の上乗せは受けられないため、通常の借入限度額で計算しています";

// Households and homes.
inline constexpr std::string_view kCaptionHouseholdNormal = "通常";
inline constexpr std::string_view kCaptionHouseholdChildRearing = "子育て世帯・若者夫婦世帯";

} // namespace hn
