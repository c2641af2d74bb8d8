// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/schedule/Prepayment.h"

#include "calc/CalculateCommand.h"
#include "calc/schedule/PrepaymentMessages.h"
#include "calc/schedule/PrepaymentSummary.h"
#include "tests/support/WorkedLoan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace hn {
namespace {

using test::Loan;
using test::WorkedLoan;

Schedule Built(const LoanInput& in)
{
    Schedule s = BuildSchedule(in);
    EXPECT_TRUE(s.ok());
    return s;
}

PrepaymentOutcome Prepay(const Schedule& s, int k, std::int64_t amount, PrepayMode mode, std::int64_t bonus = 0)
{
    const Prepayment p{k, amount, bonus, mode};
    return ApplyPrepayments(s, std::span<const Prepayment>(&p, 1));
}

void ExpectSound(const PrepaymentOutcome& out)
{
    ASSERT_TRUE(out.ok) << out.message;
    for (const ScheduleCheckResult& c : out.checks.items)
        EXPECT_TRUE(c.passed) << CheckName(c.check) << " " << ScopeName(c.scope) << ": " << c.actual << " against "
                              << c.expected << ", row " << c.failedRow;
    EXPECT_TRUE(out.checks.allPassed());
}

// 2,000 万円 at 3 % over 35 years, 100 万円 paid after ten years (instalment
// 120): the worked examples of docs/planning.md.
class TwentyMillionAtThree : public testing::Test {
protected:
    const Schedule base = Built(Loan(BankOther, 2000, 0, 3.0, 3.0, 35));
};

TEST_F(TwentyMillionAtThree, ReduceKeepsTheEndAndLowersTheInstalment)
{
    ASSERT_EQ(base.monthly.rows[0].payment, 76'970);
    const PrepaymentOutcome out = Prepay(base, 120, 1'000'000, PrepayMode::Reduce);
    ExpectSound(out);
    const ScheduleRow& at = out.after.monthly.rows[119];
    EXPECT_EQ(at.prepaid, 1'000'000);
    EXPECT_EQ(at.payment, 76'970 + 1'000'000);
    EXPECT_EQ(at.balance, 15'231'108);
    EXPECT_EQ(out.applied[0].nextInstalmentYen, 72'227);
    EXPECT_EQ(out.monthsAfter(), 420);
    EXPECT_EQ(out.after.monthly.rows.back().payment, 72'289);
    EXPECT_EQ(out.interestSaved, 422'520);
    EXPECT_EQ(out.totalsAfter.payment, out.totalsBefore.payment - out.interestSaved);
}

TEST_F(TwentyMillionAtThree, ShortenKeepsTheInstalmentAndEndsEarlier)
{
    const PrepaymentOutcome out = Prepay(base, 120, 1'000'000, PrepayMode::Shorten);
    ExpectSound(out);
    EXPECT_EQ(out.monthsAfter(), 394);
    EXPECT_EQ(out.applied[0].droppedInstalments, 26);
    for (std::size_t j = 120; j + 1 < out.after.monthly.rows.size(); ++j)
        ASSERT_EQ(out.after.monthly.rows[j].payment, 76'970) << j + 1;
    EXPECT_EQ(out.after.monthly.rows.back().payment, 29'819);
    EXPECT_EQ(out.interestSaved, 1'048'053);
}

TEST_F(TwentyMillionAtThree, ShortenWholeDropsWholeInstalmentsAndUsesLess)
{
    const PrepaymentOutcome out = Prepay(base, 120, 1'000'000, PrepayMode::ShortenWhole);
    ExpectSound(out);
    EXPECT_EQ(out.applied[0].usedYen, 976'381);
    EXPECT_EQ(out.applied[0].droppedInstalments, 26);
    EXPECT_EQ(out.monthsAfter(), 394);
    EXPECT_EQ(out.interestSaved, 1'024'839);
    // The instalments after the dropped ones move up unchanged.
    for (std::size_t j = 120; j < out.after.monthly.rows.size(); ++j) {
        const ScheduleRow& now = out.after.monthly.rows[j];
        const ScheduleRow& was = base.monthly.rows[j + 26];
        ASSERT_EQ(now.payment, was.payment) << j + 1;
        ASSERT_EQ(now.interest, was.interest) << j + 1;
        ASSERT_EQ(now.balance, was.balance) << j + 1;
    }
    // The interest saved is exactly the interest of the dropped instalments.
    std::int64_t dropped = 0;
    for (std::size_t j = 120; j < 146; ++j)
        dropped += base.monthly.rows[j].interest;
    EXPECT_EQ(out.interestSaved, dropped);
}

// The published example pays the prepayment together with instalment 121 and
// re-amortises over the 299 left: with k = 121 ours lands in its range
// (72,216-72,217).
TEST_F(TwentyMillionAtThree, PublishedFiguresWithThePrepaymentAfterInstalment121)
{
    const PrepaymentComparison c = ComparePrepayModes(base, {121, 1'000'000, 0, PrepayMode::Reduce});
    EXPECT_EQ(c.reduce.applied[0].nextInstalmentYen, 72'217);
    EXPECT_EQ(c.shorten.monthsAfter(), 394);
    EXPECT_EQ(c.shortenWhole.monthsAfter(), 394);
    EXPECT_GT(c.shorten.interestSaved, c.reduce.interestSaved);
}

TEST(Prepayment, ReAmortisesAtTheMethodsOwnPoints)
{
    // 公庫基本型, 2 % then 3 %: prepaid in year 5, month 121 still recomputes
    // from the balance then, at the second rate, over the 300 months left.
    const LoanInput basic = WorkedLoan(CorporationBasic);
    const PrepaymentOutcome b = Prepay(Built(basic), 60, 800'000, PrepayMode::Reduce, 200'000);
    ExpectSound(b);
    const auto& m = b.after.monthly.rows;
    EXPECT_EQ(m[60].payment, AnnuityPayment(static_cast<double>(m[59].balance), MonthlyRate(0.02), 360));
    EXPECT_EQ(m[120].payment, AnnuityPayment(static_cast<double>(m[119].balance), MonthlyRate(0.03), 300));
    EXPECT_EQ(m[120].yearlyRate, 0.03);
    EXPECT_EQ(b.applied[0].bonusInstalment, 10);
    EXPECT_EQ(b.applied[0].nextInstalmentYen, 76'546);
    EXPECT_EQ(b.applied[0].nextBonusYen, 115'148);
    EXPECT_EQ(b.interestSaved, 463'565);
    const auto& bonus = b.after.bonus.rows;
    EXPECT_EQ(bonus[9].prepaid, 200'000);
    EXPECT_EQ(bonus[10].payment, AnnuityPayment(static_cast<double>(bonus[9].balance), HalfYearRate(0.02), 60));
    EXPECT_EQ(bonus[20].payment, AnnuityPayment(static_cast<double>(bonus[19].balance), HalfYearRate(0.03), 50));

    // 公庫（ゆとり)型: the first five years keep their 50-year basis (over the
    // whole term the instalment would rise), then months 61 and 121 recompute.
    const LoanInput yutori = Loan(CorporationYutori, 3000, 0, 2.0, 3.0, 35);
    const Schedule ys = Built(yutori);
    const PrepaymentOutcome y = Prepay(ys, 12, 1'000'000, PrepayMode::Reduce);
    ExpectSound(y);
    const auto& r = y.after.monthly.rows;
    EXPECT_EQ(r[12].payment, AnnuityPayment(static_cast<double>(r[11].balance), MonthlyRate(0.02), 588));
    EXPECT_LT(r[12].payment, ys.monthly.rows[12].payment);
    EXPECT_EQ(r[60].payment, AnnuityPayment(static_cast<double>(r[59].balance), MonthlyRate(0.02), 360));
    EXPECT_EQ(r[120].payment, AnnuityPayment(static_cast<double>(r[119].balance), MonthlyRate(0.03), 300));

    // 元金均等型: the share becomes the balance over the instalments left.
    const PrepaymentOutcome e = Prepay(Built(Loan(EqualPrincipal, 3000, 0, 2.0, 3.0, 35)), 24, 3'000'000,
                                       PrepayMode::Reduce);
    ExpectSound(e);
    const std::int64_t share = e.after.monthly.rows[23].balance / 396;
    for (std::size_t j = 24; j + 1 < e.after.monthly.rows.size(); ++j)
        ASSERT_EQ(e.after.monthly.rows[j].principal, share) << j + 1;
    EXPECT_EQ(e.monthsAfter(), 420);
}

TEST(Prepayment, EqualPrincipalShortenKeepsTheShare)
{
    const Schedule s = Built(Loan(EqualPrincipal, 3000, 0, 2.0, 3.0, 35));
    const PrepaymentOutcome out = Prepay(s, 24, 3'000'000, PrepayMode::Shorten);
    ExpectSound(out);
    const std::int64_t share = s.monthly.rows[0].principal;
    for (std::size_t j = 24; j + 1 < out.after.monthly.rows.size(); ++j)
        ASSERT_EQ(out.after.monthly.rows[j].principal, share) << j + 1;
    // 3,000,000 is 42 shares of 71,428 and 24 yen. What is left after the
    // last whole share (the 240 yen the shares left over, less those 24) is
    // cleared by one more small instalment: 41 fewer.
    EXPECT_EQ(share, 71'428);
    EXPECT_EQ(out.monthsAfter(), 420 - 41);
    EXPECT_EQ(out.after.monthly.rows.back().principal, 216);
}

TEST(Prepayment, NothingPrepaidChangesNothing)
{
    for (RepaymentMethod method : {CorporationBasic, CorporationYutori, EqualPrincipal, BankOther}) {
        const Schedule s = Built(Loan(method, 2500, 500, 1.5, 2.5, 30));
        for (PrepayMode mode : {PrepayMode::Reduce, PrepayMode::Shorten, PrepayMode::ShortenWhole}) {
            SCOPED_TRACE(testing::Message() << "method " << method << " " << PrepayModeName(mode));
            const PrepaymentOutcome out = Prepay(s, 37, 0, mode);
            ExpectSound(out);
            EXPECT_EQ(out.after.monthly.rows, s.monthly.rows);
            EXPECT_EQ(out.after.bonus.rows, s.bonus.rows);
            EXPECT_EQ(out.interestSaved, 0);
        }
    }
    // ShortenWhole with less than the next instalment's principal uses nothing.
    const Schedule s = Built(Loan(BankOther, 2000, 0, 3.0, 3.0, 35));
    const PrepaymentOutcome small = Prepay(s, 10, 20'000, PrepayMode::ShortenWhole);
    EXPECT_EQ(small.applied[0].usedYen, 0);
    EXPECT_EQ(small.after.monthly.rows, s.monthly.rows);
}

TEST(Prepayment, TheWholeBalanceEndsTheLoanRightAfterTheInstalment)
{
    const Schedule s = Built(WorkedLoan(CorporationBasic));
    const std::int64_t balance = s.monthly.rows[199].balance;
    const std::int64_t bonusBalance = s.bonus.rows[32].balance; // bonus 33 falls with month 198
    for (PrepayMode mode : {PrepayMode::Reduce, PrepayMode::Shorten, PrepayMode::ShortenWhole}) {
        SCOPED_TRACE(PrepayModeName(mode));
        // Asked for more than is owed: only the balance is paid.
        const PrepaymentOutcome out = Prepay(s, 200, balance + 12'345, mode, bonusBalance);
        ExpectSound(out);
        EXPECT_EQ(out.monthsAfter(), 200);
        EXPECT_EQ(out.bonusAfter(), 33);
        EXPECT_EQ(out.applied[0].usedYen, balance);
        EXPECT_EQ(out.applied[0].bonusUsedYen, bonusBalance);
        EXPECT_EQ(out.applied[0].nextInstalmentYen, 0);
        EXPECT_EQ(out.after.monthly.rows.back().balance, 0);
        EXPECT_EQ(out.after.monthly.rows.back().payment, s.monthly.rows[199].payment + balance);
        // A later prepayment finds the loan repaid.
        const Prepayment two[] = {{200, balance, 0, mode}, {230, 100'000, 0, mode}};
        EXPECT_EQ(ApplyPrepayments(s, two).message, kMsgPrepayAfterEnd);
    }
}

TEST(Prepayment, RefusesWhatCannotBePaid)
{
    const Schedule s = Built(WorkedLoan(CorporationBasic));
    const Schedule noBonus = Built(Loan(BankOther, 3000, 0, 2.0, 2.0, 10));
    EXPECT_EQ(Prepay(s, 0, 1000, PrepayMode::Reduce).message, kMsgPrepayInstalmentInvalid);
    EXPECT_EQ(Prepay(s, 12, -1, PrepayMode::Reduce).message, kMsgPrepayAmountInvalid);
    EXPECT_EQ(Prepay(s, 12, 0, PrepayMode::Reduce, -1).message, kMsgPrepayAmountInvalid);
    EXPECT_EQ(Prepay(s, 420, 1000, PrepayMode::Reduce).message, kMsgPrepayAfterEnd);
    EXPECT_EQ(Prepay(noBonus, 120, 1000, PrepayMode::Reduce).message, kMsgPrepayAfterEnd);
    EXPECT_EQ(Prepay(noBonus, 60, 1000, PrepayMode::Reduce, 1000).message, kMsgPrepayNoBonus);
    EXPECT_EQ(Prepay(s, 5, 1000, PrepayMode::Reduce, 1000).message, kMsgPrepayBeforeBonus);
    // The bonus part repaid in year 5 has nothing left in year 10.
    const Prepayment bonusTwice[] = {{60, 0, 6'000'000, PrepayMode::Shorten}, {120, 0, 1000, PrepayMode::Shorten}};
    EXPECT_EQ(ApplyPrepayments(s, bonusTwice).message, kMsgPrepayBonusAfterEnd);
    EXPECT_EQ(Prepay(Schedule{}, 12, 1000, PrepayMode::Reduce).message, kMsgPrepayNoSchedule);
    // A refusal leaves the schedule as it was.
    const PrepaymentOutcome refused = Prepay(s, 420, 1000, PrepayMode::Reduce);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.after.monthly.rows, s.monthly.rows);
}

// 99 % over 94 years: the bonus instalments of the first ten years fall a yen
// short of their interest, which is carried unpaid. A prepayment there goes to
// the principal; paying the whole balance settles the unpaid interest too.
TEST(Prepayment, InterestLeftUnpaidIsCarriedAndSettled)
{
    const Schedule s = Built(Loan(CorporationBasic, 2631, 230, 99.0, 0.15, 94));
    ASSERT_EQ(s.bonus.rows[9].unpaidInterest, 10);
    for (PrepayMode mode : {PrepayMode::Reduce, PrepayMode::Shorten, PrepayMode::ShortenWhole}) {
        SCOPED_TRACE(PrepayModeName(mode));
        ExpectSound(Prepay(s, 60, 0, mode, 1'000'000));
        const PrepaymentOutcome all = Prepay(s, 60, 0, mode, 2'300'000);
        ExpectSound(all);
        if (mode == PrepayMode::ShortenWhole) {
            // The next instalments repay no principal: nothing whole to drop.
            EXPECT_EQ(all.applied[0].bonusUsedYen, 0);
            continue;
        }
        ASSERT_EQ(all.bonusAfter(), 10);
        const ScheduleRow& last = all.after.bonus.rows.back();
        EXPECT_EQ(last.unpaidInterest, 0);
        EXPECT_EQ(last.payment, s.bonus.rows[9].payment + 2'300'000 + 10);
    }
}

TEST(Prepayment, SeveralAreAppliedInInstalmentOrder)
{
    const Schedule s = Built(Loan(BankOther, 2000, 0, 3.0, 3.0, 35));
    const Prepayment listed[] = {{240, 1'000'000, 0, PrepayMode::Shorten}, {120, 1'000'000, 0, PrepayMode::Reduce}};
    const PrepaymentOutcome out = ApplyPrepayments(s, listed);
    ExpectSound(out);
    ASSERT_EQ(out.applied.size(), 2u);
    EXPECT_EQ(out.applied[0].asked.instalment, 120);
    EXPECT_EQ(out.applied[0].nextInstalmentYen, 72'227);
    // The shortening keeps the reduced instalment.
    EXPECT_EQ(out.applied[1].nextInstalmentYen, out.after.monthly.rows[238].payment - out.after.monthly.rows[238].prepaid);
    EXPECT_EQ(out.after.monthly.rows[239].prepaid, 1'000'000);
    EXPECT_LT(out.monthsAfter(), 420);
    EXPECT_EQ(out.prepaidYen, 2'000'000);
}

// The summary is the whole loan's, both parts: 3,000 万円 with 600 in bonus
// instalments, 2 % then 3 %, 35 years from January 2027; 100 万円 after month 120 and
// 200 万円 (50 to the bonus part) after month 180.
TEST(PrepaymentSummary, EndAndInstalmentsAreTheWholeLoans)
{
    const Schedule s = Built(WorkedLoan(CorporationBasic));
    const ScheduleCalendar calendar{{2027, 1}, {6, 12}};
    const auto both = [](PrepayMode mode) {
        return std::vector<Prepayment>{{120, 1'000'000, 0, mode}, {180, 1'500'000, 500'000, mode}};
    };
    const PrepaymentSummary shorten = SummarisePrepayments(ApplyPrepayments(s, both(PrepayMode::Shorten)), calendar);
    // The monthly part ends in September 2057, the bonus part runs on to December 2058.
    EXPECT_EQ(shorten.monthlyEnd, (LoanEnd{SchedulePartKind::Monthly, 369, {2057, 9}}));
    EXPECT_EQ(shorten.end, (LoanEnd{SchedulePartKind::Bonus, 64, {2058, 12}}));
    EXPECT_EQ(shorten.plannedEnd, (LoanEnd{SchedulePartKind::Monthly, 420, {2061, 12}}));
    EXPECT_EQ(shorten.shortenedMonths, 36);

    // Lowering the instalments keeps the end and names both new instalments.
    const PrepaymentSummary reduce = SummarisePrepayments(ApplyPrepayments(s, both(PrepayMode::Reduce)), calendar);
    EXPECT_EQ(reduce.nextMonthly, 75'887);
    EXPECT_EQ(reduce.nextBonus, 117'223);
    EXPECT_EQ(reduce.end, reduce.plannedEnd);

    // The first alone: the monthly part ends in January 2060, the loan still in December 2061.
    const PrepaymentSummary first = SummarisePrepayments(
        ApplyPrepayments(s, std::vector<Prepayment>{{120, 1'000'000, 0, PrepayMode::Shorten}}), calendar);
    EXPECT_EQ(first.monthlyEnd.month, (YearMonth{2060, 1}));
    EXPECT_EQ(first.end.month, (YearMonth{2061, 12}));
    EXPECT_EQ(first.shortenedMonths, 0);
}

// After a prepayment by whole instalments the rows move up with their rate, band
// and basis; a later prepayment of another way re-amortises where they now stand.
TEST(Prepayment, MixedWaysKeepTheRateChangeWhereTheRowsMovedIt)
{
    // 公庫基本型, 0.5 % then 15 %: 600 万円 by whole instalments after month 12 drops
    // 89, so the second rate comes with row 32; 10 万円 to lower the instalment
    // after month 13 must re-amortise there, not at row 121.
    const Schedule s = Built(Loan(CorporationBasic, 3000, 0, 0.5, 15.0, 35));
    const std::vector<Prepayment> whole{{12, 6'000'000, 0, PrepayMode::ShortenWhole}};
    std::vector<Prepayment> both = whole;
    both.push_back({13, 100'000, 0, PrepayMode::Reduce});
    const PrepaymentOutcome first = ApplyPrepayments(s, whole);
    const PrepaymentOutcome out = ApplyPrepayments(s, both);
    ExpectSound(out);
    EXPECT_EQ(first.applied[0].droppedInstalments, 89);
    EXPECT_EQ(first.totalsAfter.interest, 62'741'517);
    EXPECT_EQ(out.totalsAfter.interest, 62'469'535);
    EXPECT_FALSE(HasUnpaidInterest(out.after));
    const auto& m = out.after.monthly.rows;
    EXPECT_EQ(PlannedNumber(m[30]), 120);
    EXPECT_EQ(PlannedNumber(m[31]), 121);
    EXPECT_EQ(m[31].yearlyRate, 0.15);
    EXPECT_EQ(m[31].payment, AnnuityPayment(static_cast<double>(m[30].balance), MonthlyRate(0.15), 420 - 89 - 31));

    // 年金(ｽﾃｯﾌﾟ)型: once whole instalments have carried the rows past the first
    // five years, 返済額軽減型 re-amortises over the rest of the term, not over the
    // 50-year annuity of the first band.
    const Schedule step = Built(Loan(PensionStep, 798, 270, 2.3, 4.461, 33));
    const std::vector<Prepayment> list{{48, 1'160'000, 27'000'000, PrepayMode::ShortenWhole},
                                       {59, 1'690'000, 0, PrepayMode::Reduce}};
    const PrepaymentOutcome o = ApplyPrepayments(step, list);
    ExpectSound(o);
    EXPECT_EQ(o.applied[1].nextInstalmentYen, 13'805);
}

__extension__ using U128 = unsigned __int128;

std::string Describe(const std::vector<Prepayment>& list)
{
    std::string text;
    for (const Prepayment& p : list)
        text += "; " + std::string(PrepayModeName(p.mode)) + " after " + std::to_string(p.instalment) + ": " +
                std::to_string(p.amountYen) + " (bonus " + std::to_string(p.bonusAmountYen) + ")";
    return text;
}

// Random accepted loans with one to three prepayments each of a random way: a
// prepayment never raises the interest, every row charges the exact interest of
// the rate it keeps, and every self-check holds.
TEST(PrepaymentProperties, MixedWaysNeverRaiseTheInterest)
{
    std::mt19937_64 rng(2019);
    const auto below = [&](int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); };
    const auto unit = [&] { return static_cast<double>(rng() >> 11) * 0x1.0p-53; };
    int compared = 0;
    int mixed = 0;
    while (compared < 3000) {
        CalcRequest q;
        q.method = below(6) + 1;
        q.loanMan = std::floor(std::pow(10.0, 1.0 + unit() * 4.0));
        q.bonusMan = below(3) == 0 ? 0.0 : std::floor(unit() * (q.loanMan / 2 + 1));
        // Whole thousandths of a percent, 0.1 % to 20 %: the rate the rows charge
        // is then known exactly below.
        q.rate1Percent = static_cast<double>(100 + below(19901)) / 1000;
        q.rate2Percent = static_cast<double>(100 + below(19901)) / 1000;
        const std::string period = std::to_string(below(50) + 1);
        q.periodText = period;
        const CalcOutcome calc = RunCalculateCommand(q);
        if (!calc.ok)
            continue;
        const Schedule s = BuildSchedule(calc.success.input);
        ASSERT_TRUE(s.ok());
        if (s.monthly.rows.size() < 3)
            continue;
        std::vector<Prepayment> list;
        const int count = 1 + below(3);
        for (int n = 0; n < count; ++n) {
            Prepayment p;
            p.mode = static_cast<PrepayMode>(below(3));
            p.instalment = 1 + below(static_cast<int>(s.monthly.rows.size()) - 1);
            const std::int64_t balance = s.monthly.rows[static_cast<std::size_t>(p.instalment - 1)].balance;
            p.amountYen = static_cast<std::int64_t>(unit() * 0.3 * static_cast<double>(balance));
            const int b = p.instalment / 6;
            if (b >= 1 && b < static_cast<int>(s.bonus.rows.size()) && below(2) == 0)
                p.bonusAmountYen = static_cast<std::int64_t>(
                    unit() * 0.3 * static_cast<double>(s.bonus.rows[static_cast<std::size_t>(b - 1)].balance));
            list.push_back(p);
        }
        std::stable_sort(list.begin(), list.end(),
                         [](const Prepayment& a, const Prepayment& b) { return a.instalment < b.instalment; });
        SCOPED_TRACE(testing::Message() << "method " << q.method << ", " << q.loanMan << " 万円, bonus " << q.bonusMan
                                        << ", " << q.rate1Percent << " % / " << q.rate2Percent << " %, " << period
                                        << " years, " << list.size() << " prepayments");
        std::int64_t interestBefore = TotalsOf(s).interest;
        for (std::size_t n = 1; n <= list.size(); ++n) {
            const PrepaymentOutcome out = ApplyPrepayments(s, std::span<const Prepayment>(list.data(), n));
            if (!out.ok)
                break; // an earlier one repaid the loan
            ASSERT_TRUE(out.checks.allPassed()) << "after " << n;
            ASSERT_LE(out.totalsAfter.interest, interestBefore)
                << "prepayment " << n << " (" << PrepayModeName(list[n - 1].mode) << " after "
                << list[n - 1].instalment << ") raised the interest" << Describe(list);
            interestBefore = out.totalsAfter.interest;
            // Each row: floor(balance before × its rate ÷ 12 or ÷ 2), the rate in
            // whole thousandths of a percent.
            for (const SchedulePart* part : {&out.after.monthly, &out.after.bonus}) {
                const U128 perYear = part->kind == SchedulePartKind::Monthly ? 12 : 2;
                std::int64_t before = part->loanYen;
                for (const ScheduleRow& r : part->rows) {
                    const bool second = r.yearlyRate != calc.success.input.rate1;
                    const auto rate =
                        static_cast<U128>(std::llround((second ? q.rate2Percent : q.rate1Percent) * 1000));
                    const U128 interest = static_cast<U128>(before) * rate / (perYear * 100'000);
                    ASSERT_EQ(r.interest, static_cast<std::int64_t>(interest)) << "instalment " << r.number;
                    before = r.balance;
                }
            }
            ++compared;
        }
        mixed += list.size() > 1 && list.front().mode != list.back().mode;
    }
    EXPECT_GT(mixed, 500);
}

// Random accepted loans with one to three random prepayments, each way: every
// self-check holds, and each way keeps its promise about the end.
TEST(PrepaymentProperties, EveryPrepaidScheduleKeepsItsSelfChecks)
{
    std::mt19937_64 rng(1207);
    const auto below = [&](int n) { return static_cast<int>(rng() % static_cast<std::uint64_t>(n)); };
    const auto unit = [&] { return static_cast<double>(rng() >> 11) * 0x1.0p-53; };
    int accepted = 0;
    int withBonusPrepaid = 0;
    int endedByPrepayment = 0;
    while (accepted < 3000) {
        CalcRequest q;
        q.method = below(6) + 1;
        q.loanMan = std::floor(std::pow(10.0, 1.0 + unit() * 4.0));
        q.bonusMan = below(3) == 0 ? 0.0 : std::floor(unit() * (q.loanMan / 2 + 1));
        // Mostly 0.1 % to 10 %; one loan in four anywhere from 0.001 % to 99 %,
        // where floored instalments can leave interest unpaid.
        const double lowExp = below(4) == 0 ? -3.0 : -1.0;
        const double span = lowExp < -1.0 ? std::log10(99.0) + 3.0 : 2.0;
        q.rate1Percent = std::round(std::pow(10.0, lowExp + unit() * span) * 1000.0) / 1000.0;
        q.rate2Percent = std::round(std::pow(10.0, lowExp + unit() * span) * 1000.0) / 1000.0;
        const std::string period = std::to_string(below(99) + 1);
        q.periodText = period;
        const CalcOutcome calc = RunCalculateCommand(q);
        if (!calc.ok)
            continue;
        const Schedule s = BuildSchedule(calc.success.input);
        ASSERT_TRUE(s.ok());
        if (s.monthly.rows.size() < 2)
            continue;
        ++accepted;

        const PrepayMode mode = static_cast<PrepayMode>(below(3));
        std::vector<Prepayment> list;
        const int count = 1 + below(3);
        for (int n = 0; n < count; ++n) {
            Prepayment p;
            p.mode = mode;
            p.instalment = 1 + below(static_cast<int>(s.monthly.rows.size()) - 1);
            const std::int64_t balance = s.monthly.rows[static_cast<std::size_t>(p.instalment - 1)].balance;
            // Mostly a share of what is owed, now and then all of it.
            p.amountYen = below(8) == 0 ? balance : static_cast<std::int64_t>(unit() * 0.4 * static_cast<double>(balance) / count);
            const int b = p.instalment / 6;
            if (b >= 1 && b < static_cast<int>(s.bonus.rows.size()) && below(2) == 0)
                p.bonusAmountYen = static_cast<std::int64_t>(unit() * 0.5 * static_cast<double>(s.bonus.rows[static_cast<std::size_t>(b - 1)].balance));
            list.push_back(p);
        }
        SCOPED_TRACE(testing::Message() << "method " << q.method << ", " << q.loanMan << " 万円, bonus " << q.bonusMan
                                        << ", " << q.rate1Percent << " % / " << q.rate2Percent << " %, " << period
                                        << " years, " << PrepayModeName(mode) << " first after "
                                        << list[0].instalment << ": " << list[0].amountYen);
        const PrepaymentOutcome out = ApplyPrepayments(s, list);
        if (!out.ok) {
            // Only a later prepayment may find the loan already repaid.
            ASSERT_TRUE(out.message == kMsgPrepayAfterEnd || out.message == kMsgPrepayBonusAfterEnd) << out.message;
            continue;
        }
        for (const ScheduleCheckResult& c : out.checks.items)
            ASSERT_TRUE(c.passed) << CheckName(c.check) << " " << ScopeName(c.scope) << ": " << c.actual
                                  << " against " << c.expected << ", row " << c.failedRow;
        ASSERT_TRUE(out.checks.allPassed());
        EXPECT_LE(out.monthsAfter(), out.monthsBefore());
        EXPECT_LE(out.bonusAfter(), out.bonusBefore());
        EXPECT_EQ(out.totalsAfter.payment, out.totalsBefore.payment - out.interestSaved);
        std::int64_t prepaidInRows = 0;
        for (const ScheduleRow& r : out.after.monthly.rows)
            prepaidInRows += r.prepaid;
        for (const ScheduleRow& r : out.after.bonus.rows)
            prepaidInRows += r.prepaid;
        EXPECT_EQ(prepaidInRows, out.prepaidYen);
        for (const AppliedPrepayment& a : out.applied) {
            EXPECT_LE(a.usedYen, a.asked.amountYen);
            if (a.bonusUsedYen > 0)
                ++withBonusPrepaid;
            if (a.nextInstalmentYen == 0)
                ++endedByPrepayment;
        }
        // Same end, for loans whose instalments are large against the yen the
        // floored interest saves each period (tiny loans over long terms can
        // run a few instalments ahead, as their schedules do anyway).
        if (mode == PrepayMode::Reduce && out.applied.back().nextInstalmentYen != 0 && q.loanMan >= 500
            && q.rate1Percent <= 10 && q.rate2Percent <= 10) {
            EXPECT_EQ(out.monthsAfter(), out.monthsBefore());
        }
    }
    EXPECT_GT(withBonusPrepaid, 100);
    EXPECT_GT(endedByPrepayment, 100);
}

} // namespace
} // namespace hn
