// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReadingReport.h"

#include "calc/capacity/PlanningTexts.h"
#include "report/Captions.h"

namespace hn {

std::vector<Figure> ReadingFigures(const LenderReading& reading, const BurdenReading& one)
{
    using Q = Quantity;
    std::vector<Figure> f;
    f.push_back({"annualYen", kCaptionAnnual, Q::Yen(one.annualYen)});
    f.push_back({"limitPercent", std::string(kCapLimit), Q::Percent(reading.limitPercent)});
    f.push_back({"allowanceYen", std::string(kCapAllowance), Q::Yen(reading.allowanceYen)});
    if (one.ratioPercent)
        f.push_back({"ratioPercent", "返済負担率", Q::Percent(*one.ratioPercent)});
    f.push_back({"within", "判定", Q::Words(std::string(one.within ? kReadWithin : kReadOver))});
    f.push_back({"incomeNeededMan", std::string(kReadIncomeNeeded), Q::Man(one.incomeNeededMan)});
    return f;
}

} // namespace hn
