// SPDX-License-Identifier: GPL-3.0-or-later
// The rate-scenario inputs: presets on top of the loan's own rates, and the table read
// as a path with its faults named by row and its surprises said.
#include "calc/rates/ScenarioTexts.h"
#include "planning/ScenarioInputs.h"

#include <gtest/gtest.h>

#include <limits>

namespace hn {
namespace {

std::string TextOf(const std::vector<PathRowText>& rows)
{
    std::string text;
    for (const PathRowText& r : rows)
        text += (text.empty() ? "" : ",") + r.month + ":" + r.ratePercent;
    return text;
}

PresetFields Preset(PathPreset preset, double rise = 0, double month = 13, double years = 1, double cap = 0)
{
    return {preset, rise, month, years, cap};
}

// A path starts from the loan's rates: the first to month 120, the second after where the
// method and period use two; rises come on top, and a cap never lowers the loan's own rate.
TEST(RowsOfPreset, StartFromTheLoansRates)
{
    const LoanRates corporation = RatesOfLoan(CorporationBasic, 35, 2, 3);
    EXPECT_TRUE(corporation.twoRates);
    EXPECT_EQ(TextOf(RowsOfPreset(Preset(PathPreset::Flat), corporation, 420).rows), "1:2,121:3");
    EXPECT_EQ(TextOf(RowsOfPreset(Preset(PathPreset::RiseOnce, 1, 13), corporation, 420).rows), "1:2,13:3,121:4");
    EXPECT_EQ(TextOf(RowsOfPreset(Preset(PathPreset::RiseEvery, 0.5, 0, 5, 4.2), corporation, 420).rows),
              "1:2,61:2.5,121:4,181:4.2");
    // One rate where the calculator uses one: 銀行型・他, or ten years and less.
    for (const LoanRates& one : {RatesOfLoan(BankOther, 35, 2.375, 9), RatesOfLoan(CorporationBasic, 10, 2.375, 9)}) {
        EXPECT_FALSE(one.twoRates);
        EXPECT_EQ(TextOf(RowsOfPreset(Preset(PathPreset::Flat), one, 420).rows), "1:2.375");
    }
    // 0.1 + 0.2 is 0.3 as typed, and a rise to the cap stops there.
    EXPECT_EQ(TextOf(RowsOfPreset(Preset(PathPreset::RiseEvery, 0.2, 0, 1, 0.5), RatesOfLoan(BankOther, 5, 0.1, 0), 60)
                         .rows),
              "1:0.1,13:0.3,25:0.5");
    // The table is the user's: a preset does not write it.
    const PresetRows table = RowsOfPreset(Preset(PathPreset::Table), corporation, 420);
    EXPECT_TRUE(table.ok() && table.rows.empty());
}

// A figure that does not fit is named, however large: no int overflow makes a rise vanish.
TEST(RowsOfPreset, NamesTheFieldThatCannotBeUsed)
{
    const LoanRates rates = RatesOfLoan(BankOther, 25, 1.5, 0);
    for (double month : {0.0, 1189.0, 12.5, 2147483648.0, 99999999999.0, std::numeric_limits<double>::infinity()}) {
        const PresetRows r = RowsOfPreset(Preset(PathPreset::RiseOnce, 1, month), rates, 300);
        EXPECT_EQ(r.message, kMsgRiseMonthInvalid) << month;
        EXPECT_EQ(r.field, PresetField::Month);
        EXPECT_TRUE(r.rows.empty());
    }
    EXPECT_EQ(RowsOfPreset(Preset(PathPreset::RiseEvery, 1, 0, 2147483648.0, 5), rates, 300).field,
              PresetField::Years);
    EXPECT_EQ(RowsOfPreset(Preset(PathPreset::RiseEvery, 1, 0, 1, 1.5), rates, 300).field, PresetField::Cap);
    EXPECT_EQ(RowsOfPreset(Preset(PathPreset::RiseOnce, -1, 13), rates, 300).field, PresetField::Rise);
    EXPECT_EQ(RowsOfPreset(Preset(PathPreset::RiseOnce, 98, 13), rates, 300).message, kMsgRiseOutOfRange);
}

TEST(ReadPathTable, ReadsTheRowsAsTheCommandLineReadsAPath)
{
    const PathTable t = ReadPathTable(std::vector<PathRowText>{{"1", "0.5"}, {"", ""}, {" 13 ", "1.5"}}, 300);
    ASSERT_TRUE(t.ok()) << t.message;
    EXPECT_EQ(t.path, ParseRatePath("1:0.5,13:1.5").path);
    EXPECT_TRUE(t.notes.empty());
}

// Accepted, but said beside the table: rows out of order are used in order, and a step
// after the last instalment is not used.
TEST(ReadPathTable, SaysWhatItDidWithTheRows)
{
    const PathTable t = ReadPathTable(std::vector<PathRowText>{{"13", "1.5"}, {"1", "0.5"}, {"301", "3"}}, 300);
    ASSERT_TRUE(t.ok()) << t.message;
    EXPECT_EQ(t.path, ParseRatePath("1:0.5,13:1.5,301:3").path);
    EXPECT_EQ(t.notes, (std::vector<std::string>{std::string(kNoteRowsNotInOrder),
                                                 "3行目の第301回は最終回 (第300回) より後のため使われません。"}));
}

// Faults name the row as shown, empty rows counted.
TEST(ReadPathTable, NamesTheRowAtFault)
{
    struct Case {
        std::vector<PathRowText> rows;
        int row;
        std::string message;
    };
    const std::vector<Case> cases{
        {{{"1", "0.5"}, {"", ""}, {"1", "2"}}, 3, "3行目: " + std::string(kMsgPathMonthRepeated)},
        {{{"1", "0.5"}, {"13", "3,000万円"}}, 2, "2行目: " + std::string(kMsgPathBadText)},
        {{{"1", "0.5"}, {"2147483648", "1"}}, 2, "2行目: " + std::string(kMsgPathMonthOutOfRange)},
        {{{"1", "0.5"}, {"13", ""}}, 2, "2行目: " + std::string(kMsgPathBadText)},
        {{{"1", "0.5"}, {"", ""}, {"13", "100"}}, 3, "3行目: " + std::string(kMsgPathRateOutOfRange)},
        {{{"13", "0.5"}}, 0, std::string(kMsgPathNoFirstMonth)},
        {{{"", ""}}, 0, std::string(kMsgPathEmpty)},
    };
    for (const Case& c : cases) {
        const PathTable t = ReadPathTable(c.rows, 300);
        EXPECT_EQ(t.message, c.message);
        EXPECT_EQ(t.faultyRow, c.row) << c.message;
        EXPECT_TRUE(t.path.steps.empty());
    }
}

} // namespace
} // namespace hn
