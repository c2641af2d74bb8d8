// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/plan/Plan.h"

#include "calc/CheckedInt.h"
#include "calc/capacity/PlanningMessages.h"
#include "calc/plan/PlanMessages.h"
#include "calc/plan/PlanTables.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace hn {
namespace {

constexpr int kWhole = 10000; // 100 % in hundredths of a percent

PlanOutcome Refuse(std::string_view message)
{
    PlanOutcome out;
    out.message = message;
    return out;
}

// yen × hundredths ÷ 10000, rounded down, without the product overflowing.
std::int64_t ShareOf(std::int64_t yen, int hundredths) noexcept
{
    return yen / kWhole * hundredths + yen % kWhole * hundredths / kWhole;
}

BurdenFigures Burden(std::int64_t incomeYen, std::int64_t annualYen, const BurdenLimitRule* rule)
{
    BurdenFigures b;
    b.incomeYen = incomeYen;
    b.annualYen = annualYen;
    b.ratioPercent = static_cast<double>(annualYen) / static_cast<double>(incomeYen) * 100.0;
    if (rule != nullptr) {
        b.limitPercent = LimitPercentFor(*rule, incomeYen);
        b.allowanceYen = AnnualAllowanceYen(*rule, incomeYen, 0);
        b.overLimit = annualYen > b.allowanceYen;
    }
    return b;
}

// Whole years from the plan's first month to the end of the loan's term, a part
// year counting as a year begun.
int YearsToPayoff(YearMonth planFirst, const PlanSchedule& loan) noexcept
{
    const long long months =
        MonthIndex(loan.calendar.firstMonth) - MonthIndex(planFirst) + 12LL * loan.schedule.periodYears;
    return static_cast<int>((months + 11) / 12);
}

} // namespace

std::optional<int> ShareHundredths(double percent) noexcept
{
    if (!(percent >= 0.0 && percent <= 100.0))
        return std::nullopt;
    const double scaled = percent * 100.0;
    const double whole = std::round(scaled);
    // 33.33 × 100 is 3332.9999…: a typed two-decimal share is within far less than this.
    if (std::fabs(scaled - whole) > 1e-6)
        return std::nullopt;
    return static_cast<int>(whole);
}

PlanOutcome ComputePlan(const PlanInput& in)
{
    const PurchaseOutcome purchase = ComputePurchase(in.purchase);
    if (!purchase.ok)
        return Refuse(purchase.message);

    const std::size_t count = in.borrowers.size();
    if (count < 1 || count > static_cast<std::size_t>(kPlanLimits.maxBorrowers))
        return Refuse(kMsgBorrowerCount);
    std::vector<std::int64_t> incomes;
    std::vector<int> ages;
    for (const Borrower& b : in.borrowers) {
        if (b.incomeMan == 0.0)
            return Refuse(kMsgIncomeMissing);
        const std::optional<std::int64_t> income = ManToWholeYen(b.incomeMan);
        if (!income || *income <= 0)
            return Refuse(kMsgBorrowerIncomeInvalid);
        const std::optional<int> age = WholeNumberIn(b.ageYears, 0, kPlanLimits.maxAgeYears);
        if (!age)
            return Refuse(kMsgBorrowerAgeInvalid);
        incomes.push_back(*income);
        ages.push_back(*age);
    }
    const bool pair = in.arrangement == PlanArrangement::PairLoan;
    if ((in.arrangement == PlanArrangement::Single) != (count == 1))
        return Refuse(kMsgArrangementBorrowers);

    if (in.loans.empty())
        return Refuse(kMsgNoLoans);
    if (in.loans.size() > static_cast<std::size_t>(kPlanLimits.maxLoans))
        return Refuse(kMsgTooManyLoans);
    std::vector<std::array<int, 2>> shares;
    std::array<bool, 2> owesALoan{false, false};
    for (const PlanLoan& l : in.loans) {
        if (!l.loan.schedule.ok())
            return Refuse(kMsgLoanNotComputed);
        if (!IsValidCalendar(l.loan.calendar))
            return Refuse(kMsgLoanCalendarInvalid);
        const std::optional<int> a = ShareHundredths(l.sharePercent[0]);
        const std::optional<int> b = ShareHundredths(l.sharePercent[1]);
        if (!a || !b)
            return Refuse(kMsgShareInvalid);
        // A lone borrower owes the whole of every loan.
        if (*a + *b != kWhole || (count == 1 && *b != 0))
            return Refuse(kMsgSharesNotWhole);
        if (pair && *a != kWhole && *b != kWhole)
            return Refuse(kMsgPairLoanSoleOwner);
        owesALoan[0] = owesALoan[0] || *a > 0;
        owesALoan[1] = owesALoan[1] || *b > 0;
        shares.push_back({*a, *b});
    }
    if (pair && !(owesALoan[0] && owesALoan[1]))
        return Refuse(kMsgPairLoanBothBorrow);

    PlanOutcome out{true, {}, {}};
    PlanResult& r = out.result;
    r.purchase = purchase.result;
    std::vector<const PlanSchedule*> schedules;
    schedules.reserve(in.loans.size());
    for (const PlanLoan& l : in.loans) {
        r.loansYen += l.loan.schedule.monthly.loanYen + l.loan.schedule.bonus.loanYen;
        schedules.push_back(&l.loan);
    }
    r.shortfallYen = r.purchase.borrowYen - r.loansYen;
    r.schedule = SummarisePlanSchedules(schedules);

    std::array<std::int64_t, 2> annual{0, 0};
    std::array<int, 2> payoffYears{0, 0};
    for (std::size_t i = 0; i < in.loans.size(); ++i) {
        const PlanSchedule& loan = in.loans[i].loan;
        const std::int64_t first = FirstYearPayment(loan.schedule);
        const std::int64_t firstPart = ShareOf(first, shares[i][0]);
        annual[0] += firstPart;
        annual[1] += first - firstPart;
        const int payoff = YearsToPayoff(r.schedule.firstMonth, loan);
        for (std::size_t k = 0; k < 2; ++k) {
            // Outside a pair loan both are bound to every loan until its end.
            if (!pair || shares[i][k] > 0)
                payoffYears[k] = std::max(payoffYears[k], payoff);
        }
    }
    std::int64_t incomeTotal = 0;
    for (std::size_t k = 0; k < count; ++k) {
        BorrowerFigures f;
        f.burden = Burden(incomes[k], annual[k], in.limit);
        f.payoffAge = ages[k] + payoffYears[k];
        f.payoffAgeHigh = f.payoffAge >= kPlanLimits.payoffAgeCeiling;
        r.borrowers.push_back(f);
        incomeTotal += incomes[k];
    }
    r.household = Burden(incomeTotal, annual[0] + annual[1], in.limit);
    return out;
}

} // namespace hn
