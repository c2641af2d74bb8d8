// SPDX-License-Identifier: GPL-3.0-or-later
// Schedules of random loans that the calculate command accepts: every method,
// periods 1 to 99 years, rates across what the rate field can hold, bonus parts
// from none to half. Seeded, so a failure names a loan that fails again.
#include "calc/CalculateCommand.h"
#include "calc/schedule/Schedule.h"
#include "calc/schedule/ScheduleChecks.h"
#include "calc/schedule/ScheduleViews.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace hn {
namespace {

constexpr int kLoans = 10000;

class LoanDraw {
public:
    explicit LoanDraw(std::uint64_t seed) : m_rng(seed) {}

    // Loan amounts as the 万円 field takes them (whole numbers), spread over
    // five orders of magnitude so that tiny loans, where the floors matter
    // most, are as common as large ones.
    CalcRequest Next(std::string& periodText)
    {
        CalcRequest q;
        q.method = static_cast<RepaymentMethod>(Below(6) + 1);
        q.loanMan = std::floor(std::pow(10.0, Unit() * 5.0));
        q.bonusMan = Below(4) == 0 ? 0.0 : std::floor(Unit() * (q.loanMan / 2 + 1));
        q.rate1Percent = Rate();
        q.rate2Percent = Rate();
        periodText = std::to_string(Below(99) + 1);
        q.periodText = periodText;
        return q;
    }

private:
    std::uint64_t Below(std::uint64_t n) { return m_rng() % n; }
    double Unit() { return static_cast<double>(m_rng() >> 11) * 0x1.0p-53; }

    // 0.0001 % to 99 %, at most four decimals (the field holds five
    // characters); evenly spread on a log scale, with the ends themselves.
    double Rate()
    {
        switch (Below(20)) {
        case 0:
            return 0.0001;
        case 1:
            return 99.0;
        default:
            return std::round(std::pow(10.0, -4.0 + Unit() * (std::log10(99.0) + 4.0)) * 10000.0) / 10000.0;
        }
    }

    std::mt19937_64 m_rng;
};

__extension__ using U128 = unsigned __int128;

// A percent of at most four decimals as a whole number of ten-thousandths.
std::uint64_t TenThousandths(double percent)
{
    return static_cast<std::uint64_t>(std::llround(percent * 10000.0));
}

// Interest of every row from the input alone, exactly as a lender computes it:
// the yearly rate in force (first up to month 120 / bonus 20, second after,
// first throughout for 銀行型・他) as the decimal typed, floor(balance before ×
// rate ÷ periods a year) in whole numbers.
void ExpectExactInterest(const LoanInput& in, const CalcRequest& typed, const SchedulePart& part, int perBand,
                         int perYear)
{
    std::int64_t before = part.loanYen;
    for (const ScheduleRow& r : part.rows) {
        const bool second = r.number > 2 * perBand && in.method != BankOther;
        ASSERT_EQ(r.yearlyRate, second ? in.rate2 : in.rate1) << "instalment " << r.number;
        const std::uint64_t rate = TenThousandths(second ? typed.rate2Percent : typed.rate1Percent);
        const U128 interest = static_cast<U128>(before) * rate / (static_cast<U128>(perYear) * 1'000'000);
        ASSERT_EQ(r.interest, static_cast<std::int64_t>(interest)) << "instalment " << r.number;
        before = r.balance;
    }
}

TEST(ScheduleProperties, EveryAcceptedLoanGivesASoundSchedule)
{
    LoanDraw draw(20261207);
    int accepted = 0;
    int drawn = 0;
    int endedEarly = 0;
    int withBonus = 0;
    int perMethod[7] = {};
    while (accepted < kLoans) {
        std::string periodText;
        const CalcRequest request = draw.Next(periodText);
        ++drawn;
        const CalcOutcome outcome = RunCalculateCommand(request);
        if (!outcome.ok)
            continue;
        ++accepted;
        const LoanInput& in = outcome.success.input;
        SCOPED_TRACE(testing::Message() << "method " << in.method << ", " << request.loanMan << " 万円, bonus "
                                        << request.bonusMan << ", " << request.rate1Percent << " % / "
                                        << request.rate2Percent << " %, " << periodText << " years");

        // The window's fields give whole yen: the schedule needs no rounding.
        ASSERT_EQ(WholeYenInput(in).normalYen, in.normalYen);
        const Schedule s = BuildSchedule(in);
        // No accepted loan comes near the exact range: its figures fit the
        // window's 32-bit fields.
        ASSERT_EQ(s.status, ScheduleStatus::Ok);

        ScheduleCheckReport report = CheckSchedule(s);
        const std::size_t rowChecks = report.items.size();
        CheckAgainstResult(s, outcome.success.result, report);
        for (const ScheduleCheckResult& c : report.items)
            ASSERT_TRUE(c.passed) << CheckName(c.check) << " " << ScopeName(c.scope) << ": " << c.actual
                                  << " against " << c.expected << ", row " << c.failedRow;
        ASSERT_TRUE(report.allPassed());

        const int bands = 1 + (in.periodYears > 5) + (in.periodYears > 10);
        const bool hasBonus = in.bonusYen != 0.0;
        if (!s.endedEarly()) {
            // A full term compares every band figure of both parts.
            // (Equal principal charges the exact interest: its band figures are
            // shown beside the window's, not checked.)
            const std::size_t bandChecks =
                in.method == EqualPrincipal ? 0u : static_cast<std::size_t>(bands * (hasBonus ? 2 : 1));
            ASSERT_EQ(report.items.size() - rowChecks, bandChecks);
            ASSERT_EQ(s.monthly.rows.size(), static_cast<std::size_t>(12 * in.periodYears));
            ASSERT_EQ(s.bonus.rows.size(), hasBonus ? static_cast<std::size_t>(2 * in.periodYears) : 0u);
        } else {
            ++endedEarly;
        }
        ExpectExactInterest(in, request, s.monthly, kMonthsPerBand, 12);
        ExpectExactInterest(in, request, s.bonus, kBonusPerBand, 2);
        if (testing::Test::HasFatalFailure())
            return;

        // The views hold every instalment once and end with nothing owed.
        const ScheduleCalendar calendar{{2027, 1 + accepted % 12}, {6, 12}};
        const std::vector<MonthlyViewRow> monthlyView = MonthlyView(s, calendar);
        ASSERT_EQ(monthlyView.size(), s.monthly.rows.size() + s.bonus.rows.size());
        ASSERT_EQ(monthlyView.back().totalBalance, 0);
        const std::vector<YearlyRow> years = YearlyView(s, calendar);
        ScheduleTotals yearly;
        for (const YearlyRow& y : years) {
            yearly.payment += y.payment;
            yearly.interest += y.interest;
            yearly.principal += y.principal;
        }
        ASSERT_EQ(yearly, TotalsOf(s));
        ASSERT_EQ(years.back().balance, 0);
        if (!s.endedEarly()) {
            ASSERT_EQ(years.size(), static_cast<std::size_t>(in.periodYears));
        }

        withBonus += hasBonus;
        ++perMethod[in.method];
    }
    // The draw reaches every corner it is meant to.
    for (RepaymentMethod m = kFirstMethod; m <= kLastMethod; ++m)
        EXPECT_GT(perMethod[m], kLoans / 12) << MethodName(m);
    EXPECT_GT(withBonus, kLoans / 2);
    EXPECT_LT(withBonus, kLoans);
    EXPECT_GT(endedEarly, 50);
    EXPECT_GT(drawn - accepted, 0);
    RecordProperty("drawn", drawn);
    RecordProperty("endedEarly", endedEarly);
}

} // namespace
} // namespace hn
