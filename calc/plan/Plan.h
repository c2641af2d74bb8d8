// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A home purchase as one whole: what is bought, who borrows (one or two), how
// each loan is owed, and the loans' schedules. The plan's figures: what is
// borrowed against what is needed, each borrower's and the household's annual
// repayment and burden ratios, 完済時年齢, and the loans together by calendar.
#include "calc/capacity/BurdenLimit.h"
#include "calc/plan/PlanSchedule.h"
#include "calc/plan/Purchase.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace hn {

struct Borrower {
    double incomeMan = 0.0; // annual income (万円), above 0
    double ageYears = 0.0;  // whole years at the plan's first instalment
};

// How the loans are owed.
enum class PlanArrangement {
    Single,         // 単独: one borrower owes every loan
    PairLoan,       // ペアローン: two borrowers, each owing loans of their own
    IncomeCombined, // 収入合算: two incomes behind the loans, owed in shares
    JointDebt,      // 連帯債務: two debtors of the loans, in shares
};

struct PlanLoan {
    PlanSchedule loan;
    // Each borrower's share of this loan in percent, at most two decimals; they
    // add to 100. A loan owed by one borrower is {100, 0} or {0, 100}.
    std::array<double, 2> sharePercent{100.0, 0.0};
};

struct PlanInput {
    PurchaseInput purchase;
    PlanArrangement arrangement = PlanArrangement::Single;
    std::vector<Borrower> borrowers;
    std::vector<PlanLoan> loans;
    const BurdenLimitRule* limit = nullptr; // the lender's rule; none: no limit figures
};

// A burden ratio against an income and, with a rule, the lender's limit there.
struct BurdenFigures {
    std::int64_t incomeYen = 0;
    std::int64_t annualYen = 0;     // the first full year's repayment
    double ratioPercent = 0.0;      // annual ÷ income × 100
    int limitPercent = 0;           // the rule's share at this income (0 without a rule)
    std::int64_t allowanceYen = 0;  // what the rule allows a year
    bool overLimit = false;         // annual above the allowance
};

struct BorrowerFigures {
    BurdenFigures burden;
    int payoffAge = 0;        // 完済時年齢: the age at the last instalment of the borrower's loans
    bool payoffAgeHigh = false; // at or above kPlanLimits.payoffAgeCeiling
};

struct PlanResult {
    PurchaseResult purchase;
    std::int64_t loansYen = 0;            // what the loans borrow together
    std::int64_t shortfallYen = 0;        // borrowYen − loansYen: 0 when they add up
    std::vector<BorrowerFigures> borrowers;
    BurdenFigures household;              // the incomes and repayments together
    PlanScheduleSummary schedule;
};

struct PlanOutcome {
    bool ok = false;
    std::string_view message; // when !ok: one of PlanMessages.h or PlanningMessages.h
    PlanResult result;
};

// A share in percent as hundredths of a percent; empty outside 0 to 100 or with
// more than two decimals.
std::optional<int> ShareHundredths(double percent) noexcept;

// Checks the purchase, the borrowers, the arrangement and every loan's shares,
// then computes. The first full year of each loan is its own loan year 1; a
// borrower's part of it is their share, rounded down, the first borrower's
// rounding going to the second so that the parts add to the whole.
PlanOutcome ComputePlan(const PlanInput& in);

} // namespace hn
