// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planning window's figures as caption/value rows, rendered from the reports, and
// the loan it plans with, built from the values its fields give. Plain C++.
#include "calc/capacity/Capacity.h"
#include "calc/capacity/LenderReading.h"
#include "calc/rates/ScenarioSummary.h"
#include "calc/schedule/Prepayment.h"
#include "calc/schedule/PrepaymentSummary.h"
#include "calc/schedule/ScheduleCalendar.h"
#include "controls/FigureRow.h"
#include "report/Figure.h"

#include <functional>
#include <string>
#include <vector>

namespace hn {

struct DerivedSchedule;
// Opens the schedule window on a schedule a section built.
using ScheduleOpener = std::function<void(const DerivedSchedule&)>;

// The loan of the calculator window (or typed in the planning window).
struct PlanningLoan {
    RepaymentMethod method = CorporationBasic;
    double loanMan = 0.0;
    double bonusMan = 0.0;
    double rate1Percent = 0.0;
    double rate2Percent = 0.0;
    double periodYears = 0.0;
    double incomeMan = 0.0;
    friend bool operator==(const PlanningLoan&, const PlanningLoan&) = default;
};

// One loan of the summary window's slots, for the lenders' reading.
struct SlotLoan {
    int slot = 0;        // 1..8
    std::string caption; // the slot's name as the summary window shows it, with the loan
    LoanInput input;
};

// What the planning window takes from the rest of the program when it opens or
// the user asks for it again.
struct PlanningSeed {
    PlanningLoan loan;
    std::vector<SlotLoan> slotLoans;
};

// The loan as the calculate command checks and computes it; !ok carries its message.
struct PlannedLoan {
    bool ok = false;
    std::string_view message;
    LoanInput input;
};
PlannedLoan PlanLoan(const PlanningLoan& loan);

// A report's figures as the window's grid shows them: caption and text. The figures
// themselves, and which of them a grid shows, are the reports' (report/).
std::vector<FigureRow> Rows(const std::vector<Figure>& figures);

std::vector<FigureRow> CapacityRows(const CapacityResult& r);

// Rows of one reading (real rates or screening rate) against the limit.
std::vector<FigureRow> ReadingRows(const LenderReading& reading, const BurdenReading& one);

// One column of the side-by-side comparison of the prepayments (PrepaymentColumnFigures).
std::vector<FigureRow> PrepayRows(PrepayMode mode, const PrepaymentOutcome& o, const ScheduleCalendar& calendar);

std::vector<FigureRow> ScenarioRows(const ScenarioSummary& s);

} // namespace hn
