// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the plan window's fields hold, as plain data: amounts in 万円 as the program's
// other windows take them, rates as typed. The window keeps it between openings and
// turns it into the plan report's input here, so that the window computes nothing.
#include "calc/plan/Plan.h"
#include "controls/FigureRow.h"
#include "report/Figure.h"
#include "report/PlanReport.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace hn {

enum class PlanProductKind { Fixed, Variable, FixedPeriod };

struct PlanFormLoan {
    double amountMan = 0.0;
    double bonusMan = 0.0;
    int years = 35;
    int firstYear = 2027;
    int firstMonth = 4;
    PlanProductKind product = PlanProductKind::Fixed;
    std::string rate;      // the whole term's, the variable rate's, or the fixed period's
    int fixedYears = 10;   // 固定期間選択型 only
    std::string rateAfter; // 固定期間選択型: the rate after the fixed period
    int owner = 0;         // 単独 and ペアローン: the borrower owing the loan (0 or 1)
    double share1Percent = 50.0; // 収入合算 and 連帯債務: the first borrower's share
};

struct PlanFormBorrower {
    double incomeMan = 0.0;
    int age = 0;
};

struct PlanForm {
    double priceMan = 0.0;
    double downMan = 0.0;
    double costsMan = 0.0;
    bool costsFinanced = false;
    int borrowerCount = 1;
    std::array<PlanFormBorrower, 2> borrowers{};
    PlanArrangement arrangement = PlanArrangement::Single;
    std::vector<PlanFormLoan> loans{PlanFormLoan{}};
};

// Messages for what only the window's fields can get wrong (a rate left unreadable).
inline constexpr std::string_view kPlanRateUnread = "借入%dの金利を正しく入力してください。";

struct PlanFormRead {
    bool ok = false;
    std::string message; // when !ok
    PlanReportInput input;
};

// The plan report's input from the fields: 万円 as whole yen, each loan's product and
// shares by the arrangement. Only unreadable rates are refused here; every other check
// is the report's.
PlanFormRead ReadPlanForm(const PlanForm& form);

// A report's figures as a grid's rows.
std::vector<FigureRow> PlanRows(const std::vector<Figure>& figures);

} // namespace hn
