// SPDX-License-Identifier: GPL-3.0-or-later
// The early-repayment section's list, without the window: rows read into prepayments
// with a message naming the row at fault, and the list applied each way with the row a
// way refuses named too.
#include "planning/PrepayList.h"
#include "report/Units.h"

#include "calc/schedule/PrepaymentMessages.h"
#include "calc/schedule/PrepaymentTexts.h"
#include "planning/PlanningFigures.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace hn {
namespace {

PrepayList Read(std::vector<PrepayRowText> rows)
{
    return ReadPrepayList(rows);
}

std::string At(int row, std::string_view message)
{
    return std::to_string(row) + "行目: " + std::string(message);
}

TEST(ReadPrepayList, TakesTheFilledRowsInYenAndSkipsEmptyOnes)
{
    const PrepayList list = Read({{"120", "100", ""}, {"", "", ""}, {" 240 ", "1,000.5", "20"}});
    ASSERT_TRUE(list.ok()) << list.message;
    ASSERT_EQ(list.prepayments.size(), 2u);
    EXPECT_EQ(list.rows, (std::vector<int>{1, 3}));
    EXPECT_EQ(list.prepayments[0].instalment, 120);
    EXPECT_EQ(list.prepayments[0].amountYen, 1'000'000);
    EXPECT_EQ(list.prepayments[0].bonusAmountYen, 0);
    EXPECT_EQ(list.prepayments[1].instalment, 240);
    EXPECT_EQ(list.prepayments[1].amountYen, 10'005'000 - 200'000);
    EXPECT_EQ(list.prepayments[1].bonusAmountYen, 200'000);
}

TEST(ReadPrepayList, NamesTheRowAtFaultAndKeepsNothingHalfRead)
{
    struct Case {
        std::vector<PrepayRowText> rows;
        int row;
        std::string_view message;
        int column = 0; // the cell the cursor goes to
    };
    const std::vector<Case> cases{
        {{{"120", "100", ""}, {"0", "100", ""}}, 2, kMsgPrepayInstalmentInvalid},
        {{{"12.5", "100", ""}}, 1, kMsgPrepayInstalmentInvalid},
        {{{"abc", "100", ""}}, 1, kMsgPrepayInstalmentInvalid},
        {{{"1189", "100", ""}}, 1, kMsgPrepayInstalmentInvalid},
        {{{"", "100", ""}}, 1, kMsgPrepayInstalmentInvalid},
        {{{"120", "", ""}}, 1, kMsgPrepayAmountInvalid, 1},
        {{{"120", "0", ""}}, 1, kMsgPrepayAmountInvalid, 1},
        {{{"120", "-5", ""}}, 1, kMsgPrepayAmountInvalid, 1},
        {{{"120", "1e300", ""}}, 1, kMsgPrepayAmountInvalid, 1},
        // A wrong bonus part is named as such, not as a wrong amount.
        {{{"", "", ""}, {"", "", ""}, {"120", "100", "-1"}}, 3, kMsgPrepayBonusInvalid, 2},
        {{{"120", "100", "abc"}}, 1, kMsgPrepayBonusInvalid, 2},
        {{{"120", "100", "101"}}, 1, kMsgPrepayBonusOverAmount, 2},
        {{{"2147483648", "100", ""}}, 1, kMsgPrepayInstalmentInvalid},
    };
    for (const Case& c : cases) {
        const PrepayList list = Read(c.rows);
        EXPECT_FALSE(list.ok()) << c.rows.front().instalment;
        EXPECT_EQ(list.message, At(c.row, c.message));
        EXPECT_EQ(list.faultyRow, c.row);
        EXPECT_EQ(list.faultyColumn, c.column) << list.message;
        EXPECT_TRUE(list.prepayments.empty());
    }
    const PrepayList empty = Read({{"", "", ""}, {" ", "", ""}});
    EXPECT_EQ(empty.message, kMsgPrepayListEmpty);
    EXPECT_EQ(empty.faultyRow, 0);
}

class ApplyEachWayTest : public ::testing::Test {
protected:
    // 2,000 万円 at 3 % over 35 years.
    Schedule schedule = BuildSchedule(WholeYenInput(MakeLoanInput({BankOther, 2000, 0, 3, 0, 35})));
};

TEST_F(ApplyEachWayTest, EveryRowGoesEachWayAndTheColumnsSayWhatTheyGive)
{
    const PrepayWays ways = ApplyEachWay(schedule, Read({{"240", "50", ""}, {"120", "100", ""}}));
    for (PrepayMode mode : {PrepayMode::Reduce, PrepayMode::Shorten, PrepayMode::ShortenWhole}) {
        const PrepaymentOutcome& o = ways.Outcome(mode);
        ASSERT_TRUE(o.ok) << ways.Message(mode);
        EXPECT_TRUE(ways.Message(mode).empty());
        EXPECT_TRUE(o.checks.allPassed());
        ASSERT_EQ(o.applied.size(), 2u);
        EXPECT_EQ(o.applied[0].asked.instalment, 120);
        EXPECT_EQ(o.applied[0].asked.mode, mode);
        EXPECT_EQ(o.applied[1].asked.mode, mode);
    }
    EXPECT_EQ(ways.outcomes.reduce.monthsAfter(), 420);
    EXPECT_LT(ways.outcomes.shorten.monthsAfter(), 394); // more than the single 100 万円 gives
    EXPECT_EQ(ways.outcomes.reduce.prepaidYen, 1'500'000);

    // The column gives the instalment after the last prepayment, not after the first.
    const auto rows = PrepayRows(PrepayMode::Reduce, ways.outcomes.reduce, {{2027, 4}, {6, 12}});
    const auto value = [&](std::string_view caption) {
        for (const FigureRow& r : rows)
            if (r.caption == caption)
                return r.value;
        return std::string();
    };
    EXPECT_EQ(value(kPrepayNextInstalment), Text(Quantity::Yen(ways.outcomes.reduce.applied[1].nextInstalmentYen)));
    EXPECT_NE(value(kPrepayNextInstalment), Text(Quantity::Yen(ways.outcomes.reduce.applied[0].nextInstalmentYen)));
    EXPECT_EQ(value(kPrepayAsked), ""); // all of it was used
    // Whole instalments use less than asked: the amount asked is shown beside the used.
    const auto whole = PrepayRows(PrepayMode::ShortenWhole, ways.outcomes.shortenWhole, {{2027, 4}, {6, 12}});
    EXPECT_TRUE(std::any_of(whole.begin(), whole.end(), [](const FigureRow& r) {
        return r.caption == kPrepayAsked && r.value == "1,500,000円";
    }));
}

TEST_F(ApplyEachWayTest, AWayThatEndedTheLoanEarlierNamesTheRowItCannotTake)
{
    // Listed out of order: 1,900 万円 after the first year shortens the loan to a few
    // more months, so instalment 100 is past its end that way, not when reducing.
    const PrepayWays ways = ApplyEachWay(schedule, Read({{"100", "10", ""}, {"12", "1900", ""}}));
    EXPECT_TRUE(ways.anyOk());
    EXPECT_TRUE(ways.outcomes.reduce.ok);
    EXPECT_EQ(ways.outcomes.reduce.monthsAfter(), 420);
    EXPECT_FALSE(ways.outcomes.shorten.ok);
    EXPECT_EQ(ways.Message(PrepayMode::Shorten), At(1, kMsgPrepayAfterEnd));

    // A row past the end of the loan itself: every way refuses it.
    const PrepayWays late = ApplyEachWay(schedule, Read({{"120", "100", ""}, {"420", "10", ""}}));
    EXPECT_FALSE(late.anyOk());
    for (const std::string& m : late.messages)
        EXPECT_EQ(m, At(2, kMsgPrepayAfterEnd));
    // A bonus share on a loan without a bonus part.
    const PrepayWays bonus = ApplyEachWay(schedule, Read({{"120", "100", "10"}}));
    EXPECT_EQ(bonus.Message(PrepayMode::Reduce), At(1, kMsgPrepayNoBonus));
}

TEST_F(ApplyEachWayTest, MoreThanTheBalanceEndsTheLoanRightAfterItsInstalment)
{
    const PrepayWays ways = ApplyEachWay(schedule, Read({{"120", "5000", ""}}));
    for (PrepayMode mode : {PrepayMode::Reduce, PrepayMode::Shorten, PrepayMode::ShortenWhole}) {
        const PrepaymentOutcome& o = ways.Outcome(mode);
        ASSERT_TRUE(o.ok);
        EXPECT_TRUE(o.checks.allPassed());
        EXPECT_EQ(o.monthsAfter(), 120) << PrepayModeName(mode);
        EXPECT_LT(o.prepaidYen, 50'000'000);
    }
    const auto rows = PrepayRows(PrepayMode::Shorten, ways.outcomes.shorten, {{2027, 4}, {6, 12}});
    EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [](const FigureRow& r) {
        return r.caption == kPrepayAsked && r.value == "50,000,000円";
    }));
}

} // namespace
} // namespace hn
