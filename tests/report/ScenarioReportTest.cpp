// SPDX-License-Identifier: GPL-3.0-or-later
// What a rate scenario's warnings say, kind by kind.
#include "report/ScenarioReport.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

TEST(ScenarioReport, WarningsSayTheAmountsWithTheirUnits)
{
    ScenarioWarning left;
    left.kind = ScenarioWarningKind::UnpaidLeft;
    left.yen = 234'720;
    EXPECT_EQ(ScenarioWarningText(left), "未払利息が残ります: 最終回に234,720円をまとめて支払います。");

    ScenarioWarning cleared;
    cleared.kind = ScenarioWarningKind::UnpaidCleared;
    cleared.yen = 234'720;
    cleared.months = 58;
    EXPECT_EQ(ScenarioWarningText(cleared), "返済額が利息に届かない月があります: 未払利息は最大234,720円 (58か月)。");

    ScenarioWarning owed;
    owed.kind = ScenarioWarningKind::NegativeAmortisation;
    owed.bonusPart = true;
    owed.at = 11;
    owed.yen = 2'000'100;
    owed.before = 2'000'000;
    EXPECT_EQ(ScenarioWarningText(owed), "ﾎﾞｰﾅｽ返済の第11回の見直しで、残高と未払利息の合計2,000,100円が前回の見直し時の"
                                         "2,000,000円を上回っています (返済しても借入残高が増えています)。");
}

} // namespace
} // namespace hn
