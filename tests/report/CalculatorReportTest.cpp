// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator window's fields and the command line's lines come from one report:
// every field the window fills is the bare amount of a figure whose line the command
// line prints, every field it leaves blank has no line.
#include "report/CalculatorReport.h"

#include "calc/LoanWindowState.h"

#include <gtest/gtest.h>

#include <string>

namespace hn {
namespace {

struct LoanCase {
    RepaymentMethod method;
    double loanMan, bonusMan, ratePercent, years;
};

// Each family; a bonus part and none; a term inside the first band, one inside the
// second and one past the tenth year.
constexpr LoanCase kCases[] = {
    {CorporationBasic, 3000, 600, 2.0, 35},  {CorporationYutori, 3000, 600, 2.0, 35},
    {PensionBasic, 2500, 0, 1.5, 8},          {PensionStep, 2000, 500, 3.0, 25},
    {EqualPrincipal, 1800, 300, 1.2, 4},      {EqualPrincipal, 4000, 0, 0.9, 20},
    {BankOther, 3000, 600, 2.0, 35},          {BankOther, 500, 100, 4.0, 10},
};

TEST(CalculatorReport, WindowFieldsAndCommandLinesAreTheSameFigures)
{
    for (const LoanCase& c : kCases) {
        SCOPED_TRACE(std::string(MethodCaption(c.method)) + " " + std::to_string(c.years));
        LoanWindowState window;
        window.selectedMethod = c.method;
        window.loanMan = c.loanMan;
        window.bonusMan = c.bonusMan;
        window.rate1Percent = c.ratePercent;
        window.rate2Percent = c.ratePercent + 0.5;
        window.periodText = std::to_string(static_cast<int>(c.years));
        window.incomeMan = 600;
        const CalcOutcome outcome = Calculate(window);
        ASSERT_TRUE(outcome.ok) << outcome.failure.message;

        const CalculatorReport report = MakeCalculatorReport(outcome.success, window.periodText);
        const ResultTexts shown = ResultTextsOf(window);
        const std::string texts[] = {shown.monthly[0], shown.monthly[1], shown.monthly[2],
                                     shown.bonus[0],   shown.bonus[1],   shown.bonus[2],
                                     shown.annual,     shown.requiredIncome, shown.total};
        ASSERT_EQ(report.fields.size(), std::size(texts));
        for (const Spacing spacing : {Spacing::Spaced, Spacing::Attached}) {
            const std::string lines = CalculatorLines(report, spacing);
            std::string expected = "返済方法: " + std::string(MethodCaption(c.method)) + "\n";
            for (std::size_t i = 0; i < report.fields.size(); ++i) {
                const ResultField& f = report.fields[i];
                EXPECT_EQ(f.shown, !texts[i].empty()) << f.figure.caption;
                if (!texts[i].empty()) {
                    EXPECT_EQ(Bare(f.figure.value), texts[i]) << f.figure.caption;
                    // The line: the window's text and its unit, as the plain mode spaces them.
                    const std::string gap = spacing == Spacing::Spaced ? " " : "";
                    expected += f.figure.caption + ": " + texts[i] + gap + (f.figure.key == "requiredIncomeMan" ? "万円" + gap + "以上" : "円") + "\n";
                }
            }
            EXPECT_EQ(lines, expected);
        }
        // The JSON's arrays hold every band; the unused ones are zero.
        for (const ResultField& f : report.fields) {
            if (f.band >= 0 && !report.bandUsed[static_cast<std::size_t>(f.band)]) {
                EXPECT_EQ(f.figure.value.whole, 0) << f.figure.caption;
            }
        }
    }
}

TEST(CalculatorReport, CaptionsFollowTheMethodsCaptionSet)
{
    LoanWindowState window;
    window.selectedMethod = EqualPrincipal;
    window.loanMan = 1000;
    window.rate1Percent = window.rate2Percent = 1.0;
    window.periodText = "20";
    const CalcOutcome outcome = Calculate(window);
    ASSERT_TRUE(outcome.ok);
    const CalculatorReport report = MakeCalculatorReport(outcome.success, "20");
    EXPECT_EQ(report.fields[0].figure.caption, "通　常 1年目第1回");
    EXPECT_EQ(report.fields[5].figure.caption, "ﾎﾞｰﾅｽ 11年目第1回");
    EXPECT_EQ(report.fields[6].figure.caption, "年間返済額 (1年目)");
    EXPECT_EQ(report.periodText, "20");
    EXPECT_EQ(report.input.loanYen, outcome.success.input.loanYen);
}

} // namespace
} // namespace hn
