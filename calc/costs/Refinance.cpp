// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/costs/Refinance.h"

#include "calc/costs/CostTexts.h"

#include <algorithm>

namespace hn {
namespace {

bool Valid(std::span<const Payment> payments) noexcept
{
    return std::all_of(payments.begin(), payments.end(), [](const Payment& p) {
        return p.month >= 1 && p.month <= kMaxPaymentMonth && p.yen >= 0;
    });
}

int LastMonth(std::span<const Payment> payments) noexcept
{
    int last = 0;
    for (const Payment& p : payments)
        last = std::max(last, p.month);
    return last;
}

} // namespace

RefinanceComparison CompareRefinance(const RefinanceInput& input)
{
    RefinanceComparison out;
    if (!Valid(input.staying) || !Valid(input.after)) {
        out.message = kMsgRefinanceBadPayment;
        return out;
    }
    const int last = std::max(LastMonth(input.staying), LastMonth(input.after));
    std::vector<std::int64_t>& s = out.cumulativeSaving;
    s.assign(static_cast<std::size_t>(last) + 1, 0);
    for (const Payment& p : input.staying)
        s[static_cast<std::size_t>(p.month)] += p.yen;
    for (const Payment& p : input.after)
        s[static_cast<std::size_t>(p.month)] -= p.yen;
    for (std::size_t m = 1; m < s.size(); ++m)
        s[m] += s[m - 1];

    out.ok = true;
    out.monthlyBeforeYen = input.monthlyBeforeYen;
    out.monthlyAfterYen = input.monthlyAfterYen;
    out.remainingStayingYen = TotalOf(input.staying);
    out.remainingAfterYen = TotalOf(input.after);
    out.paymentSavingYen = out.remainingStayingYen - out.remainingAfterYen;
    out.costsYen = input.costs.total();
    out.netBenefitYen = out.paymentSavingYen - out.costsYen;
    // The last month short of the costs; break-even is the month after it.
    int m = last;
    while (m >= 0 && s[static_cast<std::size_t>(m)] >= out.costsYen)
        --m;
    if (m < last)
        out.breakEvenMonth = m + 1;
    return out;
}

} // namespace hn
