// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the schedule window shows about a loan, worked out without a window: the
// schedule and its views, its self-checks, the totals beside the calculator window's
// and the notes that explain them; and the yearly view of several loans together.
// The window only puts these into widgets.
#include "calc/Repayment.h"
#include "calc/schedule/Schedule.h"
#include "calc/schedule/ScheduleCalendar.h"
#include "calc/schedule/ScheduleChecks.h"
#include "calc/schedule/ScheduleViews.h"
#include "report/ScheduleTable.h"
#include "report/TextPattern.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hn {

// A loan to show and where it comes from.
struct ScheduleLoan {
    LoanInput input;
    int slot = 0;        // 0: the calculator window; 1 to 8: that slot of the summary window
    std::string caption; // "計算結果", "公庫1" ...
};

// A schedule built elsewhere — after prepayments, along a rate path — shown as it is:
// no calculator-window figures to compare it with, and nothing computed again.
struct DerivedSchedule {
    std::string caption; // where it comes from: "繰上げ返済", "金利シナリオ1"
    std::string heading; // what it is: the loan and what was done to it
    Schedule schedule;
    bool ratePath = false;          // its rows follow a rate path (rate in force, unpaid interest)
    std::vector<std::string> notes; // what its maker knows: why it ends early, warnings
};

struct LoanReport {
    ScheduleLoan loan;                 // its input in whole yen (a derived schedule: caption only)
    std::string heading;               // the loan, or what a derived schedule is
    bool derived = false;              // a DerivedSchedule: not the schedule of `loan.input`
    bool ratePath = false;
    Schedule schedule;
    std::optional<LoanResult> result;  // the calculator window's figures, where it has them
    ScheduleCheckReport checks;        // on the rows, and against `result`
    std::vector<MonthlyViewRow> monthly;
    std::vector<YearlyRow> yearly;
    std::string message; // why there is no schedule (empty when there is one)
    std::vector<std::string> notes; // ended early, unpaid interest, why totals differ

    bool ok() const noexcept { return schedule.ok(); }
    bool hasUnpaidInterest() const noexcept;
    bool hasPrepayments() const noexcept;
    // The table's columns beyond a fixed-rate loan's: the rate and unpaid interest for a
    // rate path, unpaid interest where some is left, the prepaid amounts where any.
    ExtraColumns Columns() const noexcept;
};

LoanReport MakeLoanReport(const ScheduleLoan& loan, const ScheduleCalendar& calendar);
// Checks, views and notes of a schedule built elsewhere.
LoanReport MakeDerivedReport(const DerivedSchedule& derived, const ScheduleCalendar& calendar);
// The same report under other calendar labels: a loan's schedule is made again, a
// derived one keeps its rows.
LoanReport WithCalendar(LoanReport report, const ScheduleCalendar& calendar);

// "総返済額の比較" beside a calculator-window result, "総返済額" without one.
std::string_view TotalsHeading(const LoanReport& report);

// One line of the totals panel: a caption and a figure (none where the calculator
// window has no figure to compare with).
struct TotalsLine {
    std::string caption;
    std::optional<std::int64_t> yen;
};

// Schedule total, the window's total and their difference; year 1 beside 年間返済額
// and their difference. Differences only where both sides exist. A derived schedule:
// its total, its interest and what was prepaid.
std::vector<TotalsLine> TotalsLines(const LoanReport& report);

// One self-check as the window lists it: "元金の合計 = 借入額（毎月分）", and for a
// failed one the two sides compared and the first row concerned.
struct CheckLine {
    std::string text;
    bool passed = false;
};

std::vector<CheckLine> CheckLinesOf(const ScheduleCheckReport& report);

// Several loans in loan years together.
struct CombinedReport {
    std::vector<std::string> captions;   // loans included, in slot order
    std::vector<YearlyRow> yearly;
    std::int64_t scheduleTotal = 0;      // Σ payments of all included schedules
    std::int64_t windowTotal = 0;        // Σ of their calculator-window totals
    bool allChecksPassed = false;
    std::vector<CheckLine> checkLines;   // one per loan: "公庫1：検算はすべて一致"
    std::vector<std::string> notes;      // loans left out, and why totals differ
};

CombinedReport MakeCombinedReport(const std::vector<ScheduleLoan>& loans, const ScheduleCalendar& calendar);

// "公庫基本型　借入額 3,000万円（内ﾎﾞｰﾅｽ 600万円）　金利 2%／3%　35年"; without the
// rates for a loan whose rates a path gives.
std::string LoanHeading(const LoanInput& input, bool withRates = true);


} // namespace hn
