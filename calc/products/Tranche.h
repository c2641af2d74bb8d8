// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One loan of a plan (a tranche): its amounts, term, first month and product,
// and its schedule with the schedule's own checks.
#include "calc/products/LoanProduct.h"
#include "calc/schedule/Schedule.h"
#include "calc/schedule/ScheduleCalendar.h"
#include "calc/schedule/ScheduleChecks.h"

#include <cstdint>
#include <string>

namespace hn {

struct Tranche {
    std::int64_t amountYen = 0; // the whole tranche
    std::int64_t bonusYen = 0;  // the part repaid by bonus instalments, at most half
    int periodYears = 35;
    YearMonth firstMonth{2025, 1}; // month of the first instalment
    LoanProduct product = WholeTermFixedProduct{};
};

enum class TrancheStatus {
    Ok,
    InvalidTranche,   // amount, bonus part, period or first month out of range
    InvalidProduct,   // see ProductProblem
    BeyondExactRange, // some figure of the schedule would exceed kMaxExactYen
    ChecksFailed,     // the rows failed their own checks: a fault in the program
};

struct TrancheSchedule {
    TrancheStatus status = TrancheStatus::InvalidTranche;
    std::string problem; // what was wrong, in one line; empty when Ok
    Schedule schedule;   // rows when Ok, and when ChecksFailed to show what failed
    ScheduleCheckReport checks; // the rows' checks, and the band figures for the calculator's methods

    bool ok() const noexcept { return status == TrancheStatus::Ok; }
};

// The tranche as the loan the engine and the scenarios take (rates left 0 for
// the products that run along a path).
LoanInput TrancheLoan(const Tranche& tranche);

// The schedule of a tranche. Input out of range answers a status and a problem,
// never rows.
TrancheSchedule BuildTrancheSchedule(const Tranche& tranche);

} // namespace hn
