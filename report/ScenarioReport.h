// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a rate scenario comes to, as the planning window's scenario columns and the
// command line's --rate-path show it.
#include "calc/rates/ScenarioSummary.h"
#include "report/Figure.h"

#include <vector>

namespace hn {

// The totals, each part's highest regular instalment beside its settling last one (the
// bonus part's where it has one), the unpaid interest and when the loan ends.
std::vector<Figure> ScenarioFigures(const ScenarioSummary& s);

// The message a user reads of a warning: what was left unpaid, or at which review more
// was owed than at the one before.
std::string ScenarioWarningText(const ScenarioWarning& w);

} // namespace hn
