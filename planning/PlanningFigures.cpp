// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PlanningFigures.h"

#include "calc/CalculateCommand.h"
#include "calc/DecimalText.h"
#include "calc/PlanningTexts.h"
#include "calc/ScenarioTexts.h"
#include "report/PrepaymentReport.h"
#include "report/Units.h"

namespace hn {

using Q = Quantity;

PlannedLoan PlanLoan(const PlanningLoan& loan)
{
    const std::string period = FormatDecimal(loan.periodYears);
    CalcRequest req;
    req.method = loan.method;
    req.loanMan = loan.loanMan;
    req.bonusMan = loan.bonusMan;
    req.rate1Percent = loan.rate1Percent;
    req.rate2Percent = loan.rate2Percent;
    req.periodText = period;
    req.incomeMan = loan.incomeMan;
    const CalcOutcome out = RunCalculateCommand(req);
    PlannedLoan planned;
    planned.ok = out.ok;
    if (!out.ok)
        planned.message = out.failure.message;
    else
        planned.input = out.success.input;
    return planned;
}

std::vector<FigureRow> CapacityRows(const CapacityResult& r)
{
    std::vector<FigureRow> rows;
    rows.push_back({std::string(kCapCapacity), Text(Q::Man(r.capacityMan))});
    if (!r.cappedBy.empty()) {
        rows.push_back({std::string(kCapCappedBy), std::string(r.cappedBy)});
        rows.push_back({std::string(kCapLargestFitting), Text(Q::Man(r.largestFittingMan))});
    }
    rows.push_back({std::string(kCapLimit), Text(Q::Percent(r.limitPercent))});
    rows.push_back({std::string(kCapAllowance), Text(Q::Yen(r.allowanceYen))});
    rows.push_back({std::string(kCapScreeningRate), Text(Q::Rate(r.screeningRate))});
    rows.push_back({std::string(kCapScreeningMonthly), Text(Q::Yen(r.screeningMonthlyYen))});
    rows.push_back({std::string(kCapScreeningAnnual), Text(Q::Yen(r.screeningAnnualYen))});
    rows.push_back({std::string(kCapScreeningRatio), Text(Q::Percent(r.screeningRatioPercent))});
    if (r.bonusMan > 0)
        rows.push_back({std::string(kCapBonusPart), Text(Q::Man(r.bonusMan))});
    // The calculator's own figures, with the unit the rows above show.
    rows.push_back({"毎月返済額", Text(Q::Yen(r.loan.result.monthly[0]))});
    if (!r.loan.texts.bonus[0].empty())
        rows.push_back({"ﾎﾞｰﾅｽ返済額", Text(Q::Yen(r.loan.result.bonus[0]))});
    rows.push_back({"年間返済額", Text(Q::Yen(r.loan.result.annualYen))});
    rows.push_back({"総返済額", Text(Q::Yen(r.loan.result.totalYen))});
    rows.push_back({std::string(kCapRatio), Text(Q::Percent(r.ratioPercent))});
    return rows;
}

std::vector<FigureRow> ReadingRows(const LenderReading& reading, const BurdenReading& one)
{
    std::vector<FigureRow> rows;
    rows.push_back({"年間返済額", Text(Q::Yen(one.annualYen))});
    rows.push_back({std::string(kCapLimit), Text(Q::Percent(reading.limitPercent))});
    rows.push_back({std::string(kCapAllowance), Text(Q::Yen(reading.allowanceYen))});
    if (one.ratioPercent)
        rows.push_back({"返済負担率", Text(Q::Percent(*one.ratioPercent))});
    rows.push_back({"判定", std::string(one.within ? kReadWithin : kReadOver)});
    rows.push_back({std::string(kReadIncomeNeeded), Text(Q::Man(one.incomeNeededMan))});
    return rows;
}

std::vector<FigureRow> PrepayRows(PrepayMode mode, const PrepaymentOutcome& o, const ScheduleCalendar& calendar)
{
    std::vector<FigureRow> rows;
    if (!o.ok) {
        rows.push_back({std::string(PrepayModeCaption(mode)), std::string(o.message)});
        return rows;
    }
    // The whole loan, both parts, after the last prepayment.
    for (const PrepaymentLine& line : PrepaymentSummaryLines(SummarisePrepayments(o, calendar)))
        rows.push_back({std::string(line.caption), line.value});
    std::int64_t asked = 0;
    for (const AppliedPrepayment& p : o.applied)
        asked += p.asked.amountYen + p.asked.bonusAmountYen;
    // Less is used where an amount exceeds the balance, or whole instalments do not add up to it.
    if (asked != o.prepaidYen)
        rows.push_back({std::string(kPrepayAsked), Text(Q::Yen(asked))});
    rows.push_back({std::string(kPrepayUsed), Text(Q::Yen(o.prepaidYen))});
    rows.push_back({std::string(kPrepayInterestSaved), Text(Q::Yen(o.interestSaved))});
    rows.push_back({std::string(kPrepayInterest), Text(Q::Yen(o.totalsAfter.interest))});
    rows.push_back({std::string(kPrepayTotal), Text(Q::Yen(o.totalsAfter.payment))});
    return rows;
}

std::vector<FigureRow> ScenarioRows(const ScenarioSummary& s)
{
    std::vector<FigureRow> rows;
    rows.push_back({std::string(kSumTotalRepaid), Text(Q::Yen(s.totalRepaid))});
    rows.push_back({std::string(kSumTotalInterest), Text(Q::Yen(s.totalInterest))});
    // Each part's highest regular instalment beside its settling last one, which the
    // highest leaves out (and says so): as the command line lists them.
    rows.push_back({std::string(kSumPeakMonthly), Text(Q::Yen(s.peakMonthly))});
    rows.push_back({std::string(kSumLastMonthly), Text(Q::Yen(s.lastMonthly))});
    if (s.lastBonus > 0) {
        rows.push_back({std::string(kSumPeakBonus), Text(Q::Yen(s.peakBonus))});
        rows.push_back({std::string(kSumLastBonus), Text(Q::Yen(s.lastBonus))});
    }
    rows.push_back({std::string(kSumMonthsWithUnpaid), Text(Q::Months(s.monthsWithUnpaid))});
    rows.push_back({std::string(kSumLargestUnpaid), Text(Q::Yen(s.largestUnpaid))});
    rows.push_back({std::string(kSumEnd), std::to_string(s.endYear) + "年目 (" + Text(Q::Instalment(s.endMonth)) + ")"});
    return rows;
}

} // namespace hn
