// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cost ledger of one loan: every fee and premium with how it was computed and
// how it is paid, and the rate points that change the loan's rate (a guarantee
// paid through the rate, 団信 taken or left out).
//
// How a fee is paid decides where it counts:
// - Cash: paid at the start out of one's own money.
// - Deducted: taken from the loan when it is paid out (融資実行時に差し引き).
// - Financed: added to the loan, which grows by it; the grown loan's schedule
//   repays it, and it is paid out of the loan at the start like a deducted fee.
// Every fee is counted once: a financed fee is already inside the payments.
#include "calc/costs/AdminFee.h"
#include "calc/costs/CostPercent.h"
#include "calc/costs/GuaranteeFee.h"
#include "calc/costs/RegistrationTax.h"
#include "calc/costs/StampDuty.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace hn {

enum class CostKind { AdminFee, GuaranteeFee, StampDuty, RegistrationTax, ScrivenerFee, FireInsurance, Other };
enum class CostPayment { Cash, Deducted, Financed };

// How an item's amount came about, for the report to state.
enum class CostBasisKind {
    Typed,            // the amount as the user typed it
    Percent,          // floor(baseYen × rate), at least minimumYen (minimumApplied says which)
    GuaranteeTable,   // floor(baseYen × tableYen / 1,000 万円), the row of tableYears
    StampTable,       // the national table's row for baseYen (tableYen: its tax)
    RegistrationRate, // floor(base floored to 1,000 円 × rate) floored to 100 円, at least 1,000 円
};

struct CostBasis {
    CostBasisKind kind = CostBasisKind::Typed;
    std::int64_t baseYen = 0;    // the amount the rate or table applies to
    CostPercent rate{};          // Percent, RegistrationRate
    std::int64_t minimumYen = 0; // Percent
    bool minimumApplied = false; // Percent
    int tableYears = 0;          // GuaranteeTable
    std::int64_t tableYen = 0;   // GuaranteeTable: yen per 1,000 万円; StampTable: the row's tax
    bool electronic = false;     // StampTable: an electronic contract (no tax)

    friend bool operator==(const CostBasis&, const CostBasis&) = default;
};

struct CostItem {
    CostKind kind = CostKind::Other;
    std::int64_t yen = 0;
    CostPayment payment = CostPayment::Cash;
    CostBasis basis;

    friend bool operator==(const CostItem&, const CostItem&) = default;
};

enum class RatePointsKind { GuaranteeAddition, Insurance };

// Points added to (or, negative, taken off) the loan's yearly rate.
struct RatePoints {
    RatePointsKind kind = RatePointsKind::Insurance;
    CostPercent points{};

    friend bool operator==(const RatePoints&, const RatePoints&) = default;
};

struct CostLedger {
    std::vector<CostItem> items;
    std::vector<RatePoints> ratePoints;
};

// The items, computed; each answers how it was computed in its basis.
CostItem TypedCost(CostKind kind, std::int64_t yen, CostPayment payment);
CostItem AdminFeeCost(std::int64_t loanYen, const AdminFeeTerms& terms, const AdminFeeOutcome& fee,
                      CostPayment payment);
CostItem GuaranteeTableCost(std::int64_t loanYen, const GuaranteeFeeOutcome& fee, CostPayment payment);
CostItem StampDutyCost(std::int64_t loanYen, ContractForm form);
CostItem RegistrationTaxCost(std::int64_t loanYen, RegistrationRate rate);

// The caption of a kind ("事務手数料" ...), from CostTexts.h.
std::string_view CostCaption(CostKind kind) noexcept;
std::string_view RatePointsCaption(RatePointsKind kind) noexcept;

// All rate points together.
CostPercent TotalRatePoints(const CostLedger& ledger);

struct LedgerTotals {
    std::int64_t cashYen = 0;
    std::int64_t deductedYen = 0;
    std::int64_t financedYen = 0;
    std::int64_t feesYen = 0;            // all three
    std::int64_t totalPaymentsYen = 0;   // the schedule's payments, as given
    std::int64_t totalCostYen = 0;       // payments + cash + deducted (financed fees are in the payments)
    std::int64_t costNetOfCashYen = 0;   // total cost less the fees paid in cash
    std::int64_t amountReceivedYen = 0;  // loan − deducted − financed − cash: what the borrower has in hand

    friend bool operator==(const LedgerTotals&, const LedgerTotals&) = default;
};

// `loanYen` is the loan as repaid (grown by the financed fees); `totalPaymentsYen`
// the sum of its schedule's payments.
LedgerTotals TotalsOf(const CostLedger& ledger, std::int64_t loanYen, std::int64_t totalPaymentsYen) noexcept;

} // namespace hn
