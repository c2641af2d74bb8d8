// SPDX-License-Identifier: GPL-3.0-or-later
// The planning window's figures and the command line's text, question by question,
// come from one report: every row the window shows is a line the command line prints
// (caption and text alike), and what only the full listing has stays out of the window.
#include "calc/capacity/PlanningTexts.h"
#include "calc/rates/ScenarioTexts.h"
#include "calc/schedule/PrepaymentTexts.h"
#include "calc/schedule/ScheduleTexts.h"
#include "cli/PlanningCli.h"
#include "cli/ScenarioCli.h"
#include "cli/ScheduleOutput.h"
#include "planning/PlanningFigures.h"
#include "report/CapacityReport.h"
#include "report/PrepaymentReport.h"
#include "report/ScenarioReport.h"
#include "schedule/ScheduleReport.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace hn {
namespace {

bool HasLine(const std::string& text, const std::string& line)
{
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

bool Shows(const std::vector<FigureRow>& rows, std::string_view caption)
{
    return std::any_of(rows.begin(), rows.end(), [&](const FigureRow& r) { return r.caption == caption; });
}

CapacityResult Capacity(double bonusSharePercent, const BurdenLimitRule*& rule)
{
    CapacityRequest req;
    req.incomeMan = 400;
    req.limit = rule = FindBurdenLimitRule("35");
    req.screeningRatePercent = 3.0;
    req.otherDebtsMan = 24;
    req.bonusSharePercent = bonusSharePercent;
    req.rate1Percent = req.rate2Percent = 1.5;
    req.periodYears = 35;
    const CapacityOutcome out = ComputeCapacity(req);
    EXPECT_TRUE(out.ok) << out.message;
    return out.result;
}

TEST(SameReport, CapacityRowsAreTheCommandLinesLines)
{
    for (const double share : {0.0, 20.0}) {
        const BurdenLimitRule* rule = nullptr;
        const CapacityResult r = Capacity(share, rule);
        const std::vector<FigureRow> rows = CapacityRows(r);
        const std::string text = FormatCapacityLines(r, *rule);
        const CapacityReport report = MakeCapacityReport(r, rule->wording);
        const std::vector<Figure> loan = LoanBriefFigures(r.loan);
        for (const FigureRow& row : rows) {
            // The calculator's figures: the command line lists them under the plain
            // mode's band captions, with the same figures.
            const bool calculators = std::any_of(loan.begin(), loan.end(), [&](const Figure& f) { return f.caption == row.caption; });
            if (calculators)
                EXPECT_NE(text.find(": " + row.value + "\n"), std::string::npos) << row.caption;
            else if (row.caption == kCapLimit) // the rule's wording follows the share
                EXPECT_TRUE(HasLine(text, row.caption + ": " + row.value + " (" + std::string(rule->wording) + ")"));
            else
                EXPECT_TRUE(HasLine(text, row.caption + ": " + row.value)) << row.caption << "\n" << text;
        }
        // The full listing's own: the income and the other debts, and a bonus part of none.
        EXPECT_TRUE(HasLine(text, std::string(kCapIncome) + ": 4,000,000円"));
        EXPECT_TRUE(HasLine(text, std::string(kCapOtherDebts) + ": 240,000円"));
        EXPECT_FALSE(Shows(rows, kCapIncome));
        EXPECT_FALSE(Shows(rows, kCapOtherDebts));
        EXPECT_EQ(Shows(rows, kCapBonusPart), share > 0);
        EXPECT_EQ(report.bonusPart.fullOnly, share == 0);
        EXPECT_TRUE(HasLine(text, FigureLine(report.bonusPart).substr(0, FigureLine(report.bonusPart).size() - 1)));
        EXPECT_EQ(rows.size(), BriefCapacityFigures(report).size());
    }
}

// 2,000 万円 at 3 % over 35 years, 100 万円 after instalment 120, the three ways side
// by side: each compare line of the command line is the window's column, figure by
// figure.
TEST(SameReport, PrepaymentColumnsAreTheCompareLines)
{
    const Schedule schedule = BuildSchedule(test::Loan(BankOther, 2000, 0, 3.0, 3.0, 35));
    ASSERT_TRUE(schedule.ok());
    const Prepayment p{120, 1'000'000, 0, PrepayMode::Shorten};
    const PrepaymentComparison c = ComparePrepayModes(schedule, p);
    const ScheduleCalendar calendar{{2025, 1}, {6, 12}};
    const std::string text = FormatPrepaymentLines(c.shorten, calendar, &c);
    for (const auto& [mode, outcome] : {std::pair{PrepayMode::Reduce, &c.reduce}, std::pair{PrepayMode::Shorten, &c.shorten},
                                        std::pair{PrepayMode::ShortenWhole, &c.shortenWhole}}) {
        const std::vector<FigureRow> rows = PrepayRows(mode, *outcome, calendar);
        const std::string start = "  " + std::string(PrepayModeCaption(mode)) + ": ";
        const std::size_t at = text.find(start);
        ASSERT_NE(at, std::string::npos);
        const std::string line = text.substr(at, text.find('\n', at) - at);
        for (const FigureRow& row : rows) {
            const bool listed = line.find(row.caption + " " + row.value) != std::string::npos;
            // The compare line leaves the totals after, the amount asked (the line of the
            // prepayment above says it) and the amount used by a way that uses all of it
            // to the window's column.
            const bool columnOnly = row.caption == kPrepayInterest || row.caption == kPrepayTotal ||
                                    row.caption == kPrepayAsked ||
                                    (row.caption == kPrepayUsed && mode != PrepayMode::ShortenWhole);
            EXPECT_EQ(listed, !columnOnly) << start << row.caption;
        }
    }
    // The whole loan's end under the prepayment, with the plan beside it.
    const std::vector<FigureRow> shorten = PrepayRows(PrepayMode::Shorten, c.shorten, calendar);
    const auto end = std::find_if(shorten.begin(), shorten.end(), [](const FigureRow& r) { return r.caption == kPrepayEnd; });
    ASSERT_NE(end, shorten.end());
    EXPECT_TRUE(HasLine(text, end->caption + ": " + end->value + "、" + std::string(kPrepayPlannedEnd) + " 第420回 (2059年12月)"));
}

// 1,000 万円 (200 in bonus instalments) at 2.375 % rising to 5.375 % from month 13.
TEST(SameReport, ScenarioRowsAreTheCommandLinesLines)
{
    ScenarioInput in;
    in.loan = test::Loan(BankOther, 1000, 200, 2.375, 2.375, 30);
    in.path = ParseRatePath("1:2.375,13:5.375").path;
    in.review = ReviewRule::EveryChange;
    const ScenarioSchedule s = BuildScenarioSchedule(in);
    ASSERT_TRUE(s.ok());
    const std::vector<FigureRow> rows = ScenarioRows(SummariseScenario(s));
    const std::string text = FormatScenarioLines(in, s, ScenarioCliOptions{});
    ASSERT_TRUE(Shows(rows, kSumPeakBonus));
    for (const FigureRow& row : rows)
        EXPECT_TRUE(HasLine(text, row.caption + ": " + row.value)) << row.caption << "\n" << text;
    // What is left unpaid at the end is the command line's alone.
    EXPECT_NE(text.find(std::string(kSumUnpaidAtEnd) + ": "), std::string::npos);
    EXPECT_FALSE(Shows(rows, kSumUnpaidAtEnd));
}

// 元金均等型, 3,000 万円 with 600 in bonus instalments at 2 % then 3 %: the totals, the
// bands and year 1 differ from the calculator window's. The schedule window's totals
// panel and notes, and the command line's comparison, list the same figures and notes.
TEST(SameReport, TotalsPanelIsTheCommandLinesComparison)
{
    for (const auto& in : {test::Loan(EqualPrincipal, 3000, 600, 2.0, 3.0, 35), test::Loan(CorporationBasic, 10, 0, 20, 20, 50)}) {
        const LoanReport window = MakeLoanReport({in, 0, "計算結果"}, ScheduleCalendar{});
        ASSERT_TRUE(window.ok() && window.result);
        const WindowComparison c = CompareWithWindow(window.schedule, *window.result);
        const std::string text = FormatComparisonText(window.schedule, c);
        const std::vector<TotalsLine> lines = TotalsLines(window);
        const bool yearOneListed = c.firstYearDifference() != 0;
        ASSERT_EQ(lines.size() % 3, 0u);
        for (std::size_t k = 0; k < lines.size(); k += 3) {
            // A window line, the calculator's beside it and their difference: one line
            // each, the difference after the calculator's figure.
            const std::string scheduleLine = lines[k].caption + ": " + Text(Quantity::Yen(*lines[k].yen));
            const std::string windowLine = lines[k + 1].caption + ": " + Text(Quantity::Yen(*lines[k + 1].yen)) + " (" +
                                           lines[k + 2].caption + " " + Text(Quantity::YenDifference(*lines[k + 2].yen)) + ")";
            const bool yearOne = lines[k].caption == kScheduleFirstYear;
            EXPECT_EQ(HasLine(text, scheduleLine), !yearOne || yearOneListed) << scheduleLine << "\n" << text;
            EXPECT_EQ(HasLine(text, windowLine), !yearOne || yearOneListed) << windowLine << "\n" << text;
        }
        ASSERT_FALSE(window.notes.empty());
        for (const std::string& note : window.notes)
            EXPECT_TRUE(HasLine(text, note)) << note;
    }
}

TEST(SameReport, ScheduleRowsAreTheCommandLinesRows)
{
    // The window's table and the command line's listing are the same rows: every
    // column both show holds the same figure, written alike.
    const ScheduleCalendar calendar{{2027, 4}, {6, 12}};
    const LoanReport window = MakeLoanReport({test::Loan(CorporationBasic, 3000, 600, 2.0, 3.0, 35), 0, "計算結果"}, calendar);
    ASSERT_TRUE(window.ok());
    for (const ScheduleViewKind view : {ScheduleViewKind::Monthly, ScheduleViewKind::Yearly}) {
        const ScheduleTable shown = view == ScheduleViewKind::Monthly
                                        ? ScheduleTable::Monthly(window.monthly, window.Columns())
                                        : ScheduleTable::Yearly(window.yearly, window.Columns());
        const ScheduleTable listed = ScheduleOutputTable(window.schedule, {view, calendar, false, false});
        const std::string text = FormatScheduleText(window.schedule, window.checks, {view, calendar, false, false});
        ASSERT_EQ(shown.rowCount(), listed.rowCount());
        int compared = 0;
        for (int c = 0; c < listed.columnCount(); ++c) {
            const int s = shown.columnOf(listed.column(c));
            if (s < 0)
                continue;
            EXPECT_EQ(shown.heading(s), listed.heading(c));
            for (int r = 0; r < listed.rowCount(); ++r) {
                EXPECT_EQ(shown.figure(r, s), listed.figure(r, c));
                EXPECT_EQ(shown.count(r, s), listed.count(r, c));
                if (shown.figure(r, s)) {
                    EXPECT_EQ(shown.text(r, s), listed.text(r, c, FigureStyle::Listing));
                }
            }
            ++compared;
        }
        EXPECT_GE(compared, 5); // at least the payment, its two parts, the balance and a number
        // The listing prints the heading and a line a row, then the self-checks.
        const std::size_t checksAt = text.find("検算");
        ASSERT_NE(checksAt, std::string::npos);
        EXPECT_EQ(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(checksAt), '\n'),
                  listed.rowCount() + 1);
    }
}

} // namespace
} // namespace hn
