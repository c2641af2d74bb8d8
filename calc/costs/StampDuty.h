// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 印紙税 on a loan contract, from the national table (CostTables.h): each row's
// bound is inclusive; an electronic contract is not a taxable document and pays none.
#include <cstdint>

namespace hn {

enum class ContractForm {
    Paper,      // a signed paper contract: the table's tax
    Electronic, // 電子契約: no stamp duty
};

// The tax for a contract stating `loanYen` (0 for an amount below 1 万円, a
// negative amount, or an electronic contract).
std::int64_t StampDutyYen(std::int64_t loanYen, ContractForm form) noexcept;

} // namespace hn
