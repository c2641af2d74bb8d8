// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ScenarioReport.h"

#include "calc/rates/ScenarioTexts.h"

namespace hn {

std::vector<Figure> ScenarioFigures(const ScenarioSummary& s)
{
    using Q = Quantity;
    const auto yen = [](std::string_view key, std::string_view caption, std::int64_t v) {
        return Figure(key, caption, Q::Yen(v));
    };
    std::vector<Figure> f;
    f.push_back(yen("totalRepaidYen", kSumTotalRepaid, s.totalRepaid));
    f.push_back(yen("totalInterestYen", kSumTotalInterest, s.totalInterest));
    // The highest leaves the settling last instalment out (and says so): the last is
    // given beside it.
    f.push_back(yen("peakMonthlyYen", kSumPeakMonthly, s.peakMonthly));
    f.push_back(yen("lastMonthlyYen", kSumLastMonthly, s.lastMonthly));
    // A bonus part ends with a payment: none without one.
    if (s.lastBonus > 0) {
        f.push_back(yen("peakBonusYen", kSumPeakBonus, s.peakBonus));
        f.push_back(yen("lastBonusYen", kSumLastBonus, s.lastBonus));
    }
    f.push_back({"monthsWithUnpaid", std::string(kSumMonthsWithUnpaid), Q::Months(s.monthsWithUnpaid)});
    f.push_back(yen("largestUnpaidYen", kSumLargestUnpaid, s.largestUnpaid));
    f.push_back(yen("unpaidAtEndYen", kSumUnpaidAtEnd, s.unpaidAtEnd));
    f.back().fullOnly = true;
    f.push_back({"end", std::string(kSumEnd),
                 Q::Words(Text(Q::LoanYear(s.endYear)) + " (" + Text(Q::Instalment(s.endMonth)) + ")")});
    return f;
}

std::string ScenarioWarningText(const ScenarioWarning& w)
{
    using Q = Quantity;
    switch (w.kind) {
    case ScenarioWarningKind::UnpaidLeft:
        return "未払利息が残ります: 最終回に" + Text(Q::Yen(w.yen)) + "をまとめて支払います。";
    case ScenarioWarningKind::UnpaidCleared:
        return "返済額が利息に届かない月があります: 未払利息は最大" + Text(Q::Yen(w.yen)) + " (" +
               Text(Q::Months(w.months)) + ")。";
    case ScenarioWarningKind::NegativeAmortisation:
        return std::string(w.bonusPart ? "ﾎﾞｰﾅｽ" : "毎月") + "返済の" + Text(Q::Instalment(w.at)) +
               "の見直しで、残高と未払利息の合計" + Text(Q::Yen(w.yen)) + "が前回の見直し時の" + Text(Q::Yen(w.before)) +
               "を上回っています (返済しても借入残高が増えています)。";
    }
    return {};
}

} // namespace hn
