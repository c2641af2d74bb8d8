// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/schedule/ScheduleCalendar.h"
#include "calc/schedule/ScheduleTexts.h"
#include "calc/schedule/ScheduleViews.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

#include <numeric>

namespace hn {
namespace {

using test::Loan;
using test::Calendar;
using test::WorkedLoan;

TEST(ScheduleCalendar, BonusOneFallsInTheFirstBonusMonthOnOrAfterTheFirstRepayment)
{
    struct Case {
        ScheduleCalendar calendar;
        YearMonth bonus1, bonus2, bonus3;
    };
    const Case cases[] = {
        {Calendar(2027, 1), {2027, 6}, {2027, 12}, {2028, 6}},
        {Calendar(2027, 6), {2027, 6}, {2027, 12}, {2028, 6}},   // the same month counts
        {Calendar(2027, 7), {2027, 12}, {2028, 6}, {2028, 12}},
        {Calendar(2027, 12), {2027, 12}, {2028, 6}, {2028, 12}},
        {Calendar(2027, 8, 12, 7), {2027, 12}, {2028, 7}, {2028, 12}}, // months in any order
        {Calendar(2027, 2, 1, 8), {2027, 8}, {2028, 1}, {2028, 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(IsoText(c.calendar.firstMonth));
        EXPECT_EQ(MonthOfBonus(c.calendar, 1), c.bonus1);
        EXPECT_EQ(MonthOfBonus(c.calendar, 2), c.bonus2);
        EXPECT_EQ(MonthOfBonus(c.calendar, 3), c.bonus3);
    }
    // Monthly instalments count on from the first month, across years.
    EXPECT_EQ(MonthOfInstalment(Calendar(2027, 11), 1), (YearMonth{2027, 11}));
    EXPECT_EQ(MonthOfInstalment(Calendar(2027, 11), 3), (YearMonth{2028, 1}));
    EXPECT_EQ(MonthOfInstalment(Calendar(2027, 11), 1188), (YearMonth{2126, 10}));
    EXPECT_EQ(DefaultFirstMonth({2026, 12}), (YearMonth{2027, 1}));
    EXPECT_EQ(AddMonths({2027, 1}, -1), (YearMonth{2026, 12}));
}

TEST(ScheduleCalendar, ReadsAndWritesItsTexts)
{
    EXPECT_EQ(ParseYearMonth("2027-04"), (YearMonth{2027, 4}));
    EXPECT_EQ(ParseYearMonth("2027-4"), (YearMonth{2027, 4}));
    for (const char* bad : {"", "2027", "2027-", "2027-13", "2027-00", "27-04", "2027-04x", "2027/04", "1899-12",
                            "2027--4", " 2027-04", "2027-+4"})
        EXPECT_FALSE(ParseYearMonth(bad)) << bad;
    EXPECT_EQ(ParseBonusMonths("6,12"), (std::array<int, 2>{6, 12}));
    EXPECT_EQ(ParseBonusMonths("12,7"), (std::array<int, 2>{12, 7}));
    for (const char* bad : {"", "6", "6,6", "0,12", "6,13", "6,12,1", "6, 12", "a,b"})
        EXPECT_FALSE(ParseBonusMonths(bad)) << bad;
    EXPECT_EQ(IsoText({2027, 4}), "2027-04");
    EXPECT_EQ(IsoText({2027, 11}), "2027-11");
    EXPECT_EQ(JapaneseText({2027, 4}), "2027年4月");
    EXPECT_FALSE(IsValidCalendar(Calendar(2027, 1, 6, 6)));
    EXPECT_TRUE(IsValidCalendar(Calendar(2027, 1, 7, 12)));
}

// The monthly view's order is tested in MonthlyViewTest.cpp.

TEST(YearlyView, SumsEachLoanYear)
{
    const Schedule s = BuildSchedule(WorkedLoan(CorporationBasic));
    const std::vector<YearlyRow> years = YearlyView(s, Calendar(2027, 4));
    ASSERT_EQ(years.size(), 35u);
    EXPECT_EQ(years[0].payment, 12 * 79503 + 2 * 119596);
    EXPECT_EQ(years[0].payment, years[0].interest + years[0].principal);
    EXPECT_EQ(years[0].from, (YearMonth{2027, 4}));
    EXPECT_EQ(years[0].to, (YearMonth{2028, 3}));
    // Year 10 ends after month 120 and bonus 20.
    EXPECT_EQ(years[9].balance, s.monthly.rows[119].balance + s.bonus.rows[19].balance);
    EXPECT_EQ(years[9].balance, 18757112 + s.bonus.rows[19].balance);
    EXPECT_EQ(years.back().balance, 0);

    const std::int64_t sum = std::accumulate(years.begin(), years.end(), std::int64_t{0},
                                             [](std::int64_t t, const YearlyRow& y) { return t + y.payment; });
    EXPECT_EQ(sum, TotalsOf(s).payment);
    // Each year's principal is what the balance fell by.
    std::int64_t before = 30000000;
    for (const YearlyRow& y : years) {
        EXPECT_EQ(before - y.principal, y.balance) << "year " << y.year;
        before = y.balance;
    }
}

TEST(YearlyView, StopsAtTheLastYearWithAnInstalment)
{
    // Month 584 of 600 settles: the loan is repaid in year 49.
    const Schedule s = BuildSchedule(Loan(CorporationBasic, 10, 0, 20.0, 20.0, 50));
    ASSERT_TRUE(s.endedEarly());
    const std::vector<YearlyRow> years = YearlyView(s, Calendar(2027, 1));
    ASSERT_EQ(years.size(), 49u);
    EXPECT_EQ(years.back().balance, 0);
    EXPECT_EQ(MonthlyView(s, Calendar(2027, 1)).size(), 584u);

    // A bonus part that runs on after the monthly part ends still shows.
    const Schedule half = BuildSchedule(Loan(CorporationBasic, 10, 5, 20.0, 20.0, 35));
    ASSERT_TRUE(half.monthly.endedEarly());
    ASSERT_FALSE(half.bonus.endedEarly());
    const std::vector<MonthlyViewRow> view = MonthlyView(half, Calendar(2027, 1));
    EXPECT_EQ(view.size(), half.monthly.rows.size() + 70);
    EXPECT_EQ(view.back().part, SchedulePartKind::Bonus);
    EXPECT_EQ(view.back().row.number, 70);
    EXPECT_EQ(YearlyView(half, Calendar(2027, 1)).size(), 35u);
}

TEST(CombinedYearlyView, AddsLoansYearByYear)
{
    const Schedule schedules[] = {
        BuildSchedule(Loan(CorporationBasic, 2000, 400, 2.0, 3.0, 35)),
        BuildSchedule(Loan(BankOther, 1000, 0, 1.2, 0.0, 20)),
    };
    const ScheduleCalendar calendar = Calendar(2027, 4);
    const std::vector<YearlyRow> a = YearlyView(schedules[0], calendar);
    const std::vector<YearlyRow> b = YearlyView(schedules[1], calendar);
    const std::vector<YearlyRow> both = CombinedYearlyView(schedules, calendar);
    ASSERT_EQ(both.size(), 35u);
    EXPECT_EQ(both[11].payment, a[11].payment + b[11].payment);
    EXPECT_EQ(both[11].balance, a[11].balance + b[11].balance);
    EXPECT_EQ(both[19].interest, a[19].interest + b[19].interest);
    // Past the bank loan's twenty years only the first loan pays.
    EXPECT_EQ(both[20], a[20]);
    EXPECT_EQ(both[34], a[34]);
    EXPECT_TRUE(CombinedYearlyView({}, calendar).empty());
}

TEST(CompareWithWindow, GivesBothTotalsAndTheFirstYear)
{
    const LoanInput level = WorkedLoan(CorporationBasic);
    const WindowComparison l = CompareWithWindow(BuildSchedule(level), ComputeRepayment(level).result);
    EXPECT_EQ(l.scheduleTotal, 45313439);
    EXPECT_EQ(l.windowTotal, 45313480);
    EXPECT_EQ(l.totalDifference(), -41);
    EXPECT_EQ(l.firstYearDifference(), 0);

    // Equal principal: year 1 differs since the window counts the first bonus
    // instalment twice; and the window floors each interest as a double product,
    // which falls a yen short where the exact interest is a whole number: the
    // instalments that differ from its band figures are set beside them.
    const LoanInput ep = WorkedLoan(EqualPrincipal);
    const WindowComparison e = CompareWithWindow(BuildSchedule(ep), ComputeRepayment(ep).result);
    EXPECT_EQ(e.totalDifference(), 2);
    EXPECT_EQ(e.firstYear, 1449983);
    EXPECT_EQ(e.windowAnnual, 1450841);
    EXPECT_TRUE(e.bands.empty());

    // 2,000 万円 at 0.36 % over 35 years: 20,000,000 × 0.36 % ÷ 12 is 6,000 exactly.
    const LoanInput small = Loan(EqualPrincipal, 2000, 0, 0.36, 0.36, 35);
    const WindowComparison s = CompareWithWindow(BuildSchedule(small), ComputeRepayment(small).result);
    ASSERT_EQ(s.bands.size(), 1u);
    EXPECT_EQ(s.bands[0], (BandDifference{SchedulePartKind::Monthly, 0, 1, 53619, 53618}));
    EXPECT_EQ(ScheduleBandCaption(s.bands[0]), "返済予定表の第1回");
    EXPECT_EQ(WindowBandCaption(s.bands[0]), "計算結果の返済額（1～5年目）");
    EXPECT_EQ(TotalDifferenceNote(EqualPrincipal), kNoteExactInterest);
    EXPECT_EQ(TotalDifferenceNote(CorporationYutori), kNoteTotalDiffers);
}

} // namespace
} // namespace hn
