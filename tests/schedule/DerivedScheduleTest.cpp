// SPDX-License-Identifier: GPL-3.0-or-later
// Schedules built elsewhere in the schedule window, without the window: a rate
// scenario and a prepaid loan as reports (heading, extra columns, totals without the
// calculator window's, notes, self-checks), under other calendar labels, and as CSV.
#include "schedule/DerivedSchedules.h"

#include "calc/schedule/PrepaymentTexts.h"
#include "calc/schedule/ScheduleTexts.h"
#include "report/ScheduleCsv.h"
#include "report/ScheduleTable.h"
#include "schedule/ScheduleReport.h"
#include "schedule/ScheduleWindowTexts.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace hn {
namespace {

const ScheduleCalendar kCalendar{{2027, 4}, {6, 12}};

LoanInput Bank(double man, double ratePercent, double years)
{
    return WholeYenInput(MakeLoanInput({BankOther, man, 0, ratePercent, 0, years}));
}

// The bank's illustration: 1,000 万円 over 30 years at 2.375 %, raised by `rise` points
// from month 13, five-year and 125 % rules, unpaid interest carried to the end.
ScenarioInput Illustration(double rise, UnpaidSettlement unpaid = UnpaidSettlement::CarryToEnd)
{
    ScenarioInput in;
    in.loan = Bank(1000, 2.375, 30);
    in.path.steps = {{1, 0.02375}, {13, 0.02375 + rise / 100}};
    in.unpaid = unpaid;
    return in;
}

bool HasNote(const LoanReport& r, std::string_view note)
{
    return std::find(r.notes.begin(), r.notes.end(), std::string(note)) != r.notes.end();
}

std::vector<std::string> Headings(const ScheduleTable& t)
{
    std::vector<std::string> h;
    for (int c = 0; c < t.columnCount(); ++c)
        h.push_back(t.heading(c));
    return h;
}

TEST(ScenarioReport, ShowsTheRateAndUnpaidInterestAndPassesEveryCheck)
{
    const ScenarioInput in = Illustration(3);
    const ScenarioSchedule s = BuildScenarioSchedule(in);
    ASSERT_TRUE(s.ok());
    const DerivedSchedule d = ScenarioScheduleToShow(1, in, s);
    EXPECT_EQ(d.caption, "金利シナリオ1");
    EXPECT_EQ(d.heading, "銀行型・他　借入額 1,000万円　30年　金利 2.375%（1回目～）→5.375%（13回目～）　"
                         "5年ルール・125%ルール、未払利息は最終回にまとめて支払う");

    const LoanReport r = MakeDerivedReport(d, kCalendar);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.derived);
    EXPECT_FALSE(r.result.has_value());
    EXPECT_TRUE(r.checks.allPassed());
    // Σ principal, final balance, nothing unpaid, payments = loan + interest: all there.
    for (ScheduleCheck c : {ScheduleCheck::PrincipalRepaysLoan, ScheduleCheck::BalanceEndsAtZero,
                            ScheduleCheck::NothingUnpaid, ScheduleCheck::PaymentsCoverLoanAndInterest})
        EXPECT_TRUE(std::any_of(r.checks.items.begin(), r.checks.items.end(),
                                [c](const ScheduleCheckResult& i) { return i.check == c && i.passed; }))
            << CheckCaption(c);
    EXPECT_EQ(r.Columns(), (ExtraColumns{true, true, false}));
    EXPECT_EQ(TotalsHeading(r), kTotalsHeadingDerived);
    const std::vector<TotalsLine> totals = TotalsLines(r);
    ASSERT_EQ(totals.size(), 2u);
    EXPECT_EQ(totals[0].caption, kScheduleTotal);
    EXPECT_EQ(totals[0].yen, 21043742);
    EXPECT_EQ(totals[1].caption, kTotalInterest);
    EXPECT_EQ(totals[1].yen, 11043742);
    EXPECT_TRUE(HasNote(r, kNoteUnpaidCarried));
    EXPECT_FALSE(HasNote(r, kNoteUnpaidInterest));
    EXPECT_TRUE(std::any_of(r.notes.begin(), r.notes.end(), [](const std::string& n) {
        return n.starts_with(kNoteWarning) && n.find("234,720") != std::string::npos;
    }));

    const ScheduleTable t = ScheduleTable::Monthly(r.monthly, r.Columns());
    EXPECT_EQ(Headings(t), (std::vector<std::string>{"回", "年月", "区分", "適用金利", "返済額", "支払利息", "元金",
                                                     "未払利息", "残高", "残高合計"}));
    const int rate = t.columnOf(ScheduleColumn::Rate);
    const int unpaid = t.columnOf(ScheduleColumn::Unpaid);
    EXPECT_EQ(t.text(11, rate), "2.375%");
    EXPECT_EQ(t.text(12, rate), "5.375%");
    EXPECT_EQ(t.text(12, rate, FigureStyle::Plain), "5.375");
    EXPECT_EQ(t.text(12, unpaid), "4,890");
    EXPECT_EQ(t.text(59, unpaid), "234,720");
    EXPECT_EQ(t.text(359, t.columnOf(ScheduleColumn::Payment)), "300,937");
    EXPECT_EQ(t.text(359, unpaid), "0");
    // The yearly view has no single rate to show, but the unpaid interest at each year's end.
    const ScheduleTable y = ScheduleTable::Yearly(r.yearly, r.Columns());
    EXPECT_EQ(y.columnOf(ScheduleColumn::Rate), -1);
    EXPECT_EQ(y.text(1, y.columnOf(ScheduleColumn::Unpaid)), "58,680");

    // The file carries the rate and the unpaid interest of every instalment: month 13
    // pays 38,865 of the 43,755 yen of interest and leaves 4,890 unpaid.
    const std::string csv = ScheduleCsv(r.schedule, ScheduleViewKind::Monthly, kCalendar);
    EXPECT_NE(csv.find("\r\n2,毎月,13,2028-04,38865,38865,0,9768607,5.375,4890\r\n"), std::string::npos);
}

TEST(ScenarioReport, AFlatPathStillShowsItsColumnsAndWarnsOfNothing)
{
    ScenarioInput in = Illustration(0);
    in.review = ReviewRule::EveryChange;
    const ScenarioSchedule s = BuildScenarioSchedule(in);
    const LoanReport r = MakeDerivedReport(ScenarioScheduleToShow(2, in, s), kCalendar);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.checks.allPassed());
    EXPECT_EQ(r.Columns(), (ExtraColumns{true, true, false}));
    EXPECT_TRUE(r.notes.empty());
    EXPECT_EQ(TotalsLines(r)[0].yen, 13991280);
    // Recomputed at every change, nothing is ever unpaid: the heading names no settlement.
    EXPECT_EQ(ScenarioRulesText(in), "金利が変わるたびに見直す");
}

TEST(ScenarioReport, PayingUnpaidInterestFirstSaysSoAndLeavesNothingForTheEnd)
{
    const ScenarioInput in = Illustration(3, UnpaidSettlement::PayFirst);
    const LoanReport r = MakeDerivedReport(ScenarioScheduleToShow(3, in, BuildScenarioSchedule(in)), kCalendar);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.checks.allPassed());
    EXPECT_EQ(TotalsLines(r)[0].yen, 21334005);
    EXPECT_TRUE(HasNote(r, kNoteUnpaidInterest));
    EXPECT_FALSE(HasNote(r, kNoteUnpaidCarried));
}

TEST(RateStepsText, NamesTheFirstStepsOfALongPath)
{
    RatePath path;
    for (int k = 0; k < 70; ++k)
        path.steps.push_back({1 + 6 * k, 0.005 + 0.001 * k});
    EXPECT_EQ(RateStepsText(path), "0.5%（1回目～）→0.6%（7回目～）→0.7%（13回目～）→0.8%（19回目～）→…（全70段階）");
}

// 2,000 万円 at 3 % over 35 years, 100 万円 after instalment 120.
class PrepaidReportTest : public ::testing::Test {
protected:
    PrepaymentOutcome Apply(std::vector<Prepayment> list)
    {
        return ApplyPrepayments(BuildSchedule(loan), list);
    }

    LoanInput loan = Bank(2000, 3, 35);
};

TEST_F(PrepaidReportTest, ShortenShowsThePrepaidAmountAndEndsWhereTheOutcomeSays)
{
    const PrepaymentOutcome o = Apply({{120, 1'000'000, 0, PrepayMode::Shorten}});
    ASSERT_TRUE(o.ok);
    const DerivedSchedule d = PrepaidSchedule(loan, o);
    EXPECT_EQ(d.caption, kPrepay);
    EXPECT_EQ(d.heading, "銀行型・他　借入額 2,000万円　金利 3%　35年　繰上げ返済 100万円（120回目の後）・期間短縮型");
    const LoanReport r = MakeDerivedReport(d, kCalendar);
    ASSERT_TRUE(r.ok());
    EXPECT_TRUE(r.checks.allPassed());
    ASSERT_EQ(r.monthly.size(), static_cast<std::size_t>(o.monthsAfter()));
    EXPECT_EQ(r.monthly.size(), 394u);
    EXPECT_EQ(r.monthly.back().when, (YearMonth{2060, 1}));
    EXPECT_EQ(r.Columns(), (ExtraColumns{false, false, true}));
    EXPECT_TRUE(HasNote(r, kNotePrepaidIncluded));
    EXPECT_TRUE(HasNote(r, kNotePrepaidEnd));
    EXPECT_TRUE(HasNote(r, "毎月分は第394回で完済します（返済期間は420回）。"));
    EXPECT_FALSE(HasNote(r, kNoteEndedEarly)); // not the floors' doing

    const std::vector<TotalsLine> totals = TotalsLines(r);
    ASSERT_EQ(totals.size(), 3u);
    EXPECT_EQ(totals[0].yen, o.totalsAfter.payment);
    EXPECT_EQ(totals[1].yen, o.totalsAfter.interest);
    EXPECT_EQ(totals[2].caption, kTotalPrepaid);
    EXPECT_EQ(totals[2].yen, 1'000'000);

    const ScheduleTable t = ScheduleTable::Monthly(r.monthly, r.Columns());
    EXPECT_EQ(Headings(t), (std::vector<std::string>{"回", "年月", "区分", "返済額", "繰上げ返済", "支払利息", "元金", "残高",
                                                     "残高合計"}));
    const int prepaid = t.columnOf(ScheduleColumn::Prepaid);
    EXPECT_EQ(t.text(119, prepaid), "1,000,000");
    EXPECT_EQ(t.text(119, t.columnOf(ScheduleColumn::Payment)), "1,076,970");
    EXPECT_EQ(t.text(118, prepaid), "");
    EXPECT_EQ(t.text(120, prepaid), "");
    EXPECT_EQ(t.text(120, t.columnOf(ScheduleColumn::Payment)), "76,970");
    EXPECT_TRUE(IsFigureColumn(ScheduleColumn::Prepaid));

    // The file gains the prepaid amounts as its last column.
    const std::vector<std::string> lines = [&] {
        std::vector<std::string> out;
        const std::string csv = ScheduleCsv(r.schedule, ScheduleViewKind::Monthly, kCalendar).substr(3);
        for (std::size_t at = 0, next; (next = csv.find("\r\n", at)) != std::string::npos; at = next + 2)
            out.push_back(csv.substr(at, next - at));
        return out;
    }();
    EXPECT_EQ(lines[0], "年目,区分,回,年月,返済額,支払利息,元金,残高,金利(%),未払利息,繰上げ返済");
    EXPECT_TRUE(lines[120].starts_with("10,毎月,120,2037-03,1076970,")) << lines[120];
    EXPECT_TRUE(lines[120].ends_with(",3,0,1000000")) << lines[120];
    EXPECT_TRUE(lines[121].ends_with(",3,0,0")) << lines[121];
    EXPECT_EQ(lines.size(), 395u);
}

TEST_F(PrepaidReportTest, PlainLoansKeepTheirFileAndTheirColumns)
{
    const Schedule plain = BuildSchedule(loan);
    const std::string csv = ScheduleCsv(plain, ScheduleViewKind::Monthly, kCalendar);
    EXPECT_TRUE(csv.starts_with(std::string(kUtf8ByteOrderMark) +
                                "年目,区分,回,年月,返済額,支払利息,元金,残高,金利(%),未払利息\r\n1,毎月,1,2027-04,76970,"));
    // A prepayment of nothing changes nothing, not even the file's columns.
    const PrepaymentOutcome none = Apply({{120, 0, 0, PrepayMode::Reduce}});
    ASSERT_TRUE(none.ok);
    EXPECT_EQ(ScheduleCsv(none.after, ScheduleViewKind::Monthly, kCalendar), csv);
    const LoanReport r = MakeLoanReport({loan, 0, "計算結果"}, kCalendar);
    EXPECT_EQ(r.Columns(), ExtraColumns{});
    EXPECT_FALSE(r.derived);
    EXPECT_EQ(TotalsHeading(r), kTotalsHeading);
}

TEST_F(PrepaidReportTest, SeveralPrepaymentsAreListedInTheOrderApplied)
{
    const PrepaymentOutcome o = Apply({{240, 500'000, 0, PrepayMode::Reduce}, {120, 1'000'000, 0, PrepayMode::Reduce}});
    ASSERT_TRUE(o.ok);
    EXPECT_EQ(PrepaymentsText(o.applied), "繰上げ返済 100万円（120回目の後）、50万円（240回目の後）・返済額軽減型");
    const LoanReport r = MakeDerivedReport(PrepaidSchedule(loan, o), kCalendar);
    ASSERT_TRUE(r.checks.allPassed());
    EXPECT_EQ(r.monthly.size(), 420u);
    EXPECT_FALSE(HasNote(r, kNotePrepaidEnd));
    EXPECT_EQ(TotalsLines(r)[2].yen, 1'500'000);
    EXPECT_EQ(r.monthly[119].row.prepaid, 1'000'000);
    EXPECT_EQ(r.monthly[239].row.prepaid, 500'000);

    // Ways that differ are named each; an amount in yen stays in yen.
    const PrepaymentOutcome mixed =
        Apply({{120, 1'234'567, 0, PrepayMode::Shorten}, {240, 500'000, 0, PrepayMode::ShortenWhole}});
    ASSERT_TRUE(mixed.ok);
    EXPECT_EQ(PrepaymentsText(mixed.applied),
              "繰上げ返済 1,234,567円（120回目の後）・期間短縮型、50万円（240回目の後）・期間短縮型 (回数単位)");
}

TEST_F(PrepaidReportTest, TheBonusPartsShareIsNamedAndItsRowsCarryIt)
{
    loan = WholeYenInput(MakeLoanInput({CorporationBasic, 3000, 600, 2.0, 3.0, 35}));
    const PrepaymentOutcome o = Apply({{60, 800'000, 200'000, PrepayMode::Reduce}});
    ASSERT_TRUE(o.ok);
    EXPECT_EQ(PrepaymentsText(o.applied), "繰上げ返済 100万円（内ﾎﾞｰﾅｽ 20万円）（60回目の後）・返済額軽減型");
    const LoanReport r = MakeDerivedReport(PrepaidSchedule(loan, o), kCalendar);
    ASSERT_TRUE(r.checks.allPassed());
    EXPECT_EQ(TotalsLines(r)[2].yen, 1'000'000);
    EXPECT_EQ(r.schedule.bonus.rows[9].prepaid, 200'000);
}

TEST_F(PrepaidReportTest, OtherCalendarLabelsKeepTheRowsBuiltElsewhere)
{
    const PrepaymentOutcome o = Apply({{120, 1'000'000, 0, PrepayMode::Shorten}});
    const LoanReport r = MakeDerivedReport(PrepaidSchedule(loan, o), kCalendar);
    const LoanReport later = WithCalendar(r, {{2030, 1}, {6, 12}});
    ASSERT_TRUE(later.ok());
    EXPECT_TRUE(later.derived);
    EXPECT_EQ(later.schedule.monthly.rows, r.schedule.monthly.rows);
    EXPECT_EQ(later.monthly.front().when, (YearMonth{2030, 1}));
    EXPECT_EQ(later.heading, r.heading);
    EXPECT_EQ(later.notes, r.notes);
}

TEST(DerivedReport, ARefusedScheduleGivesItsMessageAndNoRows)
{
    DerivedSchedule d;
    d.caption = "金利シナリオ1";
    d.schedule.status = ScheduleStatus::BeyondExactRange;
    const LoanReport r = MakeDerivedReport(d, kCalendar);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.message, kMsgScheduleBeyondExact);
    EXPECT_TRUE(TotalsLines(r).empty());
    EXPECT_TRUE(r.monthly.empty());
}

} // namespace
} // namespace hn
