// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What prepayments did to the whole loan, both parts: when its last instalment
// falls, how much earlier that is, and what is paid from then on. The monthly
// part can end years before the bonus part (or after it): the loan ends with the
// later. report/PrepaymentReport.h says it in lines.
#include "calc/schedule/Prepayment.h"
#include "calc/schedule/ScheduleCalendar.h"

#include <string>
#include <string_view>
#include <vector>

namespace hn {

// The last instalment of a schedule, or of one part: its part, its number within
// the part and its calendar month. Of both parts, the later one (the monthly part
// where both fall in the same month); instalment 0 where there is none.
struct LoanEnd {
    SchedulePartKind part = SchedulePartKind::Monthly;
    int instalment = 0;
    YearMonth month;

    friend bool operator==(const LoanEnd&, const LoanEnd&) = default;
};
LoanEnd EndOfPart(const SchedulePart& part, const ScheduleCalendar& calendar);
LoanEnd EndOfLoan(const Schedule& schedule, const ScheduleCalendar& calendar);

struct PrepaymentSummary {
    LoanEnd end, plannedEnd;               // the whole loan, after and before
    LoanEnd monthlyEnd, plannedMonthlyEnd; // each part's own
    LoanEnd bonusEnd, plannedBonusEnd;     // instalment 0 without a bonus part
    int shortenedMonths = 0;               // calendar months from end to plannedEnd
    bool shortens = false;                 // some prepayment is of a way that shortens
    // The instalments right after the last prepayment (the monthly one after its
    // month, the bonus one after the bonus instalments due by then); 0 where that
    // part is repaid by then, or has no instalments.
    std::int64_t nextMonthly = 0;
    std::int64_t nextBonus = 0;
    bool hasBonus = false;
};

// Of an applied outcome (`ok`); all zero otherwise.
PrepaymentSummary SummarisePrepayments(const PrepaymentOutcome& outcome, const ScheduleCalendar& calendar);

} // namespace hn
