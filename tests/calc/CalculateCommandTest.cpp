// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/CalculateCommand.h"

#include "calc/CheckMessages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace hn {

std::ostream& operator<<(std::ostream& os, CalcField f)
{
    return os << static_cast<int>(f);
}

namespace {

// The fields as a user fills them; every test changes what it is about.
struct Fields {
    RepaymentMethod method = CorporationBasic;
    double loan = 3000;
    double bonus = 600;
    double rate1 = 2.0;
    double rate2 = 3.0;
    std::string period = "35";
    double income = 0;

    CalcOutcome Run() const
    {
        CalcRequest r;
        r.method = method;
        r.loanMan = loan;
        r.bonusMan = bonus;
        r.rate1Percent = rate1;
        r.rate2Percent = rate2;
        r.periodText = period;
        r.incomeMan = income;
        return RunCalculateCommand(r);
    }
};

struct Stop {
    std::string_view message;
    CalcField focus;
    bool selectAll;
    bool periodTo25 = false;
};

void ExpectStop(const Fields& f, const Stop& s)
{
    const CalcOutcome out = f.Run();
    ASSERT_FALSE(out.ok);
    EXPECT_EQ(out.failure.message, s.message);
    EXPECT_EQ(out.failure.focus, s.focus);
    EXPECT_EQ(out.failure.selectAll, s.selectAll);
    EXPECT_EQ(out.failure.periodTo25, s.periodTo25);
    EXPECT_EQ(out.failure.showSecondRate, s.periodTo25);
}

void ExpectComputes(const Fields& f)
{
    const CalcOutcome out = f.Run();
    EXPECT_TRUE(out.ok) << out.failure.message;
}

TEST(CalculateCommand, ComputesTheWorkedLoanIntoTexts)
{
    const CalcOutcome out = Fields{}.Run();
    ASSERT_TRUE(out.ok);
    const ResultTexts& t = out.success.texts;
    EXPECT_EQ(t.monthly[0], "79,503");
    EXPECT_EQ(t.monthly[1], "79,503");
    EXPECT_EQ(t.monthly[2], "88,948");
    EXPECT_EQ(t.bonus[0], "119,596");
    EXPECT_EQ(t.bonus[1], "119,596");
    EXPECT_EQ(t.bonus[2], "133,936");
    EXPECT_EQ(t.annual, "1,193,228");
    EXPECT_EQ(t.requiredIncome, "596");
    EXPECT_EQ(t.total, "45,313,480");
    EXPECT_EQ(out.success.input.loanYen, 30000000.0);
    EXPECT_EQ(out.success.input.normalYen, 24000000.0);
    EXPECT_EQ(out.success.input.rate2, 0.03);
}

TEST(CalculateCommand, LeavesBlankWhatHasNoFigure)
{
    Fields noBonus;
    noBonus.bonus = 0;
    const CalcOutcome a = noBonus.Run();
    ASSERT_TRUE(a.ok);
    for (const std::string& b : a.success.texts.bonus)
        EXPECT_EQ(b, "");

    Fields five;
    five.period = "5";
    five.rate2 = 0; // hidden at 5 years: empty
    const CalcOutcome b = five.Run();
    ASSERT_TRUE(b.ok);
    EXPECT_NE(b.success.texts.monthly[0], "");
    EXPECT_NE(b.success.texts.bonus[0], "");
    for (int band : {1, 2}) {
        EXPECT_EQ(b.success.texts.monthly[band], "");
        EXPECT_EQ(b.success.texts.bonus[band], "");
    }
}

TEST(CalculateCommand, KeepsTheFiguresForTheSummaryWindow)
{
    Fields f;
    f.loan = 3000.9;
    f.income = 500.5;
    const CalcOutcome out = f.Run();
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.success.loanMan, 3000);
    EXPECT_EQ(out.success.incomeYen, 5005000);
}

TEST(CalculateCommand, NoOptionOnComputesAsCorporationBasic)
{
    Fields none;
    none.method = 0;
    const CalcOutcome out = none.Run();
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.success.input.method, CorporationBasic);
    EXPECT_EQ(out.success.result, Fields{}.Run().success.result);
}

// One row per check, in the order the command runs them.
TEST(CalculateCommand, EveryCheckStopsWithItsTextAndFocus)
{
    Fields empty;
    empty.loan = empty.bonus = empty.rate1 = empty.rate2 = 0;
    empty.period = "25";
    {
        SCOPED_TRACE("every field empty");
        ExpectStop(empty, {kMsgInputMissing, CalcField::Loan, false});
    }
    for (const char* period : {"", "0", "abc", " "}) {
        SCOPED_TRACE(testing::Message() << "period '" << period << "'");
        Fields f;
        f.period = period;
        ExpectStop(f, {kMsgPeriodInvalid, CalcField::Period, false});
    }
    struct Row {
        const char* what;
        void (*change)(Fields&);
        Stop stop;
    };
    const Row rows[] = {
        {"loan 0", [](Fields& f) { f.loan = 0; }, {kMsgInputMissing, CalcField::Loan, false}},
        {"rate1 0", [](Fields& f) { f.rate1 = 0; }, {kMsgInputMissing, CalcField::Loan, false}},
        {"rate2 0", [](Fields& f) { f.rate2 = 0; }, {kMsgInputMissing, CalcField::Loan, false}},
        {"income 10,000", [](Fields& f) { f.income = 10000; }, {kMsgIncomeTooLarge, CalcField::Income, true}},
        {"bonus 1,001 of 2,000", [](Fields& f) { f.loan = 2000; f.bonus = 1001; },
         {kMsgBonusTooLarge, CalcField::BonusPart, true}},
        {"bonus 5,000 of 10,000", [](Fields& f) { f.loan = 10000; f.bonus = 5000; },
         {kMsgBonusTooLarge, CalcField::BonusPart, true}},
        {"ゆとり at 20 years", [](Fields& f) { f.method = CorporationYutori; f.period = "20"; },
         {kMsgYutoriPeriod, CalcField::Loan, false, true}},
        {"ｽﾃｯﾌﾟ at 24 years", [](Fields& f) { f.method = PensionStep; f.period = "24"; },
         {kMsgStepPeriod, CalcField::Loan, false, true}},
        {"rate1 99.1", [](Fields& f) { f.rate1 = 99.1; }, {kMsgRate1TooLarge, CalcField::Rate1, true}},
        {"rate2 99.1", [](Fields& f) { f.rate2 = 99.1; }, {kMsgRate2TooLarge, CalcField::Rate2, true}},
        {"rate2 99.1 under 銀行型・他", [](Fields& f) { f.method = BankOther; f.rate2 = 99.1; },
         {kMsgRate2TooLarge, CalcField::Rate2, true}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Fields f;
        r.change(f);
        ExpectStop(f, r.stop);
    }
}

TEST(CalculateCommand, TheFirstFailingCheckWins)
{
    Fields a;
    a.period = "";
    a.loan = 0;
    ExpectStop(a, {kMsgPeriodInvalid, CalcField::Period, false});

    Fields b;
    b.income = 10000;
    b.bonus = 2000;
    ExpectStop(b, {kMsgIncomeTooLarge, CalcField::Income, true});

    Fields c;
    c.bonus = 2000;
    c.method = CorporationYutori;
    c.period = "20";
    ExpectStop(c, {kMsgBonusTooLarge, CalcField::BonusPart, true});

    Fields d;
    d.method = PensionStep;
    d.period = "20";
    d.rate1 = 120;
    ExpectStop(d, {kMsgStepPeriod, CalcField::Loan, false, true});

    Fields e;
    e.rate1 = 120;
    e.rate2 = 120;
    ExpectStop(e, {kMsgRate1TooLarge, CalcField::Rate1, true});
}

TEST(CalculateCommand, PassesAtTheBoundaries)
{
    Fields half;
    half.loan = 2000;
    half.bonus = 1000;
    ExpectComputes(half);

    Fields ceiling;
    ceiling.loan = 10000;
    ceiling.bonus = 4999;
    ExpectComputes(ceiling);

    Fields income;
    income.income = 9999;
    ExpectComputes(income);

    Fields rate;
    rate.rate1 = rate.rate2 = 99;
    rate.loan = 100;
    rate.bonus = 0;
    ExpectComputes(rate);

    Fields yutori;
    yutori.method = CorporationYutori;
    yutori.period = "25";
    ExpectComputes(yutori);
}

TEST(CalculateCommand, SecondRateMattersOnlyWhereItIsUsed)
{
    Fields bank;
    bank.method = BankOther;
    bank.rate2 = 0;
    ExpectComputes(bank);

    for (RepaymentMethod m : {CorporationBasic, PensionBasic, EqualPrincipal, BankOther}) {
        for (const char* period : {"5", "10"}) {
            SCOPED_TRACE(testing::Message() << MethodName(m) << " " << period);
            Fields f;
            f.method = m;
            f.period = period;
            f.rate2 = 0;
            ExpectComputes(f);
            f.rate2 = 99.1; // takes the first rate's value up to ten years
            ExpectComputes(f);
        }
    }
}

TEST(CalculateCommand, ReadsThePeriodUpToTheFirstCharacterThatDoesNotFit)
{
    Fields f;
    f.period = "7a";
    const CalcOutcome out = f.Run();
    ASSERT_TRUE(out.ok);
    EXPECT_EQ(out.success.input.periodYears, 7.0);
    EXPECT_EQ(out.success.result.bandUsed, (std::array<bool, 3>{true, true, false}));
    f.period = " 30";
    EXPECT_EQ(f.Run().success.input.periodYears, 30.0);
}

// Inputs that cannot give a meaningful loan stop with a message of their own.
TEST(CalculateCommand, RefusesInputsWithoutAMeaningfulLoan)
{
    const double nan = std::nan("");
    const double inf = std::numeric_limits<double>::infinity();
    for (const char* period : {"0.5", "7.5", "-5", "100", "1e9"}) {
        SCOPED_TRACE(period);
        Fields f;
        f.period = period;
        ExpectStop(f, {kMsgPeriodInvalid, CalcField::Period, false});
    }
    struct Row {
        const char* what;
        void (*change)(Fields&, double, double);
        Stop stop;
    };
    const Row rows[] = {
        {"loan negative", [](Fields& f, double, double) { f.loan = -3000; },
         {kMsgLoanInvalid, CalcField::Loan, true}},
        {"loan NaN", [](Fields& f, double n, double) { f.loan = n; }, {kMsgLoanInvalid, CalcField::Loan, true}},
        {"loan infinite", [](Fields& f, double, double i) { f.loan = i; },
         {kMsgLoanTooLarge, CalcField::Loan, true}},
        {"bonus negative", [](Fields& f, double, double) { f.bonus = -1; },
         {kMsgBonusInvalid, CalcField::BonusPart, true}},
        {"bonus NaN", [](Fields& f, double n, double) { f.bonus = n; },
         {kMsgBonusInvalid, CalcField::BonusPart, true}},
        {"income negative", [](Fields& f, double, double) { f.income = -500; },
         {kMsgIncomeInvalid, CalcField::Income, true}},
        {"income infinite", [](Fields& f, double, double i) { f.income = i; },
         {kMsgIncomeTooLarge, CalcField::Income, true}},
        {"rate1 negative", [](Fields& f, double, double) { f.rate1 = -2; },
         {kMsgRate1Invalid, CalcField::Rate1, true}},
        {"rate1 below what a field can state", [](Fields& f, double, double) { f.rate1 = 0.00009; },
         {kMsgRate1Invalid, CalcField::Rate1, true}},
        {"rate1 NaN", [](Fields& f, double n, double) { f.rate1 = n; }, {kMsgRate1Invalid, CalcField::Rate1, true}},
        {"rate2 negative", [](Fields& f, double, double) { f.rate2 = -3; },
         {kMsgRate2Invalid, CalcField::Rate2, true}},
        {"rate2 infinite", [](Fields& f, double, double i) { f.rate2 = i; },
         {kMsgRate2TooLarge, CalcField::Rate2, true}},
        {"total beyond the int32 range", [](Fields& f, double, double) { f.rate1 = f.rate2 = 99; f.period = "99"; },
         {kMsgLoanTooLarge, CalcField::Loan, true}},
        {"loan of 10 billion 万円", [](Fields& f, double, double) { f.loan = 1e10; f.bonus = 0; },
         {kMsgLoanTooLarge, CalcField::Loan, true}},
        {"1 万円 at 99 %", [](Fields& f, double, double) {
             f.loan = 1;
             f.bonus = 0;
             f.rate1 = 99;
             f.rate2 = 9;
             f.period = "28";
         },
         {kMsgLoanRateUnusable, CalcField::Loan, true}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Fields f;
        r.change(f, nan, inf);
        ExpectStop(f, r.stop);
    }

    Fields bank;
    bank.method = BankOther;
    bank.rate2 = -3; // never used by 銀行型・他
    ExpectComputes(bank);
}

// The five-character rate field can state rates down to .0001 %; every such rate is
// taken, by every method and at the longest period, and gives a usable schedule.
TEST(CalculateCommand, TakesTheSmallestRatesARateFieldCanState)
{
    for (const double rate : {0.0001, 0.0005, 0.0009, 0.001}) {
        for (RepaymentMethod m = kFirstMethod; m <= kLastMethod; ++m) {
            for (const char* period : {"1", "35", "99"}) {
                SCOPED_TRACE(testing::Message() << rate << " % " << MethodName(m) << " " << period);
                Fields f;
                f.method = m;
                f.rate1 = f.rate2 = rate;
                f.period = period;
                if (std::string_view(period) != "1" || FamilyOf(m) != RepaymentFamily::ReducedEarly) {
                    const CalcOutcome out = f.Run();
                    ASSERT_TRUE(out.ok) << out.failure.message;
                    // Next to no interest: about the loan itself comes back.
                    EXPECT_GE(out.success.result.totalYen, 29'990'000);
                    EXPECT_LT(out.success.result.totalYen, 30'300'000);
                }
            }
        }
    }
}

// The checks that only guard against inputs no loan can have come after the ones a
// user meets every day, so that those keep their own messages.
TEST(CalculateCommand, EverydayChecksComeBeforeTheGuardsAgainstImpossibleInputs)
{
    Fields negativeLoan;
    negativeLoan.loan = -3000;
    negativeLoan.income = 10000;
    ExpectStop(negativeLoan, {kMsgIncomeTooLarge, CalcField::Income, true});

    Fields fractionalPeriod;
    fractionalPeriod.period = "2.5";
    fractionalPeriod.loan = 0;
    ExpectStop(fractionalPeriod, {kMsgInputMissing, CalcField::Loan, false});

    Fields longPeriod;
    longPeriod.period = "100";
    longPeriod.rate1 = 0;
    ExpectStop(longPeriod, {kMsgInputMissing, CalcField::Loan, false});

    Fields yutori;
    yutori.method = CorporationYutori;
    yutori.period = "-5";
    ExpectStop(yutori, {kMsgYutoriPeriod, CalcField::Loan, false, true});

    Fields negativeBonus;
    negativeBonus.bonus = -600;
    negativeBonus.rate1 = 120;
    ExpectStop(negativeBonus, {kMsgRate1TooLarge, CalcField::Rate1, true});

    Fields negativeRate;
    negativeRate.rate1 = -2;
    negativeRate.bonus = 2000;
    ExpectStop(negativeRate, {kMsgBonusTooLarge, CalcField::BonusPart, true});

    Fields tinyRate;
    tinyRate.rate2 = 0.00001;
    tinyRate.rate1 = 120;
    ExpectStop(tinyRate, {kMsgRate1TooLarge, CalcField::Rate1, true});
}

} // namespace
} // namespace hn
