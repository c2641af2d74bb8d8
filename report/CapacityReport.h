// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Borrowing capacity as the planning window and the command line's --capacity show it.
#include "calc/capacity/Capacity.h"
#include "report/Figure.h"

#include <string_view>
#include <vector>

namespace hn {

struct CapacityReport {
    std::vector<Figure> figures;     // the capacity and what it was read against
    Figure bonusPart;                // the capacity's bonus part (a full listing's only where there is none)
    std::vector<Figure> loanFigures; // the calculator's figures of the loan at the capacity, in brief
    Figure ratio;                    // that loan's burden against the income
};

// `limitWording` says the limit's rule beside its share in a full listing.
CapacityReport MakeCapacityReport(const CapacityResult& r, std::string_view limitWording = {});

// A window's grid: the brief figures in order.
std::vector<Figure> BriefCapacityFigures(const CapacityReport& report);

// The calculator's figures of a loan in brief: 毎月返済額 and ﾎﾞｰﾅｽ返済額 of the first
// band (the latter where the loan has a bonus part), 年間返済額, 総返済額.
std::vector<Figure> LoanBriefFigures(const CalcSuccess& loan);

} // namespace hn
