// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/costs/EffectiveRate.h"

#include "calc/costs/CostTexts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace hn {
namespace {

// Horner's rule on the payments gathered by month: value and slope in v.
struct Evaluation {
    double value;
    double slope;
};

Evaluation Evaluate(const std::vector<double>& byMonth, double v) noexcept
{
    double value = 0.0;
    double slope = 0.0;
    for (auto c = byMonth.rbegin(); c != byMonth.rend(); ++c) {
        slope = slope * v + value;
        value = value * v + *c;
    }
    return {value, slope};
}

// Steps after which the search stops: the bisection alone halves the bracket each
// time, so this many steps reach any double.
constexpr int kMaxIterations = 200;

} // namespace

double PresentValue(std::span<const Payment> payments, double monthlyRate) noexcept
{
    double sum = 0.0;
    for (const Payment& p : payments)
        sum += static_cast<double>(p.yen) / std::pow(1.0 + monthlyRate, p.month);
    return sum;
}

EffectiveRate SolveEffectiveRate(std::span<const Payment> payments, std::int64_t receivedYen)
{
    EffectiveRate out;
    if (receivedYen <= 0) {
        out.message = kMsgRateNothingReceived;
        return out;
    }
    int last = 0;
    for (const Payment& p : payments) {
        if (p.month < 0 || p.month > kMaxPaymentMonth || p.yen < 0) {
            out.message = kMsgRateBadPayment;
            return out;
        }
        if (p.yen > 0)
            last = std::max(last, p.month);
    }
    if (last == 0) {
        out.message = kMsgRateNoPayments;
        return out;
    }
    std::vector<double> byMonth(static_cast<std::size_t>(last) + 1, 0.0);
    for (const Payment& p : payments)
        if (p.yen > 0) // a nothing after the last payment has no place in byMonth
            byMonth[static_cast<std::size_t>(p.month)] += static_cast<double>(p.yen);
    const double received = static_cast<double>(receivedYen);
    byMonth[0] -= received; // f(v) = PV(v) − received, rising in v
    if (byMonth[0] >= 0.0) {
        out.message = kMsgRateNothingReceived;
        return out;
    }

    // Bracket [lo, hi] with f(lo) < 0 <= f(hi); f(0) < 0, and f grows without bound.
    double lo = 0.0;
    double hi = 1.0;
    while (Evaluate(byMonth, hi).value < 0.0)
        hi *= 2.0;
    // From the right of the root Newton's steps on a rising convex function stay
    // to the right and fall monotonically towards it; the bracket only catches a
    // step that rounding throws out of it. A change dv of v is 12 dv / v^2 of 12 × r.
    double v = hi;
    for (int i = 1; i <= kMaxIterations; ++i) {
        out.iterations = i;
        const Evaluation e = Evaluate(byMonth, v);
        if (e.value == 0.0)
            break;
        if (e.value < 0.0)
            lo = v;
        else
            hi = v;
        const double step = e.slope > 0.0 ? e.value / e.slope : hi - lo;
        if (std::abs(step) * 12.0 < 0.5 * kEffectiveRateTolerance * v * v) {
            v = std::clamp(v - step, lo, hi);
            break;
        }
        double next = v - step;
        if (!(next > lo && next < hi))
            next = 0.5 * (lo + hi);
        v = next;
        if (lo > 0.0 && 12.0 * (1.0 / lo - 1.0 / hi) < kEffectiveRateTolerance)
            break;
    }
    out.ok = true;
    out.monthly = 1.0 / v - 1.0;
    out.nominalYearly = 12.0 * out.monthly;
    out.compoundYearly = std::expm1(12.0 * std::log1p(out.monthly));
    return out;
}

} // namespace hn
