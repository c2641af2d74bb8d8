// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/PrepaymentReport.h"

#include "calc/PlanningTexts.h"
#include "calc/ScheduleTexts.h"
#include "report/Units.h"

namespace hn {

std::string LoanEndText(const LoanEnd& end)
{
    return (end.part == SchedulePartKind::Bonus ? std::string(kPartBonus) : std::string()) +
           Text(Quantity::Instalment(end.instalment)) + " (" + Text(Quantity::Month(end.month)) + ")";
}

std::vector<PrepaymentLine> PrepaymentSummaryLines(const PrepaymentSummary& s)
{
    std::vector<PrepaymentLine> lines;
    // A part repaid by the last prepayment has no next instalment: its line says
    // nothing and is left out.
    if (s.nextMonthly != 0)
        lines.push_back({kPrepayNextInstalment, Text(Quantity::Yen(s.nextMonthly)), {}});
    if (s.nextBonus != 0)
        lines.push_back({kPrepayNextBonus, Text(Quantity::Yen(s.nextBonus)), {}});
    lines.push_back({kPrepayEnd, LoanEndText(s.end), LoanEndText(s.plannedEnd)});
    if (s.shortens || s.shortenedMonths != 0)
        lines.push_back({kPrepayShortenedBy, Text(Quantity::Span(s.shortenedMonths)), {}});
    if (s.hasBonus && (s.monthlyEnd.month != s.bonusEnd.month || s.plannedMonthlyEnd.month != s.plannedBonusEnd.month)) {
        lines.push_back({kPrepayMonthlyEnd, LoanEndText(s.monthlyEnd), LoanEndText(s.plannedMonthlyEnd)});
        lines.push_back({kPrepayBonusEnd, LoanEndText(s.bonusEnd), LoanEndText(s.plannedBonusEnd)});
    }
    return lines;
}

} // namespace hn
