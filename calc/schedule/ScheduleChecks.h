// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The schedule's proof of itself. CheckSchedule looks at the rows alone and
// holds for every schedule, whatever built it (fixed rates, prepayments,
// changing rates); CheckAgainstResult compares a fixed-rate schedule with the
// band figures the calculator window shows for the same loan. A failed check
// is a fault in the program, never a property of the loan.
#include "calc/schedule/Schedule.h"

#include <string_view>
#include <vector>

namespace hn {

enum class ScheduleCheck {
    RowsAddUp,           // payment = interest paid + principal, where interest paid = interest charged
                         // less the growth of unpaid interest; balance follows
    PrincipalRepaysLoan, // Σ principal = the part's loan
    BalanceEndsAtZero,   // the last row leaves nothing owed
    NothingUnpaid,       // no unpaid interest after the last row
    PaymentsCoverLoanAndInterest, // Σ payments = loan + Σ interest
    NoNegativeFigure,    // no payment, interest, principal, balance or unpaid interest below 0
    BandFiguresMatch,    // first instalment of each band = the window's band figure (level and reduced)
};

// Which rows a check is about.
enum class CheckScope { MonthlyPart, BonusPart, WholeSchedule };

struct ScheduleCheckResult {
    ScheduleCheck check = ScheduleCheck::RowsAddUp;
    CheckScope scope = CheckScope::WholeSchedule;
    bool passed = false;
    // The two sides compared, for the report (both 0 where a check counts rows).
    std::int64_t actual = 0;
    std::int64_t expected = 0;
    int failedRow = 0; // first offending instalment number of the part, 0 if none
    int comparedRow = 0; // the instalment a band check compares (1, 61, 121; 1, 11, 21)

    friend bool operator==(const ScheduleCheckResult&, const ScheduleCheckResult&) = default;
};

struct ScheduleCheckReport {
    std::vector<ScheduleCheckResult> items;

    // False for an empty report (a schedule without rows proves nothing).
    bool allPassed() const noexcept;
};

// Every check on the rows, per part where it is about a part. A schedule that
// is not Ok answers an empty report.
ScheduleCheckReport CheckSchedule(const Schedule& schedule);

// Band figures of a fixed-rate schedule of the level and reduced families
// against the window's LoanResult of the same (whole-yen) input: monthly rows 1,
// 61, 121 and bonus rows 1, 11, 21 where the band is used, except a row that
// settled an early end. Appends to `report`; nothing for equal principal, whose
// rows charge the exact interest (CompareWithWindow sets them beside the window's).
void CheckAgainstResult(const Schedule& schedule, const LoanResult& result, ScheduleCheckReport& report);

// What the check states, as the schedule window and the command line show it
// ("元金の合計 = 借入額" ...).
std::string_view CheckCaption(ScheduleCheck check) noexcept;
// A stable name for machine output ("principalRepaysLoan" ...).
std::string_view CheckName(ScheduleCheck check) noexcept;
// "毎月分", "ﾎﾞｰﾅｽ分", "全体"; and "monthly", "bonus", "schedule".
std::string_view ScopeCaption(CheckScope scope) noexcept;
std::string_view ScopeName(CheckScope scope) noexcept;

} // namespace hn
