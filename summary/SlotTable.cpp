// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/SlotTable.h"

#include <numeric>

namespace hn {

namespace {

std::int64_t SumOfSlots(const SlotTable::Figures& figures)
{
    return std::accumulate(figures.begin(), figures.begin() + kSlotCount, std::int64_t{0});
}

} // namespace

SlotTable::SlotTable()
{
    m_texts.ratio = kNoRatioText;
}

std::optional<int> SlotTable::AddResult(const KeptFigures& kept, const HostTexts& texts,
                                       const std::optional<LoanInput>& loan)
{
    const std::optional<int> first = FamilyFirstSlot(kept.method);
    if (!first)
        return std::nullopt;
    const int target = IsOccupied(*first) ? *first + 1 : *first;
    const auto i = static_cast<std::size_t>(target - 1);
    m_texts.monthly[i] = texts.monthly[0];
    m_texts.bonus[i] = texts.bonus[0];
    m_nSlotMonthly[i] = kept.firstMonthly;
    m_nSlotBonus[i] = kept.firstBonus;
    m_nSlotTotal[i] = kept.total;
    m_nSlotLoan[i] = kept.loanMan;
    StoreSnapshot(kept.method, target, texts, loan);
    return target;
}

void SlotTable::StoreSnapshot(RepaymentMethod method, int slot, const HostTexts& texts,
                              const std::optional<LoanInput>& loan)
{
    if (IsValidSlot(slot))
        m_snapshots[static_cast<std::size_t>(slot - 1)] = {slot, method, texts, loan};
}

void SlotTable::ClearSnapshot(int slot)
{
    if (IsValidSlot(slot))
        m_snapshots[static_cast<std::size_t>(slot - 1)] = {};
}

void SlotTable::ClearSlot(int slot)
{
    if (!IsValidSlot(slot))
        return;
    const auto i = static_cast<std::size_t>(slot - 1);
    m_texts.monthly[i].clear();
    m_texts.bonus[i].clear();
    m_nSlotMonthly[i] = 0;
    m_nSlotBonus[i] = 0;
    m_nSlotTotal[i] = 0;
    m_nSlotLoan[i] = 0;
    ClearSnapshot(slot);
}

GaugeState SlotTable::RecalcTotals(std::int32_t incomeYen)
{
    for (Figures* figures : {&m_nSlotMonthly, &m_nSlotBonus, &m_nSlotTotal, &m_nSlotLoan})
        (*figures)[kSumIndex] = SumOfSlots(*figures);

    const SummaryReport report = MakeSummaryReport(
        {m_nSlotMonthly[kSumIndex], m_nSlotBonus[kSumIndex], m_nSlotTotal[kSumIndex], m_nSlotLoan[kSumIndex]},
        incomeYen);
    m_texts.sumMonthly = FieldText(report.sumMonthly);
    m_texts.sumBonus = FieldText(report.sumBonus);
    m_texts.grandTotal = FieldText(report.grandTotal);
    m_texts.loan = FieldText(report.loan);
    m_texts.annual = FieldText(report.annual);
    m_texts.requiredIncome = FieldText(report.requiredIncome);
    m_texts.ratio = Text(report.ratio.value);

    GaugeState gauge;
    if (report.ratioPercent) {
        gauge.animate = false;
        gauge.color = RatioBarColor(*report.ratioPercent);
        gauge.position = RatioGaugePosition(*report.ratioPercent);
    }
    return gauge;
}

bool SlotTable::IsOccupied(int slot) const
{
    return IsValidSlot(slot) && !m_texts.monthly[static_cast<std::size_t>(slot - 1)].empty();
}

const Snapshot& SlotTable::SnapshotOf(int slot) const
{
    static const Snapshot kEmpty{};
    return IsValidSlot(slot) ? m_snapshots[static_cast<std::size_t>(slot - 1)] : kEmpty;
}

} // namespace hn
