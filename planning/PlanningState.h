// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything typed into the planning window, section by section, as plain data: the
// window fills it when it closes and takes it back when it opens again, so closing
// loses nothing for the life of the program.
#include "planning/PlanningFigures.h"
#include "planning/PrepayList.h"
#include "planning/ScenarioInputs.h"

#include <array>
#include <string>
#include <vector>

namespace hn {

struct CapacityInputs {
    double incomeMan = 0.0;
    std::string limitKey = "35";
    double screeningPercent = 0.0;
    double otherDebtsMan = 0.0;
    double periodYears = 0.0;
    RepaymentMethod method = CorporationBasic;
    double rate1Percent = 0.0;
    double rate2Percent = 0.0;
    double bonusSharePercent = 0.0;
    friend bool operator==(const CapacityInputs&, const CapacityInputs&) = default;
};

struct ReadingInputs {
    double incomeMan = 0.0;
    std::string limitKey = "35";
    double screeningPercent = 0.0;
    double otherDebtsMan = 0.0;
    // Summary slots (1..8) the user chose to read at their own rate, not the screening rate.
    std::vector<int> unscreenedSlots;
    friend bool operator==(const ReadingInputs&, const ReadingInputs&) = default;
};

struct PrepayInputs {
    PlanningLoan loan;
    std::vector<PrepayRowText> rows;
    friend bool operator==(const PrepayInputs&, const PrepayInputs&) = default;
};

struct ScenarioPathInputs {
    bool use = false;
    PresetFields preset;
    std::vector<PathRowText> table;
    friend bool operator==(const ScenarioPathInputs&, const ScenarioPathInputs&) = default;
};

struct ScenarioInputs {
    PlanningLoan loan;
    int review = 0; // as the section lists the rules: 5年ルール・125%ルール, then every change
    int unpaid = 0; // carried to the end, then paid first
    std::array<ScenarioPathInputs, 3> paths;
    friend bool operator==(const ScenarioInputs&, const ScenarioInputs&) = default;
};

struct PlanningState {
    int section = 0; // the tab shown
    CapacityInputs capacity;
    ReadingInputs reading;
    PrepayInputs prepay;
    ScenarioInputs scenario;
    // Sections that showed figures when the window closed: computed again on opening.
    std::array<bool, 4> computed{};
    friend bool operator==(const PlanningState&, const PlanningState&) = default;
};

} // namespace hn
