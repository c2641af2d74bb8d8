// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule as texts: columns of each view, cells on screen and as bare figures, the
// text copied to the clipboard.
#include "report/ScheduleTable.h"

#include "calc/rates/RateScenario.h"
#include "calc/schedule/Schedule.h"
#include "report/ScheduleCsv.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace hn {
namespace {

Schedule WorkedSchedule()
{
    return BuildSchedule(MakeLoanInput({CorporationBasic, 3000, 600, 2.0, 3.0, 35}));
}

const ScheduleCalendar kCalendar{{2027, 4}, {6, 12}};

std::vector<std::string> Lines(const std::string& text, const std::string& end)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(end, from)) != std::string::npos; from = at + end.size())
        lines.push_back(text.substr(from, at - from));
    EXPECT_EQ(from, text.size()) << "text does not end with a line end";
    return lines;
}

class ScheduleTableTest : public ::testing::Test {
protected:
    Schedule schedule = WorkedSchedule();
    ScheduleTable monthly = ScheduleTable::Monthly(MonthlyView(schedule, kCalendar), false);
    ScheduleTable yearly = ScheduleTable::Yearly(YearlyView(schedule, kCalendar), false);

    std::vector<std::string> Row(const ScheduleTable& t, int row, FigureStyle style = FigureStyle::Grouped)
    {
        std::vector<std::string> cells;
        for (int c = 0; c < t.columnCount(); ++c)
            cells.push_back(t.text(row, c, style));
        return cells;
    }
};

TEST_F(ScheduleTableTest, MonthlyViewListsEveryInstalmentInDateOrder)
{
    ASSERT_EQ(monthly.rowCount(), 490);
    ASSERT_EQ(monthly.columnCount(), 8);
    std::vector<std::string> headings;
    for (int c = 0; c < monthly.columnCount(); ++c)
        headings.push_back(monthly.heading(c));
    EXPECT_EQ(headings, (std::vector<std::string>{"回", "年月", "区分", "返済額", "支払利息", "元金", "残高", "残高合計"}));

    // From April: months 1-3, bonus 1 (June), months 4-9, bonus 2 (December) ...
    EXPECT_EQ(Row(monthly, 0)[0], "1");
    EXPECT_EQ(Row(monthly, 0)[1], "2027年4月");
    EXPECT_EQ(Row(monthly, 0)[2], "毎月");
    EXPECT_EQ(Row(monthly, 2)[1], "2027年6月");
    EXPECT_FALSE(monthly.isBonusRow(2));
    EXPECT_TRUE(monthly.isBonusRow(3));
    EXPECT_EQ(Row(monthly, 3)[0], "1");
    EXPECT_EQ(Row(monthly, 3)[1], "2027年6月");
    EXPECT_EQ(Row(monthly, 3)[2], "ﾎﾞｰﾅｽ");
    EXPECT_EQ(Row(monthly, 4)[1], "2027年7月");
    EXPECT_TRUE(monthly.isBonusRow(10));
    EXPECT_EQ(Row(monthly, 10)[1], "2027年12月");

    // Month 60 closes loan year 5 after ten bonus rows: both parts together owe what
    // the yearly view says at the year's end.
    EXPECT_EQ(Row(monthly, 69), (std::vector<std::string>{"60", "2032年3月", "毎月", "79,503", "35,921", "43,582",
                                                          "21,509,410", "26,885,902"}));
    EXPECT_EQ(Row(yearly, 4).back(), "26,885,902");
    // The last bonus (December 2061) comes before the last three months.
    EXPECT_TRUE(monthly.isBonusRow(486));
    EXPECT_EQ(Row(monthly, 489)[0], "420");
    EXPECT_EQ(Row(monthly, 489)[6], "0");
    EXPECT_EQ(Row(monthly, 489)[7], "0");
}

TEST_F(ScheduleTableTest, YearlyViewHasOneRowPerYearWithItsMonths)
{
    ASSERT_EQ(yearly.rowCount(), 35);
    ASSERT_EQ(yearly.columnCount(), 6);
    EXPECT_EQ(yearly.heading(1), "期間");
    const std::vector<std::string> first{"1", "2027年4月～2028年3月", "1,193,228",
                                         Row(yearly, 0)[3], Row(yearly, 0)[4], Row(yearly, 0)[5]};
    EXPECT_EQ(Row(yearly, 0), first);
    EXPECT_EQ(*yearly.figure(0, 3) + *yearly.figure(0, 4), 1193228); // interest paid + principal
    EXPECT_EQ(Row(yearly, 34)[5], "0");
    EXPECT_FALSE(yearly.isBonusRow(0));
    EXPECT_FALSE(yearly.figure(0, 1).has_value());
}

TEST_F(ScheduleTableTest, EachViewWritesTheSameCellInItsOwnStyle)
{
    using C = ScheduleColumn;
    // Month 60 as the command line and a file choose their columns.
    const ScheduleTable chosen = ScheduleTable::Monthly(MonthlyView(schedule, kCalendar),
                                                        {C::Month, C::Payment, C::Charged, C::RatePercent, C::Prepaid});
    const auto cells = [&](FigureStyle style) { return Row(chosen, 69, style); };
    EXPECT_EQ(cells(FigureStyle::Grouped), (std::vector<std::string>{"2032年3月", "79,503", "35,921", "2", ""}));
    EXPECT_EQ(cells(FigureStyle::Plain), (std::vector<std::string>{"2032年3月", "79503", "35921", "2", ""}));
    EXPECT_EQ(cells(FigureStyle::Data), (std::vector<std::string>{"2032-03", "79503", "35921", "2", ""}));
    EXPECT_EQ(cells(FigureStyle::Listing), (std::vector<std::string>{"2032-03", "79,503", "35,921", "2", ""}));
    EXPECT_EQ(chosen.heading(3), "金利(%)");
    EXPECT_EQ(ScheduleTable::key(C::Charged), "interest");
    EXPECT_EQ(ScheduleTable::key(C::Interest), "interestPaid");
    // A loan year's first and last months each in a column of its own; the yearly view
    // has no instalment number.
    const ScheduleTable years =
        ScheduleTable::Yearly(YearlyView(schedule, kCalendar), {C::Number, C::Year, C::From, C::To, C::Charged});
    EXPECT_EQ(Row(years, 0, FigureStyle::Data), (std::vector<std::string>{"", "1", "2027-04", "2028-03", "595029"}));
    EXPECT_FALSE(years.count(0, 0).has_value());
    EXPECT_EQ(years.count(34, 1), 35);
}

TEST_F(ScheduleTableTest, UnpaidInterestColumnOnlyWhenAsked)
{
    EXPECT_EQ(monthly.columnOf(ScheduleColumn::Unpaid), -1);
    const ScheduleTable withUnpaid = ScheduleTable::Monthly(MonthlyView(schedule, kCalendar), true);
    EXPECT_EQ(withUnpaid.columnCount(), 9);
    EXPECT_EQ(withUnpaid.heading(withUnpaid.columnOf(ScheduleColumn::Unpaid)), "未払利息");
    EXPECT_EQ(ScheduleTable::Yearly(YearlyView(schedule, kCalendar), true).columnCount(), 7);
}

// A rate rise under the five-year rule: the instalment stays below the interest charged,
// so part of it is left unpaid. Every row shows what it paid of interest and what is
// left unpaid beside it, and adds up as shown: 返済額 = 支払利息 + 元金, in the table
// (monthly and yearly) and in the CSV file alike.
TEST(ScheduleTableUnpaid, EveryRowAddsUpWithTheInterestPaidAndTheUnpaidBeside)
{
    ScenarioInput in;
    in.loan = WholeYenInput(MakeLoanInput({BankOther, 1000, 0, 2.375, 2.375, 30}));
    in.path.steps = {{1, 0.02375}, {13, 0.05375}};
    const ScenarioSchedule scenario = BuildScenarioSchedule(in);
    ASSERT_TRUE(scenario.ok());
    const Schedule& s = scenario.schedule;
    const ExtraColumns extra{true, true, false};
    for (const ScheduleTable& t : {ScheduleTable::Monthly(MonthlyView(s, kCalendar), extra),
                                   ScheduleTable::Yearly(YearlyView(s, kCalendar), extra)}) {
        SCOPED_TRACE(t.isMonthly() ? "monthly" : "yearly");
        const int payment = t.columnOf(ScheduleColumn::Payment);
        const int interest = t.columnOf(ScheduleColumn::Interest);
        const int principal = t.columnOf(ScheduleColumn::Principal);
        const int unpaid = t.columnOf(ScheduleColumn::Unpaid);
        ASSERT_EQ(t.heading(interest), "支払利息");
        ASSERT_EQ(t.heading(unpaid), "未払利息");
        EXPECT_EQ(unpaid, principal + 1); // beside the sum it is not part of
        bool someUnpaid = false;
        for (int r = 0; r < t.rowCount(); ++r) {
            ASSERT_EQ(*t.figure(r, payment), *t.figure(r, interest) + *t.figure(r, principal)) << r;
            someUnpaid = someUnpaid || *t.figure(r, unpaid) > 0;
        }
        EXPECT_TRUE(someUnpaid);
    }
    // Month 13: the whole instalment goes to interest, the rest of it is left unpaid.
    const ScheduleTable monthly = ScheduleTable::Monthly(MonthlyView(s, kCalendar), extra);
    const ScheduleRow& month13 = s.monthly.rows[12];
    ASSERT_LT(month13.payment, month13.interest);
    EXPECT_EQ(monthly.text(12, monthly.columnOf(ScheduleColumn::Interest)), monthly.text(12, monthly.columnOf(ScheduleColumn::Payment)));
    EXPECT_EQ(monthly.text(12, monthly.columnOf(ScheduleColumn::Principal)), "0");

    for (const ScheduleViewKind view : {ScheduleViewKind::Monthly, ScheduleViewKind::Yearly}) {
        const std::vector<std::string> lines = Lines(ScheduleCsv(s, view, kCalendar).substr(3), "\r\n");
        const auto cells = [](const std::string& line) {
            std::vector<std::string> c;
            std::size_t from = 0;
            for (std::size_t at; (at = line.find(',', from)) != std::string::npos; from = at + 1)
                c.push_back(line.substr(from, at - from));
            c.push_back(line.substr(from));
            return c;
        };
        const std::vector<std::string> head = cells(lines[0]);
        const auto column = [&](std::string_view name) {
            return static_cast<std::size_t>(std::find(head.begin(), head.end(), name) - head.begin());
        };
        ASSERT_LT(column("支払利息"), head.size()) << lines[0];
        ASSERT_LT(column("未払利息"), head.size());
        for (std::size_t k = 1; k < lines.size(); ++k) {
            const std::vector<std::string> c = cells(lines[k]);
            ASSERT_EQ(std::stoll(c[column("返済額")]), std::stoll(c[column("支払利息")]) + std::stoll(c[column("元金")]))
                << lines[k];
        }
    }
}

TEST_F(ScheduleTableTest, TabTextCopiesHeadingsAndTheChosenRows)
{
    const std::vector<std::string> all = Lines(ScheduleTabText(yearly), "\n");
    EXPECT_EQ(all.size(), 36u);
    EXPECT_EQ(all[0], "年目\t期間\t返済額\t支払利息\t元金\t残高");
    const std::vector<std::string> some = Lines(ScheduleTabText(yearly, {0, 34, 99}), "\n");
    ASSERT_EQ(some.size(), 3u); // a row beyond the table is ignored
    EXPECT_EQ(some[1].substr(0, some[1].find('\t', 2)), "1\t2027年4月～2028年3月");
    EXPECT_NE(some[1].find("\t1193228\t"), std::string::npos);
    EXPECT_EQ(some[2].substr(0, 3), "35\t");
}

} // namespace
} // namespace hn
