// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed numbers a plan is checked against, in one table: a changed lender
// practice is a changed row here.
namespace hn {

struct PlanLimits {
    int payoffAgeCeiling = 0; // the age at the last instalment most lenders lend up to
    int maxBorrowers = 0;
    int maxLoans = 0;         // keeps the plan's sums of 2^53-yen schedules inside 64 bits
    int maxAgeYears = 0;      // an age at the first instalment beyond it is a typing slip
};

inline constexpr PlanLimits kPlanLimits{80, 2, 64, 120};

} // namespace hn
