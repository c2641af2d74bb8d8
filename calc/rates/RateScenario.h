// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A variable-rate loan run along a rate path: every instalment of the monthly
// and the bonus part, with the lenders' review rules and unpaid interest, and
// what the scenario costs in total.
//
// Level payment loans (any method of the level family) keep their instalment
// between reviews; how and when it is reviewed is the ReviewRule. Equal
// principal loans repay a fixed principal share whatever the rate, so the rules
// do not touch them: the interest simply follows the rate. Methods with
// reduced early instalments have no variable-rate form and are refused.
//
// Month m is the m-th monthly instalment; bonus instalment k falls in month 6k
// and is charged half the yearly rate in force in that month. Every figure
// follows the engine's arithmetic: monthly rate = yearly rate x
// kMonthlyRateFactor, annuity instalments floor(balance x AnnuityFactor), each
// period's interest floored.
#include "calc/Repayment.h"
#include "calc/rates/RatePath.h"
#include "calc/schedule/Schedule.h"

#include <cstdint>

namespace hn {

enum class ReviewRule {
    // At every change of the rate the instalment becomes the annuity of the
    // balance at the new rate over the instalments left.
    EveryChange,
    // The instalment is reviewed only every five years (months 61, 121, ...;
    // bonus instalments 11, 21, ...), only when the rate has changed since it
    // was last set or the last setting was capped, and may rise at most to
    // floor(1.25 x the instalment before). There is no lower limit.
    FiveYear125,
};

enum class UnpaidSettlement {
    // Interest the instalment does not cover is carried, earns no interest, and
    // is paid in one lump with the last instalment.
    CarryToEnd,
    // Later instalments pay the unpaid interest first, then the month's
    // interest, then principal.
    PayFirst,
};

// A review every 60 monthly or 10 bonus instalments.
inline constexpr int kReviewEveryMonths = 60;
inline constexpr int kReviewEveryBonus = 10;
// The rise a review may give, as a factor of the instalment before.
inline constexpr double kReviewCapFactor = 1.25;

struct ScenarioInput {
    // Method, loanYen, bonusYen, normalYen and periodYears as the calculator
    // fills them; rate1 and rate2 play no part (the path gives the rates).
    LoanInput loan;
    RatePath path;
    ReviewRule review = ReviewRule::FiveYear125;
    UnpaidSettlement unpaid = UnpaidSettlement::CarryToEnd;
    // The month the reviews are counted from (a loan whose rate was fixed
    // until then): at its first instalment on or after this month each level
    // part's instalment becomes the annuity of the balance at the rate then in
    // force over the instalments left, without the 125 % cap, and the
    // five-year reviews fall 60 months (10 bonus instalments) apart from
    // there. Month 1: the loan's own start, where nothing is recomputed.
    int reviewFromMonth = 1;
};

// What the rules did to one part, beyond its rows.
struct ScenarioPartFacts {
    std::int64_t unpaidSettledAtEnd = 0; // unpaid interest carried into the last instalment
    // The first review (instalment number) at which balance + unpaid interest
    // exceeded its value at the review before (the loan itself before the
    // first review); 0 when none did. Only the five-year rule can get there.
    int negativeAmortisationAt = 0;
    std::int64_t owedBefore = 0; // balance + unpaid at the review before that one
    std::int64_t owedAt = 0;     // balance + unpaid at that review
};

enum class ScenarioStatus {
    Ok,
    InvalidLoan,      // outside the engine's domain (rates aside), not whole yen (see WholeYenInput),
                      // or reviewFromMonth outside 1 ... kMaxPathMonth
    ReducedFamily,    // a method with reduced early instalments
    InvalidPath,      // see CheckRatePath
    BeyondExactRange, // some figure beyond kMaxExactYen
};

struct ScenarioSchedule {
    ScenarioStatus status = ScenarioStatus::InvalidLoan;
    // The rows in the form the schedule window, its checks and its export take:
    // each row's interest is the interest charged for its period, its unpaid
    // interest what is carried after it. Ok exactly when status is Ok.
    Schedule schedule;
    ScenarioPartFacts monthly;
    ScenarioPartFacts bonus;

    bool ok() const noexcept { return status == ScenarioStatus::Ok; }
};

// The loan's amounts must be whole yen (pass the loan through WholeYenInput).
ScenarioSchedule BuildScenarioSchedule(const ScenarioInput& in);

} // namespace hn
