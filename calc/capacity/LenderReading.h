// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The burden ratio as lenders read it: several loans together (the summary
// window's slots) against a limit, each loan screened as one level loan repaid
// monthly over its whole period, at its real first rate and at a screening rate.
// Beside the summary window's own 20 % reading, which stays as it is.
#include "calc/Repayment.h"
#include "calc/capacity/BurdenLimit.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace hn {

struct ReadingLoan {
    LoanInput input;      // the loan as the engine computes it
    bool screened = true; // read at the screening rate; off for a loan lent without one
};

struct ReadingRequest {
    std::span<const ReadingLoan> loans;
    double incomeMan = 0.0;                 // 0: no ratio, but the income needed is still given
    const BurdenLimitRule* limit = nullptr; // one of BurdenLimitRules()
    double screeningRatePercent = 0.0;      // needed when any loan is screened
    double otherDebtsMan = 0.0;             // 他の借入の年間返済額
};

// The loans read one way (all at their real rates, or screened where asked).
struct BurdenReading {
    std::int64_t loansAnnualYen = 0;    // Σ 12 × the loan's level monthly instalment
    std::int64_t annualYen = 0;         // plus the other debts
    std::optional<double> ratioPercent; // annualYen ÷ income × 100; none without an income
    bool within = false;                // loansAnnualYen within the allowance at the income
    std::int64_t incomeNeededMan = 0;   // the smallest income (whole 万円) that carries annualYen
};

struct LoanReadingFigures {
    std::int64_t realAnnualYen = 0;      // 12 × the level monthly instalment at the loan's first rate
    std::int64_t screeningAnnualYen = 0; // the same at the screening rate (the real one when not screened)
};

struct LenderReading {
    std::int64_t incomeYen = 0;
    int limitPercent = 0;            // the rule's share at the income
    std::int64_t otherDebtsYen = 0;
    std::int64_t allowanceYen = 0;   // income × limit − other debts
    BurdenReading atRealRates;
    BurdenReading atScreeningRate;
    std::vector<LoanReadingFigures> perLoan; // in the order of the request
};

struct LenderReadingOutcome {
    bool ok = false;
    std::string_view message; // when !ok
    LenderReading reading;
};

// Messages: no loans; income invalid or above 9,999 万円; no limit; screening
// rate missing (when a loan is screened), invalid or above 99 %; other debts
// invalid; a loan the engine does not compute.
LenderReadingOutcome ReadAsLender(const ReadingRequest& request);

} // namespace hn
