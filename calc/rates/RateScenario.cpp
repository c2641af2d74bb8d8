// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/rates/RateScenario.h"

#include "calc/RepaymentMethod.h"

#include <cmath>
#include <span>

namespace hn {

namespace {

constexpr double kExactLimit = static_cast<double>(kMaxExactYen);

bool IsWholeYen(double v) noexcept
{
    return std::isfinite(v) && std::trunc(v) == v;
}

// How one part runs: the monthly part charges the yearly rate x 1/12 each
// month, the bonus part half the yearly rate every sixth month.
struct PartShape {
    double amount = 0.0;
    int count = 0;             // instalments over the term
    int monthsApart = 1;       // months between two instalments
    double periodFactor = 0.0; // yearly rate -> rate per instalment, for the instalments
    bool halfYear = false;     // interest of a half-year (bonus) or of a month
    int reviewEvery = 0;       // instalments between two five-year reviews
};

// The rate of instalment after instalment, walking the path once.
class RateWalker {
public:
    RateWalker(const RatePath& path, int monthsApart) : path_(path), monthsApart_(monthsApart) {}

    double StartRate() const noexcept { return path_.steps.front().rate; }

    double YearlyRateOf(int number) noexcept
    {
        const int month = number * monthsApart_;
        while (next_ < path_.steps.size() && path_.steps[next_].month <= month)
            ++next_;
        return path_.steps[next_ - 1].rate;
    }

    // The step of the rate YearlyRateOf gave last.
    int StepIndex() const noexcept { return static_cast<int>(next_ - 1); }

private:
    const RatePath& path_;
    int monthsApart_;
    std::size_t next_ = 1; // the first step is always at month 1
};

// The loop keeps money in doubles of whole yen, as the engine does; rows take
// them as 64-bit integers. Every figure stays below the running total of
// payments, which is checked against the exact range before the result is used
// (and stays far below 2^63 on the way: the balance never grows and unpaid
// interest is at most the interest of the term).
std::int64_t Yen(double v) noexcept
{
    return static_cast<std::int64_t>(v);
}

class PartRunner {
public:
    PartRunner(const PartShape& shape, const RatePath& path, std::span<const ExactRate> exact, SchedulePart& part,
               ScenarioPartFacts& facts)
        : shape_(shape), rates_(path, shape.monthsApart), exact_(exact), part_(part), facts_(facts)
    {
        part_.loanYen = Yen(shape.amount);
        part_.termCount = shape.amount != 0.0 ? shape.count : 0;
        part_.rows.clear();
        part_.rows.reserve(static_cast<std::size_t>(part_.termCount));
    }

    // Level payment under the review rule; false when a figure leaves the
    // exact range.
    bool RunLevel(ReviewRule review, UnpaidSettlement settlement, int reviewFromMonth)
    {
        // The first instalment falling on or after the month reviews count from.
        const int anchor = (reviewFromMonth + shape_.monthsApart - 1) / shape_.monthsApart;
        double balance = shape_.amount;
        double unpaid = 0.0;
        // The instalment is set when the loan starts, at the rate of month 1;
        // a bonus part's first instalment (month 6) may already pay another.
        double rate = rates_.StartRate();
        double payment = AnnuityPayment(balance, rate * shape_.periodFactor, shape_.count);
        double rateWhenSet = rate;
        bool capped = false;
        double owedAtLastReview = balance;

        for (int k = 1; k <= shape_.count; ++k) {
            rate = rates_.YearlyRateOf(k);
            const double i = rate * shape_.periodFactor;
            const double left = shape_.count - k + 1;
            if (anchor > 1 && k == anchor) {
                // The end of a fixed period: a fresh instalment, never capped.
                payment = AnnuityPayment(balance, i, left);
                rateWhenSet = rate;
                capped = false;
                owedAtLastReview = balance + unpaid;
            } else if (review == ReviewRule::EveryChange) {
                if (rate != rateWhenSet) {
                    payment = AnnuityPayment(balance, i, left);
                    rateWhenSet = rate;
                }
            } else if (k > anchor && (k - anchor) % shape_.reviewEvery == 0) {
                const double owed = balance + unpaid;
                if (owed > owedAtLastReview && facts_.negativeAmortisationAt == 0) {
                    facts_.negativeAmortisationAt = k;
                    facts_.owedBefore = Yen(owedAtLastReview);
                    facts_.owedAt = Yen(owed);
                }
                owedAtLastReview = owed;
                if (rate != rateWhenSet || capped) {
                    const double fresh = AnnuityPayment(balance, i, left);
                    const double cap = std::floor(kReviewCapFactor * payment);
                    capped = fresh > cap;
                    payment = capped ? cap : fresh;
                    rateWhenSet = rate;
                }
            }

            const double interest = Interest(balance);
            // What the instalment owes before any principal: the month's
            // interest, and under PayFirst the unpaid interest ahead of it.
            const double due = interest + (settlement == UnpaidSettlement::PayFirst ? unpaid : 0.0);
            if (k == shape_.count || payment - due >= balance) {
                // The last instalment (or one that would repay at least what is
                // owed) settles everything: balance, interest, unpaid interest.
                facts_.unpaidSettledAtEnd = Yen(unpaid);
                Emit(k, balance + interest + unpaid, interest, balance, 0.0, rate, 0.0);
                break;
            }
            if (payment >= due) {
                const double principal = payment - due;
                unpaid -= due - interest; // all of it under PayFirst, nothing otherwise
                balance -= principal;
                Emit(k, payment, interest, principal, balance, rate, unpaid);
            } else {
                // Under either settlement what is left unpaid grows by the
                // month's interest the instalment did not cover.
                unpaid += interest - payment;
                Emit(k, payment, interest, 0.0, balance, rate, unpaid);
            }
        }
        return total_ <= kExactLimit;
    }

    // Equal principal: the engine's share every time, the interest at the rate
    // in force; the last instalment repays what the floored shares left over.
    bool RunEqualPrincipal()
    {
        const double share = std::floor(shape_.amount / shape_.count);
        double balance = shape_.amount;
        for (int k = 1; k <= shape_.count; ++k) {
            const double rate = rates_.YearlyRateOf(k);
            const double interest = Interest(balance);
            const double principal = k == shape_.count ? balance : share;
            balance -= principal;
            Emit(k, principal + interest, interest, principal, balance, rate, 0.0);
        }
        return total_ <= kExactLimit;
    }

private:
    // The period's interest at the rate the walker gave last, exactly as typed.
    double Interest(double balance) const noexcept
    {
        const ExactRate& rate = exact_[static_cast<std::size_t>(rates_.StepIndex())];
        return rate.PeriodInterest(balance, shape_.halfYear);
    }

    void Emit(int number, double payment, double interest, double principal, double balance, double rate,
              double unpaid)
    {
        total_ += payment;
        ScheduleRow& row = part_.rows.emplace_back(
            ScheduleRow{number, Yen(payment), Yen(interest), Yen(principal), Yen(balance), rate, Yen(unpaid)});
        row.rateIndex = rates_.StepIndex();
        row.plannedNumber = number;
    }

    const PartShape& shape_;
    RateWalker rates_;
    std::span<const ExactRate> exact_;
    SchedulePart& part_;
    ScenarioPartFacts& facts_;
    double total_ = 0.0;
};

} // namespace

ScenarioSchedule BuildScenarioSchedule(const ScenarioInput& in)
{
    ScenarioSchedule s;
    s.schedule.method = in.loan.method;
    // The loan's own checks, with a rate the engine accepts in place of the
    // path's (checked on its own below).
    LoanInput loan = in.loan;
    loan.rate1 = loan.rate2 = kMaxRate;
    if (!IsComputable(loan) || !IsWholeYen(loan.normalYen) || !IsWholeYen(loan.bonusYen) || in.reviewFromMonth < 1
        || in.reviewFromMonth > kMaxPathMonth) {
        s.status = ScenarioStatus::InvalidLoan;
        return s;
    }
    const RepaymentFamily family = FamilyOf(loan.method);
    if (family == RepaymentFamily::ReducedEarly) {
        s.status = ScenarioStatus::ReducedFamily;
        return s;
    }
    if (!CheckRatePath(in.path).ok()) {
        s.status = ScenarioStatus::InvalidPath;
        return s;
    }
    if (!(loan.normalYen + loan.bonusYen <= kExactLimit)) {
        s.status = ScenarioStatus::BeyondExactRange;
        s.schedule.status = ScheduleStatus::BeyondExactRange;
        return s;
    }

    const int years = static_cast<int>(loan.periodYears);
    s.schedule.periodYears = years;
    const PartShape monthly{loan.normalYen, 12 * years, 1, kMonthlyRateFactor, false, kReviewEveryMonths};
    const PartShape bonus{loan.bonusYen, 2 * years, 6, 0.5, true, kReviewEveryBonus};
    for (const RateStep& step : in.path.steps)
        s.schedule.rates.push_back(StepRate(step));

    bool exact = true;
    for (const PartShape* shape : {&monthly, &bonus}) {
        const bool isMonthly = shape == &monthly;
        PartRunner run(*shape, in.path, s.schedule.rates, isMonthly ? s.schedule.monthly : s.schedule.bonus,
                       isMonthly ? s.monthly : s.bonus);
        if (shape->amount == 0.0)
            continue;
        exact = exact && (family == RepaymentFamily::EqualPrincipal ? run.RunEqualPrincipal()
                                                                    : run.RunLevel(in.review, in.unpaid, in.reviewFromMonth));
    }
    if (!exact || !(static_cast<double>(TotalsOf(s.schedule).payment) <= kExactLimit)) {
        s.schedule.monthly.rows.clear();
        s.schedule.bonus.rows.clear();
        s.monthly = {};
        s.bonus = {};
        s.status = ScenarioStatus::BeyondExactRange;
        s.schedule.status = ScheduleStatus::BeyondExactRange;
        return s;
    }
    s.status = ScenarioStatus::Ok;
    s.schedule.status = ScheduleStatus::Ok;
    return s;
}

} // namespace hn
