// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every published figure the costs of a loan are computed from, with where it was
// published, in one place: the stamp duty on a loan contract, the registration tax
// on the mortgage, one bank's guarantee-fee table and the group credit life
// insurance's rate points. docs/costs.md shows the same tables; the computations
// (StampDuty.h, RegistrationTax.h, GuaranteeFee.h) only read them.
#include "calc/costs/CostPercent.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string_view>

namespace hn {

// Where a table comes from: what the user and docs/costs.md are shown.
struct CostSource {
    std::string_view title;     // the publication's own title
    std::string_view publisher;
    std::string_view address;   // web address as read
    std::string_view wording;   // what the table applies to, in the source's terms
};

// 印紙税 on a loan contract (消費貸借に関する契約書, 第1号文書): the tax for a
// stated amount up to and including upToYen.
struct StampDutyRow {
    std::int64_t upToYen;
    std::int64_t taxYen;
};
inline constexpr std::array<StampDutyRow, 12> kStampDutyRows{{
    {9'999, 0}, // under 1 万円: not taxed
    {100'000, 200},
    {500'000, 400},
    {1'000'000, 1'000},
    {5'000'000, 2'000},
    {10'000'000, 10'000},
    {50'000'000, 20'000},
    {100'000'000, 60'000},
    {500'000'000, 100'000},
    {1'000'000'000, 200'000},
    {5'000'000'000, 400'000},
    {std::numeric_limits<std::int64_t>::max(), 600'000},
}};
extern const CostSource kStampDutySource;

// 登録免許税 on the mortgage (抵当権設定登記): the standard rate, and the relief for
// a loan to build or buy one's own home registered within a year of it.
inline const CostPercent kRegistrationStandardRate = CostPercent::FromHundredths(40);   // 0.4 %
inline const CostPercent kRegistrationHomeReliefRate = CostPercent::FromHundredths(10); // 0.1 %
// The taxable amount is floored to 1,000 円 (and is at least 1,000 円), the tax to
// 100 円, and a tax below 1,000 円 is 1,000 円.
inline constexpr std::int64_t kRegistrationBaseUnitYen = 1'000;
inline constexpr std::int64_t kRegistrationTaxUnitYen = 100;
inline constexpr std::int64_t kRegistrationMinimumTaxYen = 1'000;
extern const CostSource kRegistrationSource;

// 保証料 paid in one sum ahead (一括前払い): one bank's table of yen per 1,000 万円
// borrowed, by period, for level payments (元利均等返済). Ascending by years.
struct GuaranteeTableRow {
    int years;
    std::int64_t yenPerTenMillion;
};
inline constexpr std::int64_t kGuaranteeTableBaseYen = 10'000'000;
inline constexpr std::array<GuaranteeTableRow, 6> kGuaranteeTable{{
    {10, 85'440},
    {15, 119'820},
    {20, 148'340},
    {25, 172'540},
    {30, 191'370},
    {35, 206'200},
}};
// The same bank's alternative: the guarantee paid through the rate (金利上乗せ).
inline const CostPercent kGuaranteeRateAddition = CostPercent::FromHundredths(20); // +0.2 points
extern const CostSource kGuaranteeSource;

// 団信 (group credit life insurance) presets: points added to or taken off the rate.
struct InsurancePreset {
    std::string_view caption;
    CostPercent points;
    std::string_view sourceWording; // the condition as the lender states it
};
inline const std::array<InsurancePreset, 3> kInsurancePresets{{
    {"団信に加入しない", CostPercent::FromHundredths(-20), "新機構団信に加入しない場合は借入金利から年0.20%引き下げ"},
    {"デュエット（夫婦連生団信）", CostPercent::FromHundredths(18), "デュエット（夫婦連生団信）に加入する場合は借入金利に年0.18%上乗せ"},
    {"新3大疾病付機構団信", CostPercent::FromHundredths(24), "新3大疾病付機構団信に加入する場合は借入金利に年0.24%上乗せ"},
}};
extern const CostSource kInsuranceSource;

} // namespace hn
