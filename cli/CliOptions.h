// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Command-line options of hensai-calc, read into the values a window's fields
// would give.
#include "calc/RepaymentMethod.h"
#include "cli/PlanningCli.h"
#include "cli/ScenarioCli.h"

#include <string>
#include <vector>

namespace hn {

struct CliOptions {
    RepaymentMethod method = CorporationBasic; // the window starts on 公庫基本型
    double loanMan = 0.0;
    double bonusMan = 0.0;
    double rate1Percent = 0.0;
    double rate2Percent = 0.0;
    std::string rate1Text, rate2Text; // as typed: the schedules charge these exactly
    std::string periodText = "25"; // the window starts on 25 years
    double incomeMan = 0.0;
    bool json = false;
    bool csv = false; // the schedule as CSV (with --schedule)
    bool help = false;
    bool rate1Given = false;
    bool rate2Given = false;
    ScenarioCliOptions scenario; // --rate-path and its companions, --schedule
    PlanningCliOptions planning; // --capacity and its companions, --prepay
    bool loanGiven = false;
    bool bonusGiven = false;
    bool version = false;
    bool batch = false; // --batch: requests as JSON Lines on standard input
    bool planGiven = false;
    std::string planFile; // --plan: a home purchase planned as one whole, read from this file
};

struct CliParse {
    bool ok = false;
    CliOptions options;
    std::string error; // when !ok: what was wrong, one line
};

// Reads the arguments after the program name. "--name value" and
// "--name=value" both work; a later option overrides an earlier one.
CliParse ParseCliOptions(const std::vector<std::string>& args);

// The --help text, Japanese and English.
const char* CliHelpText();

// The options that the calculation needs but were not given ("--loan",
// "--rate1", "--rate2"), in that order: --rate2 only where the method and
// period use a second rate, and neither rate when a rate path stands for them.
std::vector<std::string> MissingRequiredOptions(const CliOptions& options);

} // namespace hn
