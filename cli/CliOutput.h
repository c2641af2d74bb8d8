// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What hensai-calc prints for a computed loan: labelled lines as the main window
// labels its result fields, or one JSON object.
#include "calc/CalculateCommand.h"

#include <string>
#include <string_view>

namespace hn {

// One line per shown result field, e.g. "通　常 1～5年目: 79,503 円"; blank
// fields (unused bands, no bonus part) are left out.
std::string FormatResultLines(const CalcSuccess& success);

// {"input": {...}, "monthly": [..], "bonus": [..], "bandUsed": [..],
//  "annualYen": .., "requiredIncomeMan": .., "totalYen": ..}
std::string FormatResultJson(const CalcSuccess& success, std::string_view periodText);

// `text` as a JSON string literal; invalid UTF-8 bytes become U+FFFD.
std::string JsonString(std::string_view text);

} // namespace hn
