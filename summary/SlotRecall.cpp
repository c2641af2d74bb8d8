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

SlotSelectionPlan PlanSlotSelection(int slot, const Snapshot& snapshot)
{
    SlotSelectionPlan plan;
    if (slot >= 7) {
        plan.captions = &kBankCaptions;
        plan.secondRate = SecondRateRow::Hide;
        plan.recall = true;
        return plan;
    }
    plan.captions = slot >= 5 ? &kEqualPrincipalCaptions : &kStandardCaptions;
    const std::string& period = snapshot.texts.periodEdit;
    if (period.empty()) {
        plan.secondRate = SecondRateRow::Show;
        plan.recall = false;
        return plan;
    }
    plan.secondRate = PeriodUsesSecondRate(period) ? SecondRateRow::Show : SecondRateRow::Hide;
    plan.recall = true;
    return plan;
}

} // namespace hn
