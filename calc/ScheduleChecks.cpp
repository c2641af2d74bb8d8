// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/ScheduleChecks.h"

#include <algorithm>

namespace hn {

namespace {

ScheduleCheckResult Compare(ScheduleCheck check, CheckScope scope, std::int64_t actual, std::int64_t expected)
{
    ScheduleCheckResult c;
    c.check = check;
    c.scope = scope;
    c.passed = actual == expected;
    c.actual = actual;
    c.expected = expected;
    return c;
}

// The first row (instalment number) breaking a rule, 0 when every row keeps it.
template <typename Rule>
int FirstBreaking(const SchedulePart& part, Rule rule)
{
    std::int64_t balanceBefore = part.loanYen;
    std::int64_t unpaidBefore = 0;
    int expectedNumber = 1;
    for (const ScheduleRow& r : part.rows) {
        if (!rule(r, balanceBefore, unpaidBefore, expectedNumber))
            return r.number != 0 ? r.number : expectedNumber;
        balanceBefore = r.balance;
        unpaidBefore = r.unpaidInterest;
        ++expectedNumber;
    }
    return 0;
}

ScheduleCheckResult RowCheck(ScheduleCheck check, CheckScope scope, int failedRow)
{
    ScheduleCheckResult c;
    c.check = check;
    c.scope = scope;
    c.passed = failedRow == 0;
    c.failedRow = failedRow;
    return c;
}

void CheckPart(const SchedulePart& part, CheckScope scope, ScheduleCheckReport& report)
{
    // Numbered 1, 2, ... with payment = interest charged + principal + unpaid
    // interest settled (negative while interest goes unpaid), and each balance
    // the one before less the principal.
    const int brokenRow = FirstBreaking(part, [](const ScheduleRow& r, std::int64_t balanceBefore,
                                                 std::int64_t unpaidBefore, int number) {
        return r.number == number && r.payment == r.interest + r.principal + (unpaidBefore - r.unpaidInterest)
            && r.balance == balanceBefore - r.principal;
    });
    report.items.push_back(RowCheck(ScheduleCheck::RowsAddUp, scope, brokenRow));

    const ScheduleTotals t = TotalsOf(part);
    report.items.push_back(Compare(ScheduleCheck::PrincipalRepaysLoan, scope, t.principal, part.loanYen));
    const std::int64_t lastBalance = part.rows.empty() ? part.loanYen : part.rows.back().balance;
    report.items.push_back(Compare(ScheduleCheck::BalanceEndsAtZero, scope, lastBalance, 0));
    const std::int64_t lastUnpaid = part.rows.empty() ? 0 : part.rows.back().unpaidInterest;
    report.items.push_back(Compare(ScheduleCheck::NothingUnpaid, scope, lastUnpaid, 0));

    const int negativeRow = FirstBreaking(part, [](const ScheduleRow& r, std::int64_t, std::int64_t, int) {
        return r.payment >= 0 && r.interest >= 0 && r.principal >= 0 && r.balance >= 0 && r.unpaidInterest >= 0;
    });
    report.items.push_back(RowCheck(ScheduleCheck::NoNegativeFigure, scope, negativeRow));
}

void CompareBand(const SchedulePart& part, int perBand, const std::array<std::int32_t, 3>& figures,
                 const std::array<bool, 3>& used, CheckScope scope, ScheduleCheckReport& report)
{
    for (int b = 0; b < 3; ++b) {
        if (!used[b])
            continue;
        const std::size_t index = static_cast<std::size_t>(b * perBand);
        // A row that settled the balance ahead of the term is not a band
        // instalment; nor are the rows it left out.
        const bool settledEarly = part.endedEarly() && index + 1 >= part.rows.size();
        if (index >= part.rows.size() || settledEarly)
            continue;
        ScheduleCheckResult c = Compare(ScheduleCheck::BandFiguresMatch, scope, part.rows[index].payment,
                                        figures[static_cast<std::size_t>(b)]);
        c.comparedRow = static_cast<int>(index) + 1;
        c.failedRow = c.passed ? 0 : c.comparedRow;
        report.items.push_back(c);
    }
}

} // namespace

bool ScheduleCheckReport::allPassed() const noexcept
{
    return !items.empty()
        && std::all_of(items.begin(), items.end(), [](const ScheduleCheckResult& c) { return c.passed; });
}

ScheduleCheckReport CheckSchedule(const Schedule& schedule)
{
    ScheduleCheckReport report;
    if (!schedule.ok())
        return report;
    CheckPart(schedule.monthly, CheckScope::MonthlyPart, report);
    CheckPart(schedule.bonus, CheckScope::BonusPart, report);
    const ScheduleTotals t = TotalsOf(schedule);
    report.items.push_back(Compare(ScheduleCheck::PaymentsCoverLoanAndInterest, CheckScope::WholeSchedule,
                                   t.payment, schedule.monthly.loanYen + schedule.bonus.loanYen + t.interest));
    return report;
}

void CheckAgainstResult(const Schedule& schedule, const LoanResult& result, ScheduleCheckReport& report)
{
    // Equal principal instalments are the share plus the exact interest, which the
    // window's band figures (floored in doubles) can miss by a yen: CompareWithWindow
    // shows both. The other families pay the window's own band instalments.
    if (!schedule.ok() || FamilyOf(schedule.method) == RepaymentFamily::EqualPrincipal)
        return;
    CompareBand(schedule.monthly, kMonthsPerBand, result.monthly, result.bandUsed, CheckScope::MonthlyPart,
                report);
    if (schedule.bonus.termCount != 0)
        CompareBand(schedule.bonus, kBonusPerBand, result.bonus, result.bandUsed, CheckScope::BonusPart, report);
}

std::string_view CheckCaption(ScheduleCheck check) noexcept
{
    switch (check) {
    case ScheduleCheck::RowsAddUp:
        return "各回 返済額 = 支払利息 + 元金、支払利息 = 利息 − 未払利息の増減、残高 = 前回残高 − 元金";
    case ScheduleCheck::PrincipalRepaysLoan:
        return "元金の合計 = 借入額";
    case ScheduleCheck::BalanceEndsAtZero:
        return "最終回後の残高 = 0";
    case ScheduleCheck::NothingUnpaid:
        return "最終回後の未払利息 = 0";
    case ScheduleCheck::PaymentsCoverLoanAndInterest:
        return "返済額の合計 = 借入額 + 利息の合計";
    case ScheduleCheck::NoNegativeFigure:
        return "負の金額なし";
    case ScheduleCheck::BandFiguresMatch:
        return "各期間の初回返済額 = 計算結果の返済額";
    }
    return {};
}

std::string_view CheckName(ScheduleCheck check) noexcept
{
    switch (check) {
    case ScheduleCheck::RowsAddUp:
        return "rowsAddUp";
    case ScheduleCheck::PrincipalRepaysLoan:
        return "principalRepaysLoan";
    case ScheduleCheck::BalanceEndsAtZero:
        return "balanceEndsAtZero";
    case ScheduleCheck::NothingUnpaid:
        return "nothingUnpaid";
    case ScheduleCheck::PaymentsCoverLoanAndInterest:
        return "paymentsCoverLoanAndInterest";
    case ScheduleCheck::NoNegativeFigure:
        return "noNegativeFigure";
    case ScheduleCheck::BandFiguresMatch:
        return "bandFiguresMatch";
    }
    return {};
}

std::string_view ScopeCaption(CheckScope scope) noexcept
{
    switch (scope) {
    case CheckScope::MonthlyPart:
        return "毎月分";
    case CheckScope::BonusPart:
        return "ﾎﾞｰﾅｽ分";
    case CheckScope::WholeSchedule:
        return "全体";
    }
    return {};
}

std::string_view ScopeName(CheckScope scope) noexcept
{
    switch (scope) {
    case CheckScope::MonthlyPart:
        return "monthly";
    case CheckScope::BonusPart:
        return "bonus";
    case CheckScope::WholeSchedule:
        return "schedule";
    }
    return {};
}

} // namespace hn
