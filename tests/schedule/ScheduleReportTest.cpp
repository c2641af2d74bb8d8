// SPDX-License-Identifier: GPL-3.0-or-later
// What the schedule window shows about a loan, without the window: totals beside the
// calculator window's, the notes that explain a difference, the self-check lines, the
// messages where there is no schedule, and several loans together.
#include "schedule/ScheduleReport.h"

#include "calc/schedule/ScheduleTexts.h"
#include "schedule/ScheduleWindowTexts.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace hn {
namespace {

LoanInput Loan(RepaymentMethod method, double loanMan, double bonusMan, double rate1Percent, double rate2Percent,
               double years)
{
    return MakeLoanInput({method, loanMan, bonusMan, rate1Percent, rate2Percent, years});
}

ScheduleLoan FromCalculator(const LoanInput& in)
{
    return {in, 0, std::string(kSourceCalculator)};
}

const ScheduleCalendar kCalendar{{2027, 4}, {6, 12}};

bool HasNote(const std::vector<std::string>& notes, std::string_view note)
{
    return std::find(notes.begin(), notes.end(), std::string(note)) != notes.end();
}

std::vector<std::pair<std::string, std::optional<std::int64_t>>> Plain(const std::vector<TotalsLine>& lines)
{
    std::vector<std::pair<std::string, std::optional<std::int64_t>>> out;
    for (const TotalsLine& l : lines)
        out.emplace_back(l.caption, l.yen);
    return out;
}

TEST(LoanReport, LevelLoanShowsBothTotalsTheirDifferenceAndWhy)
{
    const LoanReport r = MakeLoanReport(FromCalculator(Loan(CorporationBasic, 3000, 600, 2.0, 3.0, 35)), kCalendar);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.message.empty());
    EXPECT_EQ(r.monthly.size(), 490u);
    EXPECT_EQ(r.yearly.size(), 35u);
    EXPECT_TRUE(r.checks.allPassed());

    using Line = std::pair<std::string, std::optional<std::int64_t>>;
    const std::vector<Line> expected{
        {std::string(kScheduleTotal), 45313439},     {std::string(kWindowTotal), 45313480},
        {std::string(kDifference), -41},              {std::string(kScheduleFirstYear), 1193228},
        {std::string(kWindowAnnual), 1193228},        {std::string(kDifference), 0},
    };
    EXPECT_EQ(Plain(TotalsLines(r)), expected);
    EXPECT_TRUE(HasNote(r.notes, kNoteTotalDiffers));
    EXPECT_FALSE(HasNote(r.notes, kNoteFirstYearDiffers));
    EXPECT_FALSE(HasNote(r.notes, kNoteEndedEarly));
}

TEST(LoanReport, EqualPrincipalChargesTheExactInterestAndExplainsYearOne)
{
    // The window floors each interest as a double product: two instalments of the
    // schedule charge the yen it falls short of the exact interest.
    const LoanReport r = MakeLoanReport(FromCalculator(Loan(EqualPrincipal, 3000, 600, 2.0, 3.0, 35)), kCalendar);
    ASSERT_TRUE(r.ok());
    const std::vector<TotalsLine> lines = TotalsLines(r);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].yen, 43246379);
    EXPECT_EQ(lines[1].yen, 43246377);
    EXPECT_EQ(lines[2].yen, 2);
    EXPECT_EQ(lines[3].yen, 1449983);
    EXPECT_EQ(lines[4].yen, 1450841);
    EXPECT_EQ(lines[5].yen, 1449983 - 1450841);
    EXPECT_TRUE(HasNote(r.notes, kNoteFirstYearDiffers));
    EXPECT_TRUE(HasNote(r.notes, kNoteExactInterest));
    EXPECT_FALSE(HasNote(r.notes, kNoteTotalDiffers));
    // Without a bonus part nothing is counted twice: no note.
    const LoanReport noBonus = MakeLoanReport(FromCalculator(Loan(EqualPrincipal, 3000, 0, 2.0, 3.0, 35)), kCalendar);
    EXPECT_FALSE(HasNote(noBonus.notes, kNoteFirstYearDiffers));

    // A first instalment that differs from the window's band figure stands beside it.
    const LoanReport band = MakeLoanReport(FromCalculator(Loan(EqualPrincipal, 2000, 0, 0.36, 0.36, 35)), kCalendar);
    ASSERT_TRUE(band.checks.allPassed());
    const auto all = Plain(TotalsLines(band));
    ASSERT_EQ(all.size(), 9u);
    const decltype(all) bandLines(all.begin() + 3, all.begin() + 6);
    const decltype(all) expected{
        {"返済予定表の第1回", 53619}, {"計算結果の返済額（1～5年目）", 53618}, {std::string(kDifference), 1}};
    EXPECT_EQ(bandLines, expected);
}

TEST(LoanReport, EarlyEndSaysWhichPartEndsAndWhen)
{
    // 10 万円 at 50 % over 25 years: the floors run the monthly part a month ahead.
    const LoanReport r = MakeLoanReport(FromCalculator(Loan(CorporationBasic, 10, 0, 50.0, 50.0, 25)), kCalendar);
    ASSERT_TRUE(r.ok());
    ASSERT_TRUE(r.schedule.endedEarly());
    EXPECT_TRUE(HasNote(r.notes, kNoteEndedEarly));
    EXPECT_TRUE(HasNote(r.notes, FillIn(kEndedEarlyMonthly, {"299", "300"})));
    EXPECT_TRUE(r.checks.allPassed());
    EXPECT_EQ(r.monthly.back().totalBalance, 0);
}

TEST(LoanReport, NoScheduleGivesAMessageAndNothingElse)
{
    const LoanReport huge = MakeLoanReport(FromCalculator(Loan(CorporationBasic, 1e12, 0, 99.0, 99.0, 99)), kCalendar);
    EXPECT_FALSE(huge.ok());
    EXPECT_EQ(huge.message, kMsgScheduleBeyondExact);
    EXPECT_TRUE(huge.monthly.empty());
    EXPECT_TRUE(huge.yearly.empty());
    EXPECT_TRUE(TotalsLines(huge).empty());

    const LoanReport zero = MakeLoanReport(FromCalculator(Loan(CorporationBasic, 3000, 0, 2.0, 3.0, 0)), kCalendar);
    EXPECT_EQ(zero.message, kMsgScheduleInvalid);
    EXPECT_TRUE(zero.notes.empty());
}

TEST(LoanReport, LoanBeyondTheCalculatorWindowsFieldsHasNothingToCompareWith)
{
    // 50 億円: the schedule is exact, but the calculator window's 32-bit fields refuse it.
    const LoanReport r = MakeLoanReport(FromCalculator(Loan(CorporationBasic, 500000, 0, 2.0, 3.0, 35)), kCalendar);
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.result.has_value());
    const std::vector<TotalsLine> lines = TotalsLines(r);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].yen.has_value());
    EXPECT_FALSE(lines[1].yen.has_value());
    for (const ScheduleCheckResult& item : r.checks.items)
        EXPECT_NE(item.check, ScheduleCheck::BandFiguresMatch);
    EXPECT_TRUE(r.checks.allPassed());
}

TEST(LoanReport, CheckLinesNameThePartAndShowBothSidesOfAFailure)
{
    ScheduleCheckReport report;
    report.items.push_back({ScheduleCheck::PrincipalRepaysLoan, CheckScope::MonthlyPart, true, 0, 0, 0});
    report.items.push_back({ScheduleCheck::BalanceEndsAtZero, CheckScope::BonusPart, false, 1234, 0, 0});
    report.items.push_back({ScheduleCheck::RowsAddUp, CheckScope::MonthlyPart, false, 0, 0, 7});
    const std::vector<CheckLine> lines = CheckLinesOf(report);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, "元金の合計 = 借入額（毎月分）");
    EXPECT_TRUE(lines[0].passed);
    EXPECT_EQ(lines[1].text, "最終回後の残高 = 0（ﾎﾞｰﾅｽ分）：1,234 ≠ 0");
    EXPECT_FALSE(lines[1].passed);
    EXPECT_NE(lines[2].text.find("（第7回）"), std::string::npos);

    // A band check names the instalment it compares.
    ScheduleCheckReport bands;
    bands.items.push_back({ScheduleCheck::BandFiguresMatch, CheckScope::BonusPart, true, 1, 1, 0, 11});
    EXPECT_EQ(CheckLinesOf(bands)[0].text, "各期間の初回返済額 = 計算結果の返済額（ﾎﾞｰﾅｽ分 第11回）");
}

TEST(CombinedReport, AddsLoansYearByYearAndCountsEndedLoansAsZero)
{
    const ScheduleLoan koko{Loan(CorporationBasic, 3000, 600, 2.0, 3.0, 35), 1, "公庫1"};
    const ScheduleLoan bank{Loan(BankOther, 1000, 0, 1.5, 1.5, 10), 7, "銀行1"};
    const CombinedReport c = MakeCombinedReport({koko, bank}, kCalendar);
    const LoanReport a = MakeLoanReport(koko, kCalendar);
    const LoanReport b = MakeLoanReport(bank, kCalendar);

    EXPECT_EQ(c.captions, (std::vector<std::string>{"公庫1", "銀行1"}));
    ASSERT_EQ(c.yearly.size(), 35u);
    EXPECT_EQ(c.yearly[0].payment, a.yearly[0].payment + b.yearly[0].payment);
    EXPECT_EQ(c.yearly[9].balance, a.yearly[9].balance); // the bank loan is repaid by year 10
    EXPECT_EQ(c.yearly[11].payment, a.yearly[11].payment);
    EXPECT_EQ(c.scheduleTotal, TotalsOf(a.schedule).payment + TotalsOf(b.schedule).payment);
    EXPECT_EQ(c.windowTotal, a.result->totalYen + b.result->totalYen);
    EXPECT_TRUE(c.allChecksPassed);
    ASSERT_EQ(c.checkLines.size(), 2u);
    EXPECT_EQ(c.checkLines[1].text, "銀行1" + std::string(kCombinedChecksPassed));
}

TEST(CombinedReport, LeavesOutALoanWithoutScheduleAndSaysSo)
{
    const ScheduleLoan koko{Loan(CorporationBasic, 3000, 600, 2.0, 3.0, 35), 1, "公庫1"};
    const ScheduleLoan huge{Loan(CorporationBasic, 1e12, 0, 99.0, 99.0, 99), 2, "公庫2"};
    const CombinedReport c = MakeCombinedReport({koko, huge}, kCalendar);
    EXPECT_EQ(c.captions, std::vector<std::string>{"公庫1"});
    EXPECT_EQ(c.yearly.size(), 35u);
    ASSERT_FALSE(c.notes.empty());
    EXPECT_EQ(c.notes[0], FillIn(kCombinedSkipped, {"公庫2"}) + std::string(kMsgScheduleBeyondExact));

    const CombinedReport none = MakeCombinedReport({}, kCalendar);
    EXPECT_TRUE(none.yearly.empty());
    EXPECT_FALSE(none.allChecksPassed);
    EXPECT_EQ(none.notes, std::vector<std::string>{std::string(kCombinedEmpty)});
}

TEST(LoanHeading, SaysMethodAmountsRatesAndTerm)
{
    EXPECT_EQ(LoanHeading(Loan(CorporationBasic, 3000, 600, 2.0, 3.0, 35)),
              "公庫基本型　借入額 3,000万円（内ﾎﾞｰﾅｽ 600万円）　金利 2%／3%　35年");
    // One rate where the second plays no part; yen where the amount is not whole 万円.
    EXPECT_EQ(LoanHeading(Loan(BankOther, 1234.5, 0, 1.35, 9.0, 20)), "銀行型・他　借入額 12,345,000円　金利 1.35%　20年");
    EXPECT_EQ(LoanHeading(Loan(CorporationBasic, 100, 0, 0.001, 3.0, 10)), "公庫基本型　借入額 100万円　金利 0.001%　10年");
}

} // namespace
} // namespace hn
