// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/costs/CostTables.h"

namespace hn {

const CostSource kStampDutySource{
    "No.7140 印紙税額の一覧表（その1）第1号文書から第4号文書まで",
    "国税庁（タックスアンサー）",
    "https://www.nta.go.jp/m/taxanswer/7140.htm",
    "消費貸借に関する契約書（金銭消費貸借契約書など）：記載された契約金額に応じた税額、1万円未満は非課税",
};

const CostSource kRegistrationSource{
    "登録免許税法 別表第一 一(五)（抵当権の設定登記：債権金額の1000分の4）、租税特別措置法第75条（住宅用家屋の新築・取得のための資金の貸付け等に係る抵当権の設定登記：1000分の1）、国税通則法第118条・第119条、登録免許税法第15条・第19条",
    "法令（税務研究会の税務用語解説、国税通則法の条文の引用）",
    "https://www.zeiken.co.jp/yougo/登録免許税/登録免許税に関する通則/課税標準の計算.html",
    "課税標準は1,000円未満切捨て（1,000円未満なら1,000円）、税額は100円未満切捨て、1,000円に満たない税額は1,000円。軽減税率は住宅の新築・取得後1年以内の登記に限る",
};

const CostSource kGuaranteeSource{
    "保証料って何のために支払うもの？（2ページ目）",
    "All About（住宅ローンガイド）",
    "https://allabout.co.jp/gm/gc/10551/2/",
    "借入金1,000万円・元利均等返済の保証料（A銀行の場合）、借入期間別。一括で支払わない場合は金利に0.2%上乗せ",
};

const CostSource kInsuranceSource{
    "【フラット35】新機構団体信用生命保険制度（取扱金融機関の金利案内）",
    "住宅金融支援機構の制度、取扱金融機関の案内より",
    "https://p-f-s.co.jp/service/zyuutaku.html",
    "新機構団信付き【フラット35】の借入金利を基準とした上乗せ・引き下げ幅",
};

} // namespace hn
