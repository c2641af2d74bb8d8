// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 登録免許税 on registering the mortgage: the loan (債権金額) floored to 1,000 円 is
// taxed at 0.4 %, or 0.1 % under the relief for a loan to build or buy one's own
// home registered within a year of it (so a refinancing pays 0.4 %); the tax is
// floored to 100 円 and is at least 1,000 円 (CostTables.h).
#include "calc/costs/CostPercent.h"

#include <cstdint>

namespace hn {

enum class RegistrationRate {
    Standard,   // 0.4 %
    HomeRelief, // 0.1 %
};

CostPercent RegistrationRateOf(RegistrationRate rate);

// The taxable amount: loanYen floored to 1,000 円, at least 1,000 円.
std::int64_t RegistrationBaseYen(std::int64_t loanYen) noexcept;

// The tax; 0 for no loan (loanYen <= 0).
std::int64_t RegistrationTaxYen(std::int64_t loanYen, RegistrationRate rate);

} // namespace hn
