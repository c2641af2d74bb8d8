// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the summary window keeps: for each of the eight slots its four figures and its
// snapshot of the main window, the display texts of every value label, and the rules
// for filing a result, clearing a slot and working out the totals. Plain C++; the
// window (CSummaryDlg) shows what this holds.
#include "summary/SummaryHost.h"
#include "summary/SummarySlots.h"
#include "summary/SummaryTotals.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace hn {

// The 23 texts that the value labels show.
struct SummaryTexts {
    std::array<std::string, kSlotCount> monthly; // slots 1..8: first monthly instalment
    std::array<std::string, kSlotCount> bonus;   // slots 1..8: first bonus instalment
    std::string sumMonthly;     // 1046
    std::string sumBonus;       // 1080
    std::string annual;         // 1083, 年間返済額
    std::string requiredIncome; // 1089, 必要年収
    std::string grandTotal;     // 1099, 合計総借入返済額
    std::string loan;           // 1101, 合計借入額
    std::string ratio;          // 1103

    friend bool operator==(const SummaryTexts&, const SummaryTexts&) = default;
};

class SlotTable {
public:
    // Index 0..7 = slots 1..8, index kSumIndex = their sum. 64 bits so that the sum of
    // eight 32-bit figures is exact.
    static constexpr int kSumIndex = kSlotCount;
    using Figures = std::array<std::int64_t, kSlotCount + 1>;

    SlotTable();

    // Files the main window's current result (steps 1 to 4 of an add): into the first
    // slot of the method's family when its monthly text is empty, otherwise into the
    // second slot, whatever that holds. Returns the slot, or nothing for a method
    // outside 1..6. The totals are not recalculated here. `loan` is the loan the
    // results were computed from, kept with the texts.
    std::optional<int> AddResult(const KeptFigures& kept, const HostTexts& texts, const std::optional<LoanInput>& loan);

    // Fills the snapshot of `slot`; a number outside 1..8 files nothing.
    void StoreSnapshot(RepaymentMethod method, int slot, const HostTexts& texts, const std::optional<LoanInput>& loan);
    void ClearSnapshot(int slot);

    // Empties the slot's texts, figures and snapshot (the totals are not recalculated).
    void ClearSlot(int slot);

    // Works out the sums, the annual repayment, the required income and the burden
    // ratio against `incomeYen` (the main window's income of its last calculation),
    // updates the display texts and says what the gauge shows.
    GaugeState RecalcTotals(std::int32_t incomeYen);

    // A slot counts as occupied when its monthly text is not empty; nothing else counts.
    bool IsOccupied(int slot) const;

    const SummaryTexts& Texts() const { return m_texts; }
    // The slot's snapshot; an empty one for a number outside 1..8.
    const Snapshot& SnapshotOf(int slot) const;

    const Figures& SlotMonthly() const { return m_nSlotMonthly; }
    const Figures& SlotBonus() const { return m_nSlotBonus; }
    const Figures& SlotTotal() const { return m_nSlotTotal; }
    const Figures& SlotLoan() const { return m_nSlotLoan; }

private:
    Figures m_nSlotTotal{};   // total repaid, yen
    Figures m_nSlotLoan{};    // loan, 万円
    std::array<Snapshot, kSlotCount> m_snapshots; // index s - 1 = slot s
    Figures m_nSlotBonus{};   // first bonus instalment, yen
    Figures m_nSlotMonthly{}; // first monthly instalment, yen
    SummaryTexts m_texts;
};

} // namespace hn
