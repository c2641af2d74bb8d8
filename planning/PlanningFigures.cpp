// SPDX-License-Identifier: GPL-3.0-or-later
#include "planning/PlanningFigures.h"

#include "calc/CalculateCommand.h"
#include "calc/DecimalText.h"
#include "report/CapacityReport.h"
#include "report/PrepaymentReport.h"
#include "report/ReadingReport.h"
#include "report/ScenarioReport.h"

namespace hn {

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

std::vector<FigureRow> Rows(const std::vector<Figure>& figures)
{
    std::vector<FigureRow> rows;
    rows.reserve(figures.size());
    for (const Figure& f : figures)
        rows.push_back({f.caption, Text(f.value)});
    return rows;
}

std::vector<FigureRow> CapacityRows(const CapacityResult& r)
{
    return Rows(BriefCapacityFigures(MakeCapacityReport(r)));
}

std::vector<FigureRow> ReadingRows(const LenderReading& reading, const BurdenReading& one)
{
    return Rows(ReadingFigures(reading, one));
}

std::vector<FigureRow> PrepayRows(PrepayMode mode, const PrepaymentOutcome& o, const ScheduleCalendar& calendar)
{
    return Rows(PrepaymentColumnFigures(mode, o, calendar));
}

std::vector<FigureRow> ScenarioRows(const ScenarioSummary& s)
{
    return Rows(BriefFigures(ScenarioFigures(s)));
}

} // namespace hn
