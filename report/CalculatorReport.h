// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The calculator window's answer: the loan as computed and its nine result fields
// (the first instalment of each band, monthly and bonus, the first year's repayment,
// the income it requires and the total repaid) as figures. The command line's text
// and JSON render it; the window's fields show the same figures' bare amounts.
#include "calc/CalculateCommand.h"
#include "report/Figure.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace hn {

// One result field of the calculator window.
struct ResultField {
    Figure figure;              // key as the JSON names it: "monthly", "bonus", "annualYen", ...
    int band = -1;              // 0..2 for a band's instalment; -1 for the other figures
    bool shown = false;         // the window fills the field; the text lists it
    std::string_view after;     // said after the unit: "以上" for the required income
};

struct CalculatorReport {
    LoanInput input;             // the loan computed
    std::string periodText;      // the period as typed
    Figure method;               // 返済方法
    std::array<bool, 3> bandUsed{};
    // monthly of bands 1-3, bonus of bands 1-3, the year's repayment, the income, the total.
    std::vector<ResultField> fields;
};

CalculatorReport MakeCalculatorReport(const CalcSuccess& success, std::string_view periodText = {});

// One line a shown field, "通　常 1～5年目: 79,503 円", after "返済方法: 公庫基本型";
// `spacing` puts the plain mode's space between a figure and its unit.
std::string CalculatorLines(const CalculatorReport& report, Spacing spacing);

} // namespace hn
