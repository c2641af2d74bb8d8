#include "calc/RateScenario.h"

#include "calc/RepaymentMethod.h"

#include <cmath>

namespace hn {

namespace {

// Doubles hold every whole number of yen exactly up to here.
constexpr double kExactLimit = 9007199254740992.0; // 2^53

// How one part runs: the monthly part charges the yearly rate x 1/12 each
// month, the bonus part half the yearly rate every sixth month.
struct PartShape {
    double amount = 0.0;
    int count = 0;            // instalments over the term
    int monthsApart = 1;      // months between two instalments
    double periodFactor = 0.0; // yearly rate -> rate per instalment
    int reviewEvery = 0;       // instalments between two reviews
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

private:
    const RatePath& path_;
    int monthsApart_;
    std::size_t next_ = 1; // the first step is always at month 1
};

// Figures leave the loop as whole yen; the loop keeps them in doubles, as the
// engine does, and checks they stay below 2^53 before they are converted.
std::int64_t Yen(double v) noexcept
{
    return static_cast<std::int64_t>(v);
}

struct Runner {
    const PartShape& shape;
    RateWalker rates;
    ScenarioPart& out;
    double total = 0.0; // every payment so far, for the exactness check

    void Emit(int number, double payment, double interest, double principal, double balance, double rate,
              double unpaid)
    {
        total += payment;
        out.rows.push_back({number, Yen(payment), Yen(interest), Yen(principal), Yen(balance), rate, Yen(unpaid)});
    }

    bool RunLevel(ReviewRule review, UnpaidSettlement settlement)
    {
        double balance = shape.amount;
        double unpaid = 0.0;
        // The instalment is set when the loan starts, at the rate of month 1;
        // a bonus part's first instalment (month 6) may already pay another.
        double rate = rates.StartRate();
        double payment = AnnuityPayment(balance, rate * shape.periodFactor, shape.count);
        double rateWhenSet = rate;
        bool capped = false;
        double owedAtLastReview = balance;

        for (int k = 1; k <= shape.count; ++k) {
            rate = rates.YearlyRateOf(k);
            const double i = rate * shape.periodFactor;
            const double left = shape.count - k + 1;
            if (review == ReviewRule::EveryChange) {
                if (rate != rateWhenSet) {
                    payment = AnnuityPayment(balance, i, left);
                    rateWhenSet = rate;
                }
            } else if (k > 1 && (k - 1) % shape.reviewEvery == 0) {
                const double owed = balance + unpaid;
                if (owed > owedAtLastReview && out.negativeAmortisationAt == 0) {
                    out.negativeAmortisationAt = k;
                    out.owedBefore = Yen(owedAtLastReview);
                    out.owedAt = Yen(owed);
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

            const double interest = std::floor(balance * i);
            // What the instalment owes before any principal: the month's
            // interest, and under PayFirst the unpaid interest ahead of it.
            const double due = interest + (settlement == UnpaidSettlement::PayFirst ? unpaid : 0.0);
            if (k == shape.count || payment - due >= balance) {
                // The last instalment (or one that would repay more than is
                // owed) settles everything: balance, interest, unpaid interest.
                out.unpaidSettledAtEnd = Yen(unpaid);
                Emit(k, balance + interest + unpaid, interest + unpaid, balance, 0.0, rate, 0.0);
                break;
            }
            if (payment >= due) {
                const double principal = payment - due;
                unpaid -= due - interest; // all of it under PayFirst, nothing otherwise
                balance -= principal;
                Emit(k, payment, due, principal, balance, rate, unpaid);
            } else {
                // Under either settlement what is left unpaid grows by the
                // month's interest the instalment did not cover.
                unpaid += interest - payment;
                Emit(k, payment, payment, 0.0, balance, rate, unpaid);
            }
        }
        return total < kExactLimit;
    }

    bool RunEqualPrincipal()
    {
        // The engine's share; what the floor leaves over goes with the last
        // instalment, as the last instalment repays the whole balance.
        const double share = std::floor(shape.amount / shape.count);
        double balance = shape.amount;
        for (int k = 1; k <= shape.count; ++k) {
            const double rate = rates.YearlyRateOf(k);
            const double interest = std::floor(balance * (rate * shape.periodFactor));
            const double principal = k == shape.count ? balance : share;
            balance -= principal;
            Emit(k, principal + interest, interest, principal, balance, rate, 0.0);
        }
        return total < kExactLimit;
    }
};

} // namespace

ScenarioSchedule BuildScenarioSchedule(const ScenarioInput& in)
{
    ScenarioSchedule s;
    // The loan's own checks, with a rate the engine accepts in place of the
    // path's (checked on its own below).
    LoanInput loan = in.loan;
    loan.rate1 = loan.rate2 = kMaxRate;
    if (!IsComputable(loan)) {
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
    if (!(loan.loanYen < kExactLimit)) {
        s.status = ScenarioStatus::BeyondExact;
        return s;
    }

    const int years = static_cast<int>(loan.periodYears);
    const PartShape monthly{loan.normalYen, 12 * years, 1, kMonthlyRateFactor, kReviewEveryMonths};
    const PartShape bonus{loan.bonusYen, 2 * years, 6, 0.5, kReviewEveryBonus};

    bool exact = true;
    for (const auto* part : {&monthly, &bonus}) {
        ScenarioPart& out = part == &monthly ? s.monthly : s.bonus;
        if (part->amount == 0.0)
            continue;
        out.term = part->count;
        out.rows.reserve(part->count);
        Runner run{*part, RateWalker(in.path, part->monthsApart), out};
        exact = exact && (family == RepaymentFamily::EqualPrincipal ? run.RunEqualPrincipal()
                                                                    : run.RunLevel(in.review, in.unpaid));
    }
    if (!exact) {
        s.monthly = {};
        s.bonus = {};
        s.status = ScenarioStatus::BeyondExact;
        return s;
    }
    s.status = ScenarioStatus::Ok;
    return s;
}

} // namespace hn
