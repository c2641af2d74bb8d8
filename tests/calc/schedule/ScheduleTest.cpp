// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/schedule/Schedule.h"
#include "calc/schedule/ScheduleChecks.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

using test::Loan;
using test::WorkedLoan;

struct Figures {
    std::int64_t payment, interest, principal, balance;
};

void ExpectRow(const SchedulePart& part, int number, Figures f)
{
    SCOPED_TRACE(testing::Message() << (part.kind == SchedulePartKind::Monthly ? "month " : "bonus ") << number);
    ASSERT_GE(part.rows.size(), static_cast<std::size_t>(number));
    const ScheduleRow& r = part.rows[static_cast<std::size_t>(number - 1)];
    EXPECT_EQ(r.number, number);
    EXPECT_EQ(r.payment, f.payment);
    EXPECT_EQ(r.interest, f.interest);
    EXPECT_EQ(r.principal, f.principal);
    EXPECT_EQ(r.balance, f.balance);
}

std::int64_t PaymentTotal(const Schedule& s)
{
    return TotalsOf(s).payment;
}

// 3,000 万円 with 600 in bonus instalments, 2.0 % then 3.0 %, 35 years.
TEST(BuildSchedule, WorkedLevelLoan)
{
    const LoanInput in = WorkedLoan(CorporationBasic);
    const Schedule s = BuildSchedule(in);
    ASSERT_TRUE(s.ok());
    EXPECT_EQ(s.monthly.rows.size(), 420u);
    EXPECT_EQ(s.bonus.rows.size(), 70u);
    EXPECT_FALSE(s.endedEarly());

    ExpectRow(s.monthly, 60, {79503, 35921, 43582, 21509410});
    ExpectRow(s.monthly, 61, {79503, 35849, 43654, 21465756});
    ExpectRow(s.monthly, 120, {79503, 31342, 48161, 18757112});
    ExpectRow(s.monthly, 121, {88948, 46892, 42056, 18715056});
    ExpectRow(s.monthly, 420, {88881, 221, 88660, 0});
    ExpectRow(s.bonus, 70, {133962, 1979, 131983, 0});

    // Against the window's band-based 45,313,480: the last instalments settle
    // the exact balance instead of repeating the band figure.
    EXPECT_EQ(PaymentTotal(s), 45313439);
    EXPECT_EQ(s.monthly.rows[119].yearlyRate, 0.02);
    EXPECT_EQ(s.monthly.rows[120].yearlyRate, 0.03);
    EXPECT_EQ(s.bonus.rows[19].yearlyRate, 0.02);
    EXPECT_EQ(s.bonus.rows[20].yearlyRate, 0.03);

    ScheduleCheckReport report = CheckSchedule(s);
    CheckAgainstResult(s, ComputeRepayment(in).result, report);
    EXPECT_TRUE(report.allPassed());
}

TEST(BuildSchedule, WorkedEqualPrincipalLoan)
{
    const LoanInput in = WorkedLoan(EqualPrincipal);
    const Schedule s = BuildSchedule(in);
    ASSERT_TRUE(s.ok());
    // Shares of 57,142 leave 60 yen over, which the last instalment repays.
    ExpectRow(s.monthly, 1, {97142, 40000, 57142, 23942858});
    ExpectRow(s.monthly, 420, {57645, 143, 57502, 0});
    // The window's 43,246,377 floors each interest as a double product; two
    // instalments charge the yen that product falls short of the exact interest.
    const LoanResult window = ComputeRepayment(in).result;
    EXPECT_EQ(window.totalYen, 43246377);
    EXPECT_EQ(PaymentTotal(s), 43246379);

    ScheduleCheckReport report = CheckSchedule(s);
    CheckAgainstResult(s, window, report);
    EXPECT_TRUE(report.allPassed());
}

// Interest as a lender computes it: floor(balance × rate ÷ 12) in whole numbers,
// from the rate as typed. 2,000 万円 at 2 % over 30 years, month 346: 1,094,400 ×
// 2 % ÷ 12 is 1,824 exactly, which the double product floors to 1,823.
TEST(BuildSchedule, ChargesTheExactInterestOfTheRateAsTyped)
{
    const Schedule two = BuildSchedule(Loan(BankOther, 2000, 0, 2.0, 2.0, 30));
    ASSERT_TRUE(two.ok());
    EXPECT_EQ(two.monthly.rows[344].balance, 1094400);
    EXPECT_EQ(two.monthly.rows[345].interest, 1824);
    EXPECT_EQ(PaymentTotal(two), 26612480);
    const Schedule oneHalf = BuildSchedule(Loan(BankOther, 2000, 0, 1.5, 1.5, 30));
    EXPECT_EQ(PaymentTotal(oneHalf), 24848426);

    // The rates charged are the ones the instalments were formed with: a text
    // that reads as another rate is not taken.
    const LoanInput in = Loan(BankOther, 2000, 0, 2.0, 2.0, 30);
    EXPECT_EQ(BuildSchedule(in, ExactRatesFromTexts(in, "2.000", "")).monthly.rows, two.monthly.rows);
    EXPECT_EQ(ExactRatesFromTexts(in, "2.01", "").first.PercentText(), "2");
    const ExactLoanRates wrong{ExactRate::FromPercentText("2.01").value(), ExactRate{}};
    EXPECT_EQ(BuildSchedule(in, wrong).status, ScheduleStatus::InvalidInput);
}

TEST(BuildSchedule, RatesFollowTheMethod)
{
    // 銀行型・他 keeps the first rate and the first instalment to the end.
    const Schedule bank = BuildSchedule(WorkedLoan(BankOther));
    ASSERT_TRUE(bank.ok());
    EXPECT_EQ(bank.monthly.rows[120].yearlyRate, 0.02);
    EXPECT_EQ(bank.monthly.rows[120].payment, 79503);
    EXPECT_EQ(bank.bonus.rows[69].yearlyRate, 0.02);

    // The reduced family changes its instalment after months 60 and 120.
    const Schedule reduced = BuildSchedule(WorkedLoan(CorporationYutori));
    ASSERT_TRUE(reduced.ok());
    EXPECT_EQ(reduced.monthly.rows[59].payment, 63309);
    EXPECT_EQ(reduced.monthly.rows[60].payment, 83276);
    EXPECT_EQ(reduced.monthly.rows[120].payment, 93170);
    EXPECT_EQ(reduced.bonus.rows[9].payment, 95194);
    EXPECT_EQ(reduced.bonus.rows[10].payment, 125275);
    EXPECT_EQ(reduced.bonus.rows[20].payment, 140296);

    // Up to ten years the second rate plays no part, whatever it holds.
    const Schedule ten = BuildSchedule(Loan(CorporationBasic, 1000, 0, 2.0, 0.0, 10));
    ASSERT_TRUE(ten.ok());
    EXPECT_EQ(ten.monthly.rows.back().number, 120);
    EXPECT_EQ(ten.monthly.rows.back().yearlyRate, 0.02);
}

TEST(BuildSchedule, NoBonusPartHasNoBonusRows)
{
    const Schedule s = BuildSchedule(Loan(CorporationBasic, 3000, 0, 2.0, 3.0, 35));
    ASSERT_TRUE(s.ok());
    EXPECT_TRUE(s.bonus.rows.empty());
    EXPECT_EQ(s.bonus.termCount, 0);
    EXPECT_EQ(s.bonus.loanYen, 0);
    EXPECT_FALSE(s.endedEarly());
    EXPECT_TRUE(CheckSchedule(s).allPassed());
}

// A tiny loan at a high rate: the floored interest hands the principal a yen
// more each month than the annuity plans, so the balance runs ahead and an
// instalment reaches it before the term ends. That instalment settles the
// balance (payment = balance + interest) and the part ends.
TEST(BuildSchedule, AnInstalmentReachingTheBalanceEndsThePartEarly)
{
    // 10 万円 at 20 % over 50 years: month 584 of 600 settles. 100 万円 at 20 %
    // over 50 years (half in bonus instalments): month 597 of 600.
    struct Case {
        LoanInput in;
        std::size_t months;
    };
    const Case cases[] = {
        {Loan(CorporationBasic, 10, 0, 20.0, 20.0, 50), 584},
        {Loan(CorporationBasic, 100, 50, 20.0, 20.0, 50), 597},
    };
    for (const Case& c : cases) {
        const Schedule s = BuildSchedule(c.in);
        ASSERT_TRUE(s.ok());
        EXPECT_TRUE(s.endedEarly());
        ASSERT_EQ(s.monthly.rows.size(), c.months);
        const ScheduleRow& last = s.monthly.rows.back();
        const ScheduleRow& before = s.monthly.rows[s.monthly.rows.size() - 2];
        EXPECT_EQ(last.balance, 0);
        EXPECT_EQ(last.principal, before.balance);
        EXPECT_EQ(last.payment, last.principal + last.interest);
        EXPECT_LE(last.payment, before.payment); // settling never asks for more than the instalment
        // Up to the settling row every instalment of the last band is the band's.
        const std::size_t bandStart = c.months > 120 ? 120 : 0;
        for (std::size_t k = bandStart; k + 1 < s.monthly.rows.size(); ++k)
            EXPECT_EQ(s.monthly.rows[k].payment, s.monthly.rows[bandStart].payment) << "month " << k + 1;
        ScheduleCheckReport report = CheckSchedule(s);
        CheckAgainstResult(s, ComputeRepayment(c.in).result, report);
        EXPECT_TRUE(report.allPassed());
    }
}

// 99 % over 94 years: the bonus instalment, floor(2,300,000 x the annuity
// factor), comes out a yen below the half-year interest of 1,138,500. The yen
// is carried as unpaid interest, which instalment 21 pays before principal.
TEST(BuildSchedule, AnInstalmentBelowTheInterestLeavesItUnpaid)
{
    const LoanInput in = Loan(CorporationBasic, 2631, 230, 99.0, 0.15, 94);
    const LoanResult window = ComputeRepayment(in).result;
    ASSERT_EQ(window.bonus[0], 1138499);
    const Schedule s = BuildSchedule(in);
    ASSERT_TRUE(s.ok());
    const ScheduleRow& first = s.bonus.rows[0];
    EXPECT_EQ(first.interest, 1138500);
    EXPECT_EQ(first.principal, 0);
    EXPECT_EQ(first.balance, 2300000);
    EXPECT_EQ(first.unpaidInterest, 1);
    EXPECT_EQ(s.bonus.rows[19].unpaidInterest, 20);
    EXPECT_EQ(s.bonus.rows[19].balance, 2300000);
    const ScheduleRow& paid = s.bonus.rows[20];
    EXPECT_EQ(paid.payment, 14598);
    EXPECT_EQ(paid.interest, 1725);
    EXPECT_EQ(paid.principal, 14598 - 1725 - 20);
    EXPECT_EQ(paid.unpaidInterest, 0);

    ScheduleCheckReport report = CheckSchedule(s);
    CheckAgainstResult(s, window, report);
    EXPECT_TRUE(report.allPassed());
}

TEST(BuildSchedule, KeepsWholeYenOnly)
{
    // A fraction of a yen (a decimal 万円 on the command line) is not a
    // schedule figure; WholeYenInput rounds it first.
    LoanInput in = Loan(CorporationBasic, 0.0003, 0, 2.0, 3.0, 20); // 2.9999999999999996
    ASSERT_NE(in.normalYen, 3.0);
    EXPECT_EQ(BuildSchedule(in).status, ScheduleStatus::InvalidInput);
    const LoanInput whole = WholeYenInput(in);
    EXPECT_EQ(whole.loanYen, 3.0);
    EXPECT_EQ(whole.normalYen, 3.0);
    EXPECT_TRUE(BuildSchedule(whole).ok());

    LoanInput bonus = Loan(CorporationBasic, 3000, 600, 2.0, 3.0, 20);
    bonus.bonusYen = 6000000.4;
    bonus.normalYen = bonus.loanYen - bonus.bonusYen;
    const LoanInput rounded = WholeYenInput(bonus);
    EXPECT_EQ(rounded.bonusYen, 6000000.0);
    EXPECT_EQ(rounded.normalYen + rounded.bonusYen, rounded.loanYen);

    // Input the engine refuses has no schedule either: a period too short for
    // the method, or a small loan whose plan turns negative at an extreme rate
    // (rows that would pay the borrower back).
    EXPECT_EQ(BuildSchedule(Loan(CorporationYutori, 3000, 0, 2.0, 3.0, 20)).status, ScheduleStatus::InvalidInput);
    const LoanInput negative = Loan(PensionBasic, 2, 0, 99.0, 0.09, 69);
    ASSERT_EQ(ComputeRepayment(negative).status, RepaymentStatus::NegativeFigure);
    const Schedule refused = BuildSchedule(negative);
    EXPECT_EQ(refused.status, ScheduleStatus::InvalidInput);
    EXPECT_TRUE(refused.monthly.rows.empty());
}

// Beyond 2^53 yen doubles no longer hold every whole yen, so floor(balance x
// rate) stops meaning what it says: such a schedule is refused, not shown with
// figures that merely look exact.
TEST(BuildSchedule, RefusesFiguresBeyondTheExactRange)
{
    LoanInput in = Loan(CorporationBasic, 0, 0, 2.0, 3.0, 35);
    in.loanYen = in.normalYen = static_cast<double>(kMaxExactYen) * 2;
    Schedule s = BuildSchedule(in);
    EXPECT_EQ(s.status, ScheduleStatus::BeyondExactRange);
    EXPECT_TRUE(s.monthly.rows.empty());
    EXPECT_TRUE(CheckSchedule(s).items.empty());
    EXPECT_FALSE(CheckSchedule(s).allPassed());

    // Every instalment fits, but the payments add up beyond the range.
    in.loanYen = in.normalYen = static_cast<double>(kMaxExactYen / 2);
    in.rate1 = in.rate2 = 0.5;
    s = BuildSchedule(in);
    EXPECT_EQ(s.status, ScheduleStatus::BeyondExactRange);
    EXPECT_TRUE(s.monthly.rows.empty());

    // Just inside: a loan of 2^52 yen repaid within a year stays exact.
    in.periodYears = 1;
    in.rate1 = in.rate2 = 0.01;
    s = BuildSchedule(in);
    ASSERT_TRUE(s.ok());
    EXPECT_TRUE(CheckSchedule(s).allPassed());
}

ExactRate Percent(std::string_view text)
{
    return ExactRate::FromPercentText(text).value();
}

const ExactRate kTwelve = Percent("12");
const ExactRate kThirtySix = Percent("36");

TEST(AmortisedRow, SplitsThePaymentAndSettlesWhenAsked)
{
    // 1,000,000 at 1 % a period: interest 10,000, principal 78,848.
    const ScheduleRow r = AmortisedRow(1, 1000000, 0, 88848, kTwelve, 0, false, false);
    EXPECT_EQ(r.interest, 10000);
    EXPECT_EQ(r.principal, 78848);
    EXPECT_EQ(r.balance, 921152);
    EXPECT_EQ(r.yearlyRate, 0.12);

    // Interest 1.5 is floored to 1.
    EXPECT_EQ(AmortisedRow(3, 1000, 0, 100, Percent("1.8"), 0, false, false).interest, 1);

    // The last instalment repays the whole balance, larger or smaller than the
    // instalment.
    const ScheduleRow more = AmortisedRow(12, 88000, 0, 88848, kTwelve, 0, false, true);
    EXPECT_EQ(more.principal, 88000);
    EXPECT_EQ(more.payment, 88880);
    EXPECT_EQ(more.balance, 0);
    const ScheduleRow less = AmortisedRow(12, 88000, 0, 50000, kTwelve, 0, false, true);
    EXPECT_EQ(less.payment, 88880);

    // An instalment whose principal passes the balance settles it.
    const ScheduleRow over = AmortisedRow(5, 500, 0, 900, kTwelve, 0, false, false);
    EXPECT_EQ(over.principal, 500);
    EXPECT_EQ(over.payment, 505);
    EXPECT_EQ(over.balance, 0);
}

TEST(AmortisedRow, PaysUnpaidInterestBeforePrincipal)
{
    // 1,000 at 3 %: interest 30; a payment of 20 leaves 10 unpaid.
    const ScheduleRow shortRow = AmortisedRow(1, 1000, 0, 20, kThirtySix, 0, false, false);
    EXPECT_EQ(shortRow.principal, 0);
    EXPECT_EQ(shortRow.balance, 1000);
    EXPECT_EQ(shortRow.unpaidInterest, 10);
    const ScheduleRow more = AmortisedRow(2, 1000, 10, 25, kThirtySix, 0, false, false);
    EXPECT_EQ(more.unpaidInterest, 15);
    // 100 pays the interest of 30, the 15 unpaid, then 55 of principal.
    const ScheduleRow catchUp = AmortisedRow(3, 1000, 15, 100, kThirtySix, 0, false, false);
    EXPECT_EQ(catchUp.principal, 55);
    EXPECT_EQ(catchUp.unpaidInterest, 0);
    EXPECT_EQ(catchUp.balance, 945);
    // Settling repays the balance and everything still owed.
    const ScheduleRow last = AmortisedRow(4, 1000, 15, 100, kThirtySix, 0, false, true);
    EXPECT_EQ(last.payment, 1000 + 30 + 15);
    EXPECT_EQ(last.unpaidInterest, 0);
}

} // namespace
} // namespace hn
