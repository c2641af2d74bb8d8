// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/plan/PlanSchedule.h"

#include <algorithm>
#include <cstddef>

namespace hn {
namespace {

// What one loan owes after the instalments read so far.
struct LoanState {
    std::int64_t monthlyBalance = 0;
    std::int64_t bonusBalance = 0;
    std::int64_t monthlyUnpaid = 0;
    std::int64_t bonusUnpaid = 0;
};

void AddOwed(YearlyRow& row, const LoanState& s) noexcept
{
    row.balance += s.monthlyBalance + s.bonusBalance;
    row.unpaidInterest += s.monthlyUnpaid + s.bonusUnpaid;
}

} // namespace

int PlanYearOf(YearMonth first, YearMonth when) noexcept
{
    return static_cast<int>((MonthIndex(when) - MonthIndex(first)) / 12) + 1;
}

PlanScheduleSummary SummarisePlanSchedules(std::span<const PlanSchedule> loans)
{
    PlanScheduleSummary out;
    if (loans.empty())
        return out;
    out.firstMonth = loans.front().calendar.firstMonth;
    for (const PlanSchedule& loan : loans)
        out.firstMonth = std::min(out.firstMonth, loan.calendar.firstMonth);
    const long long start = MonthIndex(out.firstMonth);

    std::vector<std::vector<MonthlyViewRow>> views;
    views.reserve(loans.size());
    long long lastIndex = start;
    for (const PlanSchedule& loan : loans) {
        views.push_back(MonthlyView(loan.schedule, loan.calendar));
        if (!views.back().empty())
            lastIndex = std::max(lastIndex, MonthIndex(views.back().back().when));
        const ScheduleTotals t = TotalsOf(loan.schedule);
        out.totals.payment += t.payment;
        out.totals.interest += t.interest;
        out.totals.principal += t.principal;
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
    for (std::size_t i = 0; i < loans.size(); ++i) {
        const Schedule& s = loans[i].schedule;
        LoanState state{s.monthly.loanYen, s.bonus.loanYen, 0, 0};
        std::size_t year = 0; // the plan year whose end is not yet recorded
        for (const MonthlyViewRow& r : views[i]) {
            const std::size_t rowYear = static_cast<std::size_t>(PlanYearOf(out.firstMonth, r.when) - 1);
            for (; year < rowYear; ++year)
                AddOwed(out.years[year], state);
            YearlyRow& row = out.years[rowYear];
            row.payment += r.row.payment;
            row.interest += r.row.interest;
            row.principal += r.row.principal;
            if (r.part == SchedulePartKind::Monthly) {
                state.monthlyBalance = r.row.balance;
                state.monthlyUnpaid = r.row.unpaidInterest;
                monthly[static_cast<std::size_t>(MonthIndex(r.when) - start)] += r.row.payment;
            } else {
                state.bonusBalance = r.row.balance;
                state.bonusUnpaid = r.row.unpaidInterest;
            }
        }
        for (; year < yearCount; ++year)
            AddOwed(out.years[year], state);
    }

    const auto peak = std::max_element(monthly.begin(), monthly.end());
    out.peakMonthlyYen = *peak;
    out.peakMonth = YearMonthAt(start + (peak - monthly.begin()));
    return out;
}

} // namespace hn
