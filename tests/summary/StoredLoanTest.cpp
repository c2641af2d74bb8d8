// SPDX-License-Identifier: GPL-3.0-or-later
// A summary slot's loan from the texts stored with it: the same input the calculate
// command made from those fields, whatever separators the fields showed.
#include "summary/StoredLoan.h"

#include "calc/CalculateCommand.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

LoanInput Calculated(RepaymentMethod method, double loan, double bonus, double rate1, double rate2, const char* period)
{
    CalcRequest r;
    r.method = method;
    r.loanMan = loan;
    r.bonusMan = bonus;
    r.rate1Percent = rate1;
    r.rate2Percent = rate2;
    r.periodText = period;
    const CalcOutcome out = RunCalculateCommand(r);
    EXPECT_TRUE(out.ok);
    return out.success.input;
}

HostTexts Texts(const char* loan, const char* bonus, const char* rate1, const char* rate2, const char* period)
{
    HostTexts t;
    t.loan = loan;
    t.bonusPart = bonus;
    t.rate1 = rate1;
    t.rate2 = rate2;
    t.periodEdit = period;
    return t;
}

bool Same(const LoanInput& a, const LoanInput& b)
{
    return a.method == b.method && a.loanYen == b.loanYen && a.bonusYen == b.bonusYen && a.normalYen == b.normalYen &&
           a.rate1 == b.rate1 && a.rate2 == b.rate2 && a.periodYears == b.periodYears;
}

TEST(StoredLoanInput, ReadsTheFieldsAsTheyWereShown)
{
    const auto worked = StoredLoanInput(1, Texts("3,000", "600", "2.0", "3.0", "35"), {'.', ','});
    ASSERT_TRUE(worked);
    EXPECT_TRUE(Same(*worked, Calculated(CorporationBasic, 3000, 600, 2.0, 3.0, "35")));

    // Fields that showed a German locale's separators.
    const auto german = StoredLoanInput(5, Texts("12.345,5", "1.000", "1.25", "2.5", "30"), {',', '.'});
    ASSERT_TRUE(german);
    EXPECT_TRUE(Same(*german, Calculated(EqualPrincipal, 12345.5, 1000, 1.25, 2.5, "30")));

    // Ten years or less: the second rate is the first, as the calculate command makes it.
    const auto tenYears = StoredLoanInput(3, Texts("2,000", "", "1.5", "", "10"), {'.', ','});
    ASSERT_TRUE(tenYears);
    EXPECT_EQ(tenYears->rate2, tenYears->rate1);
}

TEST(StoredLoanInput, TextsTheCalculateCommandRefusesGiveNoLoan)
{
    EXPECT_FALSE(StoredLoanInput(0, Texts("3,000", "600", "2.0", "3.0", "35"), {'.', ','})); // no method
    EXPECT_FALSE(StoredLoanInput(7, Texts("3,000", "600", "2.0", "3.0", "35"), {'.', ','}));
    EXPECT_FALSE(StoredLoanInput(1, Texts("3,000", "600", "2.0", "3.0", ""), {'.', ','}));
    EXPECT_FALSE(StoredLoanInput(2, Texts("3,000", "600", "2.0", "3.0", "20"), {'.', ','})); // ゆとり under 25 years
    EXPECT_FALSE(StoredLoanInput(1, Texts("3,000", "2,000", "2.0", "3.0", "35"), {'.', ','})); // bonus over half
}

} // namespace
} // namespace hn
