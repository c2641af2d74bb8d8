// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What hensai-calc writes to standard output and error. The reason of the first
// failed write to standard output is kept: stdio does not keep it, and after a
// large output failed part-way (a full disk) the final flush no longer knows why.
#include <string_view>

namespace hn {

void WriteOut(std::string_view text);
void WriteErr(std::string_view text);

// Flushes standard output. False when anything written to it was lost; then
// "hensai-calc: cannot write to standard output: <reason>" is on standard error.
bool FinishOut();

} // namespace hn
