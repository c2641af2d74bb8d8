// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CliOutput.h"

#include "report/CalculatorReport.h"

namespace hn {

std::string FormatResultLines(const CalcSuccess& success, Spacing spacing)
{
    return CalculatorLines(MakeCalculatorReport(success), spacing);
}

} // namespace hn
