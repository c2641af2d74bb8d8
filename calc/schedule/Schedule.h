// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The repayment schedule: every instalment of a loan, exact to the yen.
//
// Conventions (what a user comparing with a bank statement needs to know):
// - The loan is repaid in two parts, as the engine splits it: the monthly part
//   (instalments 1 ... 12 x years) and the bonus part (1 ... 2 x years).
// - Each instalment's interest is floor(balance before it x the yearly rate
//   / 12) for months and / 2 for bonus instalments, computed exactly from the
//   rate as typed (ExactRate); the first rate up to month 120 / bonus 20, the
//   second rate after (銀行型・他: the first rate throughout).
// - Payments are the engine's band instalments (equal principal: the fixed
//   share plus the interest). The last instalment settles the balance: its
//   principal is the whole balance before it, so the balance ends at exactly 0.
// - At extreme rates over long terms the floored level instalment can fall a
//   yen or so below the interest of the first periods. The shortfall is kept
//   as unpaid interest (paid from the next instalments before any principal),
//   not added to the balance: no figure is ever negative.
// - An instalment whose principal would reach the balance before the term ends
//   settles it the same way and the part ends there (ended early).
// - All figures are whole yen in 64-bit integers; a schedule any of whose
//   figures would exceed 2^53 yen (where doubles stop being exact) is refused.
#include "calc/ExactRate.h"
#include "calc/Repayment.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace hn {

// Largest figure a schedule holds: beyond it the engine's double arithmetic,
// which forms the instalments, no longer works on exact whole yen.
inline constexpr std::int64_t kMaxExactYen = std::int64_t{1} << 53;

struct ScheduleRow {
    int number = 0;              // instalment number within its part, from 1
    std::int64_t payment = 0;    // paid with this instalment
    std::int64_t interest = 0;   // interest charged for the period
    std::int64_t principal = 0;  // reduction of the balance
    std::int64_t balance = 0;    // balance after this instalment
    double yearlyRate = 0.0;     // yearly rate in force (fraction, 0.02 = 2 %)
    std::int64_t unpaidInterest = 0; // interest charged but not yet paid, after this
                                     // instalment (always 0 for a fixed-payment loan)
    std::int64_t prepaid = 0;    // paid ahead right after this instalment (繰上げ返済);
                                 // already part of payment and principal
    int rateIndex = 0;           // the rate charged: Schedule::rates[rateIndex]
    int plannedNumber = 0;       // the instalment of the schedule as built that this row
                                 // is (later than `number` after a prepayment by whole
                                 // instalments); 0: `number`

    friend bool operator==(const ScheduleRow&, const ScheduleRow&) = default;
};

// The interest an instalment paid: its payment less its principal, that is the
// period's interest less what it left unpaid, plus earlier unpaid interest it
// settled. A row reads payment = interest paid + principal.
constexpr std::int64_t InterestPaid(const ScheduleRow& row) noexcept
{
    return row.payment - row.principal;
}

enum class SchedulePartKind { Monthly, Bonus };

struct SchedulePart {
    SchedulePartKind kind = SchedulePartKind::Monthly;
    std::int64_t loanYen = 0; // what this part borrows
    int termCount = 0;        // instalments the term provides (12 or 2 per year)
    std::vector<ScheduleRow> rows; // fewer than termCount when the part ended early

    bool endedEarly() const noexcept { return static_cast<int>(rows.size()) < termCount; }
};

enum class ScheduleStatus {
    Ok,
    InvalidInput,     // the engine does not compute this input; no rows
    BeyondExactRange, // some figure would exceed kMaxExactYen; no rows
};

struct Schedule {
    ScheduleStatus status = ScheduleStatus::InvalidInput;
    RepaymentMethod method = CorporationBasic;
    int periodYears = 0;
    SchedulePart monthly{SchedulePartKind::Monthly, 0, 0, {}};
    SchedulePart bonus{SchedulePartKind::Bonus, 0, 0, {}}; // no rows and loan 0 without a bonus part
    std::vector<ExactRate> rates; // the yearly rates the rows charge, exactly as typed

    bool ok() const noexcept { return status == ScheduleStatus::Ok; }
    // Either part repaid before the end of its term.
    bool endedEarly() const noexcept { return monthly.endedEarly() || bonus.endedEarly(); }
};

// Sums over the rows of a part or a schedule.
struct ScheduleTotals {
    std::int64_t payment = 0;
    std::int64_t interest = 0;
    std::int64_t principal = 0;

    friend bool operator==(const ScheduleTotals&, const ScheduleTotals&) = default;
};

// The instalment of the schedule as built that a row is: its band, rate and
// basis are that instalment's.
constexpr int PlannedNumber(const ScheduleRow& row) noexcept
{
    return row.plannedNumber != 0 ? row.plannedNumber : row.number;
}

ScheduleTotals TotalsOf(const SchedulePart& part) noexcept;
ScheduleTotals TotalsOf(const Schedule& schedule) noexcept; // both parts

// Whether any row of either part carries unpaid interest after it, or a prepaid amount.
bool HasUnpaidInterest(const Schedule& schedule) noexcept;
bool HasPrepayments(const Schedule& schedule) noexcept;

// The loan with its parts in whole yen, the form a schedule is kept in: the
// window's fields give whole yen already; a decimal typed on the command line
// (or the binary rounding of "万円 x 10000") can leave a fraction, which is
// rounded to the nearest yen. Compute the LoanResult to compare a schedule
// with from this input.
LoanInput WholeYenInput(const LoanInput& in) noexcept;

// A loan's two yearly rates exactly as typed; their Fraction() is the
// LoanInput's rate1 and rate2 (the second only where the loan uses it).
struct ExactLoanRates {
    ExactRate first;
    ExactRate second;
};

// The rates of a loan whose typed texts are not at hand: each recovered from
// its fraction (ExactRate::FromFraction), the typed rate itself for every rate
// of up to 15 significant digits, and so for every rate field's.
ExactLoanRates ExactRatesOf(const LoanInput& in);

// The rates as typed: each text that reads as the input's own rate (its percent
// read as a double, × 0.01) is taken exactly, whatever its length; any other
// (an empty text, a rate the input does not use) is recovered as above.
ExactLoanRates ExactRatesFromTexts(const LoanInput& in, std::string_view rate1Text, std::string_view rate2Text);

// The schedule of a loan, from the engine's plan (PlanRepayment), charging
// `rates`. Expects whole yen (WholeYenInput); a part with a fraction of a yen,
// or rates that are not the input's, answer InvalidInput.
Schedule BuildSchedule(const LoanInput& in, const ExactLoanRates& rates);
Schedule BuildSchedule(const LoanInput& in); // with ExactRatesOf(in)

// One instalment of `payment` on `balanceBefore` with `unpaidBefore` interest
// still owed from earlier instalments. The interest is `rate`'s for a month, or
// a half-year (`halfYear`); the payment goes to that interest first, then to the unpaid
// interest, then to the principal. A payment below the interest leaves the
// rest unpaid (never a negative principal, never added to the balance). With
// `settle` (the last instalment of the term), or when the principal would reach
// the whole balance, the row repays the balance and all interest owed, and its
// payment becomes their sum. The row's yearlyRate is rate.Fraction() and its
// rateIndex `rateIndex`.
ScheduleRow AmortisedRow(int number, std::int64_t balanceBefore, std::int64_t unpaidBefore, std::int64_t payment,
                         const ExactRate& rate, int rateIndex, bool halfYear, bool settle) noexcept;

} // namespace hn
