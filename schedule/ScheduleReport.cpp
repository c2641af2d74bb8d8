// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/ScheduleReport.h"

#include "calc/RepaymentMethod.h"
#include "calc/schedule/ScheduleTexts.h"
#include "report/ComparisonReport.h"
#include "report/Units.h"
#include "schedule/ScheduleWindowTexts.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace hn {

namespace {

CheckLine ChecksLine(const std::string& caption, bool passed)
{
    return {caption + std::string(passed ? kCombinedChecksPassed : kCombinedChecksFailed), passed};
}

} // namespace

bool LoanReport::hasUnpaidInterest() const noexcept
{
    return HasUnpaidInterest(schedule);
}

bool LoanReport::hasPrepayments() const noexcept
{
    return HasPrepayments(schedule);
}

ExtraColumns LoanReport::Columns() const noexcept
{
    // A rate path shows its unpaid interest column even where none arose: the column
    // answers the question the scenario asks.
    return {ratePath, ratePath || hasUnpaidInterest(), hasPrepayments()};
}

LoanReport MakeLoanReport(const ScheduleLoan& loan, const ScheduleCalendar& calendar)
{
    LoanReport report;
    report.loan = loan;
    report.loan.input = WholeYenInput(loan.input);
    report.heading = LoanHeading(report.loan.input);
    report.schedule = BuildSchedule(report.loan.input);
    switch (report.schedule.status) {
    case ScheduleStatus::Ok:
        break;
    case ScheduleStatus::BeyondExactRange:
        report.message = kMsgScheduleBeyondExact;
        return report;
    case ScheduleStatus::InvalidInput:
        report.message = kMsgScheduleInvalid;
        return report;
    }

    // The calculator window refuses loans whose figures leave its 32-bit fields; a
    // schedule of such a loan has nothing to be compared with.
    const RepaymentOutcome outcome = ComputeRepayment(report.loan.input);
    if (outcome.ok())
        report.result = outcome.result;

    report.checks = CheckSchedule(report.schedule);
    if (report.result)
        CheckAgainstResult(report.schedule, *report.result, report.checks);
    report.monthly = MonthlyView(report.schedule, calendar);
    report.yearly = YearlyView(report.schedule, calendar);

    report.notes = report.result
                       ? MakeComparisonReport(report.schedule, CompareWithWindow(report.schedule, *report.result)).notes
                       : ScheduleNotes(report.schedule);
    return report;
}

LoanReport MakeDerivedReport(const DerivedSchedule& derived, const ScheduleCalendar& calendar)
{
    LoanReport report;
    report.loan.caption = derived.caption;
    report.loan.slot = -1;
    report.heading = derived.heading;
    report.derived = true;
    report.ratePath = derived.ratePath;
    report.schedule = derived.schedule;
    switch (report.schedule.status) {
    case ScheduleStatus::Ok:
        break;
    case ScheduleStatus::BeyondExactRange:
        report.message = kMsgScheduleBeyondExact;
        return report;
    case ScheduleStatus::InvalidInput:
        report.message = kMsgScheduleInvalid;
        return report;
    }
    report.checks = CheckSchedule(report.schedule);
    report.monthly = MonthlyView(report.schedule, calendar);
    report.yearly = YearlyView(report.schedule, calendar);
    report.notes = derived.notes;
    // Unpaid interest of a fixed-rate schedule (prepaid or not) is paid first by the
    // next instalments; a rate path says its own settlement.
    if (!report.ratePath && report.hasUnpaidInterest())
        report.notes.emplace_back(kNoteUnpaidInterest);
    return report;
}

LoanReport WithCalendar(LoanReport report, const ScheduleCalendar& calendar)
{
    if (!report.derived)
        return MakeLoanReport(report.loan, calendar);
    if (report.ok()) {
        report.monthly = MonthlyView(report.schedule, calendar);
        report.yearly = YearlyView(report.schedule, calendar);
    }
    return report;
}

std::string_view TotalsHeading(const LoanReport& report)
{
    return report.derived ? kTotalsHeadingDerived : kTotalsHeading;
}

std::vector<TotalsLine> TotalsLines(const LoanReport& report)
{
    std::vector<TotalsLine> lines;
    if (!report.ok())
        return lines;
    if (report.derived) {
        const ScheduleTotals totals = TotalsOf(report.schedule);
        lines.push_back({std::string(kScheduleTotal), totals.payment});
        lines.push_back({std::string(kTotalInterest), totals.interest});
        if (report.hasPrepayments()) {
            std::int64_t prepaid = 0;
            for (const SchedulePart* part : {&report.schedule.monthly, &report.schedule.bonus})
                for (const ScheduleRow& r : part->rows)
                    prepaid += r.prepaid;
            lines.push_back({std::string(kTotalPrepaid), prepaid});
        }
        return lines;
    }
    if (!report.result) {
        lines.push_back({std::string(kScheduleTotal), TotalsOf(report.schedule).payment});
        lines.push_back({std::string(kWindowTotal), std::nullopt});
        return lines;
    }
    for (const Figure& f : MakeComparisonReport(report.schedule, CompareWithWindow(report.schedule, *report.result)).figures)
        lines.push_back({f.caption, f.value.whole});
    return lines;
}

std::vector<CheckLine> CheckLinesOf(const ScheduleCheckReport& report)
{
    std::vector<CheckLine> lines;
    for (const ScheduleCheckResult& item : report.items) {
        CheckLine line;
        line.passed = item.passed;
        std::string scope(ScopeCaption(item.scope));
        // A band check names the instalment it compares.
        if (item.comparedRow != 0)
            scope += FillIn(kComparedRow, {std::to_string(item.comparedRow)});
        line.text = std::string(CheckCaption(item.check)) + "（" + scope + "）";
        if (!item.passed) {
            line.text += "：" + Bare(Quantity::Yen(item.actual)) + " ≠ " + Bare(Quantity::Yen(item.expected));
            if (item.failedRow != 0)
                line.text += FillIn(kFailedRow, {std::to_string(item.failedRow)});
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

CombinedReport MakeCombinedReport(const std::vector<ScheduleLoan>& loans, const ScheduleCalendar& calendar)
{
    CombinedReport combined;
    std::vector<Schedule> schedules;
    bool comparable = true;
    std::vector<std::string_view> whyTotalsDiffer; // one note per reason, in slot order
    combined.allChecksPassed = true;
    for (const ScheduleLoan& loan : loans) {
        LoanReport one = MakeLoanReport(loan, calendar);
        if (!one.ok()) {
            combined.notes.push_back(FillIn(kCombinedSkipped, {loan.caption}) + one.message);
            continue;
        }
        combined.captions.push_back(loan.caption);
        combined.scheduleTotal += TotalsOf(one.schedule).payment;
        if (one.result) {
            combined.windowTotal += one.result->totalYen;
            const std::string_view note = TotalDifferenceNote(one.loan.input.method);
            if (TotalsOf(one.schedule).payment != one.result->totalYen
                && std::find(whyTotalsDiffer.begin(), whyTotalsDiffer.end(), note) == whyTotalsDiffer.end())
                whyTotalsDiffer.push_back(note);
        } else {
            comparable = false;
        }
        const bool passed = one.checks.allPassed();
        combined.allChecksPassed = combined.allChecksPassed && passed;
        combined.checkLines.push_back(ChecksLine(loan.caption, passed));
        schedules.push_back(std::move(one.schedule));
    }
    if (schedules.empty()) {
        combined.allChecksPassed = false;
        if (loans.empty())
            combined.notes.emplace_back(kCombinedEmpty);
        return combined;
    }
    combined.yearly = CombinedYearlyView(schedules, calendar);
    if (!comparable)
        combined.windowTotal = 0;
    else if (combined.scheduleTotal != combined.windowTotal)
        combined.notes.insert(combined.notes.end(), whyTotalsDiffer.begin(), whyTotalsDiffer.end());
    return combined;
}

std::string LoanHeading(const LoanInput& in, bool withRates)
{
    const auto amount = [](double yen) { return Text(Quantity::Amount(yen)); };
    std::string text(MethodCaption(in.method));
    text += kGap;
    text += kLoanAmount;
    text += amount(in.loanYen);
    if (in.bonusYen > 0) {
        text += kBonusPartOpen;
        text += amount(in.bonusYen);
        text += kBonusPartClose;
    }
    if (withRates) {
        text += kGap;
        text += kRate;
        text += Text(Quantity::Rate(in.rate1));
        if (UsesSecondRate(in)) {
            text += kRateSeparator;
            text += Text(Quantity::Rate(in.rate2));
        }
    }
    text += kGap;
    text += std::to_string(static_cast<long long>(in.periodYears));
    text += kYears;
    return text;
}

} // namespace hn
