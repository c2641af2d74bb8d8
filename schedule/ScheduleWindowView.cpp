// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/ScheduleWindowView.h"

#include "calc/schedule/ScheduleTexts.h"
#include "report/TextPattern.h"
#include "schedule/ScheduleWindowTexts.h"

#include <algorithm>

namespace hn {

namespace {

std::int64_t OpeningBalance(const Schedule& s)
{
    return s.monthly.loanYen + s.bonus.loanYen;
}

std::int64_t OpeningBalance(const std::vector<ScheduleLoan>& loans)
{
    std::int64_t sum = 0;
    for (const ScheduleLoan& loan : loans)
        sum += static_cast<std::int64_t>(WholeYenInput(loan.input).loanYen);
    return sum;
}

void CombinedView(ScheduleWindowView& v, const CombinedReport& combined, const std::vector<ScheduleLoan>& loans)
{
    v.heading = std::string(kSourceCombined) + std::string(kGap);
    for (std::size_t k = 0; k < combined.captions.size(); ++k)
        v.heading += (k ? "、" : "") + combined.captions[k];
    v.totalsHeading = kTotalsHeading;
    const bool unpaid = std::any_of(combined.yearly.begin(), combined.yearly.end(),
                                    [](const YearlyRow& y) { return y.unpaidInterest != 0; });
    v.table = ScheduleTable::Yearly(combined.yearly, unpaid);
    v.chartYears = combined.yearly;
    v.openingBalance = OpeningBalance(loans);
    if (!combined.yearly.empty()) {
        v.totals.push_back({std::string(kScheduleTotal), combined.scheduleTotal});
        if (combined.windowTotal != 0) {
            v.totals.push_back({std::string(kWindowTotal), combined.windowTotal});
            v.totals.push_back({std::string(kDifference), combined.scheduleTotal - combined.windowTotal});
        }
    }
    v.notes = combined.notes;
    v.checks = combined.checkLines;
}

void LoanView(ScheduleWindowView& v, ScheduleView view, const LoanReport& report)
{
    v.heading = report.loan.caption + std::string(kGap) + report.heading;
    v.message = report.message;
    v.totalsHeading = TotalsHeading(report);
    if (!report.ok()) {
        v.table = view == ScheduleView::Monthly ? ScheduleTable::Monthly({}, false) : ScheduleTable::Yearly({}, false);
        return;
    }
    const ExtraColumns extra = report.Columns();
    v.table = view == ScheduleView::Monthly ? ScheduleTable::Monthly(report.monthly, extra)
                                            : ScheduleTable::Yearly(report.yearly, extra);
    v.chartYears = report.yearly;
    v.openingBalance = OpeningBalance(report.schedule);
    v.totals = TotalsLines(report);
    v.notes = report.notes;
    const bool passed = report.checks.allPassed();
    v.checks.push_back({std::string(passed ? kAllChecksPassed : kMsgCheckFailed), passed});
    for (CheckLine& line : CheckLinesOf(report.checks))
        v.checks.push_back(std::move(line));
}

} // namespace

bool CombinedOffered(const LoanReport* report, const std::vector<ScheduleLoan>& combinedLoans)
{
    return !combinedLoans.empty() && !(report && report->derived);
}

ScheduleWindowView MakeScheduleWindowView(ScheduleView view, const LoanReport* report, const CombinedReport& combined,
                                          const std::vector<ScheduleLoan>& combinedLoans)
{
    ScheduleWindowView v;
    v.title = report && report->derived ? FillIn(kDerivedTitle, {report->loan.caption}) : std::string(kScheduleTitle);
    if (view == ScheduleView::Combined)
        CombinedView(v, combined, combinedLoans);
    else if (report)
        LoanView(v, view, *report);
    else
        v.table = view == ScheduleView::Monthly ? ScheduleTable::Monthly({}, false) : ScheduleTable::Yearly({}, false);
    if (v.totalsHeading.empty())
        v.totalsHeading = kTotalsHeading;
    return v;
}

} // namespace hn
