// SPDX-License-Identifier: GPL-3.0-or-later
// Rate paths as the user types them and as the presets build them, and the
// calendar labels of their months.
#include "calc/DecimalText.h"
#include "calc/ExactRate.h"
#include "calc/Repayment.h"
#include "calc/rates/RateCalendar.h"
#include "calc/rates/RatePath.h"
#include "calc/rates/ScenarioTexts.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

TEST(RatePathText, ReadsSortsAndWritesBack)
{
    const RatePathParse p = ParseRatePath(" 13 : 1.5 ,1:0.5,61:3.375");
    ASSERT_TRUE(p.check.ok());
    ASSERT_EQ(p.path.steps.size(), 3u);
    EXPECT_EQ(p.path.steps[0], (RateStep{1, 0.5 * 0.01}));
    EXPECT_EQ(p.path.steps[1], (RateStep{13, 1.5 * 0.01}));
    EXPECT_EQ(p.path.steps[2], (RateStep{61, 3.375 * 0.01}));
    EXPECT_EQ(FormatRatePath(p.path), "1:0.5,13:1.5,61:3.375");
    EXPECT_EQ(ParseRatePath(FormatRatePath(p.path)).path, p.path);
    EXPECT_DOUBLE_EQ(RateAt(p.path, 12), 0.005);
    EXPECT_DOUBLE_EQ(RateAt(p.path, 13), 0.015);
    EXPECT_DOUBLE_EQ(RateAt(p.path, 1188), 0.03375);
}

TEST(RatePathText, ProblemsNameTheEntryTyped)
{
    struct Case {
        const char* text;
        RatePathProblem problem;
        int entry; // 0-based, as typed
    } const cases[] = {
        {"", RatePathProblem::BadText, 0},
        {"1:0.5,", RatePathProblem::BadText, 1},
        {"1:0.5,13", RatePathProblem::BadText, 1},
        {"1:0.5,x:1", RatePathProblem::BadText, 1},
        {"1:0.5,13:1.5%", RatePathProblem::BadText, 1},
        {"1.5:0.5", RatePathProblem::BadText, 0},
        {"13:1.5", RatePathProblem::NoFirstMonth, 0},
        {"1:0.5,0:1", RatePathProblem::MonthOutOfRange, 1},
        {"1:0.5,1189:1", RatePathProblem::MonthOutOfRange, 1},
        {"1:0.5,99999999999:1", RatePathProblem::MonthOutOfRange, 1},
        {"1:0.5,13:1,13:2", RatePathProblem::MonthRepeated, 2},
        {"1:0.5,25:0,13:1", RatePathProblem::RateOutOfRange, 1},
        {"1:99.5", RatePathProblem::RateOutOfRange, 0},
        {"1:-1", RatePathProblem::RateOutOfRange, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const RatePathParse p = ParseRatePath(c.text);
        EXPECT_EQ(p.check.problem, c.problem);
        EXPECT_EQ(p.check.step, c.entry);
        EXPECT_TRUE(p.path.steps.empty());
        const std::string named =
            c.problem == RatePathProblem::NoFirstMonth ? "month 1" : "entry " + std::to_string(c.entry + 1);
        EXPECT_NE(DescribeRatePathProblem(p.check).find(named), std::string::npos);
    }
    EXPECT_EQ(CheckRatePath(RatePath{{{1, 0.01}, {13, 0.02}, {7, 0.03}}}).problem, RatePathProblem::MonthsNotRising);
}

// The bounds are said as they are applied: the smallest rate a rate field can state,
// and rates written as the decimals typed, never in exponent form.
TEST(RatePathText, SaysItsBoundsAndTinyRatesAsApplied)
{
    EXPECT_EQ(ParseDecimal(kMinRatePercentText).value() * 0.01, kMinRate);
    EXPECT_EQ(ParseDecimal(kMaxRatePercentText).value() * 0.01, kMaxRate);
    const std::string bounds = std::string(kMinRatePercentText) + "～" + std::string(kMaxRatePercentText) + "%";
    EXPECT_NE(kMsgPathRateOutOfRange.find(bounds), std::string_view::npos);
    const RatePathCheck tooLow = ParseRatePath("1:0.00005").check;
    EXPECT_EQ(tooLow.problem, RatePathProblem::RateOutOfRange);
    EXPECT_NE(DescribeRatePathProblem(tooLow).find("from 0.0001 to 99 percent"), std::string::npos);
    const RatePathParse least = ParseRatePath("1:0.0001,13:5e-4");
    ASSERT_TRUE(least.check.ok());
    EXPECT_EQ(FormatRatePath(least.path), "1:0.0001,13:0.0005");
    EXPECT_EQ(FormatRatePath(RatePath{{{1, 0.0005 * 0.01}}}), "1:0.0005");
    EXPECT_EQ(ExactRate::FromFraction(kMinRate).PercentText(), "0.0001");
}

TEST(RatePathPresets, BuildWhatTheirNamesSay)
{
    EXPECT_EQ(FlatRatePath(0.475), (RatePath{{{1, 0.475 * 0.01}}}));
    // 0.1 + 0.2 is 0.3 to the user, and to the path.
    EXPECT_EQ(RiseOnceRatePath(0.1, 0.2, 13), ParseRatePath("1:0.1,13:0.3").path);
    EXPECT_EQ(RiseOnceRatePath(2.375, 0, 13), FlatRatePath(2.375));
    EXPECT_EQ(RiseOnceRatePath(2.375, -1, 13), ParseRatePath("1:2.375,13:1.375").path);

    // +0.3 every 2 years from 0.5 up to 1.5: the fourth rise stops at the cap.
    EXPECT_EQ(RiseEveryRatePath(0.5, 0.3, 2, 1.5, 420), ParseRatePath("1:0.5,25:0.8,49:1.1,73:1.4,97:1.5").path);
    // The term ends first: no step past the last instalment.
    EXPECT_EQ(RiseEveryRatePath(0.5, 0.3, 2, 9, 60), ParseRatePath("1:0.5,25:0.8,49:1.1").path);
    EXPECT_EQ(RiseEveryRatePath(0.5, 0.3, 2, 0.5, 420), FlatRatePath(0.5));
    EXPECT_EQ(RiseEveryRatePath(0.5, 0.3, 0, 2, 420), FlatRatePath(0.5));
    EXPECT_TRUE(CheckRatePath(RiseEveryRatePath(0.5, 0.01, 1, 99, kMaxPathMonth)).ok());
}

TEST(RateCalendarLabels, AprilAndOctoberRatesPaidFromJulyAndJanuary)
{
    EXPECT_EQ(RateSettingFor({2027, 1}), (YearMonth{2026, 10}));
    EXPECT_EQ(RateSettingFor({2027, 6}), (YearMonth{2026, 10}));
    EXPECT_EQ(RateSettingFor({2027, 7}), (YearMonth{2027, 4}));
    EXPECT_EQ(RateSettingFor({2027, 12}), (YearMonth{2027, 4}));
    EXPECT_TRUE(IsRateChangeMonth({2027, 1}));
    EXPECT_TRUE(IsRateChangeMonth({2027, 7}));
    EXPECT_FALSE(IsRateChangeMonth({2027, 4}));
    ScheduleCalendar calendar;
    calendar.firstMonth = {2026, 12};
    EXPECT_EQ(RateMonthLabel(calendar, 8), "第8回 (2027年7月, 2027年4月1日の金利)");
    EXPECT_EQ(RateMonthLabel(calendar, 61), "第61回 (2031年12月, 2031年4月1日の金利)");
    EXPECT_EQ(RateMonthLabel(calendar, 2), "第2回 (2027年1月, 2026年10月1日の金利)");
}

} // namespace
} // namespace hn

// The window names the row at fault in its own words; a check that passes says nothing.
TEST(RatePathProblemText, NamesTheRowAtFault)
{
    EXPECT_EQ(hn::RatePathProblemText({}), "");
    EXPECT_EQ(hn::RatePathProblemText(hn::CheckRatePath(hn::RatePath{})), std::string(hn::kMsgPathEmpty));
    EXPECT_EQ(hn::RatePathProblemText(hn::ParseRatePath("1:1,13:2,13:3").check),
              "3行目: " + std::string(hn::kMsgPathMonthRepeated));
    EXPECT_EQ(hn::RatePathProblemText(hn::ParseRatePath("1:1,x").check), "2行目: " + std::string(hn::kMsgPathBadText));
    EXPECT_EQ(hn::RatePathProblemText(hn::ParseRatePath("13:1").check), std::string(hn::kMsgPathNoFirstMonth));
}
