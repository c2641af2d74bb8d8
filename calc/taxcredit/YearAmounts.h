// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Amounts by calendar year: the year-end balances the credit is computed from, and
// the incomes and taxes a user types once for every year or year by year.
#include "calc/schedule/Schedule.h"
#include "calc/schedule/ScheduleCalendar.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace hn {

struct YearAmount {
    int year = 0;
    std::int64_t yen = 0;

    friend bool operator==(const YearAmount&, const YearAmount&) = default;
};

using YearAmounts = std::vector<YearAmount>; // ascending by year, each year once

// The amount listed for `year`; empty when the year is not listed.
std::optional<std::int64_t> AmountIn(const YearAmounts& amounts, int year) noexcept;

// A figure typed once for every year, or by year (a year's own figure wins).
struct YearlyFigure {
    std::optional<std::int64_t> everyYear;
    YearAmounts byYear;

    bool empty() const noexcept { return !everyYear && byYear.empty(); }
    std::optional<std::int64_t> For(int year) const noexcept;
};

// The balance of both parts on 12/31 of each year, after every instalment due in
// that year (bonus instalments included), from the earlier of `fromYear` (pass the
// year of moving in) and the first instalment's year to the year of the last
// instalment; a year before the first instalment holds the whole loan.
YearAmounts YearEndBalances(const Schedule& schedule, const ScheduleCalendar& calendar, int fromYear);

} // namespace hn
