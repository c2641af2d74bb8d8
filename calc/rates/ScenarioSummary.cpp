// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/rates/ScenarioSummary.h"

#include "calc/RepaymentMethod.h"
#include "calc/rates/ScenarioTexts.h"

#include <algorithm>

namespace hn {

namespace {

// Largest payment but the last, and the last.
void Peaks(const SchedulePart& part, std::int64_t& peak, std::int64_t& last)
{
    const auto& rows = part.rows;
    if (rows.empty())
        return;
    last = rows.back().payment;
    for (std::size_t k = 0; k + 1 < rows.size(); ++k)
        peak = std::max(peak, rows[k].payment);
    if (rows.size() == 1)
        peak = last;
}

} // namespace

ScenarioSummary SummariseScenario(const ScenarioSchedule& schedule)
{
    ScenarioSummary s;
    const SchedulePart& monthly = schedule.schedule.monthly;
    const SchedulePart& bonus = schedule.schedule.bonus;
    const ScheduleTotals totals = TotalsOf(schedule.schedule);
    s.totalRepaid = totals.payment;
    s.totalInterest = totals.interest;
    s.unpaidAtEnd = schedule.monthly.unpaidSettledAtEnd + schedule.bonus.unpaidSettledAtEnd;
    s.endsEarly = schedule.schedule.endedEarly();
    Peaks(monthly, s.peakMonthly, s.lastMonthly);
    Peaks(bonus, s.peakBonus, s.lastBonus);

    const int monthlyEnd = static_cast<int>(monthly.rows.size());
    const int bonusEnd = 6 * static_cast<int>(bonus.rows.size());
    s.endMonth = std::max(monthlyEnd, bonusEnd);
    s.endYear = (s.endMonth + 11) / 12;

    // Month by month, each part's unpaid interest as it stands at the month's end.
    for (int m = 1; m <= s.endMonth; ++m) {
        std::int64_t unpaid = 0;
        if (m <= monthlyEnd)
            unpaid += monthly.rows[m - 1].unpaidInterest;
        const int bonusDone = std::min(m / 6, static_cast<int>(bonus.rows.size()));
        if (bonusDone > 0)
            unpaid += bonus.rows[bonusDone - 1].unpaidInterest;
        if (unpaid > 0)
            ++s.monthsWithUnpaid;
        s.largestUnpaid = std::max(s.largestUnpaid, unpaid);
    }
    return s;
}

std::vector<InstalmentStep> InstalmentSteps(const SchedulePart& part)
{
    std::vector<InstalmentStep> steps;
    for (const ScheduleRow& r : part.rows)
        if (steps.empty() || steps.back().payment != r.payment)
            steps.push_back({r.number, r.payment});
    return steps;
}

std::vector<ScenarioWarning> ScenarioWarnings(const ScenarioSchedule& schedule, const ScenarioSummary& summary)
{
    std::vector<ScenarioWarning> out;
    if (summary.unpaidAtEnd > 0) {
        ScenarioWarning w;
        w.kind = ScenarioWarningKind::UnpaidLeft;
        w.yen = summary.unpaidAtEnd;
        out.push_back(w);
    } else if (summary.largestUnpaid > 0) {
        ScenarioWarning w;
        w.kind = ScenarioWarningKind::UnpaidCleared;
        w.yen = summary.largestUnpaid;
        w.months = summary.monthsWithUnpaid;
        out.push_back(w);
    }
    for (const ScenarioPartFacts* part : {&schedule.monthly, &schedule.bonus}) {
        if (part->negativeAmortisationAt == 0)
            continue;
        ScenarioWarning w;
        w.kind = ScenarioWarningKind::NegativeAmortisation;
        w.bonusPart = part == &schedule.bonus;
        w.at = part->negativeAmortisationAt;
        w.yen = part->owedAt;
        w.before = part->owedBefore;
        out.push_back(w);
    }
    return out;
}

std::string ScenarioDescription(const ScenarioInput& in)
{
    std::string text = std::string(kScenarioTitle) + " " + FormatRatePath(in.path);
    if (FamilyOf(in.loan.method) == RepaymentFamily::EqualPrincipal)
        return text;
    text += " (";
    text += in.review == ReviewRule::EveryChange ? kReviewEveryChange : kReviewFiveYear125;
    text += ", ";
    text += kUnpaidCaption;
    text += "は";
    text += in.unpaid == UnpaidSettlement::CarryToEnd ? kUnpaidCarryToEnd : kUnpaidPayFirst;
    text += ")";
    return text;
}

} // namespace hn
