// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/plan/Purchase.h"

#include "calc/plan/PlanMessages.h"
#include "calc/schedule/Schedule.h"

namespace hn {
namespace {

bool InRange(std::int64_t yen) noexcept
{
    return yen >= 0 && yen < kMaxExactYen;
}

PurchaseOutcome Refuse(std::string_view message)
{
    return {false, message, {}};
}

} // namespace

PurchaseOutcome ComputePurchase(const PurchaseInput& in)
{
    if (in.priceYen == 0)
        return Refuse(kMsgPriceMissing);
    if (!InRange(in.priceYen))
        return Refuse(kMsgPriceInvalid);
    if (!InRange(in.downPaymentYen))
        return Refuse(kMsgDownPaymentInvalid);
    if (!InRange(in.costsYen))
        return Refuse(kMsgPurchaseCostsInvalid);
    // Each term is below 2^53, so neither sum can overflow.
    const std::int64_t financed = in.costsFinanced ? in.costsYen : 0;
    if (in.downPaymentYen > in.priceYen + financed)
        return Refuse(kMsgDownPaymentTooLarge);
    PurchaseOutcome out{true, {}, {}};
    out.result.borrowYen = in.priceYen - in.downPaymentYen + financed;
    out.result.ownFundsYen = in.downPaymentYen + (in.costsFinanced ? 0 : in.costsYen);
    return out;
}

} // namespace hn
