// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/SlotRecall.h"

#include "calc/DecimalText.h"

#include <cmath>

namespace hn {

namespace {
constexpr int kLastSingleRatePeriod = 10; // years
}

bool PeriodUsesSecondRate(const std::string& periodText)
{
    // Compared as a double after truncation, so that no period text can overflow an int.
    return std::trunc(ReadDecimalPrefix(periodText)) > kLastSingleRatePeriod;
}

SlotSelectionPlan PlanSlotSelection(int slot, const SnapshotRow& row)
{
    SlotSelectionPlan plan;
    if (slot >= 7) {
        plan.captions = &kBankCaptions;
        plan.secondRate = SecondRateRow::Hide;
        plan.recall = true;
        return plan;
    }
    plan.captions = slot >= 5 ? &kEqualPrincipalCaptions : &kStandardCaptions;
    const std::string& period = row[kSnapPeriod];
    if (period.empty()) {
        plan.secondRate = SecondRateRow::Show;
        plan.recall = false;
        return plan;
    }
    plan.secondRate = PeriodUsesSecondRate(period) ? SecondRateRow::Show : SecondRateRow::Hide;
    plan.recall = true;
    return plan;
}

std::optional<RepaymentMethod> RecalledMethod(const SnapshotRow& row)
{
    const std::string& text = row[kSnapMethod];
    if (text.size() == 1 && text[0] >= '1' && text[0] <= '6')
        return static_cast<RepaymentMethod>(text[0] - '0');
    return std::nullopt;
}

HostTexts RecalledTexts(const SnapshotRow& row)
{
    HostTexts texts;
    texts.loan = row[kSnapLoan];
    texts.bonusPart = row[kSnapBonusPart];
    texts.rate1 = row[kSnapRate1];
    texts.rate2 = row[kSnapRate2];
    texts.periodEdit = row[kSnapPeriod];
    for (int band = 0; band < 3; ++band) {
        texts.monthly[band] = row[static_cast<std::size_t>(kSnapMonthly1 + band)];
        texts.bonus[band] = row[static_cast<std::size_t>(kSnapBonus1 + band)];
    }
    texts.annual = row[kSnapAnnual];
    texts.requiredIncome = row[kSnapRequiredIncome];
    texts.total = row[kSnapTotal];
    return texts;
}

} // namespace hn
