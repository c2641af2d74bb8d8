// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What hensai-calc prints for a computed loan: the calculator's report as labelled
// lines, as the main window labels its result fields (the JSON is in JsonOutput.h).
#include "calc/CalculateCommand.h"
#include "report/Units.h"

#include <string>

namespace hn {

// One line per shown result field, e.g. "通　常 1～5年目: 79,503 円"; blank
// fields (unused bands, no bonus part) are left out. The plain mode's lines have always
// had a space before a unit; the planning and schedule modes write them as the windows
// do ("79,503円", docs/wording.md).
std::string FormatResultLines(const CalcSuccess& success, Spacing spacing = Spacing::Spaced);

} // namespace hn
