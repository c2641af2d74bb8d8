// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/costs/AdminFee.h"

#include "calc/costs/CostTexts.h"

namespace hn {

AdminFeeOutcome ComputeAdminFee(std::int64_t loanYen, const AdminFeeSpec& spec)
{
    AdminFeeOutcome out;
    if (loanYen < 0) {
        out.message = kMsgLoanAmountInvalid;
        return out;
    }
    if (spec.kind == AdminFeeSpec::Kind::Fixed) {
        if (spec.fixedYen < 0) {
            out.message = kMsgCostAmountInvalid;
            return out;
        }
        out.ok = true;
        out.feeYen = spec.fixedYen;
        return out;
    }
    if (spec.minimumYen < 0) {
        out.message = kMsgAdminMinimumInvalid;
        return out;
    }
    const auto fee = PercentOfYen(loanYen, spec.rate);
    if (!fee) { // a negative rate, or a fee beyond int64
        out.message = kMsgCostPercentInvalid;
        return out;
    }
    out.ok = true;
    out.rateFeeYen = *fee;
    out.minimumApplied = spec.minimumYen > *fee;
    out.feeYen = out.minimumApplied ? spec.minimumYen : *fee;
    return out;
}

} // namespace hn
