// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/Repayment.h"

#include "calc/CheckedInt.h"
#include "calc/FloorLoop.h"

#include <algorithm>
#include <cmath>

namespace hn {

namespace {

bool IsWhole(double v) noexcept
{
    return std::isfinite(v) && std::trunc(v) == v;
}

bool RateInDomain(double rate) noexcept
{
    return rate >= kMinRate && rate <= kMaxRate; // false for NaN
}

// The figures of one computation while they are still doubles (instalments
// floored, unused bands 0) and the parts that are summed differently per family.
struct Draft {
    double monthly[3] = {0.0, 0.0, 0.0};
    double bonus[3] = {0.0, 0.0, 0.0};
    bool bandUsed[3] = {true, false, false};
    double firstYearMonthly = 0.0; // equal principal: months 1 to 12 summed
    double incomeBasis = 0.0;      // yen, before the int conversion
    double total = 0.0;            // equal principal: running sum plus left-overs
};

HN_FLOOR_LOOP
double RollBalanceLoop(double balance, double i, double payment, int k) noexcept
{
    for (int p = 0; p < k; ++p) {
        const double interest = std::floor(balance * i);
        balance = balance - (payment - interest);
    }
    return balance;
}

struct Rates {
    double i1, i2, j1, j2, n, h;
};

Rates PeriodRates(const LoanInput& in) noexcept
{
    return {MonthlyRate(in.rate1), MonthlyRate(in.rate2),
            HalfYearRate(in.rate1), HalfYearRate(in.rate2),
            in.periodYears * 12.0, in.periodYears * 2.0};
}

// Basis of the required income for the level and reduced families: sixty
// level instalments of the whole loan at the first rate.
double LevelIncomeBasis(const LoanInput& in) noexcept
{
    return WholeLoanMonthly(in.loanYen, in.rate1, in.periodYears) * 60;
}

void PlanLevel(const LoanInput& in, const Rates& r, RepaymentPlan& p) noexcept
{
    const bool bank = in.method == BankOther;
    const double yearsAfter10 = std::trunc(in.periodYears - 10);

    const double f1 = AnnuityFactor(r.i1, r.n);
    const double p1 = std::floor(in.normalYen * f1);
    p.monthly[0] = p1;
    if (p.bandUsed[1])
        p.monthly[1] = p1;
    if (p.bandUsed[2]) {
        if (bank) {
            p.monthly[2] = p1;
        } else {
            const double b = RollBalance(in.normalYen, r.i1, p1, 120);
            p.monthly[2] = AnnuityPayment(b, r.i2, 12 * yearsAfter10);
        }
    }

    if (in.bonusYen != 0.0) {
        const double pb1 = AnnuityPayment(in.bonusYen, r.j1, r.h);
        p.bonus[0] = pb1;
        if (p.bandUsed[1])
            p.bonus[1] = pb1;
        if (p.bandUsed[2]) {
            if (bank) {
                p.bonus[2] = pb1;
            } else {
                const double b = RollBalance(in.bonusYen, r.j1, pb1, 20);
                p.bonus[2] = AnnuityPayment(b, r.j2, 2 * yearsAfter10);
            }
        }
    }
}

void PlanReduced(const LoanInput& in, const Rates& r, RepaymentPlan& p) noexcept
{
    const double yearsAfter5 = std::trunc(in.periodYears - 5);
    const double yearsAfter10 = std::trunc(in.periodYears - 10);

    // Years 1 to 5 pay the instalment of a 50-year annuity, whatever the term.
    const double pr = AnnuityPayment(in.normalYen, r.i1, 600);
    double b = RollBalance(in.normalYen, r.i1, pr, 60);
    const double p2 = AnnuityPayment(b, r.i1, 12 * yearsAfter5);
    b = RollBalance(b, r.i1, p2, 60);
    const double p3 = AnnuityPayment(b, r.i2, 12 * yearsAfter10);
    p.monthly[0] = pr;
    p.monthly[1] = p2;
    p.monthly[2] = p3;

    if (in.bonusYen != 0.0) {
        const double pbr = AnnuityPayment(in.bonusYen, r.j1, 100);
        double bb = RollBalance(in.bonusYen, r.j1, pbr, 10);
        const double pb2 = AnnuityPayment(bb, r.j1, 2 * yearsAfter5);
        bb = RollBalance(bb, r.j1, pb2, 10);
        const double pb3 = AnnuityPayment(bb, r.j2, 2 * yearsAfter10);
        p.bonus[0] = pbr;
        p.bonus[1] = pb2;
        p.bonus[2] = pb3;
    }
}

void PlanEqualPrincipal(const LoanInput& in, RepaymentPlan& p) noexcept
{
    p.monthlyShare = std::floor(in.normalYen / p.months);
    if (p.bonusCount != 0)
        p.bonusShare = std::floor(in.bonusYen / p.bonusCount);
}

RepaymentPlan MakePlan(const LoanInput& in, const Rates& r) noexcept
{
    RepaymentPlan p;
    p.family = FamilyOf(in.method);
    // n and h are whole numbers from 12 and 2 up here (IsComputable).
    p.months = TruncateToInt32(r.n).value_or(0);
    p.bonusCount = in.bonusYen != 0.0 ? TruncateToInt32(r.h).value_or(0) : 0;
    p.bandUsed[1] = in.periodYears > 5;
    p.bandUsed[2] = in.periodYears > 10;
    // 銀行型・他 keeps the first rate to the end.
    const bool secondRate = in.method != BankOther;
    p.yearlyRate[0] = in.rate1;
    p.yearlyRate[1] = secondRate ? in.rate2 : in.rate1;
    p.monthlyRate[0] = r.i1;
    p.monthlyRate[1] = secondRate ? r.i2 : r.i1;
    p.bonusRate[0] = r.j1;
    p.bonusRate[1] = secondRate ? r.j2 : r.j1;

    switch (p.family) {
    case RepaymentFamily::LevelPayment:
        PlanLevel(in, r, p);
        break;
    case RepaymentFamily::ReducedEarly:
        PlanReduced(in, r, p);
        break;
    case RepaymentFamily::EqualPrincipal:
        PlanEqualPrincipal(in, p);
        break;
    }
    return p;
}

// One equal-principal schedule: `count` instalments, each the fixed share plus
// the floored interest on the balance before it, at rateA up to instalment
// 2 * perBand and at rateB after it. Kept in locals so the loop stays in
// registers.
struct ShareSchedule {
    double total = 0.0;          // every instalment added as it is computed
    double firstYear = 0.0;      // instalments 1 to perYear
    double bandFirst[3] = {0.0, 0.0, 0.0}; // instalments 1, perBand + 1, 2 * perBand + 1
};

HN_FLOOR_LOOP
ShareSchedule RunShareSchedule(double amount, double share, int count, double rateA, double rateB,
                               int perBand, int perYear) noexcept
{
    ShareSchedule s;
    double balance = amount;
    double total = 0.0;
    double firstYear = 0.0;
    for (int k = 1; k <= count; ++k) {
        const double rate = k <= 2 * perBand ? rateA : rateB;
        const double instalment = share + std::floor(balance * rate);
        total += instalment;
        if (k <= perYear)
            firstYear += instalment;
        if (k == 1 || k == perBand + 1 || k == 2 * perBand + 1)
            s.bandFirst[(k - 1) / perBand] = instalment;
        balance -= share;
    }
    s.total = total;
    s.firstYear = firstYear;
    return s;
}

void ComputeEqualPrincipal(const LoanInput& in, const Rates& r, const RepaymentPlan& p, Draft& d) noexcept
{
    const ShareSchedule monthly = RunShareSchedule(in.normalYen, p.monthlyShare, p.months, r.i1, r.i2,
                                                   kMonthsPerBand, 12);
    double total = monthly.total;
    d.firstYearMonthly = monthly.firstYear;
    for (int b = 0; b < 3; ++b)
        d.monthly[b] = d.bandUsed[b] ? monthly.bandFirst[b] : 0.0;
    // What the floored shares leave over is repaid once, so that the principal
    // repaid equals the loan exactly.
    double leftOver = in.normalYen - p.months * p.monthlyShare;

    if (p.bonusCount != 0) {
        const ShareSchedule bonus = RunShareSchedule(in.bonusYen, p.bonusShare, p.bonusCount, r.j1, r.j2,
                                                     kBonusPerBand, 2);
        total += bonus.total;
        for (int b = 0; b < 3; ++b)
            d.bonus[b] = d.bandUsed[b] ? bonus.bandFirst[b] : 0.0;
        leftOver += in.bonusYen - p.bonusCount * p.bonusShare;
    }
    d.total = total + leftOver;

    // First instalment of the whole loan as an equal-principal loan, divided by
    // 200 and floored, times 12,000.
    const double first = std::floor(in.loanYen / p.months) + std::floor(in.loanYen * r.i1);
    d.incomeBasis = std::floor((first * 5.0) * 0.001) * 12000;
}

// Total of the level and reduced families: each band's instalment times its
// number of instalments, each product truncated to int and summed in int.
// Kept in 64 bits until the final range check.
bool BandTotal(const LoanInput& in, const Draft& d, const Rates& r, std::int64_t& total) noexcept
{
    double products[6] = {};
    int count = 0;
    products[count++] = d.monthly[0] * std::min(r.n, 60.0);
    products[count++] = d.bonus[0] * std::min(r.h, 10.0);
    if (d.bandUsed[1]) {
        products[count++] = d.monthly[1] * (std::min(r.n, 120.0) - 60);
        products[count++] = d.bonus[1] * (std::min(r.h, 20.0) - 10);
    }
    if (d.bandUsed[2]) {
        products[count++] = (in.periodYears - 10) * d.monthly[2] * 12;
        products[count++] = (in.periodYears - 10) * d.bonus[2] * 2;
    }
    total = 0;
    for (int k = 0; k < count; ++k) {
        const auto v = TruncateToInt32(products[k]);
        if (!v)
            return false;
        total += *v;
    }
    return true;
}

} // namespace

bool UsesSecondRate(const LoanInput& in) noexcept
{
    return in.method != BankOther && in.periodYears > 10.0;
}

bool IsComputable(const LoanInput& in) noexcept
{
    if (!IsValidMethod(in.method))
        return false;
    if (!(std::isfinite(in.loanYen) && in.loanYen > 0.0))
        return false;
    if (!(std::isfinite(in.bonusYen) && in.bonusYen >= 0.0) || in.bonusYen / in.loanYen > 0.5)
        return false;
    if (!(std::isfinite(in.normalYen) && in.normalYen >= 0.0))
        return false;
    if (!IsWhole(in.periodYears) || in.periodYears < kMinPeriodYears || in.periodYears > kMaxPeriodYears)
        return false;
    if (!RateInDomain(in.rate1))
        return false;
    if (UsesSecondRate(in) && !RateInDomain(in.rate2))
        return false;
    if (FamilyOf(in.method) == RepaymentFamily::ReducedEarly && in.periodYears < kMinReducedPeriodYears)
        return false;
    return true;
}

double AnnuityFactor(double i, double m) noexcept
{
    const double g = std::pow(1 + i, m);
    return (g * i) / (g - 1);
}

double AnnuityPayment(double amount, double i, double m) noexcept
{
    return std::floor(amount * AnnuityFactor(i, m));
}

double WholeLoanMonthly(double amountYen, double yearlyRate, double periodYears) noexcept
{
    return AnnuityPayment(amountYen, MonthlyRate(yearlyRate), periodYears * 12.0);
}

double RollBalance(double balance, double i, double payment, int k) noexcept
{
    return RollBalanceLoop(balance, i, payment, k);
}

RepaymentPlan PlanRepayment(const LoanInput& in) noexcept
{
    if (!IsComputable(in)) {
        RepaymentPlan none;
        none.bandUsed[0] = false;
        return none;
    }
    return MakePlan(in, PeriodRates(in));
}

LoanInput MakeLoanInput(const LoanInFieldUnits& f) noexcept
{
    LoanInput in;
    in.method = f.method;
    in.loanYen = f.loanMan * 10000.0;
    in.bonusYen = f.bonusMan * 10000.0;
    in.normalYen = in.loanYen - in.bonusYen;
    in.rate1 = f.rate1Percent * 0.01;
    in.rate2 = f.rate2Percent * 0.01;
    in.periodYears = f.periodYears;
    in.incomeYen = f.incomeMan * 10000.0;
    return in;
}

std::int32_t RoundYenToMan(std::int32_t yen) noexcept
{
    // 64-bit so that an amount near INT32_MAX cannot overflow on the + 5000.
    return static_cast<std::int32_t>((static_cast<std::int64_t>(yen) + 5000) / 10000);
}

RepaymentOutcome ComputeRepayment(const LoanInput& in) noexcept
{
    RepaymentOutcome out;
    if (!IsComputable(in)) {
        out.status = RepaymentStatus::InvalidInput;
        return out;
    }

    const Rates r = PeriodRates(in);
    const RepaymentPlan plan = MakePlan(in, r);
    Draft d;
    for (int b = 0; b < 3; ++b) {
        d.bandUsed[b] = plan.bandUsed[b];
        d.monthly[b] = plan.monthly[b];
        d.bonus[b] = plan.bonus[b];
    }
    const RepaymentFamily family = plan.family;
    if (family == RepaymentFamily::EqualPrincipal)
        ComputeEqualPrincipal(in, r, plan, d);
    else
        d.incomeBasis = LevelIncomeBasis(in);

    for (int b = 0; b < 3; ++b) {
        if (d.monthly[b] < 0.0 || d.bonus[b] < 0.0) {
            out.status = RepaymentStatus::NegativeFigure;
            return out;
        }
    }

    out.status = RepaymentStatus::OutOfRange;
    LoanResult& res = out.result;
    for (int b = 0; b < 3; ++b) {
        const auto m = TruncateToInt32(d.monthly[b]);
        const auto bo = TruncateToInt32(d.bonus[b]);
        if (!m || !bo) {
            out.result = {};
            return out;
        }
        res.monthly[b] = *m;
        res.bonus[b] = *bo;
        res.bandUsed[b] = d.bandUsed[b];
    }

    std::int64_t annual = 0;
    std::int64_t total = 0;
    if (family == RepaymentFamily::EqualPrincipal) {
        const auto firstYear = TruncateToInt32(d.firstYearMonthly);
        const auto t = TruncateToInt32(d.total);
        if (!firstYear || !t) {
            out.result = {};
            return out;
        }
        annual = static_cast<std::int64_t>(*firstYear) + 2 * static_cast<std::int64_t>(res.bonus[0]);
        total = *t;
    } else {
        annual = 12 * static_cast<std::int64_t>(res.monthly[0]) + 2 * static_cast<std::int64_t>(res.bonus[0]);
        if (!BandTotal(in, d, r, total)) {
            out.result = {};
            return out;
        }
    }

    const auto annualYen = NarrowToInt32(annual);
    const auto totalYen = NarrowToInt32(total);
    const auto basis = TruncateToInt32(d.incomeBasis);
    if (!annualYen || !totalYen || !basis) {
        out.result = {};
        return out;
    }
    res.annualYen = *annualYen;
    res.totalYen = *totalYen;
    res.requiredIncomeMan = RoundYenToMan(*basis);
    out.status = RepaymentStatus::Ok;
    return out;
}

} // namespace hn
