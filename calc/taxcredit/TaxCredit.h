// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mortgage tax credit (住宅ローン控除) of one borrower, year by year.
//
// - Year 1 is the year of moving in; the credit runs for the row's 13 or 10 years.
// - A year's credit is min(the year-end balance, the limit, the acquisition price
//   less subsidies) × 0.7 %, floored to 100 円. The balance is the one on 12/31
//   after that year's instalments (YearEndBalances), this borrower's share of it
//   (CreditBorrowers.h), weighed after refinancing (CreditInteractions.h).
// - A year whose 合計所得金額 is above the ceiling (2,000 万円; 1,000 万円 for 40 to
//   50 ㎡) gets nothing, and says why; so does every year from a shortening
//   prepayment that brought the loan under 10 years.
// - With the income tax typed, each year's credit is used against it and then the
//   resident tax (CreditUse.h); without it the credit is shown alone.
#include "calc/taxcredit/CreditLimitLookup.h"
#include "calc/taxcredit/CreditUse.h"
#include "calc/taxcredit/YearAmounts.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace hn {

struct TaxCreditInput {
    CreditHome home;
    std::optional<std::int64_t> priceYen; // this borrower's share of the acquisition price; none: no cap
    std::int64_t subsidiesYen = 0;        // subsidies for the home, taken off the price
    YearAmounts yearEndBalances;          // this borrower's, by calendar year
    YearlyFigure totalIncome;             // 合計所得金額; empty: not checked
    YearlyFigure taxableIncome;           // 課税総所得金額等; needed with the income tax
    YearlyFigure incomeTax;               // 所得税額; empty: the credit alone
    std::optional<int> endsFromYear;      // CreditEndAfterShortening
};

enum class CreditReason { None, IncomeOverCeiling, EndedByShortening, NoBalance };

struct TaxCreditYear {
    int year = 0;
    int number = 0;                     // 1 … the row's years
    std::int64_t balanceYen = 0;        // year-end balance (0 when none is listed)
    std::int64_t limitYen = 0;
    std::optional<std::int64_t> priceCapYen; // price − subsidies
    std::int64_t baseYen = 0;           // min of the three
    std::int64_t creditYen = 0;
    CreditReason reason = CreditReason::None;
    std::optional<CreditUse> use;       // when that year's income tax is known
};

struct TaxCreditTotals {
    std::int64_t creditYen = 0;
    std::int64_t incomeTaxYen = 0;
    std::int64_t residentTaxYen = 0;
    std::int64_t unusedYen = 0;
};

struct TaxCreditResult {
    bool ok = false;
    std::string_view message;  // when !ok: one of TaxCreditTexts.h
    LimitLookup limit;         // the row, its source and whether it is to be confirmed
    std::vector<TaxCreditYear> years;
    TaxCreditTotals totals;    // use totals over the years whose use is known
};

TaxCreditResult ComputeTaxCredit(const TaxCreditInput& input);

// Why a year got nothing ("" for None), from TaxCreditTexts.h.
std::string_view CreditReasonText(CreditReason reason) noexcept;

// floor(base × 0.7 % / 100) × 100.
std::int64_t CreditOfBase(std::int64_t baseYen) noexcept;

} // namespace hn
