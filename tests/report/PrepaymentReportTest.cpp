// SPDX-License-Identifier: GPL-3.0-or-later
// The prepayment report's lines: the whole loan, both parts.
#include "report/PrepaymentReport.h"

#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hn {
namespace {

std::vector<std::string> Captions(const std::vector<PrepaymentLine>& lines)
{
    std::vector<std::string> captions;
    for (const PrepaymentLine& l : lines)
        captions.emplace_back(l.caption);
    return captions;
}

// 3,000 万円 with 600 in bonus instalments, 2 % then 3 %, 35 years from January 2027;
// 100 万円 after month 120 and 200 万円 (50 to the bonus part) after month 180.
TEST(PrepaymentReport, SummaryLinesNameTheWholeLoansEnd)
{
    const Schedule s = BuildSchedule(test::WorkedLoan(CorporationBasic));
    ASSERT_TRUE(s.ok());
    const ScheduleCalendar calendar{{2027, 1}, {6, 12}};
    const auto both = [&](PrepayMode mode) {
        const std::vector<Prepayment> listed{{120, 1'000'000, 0, mode}, {180, 1'500'000, 500'000, mode}};
        return SummarisePrepayments(ApplyPrepayments(s, listed), calendar);
    };
    const PrepaymentSummary shorten = both(PrepayMode::Shorten);
    EXPECT_EQ(LoanEndText(shorten.end), "ﾎﾞｰﾅｽ第64回 (2058年12月)");
    EXPECT_EQ(LoanEndText(shorten.monthlyEnd), "第369回 (2057年9月)");
    const std::vector<PrepaymentLine> lines = PrepaymentSummaryLines(shorten);
    EXPECT_EQ(Captions(lines), (std::vector<std::string>{"次回からの返済額", "次回からのﾎﾞｰﾅｽ返済額", "完済", "短縮",
                                                         "毎月分の完済", "ﾎﾞｰﾅｽ分の完済"}));
    EXPECT_EQ(lines[2].planned, "第420回 (2061年12月)");
    EXPECT_EQ(lines[3].value, "3年");
    EXPECT_TRUE(lines[3].planned.empty());

    // Lowering the instalments keeps the end: no 短縮 to speak of, the parts end together.
    const std::vector<PrepaymentLine> reduce = PrepaymentSummaryLines(both(PrepayMode::Reduce));
    EXPECT_EQ(Captions(reduce), (std::vector<std::string>{"次回からの返済額", "次回からのﾎﾞｰﾅｽ返済額", "完済"}));
    EXPECT_EQ(reduce[0].value, "75,887円");
    EXPECT_EQ(reduce[1].value, "117,223円");
}

} // namespace
} // namespace hn
