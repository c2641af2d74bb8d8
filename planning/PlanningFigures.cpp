// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PlanningFigures.h"

#include "calc/CalculateCommand.h"
#include "calc/DecimalText.h"
#include "calc/PlanningTexts.h"
#include "calc/ScenarioTexts.h"

namespace hn {

namespace {

// A figure of the calculator's result texts, which carry no unit.
std::string WithYen(const std::string& text)
{
    return text + "円";
}

} // namespace

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
    rows.push_back({std::string(kCapCapacity), ManText(r.capacityMan)});
    if (!r.cappedBy.empty()) {
        rows.push_back({std::string(kCapCappedBy), std::string(r.cappedBy)});
        rows.push_back({std::string(kCapLargestFitting), ManText(r.largestFittingMan)});
    }
    rows.push_back({std::string(kCapLimit), RatioText(r.limitPercent)});
    rows.push_back({std::string(kCapAllowance), YenText(r.allowanceYen)});
    rows.push_back({std::string(kCapScreeningRate), RateText(r.screeningRate)});
    rows.push_back({std::string(kCapScreeningMonthly), YenText(r.screeningMonthlyYen)});
    rows.push_back({std::string(kCapScreeningAnnual), YenText(r.screeningAnnualYen)});
    rows.push_back({std::string(kCapScreeningRatio), RatioText(r.screeningRatioPercent)});
    if (r.bonusMan > 0)
        rows.push_back({std::string(kCapBonusPart), ManText(r.bonusMan)});
    // The calculator's own result texts, with the unit the rows above show.
    rows.push_back({"毎月返済額", WithYen(r.loan.texts.monthly[0])});
    if (!r.loan.texts.bonus[0].empty())
        rows.push_back({"ﾎﾞｰﾅｽ返済額", WithYen(r.loan.texts.bonus[0])});
    rows.push_back({"年間返済額", WithYen(r.loan.texts.annual)});
    rows.push_back({"総返済額", WithYen(r.loan.texts.total)});
    rows.push_back({std::string(kCapRatio), RatioText(r.ratioPercent)});
    return rows;
}

std::vector<FigureRow> ReadingRows(const LenderReading& reading, const BurdenReading& one)
{
    std::vector<FigureRow> rows;
    rows.push_back({"年間返済額", YenText(one.annualYen)});
    rows.push_back({std::string(kCapLimit), RatioText(reading.limitPercent)});
    rows.push_back({std::string(kCapAllowance), YenText(reading.allowanceYen)});
    if (one.ratioPercent)
        rows.push_back({"返済負担率", RatioText(*one.ratioPercent)});
    rows.push_back({"判定", std::string(one.within ? kReadWithin : kReadOver)});
    rows.push_back({std::string(kReadIncomeNeeded), ManText(one.incomeNeededMan)});
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
        rows.push_back({std::string(kPrepayAsked), YenText(asked)});
    rows.push_back({std::string(kPrepayUsed), YenText(o.prepaidYen)});
    rows.push_back({std::string(kPrepayInterestSaved), YenText(o.interestSaved)});
    rows.push_back({std::string(kPrepayInterest), YenText(o.totalsAfter.interest)});
    rows.push_back({std::string(kPrepayTotal), YenText(o.totalsAfter.payment)});
    return rows;
}

std::vector<FigureRow> ScenarioRows(const ScenarioSummary& s)
{
    std::vector<FigureRow> rows;
    rows.push_back({std::string(kSumTotalRepaid), YenText(s.totalRepaid)});
    rows.push_back({std::string(kSumTotalInterest), YenText(s.totalInterest)});
    // Each part's highest regular instalment beside its settling last one, which the
    // highest leaves out (and says so): as the command line lists them.
    rows.push_back({std::string(kSumPeakMonthly), YenText(s.peakMonthly)});
    rows.push_back({std::string(kSumLastMonthly), YenText(s.lastMonthly)});
    if (s.lastBonus > 0) {
        rows.push_back({std::string(kSumPeakBonus), YenText(s.peakBonus)});
        rows.push_back({std::string(kSumLastBonus), YenText(s.lastBonus)});
    }
    rows.push_back({std::string(kSumMonthsWithUnpaid), MonthsText(s.monthsWithUnpaid)});
    rows.push_back({std::string(kSumLargestUnpaid), YenText(s.largestUnpaid)});
    rows.push_back({std::string(kSumEnd), std::to_string(s.endYear) + "年目 (" + InstalmentText(s.endMonth) + ")"});
    return rows;
}

} // namespace hn
