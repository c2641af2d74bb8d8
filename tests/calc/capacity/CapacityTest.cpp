// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/capacity/Capacity.h"

#include "calc/CheckMessages.h"
#include "calc/Repayment.h"
#include "calc/capacity/PlanningMessages.h"
#include "report/Units.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

namespace hn {
namespace {

const BurdenLimitRule& Rule(std::string_view key)
{
    const BurdenLimitRule* rule = FindBurdenLimitRule(key);
    EXPECT_NE(rule, nullptr) << key;
    return *rule;
}

CapacityRequest Request(double incomeMan, std::string_view limit, double screeningPercent, double years)
{
    CapacityRequest r;
    r.incomeMan = incomeMan;
    r.limit = &Rule(limit);
    r.screeningRatePercent = screeningPercent;
    r.periodYears = years;
    r.method = BankOther;
    return r;
}

// The calculate command's verdict on the loan the capacity search would name.
CalcOutcome CheckLoan(const CapacityRequest& q, std::int64_t loanMan)
{
    CalcRequest c;
    c.method = q.method;
    c.loanMan = static_cast<double>(loanMan);
    c.bonusMan = std::floor(static_cast<double>(loanMan) * q.bonusSharePercent / 100.0);
    const double screening = q.screeningRatePercent != 0.0 ? q.screeningRatePercent : q.rate1Percent;
    c.rate1Percent = q.rate1Percent != 0.0 ? q.rate1Percent : screening;
    c.rate2Percent = q.rate2Percent != 0.0 ? q.rate2Percent : c.rate1Percent;
    const std::string period = std::to_string(static_cast<int>(q.periodYears));
    c.periodText = period;
    c.incomeMan = q.incomeMan;
    return RunCalculateCommand(c);
}

TEST(BurdenLimit, TieredRulesChangeShareExactlyAtTheirBounds)
{
    const BurdenLimitRule& pub = Rule("public");
    EXPECT_EQ(LimitPercentFor(pub, 3'999'999), 30);
    EXPECT_EQ(LimitPercentFor(pub, 4'000'000), 35);
    const BurdenLimitRule& bank = Rule("bank");
    EXPECT_EQ(LimitPercentFor(bank, 0), 25);
    EXPECT_EQ(LimitPercentFor(bank, 3'000'000), 25);
    EXPECT_EQ(LimitPercentFor(bank, 3'000'001), 30);
    EXPECT_EQ(LimitPercentFor(bank, 4'000'000), 30);
    EXPECT_EQ(LimitPercentFor(bank, 4'000'001), 35);
    EXPECT_EQ(LimitPercentFor(bank, 6'000'000), 35);
    EXPECT_EQ(LimitPercentFor(bank, 6'000'001), 40);
    for (const char* key : {"20", "25", "30", "35", "40"}) {
        const int share = std::stoi(key);
        EXPECT_EQ(LimitPercentFor(Rule(key), 1), share);
        EXPECT_EQ(LimitPercentFor(Rule(key), 99'990'000), share);
        EXPECT_FALSE(Rule(key).wording.empty());
    }
    EXPECT_EQ(FindBurdenLimitRule("45"), nullptr);
}

TEST(BurdenLimit, AllowanceAndIncomeNeededInWholeYen)
{
    // 333.3333 万円 at 25 %: 3,333,333 yen × 25 / 100 = 833,333.25, truncated.
    EXPECT_EQ(AnnualAllowanceYen(*ManToWholeYen(333.3333), 25, 0), 833'333);
    EXPECT_EQ(AnnualAllowanceYen(4'000'000, 35, 600'000), 800'000);
    EXPECT_EQ(AnnualAllowanceYen(Rule("public"), 3'990'000, 0), 1'197'000);

    // 1,400,000 ÷ 35 % = 400 万円 exactly; one yen more needs 401.
    EXPECT_EQ(IncomeNeededMan(Rule("35"), 1'400'000, 0), 400);
    EXPECT_EQ(IncomeNeededMan(Rule("35"), 1'400'001, 0), 401);
    EXPECT_EQ(IncomeNeededMan(Rule("20"), 1'000'000, 200'000), 600);
    EXPECT_EQ(IncomeNeededMan(Rule("20"), 0, 0), 0);
    // Tiered: below 400 万円 only 30 % counts, and 30 % of 399 万円 is 1,197,000.
    EXPECT_EQ(IncomeNeededMan(Rule("public"), 1'200'000, 0), 400);
    EXPECT_EQ(IncomeNeededMan(Rule("public"), 1'190'000, 0), 397);
    // Bank tiers: 1,000,000 a year at 30 % needs 334 万円 (333.4 rounded up).
    EXPECT_EQ(IncomeNeededMan(Rule("bank"), 1'000'000, 0), 334);

    EXPECT_EQ(ManToWholeYen(123.45678), 1'234'567);
    EXPECT_FALSE(ManToWholeYen(-1.0));
    EXPECT_FALSE(ManToWholeYen(std::nan("")));
}

TEST(Capacity, PublishedFigures)
{
    // Income 400 万円, 35 %, 1.6 % over 35 years: 3,750 万円 at 116,664 a month.
    const CapacityOutcome out = ComputeCapacity(Request(400, "35", 1.6, 35));
    ASSERT_TRUE(out.ok) << out.message;
    EXPECT_EQ(out.result.capacityMan, 3750);
    EXPECT_EQ(out.result.screeningMonthlyYen, 116'664);
    EXPECT_EQ(out.result.allowanceYen, 1'400'000);
    EXPECT_TRUE(out.result.cappedBy.empty());
    EXPECT_GT(ScreeningAnnualYen(3751, 0.016, 35), 1'400'000);
    // 銀行型・他 at the same rate is the screened loan itself.
    EXPECT_EQ(out.result.loan.result.monthly[0], 116'664);
    EXPECT_EQ(out.result.loan.result.annualYen, 1'399'968);
    EXPECT_EQ(Text(Quantity::SummaryPercent(out.result.ratioPercent)), "35.%");

    // 3,915 万円 at 1.96 % over 35 years: 128,887 a month.
    EXPECT_EQ(WholeLoanMonthly(39'150'000.0, 0.0196, 35), 128'887);
    EXPECT_EQ(ScreeningAnnualYen(3915, 0.0196, 35), 12 * 128'887);
}

// docs/planning.md: 600 万円 under the banks' tiers (35 %), 24 万円 a year of
// other debts, screened at 3.5 %, borrowed at 0.5 % as 銀行型・他.
TEST(Capacity, WorkedExampleOfTheNotes)
{
    CapacityRequest q = Request(600, "bank", 3.5, 35);
    q.rate1Percent = 0.5;
    q.otherDebtsMan = 24;
    const CapacityOutcome out = ComputeCapacity(q);
    ASSERT_TRUE(out.ok) << out.message;
    const CapacityResult& r = out.result;
    EXPECT_EQ(r.limitPercent, 35);
    EXPECT_EQ(r.allowanceYen, 1'860'000);
    EXPECT_EQ(r.capacityMan, 3750);
    EXPECT_EQ(r.screeningMonthlyYen, 154'983);
    EXPECT_EQ(r.screeningAnnualYen, 1'859'796);
    EXPECT_GT(ScreeningAnnualYen(3751, 0.035, 35), 1'860'000);
    EXPECT_EQ(Text(Quantity::SummaryPercent(r.screeningRatioPercent)), "35.%");
    EXPECT_EQ(r.loan.result.monthly[0], 97'344);
    EXPECT_EQ(r.loan.result.annualYen, 1'168'128);
    EXPECT_EQ(Text(Quantity::SummaryPercent(r.ratioPercent)), "19.47%");
}

TEST(Capacity, ScreeningRateAndOtherDebtsLowerItRealRatesDoNot)
{
    CapacityRequest q = Request(600, "35", 3.5, 35);
    q.rate1Percent = 0.6;
    const CapacityOutcome screened = ComputeCapacity(q);
    ASSERT_TRUE(screened.ok);
    q.screeningRatePercent = 0; // the first rate stands in for it
    const CapacityOutcome atReal = ComputeCapacity(q);
    ASSERT_TRUE(atReal.ok);
    EXPECT_LT(screened.result.capacityMan, atReal.result.capacityMan);
    // The window's figures are at the real rate in both: smaller loan, smaller ratio.
    EXPECT_DOUBLE_EQ(screened.result.loan.input.rate1, 0.006);
    EXPECT_LT(screened.result.ratioPercent, atReal.result.ratioPercent);

    q.screeningRatePercent = 3.5;
    q.otherDebtsMan = 60; // a car loan of 5 万円 a month
    const CapacityOutcome withDebts = ComputeCapacity(q);
    ASSERT_TRUE(withDebts.ok);
    EXPECT_EQ(withDebts.result.allowanceYen, 2'100'000 - 600'000);
    EXPECT_LT(withDebts.result.capacityMan, screened.result.capacityMan);
    EXPECT_LE(withDebts.result.screeningAnnualYen + 600'000, 2'100'000);
    EXPECT_GT(withDebts.result.screeningRatioPercent, 30.0);
    EXPECT_LE(withDebts.result.screeningRatioPercent, 35.0);
}

TEST(Capacity, BonusShareAndMethodShapeOnlyTheWindowFigures)
{
    CapacityRequest q = Request(700, "bank", 3.0, 35);
    q.method = CorporationBasic;
    q.rate1Percent = 1.2;
    q.rate2Percent = 2.0;
    q.bonusSharePercent = 20;
    const CapacityOutcome out = ComputeCapacity(q);
    ASSERT_TRUE(out.ok) << out.message;
    EXPECT_EQ(out.result.limitPercent, 40);
    EXPECT_EQ(out.result.bonusMan, out.result.capacityMan / 5);
    EXPECT_DOUBLE_EQ(out.result.loan.input.bonusYen, out.result.bonusMan * 10000.0);
    EXPECT_EQ(out.result.loan.input.method, CorporationBasic);
    EXPECT_DOUBLE_EQ(out.result.loan.input.rate2, 0.02);
    // Screening ignores the method and the bonus: same capacity as 銀行型・他 without one.
    CapacityRequest plain = Request(700, "bank", 3.0, 35);
    plain.rate1Percent = 1.2;
    EXPECT_EQ(ComputeCapacity(plain).result.capacityMan, out.result.capacityMan);
}

TEST(Capacity, CappedWhereTheCalculateCommandStopsAcceptingTheLoan)
{
    // Half the loan in bonus: the bonus part may not exceed 4,999 万円.
    CapacityRequest q = Request(9999, "40", 1.0, 35);
    q.bonusSharePercent = 50;
    CapacityOutcome out = ComputeCapacity(q);
    ASSERT_TRUE(out.ok) << out.message;
    EXPECT_EQ(out.result.capacityMan, 9999);
    EXPECT_EQ(out.result.cappedBy, kMsgBonusTooLarge);
    EXPECT_GT(out.result.largestFittingMan, 9999);

    // A very long, very cheap loan: the total repaid no longer fits the result fields.
    q = Request(9999, "40", 0.5, 99);
    out = ComputeCapacity(q);
    ASSERT_TRUE(out.ok) << out.message;
    EXPECT_EQ(out.result.cappedBy, kMsgLoanTooLarge);
    EXPECT_TRUE(CheckLoan(q, out.result.capacityMan).ok);
    EXPECT_FALSE(CheckLoan(q, out.result.capacityMan + 1).ok);
    EXPECT_LT(out.result.capacityMan, out.result.largestFittingMan);
}

TEST(Capacity, ClearMessagesWhenNothingCanBeLent)
{
    struct Case {
        const char* name;
        CapacityRequest request;
        std::string_view message;
    };
    CapacityRequest noLimit = Request(500, "35", 2, 35);
    noLimit.limit = nullptr;
    CapacityRequest debts = Request(500, "35", 2, 35);
    debts.otherDebtsMan = 175; // the whole 35 % of 500 万円
    CapacityRequest negativeDebts = Request(500, "35", 2, 35);
    negativeDebts.otherDebtsMan = -1;
    CapacityRequest noRates = Request(500, "35", 0, 35);
    CapacityRequest yutori = Request(500, "35", 2, 20);
    yutori.method = CorporationYutori;
    CapacityRequest highRate = Request(500, "35", 2, 35);
    highRate.rate1Percent = 99.5;
    CapacityRequest highScreening = Request(500, "35", 99.5, 35);
    CapacityRequest share = Request(500, "35", 2, 35);
    share.bonusSharePercent = 51;
    const Case cases[] = {
        {"no income", Request(0, "35", 2, 35), kMsgIncomeMissing},
        {"negative income", Request(-5, "35", 2, 35), kMsgIncomeInvalid},
        {"income above the field", Request(10000, "35", 2, 35), kMsgIncomeTooLarge},
        {"no limit", noLimit, kMsgLimitMissing},
        {"period 0", Request(500, "35", 2, 0), kMsgPeriodInvalid},
        {"period 100", Request(500, "35", 2, 100), kMsgPeriodInvalid},
        {"period 20.5", Request(500, "35", 2, 20.5), kMsgPeriodInvalid},
        {"no rate at all", noRates, kMsgScreeningRateMissing},
        {"screening above 99 %", highScreening, kMsgScreeningRateTooLarge},
        {"negative screening", Request(500, "35", -1, 35), kMsgScreeningRateInvalid},
        {"negative other debts", negativeDebts, kMsgOtherDebtsInvalid},
        {"bonus share above half", share, kMsgBonusShareInvalid},
        {"other debts take the allowance", debts, kMsgOtherDebtsOverLimit},
        {"income too small for 1 万円", Request(0.01, "20", 2, 35), kMsgIncomeTooSmall},
        {"reduced method under 25 years", yutori, kMsgYutoriPeriod},
        {"real rate above 99 %", highRate, kMsgRate1TooLarge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CapacityOutcome out = ComputeCapacity(c.request);
        EXPECT_FALSE(out.ok);
        EXPECT_EQ(out.message, c.message);
    }
}

// Over thousands of random requests the answer is the exact boundary: the loan
// fits and the calculate command accepts it; one 万円 more does neither.
TEST(Capacity, IsTheExactBoundaryOnRandomInputs)
{
    std::mt19937_64 rng(20261207);
    const auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    const auto integer = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const auto rules = BurdenLimitRules();
    int found = 0;
    int capped = 0;
    for (int n = 0; n < 5000; ++n) {
        CapacityRequest q;
        q.incomeMan = integer(0, 3) == 0 ? integer(1, 9999) : std::round(uniform(50, 3000) * 10000) / 10000;
        q.limit = &rules[static_cast<std::size_t>(integer(0, static_cast<int>(rules.size()) - 1))];
        q.screeningRatePercent = integer(0, 4) == 0 ? uniform(0.001, 99) : std::round(uniform(0.3, 9) * 100) / 100;
        q.method = integer(kFirstMethod, kLastMethod);
        q.periodYears = FamilyOf(q.method) == RepaymentFamily::ReducedEarly ? integer(25, 99) : integer(1, 99);
        q.rate1Percent = std::round(uniform(0.1, 8) * 100) / 100;
        q.rate2Percent = std::round(uniform(0.1, 8) * 100) / 100;
        q.bonusSharePercent = integer(0, 1) == 0 ? 0 : integer(1, 50);
        q.otherDebtsMan = integer(0, 2) == 0 ? 0 : std::round(uniform(0, q.incomeMan * 0.3));

        SCOPED_TRACE(testing::Message() << "case " << n << ": income " << q.incomeMan << " limit "
                                        << q.limit->key << " screening " << q.screeningRatePercent << " years "
                                        << q.periodYears << " method " << q.method << " other "
                                        << q.otherDebtsMan << " share " << q.bonusSharePercent);
        const CapacityOutcome out = ComputeCapacity(q);
        const double screening = q.screeningRatePercent * 0.01;
        if (!out.ok) {
            // Only the two ways of "nothing fits" are possible with these inputs.
            const std::int64_t income = *ManToWholeYen(q.incomeMan);
            const std::int64_t allowance = AnnualAllowanceYen(*q.limit, income, *ManToWholeYen(q.otherDebtsMan));
            if (out.message == kMsgOtherDebtsOverLimit)
                EXPECT_LE(allowance, 0);
            else if (out.message == kMsgIncomeTooSmall)
                EXPECT_GT(ScreeningAnnualYen(1, screening, q.periodYears), allowance);
            else
                ADD_FAILURE() << out.message;
            continue;
        }
        ++found;
        const CapacityResult& r = out.result;
        const std::int64_t loan = r.capacityMan;
        ASSERT_GE(loan, 1);
        EXPECT_LE(ScreeningAnnualYen(loan, screening, q.periodYears), r.allowanceYen);
        const CalcOutcome accepted = CheckLoan(q, loan);
        ASSERT_TRUE(accepted.ok) << accepted.failure.message;
        EXPECT_EQ(accepted.success.result, r.loan.result);
        const bool nextFits = ScreeningAnnualYen(loan + 1, screening, q.periodYears) <= r.allowanceYen;
        EXPECT_FALSE(nextFits && CheckLoan(q, loan + 1).ok);
        if (r.cappedBy.empty()) {
            EXPECT_FALSE(nextFits);
            EXPECT_EQ(r.largestFittingMan, r.capacityMan);
        } else {
            ++capped;
        }
        EXPECT_EQ(r.screeningAnnualYen, 12 * r.screeningMonthlyYen);
        EXPECT_EQ(r.allowanceYen, AnnualAllowanceYen(*q.limit, r.incomeYen, r.otherDebtsYen));
    }
    // The random inputs must reach the interesting cases, not only the refusals.
    EXPECT_GT(found, 4000);
    EXPECT_GT(capped, 0);
}

} // namespace
} // namespace hn
