// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/plan/PlanSchedule.h"

#include <algorithm>
#include <cstddef>

namespace hn {

int PlanYearOf(YearMonth first, YearMonth when) noexcept
{
    return static_cast<int>((MonthIndex(when) - MonthIndex(first)) / 12) + 1;
}

namespace {

// The calendar month, counted by MonthIndex, of a part's instalment `number`.
long long MonthIndexOf(const ScheduleCalendar& calendar, SchedulePartKind part, int number) noexcept
{
    if (part == SchedulePartKind::Monthly)
        return MonthIndex(calendar.firstMonth) + (number - 1);
    return MonthIndex(MonthOfBonus(calendar, number));
}

// One part of one loan into the plan's years and months, read straight from its
// rows: the parts are independent, so a year's balance is each part's after its
// last instalment in or before that year. The monthly part's payments go into
// `monthly` too, a month per element from the plan's first, but for the last one
// where there are others: it settles what rounding left, and the largest month is
// read as a rate scenario's peak is, among the regular instalments.
void AddPart(const SchedulePart& part, const ScheduleCalendar& calendar, long long start,
             std::vector<YearlyRow>& years, std::vector<std::int64_t>* monthly, ScheduleTotals& totals)
{
    std::int64_t balance = part.loanYen;
    std::int64_t unpaid = 0;
    std::size_t year = 0; // the plan year whose end is not yet recorded
    const ScheduleRow* settling = part.rows.size() > 1 ? &part.rows.back() : nullptr;
    for (const ScheduleRow& r : part.rows) {
        const long long offset = MonthIndexOf(calendar, part.kind, r.number) - start;
        const std::size_t rowYear = static_cast<std::size_t>(offset / 12);
        for (; year < rowYear; ++year) {
            years[year].balance += balance;
            years[year].unpaidInterest += unpaid;
        }
        YearlyRow& row = years[rowYear];
        row.payment += r.payment;
        row.interest += r.interest;
        row.principal += r.principal;
        totals.payment += r.payment;
        totals.interest += r.interest;
        totals.principal += r.principal;
        balance = r.balance;
        unpaid = r.unpaidInterest;
        if (monthly != nullptr && &r != settling)
            (*monthly)[static_cast<std::size_t>(offset)] += r.payment;
    }
    for (; year < years.size(); ++year) {
        years[year].balance += balance;
        years[year].unpaidInterest += unpaid;
    }
}

template <typename Loans, typename Get>
PlanScheduleSummary Summarise(const Loans& loans, Get get)
{
    PlanScheduleSummary out;
    if (loans.empty())
        return out;
    out.firstMonth = get(loans.front()).calendar.firstMonth;
    for (const auto& loan : loans)
        out.firstMonth = std::min(out.firstMonth, get(loan).calendar.firstMonth);
    const long long start = MonthIndex(out.firstMonth);

    long long lastIndex = start;
    for (const auto& loan : loans) {
        const PlanSchedule& l = get(loan);
        const Schedule& s = l.schedule;
        if (!s.monthly.rows.empty())
            lastIndex = std::max(lastIndex, MonthIndexOf(l.calendar, SchedulePartKind::Monthly, s.monthly.rows.back().number));
        if (!s.bonus.rows.empty())
            lastIndex = std::max(lastIndex, MonthIndexOf(l.calendar, SchedulePartKind::Bonus, s.bonus.rows.back().number));
    }
    out.lastMonth = YearMonthAt(lastIndex);

    const std::size_t yearCount = static_cast<std::size_t>(PlanYearOf(out.firstMonth, out.lastMonth));
    out.years.resize(yearCount);
    for (std::size_t k = 0; k < yearCount; ++k) {
        YearlyRow& row = out.years[k];
        row.year = static_cast<int>(k) + 1;
        row.from = YearMonthAt(start + static_cast<long long>(k) * 12);
        row.to = AddMonths(row.from, 11);
    }

    std::vector<std::int64_t> monthly(static_cast<std::size_t>(lastIndex - start + 1), 0);
    for (const auto& loan : loans) {
        const PlanSchedule& l = get(loan);
        AddPart(l.schedule.monthly, l.calendar, start, out.years, &monthly, out.totals);
        AddPart(l.schedule.bonus, l.calendar, start, out.years, nullptr, out.totals);
    }

    const auto peak = std::max_element(monthly.begin(), monthly.end());
    out.peakMonthlyYen = *peak;
    out.peakMonth = YearMonthAt(start + (peak - monthly.begin()));
    return out;
}

} // namespace

PlanScheduleSummary SummarisePlanSchedules(std::span<const PlanSchedule> loans)
{
    return Summarise(loans, [](const PlanSchedule& l) -> const PlanSchedule& { return l; });
}

PlanScheduleSummary SummarisePlanSchedules(std::span<const PlanSchedule* const> loans)
{
    return Summarise(loans, [](const PlanSchedule* l) -> const PlanSchedule& { return *l; });
}

} // namespace hn
