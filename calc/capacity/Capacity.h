// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Borrowing capacity (借入可能額): the largest loan in whole 万円 whose
// repayment a lender allows at an income, screened as lenders screen it: the
// whole loan as one level loan repaid monthly at the screening rate, whatever
// the method. The answer is found by search with the engine's own arithmetic,
// so the loan it names fits to the yen and one 万円 more does not.
#include "calc/CalculateCommand.h"
#include "calc/capacity/BurdenLimit.h"

#include <cstdint>
#include <string_view>

namespace hn {

struct CapacityRequest {
    double incomeMan = 0.0;                 // annual income (万円)
    const BurdenLimitRule* limit = nullptr; // one of BurdenLimitRules()
    double screeningRatePercent = 0.0;      // 審査金利 (% a year); 0: the first rate
    double otherDebtsMan = 0.0;             // 他の借入の年間返済額 (万円)
    double periodYears = 0.0;               // whole years, 1 to 99
    // The loan as the calculator window would compute it at the real rates.
    RepaymentMethod method = CorporationBasic;
    double rate1Percent = 0.0;      // 0: the screening rate
    double rate2Percent = 0.0;      // 0: the first rate
    double bonusSharePercent = 0.0; // share of the loan repaid by bonus instalments, 0 to 50,
                                    // read as the decimal it was typed as (ExactDecimal::FromDouble)
};

struct CapacityResult {
    std::int64_t incomeYen = 0;     // the income truncated to whole yen
    int limitPercent = 0;           // the rule's share at that income
    std::int64_t otherDebtsYen = 0;
    std::int64_t allowanceYen = 0;  // income × limit − other debts: what the loan may take a year
    double screeningRate = 0.0;     // fraction a year

    std::int32_t capacityMan = 0;       // 借入可能額
    std::int32_t largestFittingMan = 0; // before the calculate checks; above capacityMan only when they cap it
    std::string_view cappedBy;          // the check that caps it (CheckMessages.h), empty when none

    std::int64_t screeningMonthlyYen = 0; // the capacity's monthly instalment at the screening rate
    std::int64_t screeningAnnualYen = 0;  // 12 × that
    double screeningRatioPercent = 0.0;   // (screening annual + other debts) ÷ income × 100

    std::int32_t bonusMan = 0; // bonus part: the share of the capacity, rounded down to whole 万円
    CalcSuccess loan;          // the chosen method at the real rates, as the calculator window shows it
    double ratioPercent = 0.0; // the loan's 年間返済額 ÷ income × 100
};

struct CapacityOutcome {
    bool ok = false;
    std::string_view message; // when !ok: one of PlanningMessages.h or CheckMessages.h
    CapacityResult result;    // when ok
};

// Screening of one candidate: 12 × floor(loanMan × 10000 × f), f the annuity
// factor at the monthly screening rate over 12 × periodYears months.
std::int64_t ScreeningAnnualYen(std::int64_t loanMan, double screeningRate, double periodYears) noexcept;

// Checks the request, then searches. Messages, in the order they are checked:
// income missing, invalid or above 9,999 万円; no limit; period not a whole
// number from 1 to 99; screening rate missing, invalid or above 99 %; other
// debts invalid; bonus share outside 0 to 50 %; a real rate the calculate
// command refuses; the other debts alone reaching the limit; an allowance
// below the smallest loan; a capped search that leaves no loan at all.
CapacityOutcome ComputeCapacity(const CapacityRequest& request);

// The bonus part of a candidate loan: the share as it was typed (8.2 % of
// 3,000 is 246, not 245.99…) of the loan, rounded down to whole 万円. 0 for a
// share outside 0 to 50 %.
std::int64_t CapacityBonusMan(double bonusSharePercent, std::int64_t loanMan) noexcept;

} // namespace hn
