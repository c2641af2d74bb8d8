// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/costs/CostLedger.h"

#include "calc/costs/CostTables.h"
#include "calc/costs/CostTexts.h"

namespace hn {

CostItem TypedCost(CostKind kind, std::int64_t yen, CostPayment payment)
{
    return CostItem{kind, yen, payment, CostBasis{}};
}

CostItem AdminFeeCost(std::int64_t loanYen, const AdminFeeTerms& terms, const AdminFeeOutcome& fee,
                      CostPayment payment)
{
    CostItem item{CostKind::AdminFee, fee.feeYen, payment, CostBasis{}};
    if (terms.kind == AdminFeeTerms::Kind::Rate) {
        item.basis.kind = CostBasisKind::Percent;
        item.basis.baseYen = loanYen;
        item.basis.rate = terms.rate;
        item.basis.minimumYen = terms.minimumYen;
        item.basis.minimumApplied = fee.minimumApplied;
    }
    return item;
}

CostItem GuaranteeTableCost(std::int64_t loanYen, const GuaranteeFeeOutcome& fee, CostPayment payment)
{
    CostItem item{CostKind::GuaranteeFee, fee.feeYen, payment, CostBasis{}};
    item.basis.kind = CostBasisKind::GuaranteeTable;
    item.basis.baseYen = loanYen;
    item.basis.tableYears = fee.tableYears;
    item.basis.tableYen = fee.yenPerTenMillion;
    return item;
}

CostItem StampDutyCost(std::int64_t loanYen, ContractForm form)
{
    CostItem item{CostKind::StampDuty, StampDutyYen(loanYen, form), CostPayment::Cash, CostBasis{}};
    item.basis.kind = CostBasisKind::StampTable;
    item.basis.baseYen = loanYen;
    item.basis.tableYen = StampDutyYen(loanYen, ContractForm::Paper);
    item.basis.electronic = form == ContractForm::Electronic;
    return item;
}

CostItem RegistrationTaxCost(std::int64_t loanYen, RegistrationRate rate)
{
    CostItem item{CostKind::RegistrationTax, RegistrationTaxYen(loanYen, rate), CostPayment::Cash, CostBasis{}};
    item.basis.kind = CostBasisKind::RegistrationRate;
    item.basis.baseYen = RegistrationBaseYen(loanYen);
    item.basis.rate = RegistrationRateOf(rate);
    return item;
}

std::string_view CostCaption(CostKind kind) noexcept
{
    switch (kind) {
    case CostKind::AdminFee:
        return kCaptionAdminFee;
    case CostKind::GuaranteeFee:
        return kCaptionGuaranteeFee;
    case CostKind::StampDuty:
        return kCaptionStampDuty;
    case CostKind::RegistrationTax:
        return kCaptionRegistrationTax;
    case CostKind::ScrivenerFee:
        return kCaptionScrivenerFee;
    case CostKind::FireInsurance:
        return kCaptionFireInsurance;
    case CostKind::Other:
        break;
    }
    return kCaptionOtherCost;
}

std::string_view RatePointsCaption(RatePointsKind kind) noexcept
{
    return kind == RatePointsKind::GuaranteeAddition ? kCaptionGuaranteeRate : kCaptionInsuranceRate;
}

CostPercent TotalRatePoints(const CostLedger& ledger)
{
    CostPercent sum{};
    for (const RatePoints& p : ledger.ratePoints)
        sum = sum + p.points;
    return sum;
}

LedgerTotals TotalsOf(const CostLedger& ledger, std::int64_t loanYen, std::int64_t totalPaymentsYen) noexcept
{
    LedgerTotals t;
    for (const CostItem& item : ledger.items) {
        switch (item.payment) {
        case CostPayment::Cash:
            t.cashYen += item.yen;
            break;
        case CostPayment::Deducted:
            t.deductedYen += item.yen;
            break;
        case CostPayment::Financed:
            t.financedYen += item.yen;
            break;
        }
    }
    t.feesYen = t.cashYen + t.deductedYen + t.financedYen;
    t.totalPaymentsYen = totalPaymentsYen;
    t.totalCostYen = totalPaymentsYen + t.cashYen + t.deductedYen;
    t.costNetOfCashYen = t.totalCostYen - t.cashYen;
    t.amountReceivedYen = loanYen - t.feesYen;
    return t;
}

} // namespace hn
