// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/CapacityReport.h"

#include "calc/capacity/PlanningTexts.h"
#include "report/Captions.h"

namespace hn {

namespace {

using Q = Quantity;

Figure Brief(std::string_view key, std::string_view caption, Quantity value)
{
    return {key, caption, std::move(value)};
}

Figure Full(std::string_view key, std::string_view caption, Quantity value)
{
    Figure f(key, caption, std::move(value));
    f.fullOnly = true;
    return f;
}

} // namespace

CapacityReport MakeCapacityReport(const CapacityResult& r, std::string_view limitWording)
{
    CapacityReport report;
    std::vector<Figure>& f = report.figures;
    f.push_back(Brief("capacityMan", kCapCapacity, Q::Man(r.capacityMan)));
    if (!r.cappedBy.empty()) {
        f.push_back(Brief("cappedBy", kCapCappedBy, Q::Words(std::string(r.cappedBy))));
        f.push_back(Brief("largestFittingMan", kCapLargestFitting, Q::Man(r.largestFittingMan)));
    }
    f.push_back(Full("incomeYen", kCapIncome, Q::Yen(r.incomeYen)));
    f.push_back(Brief("limitPercent", kCapLimit, Q::Percent(r.limitPercent)));
    f.back().note = std::string(limitWording);
    f.push_back(Full("otherDebtsYen", kCapOtherDebts, Q::Yen(r.otherDebtsYen)));
    f.push_back(Brief("allowanceYen", kCapAllowance, Q::Yen(r.allowanceYen)));
    f.push_back(Brief("screeningRate", kCapScreeningRate, Q::Rate(r.screeningRate)));
    f.push_back(Brief("screeningMonthlyYen", kCapScreeningMonthly, Q::Yen(r.screeningMonthlyYen)));
    f.push_back(Brief("screeningAnnualYen", kCapScreeningAnnual, Q::Yen(r.screeningAnnualYen)));
    f.push_back(Brief("screeningRatioPercent", kCapScreeningRatio, Q::Percent(r.screeningRatioPercent)));
    report.bonusPart = Brief("bonusMan", kCapBonusPart, Q::Man(r.bonusMan));
    report.bonusPart.fullOnly = r.bonusMan <= 0;
    report.loanFigures = LoanBriefFigures(r.loan);
    report.ratio = Brief("ratioPercent", kCapRatio, Q::Percent(r.ratioPercent));
    return report;
}

std::vector<Figure> BriefCapacityFigures(const CapacityReport& report)
{
    std::vector<Figure> rows = BriefFigures(report.figures);
    if (!report.bonusPart.fullOnly)
        rows.push_back(report.bonusPart);
    rows.insert(rows.end(), report.loanFigures.begin(), report.loanFigures.end());
    rows.push_back(report.ratio);
    return rows;
}

std::vector<Figure> LoanBriefFigures(const CalcSuccess& loan)
{
    std::vector<Figure> f;
    f.push_back(Brief("monthly", kCaptionMonthly, Q::Yen(loan.result.monthly[0])));
    if (!loan.texts.bonus[0].empty())
        f.push_back(Brief("bonus", kCaptionBonus, Q::Yen(loan.result.bonus[0])));
    f.push_back(Brief("annualYen", kCaptionAnnual, Q::Yen(loan.result.annualYen)));
    f.push_back(Brief("totalYen", kCaptionTotal, Q::Yen(loan.result.totalYen)));
    return f;
}

} // namespace hn
