// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/schedule/PrepaymentSummary.h"

#include <algorithm>

namespace hn {

namespace {

std::int64_t PaymentAt(const SchedulePart& part, int index) noexcept
{
    return index >= 0 && static_cast<std::size_t>(index) < part.rows.size()
        ? part.rows[static_cast<std::size_t>(index)].payment
        : 0;
}

} // namespace

LoanEnd EndOfPart(const SchedulePart& part, const ScheduleCalendar& calendar)
{
    LoanEnd end;
    end.part = part.kind;
    end.instalment = static_cast<int>(part.rows.size());
    if (end.instalment != 0)
        end.month = part.kind == SchedulePartKind::Monthly ? MonthOfInstalment(calendar, end.instalment)
                                                           : MonthOfBonus(calendar, end.instalment);
    return end;
}

LoanEnd EndOfLoan(const Schedule& schedule, const ScheduleCalendar& calendar)
{
    const LoanEnd monthly = EndOfPart(schedule.monthly, calendar);
    const LoanEnd bonus = EndOfPart(schedule.bonus, calendar);
    if (bonus.instalment != 0 && (monthly.instalment == 0 || monthly.month < bonus.month))
        return bonus;
    return monthly;
}

PrepaymentSummary SummarisePrepayments(const PrepaymentOutcome& o, const ScheduleCalendar& calendar)
{
    PrepaymentSummary s;
    if (!o.ok)
        return s;
    s.end = EndOfLoan(o.after, calendar);
    s.plannedEnd = EndOfLoan(o.before, calendar);
    s.monthlyEnd = EndOfPart(o.after.monthly, calendar);
    s.plannedMonthlyEnd = EndOfPart(o.before.monthly, calendar);
    s.bonusEnd = EndOfPart(o.after.bonus, calendar);
    s.plannedBonusEnd = EndOfPart(o.before.bonus, calendar);
    s.hasBonus = !o.before.bonus.rows.empty();
    s.shortenedMonths = static_cast<int>(std::max(0LL, MonthIndex(s.plannedEnd.month) - MonthIndex(s.end.month)));
    s.shortens = std::any_of(o.applied.begin(), o.applied.end(),
                             [](const AppliedPrepayment& a) { return a.asked.mode != PrepayMode::Reduce; });
    if (!o.applied.empty()) {
        // Bonus instalments 2y-1 and 2y fall with months 12y-6 and 12y.
        const int k = o.applied.back().asked.instalment;
        s.nextMonthly = PaymentAt(o.after.monthly, k);
        s.nextBonus = PaymentAt(o.after.bonus, k / 6);
    }
    return s;
}

} // namespace hn
