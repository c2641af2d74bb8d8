// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which row of the limit table (CreditLimitTable.h) a home falls under. A year of
// moving in outside the table, a home the credit does not cover and a floor area
// the rules refuse each give their message; the table is never extrapolated.
#include "calc/taxcredit/CreditLimitTable.h"

#include <cstdint>
#include <string_view>

namespace hn {

struct CreditHome {
    int moveInYear = 0;
    HomeKind kind = HomeKind::Certified;
    Household household = Household::Normal; // judged on 12/31 of the year of moving in
    HomeCondition condition = HomeCondition::None;
    double floorAreaM2 = 0.0; // registered floor area
};

struct LimitLookup {
    bool ok = false;
    std::string_view message;            // when !ok: one of TaxCreditTexts.h
    const CreditLimitRow* row = nullptr; // also when the row gives no credit (limit 0), for its source
    std::int64_t incomeCeilingYen = 0;   // 合計所得金額 above which a year gets nothing
    bool smallHome = false;              // 40 to 50 ㎡
    bool upliftGivenUp = false;          // a 子育て household under 50 ㎡ takes the normal limit
};

LimitLookup LookupCreditLimit(const CreditHome& home) noexcept;

} // namespace hn
