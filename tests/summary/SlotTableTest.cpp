// SPDX-License-Identifier: GPL-3.0-or-later
#include "summary/SlotTable.h"

#include "tests/summary/WorkedExample.h"

#include <gtest/gtest.h>

namespace hn {
namespace {

using test::EqualPrincipalKept;
using test::TextsFor;
using test::YutoriKept;

GaugeState Add(SlotTable& table, const KeptFigures& kept, const HostTexts& texts, std::optional<int> expectedSlot)
{
    EXPECT_EQ(table.AddResult(kept, texts, std::nullopt), expectedSlot);
    return table.RecalcTotals(kept.income);
}

GaugeState Add(SlotTable& table, const KeptFigures& kept, std::optional<int> expectedSlot)
{
    return Add(table, kept, TextsFor(kept), expectedSlot);
}

TEST(SlotTableWorkedExample, YutoriThenEqualPrincipal)
{
    SlotTable table;
    GaugeState gauge = Add(table, YutoriKept(), 1);
    const SummaryTexts& t = table.Texts();
    EXPECT_EQ(t.monthly[0], "63,309");
    EXPECT_EQ(t.bonus[0], "95,194");
    EXPECT_EQ(t.sumMonthly, "63,309");
    EXPECT_EQ(t.sumBonus, "95,194");
    EXPECT_EQ(t.annual, "950,096");
    EXPECT_EQ(t.requiredIncome, "475");
    EXPECT_EQ(t.grandTotal, "45,965,590");
    EXPECT_EQ(t.loan, "3,000");
    EXPECT_EQ(t.ratio, "15.83%");
    EXPECT_FALSE(gauge.animate);
    EXPECT_EQ(gauge.color, ColorRef::Rgb(100, 100, 255));
    EXPECT_EQ(gauge.position, 15);

    gauge = Add(table, EqualPrincipalKept(), 5);
    EXPECT_EQ(t.monthly[4], "97,142");
    EXPECT_EQ(t.bonus[4], "145,714");
    EXPECT_EQ(t.sumMonthly, "160,451");
    EXPECT_EQ(t.sumBonus, "240,908");
    EXPECT_EQ(t.annual, "2,407,228");
    EXPECT_EQ(t.requiredIncome, "1,204");
    EXPECT_EQ(t.grandTotal, "89,211,967");
    EXPECT_EQ(t.loan, "6,000");
    EXPECT_EQ(t.ratio, "40.12%");
    EXPECT_FALSE(gauge.animate);
    EXPECT_EQ(gauge.color, ColorRef::Rgb(254, 71, 99));
    EXPECT_EQ(gauge.position, 40);

    EXPECT_EQ(table.SlotMonthly()[SlotTable::kSumIndex], 160451);
    EXPECT_EQ(table.SlotTotal()[SlotTable::kSumIndex], 89211967);
}

TEST(SlotTableAdd, FamilyFillsFirstThenSecondThenOverwritesSecond)
{
    SlotTable table;
    KeptFigures kept = YutoriKept();
    Add(table, kept, 1);
    kept.firstMonthly = 70000;
    Add(table, kept, 2);
    kept.firstMonthly = 80000;
    kept.method = CorporationBasic; // the two 公庫 methods share their slots
    Add(table, kept, 2);
    EXPECT_EQ(table.Texts().monthly[0], "63,309");
    EXPECT_EQ(table.Texts().monthly[1], "80,000");
    EXPECT_EQ(table.SlotMonthly()[0], 63309);
    EXPECT_EQ(table.SlotMonthly()[1], 80000);
    EXPECT_EQ(table.SnapshotOf(2).method, CorporationBasic);
    EXPECT_EQ(table.Texts().sumMonthly, "143,309");
}

TEST(SlotTableAdd, EachFamilyHasItsOwnPair)
{
    SlotTable table;
    KeptFigures kept = YutoriKept();
    const std::pair<RepaymentMethod, int> adds[] = {
        {PensionBasic, 3}, {PensionStep, 4}, {PensionBasic, 4}, {EqualPrincipal, 5},
        {EqualPrincipal, 6}, {BankOther, 7}, {BankOther, 8}, {CorporationBasic, 1},
    };
    for (const auto& [method, slot] : adds) {
        kept.method = method;
        Add(table, kept, slot);
    }
    for (int slot = 1; slot <= 8; ++slot)
        EXPECT_EQ(table.IsOccupied(slot), slot != 2) << slot;
}

TEST(SlotTableAdd, ClearedFirstSlotTakesTheNextAdd)
{
    SlotTable table;
    KeptFigures kept = EqualPrincipalKept();
    Add(table, kept, 5);
    Add(table, kept, 6);
    table.ClearSlot(5);
    table.RecalcTotals(kept.income);
    EXPECT_FALSE(table.IsOccupied(5));
    EXPECT_FALSE(table.SnapshotOf(5).HoldsResult());
    EXPECT_EQ(table.Texts().sumMonthly, "97,142");
    Add(table, kept, 5);
    EXPECT_EQ(table.Texts().sumMonthly, "194,284");
}

TEST(SlotTableAdd, BlankResultTextsLeaveTheSlotFreeButEnterTheSums)
{
    SlotTable table;
    const KeptFigures kept = YutoriKept();
    HostTexts blank = TextsFor(kept);
    for (auto& s : blank.monthly)
        s.clear();
    for (auto& s : blank.bonus)
        s.clear();
    Add(table, kept, blank, 1);
    EXPECT_FALSE(table.IsOccupied(1));
    EXPECT_EQ(table.Texts().monthly[0], "");
    EXPECT_EQ(table.Texts().sumMonthly, "63,309");
    EXPECT_EQ(table.SnapshotOf(1).slot, 1); // filed all the same
    // The next add of the family goes to the same slot and replaces its numbers.
    Add(table, kept, 1);
    EXPECT_EQ(table.Texts().sumMonthly, "63,309");
    EXPECT_TRUE(table.IsOccupied(1));
}

TEST(SlotTableAdd, MethodOutsideTheSixFilesNothing)
{
    SlotTable table;
    KeptFigures kept = YutoriKept();
    kept.method = 7;
    Add(table, kept, std::nullopt);
    EXPECT_EQ(table.Texts(), SlotTable().Texts());
}

TEST(SlotTableSnapshot, HoldsSlotMethodEveryTextAndTheLoan)
{
    SlotTable table;
    const KeptFigures kept = YutoriKept();
    const HostTexts texts = TextsFor(kept, "30");
    LoanInput loan;
    loan.method = CorporationYutori;
    loan.loanYen = 30'000'000;
    loan.rate1 = 0.02;
    loan.periodYears = 35; // not the period text: the loan is what was computed
    table.AddResult(kept, texts, loan);
    const Snapshot expected{1, CorporationYutori, texts, loan};
    EXPECT_EQ(table.SnapshotOf(1), expected);
    EXPECT_EQ(table.SnapshotOf(1).texts.periodEdit, "30");

    table.ClearSlot(1);
    EXPECT_EQ(table.SnapshotOf(1), Snapshot{});
    // Numbers that name no slot file nothing.
    for (const int bad : {0, 9, -1}) {
        table.StoreSnapshot(CorporationBasic, bad, texts, loan);
        for (int slot = 1; slot <= 8; ++slot)
            EXPECT_EQ(table.SnapshotOf(slot), Snapshot{}) << bad;
        EXPECT_EQ(table.SnapshotOf(bad), Snapshot{}) << bad;
    }
}

TEST(SlotTableClear, ClearingAnEmptySlotChangesNothing)
{
    SlotTable table;
    Add(table, YutoriKept(), 1);
    const SummaryTexts before = table.Texts();
    table.ClearSlot(7);
    table.RecalcTotals(YutoriKept().income);
    EXPECT_EQ(table.Texts(), before);
}

TEST(SlotTableClear, EverySlotClearedEmptiesAllTotals)
{
    SlotTable table;
    Add(table, YutoriKept(), 1);
    Add(table, EqualPrincipalKept(), 5);
    table.ClearSlot(1);
    table.ClearSlot(5);
    const GaugeState gauge = table.RecalcTotals(6000000);
    SummaryTexts empty;
    empty.ratio = "0%";
    EXPECT_EQ(table.Texts(), empty);
    EXPECT_TRUE(gauge.animate);
    EXPECT_EQ(gauge.color, ColorRef::Rgb(255, 204, 0));
    EXPECT_FALSE(gauge.position.has_value());
}

TEST(SlotTableTotals, NoIncomeShowsNoRatioEvenWithSlotsFilled)
{
    SlotTable table;
    KeptFigures kept = YutoriKept();
    kept.income = 0;
    const GaugeState gauge = Add(table, kept, 1);
    EXPECT_EQ(table.Texts().annual, "950,096");
    EXPECT_EQ(table.Texts().ratio, "0%");
    EXPECT_TRUE(gauge.animate);
    EXPECT_EQ(gauge.color, ColorRef::Rgb(255, 204, 0));
    EXPECT_FALSE(gauge.position.has_value());
}

TEST(SlotTableTotals, OnlyTheMonthlySumDecidesWhetherSumsShow)
{
    SlotTable table;
    KeptFigures kept{BankOther, 0, 50000, 6000000, 1000, 12345678};
    HostTexts texts = TextsFor(kept);
    texts.monthly[0] = "0";
    const GaugeState gauge = Add(table, kept, texts, 7);
    const SummaryTexts& t = table.Texts();
    EXPECT_EQ(t.sumMonthly, "");
    EXPECT_EQ(t.sumBonus, "");
    EXPECT_EQ(t.grandTotal, "");
    EXPECT_EQ(t.loan, "");
    EXPECT_EQ(t.annual, "100,000"); // the annual figure is tested on its own
    EXPECT_EQ(t.requiredIncome, "50");
    EXPECT_EQ(t.ratio, "1.667%");
    EXPECT_EQ(gauge.position, 1);
}

TEST(SlotTableTotals, RatioBandsAtTheirEdges)
{
    struct Case {
        std::int32_t monthly;
        ColorRef color;
        const char* text;
    };
    // Annual = 12 × monthly; income 6,000,000.
    const Case cases[] = {
        {85000, ColorRef::Rgb(240, 240, 25), "17.%"},  // exactly 17
        {115000, ColorRef::Rgb(254, 71, 99), "23.%"},  // exactly 23
        {84950, ColorRef::Rgb(100, 100, 255), "16.99%"},
    };
    for (const Case& c : cases) {
        SlotTable table;
        const GaugeState gauge = Add(table, {BankOther, c.monthly, 0, 6000000, 1000, 1}, 7);
        EXPECT_EQ(gauge.color, c.color) << c.monthly;
        EXPECT_EQ(table.Texts().ratio, c.text);
    }
}

TEST(SlotTableTotals, SmallAnnualRepaymentNeedsNoIncome)
{
    SlotTable table;
    Add(table, {BankOther, 83, 0, 6000000, 1, 1}, 7); // 996 yen a year
    EXPECT_EQ(table.Texts().annual, "996");
    EXPECT_EQ(table.Texts().requiredIncome, "");
}

TEST(SlotTableTotals, SumsOfLargeSlotsDoNotWrap)
{
    SlotTable table;
    const std::int32_t big = 2147483647;
    const RepaymentMethod methods[] = {1, 1, 3, 3, 5, 5, 6, 6};
    for (RepaymentMethod m : methods)
        table.AddResult({m, big, big, 2000000000, big, big}, TextsFor({m, 1, 1, 0, 1, 1}), std::nullopt);
    const GaugeState gauge = table.RecalcTotals(2000000000);
    const SummaryTexts& t = table.Texts();
    EXPECT_EQ(t.sumMonthly, "17,179,869,176");
    EXPECT_EQ(t.grandTotal, "17,179,869,176");
    EXPECT_EQ(t.loan, "17,179,869,176");
    EXPECT_EQ(t.annual, "240,518,168,464");     // (8 × (2^31 − 1) × 7) × 2
    EXPECT_EQ(t.requiredIncome, "120,259,084"); // floor((A × 5 + 5000) / 10,000)
    EXPECT_EQ(t.ratio, "1.203e+004%");
    EXPECT_EQ(gauge.color, ColorRef::Rgb(254, 71, 99));
    EXPECT_EQ(gauge.position, 12025);
}

} // namespace
} // namespace hn
