// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/taxcredit/CreditLimitTable.h"

namespace hn {

const std::array<CreditSource, 10> kCreditSources{{
    {"住まいづくりガイド2025 第5章 5-4 住宅に係る税制特例 1)住宅ローン減税（国土交通省の表）",
     "一般財団法人 茨城県建築住宅センター", "https://ibakenju.or.jp/sumaidukuri_guide2025/pageindices/index59.html",
     "入居年2022〜2025年の新築住宅・買取再販と既存住宅の借入限度額、控除期間13年（その他の住宅は2024年以降10年）・10年、"
     "子育て世帯・若者夫婦世帯の上乗せ、その他の住宅は2023年までに新築の建築確認で2,000万円、床面積50㎡（新築は40㎡、所得1,000万円以下）"},
    {"住宅ローン控除の対象外となる「その他の住宅」", "税理士法人（sera-tax.jp）",
     "https://sera-tax.jp/住宅ローン控除の対象外となる「その他の住宅」",
     "令和4・5年と令和6・7年入居の借入限度額・控除期間の表、令和6年以降のその他の住宅の例外（令和5年12月31日までに建築確認、"
     "または令和6年6月30日以前の建築日付）で2,000万円・10年"},
    {"子育て世帯等に対する住宅ローン控除の拡充（延長）", "品川区 税務課",
     "https://www.city.shinagawa.tokyo.jp/PC/procedure/procedure-zeikin/procedure-zeikin-oshirase/"
     "procedure-zeikin-oshirase-kaiseigaiyou/zeiseikaisei/20250805092524.html",
     "令和7年中の入居の借入限度額（通常／子育て世帯等）、控除率0.7%・13年、所得要件2,000万円、子育て世帯等の定義"},
    {"個人市民税 税制改正（令和7年度からの主な変更点）", "平塚市 市民税課",
     "https://www.city.hiratsuka.kanagawa.jp/shizei/page31_00050.html", "令和6年入居の借入限度額（子育て世帯等／その他の世帯）"},
    {"住宅借入金等特別税額控除（住宅ローン控除）", "羽村市", "http://www.city.hamura.tokyo.jp/0000000897.html",
     "令和4年1月から令和7年12月の入居：個人住民税の控除限度額は所得税の課税標準額等の5%（限度額97,500円）；令和6年入居の子育て世帯等の上乗せ"},
    {"2026年度税制改正大綱（住宅ローン減税）", "新建ハウジング", "https://www.s-housing.jp/archives/407300",
     "2030年まで延長；既存の認定住宅・ZEH水準3,500万円（子育て世帯等4,500万円）、既存の省エネ基準適合2,000万円（同3,000万円）、"
     "省エネ基準適合以上の既存住宅は13年；新築の省エネ基準適合は2,000万円に見直し、2028年以降は対象外"},
    {"2026年度 住宅ローン減税 主な改正内容まとめ", "リノベーション会社のコラム（renovation-suruokun.jp）",
     "http://renovation-suruokun.jp/?p=1972",
     "新築：長期優良・低炭素4,500万円（子育て・若者夫婦5,000万円）、ZEH水準3,500万円（同4,500万円）、省エネ基準適合2,000万円"
     "（同3,000万円、2028年以降は対象外）；既存：認定・ZEH水準3,500万円（同4,500万円）、省エネ基準適合2,000万円（同3,000万円）；"
     "40㎡への緩和（所得1,000万円超または上乗せ利用者は50㎡以上）"},
    {"令和8年度 税制改正大綱を読む③【個人所得課税2】住宅・土地税制", "税務ブログ（mn-garage.net）",
     "https://mn-garage.net/archives/23607",
     "大綱本文の書き写し：令和8年から令和12年の入居に適用、（注3）省エネ基準適合住宅である買取再販認定住宅等を令和10年から"
     "令和12年に居住の用に供した場合は2,000万円・0.7%・13年"},
    {"住宅ローン控除の延長と見直し（2026年度税制改正解説）", "山田&パートナーズ",
     "https://www.yamada-partners.jp/reform/r8/k02-extension-and-review-of-mortgage-deduction",
     "省エネ基準適合住宅は借入限度額を引き下げ、2028年以降は原則対象外；個人住民税は最大9.75万円"},
    {"2026年からの住宅ローン減税（借入限度額と控除期間 2026年入居）", "工務店のコラム（kukan-design55.com）",
     "https://www.kukan-design55.com/?p=544", "新築のその他の住宅は対象外、中古のその他の住宅2,000万円・10年"},
}};

const CreditSource& SourceOf(CreditSourceId id) noexcept
{
    return kCreditSources[static_cast<std::size_t>(id)];
}

namespace {

constexpr std::int64_t Man(std::int64_t man) noexcept
{
    return man * 10'000;
}

using enum HomeKind;
using enum RowHousehold;
constexpr HomeCondition kNone = HomeCondition::None;

} // namespace

const std::array<CreditLimitRow, 36> kCreditLimitRows{{
    // Moving in 2022 or 2023: one limit for every household.
    {2022, 2023, Certified, Any, kNone, Man(5000), 13, true, false, CreditSourceId::MlitGuide2025},
    {2022, 2023, Zeh, Any, kNone, Man(4500), 13, true, false, CreditSourceId::MlitGuide2025},
    {2022, 2023, EnergyEfficient, Any, kNone, Man(4000), 13, true, false, CreditSourceId::MlitGuide2025},
    {2022, 2023, Other, Any, kNone, Man(3000), 13, true, false, CreditSourceId::MlitGuide2025},
    {2022, 2023, ExistingCertified, Any, kNone, Man(3000), 10, false, false, CreditSourceId::MlitGuide2025},
    {2022, 2023, ExistingZeh, Any, kNone, Man(3000), 10, false, false, CreditSourceId::MlitGuide2025},
    {2022, 2023, ExistingEnergyEfficient, Any, kNone, Man(3000), 10, false, false, CreditSourceId::MlitGuide2025},
    {2022, 2023, ExistingOther, Any, kNone, Man(2000), 10, false, false, CreditSourceId::MlitGuide2025},
    // Moving in 2024 or 2025: lower limits, kept at the old level for 子育て世帯・若者夫婦世帯.
    {2024, 2025, Certified, Normal, kNone, Man(4500), 13, true, false, CreditSourceId::Shinagawa2025},
    {2024, 2025, Certified, ChildRearing, kNone, Man(5000), 13, true, false, CreditSourceId::Shinagawa2025},
    {2024, 2025, Zeh, Normal, kNone, Man(3500), 13, true, false, CreditSourceId::Shinagawa2025},
    {2024, 2025, Zeh, ChildRearing, kNone, Man(4500), 13, true, false, CreditSourceId::Shinagawa2025},
    {2024, 2025, EnergyEfficient, Normal, kNone, Man(3000), 13, true, false, CreditSourceId::Shinagawa2025},
    {2024, 2025, EnergyEfficient, ChildRearing, kNone, Man(4000), 13, true, false, CreditSourceId::Shinagawa2025},
    {2024, 2025, Other, Any, kNone, 0, 13, true, false, CreditSourceId::SeraTax2022},
    {2024, 2025, Other, Any, HomeCondition::PermitBy2023, Man(2000), 10, true, false, CreditSourceId::SeraTax2022},
    {2024, 2025, ExistingCertified, Any, kNone, Man(3000), 10, false, false, CreditSourceId::MlitGuide2025},
    {2024, 2025, ExistingZeh, Any, kNone, Man(3000), 10, false, false, CreditSourceId::MlitGuide2025},
    {2024, 2025, ExistingEnergyEfficient, Any, kNone, Man(3000), 10, false, false, CreditSourceId::MlitGuide2025},
    {2024, 2025, ExistingOther, Any, kNone, Man(2000), 10, false, false, CreditSourceId::MlitGuide2025},
    // Moving in 2026 to 2030 (the 2026 reform; 要確認). 40 to 50 ㎡ takes the normal
    // household's limit: the small-home rule and the household's uplift exclude each other.
    {2026, 2030, Certified, Normal, kNone, Man(4500), 13, true, true, CreditSourceId::RenovationNews2026},
    {2026, 2030, Certified, ChildRearing, kNone, Man(5000), 13, false, true, CreditSourceId::RenovationNews2026},
    {2026, 2030, Zeh, Normal, kNone, Man(3500), 13, true, true, CreditSourceId::RenovationNews2026},
    {2026, 2030, Zeh, ChildRearing, kNone, Man(4500), 13, false, true, CreditSourceId::RenovationNews2026},
    {2026, 2027, EnergyEfficient, Normal, kNone, Man(2000), 13, true, true, CreditSourceId::SHousing2026},
    {2026, 2027, EnergyEfficient, ChildRearing, kNone, Man(3000), 13, false, true, CreditSourceId::SHousing2026},
    {2028, 2030, EnergyEfficient, Any, kNone, 0, 13, true, true, CreditSourceId::YamadaPartners2026},
    {2028, 2030, EnergyEfficient, Any, HomeCondition::ResoldAfterRenovation, Man(2000), 13, true, true,
     CreditSourceId::OutlineText2026},
    {2026, 2030, Other, Any, kNone, 0, 13, true, true, CreditSourceId::KukanDesign2026},
    {2026, 2030, ExistingCertified, Normal, kNone, Man(3500), 13, true, true, CreditSourceId::SHousing2026},
    {2026, 2030, ExistingCertified, ChildRearing, kNone, Man(4500), 13, false, true, CreditSourceId::SHousing2026},
    {2026, 2030, ExistingZeh, Normal, kNone, Man(3500), 13, true, true, CreditSourceId::SHousing2026},
    {2026, 2030, ExistingZeh, ChildRearing, kNone, Man(4500), 13, false, true, CreditSourceId::SHousing2026},
    {2026, 2030, ExistingEnergyEfficient, Normal, kNone, Man(2000), 13, true, true, CreditSourceId::SHousing2026},
    {2026, 2030, ExistingEnergyEfficient, ChildRearing, kNone, Man(3000), 13, false, true, CreditSourceId::SHousing2026},
    {2026, 2030, ExistingOther, Any, kNone, Man(2000), 10, true, true, CreditSourceId::KukanDesign2026},
}};

} // namespace hn
