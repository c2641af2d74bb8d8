// SPDX-License-Identifier: GPL-3.0-or-later
// Rate scenarios: a bank's published illustration to the yen, the review rules
// and both settlements of unpaid interest on hand-checked cases, and property
// runs over random loans and paths.
#include "calc/rates/RateScenario.h"
#include "calc/rates/ScenarioSummary.h"
#include "calc/rates/ScenarioTexts.h"
#include "calc/schedule/ScheduleChecks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <algorithm>
#include <numeric>
#include <random>

namespace hn {
namespace {

LoanInput Loan(RepaymentMethod method, double loanYen, double bonusYen, int years)
{
    LoanInput in;
    in.method = method;
    in.loanYen = loanYen;
    in.bonusYen = bonusYen;
    in.normalYen = loanYen - bonusYen;
    in.periodYears = years;
    return in;
}

struct YearFigures {
    std::int64_t principal = 0, interest = 0, unpaidAdded = 0;
};

YearFigures Year(const SchedulePart& part, int year)
{
    YearFigures y;
    const std::int64_t unpaidBefore = year > 1 ? part.rows[12 * (year - 1) - 1].unpaidInterest : 0;
    for (int m = 12 * (year - 1) + 1; m <= 12 * year; ++m) {
        // A row's interest is the interest charged; what was paid of it is
        // the payment less the principal.
        y.principal += part.rows[m - 1].principal;
        y.interest += part.rows[m - 1].payment - part.rows[m - 1].principal;
    }
    y.unpaidAdded = part.rows[12 * year - 1].unpaidInterest - unpaidBefore;
    return y;
}

std::int64_t TotalPaid(const SchedulePart& part)
{
    std::int64_t t = 0;
    for (const auto& r : part.rows)
        t += r.payment;
    return t;
}

// 1,000 万円 over 30 years at 2.375 %, the rate raised from month 13: a bank's
// own illustration of the five-year and 125 % rules, unpaid interest carried.
TEST(RateScenarioPublished, FourRisesAgreeToTheYen)
{
    struct Row {
        double rise;
        std::int64_t principal, interest, unpaidYear2, total, unpaidAtEnd;
    } const table[] = {
        {0, 236949, 229431, 0, 13991280, 0},
        {1, 138829, 327551, 0, 15940991, 0},
        {2, 39802, 426578, 0, 18299322, 0},
        {3, 0, 466380, 58680, 21043742, 234720},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.rise);
        ScenarioInput in;
        in.loan = Loan(BankOther, 10000000, 0, 30);
        in.path = RiseOnceRatePath(2.375, row.rise, 13);
        const ScenarioSchedule s = BuildScenarioSchedule(in);
        ASSERT_EQ(s.status, ScenarioStatus::Ok);
        EXPECT_EQ(s.schedule.monthly.rows[0].payment, 38865);
        const YearFigures y2 = Year(s.schedule.monthly, 2);
        EXPECT_EQ(y2.principal, row.principal);
        EXPECT_EQ(y2.interest, row.interest);
        EXPECT_EQ(y2.unpaidAdded, row.unpaidYear2);
        EXPECT_EQ(TotalPaid(s.schedule.monthly), row.total);
        EXPECT_EQ(s.monthly.unpaidSettledAtEnd, row.unpaidAtEnd);
        EXPECT_TRUE(s.schedule.bonus.rows.empty());
    }
}


ScenarioSchedule Scenario(const LoanInput& loan, const RatePath& path, ReviewRule review,
                     UnpaidSettlement unpaid = UnpaidSettlement::CarryToEnd)
{
    ScenarioInput in;
    in.loan = loan;
    in.path = path;
    in.review = review;
    in.unpaid = unpaid;
    return BuildScenarioSchedule(in);
}

const LoanInput kBankLoan = Loan(BankOther, 10000000, 0, 30);

// Figures below come from a separate model of the rules, written apart from
// this code.

TEST(RateScenarioRules, FiveYearReviewsAreCappedUntilTheAnnuityFitsAgain)
{
    const ScenarioSchedule s = Scenario(kBankLoan, RiseOnceRatePath(2.375, 3, 13), ReviewRule::FiveYear125);
    const auto& rows = s.schedule.monthly.rows;
    ASSERT_EQ(rows.size(), 360u);
    // 61: capped at floor(1.25 x 38,865); 121: the rate is unchanged but the
    // last setting was capped, so it is reviewed (and capped) again; 181: the
    // annuity is below the cap; 241 and 301: nothing to review.
    for (int m = 1; m <= 359; ++m) {
        const std::int64_t expected = m <= 60 ? 38865 : m <= 120 ? 48581 : m <= 180 ? 60726 : 66215;
        ASSERT_EQ(rows[m - 1].payment, expected) << "month " << m;
    }
    EXPECT_EQ(rows[359].payment, 300937); // last instalment with the carried 234,720
    EXPECT_EQ(rows[358].unpaidInterest, 234720);
    EXPECT_EQ(rows[120].balance + rows[120].principal, 9437232); // balance before month 121
    EXPECT_DOUBLE_EQ(rows[12].yearlyRate, 0.05375);
    EXPECT_DOUBLE_EQ(rows[11].yearlyRate, 0.02375);
}

// Reviews counted from a later month (a fixed period ending there): at it the
// instalment is the annuity of the balance over the months left, never capped;
// the rate does not change again, so no review touches it after.
TEST(RateScenarioRules, ReviewsCountedFromALaterMonthStartUncapped)
{
    ScenarioInput in;
    in.loan = kBankLoan;
    in.path = RiseOnceRatePath(2.375, 3, 13);
    in.reviewFromMonth = 25;
    const ScenarioSchedule s = BuildScenarioSchedule(in);
    ASSERT_TRUE(s.ok());
    const auto& rows = s.schedule.monthly.rows;
    ASSERT_EQ(rows.size(), 360u);
    EXPECT_EQ(rows[23].payment, 38865);
    EXPECT_GT(rows[23].unpaidInterest, 0); // months 13-24 charge 5.375 % on the old instalment
    const std::int64_t fresh = rows[24].payment;
    EXPECT_EQ(fresh, static_cast<std::int64_t>(AnnuityPayment(static_cast<double>(rows[23].balance),
                                                              MonthlyRate(0.05375), 336)));
    EXPECT_GT(fresh, 48581); // beyond the 125 % cap
    for (int m = 26; m <= 359; ++m)
        ASSERT_EQ(rows[m - 1].payment, fresh) << "month " << m;

    in.reviewFromMonth = 0;
    EXPECT_EQ(BuildScenarioSchedule(in).status, ScenarioStatus::InvalidLoan);
    in.reviewFromMonth = kMaxPathMonth + 1;
    EXPECT_EQ(BuildScenarioSchedule(in).status, ScenarioStatus::InvalidLoan);
}

TEST(RateScenarioRules, PayingUnpaidInterestFirstDelaysThePrincipal)
{
    const ScenarioSchedule a =
        Scenario(kBankLoan, RiseOnceRatePath(2.375, 3, 13), ReviewRule::FiveYear125, UnpaidSettlement::PayFirst);
    const auto& rows = a.schedule.monthly.rows;
    ASSERT_EQ(rows.size(), 360u);
    EXPECT_EQ(rows[60].payment, 48581);
    EXPECT_EQ(rows[119].balance, 9712470);
    EXPECT_EQ(rows[119].unpaidInterest, 0);
    EXPECT_EQ(rows[120].payment, 60726);
    EXPECT_EQ(rows[180].payment, 69132);
    EXPECT_EQ(rows[359].payment, 69057);
    EXPECT_EQ(a.monthly.unpaidSettledAtEnd, 0);
    EXPECT_EQ(TotalPaid(a.schedule.monthly), 21334005);
    // The first instalment after the cap pays unpaid interest before anything
    // else: no principal until it is gone.
    EXPECT_EQ(rows[60].principal, 0);
    EXPECT_LT(rows[60].interest, rows[60].payment);
    EXPECT_EQ(rows[60].unpaidInterest, rows[59].unpaidInterest - (rows[60].payment - rows[60].interest));
}

TEST(RateScenarioRules, EveryChangeRecomputesAtOnceAndLeavesNothingUnpaid)
{
    for (UnpaidSettlement u : {UnpaidSettlement::CarryToEnd, UnpaidSettlement::PayFirst}) {
        const ScenarioSchedule s = Scenario(kBankLoan, RiseOnceRatePath(2.375, 1, 13), ReviewRule::EveryChange, u);
        const auto& rows = s.schedule.monthly.rows;
        ASSERT_EQ(rows.size(), 360u);
        EXPECT_EQ(rows[11].payment, 38865);
        EXPECT_EQ(rows[12].payment, 44050);
        EXPECT_EQ(rows[358].payment, 44050);
        EXPECT_EQ(rows[359].payment, 43858);
        EXPECT_EQ(TotalPaid(s.schedule.monthly), 15795588);
        EXPECT_TRUE(std::all_of(rows.begin(), rows.end(), [](const ScheduleRow& r) { return r.unpaidInterest == 0; }));
    }
}

// The peak is of the regular instalments, and says so: the settling last one can
// be higher even where nothing is left unpaid (recomputed at every change, 5.375 %
// from month 13: 55,465 against a last of 55,806).
TEST(ScenarioSummaryTest, ThePeakSaysItLeavesTheLastInstalmentOut)
{
    const ScenarioSchedule s = Scenario(kBankLoan, RiseOnceRatePath(2.375, 3, 13), ReviewRule::EveryChange);
    const ScenarioSummary sum = SummariseScenario(s);
    EXPECT_EQ(sum.peakMonthly, 55465);
    EXPECT_EQ(sum.lastMonthly, 55806);
    EXPECT_EQ(sum.unpaidAtEnd, 0);
    EXPECT_NE(kSumPeakMonthly.find("最終回を除く"), std::string_view::npos);
    EXPECT_NE(kSumPeakBonus.find("最終回を除く"), std::string_view::npos);
}

TEST(RateScenarioRules, AStepBackToTheSameRateIsNoChange)
{
    RatePath path = FlatRatePath(2.375);
    path.steps.push_back({13, 0.02375});
    path.steps.push_back({61, 0.02375});
    const ScenarioSchedule flat = Scenario(kBankLoan, FlatRatePath(2.375), ReviewRule::EveryChange);
    for (ReviewRule review : {ReviewRule::EveryChange, ReviewRule::FiveYear125}) {
        const ScenarioSchedule s = Scenario(kBankLoan, path, review);
        ASSERT_EQ(s.schedule.monthly.rows.size(), flat.schedule.monthly.rows.size());
        for (std::size_t k = 0; k < flat.schedule.monthly.rows.size(); ++k)
            ASSERT_EQ(s.schedule.monthly.rows[k].payment, flat.schedule.monthly.rows[k].payment) << k;
    }
}

TEST(RateScenarioRules, EqualPrincipalFollowsTheRateWhateverTheRules)
{
    const LoanInput loan = Loan(EqualPrincipal, 10000000, 0, 30);
    const ScenarioSchedule s = Scenario(loan, RiseOnceRatePath(2.375, 3, 13), ReviewRule::FiveYear125);
    const auto& rows = s.schedule.monthly.rows;
    ASSERT_EQ(rows.size(), 360u);
    EXPECT_EQ(rows[0].payment, 47568);
    EXPECT_EQ(rows[11].payment, 46963);
    EXPECT_EQ(rows[12].payment, 71075);
    EXPECT_EQ(rows[359].payment, 28182);
    EXPECT_EQ(TotalPaid(s.schedule.monthly), 17789521);
    for (ReviewRule review : {ReviewRule::EveryChange, ReviewRule::FiveYear125})
        for (UnpaidSettlement u : {UnpaidSettlement::CarryToEnd, UnpaidSettlement::PayFirst}) {
            const ScenarioSchedule other = Scenario(loan, RiseOnceRatePath(2.375, 3, 13), review, u);
            for (std::size_t k = 0; k < rows.size(); ++k) {
                ASSERT_EQ(other.schedule.monthly.rows[k].payment, rows[k].payment);
                ASSERT_EQ(other.schedule.monthly.rows[k].unpaidInterest, 0);
            }
        }
}

TEST(RateScenarioRules, BonusPartIsReviewedEveryTenBonusInstalments)
{
    // 400 万円 of a 1,000 万円 loan in bonus instalments over 20 years; the rate
    // rises from 1 % to 4 % in month 7, so bonus 1 (month 6) pays the old rate
    // and bonus 2 (month 12) the new one.
    const LoanInput loan = Loan(BankOther, 10000000, 4000000, 20);
    RatePath path = FlatRatePath(1.0);
    path.steps.push_back({7, 0.04});
    const ScenarioSchedule every = Scenario(loan, path, ReviewRule::EveryChange);
    const auto& e = every.schedule.bonus.rows;
    ASSERT_EQ(e.size(), 40u);
    EXPECT_EQ(e[0].payment, 110582);
    EXPECT_EQ(e[1].payment, 145317);
    EXPECT_EQ(e[39].payment, 145321);
    EXPECT_EQ(TotalPaid(every.schedule.bonus), 5777949);

    const ScenarioSchedule rules = Scenario(loan, path, ReviewRule::FiveYear125);
    const auto& r = rules.schedule.bonus.rows;
    ASSERT_EQ(r.size(), 40u);
    EXPECT_EQ(r[9].payment, 110582);
    EXPECT_EQ(r[10].payment, 138227); // floor(1.25 x 110,582)
    EXPECT_EQ(r[39].payment, 178424);
    EXPECT_EQ(TotalPaid(rules.schedule.bonus), 6000142);
    // Both parts set their instalment when the loan starts: a rise from month
    // 2 reaches the first bonus instalment (month 6) only through its interest.
    RatePath early = FlatRatePath(1.0);
    early.steps.push_back({2, 0.04});
    const ScenarioSchedule startRate = Scenario(loan, early, ReviewRule::FiveYear125);
    EXPECT_EQ(startRate.schedule.bonus.rows[0].payment, 110582);
    EXPECT_EQ(startRate.schedule.bonus.rows[9].payment, 110582);
    EXPECT_EQ(startRate.schedule.bonus.rows[0].interest, 80000); // 4,000,000 x 4 % / 2
    // The monthly part reviews on its own clock: month 61.
    EXPECT_EQ(rules.schedule.monthly.rows[59].payment, rules.schedule.monthly.rows[0].payment);
    EXPECT_NE(rules.schedule.monthly.rows[60].payment, rules.schedule.monthly.rows[0].payment);
}

TEST(RateScenarioRules, AFallingRateUnderTheRulesEndsTheLoanEarly)
{
    // From 5 % to 0.1 % in month 2: the instalment stays until month 61 and
    // repays far more principal than planned; the 60th review lowers it (no
    // lower limit), and the loan still ends before its 35 years.
    const LoanInput loan = Loan(BankOther, 30000000, 0, 35);
    RatePath path = FlatRatePath(5.0);
    path.steps.push_back({2, 0.001});
    const ScenarioSchedule s = Scenario(loan, path, ReviewRule::FiveYear125);
    const auto& rows = s.schedule.monthly.rows;
    EXPECT_LT(rows[60].payment, rows[59].payment);
    EXPECT_EQ(rows.back().balance, 0);
    const ScenarioSummary sum = SummariseScenario(s);
    EXPECT_EQ(sum.endMonth, static_cast<int>(rows.size()));
    EXPECT_EQ(sum.endYear, (sum.endMonth + 11) / 12);

    // Without a review in sight the instalment runs far ahead of the balance.
    const ScenarioSchedule noReview = Scenario(Loan(BankOther, 30000000, 0, 5), path, ReviewRule::FiveYear125);
    const ScenarioSummary early = SummariseScenario(noReview);
    EXPECT_TRUE(early.endsEarly);
    EXPECT_LT(early.endMonth, 60);
    EXPECT_EQ(noReview.schedule.monthly.rows.back().balance, 0);
    EXPECT_LE(noReview.schedule.monthly.rows.back().payment, noReview.schedule.monthly.rows.front().payment);
}

TEST(RateScenarioRules, RefusesWhatItCannotCompute)
{
    EXPECT_EQ(Scenario(Loan(CorporationYutori, 1e7, 0, 30), FlatRatePath(1), ReviewRule::EveryChange).status,
              ScenarioStatus::ReducedFamily);
    EXPECT_EQ(Scenario(Loan(BankOther, 0, 0, 30), FlatRatePath(1), ReviewRule::EveryChange).status,
              ScenarioStatus::InvalidLoan);
    EXPECT_EQ(Scenario(Loan(BankOther, 1e7, 0, 100), FlatRatePath(1), ReviewRule::EveryChange).status,
              ScenarioStatus::InvalidLoan);
    EXPECT_EQ(Scenario(kBankLoan, RatePath{}, ReviewRule::EveryChange).status, ScenarioStatus::InvalidPath);
    EXPECT_EQ(Scenario(kBankLoan, FlatRatePath(0), ReviewRule::EveryChange).status, ScenarioStatus::InvalidPath);
    const ScenarioSchedule huge = Scenario(Loan(BankOther, 9e15, 0, 99), FlatRatePath(99), ReviewRule::FiveYear125);
    EXPECT_EQ(huge.status, ScenarioStatus::BeyondExactRange);
    EXPECT_TRUE(huge.schedule.monthly.rows.empty());
}

TEST(ScenarioSummaryTest, PublishedRiseOfThreePoints)
{
    const ScenarioSchedule s = Scenario(kBankLoan, RiseOnceRatePath(2.375, 3, 13), ReviewRule::FiveYear125);
    const ScenarioSummary sum = SummariseScenario(s);
    EXPECT_EQ(sum.totalRepaid, 21043742);
    EXPECT_EQ(sum.totalInterest, 21043742 - 10000000);
    EXPECT_EQ(sum.peakMonthly, 66215);
    EXPECT_EQ(sum.lastMonthly, 300937);
    EXPECT_EQ(sum.peakBonus, 0);
    EXPECT_EQ(sum.monthsWithUnpaid, 359 - 12); // months 13 to 359
    EXPECT_EQ(sum.largestUnpaid, 234720);
    EXPECT_EQ(sum.unpaidAtEnd, 234720);
    EXPECT_EQ(sum.endYear, 30);
    EXPECT_FALSE(sum.endsEarly);
    const std::vector<InstalmentStep> steps{{1, 38865}, {61, 48581}, {121, 60726}, {181, 66215}, {360, 300937}};
    EXPECT_EQ(InstalmentSteps(s.schedule.monthly), steps);

    // Unpaid interest is left for the last instalment, and at the first review
    // more is owed (9,768,607 + 234,720 unpaid) than was borrowed.
    const auto warnings = ScenarioWarnings(s, sum);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].kind, ScenarioWarningKind::UnpaidLeft);
    EXPECT_EQ(warnings[0].yen, 234720);
    EXPECT_EQ(warnings[1].kind, ScenarioWarningKind::NegativeAmortisation);
    EXPECT_EQ(warnings[1].at, 61);
    EXPECT_EQ(warnings[1].before, 10000000);
    EXPECT_EQ(warnings[1].yen, 10003327);

    const ScenarioSchedule calm = Scenario(kBankLoan, RiseOnceRatePath(2.375, 1, 13), ReviewRule::FiveYear125);
    EXPECT_TRUE(ScenarioWarnings(calm, SummariseScenario(calm)).empty());

    ScenarioInput in{kBankLoan, RiseOnceRatePath(2.375, 3, 13), ReviewRule::FiveYear125,
                     UnpaidSettlement::PayFirst};
    EXPECT_EQ(ScenarioDescription(in), "金利シナリオ 1:2.375,13:5.375 (5年ルール・125%ルール, 未払利息は次回以降に先に支払う)");
    in.loan.method = EqualPrincipal;
    EXPECT_EQ(ScenarioDescription(in), "金利シナリオ 1:2.375,13:5.375");
}

TEST(ScenarioSummaryTest, UnpaidInterestPaidOffIsStillReported)
{
    const ScenarioSchedule a =
        Scenario(kBankLoan, RiseOnceRatePath(2.375, 3, 13), ReviewRule::FiveYear125, UnpaidSettlement::PayFirst);
    const ScenarioSummary sum = SummariseScenario(a);
    EXPECT_EQ(sum.unpaidAtEnd, 0);
    EXPECT_EQ(sum.largestUnpaid, 234720);
    EXPECT_GT(sum.monthsWithUnpaid, 48);
    EXPECT_LT(sum.monthsWithUnpaid, 120);
    const auto warnings = ScenarioWarnings(a, sum);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].kind, ScenarioWarningKind::UnpaidCleared);
    EXPECT_EQ(warnings[1].kind, ScenarioWarningKind::NegativeAmortisation);
}

TEST(ScenarioSummaryTest, NegativeAmortisationAndBothPartsTogether)
{
    // Ten points up from month 2: neither part's instalment covers the
    // interest any more.
    const LoanInput loan = Loan(BankOther, 10000000, 2000000, 30);
    const ScenarioSchedule s = Scenario(loan, RiseOnceRatePath(2.375, 10, 2), ReviewRule::FiveYear125);
    const auto warnings = ScenarioWarnings(s, SummariseScenario(s));
    ASSERT_EQ(warnings.size(), 3u);
    EXPECT_EQ(warnings[0].kind, ScenarioWarningKind::UnpaidLeft);
    EXPECT_EQ(warnings[1].kind, ScenarioWarningKind::NegativeAmortisation);
    EXPECT_FALSE(warnings[1].bonusPart);
    EXPECT_EQ(warnings[1].at, 61);
    EXPECT_EQ(warnings[1].before, 8000000);
    EXPECT_EQ(warnings[1].yen, s.schedule.monthly.rows[59].balance + s.schedule.monthly.rows[59].unpaidInterest);
    EXPECT_TRUE(warnings[2].bonusPart);
    EXPECT_EQ(warnings[2].at, 11);

    // Largest unpaid amount and end: both parts counted month by month.
    const ScenarioSummary sum = SummariseScenario(s);
    EXPECT_EQ(sum.largestUnpaid, s.schedule.monthly.rows[358].unpaidInterest + s.schedule.bonus.rows[58].unpaidInterest);
    EXPECT_EQ(sum.unpaidAtEnd, s.monthly.unpaidSettledAtEnd + s.bonus.unpaidSettledAtEnd);
    EXPECT_EQ(sum.monthsWithUnpaid, 359 - 1);
}


// Random loans and paths, fixed seed: the rules' promises on every schedule.
struct RandomCase {
    LoanInput loan;
    RatePath path;
};

RandomCase RandomScenario(std::mt19937_64& rng)
{
    const auto uniform = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); };
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    static constexpr RepaymentMethod methods[] = {BankOther, CorporationBasic, PensionBasic, EqualPrincipal};
    const int years = pick(1, 3) == 1 ? pick(1, 99) : pick(10, 35);
    const double loanYen = std::floor(uniform(1, 20000)) * 10000; // 1 to 20,000 万円
    const double bonusYen = pick(0, 1) ? std::floor(uniform(0, 0.5) * loanYen / 10000) * 10000 : 0.0;
    RandomCase c{Loan(methods[pick(0, 3)], loanYen, bonusYen, years), {}};
    // Mostly realistic rates, sometimes anywhere in the field's range.
    const auto rate = [&] {
        return pick(1, 10) == 1 ? std::round(uniform(0.001, 99) * 1000) / 1000 : std::round(uniform(0.1, 9) * 1000) / 1000;
    };
    c.path = FlatRatePath(rate());
    int month = 1;
    const int changes = pick(0, 3) == 0 ? 0 : pick(1, 12); // a quarter of the paths flat
    for (int k = 0; k < changes; ++k) {
        month += pick(1, 90);
        c.path.steps.push_back({month, rate() * 0.01});
    }
    return c;
}

__extension__ using U128 = unsigned __int128;

// Every row's interest from its rate in force alone, as a lender computes it: the
// path's percents have at most three decimals, so the rate is a whole number of
// thousandths of a percent, and floor(balance before × rate ÷ 12 or ÷ 2) is taken by
// 128-bit division.
void ExpectExactInterest(const Schedule& s)
{
    for (const SchedulePart* part : {&s.monthly, &s.bonus}) {
        const U128 perYear = part->kind == SchedulePartKind::Monthly ? 12 : 2;
        std::int64_t before = part->loanYen;
        for (const ScheduleRow& r : part->rows) {
            const auto thousandths = static_cast<std::uint64_t>(std::llround(r.yearlyRate * 100'000));
            const U128 interest = static_cast<U128>(before) * thousandths / (perYear * 100'000);
            ASSERT_EQ(r.interest, static_cast<std::int64_t>(interest)) << r.number;
            before = r.balance;
        }
    }
}

// The fixed-rate schedule a flat path must reproduce: 銀行型・他 keeps its
// first instalment, 元金均等型 its share, at the one rate throughout.
Schedule FixedSchedule(const LoanInput& loan, double rate)
{
    LoanInput in = loan;
    if (FamilyOf(in.method) == RepaymentFamily::LevelPayment)
        in.method = BankOther;
    in.rate1 = in.rate2 = rate;
    return BuildSchedule(in);
}

TEST(RateScenarioProperties, RandomLoansAndPaths)
{
    std::mt19937_64 rng(20261207);
    int withUnpaid = 0, capped = 0, flat = 0, shortByAYen = 0;
    for (int n = 0; n < 3000; ++n) {
        const RandomCase c = RandomScenario(rng);
        SCOPED_TRACE(::testing::Message() << "method " << c.loan.method << ", " << c.loan.loanYen << " yen, bonus "
                                          << c.loan.bonusYen << ", " << c.loan.periodYears << " years, path "
                                          << FormatRatePath(c.path));
        const bool level = FamilyOf(c.loan.method) == RepaymentFamily::LevelPayment;
        flat += c.path.steps.size() == 1;
        std::int64_t principalByVariant[2] = {};
        for (ReviewRule review : {ReviewRule::EveryChange, ReviewRule::FiveYear125})
            for (UnpaidSettlement u : {UnpaidSettlement::CarryToEnd, UnpaidSettlement::PayFirst}) {
                const ScenarioSchedule s = Scenario(c.loan, c.path, review, u);
                ASSERT_EQ(s.status, ScenarioStatus::Ok);
                const ScheduleCheckReport report = CheckSchedule(s.schedule);
                ASSERT_TRUE(report.allPassed());
                ExpectExactInterest(s.schedule);
                if (c.path.steps.size() == 1) {
                    const Schedule fixed = FixedSchedule(c.loan, c.path.steps[0].rate);
                    ASSERT_EQ(fixed.status, ScheduleStatus::Ok);
                    ASSERT_EQ(s.schedule.monthly.rows, fixed.monthly.rows);
                    ASSERT_EQ(s.schedule.bonus.rows, fixed.bonus.rows);
                }
                if (review == ReviewRule::FiveYear125) {
                    for (const SchedulePart* part : {&s.schedule.monthly, &s.schedule.bonus}) {
                        const int every = part == &s.schedule.monthly ? kReviewEveryMonths : kReviewEveryBonus;
                        const auto& rows = part->rows;
                        for (std::size_t k = 1; level && k + 1 < rows.size(); ++k) {
                            const int number = static_cast<int>(k) + 1;
                            if ((number - 1) % every == 0) {
                                ASSERT_LE(rows[k].payment, std::floor(1.25 * rows[k - 1].payment)) << number;
                                capped += rows[k].payment == static_cast<std::int64_t>(1.25 * rows[k - 1].payment);
                            } else {
                                ASSERT_EQ(rows[k].payment, rows[k - 1].payment) << number;
                            }
                        }
                        for (const ScheduleRow& r : rows)
                            withUnpaid += r.unpaidInterest > 0;
                    }
                } else {
                    // Recomputed at every change, an instalment covers the
                    // month's interest (the annuity of a rate so high over a
                    // term so long that it is the interest alone, floored in
                    // doubles, may fall a yen short of the exact interest), and
                    // changes only with the rate.
                    for (const SchedulePart* part : {&s.schedule.monthly, &s.schedule.bonus}) {
                        const auto& rows = part->rows;
                        for (std::size_t k = 0; k < rows.size(); ++k) {
                            if (rows[k].unpaidInterest > (k > 0 ? rows[k - 1].unpaidInterest : 0)) {
                                ASSERT_EQ(rows[k].payment + 1, rows[k].interest) << k + 1;
                                ++shortByAYen;
                            }
                            if (level && k > 0 && k + 1 < rows.size() && rows[k].payment != rows[k - 1].payment) {
                                ASSERT_NE(rows[k].yearlyRate, rows[k - 1].yearlyRate) << k + 1;
                            }
                        }
                    }
                }
                if (!level) {
                    for (const SchedulePart* part : {&s.schedule.monthly, &s.schedule.bonus})
                        for (const ScheduleRow& r : part->rows)
                            ASSERT_EQ(r.unpaidInterest, 0);
                }
                std::int64_t principal = 0;
                for (const SchedulePart* part : {&s.schedule.monthly, &s.schedule.bonus})
                    for (const ScheduleRow& r : part->rows)
                        principal += r.principal;
                principalByVariant[u == UnpaidSettlement::PayFirst] += principal;
            }
        EXPECT_EQ(principalByVariant[0], principalByVariant[1]);
    }
    // The random paths must reach the rules' interesting corners.
    EXPECT_GT(withUnpaid, 0);
    EXPECT_GT(capped, 0);
    EXPECT_GT(flat, 500);
    RecordProperty("shortByAYen", shortByAYen);
}

} // namespace
} // namespace hn
