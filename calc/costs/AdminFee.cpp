// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/costs/AdminFee.h"

#include "calc/costs/CostTexts.h"

namespace hn {

AdminFeeOutcome ComputeAdminFee(std::int64_t loanYen, const AdminFeeTerms& terms)
{
    AdminFeeOutcome out;
    if (loanYen < 0) {
        out.message = kMsgLoanAmountInvalid;
        return out;
    }
    if (terms.kind == AdminFeeTerms::Kind::Fixed) {
        if (terms.fixedYen < 0) {
            out.message = kMsgCostAmountInvalid;
            return out;
        }
        out.ok = true;
        out.feeYen = terms.fixedYen;
        return out;
    }
    if (terms.minimumYen < 0) {
        out.message = kMsgAdminMinimumInvalid;
        return out;
    }
    const auto fee = PercentOfYen(loanYen, terms.rate);
    if (!fee) { // a negative rate, or a fee beyond int64
        out.message = kMsgCostPercentInvalid;
        return out;
    }
    out.ok = true;
    out.rateFeeYen = *fee;
    out.minimumApplied = terms.minimumYen > *fee;
    out.feeYen = out.minimumApplied ? terms.minimumYen : *fee;
    return out;
}

} // namespace hn
