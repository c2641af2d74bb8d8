// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a rate scenario costs, in the figures a borrower compares scenarios by,
// and the warnings it deserves.
#include "calc/rates/RateScenario.h"

#include <cstdint>
#include <string>
#include <vector>

namespace hn {

struct ScenarioSummary {
    std::int64_t totalRepaid = 0;   // every payment, both parts
    std::int64_t totalInterest = 0; // every interest paid, both parts (unpaid interest settled included)
    // The highest regular instalment: the largest payment of a part except its
    // settling last one, which is given on its own below (and may be higher:
    // it settles unpaid interest, or the floors of a level instalment recomputed
    // at every change). Its caption says that the last is left out.
    std::int64_t peakMonthly = 0;
    std::int64_t peakBonus = 0;
    std::int64_t lastMonthly = 0; // the last payment of each part (0 for a part with no rows)
    std::int64_t lastBonus = 0;
    // Months at whose end some unpaid interest is carried (either part; a bonus
    // part's unpaid interest counts from its instalment's month to the next).
    int monthsWithUnpaid = 0;
    std::int64_t largestUnpaid = 0; // the most unpaid interest carried at one time, both parts together
    std::int64_t unpaidAtEnd = 0;   // carried into the last instalments and settled by them
    int endMonth = 0;               // month of the last instalment of either part
    int endYear = 0;                // loan year of that month (1-based)
    bool endsEarly = false;         // some part settled before its term
};

ScenarioSummary SummariseScenario(const ScenarioSchedule& schedule);

// The instalment over time as a step chart draws it: the first row and every
// row whose payment differs from the one before, the settling last row
// included.
struct InstalmentStep {
    int number = 0; // instalment from which `payment` holds
    std::int64_t payment = 0;

    friend bool operator==(const InstalmentStep&, const InstalmentStep&) = default;
};
std::vector<InstalmentStep> InstalmentSteps(const SchedulePart& part);

enum class ScenarioWarningKind {
    UnpaidLeft,           // unpaid interest is still owed when the last instalment comes
    UnpaidCleared,        // unpaid interest arose but later instalments paid it off
    NegativeAmortisation, // at a review more was owed than at the review before
};

struct ScenarioWarning {
    ScenarioWarningKind kind = ScenarioWarningKind::UnpaidLeft;
    bool bonusPart = false; // NegativeAmortisation: which part
    int at = 0;             // NegativeAmortisation: the review's instalment number
    std::int64_t yen = 0;   // UnpaidLeft: the amount; UnpaidCleared: the largest amount;
                            // NegativeAmortisation: owed at that review
    std::int64_t before = 0; // NegativeAmortisation: owed at the review before
    int months = 0;          // UnpaidCleared: the months some interest was left unpaid
};

// In the order above; none for a scenario that repays as planned.
std::vector<ScenarioWarning> ScenarioWarnings(const ScenarioSchedule& schedule, const ScenarioSummary& summary);

// One line naming what a scenario assumed, for a schedule or chart that shows
// it: "金利シナリオ 1:2.375,13:5.375 (5年ルール・125%ルール, 未払利息は最終回に
// まとめて支払う)"; equal principal loans, which the rules do not touch, name
// the path alone.
std::string ScenarioDescription(const ScenarioInput& in);

} // namespace hn
