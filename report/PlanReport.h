// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a home purchase planned as one whole comes to, as every view shows it: the
// amount to borrow, each loan's (tranche's) figures, each borrower's repayment and
// burden, the plan's totals and its years together, and warnings in words. Built
// from the purchase, the borrowers and the tranches with their products: every
// tranche is scheduled here, then the plan computed on the schedules.
#include "calc/plan/Plan.h"
#include "calc/products/Tranche.h"
#include "report/Figure.h"

#include <array>
#include <string>
#include <vector>

namespace hn {

// One loan of the plan: the tranche (amount, bonus part, term, first month,
// product), the months its bonus instalments fall in and each borrower's share.
struct PlanTrancheInput {
    Tranche tranche;
    std::array<int, 2> bonusMonths{6, 12};
    std::array<double, 2> sharePercent{100.0, 0.0};
};

// Everything a plan is, as plain data (what a plan file holds).
struct PlanReportInput {
    PurchaseInput purchase;
    std::vector<Borrower> borrowers; // one or two
    PlanArrangement arrangement = PlanArrangement::Single;
    std::vector<PlanTrancheInput> tranches;
    std::string limitKey = "35"; // the lender's burden rule (FindBurdenLimitRule); empty: none
};

struct PlanReport {
    bool ok = false;
    std::string message; // when !ok: what to correct, naming the field or the loan

    std::vector<Figure> purchase;                 // the amount to borrow, own funds, the loans' sum
    std::vector<std::vector<Figure>> tranches;    // one list per tranche, in input order
    std::vector<std::vector<Figure>> borrowers;   // one list per borrower
    std::vector<Figure> household;                // both incomes together (two borrowers only)
    std::vector<Figure> whole;                    // the plan's totals, its largest month, its end
    std::vector<YearlyRow> years;                 // the loans together, one row per plan year
    std::vector<std::string> warnings;            // in words, each a sentence

    std::vector<TrancheSchedule> schedules;       // every tranche's schedule as built
    PlanResult result;                            // the plan as computed
};

// The plan's report; a refused input answers !ok and a message, never figures.
PlanReport MakePlanReport(const PlanReportInput& in);

// Every figure of the report in one listing, with headings for the loans and
// borrowers, and the warnings after them: the command line's text.
std::string PlanReportLines(const PlanReport& report);

} // namespace hn
