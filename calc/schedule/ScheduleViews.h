// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two ways a schedule is read: every instalment in order (monthly view)
// and one row per loan year (yearly view), plus the yearly view of several
// loans together. They take any schedule, whatever built it.
#include "calc/schedule/Schedule.h"
#include "calc/schedule/ScheduleCalendar.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace hn {

// Every instalment, or one row a loan year.
enum class ScheduleViewKind { Monthly, Yearly };

struct MonthlyViewRow {
    SchedulePartKind part = SchedulePartKind::Monthly;
    int year = 0;      // loan year, from 1
    YearMonth when;    // calendar month of the instalment
    ScheduleRow row;   // the instalment; its balance is its own part's
    std::int64_t totalBalance = 0; // both parts together after this instalment
};

// Every instalment of both parts in date order, each bonus instalment right
// after the monthly instalment of its calendar month (where a part ended early,
// its missing rows are simply not there).
std::vector<MonthlyViewRow> MonthlyView(const Schedule& schedule, const ScheduleCalendar& calendar);

struct YearlyRow {
    int year = 0;                 // loan year, from 1
    YearMonth from, to;           // its first and last calendar month (zero without a calendar)
    std::int64_t payment = 0;     // months 12y-11 ... 12y and bonus 2y-1, 2y
    std::int64_t interest = 0;    // charged for the year's periods
    std::int64_t principal = 0;
    std::int64_t balance = 0;     // both parts at the year's end
    std::int64_t unpaidInterest = 0; // both parts at the year's end

    // What the year's instalments paid of interest (see InterestPaid).
    std::int64_t interestPaid() const noexcept { return payment - principal; }
    friend bool operator==(const YearlyRow&, const YearlyRow&) = default;
};

// One row per loan year up to the last year with an instalment.
std::vector<YearlyRow> YearlyView(const Schedule& schedule, const ScheduleCalendar& calendar);
// What the rows of loan year 1 paid: the yearly view's first row, without the view.
std::int64_t FirstYearPayment(const Schedule& schedule) noexcept;

// The yearly view of several loans together, year by year in loan years (a
// loan past its term counts 0), up to the longest. Calendar labels from
// `calendar`, as all loans start together.
std::vector<YearlyRow> CombinedYearlyView(std::span<const Schedule> schedules, const ScheduleCalendar& calendar);

// An equal principal instalment that differs from the window's band figure: the
// schedule charges the exact interest, the window's figure floors a double
// product (2,000 万円 at 0.36 % over 35 years, month 1: 53,619 against 53,618).
struct BandDifference {
    SchedulePartKind part = SchedulePartKind::Monthly;
    int band = 0;           // 0, 1, 2: years 1-5, 6-10, 11 on
    int instalment = 0;     // the band's first instalment (1, 61, 121; 1, 11, 21)
    std::int64_t scheduleYen = 0;
    std::int64_t windowYen = 0;

    std::int64_t difference() const noexcept { return scheduleYen - windowYen; }
    friend bool operator==(const BandDifference&, const BandDifference&) = default;
};

// The schedule beside the window's figures for the same loan.
struct WindowComparison {
    std::int64_t scheduleTotal = 0; // Σ payments of the schedule
    std::int64_t windowTotal = 0;   // 借入総返済額 (band-based for the level and reduced families)
    std::int64_t firstYear = 0;     // year 1 of the yearly view
    std::int64_t windowAnnual = 0;  // 年間返済額
    std::vector<BandDifference> bands; // equal principal only; none where all agree

    std::int64_t totalDifference() const noexcept { return scheduleTotal - windowTotal; }
    std::int64_t firstYearDifference() const noexcept { return firstYear - windowAnnual; }
};

WindowComparison CompareWithWindow(const Schedule& schedule, const LoanResult& result);

// "返済予定表の第121回" / "返済予定表のﾎﾞｰﾅｽ第21回", and "計算結果の返済額（11年目以降）" /
// "計算結果のﾎﾞｰﾅｽ返済額（11年目以降）": a band difference labelled as the totals are.
std::string ScheduleBandCaption(const BandDifference& d);
std::string WindowBandCaption(const BandDifference& d);

// Why the schedule's total differs from the window's for a loan of this method.
std::string_view TotalDifferenceNote(RepaymentMethod method) noexcept;

} // namespace hn
