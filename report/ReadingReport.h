// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A lender's reading of the loans against the income, as the planning window shows it:
// one set of figures at the real rates, one at the screening rate.
#include "calc/capacity/LenderReading.h"
#include "report/Figure.h"

#include <vector>

namespace hn {

std::vector<Figure> ReadingFigures(const LenderReading& reading, const BurdenReading& one);

} // namespace hn
