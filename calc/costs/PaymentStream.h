// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A loan's payments as a plain list of (month, yen): what the effective rate and the
// refinancing comparison work on, so that any schedule (fixed rate, rate path,
// prepaid, a plan's tranche) can feed them. Month 0 is the month the loan is paid
// out, the month before instalment 1; monthly instalment n falls in month n and a
// bonus instalment in its calendar month counted the same way.
#include "calc/schedule/Schedule.h"
#include "calc/schedule/ScheduleCalendar.h"

#include <cstdint>
#include <span>
#include <vector>

namespace hn {

struct Payment {
    int month = 0;        // months after the loan is paid out
    std::int64_t yen = 0; // paid that month

    friend bool operator==(const Payment&, const Payment&) = default;
};

using PaymentStream = std::vector<Payment>;

// The latest month a stream may name: two centuries, far beyond any loan (99 years at
// most) counted from any switch within it. The computations gather payments by month,
// so a month beyond this is refused rather than allocated for.
inline constexpr int kMaxPaymentMonth = 12 * 200;

// Every instalment of both parts, monthly and bonus instalments of one month as
// separate entries, in the order of the schedule's parts.
PaymentStream StreamOf(const Schedule& schedule, const ScheduleCalendar& calendar);

// What remains after the first `paid` monthly instalments (and every bonus
// instalment falling in or before that month), with months counted from then:
// month 1 is the month after instalment `paid`.
PaymentStream StreamAfter(const Schedule& schedule, const ScheduleCalendar& calendar, int paid);

// The balance of both parts at that point (the loan before instalment 1 when paid is 0).
std::int64_t BalanceAfter(const Schedule& schedule, const ScheduleCalendar& calendar, int paid);

// The monthly part's instalment right after `paid` (0 when none is left).
std::int64_t NextMonthlyInstalment(const Schedule& schedule, int paid) noexcept;

// Σ yen.
std::int64_t TotalOf(std::span<const Payment> payments) noexcept;

} // namespace hn
