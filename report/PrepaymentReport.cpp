// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/PrepaymentReport.h"

#include "calc/schedule/PrepaymentTexts.h"
#include "calc/schedule/ScheduleTexts.h"
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
        lines.push_back({"nextMonthlyYen", kPrepayNextInstalment, Text(Quantity::Yen(s.nextMonthly)), {}});
    if (s.nextBonus != 0)
        lines.push_back({"nextBonusYen", kPrepayNextBonus, Text(Quantity::Yen(s.nextBonus)), {}});
    lines.push_back({"end", kPrepayEnd, LoanEndText(s.end), LoanEndText(s.plannedEnd)});
    if (s.shortens || s.shortenedMonths != 0)
        lines.push_back({"shortenedMonths", kPrepayShortenedBy, Text(Quantity::Span(s.shortenedMonths)), {}});
    if (s.hasBonus && (s.monthlyEnd.month != s.bonusEnd.month || s.plannedMonthlyEnd.month != s.plannedBonusEnd.month)) {
        lines.push_back({"monthlyEnd", kPrepayMonthlyEnd, LoanEndText(s.monthlyEnd), LoanEndText(s.plannedMonthlyEnd)});
        lines.push_back({"bonusEnd", kPrepayBonusEnd, LoanEndText(s.bonusEnd), LoanEndText(s.plannedBonusEnd)});
    }
    return lines;
}

std::vector<Figure> PrepaymentColumnFigures(PrepayMode mode, const PrepaymentOutcome& o,
                                            const ScheduleCalendar& calendar)
{
    using Q = Quantity;
    std::vector<Figure> f;
    if (!o.ok) {
        f.push_back({"message", std::string(PrepayModeCaption(mode)), Q::Words(std::string(o.message))});
        return f;
    }
    // The whole loan, both parts, after the last prepayment.
    for (const PrepaymentLine& line : PrepaymentSummaryLines(SummarisePrepayments(o, calendar)))
        f.push_back({std::string(line.key), std::string(line.caption), Q::Words(line.value)});
    std::int64_t asked = 0;
    for (const AppliedPrepayment& p : o.applied)
        asked += p.asked.amountYen + p.asked.bonusAmountYen;
    // Less is used where an amount exceeds the balance, or whole instalments do not add up to it.
    if (asked != o.prepaidYen)
        f.push_back({"amountYen", std::string(kPrepayAsked), Q::Yen(asked)});
    f.push_back({"usedYen", std::string(kPrepayUsed), Q::Yen(o.prepaidYen)});
    f.push_back({"interestSavedYen", std::string(kPrepayInterestSaved), Q::Yen(o.interestSaved)});
    f.push_back({"interestAfterYen", std::string(kPrepayInterest), Q::Yen(o.totalsAfter.interest)});
    f.push_back({"totalAfterYen", std::string(kPrepayTotal), Q::Yen(o.totalsAfter.payment)});
    return f;
}

} // namespace hn
